#include "svg_figure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "geometry/float_to_int.h"
#include "number_text.h"

namespace veltro::replay {

namespace {

void appendNumber(std::string& out, float value) {
    appendFloat(out, value);
}

const char* className(DiscRole role) {
    return role == DiscRole::Marker ? "marker" : "point";
}

const char* className(PolylineRole role) {
    switch (role) {
        case PolylineRole::Polygon:
            return "polygon";
        case PolylineRole::Shell:
            return "shell";
        case PolylineRole::Curve:
            break;
    }
    return "curve";
}

// The byte a pixel gets for this component: truncated as the frame does;
// kept in range, which the frame's colours always are.
int colourByte(float component) {
    return std::clamp(truncToInt(static_cast<double>(component)), 0, 255);
}

}  // namespace

std::string svgColour(const Colour& colour) {
    char text[32];
    std::snprintf(text, sizeof text, "rgb(%d,%d,%d)", colourByte(colour.r), colourByte(colour.g),
                  colourByte(colour.b));
    return text;
}

namespace {

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
    out += "    <circle class=\"";
    out += className(disc.role);
    out += "\" cx=\"";
    appendNumber(out, disc.centre.x);
    out += "\" cy=\"";
    appendNumber(out, disc.centre.y);
    out += "\" r=\"";
    appendNumber(out, disc.radius);
    out += "\" fill=\"" + svgColour(disc.colour) + "\" stroke=\"none\"/>\n";
}

// Writes segments as <polyline> elements, extending the open one while a
// segment continues it in its colour.
class PolylineWriter {
  public:
    explicit PolylineWriter(std::string& out) : out_(out) {}

    void segment(const Point2& start, const Point2& end, const Colour& colour, PolylineRole role) {
        if (!isFinite(start) || !isFinite(end)) {
            close();
            return;
        }
        if (open_ && colour == colour_ && role == role_ && samePosition(start, end_)) {
            out_ += ' ';
        } else {
            close();
            out_ += "    <polyline class=\"";
            out_ += className(role);
            out_ += "\" points=\"";
            appendPoint(out_, start);
            out_ += ' ';
            colour_ = colour;
            role_ = role;
            open_ = true;
        }
        appendPoint(out_, end);
        end_ = end;
    }

    void close() {
        if (open_) {
            out_ += "\" fill=\"none\" stroke=\"" + svgColour(colour_) + "\"/>\n";
            open_ = false;
        }
    }

  private:
    std::string& out_;
    bool open_ = false;
    Colour colour_;
    PolylineRole role_ = PolylineRole::Curve;
    Point2 end_;
};

}  // namespace

void appendFigureBody(std::string& out, const FrameReport& report, const SvgStyle& style,
                      std::string_view clipId) {
    // The window shows only the 640 x 480 area; a curve that runs beyond it
    // is cut there in the figure too.
    out += "  <defs><clipPath id=\"";
    out += clipId;
    out +=
        "\"><rect width=\"640\" height=\"480\"/></clipPath></defs>\n"
        "  <rect width=\"640\" height=\"480\" fill=\"rgb(255,255,255)\" stroke=\"none\"/>\n"
        "  <g clip-path=\"url(#";
    out += clipId;
    out += ")\" stroke-width=\"";
    appendNumber(out, style.strokeWidth);
    out += "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    for (const Disc& disc : report.discs) {
        appendDisc(out, disc);
    }
    PolylineWriter polylines(out);
    forEachSegmentOfLine(
        report, [&polylines](const Point2& start, const Point2& end, const Polyline& line) {
            polylines.segment(start, end, line.colour, line.role);
        });
    polylines.close();
    out += "  </g>\n";
}

std::string svgFigure(const FrameReport& report, const SvgStyle& style) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"640\" height=\"480\" "
        "viewBox=\"0 0 640 480\">\n";
    appendFigureBody(out, report, style, "frame");
    out += "</svg>\n";
    return out;
}

}  // namespace veltro::replay
