#include "svg_figure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "geometry/float_to_int.h"

namespace veltro::replay {

namespace {

// Nine significant digits read back as the same float.
void appendNumber(std::string& out, float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    out += text;
}

// The byte a pixel gets for this component: truncated as the frame does;
// kept in range, which the frame's colours always are.
int colourByte(float component) {
    return std::clamp(truncToInt(static_cast<double>(component)), 0, 255);
}

std::string rgb(const Colour& colour) {
    char text[32];
    std::snprintf(text, sizeof text, "rgb(%d,%d,%d)", colourByte(colour.r), colourByte(colour.g),
                  colourByte(colour.b));
    return text;
}

bool isFinite(const Point2& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

bool samePosition(const Point2& a, const Point2& b) {
    return a.x == b.x && a.y == b.y;
}

void appendPoint(std::string& out, const Point2& p) {
    appendNumber(out, p.x);
    out += ',';
    appendNumber(out, p.y);
}

void appendDisc(std::string& out, const Disc& disc) {
    if (!isFinite(disc.centre) || !std::isfinite(disc.radius)) {
        return;
    }
    out += "    <circle cx=\"";
    appendNumber(out, disc.centre.x);
    out += "\" cy=\"";
    appendNumber(out, disc.centre.y);
    out += "\" r=\"";
    appendNumber(out, disc.radius);
    out += "\" fill=\"" + rgb(disc.colour) + "\" stroke=\"none\"/>\n";
}

// Writes segments as <polyline> elements, extending the open one while a
// segment continues it in its colour.
class PolylineWriter {
  public:
    explicit PolylineWriter(std::string& out) : out_(out) {}

    void segment(const Point2& start, const Point2& end, const Colour& colour) {
        if (!isFinite(start) || !isFinite(end)) {
            close();
            return;
        }
        if (open_ && colour == colour_ && samePosition(start, end_)) {
            out_ += ' ';
        } else {
            close();
            out_ += "    <polyline points=\"";
            appendPoint(out_, start);
            out_ += ' ';
            colour_ = colour;
            open_ = true;
        }
        appendPoint(out_, end);
        end_ = end;
    }

    void close() {
        if (open_) {
            out_ += "\" fill=\"none\" stroke=\"" + rgb(colour_) + "\"/>\n";
            open_ = false;
        }
    }

  private:
    std::string& out_;
    bool open_ = false;
    Colour colour_;
    Point2 end_;
};

}  // namespace

std::string svgFigure(const FrameReport& report) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"640\" height=\"480\" "
        "viewBox=\"0 0 640 480\">\n"
        "  <rect width=\"640\" height=\"480\" fill=\"rgb(255,255,255)\" stroke=\"none\"/>\n"
        "  <g stroke-width=\"1\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    for (const Disc& disc : report.discs) {
        appendDisc(out, disc);
    }
    PolylineWriter polylines(out);
    forEachSegment(report,
                   [&polylines](const Point2& start, const Point2& end, const Colour& colour) {
                       polylines.segment(start, end, colour);
                   });
    polylines.close();
    out += "  </g>\n</svg>\n";
    return out;
}

}  // namespace veltro::replay
