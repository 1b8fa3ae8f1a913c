#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "dialog_test.h"
#include "front_end_units_test.h"
#include "menu_test.h"
#include "pointer_keys_test.h"
#include "replay_match_test.h"
#include "window_test.h"
#include "zoom_test.h"

// One program for all widget tests: Qt allows one application object per
// process, and they all share it.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // Remembered choices go to a place of the tests' own, and every run
    // starts as a first start would.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VELTRO-tests"));
    QSettings().clear();
    int failures = 0;
    {
        veltro::qt::testing::FrontEndUnitsTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        veltro::qt::testing::WindowTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        veltro::qt::testing::MenuTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        veltro::qt::testing::DialogTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        veltro::qt::testing::PointerKeysTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        veltro::qt::testing::ReplayMatchTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        veltro::qt::testing::ZoomTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
