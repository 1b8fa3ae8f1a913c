#include "front_end_units_test.h"

#include <string>

#include <QTest>

#include "command_line.h"
#include "display_check.h"
#include "key_mapping.h"
#include "ui/message.h"

namespace veltro::qt::testing {

void FrontEndUnitsTest::keysMapToEditorKeys_data() {
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("key");  // -1: no message

    QTest::newRow("space") << int(Qt::Key_Space) << false << int(Key::Space);
    QTest::newRow("keypad plus") << int(Qt::Key_Plus) << true << int(Key::NumPlus);
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << true << int(Key::NumMinus);
    QTest::newRow("equals key") << int(Qt::Key_Equal) << false << int(Key::Plus);
    QTest::newRow("shifted equals key") << int(Qt::Key_Plus) << false << int(Key::Plus);
    QTest::newRow("minus key") << int(Qt::Key_Minus) << false << int(Key::Minus);
    QTest::newRow("shifted minus key") << int(Qt::Key_Underscore) << false << int(Key::Minus);
    QTest::newRow("keypad equals") << int(Qt::Key_Equal) << true << -1;
    QTest::newRow("letter") << int(Qt::Key_A) << false << -1;
    QTest::newRow("keypad digit") << int(Qt::Key_7) << true << -1;
    QTest::newRow("return") << int(Qt::Key_Return) << false << -1;
}

void FrontEndUnitsTest::keysMapToEditorKeys() {
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QFETCH(int, key);
    const auto mapped = editorKeyFor(qtKey, keypad ? Qt::KeypadModifier : Qt::KeyboardModifiers());
    QCOMPARE(mapped ? int(*mapped) : -1, key);
}

void FrontEndUnitsTest::displayProblemIsFoundBeforeQtTries_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<bool>("problem");

    QTest::newRow("nothing set") << ""
                                 << ""
                                 << "" << true;
    QTest::newRow("X display") << ""
                               << ":0"
                               << "" << false;
    QTest::newRow("Wayland display") << ""
                                     << ""
                                     << "wayland-0" << false;
    QTest::newRow("xcb without display") << "xcb"
                                         << ""
                                         << "wayland-0" << true;
    QTest::newRow("xcb with display") << "xcb"
                                      << ":1"
                                      << "" << false;
    QTest::newRow("wayland without display") << "wayland"
                                             << ":1"
                                             << "" << true;
    QTest::newRow("fallback list, second works") << "wayland;xcb"
                                                 << ":1"
                                                 << "" << false;
    QTest::newRow("fallback list, none works") << "wayland;xcb"
                                               << ""
                                               << "" << true;
    QTest::newRow("offscreen needs nothing") << "offscreen"
                                             << ""
                                             << "" << false;
    QTest::newRow("platform with options") << "xcb:foo=1"
                                           << ""
                                           << "" << true;
    QTest::newRow("only separators") << ";;"
                                     << ""
                                     << "" << true;
}

void FrontEndUnitsTest::displayProblemIsFoundBeforeQtTries() {
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(bool, problem);
    const std::string p = platform.toStdString();
    const std::string d = display.toStdString();
    const std::string w = wayland.toStdString();
    const auto found = displayProblem(DisplaySettings{p, d, w});
    QCOMPARE(found.has_value(), problem);
    if (found) {
        // The message must tell a user what to do about it.
        QVERIFY(found->find("xvfb-run") != std::string::npos);
    }
}

// Qt's parser and the one veltro.exe uses, both built from the option
// table, must take the same lines the same way (messages may differ).
void FrontEndUnitsTest::commandLineReadsAsOnWindows_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("none") << QStringList{};
    QTest::newRow("bare scene") << QStringList{"a.replay"};
    QTest::newRow("all") << QStringList{"--open", "a", "--record=b", "--force"};
    QTest::newRow("one dash") << QStringList{"-open", "a", "-record", "b"};
    QTest::newRow("twice") << QStringList{"--open", "a", "b"};
    QTest::newRow("no value") << QStringList{"--record"};
    QTest::newRow("empty value") << QStringList{"--open="};
    QTest::newRow("unknown") << QStringList{"--frobnicate"};
    QTest::newRow("switch with value") << QStringList{"--force=yes"};
    QTest::newRow("help wins") << QStringList{"a", "b", "-h"};
    QTest::newRow("end of options") << QStringList{"--", "--a.replay"};
}

void FrontEndUnitsTest::commandLineReadsAsOnWindows() {
    QFETCH(QStringList, args);
    LaunchOptions qtOptions;
    const bool qtAccepts = !readCommandLine(QStringList{"veltro"} + args, qtOptions);
    GivenOptions given;
    std::vector<std::string> words;
    for (const QString& arg : args) {
        words.push_back(arg.toStdString());
    }
    const bool accepts = !readLaunchArguments(words, given) && !finishLaunchOptions(given);
    QCOMPARE(qtAccepts, accepts);
    if (accepts) {
        QCOMPARE(qtOptions.open, given.options.open);
        QCOMPARE(qtOptions.record, given.options.record);
        QCOMPARE(qtOptions.force, given.options.force);
        QCOMPARE(qtOptions.help, given.options.help);
    }
}

}  // namespace veltro::qt::testing
