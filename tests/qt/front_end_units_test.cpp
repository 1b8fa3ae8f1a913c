#include "front_end_units_test.h"

#include <string>

#include <QTest>

#include "command_line.h"
#include "display_check.h"
#include "key_codes.h"
#include "ui/message.h"

namespace veltro::qt::testing {

void FrontEndUnitsTest::keysMapToVirtualKeyCodes_data() {
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("code");  // 0: no message

    QTest::newRow("space") << int(Qt::Key_Space) << false << key::kSpace;
    QTest::newRow("keypad plus") << int(Qt::Key_Plus) << true << key::kNumPlus;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << true << key::kNumMinus;
    QTest::newRow("equals key") << int(Qt::Key_Equal) << false << key::kPlus;
    QTest::newRow("shifted equals key") << int(Qt::Key_Plus) << false << key::kPlus;
    QTest::newRow("minus key") << int(Qt::Key_Minus) << false << key::kMinus;
    QTest::newRow("shifted minus key") << int(Qt::Key_Underscore) << false << key::kMinus;
    QTest::newRow("keypad equals") << int(Qt::Key_Equal) << true << 0;
    QTest::newRow("letter") << int(Qt::Key_A) << false << 0;
    QTest::newRow("keypad digit") << int(Qt::Key_7) << true << 0;
    QTest::newRow("return") << int(Qt::Key_Return) << false << 0;
}

void FrontEndUnitsTest::keysMapToVirtualKeyCodes() {
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QFETCH(int, code);
    const auto mapped = virtualKeyFor(qtKey, keypad ? Qt::KeypadModifier : Qt::KeyboardModifiers());
    QCOMPARE(mapped.value_or(0), code);
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
