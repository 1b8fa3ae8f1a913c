#include "menu_resource_reader.h"

#include <cctype>
#include <charconv>
#include <sstream>

namespace veltro::win32_test {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) {
        s.remove_prefix(1);
    }
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) {
        s.remove_suffix(1);
    }
    return s;
}

bool startsWithWord(std::string_view line, std::string_view word) {
    return line.substr(0, word.size()) == word &&
           (line.size() == word.size() ||
            std::isspace(static_cast<unsigned char>(line[word.size()])));
}

std::optional<int> toInt(std::string_view s) {
    s = trim(s);
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size()) {
        return std::nullopt;
    }
    return value;
}

// `"text"` then optionally `, id` and `, CHECKED`.
struct ItemLine {
    std::string text;
    std::optional<int> id;
    bool checked = false;
};

std::optional<ItemLine> parseItem(std::string_view rest) {
    rest = trim(rest);
    if (rest.size() < 2 || rest.front() != '"') {
        return std::nullopt;
    }
    const std::size_t close = rest.find('"', 1);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    ItemLine item;
    item.text = std::string(rest.substr(1, close - 1));
    std::string_view tail = trim(rest.substr(close + 1));
    while (!tail.empty()) {
        if (tail.front() != ',') {
            return std::nullopt;
        }
        tail = trim(tail.substr(1));
        const std::size_t comma = tail.find(',');
        const std::string_view field = trim(tail.substr(0, comma));
        if (field == "CHECKED") {
            item.checked = true;
        } else if (const auto id = toInt(field)) {
            item.id = id;
        } else {
            return std::nullopt;
        }
        tail = comma == std::string_view::npos ? std::string_view{} : tail.substr(comma);
    }
    return item;
}

std::vector<std::string_view> codeLines(std::string_view script) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= script.size()) {
        std::size_t end = script.find('\n', start);
        if (end == std::string_view::npos) {
            end = script.size();
        }
        std::string_view line = script.substr(start, end - start);
        if (const std::size_t comment = line.find("//"); comment != std::string_view::npos) {
            line = line.substr(0, comment);
        }
        line = trim(line);
        if (!line.empty()) {
            lines.push_back(line);
        }
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::optional<std::vector<ResourceBarEntry>> readMenuResource(std::string_view script,
                                                              std::string_view name) {
    const std::vector<std::string_view> lines = codeLines(script);
    const std::string header = std::string(name) + " MENU";
    std::size_t i = 0;
    while (i < lines.size() && lines[i] != header) {
        ++i;
    }
    if (i + 1 >= lines.size() || lines[i + 1] != "BEGIN") {
        return std::nullopt;
    }
    std::vector<ResourceBarEntry> bar;
    bool inPopup = false;
    for (i += 2; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line == "END") {
            if (!inPopup) {
                return bar;
            }
            inPopup = false;
        } else if (line == "BEGIN") {
            if (inPopup || bar.empty() || !bar.back().popup || !bar.back().items.empty()) {
                return std::nullopt;
            }
            inPopup = true;
        } else if (startsWithWord(line, "POPUP")) {
            const auto item = parseItem(line.substr(5));
            if (inPopup || !item || item->id || item->checked) {
                return std::nullopt;
            }
            bar.push_back({item->text, 0, false, true, {}});
        } else if (startsWithWord(line, "MENUITEM")) {
            const auto item = parseItem(line.substr(8));
            if (!item || !item->id) {
                return std::nullopt;
            }
            if (inPopup) {
                bar.back().items.push_back({item->text, *item->id, item->checked});
            } else {
                bar.push_back({item->text, *item->id, item->checked, false, {}});
            }
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;  // the block never ended
}

std::optional<int> readDefine(std::string_view header, std::string_view name) {
    for (const std::string_view line : codeLines(header)) {
        std::istringstream words{std::string(line)};
        std::string directive, defined, value;
        if (words >> directive >> defined >> value && directive == "#define" && defined == name) {
            return toInt(value);
        }
    }
    return std::nullopt;
}

}  // namespace veltro::win32_test
