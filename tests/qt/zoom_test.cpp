#include "zoom_test.h"

#include <cstring>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QSettings>
#include <QTest>
#include <QWindow>

#include "editor_harness.h"
#include "script/script.h"
#include "session.h"

namespace veltro::qt::testing {

namespace {

// A session that clicks points, drags one and redraws: every step's
// position must reach the core as the frame pixel the user pointed at.
constexpr const char* kSession =
    "click 100 100\nclick 201 303\nclick 400 120\nclick 551 401\nclick 639 479\nclick 0 0\n"
    "menu 40023\npress 201 303\nmove 240 320\nmove 263 331\nrelease 263 331\nkey space\n"
    "delete 4\n";

// The first shown pixel of a frame pixel: the smallest whole position that
// maps to it at a zoom of num / den.
int shownPosition(float framePixel, int num, int den) {
    return (static_cast<int>(framePixel) * num + den - 1) / den;
}

void sendMouse(DrawingArea& area, const Message& message, int num, int den) {
    const QPointF local(shownPosition(message.x, num, den), shownPosition(message.y, num, den));
    const bool press = message.kind == Message::Kind::LeftPress;
    const bool release = message.kind == Message::Kind::LeftRelease;
    const QEvent::Type type = press     ? QEvent::MouseButtonPress
                              : release ? QEvent::MouseButtonRelease
                                        : QEvent::MouseMove;
    const Qt::MouseButton button = press || release ? Qt::LeftButton : Qt::NoButton;
    const Qt::MouseButtons held = press ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, local, area.mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(&area, &event);
}

}  // namespace

void ZoomTest::cleanup() {
    QSettings().clear();
}

void ZoomTest::enlargedWindowShowsAndTakesTheReplayedFrame_data() {
    QTest::addColumn<QString>("zoom");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<int>("num");
    QTest::addColumn<int>("den");
    // Zoom In once from the actual size: twice as large, in a window larger
    // than the enlarged frame.
    QTest::newRow("zoom 2") << "zoom-in" << QSize(1400, 1000) << 2 << 1;
    // Fit to Window in a window that allows 1.5625 across and 1.6 down.
    QTest::newRow("fit") << "zoom-fit" << QSize(1000, 768) << 25 << 16;
}

void ZoomTest::enlargedWindowShowsAndTakesTheReplayedFrame() {
    QFETCH(QString, zoom);
    QFETCH(QSize, area);
    QFETCH(int, num);
    QFETCH(int, den);

    const replay::ParsedScript parsed = replay::parseScript(kSession);
    QVERIFY(!parsed.error);
    replay::Session session;
    QVERIFY(!session.playAll(parsed.steps));
    const std::vector<std::uint32_t>& words = session.presentedWords();
    const QImage expected =
        QImage(reinterpret_cast<const uchar*>(words.data()), 640, 480, QImage::Format_RGB32).copy();

    EditorHarness harness;
    MessageBoxWatcher watcher;
    harness.window().zoomAction(zoom.toStdString())->trigger();
    harness.window().resize(harness.window().size() + area - harness.area().size());
    QTRY_COMPARE(harness.area().size(), area);
    QCOMPARE(harness.area().scale(), static_cast<double>(num) / den);

    for (const replay::ScriptStep& step : parsed.steps) {
        const Message& message = step.message;
        if (message.kind == Message::Kind::MenuCommand) {
            harness.window().menuAction(message.command)->trigger();
        } else if (message.kind == Message::Kind::KeyDown) {
            QTest::keyClick(&harness.area(), Qt::Key_Space);
        } else if (message.kind == Message::Kind::DeletePoint) {
            // Delete over the point's shown centre takes that point.
            const Point2 centre =
                harness.state().controlPoints[static_cast<std::size_t>(message.pointIndex)].centre;
            QCursor::setPos(harness.area().mapToGlobal(
                QPoint(shownPosition(centre.x, num, den), shownPosition(centre.y, num, den))));
            QTest::keyClick(harness.window().windowHandle(), Qt::Key_Delete);
        } else {
            sendMouse(harness.area(), message, num, den);
        }
        harness.settle();
    }
    QCOMPARE(harness.area().shownFrame(), expected);

    // Each shown pixel is the frame pixel it maps back to; white beyond.
    const QImage shown = harness.area().grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), area);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const int fx = x * den / num;
            const int fy = y * den / num;
            const QRgb want = fx < 640 && fy < 480 ? expected.pixel(fx, fy) : 0xFFFFFFFF;
            if (shown.pixel(x, y) != want) {
                QFAIL(qPrintable(QStringLiteral("shown pixel (%1, %2) is not frame pixel (%3, %4)")
                                     .arg(x)
                                     .arg(y)
                                     .arg(fx)
                                     .arg(fy)));
            }
        }
    }
}

}  // namespace veltro::qt::testing
