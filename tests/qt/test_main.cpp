#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "dialog_test.h"
#include "front_end_units_test.h"
#include "menu_test.h"
#include "pointer_keys_test.h"
#include "replay_match_test.h"
#include "window_test.h"
#include "zoom_test.h"

namespace {

// A modal window that a test opened by mistake would wait for a click
// forever, and the whole run would hang until the test runner's timeout.
// Tests that expect one close it within milliseconds; one still open after
// ten seconds is closed here and fails the run.
class ForgottenModalGuard {
  public:
    ForgottenModalGuard() {
        timer_.setInterval(250);
        QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
        timer_.start();
    }

    int forgotten() const { return forgotten_; }

  private:
    void check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != open_) {
            open_ = modal;
            openFor_.start();
            return;
        }
        if (modal == nullptr || openFor_.elapsed() < 10000) {
            return;
        }
        std::fprintf(stderr, "FAIL: a modal window \"%s\" stayed open with no test to close it\n",
                     qPrintable(modal->windowTitle()));
        ++forgotten_;
        modal->close();
        open_ = nullptr;
    }

    QTimer timer_;
    QPointer<QWidget> open_;
    QElapsedTimer openFor_;
    int forgotten_ = 0;
};

}  // namespace

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
    const ForgottenModalGuard guard;
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
    return failures == 0 && guard.forgotten() == 0 ? 0 : 1;
}
