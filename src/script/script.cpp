#include "script/script.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <system_error>
#include <utility>

#include "script/float_chars.h"
#include "ui/command_ids.h"
#include "ui/key_codes.h"

namespace veltro::replay {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

// Thrown inside the parser only, caught by parseScript; carries the
// complaint without the line number.
struct LineError {
    std::string what;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Splits one line into words and double-quoted texts; '#' outside quotes
// ends the line.
std::vector<Token> tokenize(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (isBlank(c)) {
            ++i;
            continue;
        }
        if (c == '#') {
            break;
        }
        Token token;
        if (c == '"') {
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char q = line[i++];
                if (q == '"') {
                    closed = true;
                    break;
                }
                if (q == '\\') {
                    if (i == line.size()) {
                        break;
                    }
                    const char e = line[i++];
                    if (e != '"' && e != '\\' && e != 'n') {
                        throw LineError{std::string("unknown escape '\\") + e +
                                        "' in quoted text (only \\\", \\\\ and \\n are escapes)"};
                    }
                    token.text += e == 'n' ? '\n' : e;
                    continue;
                }
                token.text += q;
            }
            if (!closed) {
                throw LineError{"quoted text has no closing '\"'"};
            }
            if (i < line.size() && !isBlank(line[i]) && line[i] != '#') {
                throw LineError{"quoted text must be followed by a space"};
            }
        } else {
            while (i < line.size() && !isBlank(line[i]) && line[i] != '#') {
                if (line[i] == '"') {
                    throw LineError{"stray '\"' inside '" + token.text + "...'"};
                }
                token.text += line[i++];
            }
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

std::string quoteForMessage(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    if (text.size() > kLongest) {
        return "'" + std::string(text.substr(0, kLongest)) + "...'";
    }
    return "'" + std::string(text) + "'";
}

void expectArgumentCount(const std::vector<Token>& tokens, std::size_t count,
                         std::string_view usage) {
    if (tokens.size() - 1 != count) {
        throw LineError{"expected '" + std::string(usage) + "'"};
    }
}

const std::string& bareWord(const Token& token, std::string_view what) {
    if (token.quoted) {
        throw LineError{"expected " + std::string(what) + ", found quoted text"};
    }
    return token.text;
}

// Any finite float; the program's own pixel rules decide what lands on
// screen. NaN and infinities would make every geometric test meaningless.
float parseCoordinate(const Token& token) {
    const std::string& word = bareWord(token, "a coordinate");
    std::string_view digits = word;
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-') {
        digits.remove_prefix(1);
    }
    float value = 0.0f;
    const char* end = digits.data() + digits.size();
    const auto [stop, ec] = floatFromChars(digits.data(), end, value);
    if (ec == std::errc::result_out_of_range) {
        throw LineError{"coordinate " + quoteForMessage(word) + " is out of range for a float"};
    }
    if (ec != std::errc() || stop != end) {
        throw LineError{"coordinate " + quoteForMessage(word) + " is not a number"};
    }
    if (!std::isfinite(value)) {
        throw LineError{"coordinate " + quoteForMessage(word) + " is not a finite number"};
    }
    return value;
}

// The inspection's t: any finite number, read as a double so that a typed
// 0.3 stays 0.3; the inspection clamps it into the method's domain.
double parseParameter(const Token& token) {
    const std::string& word = bareWord(token, "a parameter");
    char* stop = nullptr;
    const bool startsWell =
        !word.empty() && word.find_first_of("xXpP") == std::string::npos &&
        (word[0] == '-' || word[0] == '+' || word[0] == '.' || (word[0] >= '0' && word[0] <= '9'));
    const double value = startsWell ? std::strtod(word.c_str(), &stop) : 0.0;
    if (!startsWell || stop != word.c_str() + word.size()) {
        throw LineError{"parameter " + quoteForMessage(word) + " is not a number"};
    }
    if (!std::isfinite(value)) {
        throw LineError{"parameter " + quoteForMessage(word) + " is not a finite number"};
    }
    return value;
}

// Digits only, no sign: key codes and command ids are never negative.
std::optional<int> parseUnsigned(std::string_view word) {
    if (word.empty()) {
        return std::nullopt;
    }
    for (char c : word) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// A key by its name or by its virtual-key code; codes of keys the editor
// ignores are kept apart from bad words, as a window would still get them.
Key parseKey(const Token& token) {
    const std::string& word = bareWord(token, "a key");
    if (auto named = keyWithName(word)) {
        return *named;
    }
    if (auto code = parseUnsigned(word); code && *code <= kLargestKeyCode) {
        return keyForVirtualCode(*code);
    }
    throw LineError{"unknown key " + quoteForMessage(word) +
                    " (use space, plus, minus, numplus, numminus or a code 0 to 255)"};
}

// A command by its name or by its number; a number too large for any id is
// as unknown as a misspelt name.
Command parseMenuCommand(const Token& token) {
    const std::string& word = bareWord(token, "a menu command");
    std::optional<Command> command = commandWithName(word);
    if (!command) {
        if (const auto id = parseUnsigned(word)) {
            command = commandWithId(*id);
        }
    }
    if (!command) {
        throw LineError{quoteForMessage(word) +
                        " is not a menu command (use its name, such as shells-on or "
                        "b-spline-setup, or its id, such as 40038)"};
    }
    return *command;
}

// Points count from 1 in scripts, as the user counts them; the message
// counts from 0.
int parsePointNumber(const Token& token) {
    const std::string& word = bareWord(token, "a point number");
    const auto number = parseUnsigned(word);
    if (!number || *number < 1) {
        throw LineError{"point number " + quoteForMessage(word) +
                        " is not a whole number from 1 (the first point is 1)"};
    }
    return *number - 1;
}

using Arguments = std::vector<Token>;

template <Message::Kind kind>
std::vector<Message> mouseAt(const Arguments& a) {
    const float x = parseCoordinate(a[1]);
    const float y = parseCoordinate(a[2]);
    return {Message::mouse(kind, x, y)};
}

// Every command but `dialog`: its name, its usage as an error shows it, how
// many arguments it takes, and the messages it stands for.
struct Command {
    std::string_view name;
    std::string_view usage;
    std::size_t argumentCount;
    std::vector<Message> (*messages)(const Arguments&);
};

constexpr Command kCommands[] = {
    {"click", "click X Y", 2,
     [](const Arguments& a) {
         const float x = parseCoordinate(a[1]);
         const float y = parseCoordinate(a[2]);
         return std::vector<Message>{Message::mouse(Message::Kind::LeftPress, x, y),
                                     Message::mouse(Message::Kind::LeftRelease, x, y)};
     }},
    {"press", "press X Y", 2, mouseAt<Message::Kind::LeftPress>},
    {"move", "move X Y", 2, mouseAt<Message::Kind::MouseMove>},
    {"release", "release X Y", 2, mouseAt<Message::Kind::LeftRelease>},
    {"dblclick", "dblclick X Y", 2, mouseAt<Message::Kind::LeftDoubleClick>},
    {"key", "key K", 1,
     [](const Arguments& a) { return std::vector<Message>{Message::keyDown(parseKey(a[1]))}; }},
    {"menu", "menu NAME", 1,
     [](const Arguments& a) {
         return std::vector<Message>{Message::menu(parseMenuCommand(a[1]))};
     }},
    {"place", "place I X Y", 3,
     [](const Arguments& a) {
         const int index = parsePointNumber(a[1]);
         const float x = parseCoordinate(a[2]);
         const float y = parseCoordinate(a[3]);
         return std::vector<Message>{Message::place(index, x, y)};
     }},
    {"undo", "undo", 0, [](const Arguments&) { return std::vector<Message>{Message::undo()}; }},
    {"redo", "redo", 0, [](const Arguments&) { return std::vector<Message>{Message::redo()}; }},
    {"delete", "delete I", 1,
     [](const Arguments& a) {
         return std::vector<Message>{Message::deletePoint(parsePointNumber(a[1]))};
     }},
    {"inspect", "inspect T", 1,
     [](const Arguments& a) {
         return std::vector<Message>{Message::inspect(parseParameter(a[1]))};
     }},
    {"close", "close", 0, [](const Arguments&) { return std::vector<Message>{Message::close()}; }},
};

Message dialogMessage(const Arguments& tokens) {
    const std::string action = tokens.size() > 1 ? bareWord(tokens[1], "ok or cancel") : "";
    if (action == "ok") {
        expectArgumentCount(tokens, 3, "dialog ok \"DEGREE\" \"KNOTS\"");
        if (!tokens[2].quoted || !tokens[3].quoted) {
            throw LineError{"the degree and knot texts of 'dialog ok' must be in double quotes"};
        }
        return Message::dialogOk(-1, tokens[2].text, tokens[3].text);
    }
    if (action == "cancel") {
        expectArgumentCount(tokens, 1, "dialog cancel");
        return Message::dialogCancel(-1);
    }
    throw LineError{"expected 'dialog ok \"DEGREE\" \"KNOTS\"' or 'dialog cancel'"};
}

void parseLine(const Arguments& tokens, int line, std::vector<ScriptStep>& steps) {
    const std::string& command = bareWord(tokens[0], "a command");
    if (command == "dialog") {
        steps.push_back(ScriptStep{line, dialogMessage(tokens)});
        return;
    }
    for (const Command& known : kCommands) {
        if (command == known.name) {
            expectArgumentCount(tokens, known.argumentCount, known.usage);
            for (Message& message : known.messages(tokens)) {
                steps.push_back(ScriptStep{line, std::move(message)});
            }
            return;
        }
    }
    throw LineError{"unknown command " + quoteForMessage(command)};
}

}  // namespace

std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (text.substr(0, kMark.size()) == kMark) {
        text.remove_prefix(kMark.size());
    }
    return text;
}

ParsedScript parseScript(std::string_view text) {
    text = withoutByteOrderMark(text);
    ParsedScript result;
    int line = 0;
    int closeLine = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view content = text.substr(start, end - start);
        start = end + 1;
        ++line;
        try {
            if (content.find('\0') != std::string_view::npos) {
                throw LineError{"the line contains a NUL byte"};
            }
            const std::vector<Token> tokens = tokenize(content);
            if (tokens.empty()) {
                continue;
            }
            if (closeLine != 0) {
                throw LineError{"nothing can follow 'close' (line " + std::to_string(closeLine) +
                                "): the session has ended"};
            }
            parseLine(tokens, line, result.steps);
            if (result.steps.back().message.kind == Message::Kind::Close) {
                closeLine = line;
            }
        } catch (const LineError& e) {
            result.steps.clear();
            result.error = ScriptError{line, e.what};
            return result;
        }
    }
    return result;
}

}  // namespace veltro::replay
