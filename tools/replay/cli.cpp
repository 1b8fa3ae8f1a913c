#include "cli.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>

#include "compare_figure.h"
#include "frame_image.h"
#include "inspect/inspection_json.h"
#include "output_files.h"
#include "png_codec.h"
#include "samples_text.h"
#include "segments_text.h"
#include "session.h"
#include "state_json.h"
#include "svg_figure.h"

namespace veltro::replay {

namespace {

// A script longer than this is not a hand-written session; refusing it
// keeps an endless stream on standard input from eating all memory.
constexpr std::size_t kLargestScript = 64u * 1024u * 1024u;

// The manual page, docs/man/veltro-replay.1.in, says all of this too: change both together.
const char kUsage[] =
    R"(Usage: veltro-replay [--png FILE [--png-scale N]] [--svg FILE [--stroke-width W]]
                     [--segments FILE] [--samples FILE] [--compare FILE] [--state]
                     [--inspect FILE] [--every-frame] SCRIPT

Plays a scripted editing session through the editor's own core (the same
frame loop turn, input handling and curve drawing as the windowed program),
without a window and without waiting, and reports what the window would show.

SCRIPT is a file, or - for standard input. One message per line; # starts a
comment; blank lines are ignored. After every message one frame turn runs: if
the message asked for a redraw, the scene is drawn and presented.

  click X Y        press then release the left button at X Y (two turns)
  press X Y        left button down
  move X Y         mouse move
  release X Y      left button up
  dblclick X Y     the second press of a double click
  key K            a key: space, plus (187), minus (189), numplus (107),
                   numminus (109), or a virtual-key code 0 to 255 in decimal
  menu NAME        a menu command by its menu text in lower case, words
                   joined by hyphens (the older numeric ids play too):
                     make-points (40016)     clear-points (40024)
                     nested-linear-interpolation (40028)
                     bernstein-polynomials (40030)
                     midpoint-subdivision (40031)
                     parametric-polynomial-curve (40041)
                     interpolating-spline (40043)  b-spline (40045)
                     about (40009)           move-points (40023)
                     slider-on (40036)       slider-off (40037)
                     shells-on (40038)       shells-off (40039)
                     continuity-on (40050)   continuity-off (40051)
                     b-spline-setup (40053, opens a B-Spline Input dialog)
  dialog ok "DEGREE" "KNOTS"
                   press OK in the most recently opened B-Spline Input
                   dialog that is still open, with these texts typed into
                   its degree and knot fields; inside the quotes \" is a
                   quote, \\ a backslash and \n a line break
  dialog cancel    press Cancel in that dialog
  place I X Y      type X and Y for point I (the first point is 1), as the
                   Inspector's points table does: the point goes there as a
                   drag to X, Y would, or stays where it is; an I past the
                   last point is an error
  inspect T        inspect the curve at t = T (any finite number, clamped
                   into the method's domain) where the method has no slider;
                   no frame changes
  undo             back to the scene before the last change (Edit menu)
  redo             the change the last undo took back
  delete I         delete point I (counting from 1); the later points move up
  close            close the window: the session ends after this turn, and
                   nothing may follow it

Coordinates are client pixels (x right, y down) and may be fractional or
negative; any finite single-precision number is accepted, nan and inf are
not. Message boxes are dismissed at once and recorded.

Options:
  --png FILE       write the last presented frame as the window shows it:
                   640 x 480 RGB PNG, top row first (all white if no frame
                   was presented)
  --png-scale N    enlarge that PNG N times (a whole number 1 to 8), each
                   frame pixel an N x N block: no smoothing
  --svg FILE       write the scene as an SVG figure of 640 x 480 units: the
                   slider marker, the control points (circles of radius 10)
                   and every line, in the frame's colours and drawing order,
                   clipped to the area as the window clips it; each element
                   has a class: point, marker, polygon, curve or shell
  --stroke-width W the SVG's line width (default 1, as the window draws;
                   a number above 0 and at most 100)
  --segments FILE  write the segment list as the session ends, one segment
                   per line: x0 y0 x1 y1 r g b a, separated by spaces, each
                   number printed with %.9g
  --samples FILE   write the curve's sample points in drawing order, one per
                   line: t x y (%.9g); FILE may be - for standard output.
                   Midpoint subdivision draws a refined control polygon, not
                   samples at a parameter: it writes one '#' comment line.
                   Without a curve the file is empty.
  --compare FILE   write the frame every curve method would draw from the
                   session's points, three to a row in the Object menu's
                   order, each as if chosen from that menu now: FILE ending
                   in .svg gives an SVG with each method's name and colour
                   above its picture (lines as wide as --stroke-width), .png
                   a PNG of the pictures alone
  --state          print one JSON object on standard output: title, editMode,
                   method, sliderOn, shellsOn, continuityOn, sliderT,
                   bsplineDegree, knotSequence, workingKnots, points,
                   checked, messageBoxes, dialogs, framesDrawn
  --inspect FILE   write the numbers behind the chosen curve as one JSON
                   object; FILE may be - for standard output: method,
                   points, parameter, curvePoint, weights, levels,
                   basisCurves, and bspline, newton, spline or midpoint for
                   that method
  --every-frame    paint every frame drawn, as a window shows each one;
                   without it only the last is painted, which gives the
                   same outputs far sooner (for timing frames)
  --help           show this text

The whole script is checked before anything runs. Bad arguments or a bad
script give a message naming the line and what is wrong, exit status 2,
and no output at all. Files are written only when the whole session has
played; if writing fails the exit status is 1.

Example:
  printf 'click 100 300\nclick 320 80\nclick 540 300\n' |
      veltro-replay --png arc.png --state -
)";

struct Options {
    std::optional<std::string> png;
    std::optional<std::string> svg;
    std::optional<std::string> segments;
    std::optional<std::string> samples;
    std::optional<std::string> compare;
    std::optional<std::string> inspect;
    std::optional<std::string> strokeWidth;
    std::optional<std::string> pngScale;
    bool state = false;
    bool everyFrame = false;
    bool help = false;
    std::optional<std::string> script;

    SvgStyle svgStyle;
    std::uint32_t pngFactor = 1;
};

enum class CompareFormat { Svg, Png };

// Chosen by the name's ending, in any case, as a file manager would.
std::optional<CompareFormat> compareFormat(const std::string& name) {
    const auto endsWith = [&name](std::string_view ending) {
        if (name.size() <= ending.size()) {
            return false;
        }
        const std::string_view tail = std::string_view(name).substr(name.size() - ending.size());
        return std::equal(tail.begin(), tail.end(), ending.begin(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        });
    };
    if (endsWith(".svg")) {
        return CompareFormat::Svg;
    }
    if (endsWith(".png")) {
        return CompareFormat::Png;
    }
    return std::nullopt;
}

struct UsageError {
    std::string what;
};

// The widest line a figure may ask for: wider ones hide the drawing.
constexpr double kWidestStroke = 100.0;
constexpr long kLargestPngScale = 8;

std::optional<UsageError> readFigureOptions(Options& options) {
    if (options.strokeWidth) {
        const std::string& text = *options.strokeWidth;
        char* end = nullptr;
        const double width = std::strtod(text.c_str(), &end);
        if (end != text.c_str() + text.size() || !std::isfinite(width) || !(width > 0.0) ||
            width > kWidestStroke) {
            return UsageError{"--stroke-width needs a number above 0 and at most 100, not '" +
                              text + "'"};
        }
        options.svgStyle.strokeWidth = static_cast<float>(width);
    }
    if (options.pngScale) {
        const std::string& text = *options.pngScale;
        long factor = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), factor);
        if (error != std::errc() || end != text.data() + text.size() || factor < 1 ||
            factor > kLargestPngScale) {
            return UsageError{"--png-scale needs a whole number from 1 to 8, not '" + text + "'"};
        }
        options.pngFactor = static_cast<std::uint32_t>(factor);
    }
    return std::nullopt;
}

// Where a name leads: links followed (also to a file not yet written), the
// rest made absolute and normal. Empty when the system cannot tell.
std::filesystem::path whereNameLeads(const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path path = fs::absolute(name, error);
    // Bounded as the system bounds a chain of links. A name that does not
    // exist yet is no link (the status reports that as an error).
    std::error_code noSuchFile;
    for (int hop = 0; hop < 40 && !error && fs::is_symlink(fs::symlink_status(path, noSuchFile));
         ++hop) {
        const fs::path target = fs::read_symlink(path, error);
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    if (error) {
        return {};
    }
    const fs::path full = fs::weakly_canonical(path, error);
    return error ? fs::path() : full.lexically_normal();
}

// Two names of one file (./a.png and a.png, or a link and its target) would
// leave only the output written last.
bool sameFile(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    if (a == "-" || b == "-") {
        return false;
    }
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error) && !error) {
        return true;
    }
    const std::filesystem::path fullA = whereNameLeads(a);
    return !fullA.empty() && fullA == whereNameLeads(b);
}

std::optional<UsageError> parseOptions(const std::vector<std::string>& args, Options& options) {
    // Asking for help is never an error, whatever else the line holds.
    for (const std::string& arg : args) {
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return std::nullopt;
        }
    }
    struct ValuedOption {
        std::string_view name;
        std::optional<std::string>* target;
        std::string_view needs;
    };
    const ValuedOption valued[] = {
        {"--png", &options.png, "a file name"},
        {"--svg", &options.svg, "a file name"},
        {"--segments", &options.segments, "a file name"},
        {"--samples", &options.samples, "a file name"},
        {"--compare", &options.compare, "a file name"},
        {"--inspect", &options.inspect, "a file name"},
        {"--stroke-width", &options.strokeWidth, "a number"},
        {"--png-scale", &options.pngScale, "a number"},
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        bool* const flag = optionsEnded             ? nullptr
                           : arg == "--state"       ? &options.state
                           : arg == "--every-frame" ? &options.everyFrame
                                                    : nullptr;
        if (flag != nullptr) {
            if (*flag) {
                return UsageError{arg + " given twice"};
            }
            *flag = true;
            continue;
        }
        bool isValuedOption = false;
        for (const ValuedOption& option : valued) {
            const std::string_view name = option.name;
            if (optionsEnded || arg.compare(0, name.size(), name) != 0) {
                continue;
            }
            std::string value;
            if (arg.size() == name.size()) {
                if (i + 1 == args.size()) {
                    return UsageError{std::string(name) + " needs " + std::string(option.needs)};
                }
                value = args[++i];
            } else if (arg[name.size()] == '=') {
                value = arg.substr(name.size() + 1);
            } else {
                continue;
            }
            if (value.empty()) {
                return UsageError{std::string(name) + " needs " + std::string(option.needs)};
            }
            if (*option.target) {
                return UsageError{std::string(name) + " given twice"};
            }
            *option.target = value;
            isValuedOption = true;
            break;
        }
        if (isValuedOption) {
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return UsageError{"unknown option '" + arg + "'"};
        }
        if (options.script) {
            return UsageError{"more than one SCRIPT given ('" + *options.script + "' and '" + arg +
                              "')"};
        }
        options.script = arg;
    }
    if (!options.script) {
        return UsageError{"no SCRIPT given"};
    }
    if (auto figure = readFigureOptions(options)) {
        return figure;
    }
    if (options.samples == "-" && options.state) {
        return UsageError{"--samples - and --state both write to standard output"};
    }
    if (options.inspect == "-" && (options.state || options.samples == "-")) {
        return UsageError{std::string(options.state ? "--state" : "--samples -") +
                          " and --inspect - both write to standard output"};
    }
    const std::pair<std::string_view, const std::optional<std::string>*> files[] = {
        {"--png", &options.png},           {"--svg", &options.svg},
        {"--segments", &options.segments}, {"--samples", &options.samples},
        {"--compare", &options.compare},   {"--inspect", &options.inspect}};
    for (std::size_t a = 0; a < std::size(files); ++a) {
        for (std::size_t b = a + 1; b < std::size(files); ++b) {
            if (*files[a].second && *files[b].second &&
                sameFile(**files[a].second, **files[b].second)) {
                return UsageError{std::string(files[a].first) + " and " +
                                  std::string(files[b].first) + " name the same file"};
            }
        }
    }
    if (options.compare && !compareFormat(*options.compare)) {
        return UsageError{"--compare needs a file name ending in .svg or .png"};
    }
    return std::nullopt;
}

std::optional<std::string> readAll(std::FILE* file, std::string& text) {
    char buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file);
        text.append(buffer, n);
        if (text.size() > kLargestScript) {
            return "script is larger than " + std::to_string(kLargestScript >> 20) + " MiB";
        }
        if (n < sizeof buffer) {
            break;
        }
    }
    if (std::ferror(file)) {
        return std::string(std::strerror(errno));
    }
    return std::nullopt;
}

std::optional<std::string> readScript(const std::string& name, std::FILE* in, std::string& text) {
    if (name == "-") {
        return readAll(in, text);
    }
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file == nullptr) {
        return std::string(std::strerror(errno));
    }
    auto complaint = readAll(file, text);
    std::fclose(file);
    return complaint;
}

}  // namespace

const char* replayUsage() {
    return kUsage;
}

int runReplayCommand(const std::vector<std::string>& args, std::FILE* in, std::FILE* out,
                     std::FILE* err) {
    Options options;
    if (auto usage = parseOptions(args, options)) {
        std::fprintf(err, "veltro-replay: %s\nTry 'veltro-replay --help'.\n", usage->what.c_str());
        return kExitBadInput;
    }
    if (options.help) {
        std::fputs(kUsage, out);
        return std::fflush(out) == 0 ? kExitOk : kExitWriteFailed;
    }

    const std::string& scriptName = *options.script;
    const std::string shownName = scriptName == "-" ? "<stdin>" : scriptName;
    std::string text;
    if (auto complaint = readScript(scriptName, in, text)) {
        std::fprintf(err, "veltro-replay: %s: %s\n", shownName.c_str(), complaint->c_str());
        return kExitBadInput;
    }

    const ParsedScript script = parseScript(text);
    const auto reject = [&](const ScriptError& e) {
        std::fprintf(err, "veltro-replay: %s:%d: %s\n", shownName.c_str(), e.line, e.what.c_str());
        return kExitBadInput;
    };
    if (script.error) {
        return reject(*script.error);
    }

    Session session(options.everyFrame);
    if (auto failure = session.playAll(script.steps)) {
        return reject(*failure);
    }

    std::vector<OutputFile> files;
    const auto addPng = [&](const std::string& path, const RgbImage& image) {
        const std::vector<std::uint8_t> png = encodePng(image);
        if (png.empty()) {
            std::fprintf(err, "veltro-replay: %s: could not encode the picture as PNG\n",
                         path.c_str());
            return false;
        }
        files.push_back(OutputFile{path, std::string(png.begin(), png.end())});
        return true;
    };
    if (options.png &&
        !addPng(*options.png,
                enlargedImage(imageFromFrameWords(session.presentedWords(), FrameBuffer::kWidth,
                                                  FrameBuffer::kHeight),
                              options.pngFactor))) {
        return kExitWriteFailed;
    }
    if (options.svg) {
        files.push_back(
            OutputFile{*options.svg, svgFigure(session.core().lastFrame(), options.svgStyle)});
    }
    if (options.segments) {
        files.push_back(OutputFile{*options.segments, segmentsText(session.core().lastFrame())});
    }
    if (options.samples && *options.samples != "-") {
        files.push_back(OutputFile{*options.samples, samplesText(session.core().lastFrame())});
    }
    if (options.compare) {
        if (compareFormat(*options.compare) == CompareFormat::Svg) {
            files.push_back(
                OutputFile{*options.compare, compareSvg(session.core(), options.svgStyle)});
        } else if (!addPng(*options.compare, compareImage(session.core()))) {
            return kExitWriteFailed;
        }
    }
    if (options.inspect && *options.inspect != "-") {
        files.push_back(
            OutputFile{*options.inspect, inspectionJson(session.core().inspection()) + "\n"});
    }
    if (const std::string complaint = writeOutputFiles(files); !complaint.empty()) {
        std::fprintf(err, "veltro-replay: %s\n", complaint.c_str());
        return kExitWriteFailed;
    }
    std::string standardOutput;
    if (options.samples == "-") {
        standardOutput = samplesText(session.core().lastFrame());
    } else if (options.state) {
        standardOutput = stateJson(session.state(), session.hostView());
    } else if (options.inspect == "-") {
        standardOutput = inspectionJson(session.core().inspection()) + "\n";
    }
    if (std::fwrite(standardOutput.data(), 1, standardOutput.size(), out) !=
            standardOutput.size() ||
        std::fflush(out) != 0) {
        std::fprintf(err, "veltro-replay: cannot write to standard output\n");
        return kExitWriteFailed;
    }
    return kExitOk;
}

}  // namespace veltro::replay
