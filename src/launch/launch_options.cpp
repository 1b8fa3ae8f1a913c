#include "launch/launch_options.h"

#include <algorithm>

#include "ui/version.h"

namespace veltro {

namespace {

const LaunchOption* findOption(std::string_view name) {
    for (const LaunchOption& option : kLaunchOptions) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

void setOption(LaunchOptions& options, std::string_view name, const std::string& value) {
    if (name == "open") {
        options.open = value;
    } else if (name == "record") {
        options.record = value;
    } else if (name == "force") {
        options.force = true;
    } else if (name == "help") {
        options.help = true;
    } else if (name == "version") {
        options.version = true;
    }
}

}  // namespace

std::optional<std::string> readLaunchArguments(const std::vector<std::string>& args,
                                               GivenOptions& given) {
    bool optionsEnded = false;
    // A second --open or --record would silently win over the first, and
    // the first file would never be opened or written.
    std::vector<std::string_view> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            given.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h") {
            given.options.help = true;
            continue;
        }
        // One dash or two: "-open" is "--open", as Qt's parser reads it.
        const std::size_t dashes = arg[1] == '-' ? 2 : 1;
        const std::size_t equals = arg.find('=');
        const std::string name =
            arg.substr(dashes, equals == std::string::npos ? equals : equals - dashes);
        const LaunchOption* option = findOption(name);
        if (option == nullptr) {
            return "unknown option '" +
                   (equals == std::string::npos ? arg : arg.substr(0, equals)) + "'";
        }
        if (std::find(seen.begin(), seen.end(), option->name) != seen.end()) {
            return "option '--" + name + "' given twice";
        }
        seen.push_back(option->name);
        if (option->valueName.empty()) {
            if (equals != std::string::npos) {
                return "option '--" + name + "' takes no value";
            }
            setOption(given.options, name, "");
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return "option '--" + name + "' needs a value";
        }
        setOption(given.options, name, value);
    }
    return std::nullopt;
}

std::optional<std::string> finishLaunchOptions(GivenOptions& given) {
    LaunchOptions& options = given.options;
    if (options.help || options.version) {
        return std::nullopt;
    }
    for (const std::string& file : given.positional) {
        if (options.open) {
            return "more than one scene to open ('" + *options.open + "' and '" + file + "')";
        }
        options.open = file;
    }
    given.positional.clear();
    if (options.open && options.open->empty()) {
        return "the scene to open has an empty name";
    }
    if (options.record && options.record->empty()) {
        return "the file to record into has an empty name";
    }
    return std::nullopt;
}

std::string launchUsageLine() {
    return "Usage: veltro [[--open] FILE.replay] [--record FILE.replay [--force]]\n";
}

std::string launchHelpText() {
    std::string text = launchUsageLine();
    text +=
        "\n"
        "A desktop editor for planar curves. Without options it starts with an empty\n"
        "drawing area.\n"
        "\n";
    for (const LaunchOption& option : kLaunchOptions) {
        std::string left("  --");
        left.append(option.name);
        if (!option.valueName.empty()) {
            left.push_back(' ');
            left.append(option.valueName);
        }
        constexpr std::size_t kHelpColumn = 24;
        left.resize(std::max(left.size() + 2, kHelpColumn), ' ');
        text.append(left).append(option.help).push_back('\n');
    }
    text +=
        "  FILE.replay           the same as --open FILE.replay\n"
        "\n"
        "A scene is a replay script, as veltro-replay reads it; it is played before\n"
        "the window appears. A recording is one too: every click, drag, key, menu\n"
        "command and dialog answer, each line written to the disk at once. With\n"
        "--open and --record, the recording starts with the scene's lines.\n"
        "\n"
        "A scene that cannot be read or played, a file to record into that exists\n"
        "(without --force) or cannot be written, and a bad option are refused\n"
        "before the window opens, with exit status 2.\n";
    return text;
}

std::string launchVersionText() {
    return "veltro " + std::string(kApplicationVersion) + "\n";
}

std::string launchRefusal(std::string_view complaint) {
    return "veltro: " + std::string(complaint) + "\n" + launchUsageLine() +
           "Try 'veltro --help'.\n";
}

}  // namespace veltro
