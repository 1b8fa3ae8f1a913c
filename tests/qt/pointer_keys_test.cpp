#include "pointer_keys_test.h"

#include <QTest>
#include <QWindow>

#include "editor_harness.h"
#include "ui/command.h"

namespace veltro::qt::testing {

namespace {

// Where a point of the drawing area lies in the top-level window, for
// events that take Qt's whole route (window system, grab, double clicks).
QPoint inWindow(EditorHarness& harness, QPoint areaPoint) {
    return harness.area().mapTo(&harness.window(), areaPoint);
}

QWindow* windowHandle(EditorHarness& harness) {
    return harness.window().windowHandle();
}

Point2 centreOf(EditorHarness& harness, std::size_t index) {
    return harness.state().controlPoints.at(index).centre;
}

}  // namespace

void PointerKeysTest::clickAddsAPointWhereItWasClicked() {
    EditorHarness harness;
    QTest::mouseClick(windowHandle(harness), Qt::LeftButton, {}, inWindow(harness, {123, 45}));
    harness.settle();
    QCOMPARE(harness.state().controlPoints.size(), std::size_t{1});
    QCOMPARE(centreOf(harness, 0).x, 123.0f);
    QCOMPARE(centreOf(harness, 0).y, 45.0f);
    QVERIFY(!harness.state().mouseDown);
}

void PointerKeysTest::doubleClickAddsOnePoint() {
    EditorHarness harness;
    QTest::mouseDClick(windowHandle(harness), Qt::LeftButton, {}, inWindow(harness, {300, 200}));
    harness.settle();
    QCOMPARE(harness.state().controlPoints.size(), std::size_t{1});
    QVERIFY(!harness.state().mouseDown);
}

void PointerKeysTest::dragKeepsTheMouseUntilReleaseOutside() {
    EditorHarness harness;
    MessageBoxWatcher watcher;
    QTest::mouseClick(windowHandle(harness), Qt::LeftButton, {}, inWindow(harness, {100, 100}));
    QTest::mouseClick(windowHandle(harness), Qt::LeftButton, {}, inWindow(harness, {300, 300}));
    harness.window().menuAction(Command::MovePoints)->trigger();
    harness.settle();
    QCOMPARE(watcher.seen().size(), std::size_t{1});

    // Press on the first point, leave the window to the top-left and let go
    // out there: the release still arrives, so the drag ends and the drop
    // brings the point back inside.
    QTest::mousePress(windowHandle(harness), Qt::LeftButton, {}, inWindow(harness, {100, 100}));
    harness.settle();
    QVERIFY(harness.state().mouseDown);
    const QPoint outside = inWindow(harness, {-30, -40});
    QTest::mouseMove(windowHandle(harness), outside);
    harness.settle();
    QCOMPARE(centreOf(harness, 0).x, -30.0f);
    QCOMPARE(centreOf(harness, 0).y, -40.0f);
    QTest::mouseRelease(windowHandle(harness), Qt::LeftButton, {}, outside);
    harness.settle();
    QVERIFY(!harness.state().mouseDown);
    // Dropped partly outside the drawing area: back where the drag began.
    QCOMPARE(centreOf(harness, 0).x, 100.0f);
    QCOMPARE(centreOf(harness, 0).y, 100.0f);
    QCOMPARE(centreOf(harness, 1).x, 300.0f);
}

void PointerKeysTest::movesAreCoalescedWhileTheLoopIsBusy() {
    EditorHarness harness;
    for (int x = 10; x < 200; x += 10) {
        QTest::mouseMove(windowHandle(harness), inWindow(harness, {x, 50}));
    }
    QTest::mousePress(windowHandle(harness), Qt::LeftButton, {}, inWindow(harness, {200, 50}));
    QTest::mouseMove(windowHandle(harness), inWindow(harness, {210, 60}));
    QTest::mouseMove(windowHandle(harness), inWindow(harness, {220, 70}));
    // One move (the newest of the first run), the press, one move.
    QCOMPARE(harness.queue().size(), std::size_t{3});
    harness.settle();
    QCOMPARE(harness.state().controlPoints.size(), std::size_t{1});
}

void PointerKeysTest::otherButtonsDoNothing() {
    EditorHarness harness;
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseClick(windowHandle(harness), button, {}, inWindow(harness, {50, 50}));
        QTest::mouseDClick(windowHandle(harness), button, {}, inWindow(harness, {60, 60}));
    }
    // Qt reports the pointer's way to each click as moves; nothing else
    // may come of these clicks.
    while (const auto message = harness.queue().take()) {
        QCOMPARE(message->kind, Message::Kind::MouseMove);
    }
}

void PointerKeysTest::keysStepTheSlider_data() {
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<float>("sliderT");
    QTest::addColumn<bool>("redraw");

    QTest::newRow("keypad plus") << int(Qt::Key_Plus) << true << 0.51f << true;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << true << 0.49f << true;
    QTest::newRow("equals key") << int(Qt::Key_Equal) << false << 0.51f << true;
    QTest::newRow("minus key") << int(Qt::Key_Minus) << false << 0.49f << true;
    QTest::newRow("space") << int(Qt::Key_Space) << false << 0.5f << true;
    QTest::newRow("other key") << int(Qt::Key_X) << false << 0.5f << false;
}

void PointerKeysTest::keysStepTheSlider() {
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QFETCH(float, sliderT);
    QFETCH(bool, redraw);
    EditorHarness harness;
    MessageBoxWatcher watcher;
    harness.window().menuAction(Command::SliderOn)->trigger();
    harness.settle();
    const int frames = harness.editor().framesPresented();

    // Sent to the window as the window system would: to whatever has the
    // focus in it, from where unhandled keys reach the main window.
    QTest::keyClick(windowHandle(harness), static_cast<Qt::Key>(qtKey),
                    keypad ? Qt::KeypadModifier : Qt::NoModifier);
    harness.settle();
    QCOMPARE(harness.state().sliderT, sliderT);
    QCOMPARE(harness.editor().framesPresented(), frames + (redraw ? 1 : 0));
}

}  // namespace veltro::qt::testing
