#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QMainWindow>

#include "bspline_dialog.h"
#include "core/editor_core.h"
#include "drawing_area.h"
#include "inspector_panel.h"
#include "ui/command.h"

class QAction;
class QMenu;

namespace veltro::qt {

// The application window: the menu bar built from the core's menu table,
// the drawing area as its client area, and the open "B-Spline Input"
// dialogs. Every user action becomes a queued message; nothing here
// decides what it means.
class MainWindow final : public QMainWindow {
  public:
    explicit MainWindow(MessagePoster post);
    ~MainWindow() override;

    DrawingArea& drawingArea() { return *area_; }
    InspectorPanel& inspector() { return *inspector_; }
    // The View menu's Inspector item; the menu takes more views' items.
    QAction& inspectorAction() { return *inspectorAction_; }
    QMenu& viewMenu() { return *viewMenu_; }

    // The views beside the drawing area show the editor as it is now.
    void showViews(const EditorCore& core);
    // After a turn that drew nothing: what changed without a frame.
    void showViewsWithoutFrame(const EditorCore& core);

    // Shows the frame at this zoom; at a whole factor the window grows or
    // shrinks to show all of it, as far as the screen allows, unless it
    // fills the screen already.
    void setZoom(Zoom zoom);
    // The View menu's entries, for the tests to choose: "zoom-in",
    // "zoom-out", "zoom-reset", "zoom-fit"; null for any other name.
    QAction* zoomAction(std::string_view name) const;

    // Shows the check marks the editor has now.
    void showCheckMarks(const EditorCore& core);
    // Greys Undo and Redo when the editor has no step to take.
    void showHistory(const EditorCore& core);
    // The Edit menu's entries.
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    // Which point Delete or Backspace removes with the pointer at x, y in
    // the drawing area; the editor answers.
    using PointFinder = std::function<std::optional<int>(float x, float y)>;
    void setPointFinder(PointFinder find) { findPoint_ = std::move(find); }
    // Whether the item shows a check mark now.
    bool isMenuChecked(Command command) const;
    // The menu entry of a command; null if the menu has none.
    QAction* menuAction(Command command) const;
    // View -> Compare Methods: checked while the comparison window is open.
    QAction& compareAction() { return *compareAction_; }

    // A new dialog each time, placed at the client area's top-left.
    BSplineDialog* openBSplineDialog(int dialogId, std::string_view degreeText,
                                     std::string_view knotText);
    // The dialogs still open, oldest first.
    std::vector<BSplineDialog*> openDialogs() const;
    // Frees the dialogs that have ended. Called between messages, never from
    // inside one of the dialog's own handlers.
    void disposeEndedDialogs();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildMenuBar();
    void buildEditMenu();
    void deletePointUnderPointer();
    // The zoom's entries in the View menu, and the zoom the last run left.
    void addZoomItems();
    void addCommand(QAction* action, Command command, bool checkedAtStart);
    void buildViewMenu();
    void showInspector(bool shown);

    MessagePoster post_;
    DrawingArea* area_;
    InspectorPanel* inspector_;
    QMenu* viewMenu_ = nullptr;
    QAction* inspectorAction_ = nullptr;
    const EditorCore* shownCore_ = nullptr;
    std::map<Command, QAction*> actions_;
    QAction* compareAction_ = nullptr;
    std::map<std::string, QAction*, std::less<>> zoomActions_;
    std::vector<BSplineDialog*> dialogs_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    PointFinder findPoint_;
};

}  // namespace veltro::qt
