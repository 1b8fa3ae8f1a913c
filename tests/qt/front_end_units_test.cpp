#include "front_end_units_test.h"

#include <string>

#include <QTest>

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

}  // namespace veltro::qt::testing
