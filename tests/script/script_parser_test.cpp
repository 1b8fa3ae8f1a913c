#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/script.h"
#include "ui/command_ids.h"

namespace veltro::replay {
namespace {

using Kind = Message::Kind;
using namespace std::string_literals;

// What a parsed message must hold; fields a kind does not use stay 0.
struct Expected {
    Kind kind;
    float x = 0.0f;
    float y = 0.0f;
    Key key = Key::Other;
    int commandId = 0;
    std::string degreeText = {};
    std::string knotText = {};
};

void expectSteps(const std::string& text, const std::vector<Expected>& expected) {
    SCOPED_TRACE(text);
    const ParsedScript script = parseScript(text);
    ASSERT_FALSE(script.error) << script.error->what;
    ASSERT_EQ(script.steps.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Message& m = script.steps[i].message;
        EXPECT_EQ(m.kind, expected[i].kind) << "step " << i;
        EXPECT_EQ(m.x, expected[i].x) << "step " << i;
        EXPECT_EQ(m.y, expected[i].y) << "step " << i;
        EXPECT_EQ(m.key, expected[i].key) << "step " << i;
        if (m.kind == Kind::MenuCommand) {
            EXPECT_EQ(commandId(m.command), expected[i].commandId) << "step " << i;
        }
        EXPECT_EQ(m.degreeText, expected[i].degreeText) << "step " << i;
        EXPECT_EQ(m.knotText, expected[i].knotText) << "step " << i;
    }
}

// Every command has one name, made of its menu text, and the name and the
// id read as the same message.
TEST(ScriptParser, EveryMenuCommandReadsTheSameByNameAndById) {
    std::vector<std::string> names;
    for (const Command command : allCommands) {
        const std::string name = commandName(command);
        SCOPED_TRACE(name);
        for (const std::string& earlier : names) {
            EXPECT_NE(name, earlier);
        }
        names.push_back(name);
        const ParsedScript byName = parseScript("menu " + name + "\n");
        const ParsedScript byId = parseScript("menu " + std::to_string(commandId(command)) + "\n");
        ASSERT_FALSE(byName.error) << byName.error->what;
        ASSERT_FALSE(byId.error) << byId.error->what;
        ASSERT_EQ(byName.steps.size(), 1u);
        ASSERT_EQ(byId.steps.size(), 1u);
        EXPECT_EQ(byName.steps[0].message.kind, Kind::MenuCommand);
        EXPECT_EQ(byName.steps[0].message.command, command);
        EXPECT_EQ(byId.steps[0].message.command, command);
    }
}

TEST(ScriptParser, EveryCommandGivesItsMessages) {
    const struct {
        std::string text;
        std::vector<Expected> expected;
    } cases[] = {
        {"click 10 20", {{Kind::LeftPress, 10, 20}, {Kind::LeftRelease, 10, 20}}},
        {"press 1.5 -2.25", {{Kind::LeftPress, 1.5f, -2.25f}}},
        {"move +3 4e2", {{Kind::MouseMove, 3, 400}}},
        {"release 0 0", {{Kind::LeftRelease, 0, 0}}},
        {"dblclick 639 479", {{Kind::LeftDoubleClick, 639, 479}}},
        {"key space", {{Kind::KeyDown, 0, 0, Key::Space}}},
        {"key plus", {{Kind::KeyDown, 0, 0, Key::Plus}}},
        {"key minus", {{Kind::KeyDown, 0, 0, Key::Minus}}},
        {"key numplus", {{Kind::KeyDown, 0, 0, Key::NumPlus}}},
        {"key numminus", {{Kind::KeyDown, 0, 0, Key::NumMinus}}},
        // Windows virtual-key codes name the same keys.
        {"key 32", {{Kind::KeyDown, 0, 0, Key::Space}}},
        {"key 187", {{Kind::KeyDown, 0, 0, Key::Plus}}},
        {"key 189", {{Kind::KeyDown, 0, 0, Key::Minus}}},
        {"key 107", {{Kind::KeyDown, 0, 0, Key::NumPlus}}},
        {"key 109", {{Kind::KeyDown, 0, 0, Key::NumMinus}}},
        {"key 65", {{Kind::KeyDown, 0, 0, Key::Other}}},
        {"key 0", {{Kind::KeyDown, 0, 0, Key::Other}}},
        {"key 255", {{Kind::KeyDown, 0, 0, Key::Other}}},
        {"menu 40045", {{Kind::MenuCommand, 0, 0, Key::Other, 40045}}},
        {"menu 40023", {{Kind::MenuCommand, 0, 0, Key::Other, 40023}}},  // the bar item
        {"menu move-points", {{Kind::MenuCommand, 0, 0, Key::Other, 40023}}},
        {"menu b-spline-setup", {{Kind::MenuCommand, 0, 0, Key::Other, 40053}}},
        {"menu nested-linear-interpolation", {{Kind::MenuCommand, 0, 0, Key::Other, 40028}}},
        {"dialog ok \"2\" \"0, 1, 2\"", {{Kind::DialogOk, 0, 0, Key::Other, 0, "2", "0, 1, 2"}}},
        {"dialog ok \"\" \"\"", {{Kind::DialogOk, 0, 0, Key::Other, 0, "", ""}}},
        {"dialog cancel", {{Kind::DialogCancel}}},
        {"close", {{Kind::Close}}},
    };
    for (const auto& c : cases) {
        expectSteps(c.text, c.expected);
    }
}

TEST(ScriptParser, QuotedTextsKeepEverythingButTheTwoEscapes) {
    const struct {
        std::string line;
        std::string degree;
        std::string knots;
    } cases[] = {
        {R"(dialog ok "3" "a \"b\" c")", "3", "a \"b\" c"},
        {R"(dialog ok "\\" "x\\y")", "\\", "x\\y"},
        {R"(dialog ok "# not a comment" "1,,2")", "# not a comment", "1,,2"},
        {"dialog ok \"\t7\" \"  1  2 \"", "\t7", "  1  2 "},
        {R"(dialog ok "3" "0, 1" # a comment after the texts)", "3", "0, 1"},
    };
    for (const auto& c : cases) {
        expectSteps(c.line, {{Kind::DialogOk, 0, 0, Key::Other, 0, c.degree, c.knots}});
    }
}

TEST(ScriptParser, CommentsBlankLinesAndLineEndings) {
    expectSteps(
        "# a session\n\n   \n\tkey space # redraw\r\nclick 1 2\r\n# end",
        {{Kind::KeyDown, 0, 0, Key::Space}, {Kind::LeftPress, 1, 2}, {Kind::LeftRelease, 1, 2}});
    expectSteps("", {});
    expectSteps("\n\n# only comments\n", {});
    expectSteps("key space", {{Kind::KeyDown, 0, 0, Key::Space}});  // no final newline
}

TEST(ScriptParser, StepsRememberTheirLine) {
    const ParsedScript script = parseScript("# header\nclick 1 1\n\nkey space\n");
    ASSERT_EQ(script.steps.size(), 3u);
    EXPECT_EQ(script.steps[0].line, 2);
    EXPECT_EQ(script.steps[1].line, 2);
    EXPECT_EQ(script.steps[2].line, 4);
}

TEST(ScriptParser, BadLinesNameTheLineAndTheFault) {
    const struct {
        std::string text;
        int line;
        std::string complaint;  // a part of the message
    } cases[] = {
        {"clik 1 2", 1, "unknown command 'clik'"},
        {"Click 1 2", 1, "unknown command 'Click'"},
        {"\n\nclick 1", 3, "expected 'click X Y'"},
        {"click 1 2 3", 1, "expected 'click X Y'"},
        {"move 1", 1, "expected 'move X Y'"},
        {"press a 2", 1, "coordinate 'a' is not a number"},
        {"press 1 2x", 1, "coordinate '2x' is not a number"},
        {"press 0x10 2", 1, "coordinate '0x10' is not a number"},
        {"press 1 -", 1, "coordinate '-' is not a number"},
        {"press ++1 2", 1, "coordinate '++1' is not a number"},
        {"press nan 2", 1, "coordinate 'nan' is not a finite number"},
        {"press 1 -inf", 1, "coordinate '-inf' is not a finite number"},
        {"press 1 infinity", 1, "not a finite number"},
        {"press 1e40 0", 1, "coordinate '1e40' is out of range for a float"},
        {"press 0 -3.5e38", 1, "out of range for a float"},
        {"press \"1\" 2", 1, "expected a coordinate, found quoted text"},
        {"key", 1, "expected 'key K'"},
        {"key enter", 1, "unknown key 'enter'"},
        {"key 256", 1, "unknown key '256'"},
        {"key -1", 1, "unknown key '-1'"},
        {"key 99999999999", 1, "unknown key"},
        {"key PLUS", 1, "unknown key 'PLUS'"},
        {"menu", 1, "expected 'menu NAME'"},
        {"menu 40000", 1, "'40000' is not a menu command (use its name, such as shells-on"},
        {"menu 101", 1, "'101' is not a menu command"},
        {"menu 99999999999999", 1, "'99999999999999' is not a menu command"},
        {"menu B-Spline", 1, "'B-Spline' is not a menu command"},
        {"menu shells", 1, "'shells' is not a menu command"},
        {"menu -40045", 1, "is not a menu command"},
        {"menu \"about\"", 1, "expected a menu command, found quoted text"},
        {"dialog", 1, "expected 'dialog ok \"DEGREE\" \"KNOTS\"' or 'dialog cancel'"},
        {"dialog close", 1, "or 'dialog cancel'"},
        {"dialog ok \"3\"", 1, "expected 'dialog ok \"DEGREE\" \"KNOTS\"'"},
        {"dialog ok 3 \"0, 1\"", 1, "must be in double quotes"},
        {"dialog ok \"3\" \"0, 1\" \"x\"", 1, "expected 'dialog ok"},
        {"dialog cancel now", 1, "expected 'dialog cancel'"},
        {"dialog ok \"3\" \"0, 1", 1, "quoted text has no closing '\"'"},
        {"dialog ok \"3\" \"0, 1\\\"", 1, "no closing"},
        {"dialog ok \"3\" \"0\\t1\"", 1, "unknown escape '\\t'"},
        {"dialog ok \"3\"\"0\"", 1, "quoted text must be followed by a space"},
        {"dialog ok 3\"x\" \"0\"", 1, "stray '\"'"},
        {"close now", 1, "expected 'close'"},
        {"place 1 100", 1, "expected 'place I X Y'"},
        {"place 0 100 100", 1, "point number '0' is not a whole number from 1"},
        {"place -2 100 100", 1, "point number '-2'"},
        {"place 1.5 100 100", 1, "point number '1.5'"},
        {"place 99999999999 100 100", 1, "point number '99999999999'"},
        {"place 1 x 100", 1, "coordinate 'x' is not a number"},
        {"place 1 100 nan", 1, "coordinate 'nan'"},
        {"inspect", 1, "expected 'inspect T'"},
        {"inspect 0.5 1", 1, "expected 'inspect T'"},
        {"inspect half", 1, "parameter 'half' is not a number"},
        {"inspect 0x1p3", 1, "parameter '0x1p3' is not a number"},
        {"inspect 1e999", 1, "parameter '1e999' is not a finite number"},
        {"undo 2", 1, "expected 'undo'"},
        {"delete", 1, "expected 'delete I'"},
        {"delete 0", 1, "point number '0' is not a whole number from 1"},
        {"delete -1", 1, "is not a whole number from 1"},
        {"delete 2147483648", 1, "is not a whole number from 1"},
        {"close\nkey space", 2, "nothing can follow 'close' (line 1)"},
        {"key space\nclick 1 2\nkey\x00space"s, 3, "NUL byte"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ParsedScript script = parseScript(c.text);
        ASSERT_TRUE(script.error);
        EXPECT_EQ(script.error->line, c.line);
        EXPECT_NE(script.error->what.find(c.complaint), std::string::npos) << script.error->what;
        EXPECT_TRUE(script.steps.empty()) << "a rejected script must play nothing";
    }
}

TEST(ScriptParser, CommentsAndBlankLinesMayFollowClose) {
    expectSteps("close\n# done\n\n", {{Kind::Close}});
}

}  // namespace
}  // namespace veltro::replay
