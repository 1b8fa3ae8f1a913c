#include "menu_test.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "editor_harness.h"
#include "ui/command.h"
#include "ui/menu_table.h"

namespace veltro::qt::testing {

void MenuTest::menuBarFollowsTheMenuTable() {
    EditorHarness harness;
    const QList<QAction*> bar = harness.window().menuBar()->actions();
    // The specified menus, then Edit, then the views beside the drawing area.
    const QStringList expectedBar = {"Object", "Help", "Move Points", "Options", "Edit", "View"};
    QCOMPARE(bar.size(), expectedBar.size());
    int position = 0;
    for (const MenuBarEntry& entry : menuBar()) {
        QAction* barAction = bar[position];
        QCOMPARE(barAction->text(), expectedBar[position]);
        ++position;
        if (!entry.isPopup()) {
            QCOMPARE(barAction->menu(), nullptr);
            QCOMPARE(harness.window().menuAction(*entry.command), barAction);
            continue;
        }
        QMenu* popup = barAction->menu();
        QVERIFY(popup != nullptr);
        const QList<QAction*> items = popup->actions();
        QCOMPARE(items.size(), static_cast<qsizetype>(entry.items.size()));
        for (std::size_t i = 0; i < entry.items.size(); ++i) {
            const MenuItem& expected = entry.items[i];
            QAction* item = items[static_cast<qsizetype>(i)];
            QCOMPARE(item->text().toStdString(), std::string(expected.text));
            QCOMPARE(harness.window().menuAction(expected.command), item);
            QCOMPARE(item->isChecked(), expected.checkedAtStart);
            // An unmarked item shows no empty check box.
            QCOMPARE(item->isCheckable(), expected.checkedAtStart);
        }
    }
    QCOMPARE(bar.back()->menu(), &harness.window().viewMenu());
    // Edit follows the table's menus; nothing to undo or redo yet.
    const QList<QAction*> edit = bar[position]->menu()->actions();
    QCOMPARE(edit.size(), 2);
    QCOMPARE(edit[0], harness.window().undoAction());
    QCOMPARE(edit[1], harness.window().redoAction());
    QVERIFY(!edit[0]->isEnabled() && !edit[1]->isEnabled());
}

void MenuTest::checkMarksChangeOnlyWhenTheCoreHandlesTheCommand_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<Command>("markedAfter");
    QTest::addColumn<Command>("unmarkedAfter");

    QTest::newRow("Shells On") << Command::ShellsOn << Command::ShellsOn << Command::ShellsOff;
    // Choosing the marked item again must not let Qt take the mark away.
    QTest::newRow("Shells Off again")
        << Command::ShellsOff << Command::ShellsOff << Command::ShellsOn;
    QTest::newRow("Continuity On")
        << Command::ContinuityOn << Command::ContinuityOn << Command::ContinuityOff;
    QTest::newRow("Bernstein") << Command::Bernstein << Command::Bernstein << Command::NestedLinear;
    QTest::newRow("Nested Linear again")
        << Command::NestedLinear << Command::NestedLinear << Command::BSpline;
    QTest::newRow("Make Points again")
        << Command::MakePoints << Command::MakePoints << Command::MovePoints;
}

void MenuTest::checkMarksChangeOnlyWhenTheCoreHandlesTheCommand() {
    QFETCH(Command, command);
    QFETCH(Command, markedAfter);
    QFETCH(Command, unmarkedAfter);
    EditorHarness harness;
    MainWindow& window = harness.window();
    QAction* action = window.menuAction(command);
    QVERIFY(action != nullptr);

    const bool wasChecked = window.isMenuChecked(command);
    action->trigger();
    // Queued, not handled: the marks are still the old ones.
    QCOMPARE(window.isMenuChecked(command), wasChecked);
    QCOMPARE(action->isChecked(), wasChecked);
    QCOMPARE(harness.queue().size(), std::size_t{1});

    harness.settle();
    QVERIFY(window.isMenuChecked(markedAfter));
    QVERIFY(window.menuAction(markedAfter)->isChecked());
    QVERIFY(!window.isMenuChecked(unmarkedAfter));
    QVERIFY(!window.menuAction(unmarkedAfter)->isChecked());
}

void MenuTest::choosingThroughTheOpenMenuWorks() {
    EditorHarness harness;
    MainWindow& window = harness.window();
    QMenuBar* bar = window.menuBar();
    QAction* options = bar->actions().at(3);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(options).center());
    QMenu* popup = options->menu();
    QTRY_VERIFY(popup->isVisible());
    QAction* shellsOn = window.menuAction(Command::ShellsOn);
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(shellsOn).center());
    QTRY_VERIFY(!popup->isVisible());
    harness.settle();
    QVERIFY(harness.state().shellsOn);
    QVERIFY(window.isMenuChecked(Command::ShellsOn));
    QVERIFY(!window.isMenuChecked(Command::ShellsOff));
}

void MenuTest::messageBoxesAreModalWithOkOnly_data() {
    QTest::addColumn<QList<Command>>("commands");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("Move Points twice")
        << QList<Command>{Command::MovePoints, Command::MovePoints}
        << QStringList{"Moving Enabled", "Redundant Click"}
        << QStringList{"Left Click and drag the mouse to relocate points!",
                       "Point Moving is already enabled!\nTo disable, create a new point."};
    QTest::newRow("Slider On") << QList<Command>{Command::SliderOn}
                               << QStringList{"Slider Activated"}
                               << QStringList{
                                      "Adjust t values with + and - keys\non numerical pad.\n"
                                      "(Effects NLI & B-Spline Only)"};
}

void MenuTest::messageBoxesAreModalWithOkOnly() {
    QFETCH(QList<Command>, commands);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, texts);
    EditorHarness harness;
    MessageBoxWatcher watcher(&harness.editor());
    for (Command command : commands) {
        harness.window().menuAction(command)->trigger();
        harness.settle();
    }
    QCOMPARE(static_cast<qsizetype>(watcher.seen().size()), captions.size());
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const MessageBoxWatcher::Seen& seen = watcher.seen()[static_cast<std::size_t>(i)];
        QCOMPARE(seen.caption, captions[i]);
        QCOMPARE(seen.text, texts[i]);
        QCOMPARE(seen.buttonCount, 1);
        QVERIFY(seen.modal);
    }
}

void MenuTest::titleShowsTheSliderAndIsResetByAMethod() {
    EditorHarness harness;
    MessageBoxWatcher watcher(&harness.editor());
    for (const QPoint& p :
         {QPoint(100, 100), QPoint(200, 300), QPoint(400, 120), QPoint(550, 400)}) {
        QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, p);
    }
    harness.window().menuAction(Command::SliderOn)->trigger();
    harness.settle();
    // The box is up while the state already says "slider on", yet no frame
    // is drawn until it is dismissed.
    QCOMPARE(watcher.seen().size(), std::size_t{1});
    const int framesBeforeBox = watcher.seen()[0].framesPresentedWhileOpen;
    QVERIFY(harness.editor().framesPresented() > framesBeforeBox);

    harness.window().menuAction(Command::BSpline)->trigger();
    harness.settle();
    QTest::keyClick(&harness.area(), Qt::Key_Plus, Qt::KeypadModifier);
    harness.settle();
    QCOMPARE(harness.window().windowTitle(), QStringLiteral("t = 3.51"));
    harness.window().menuAction(Command::Bernstein)->trigger();
    harness.settle();
    QCOMPARE(harness.window().windowTitle(), QStringLiteral("VELTRO Project by Maelkin"));
}

}  // namespace veltro::qt::testing
