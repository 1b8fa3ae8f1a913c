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

void appendDisc(std::string& out, const FigureDisc& disc) {
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

// Appends the polyline that starts at segments[first] and returns the index
// after its last segment.
std::size_t appendPolyline(std::string& out, const std::vector<LineSegment>& segments,
                           std::size_t first) {
    const LineSegment& head = segments[first];
    out += "    <polyline points=\"";
    appendPoint(out, head.start());
    std::size_t next = first;
    do {
        out += ' ';
        appendPoint(out, segments[next].end());
        ++next;
    } while (next < segments.size() && segments[next].colour() == head.colour() &&
             samePosition(segments[next].start(), segments[next - 1].end()) &&
             isFinite(segments[next].end()));
    out += "\" fill=\"none\" stroke=\"" + rgb(head.colour()) + "\"/>\n";
    return next;
}

}  // namespace

std::string svgFigure(const Figure& figure) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"640\" height=\"480\" "
        "viewBox=\"0 0 640 480\">\n"
        "  <rect width=\"640\" height=\"480\" fill=\"rgb(255,255,255)\" stroke=\"none\"/>\n"
        "  <g stroke-width=\"1\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    for (const FigureDisc& disc : figure.discs) {
        appendDisc(out, disc);
    }
    std::size_t i = 0;
    while (i < figure.segments.size()) {
        const LineSegment& s = figure.segments[i];
        if (!isFinite(s.start()) || !isFinite(s.end())) {
            ++i;
            continue;
        }
        i = appendPolyline(out, figure.segments, i);
    }
    out += "  </g>\n</svg>\n";
    return out;
}

}  // namespace veltro::replay
