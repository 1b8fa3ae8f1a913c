#include "main_window.h"

#include <utility>

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>

#include "key_mapping.h"
#include "qt_text.h"
#include "ui/menu_table.h"

namespace veltro::qt {

namespace {

// Where the window remembers whether the Inspector was open.
constexpr auto kInspectorSetting = "view/inspector";
// And how large it showed the frame.
constexpr auto kZoomSetting = "view/zoom";

// Only a marked item is checkable: an unmarked one then looks like a plain
// menu item instead of an empty check box.
void showMark(QAction& action, bool checked) {
    const QSignalBlocker block(&action);
    action.setCheckable(checked);
    action.setChecked(checked);
}

// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo.
std::optional<Message> historyKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held =
        event.modifiers() &
        (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event.key() == Qt::Key_Z && held == Qt::ControlModifier) {
        return Message::undo();
    }
    if ((event.key() == Qt::Key_Z && held == (Qt::ControlModifier | Qt::ShiftModifier)) ||
        (event.key() == Qt::Key_Y && held == Qt::ControlModifier)) {
        return Message::redo();
    }
    return std::nullopt;
}

}  // namespace

MainWindow::MainWindow(MessagePoster post)
    : post_(std::move(post)),
      area_(new DrawingArea(post_, this)),
      inspector_(new InspectorPanel(post_, this)) {
    setWindowTitle(toQString(kApplicationCaption));
    setCentralWidget(area_);
    addDockWidget(Qt::RightDockWidgetArea, inspector_);
    inspector_->hide();
    buildMenuBar();
    buildViewMenu();
    // The client area starts exactly as large as the frame, so every pixel
    // a point can land on is in view.
    resize(sizeHint());
}

void MainWindow::buildMenuBar() {
    QMenuBar* bar = menuBar();
    // In the window, never in a desktop-wide menu: the layout is the same
    // everywhere and the bar item "Move Points" stays clickable.
    bar->setNativeMenuBar(false);
    for (const MenuBarEntry& entry : veltro::menuBar()) {
        if (!entry.isPopup()) {
            addCommand(bar->addAction(toQString(entry.text)), *entry.command, false);
            continue;
        }
        QMenu* popup = bar->addMenu(toQString(entry.text));
        for (const MenuItem& item : entry.items) {
            addCommand(popup->addAction(toQString(item.text)), item.command, item.checkedAtStart);
        }
    }
    buildEditMenu();
}

void MainWindow::buildEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
    // The keys are the window's (see keyPressEvent), not the items': a
    // greyed item takes no key, and the grey is brought up to date only after
    // the turn, so a quick Ctrl+Z right after a click would be lost; the
    // editor itself ignores an undo with nothing to undo. The text after the
    // tab is the keys the menu shows.
    undo_ = edit->addAction(QStringLiteral("Undo\tCtrl+Z"));
    redo_ = edit->addAction(QStringLiteral("Redo\tCtrl+Y"));
    undo_->setEnabled(false);
    redo_->setEnabled(false);
    connect(undo_, &QAction::triggered, this, [this] { post_(Message::undo()); });
    connect(redo_, &QAction::triggered, this, [this] { post_(Message::redo()); });
}

void MainWindow::showHistory(const EditorCore& core) {
    undo_->setEnabled(core.canUndo());
    redo_->setEnabled(core.canRedo());
}

// The dock hides as the window's children are torn down; its handler must
// not run then, when this is no longer a MainWindow.
MainWindow::~MainWindow() {
    disconnect(inspector_, nullptr, this, nullptr);
}

void MainWindow::addZoomItems() {
    // Zooming is the window's own business: it posts nothing to the editor,
    // so frames, state and recordings are the same at every zoom.
    QMenu* view = viewMenu_;
    view->addSeparator();
    const auto add = [this, view](const char* name, const QString& text,
                                  const QList<QKeySequence>& keys, auto zoomFor) {
        QAction* action = view->addAction(text);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this,
                [this, zoomFor] { setZoom(zoomFor(area_->zoom(), area_->scale())); });
        zoomActions_.emplace(name, action);
    };
    // Ctrl+= too: on most keyboards "+" needs Shift, and Ctrl+Shift+= is
    // what the user means by Ctrl++.
    add("zoom-in", QStringLiteral("Zoom In"),
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        [](Zoom zoom, double scale) { return zoom.in(scale); });
    add("zoom-out", QStringLiteral("Zoom Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        [](Zoom zoom, double scale) { return zoom.out(scale); });
    add("zoom-reset", QStringLiteral("Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
        [](Zoom, double) { return Zoom::actualSize(); });
    add("zoom-fit", QStringLiteral("Fit to Window"), {},
        [](Zoom, double) { return Zoom::fitToWindow(); });
    setZoom(Zoom::fromSaved(
        QSettings().value(QString::fromLatin1(kZoomSetting)).toString().toStdString()));
}

void MainWindow::setZoom(Zoom zoom) {
    area_->setZoom(zoom);
    // The next start shows the frame as large as this one left it.
    QSettings().setValue(QString::fromLatin1(kZoomSetting), QString::fromStdString(zoom.saved()));
    if (zoom.fits() || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        return;
    }
    // The area's size hint is the zoomed frame's size, so the window's own
    // hint is the window that shows all of it.
    area_->updateGeometry();
    QSize wanted = sizeHint();
    if (const QScreen* shown = screen()) {
        wanted = wanted.boundedTo(shown->availableGeometry().size());
    }
    resize(wanted);
}

QAction* MainWindow::zoomAction(std::string_view name) const {
    const auto found = zoomActions_.find(name);
    return found == zoomActions_.end() ? nullptr : found->second;
}

void MainWindow::buildViewMenu() {
    viewMenu_ = menuBar()->addMenu(QStringLiteral("View"));
    inspectorAction_ = viewMenu_->addAction(QStringLiteral("Inspector"));
    inspectorAction_->setCheckable(true);
    inspectorAction_->setShortcut(QKeySequence(Qt::Key_F2));
    connect(inspectorAction_, &QAction::toggled, this, [this](bool shown) {
        QSettings().setValue(QString::fromLatin1(kInspectorSetting), shown);
        showInspector(shown);
    });
    // The dock's own close box unticks the item.
    connect(inspector_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && !inspector_->isVisible() && inspectorAction_->isChecked() && isVisible()) {
            inspectorAction_->setChecked(false);
        }
    });
    inspectorAction_->setChecked(
        QSettings().value(QString::fromLatin1(kInspectorSetting), false).toBool());
    addZoomItems();
    viewMenu_->addSeparator();
    // Closed at every start: it costs six frames per turn while open.
    compareAction_ = viewMenu_->addAction(QStringLiteral("Compare Methods"));
    compareAction_->setCheckable(true);
}

void MainWindow::showInspector(bool shown) {
    // The drawing area keeps its size while the panel is open: the window
    // grows instead, so every pixel of the frame stays in view.
    area_->setMinimumSize(shown ? area_->sizeHint() : QSize(0, 0));
    inspector_->setVisible(shown);
    if (shown && shownCore_ != nullptr) {
        inspector_->showEditor(*shownCore_);
    }
}

void MainWindow::showViews(const EditorCore& core) {
    shownCore_ = &core;
    inspector_->showEditor(core);
}

void MainWindow::showViewsWithoutFrame(const EditorCore& core) {
    shownCore_ = &core;
    inspector_->showParameterChange(core);
}

void MainWindow::addCommand(QAction* action, Command command, bool checkedAtStart) {
    showMark(*action, checkedAtStart);
    actions_[command] = action;
    connect(action, &QAction::triggered, this, [this, action, command] {
        // Qt has just toggled the mark on its own; put back the one shown
        // before, which is exactly whether the item is checkable. The marks
        // change once the core has handled the command.
        showMark(*action, action->isCheckable());
        post_(Message::menu(command));
    });
}

void MainWindow::showCheckMarks(const EditorCore& core) {
    for (const auto& [command, action] : actions_) {
        showMark(*action, core.isChecked(command));
    }
}

bool MainWindow::isMenuChecked(Command command) const {
    const QAction* action = menuAction(command);
    return action != nullptr && action->isChecked();
}

QAction* MainWindow::menuAction(Command command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

BSplineDialog* MainWindow::openBSplineDialog(int dialogId, std::string_view degreeText,
                                             std::string_view knotText) {
    auto* dialog = new BSplineDialog(
        this, degreeText, knotText,
        [this, dialogId](std::string degree, std::string knots) {
            post_(Message::dialogOk(dialogId, std::move(degree), std::move(knots)));
        },
        [this, dialogId] { post_(Message::dialogCancel(dialogId)); });
    dialogs_.push_back(dialog);
    dialog->move(area_->mapToGlobal(QPoint(0, 0)));
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

std::vector<BSplineDialog*> MainWindow::openDialogs() const {
    std::vector<BSplineDialog*> open;
    for (BSplineDialog* dialog : dialogs_) {
        if (!dialog->ended()) {
            open.push_back(dialog);
        }
    }
    return open;
}

void MainWindow::disposeEndedDialogs() {
    std::vector<BSplineDialog*> kept;
    for (BSplineDialog* dialog : dialogs_) {
        if (dialog->ended()) {
            delete dialog;
        } else {
            kept.push_back(dialog);
        }
    }
    dialogs_ = std::move(kept);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The window stays until the frame loop has finished its turn and
    // returns; closing is a message like any other.
    event->ignore();
    post_(Message::close());
}

void MainWindow::deletePointUnderPointer() {
    if (!findPoint_) {
        return;
    }
    // The pixel under the cursor, as the mouse messages report it.
    const QPoint at = area_->framePixel(area_->mapFromGlobal(QCursor::pos().toPointF()));
    if (const auto point = findPoint_(static_cast<float>(at.x()), static_cast<float>(at.y()))) {
        post_(Message::deletePoint(*point));
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // The item's shortcut needs an active window; without a window manager
    // the window has the keyboard but is never active.
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        inspectorAction_->trigger();
        return;
    }
    if (const auto history = historyKey(*event)) {
        post_(*history);
        return;
    }
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        // A held key would name the same index again before the first
        // delete is taken, and so delete the point that moved up into it.
        if (!event->isAutoRepeat()) {
            deletePointUnderPointer();
        }
        return;
    }
    const auto key = editorKeyFor(event->key(), event->modifiers());
    if (!key) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    post_(Message::keyDown(*key, event->isAutoRepeat()));
}

}  // namespace veltro::qt
