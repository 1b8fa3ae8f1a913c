#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/editor_core.h"
#include "core/method_pictures.h"
#include "launch/desktop_core.h"
#include "launch/session_transcript.h"
#include "ui/command.h"
#include "ui/message.h"
#include "web_clock.h"
#include "web_shell.h"

namespace veltro::web {

// The editor as the page drives it: the page posts messages as events
// arrive and runs one frame turn per frame interval while there is work,
// and shows the frame and the check marks the turn left.
class WebEditor {
  public:
    WebEditor() { core().setObserver(&transcript_); }
    WebEditor(const WebEditor&) = delete;
    WebEditor& operator=(const WebEditor&) = delete;

    void post(Message message) { core().post(std::move(message)); }

    // Plays a scene before the editor's first frame, as the desktop program
    // opens one. When it cannot, complaint() names the scene and the line
    // ("link:3: ...") and the editor is to be thrown away. The dialogs the
    // scene left open wait for endScene, once the page shows this editor.
    bool openScene(std::string name, std::string text);
    const std::string& complaint() const { return complaint_; }
    void endScene() { desktop_.endScene(); }
    // Whether rgba() holds a frame drawn by this editor.
    bool hasFrame() const { return desktop_.core().framesDrawn() > 0; }
    // The session so far as a scene, written as a desktop recording is.
    const std::string& recordedScript() const { return transcript_.text(); }

    // What a turn reports to the page, as bits.
    static constexpr int kPresented = 1;  // a new frame is in rgba()
    static constexpr int kBusy = 2;       // more turns are needed
    // The inspection's t was set; that draws no frame, so the page shows
    // the Inspector again on this instead.
    static constexpr int kInspected = 4;
    int turn();
    // The page waits this long before calling turn(), as it cannot sleep.
    std::uint32_t msUntilTurn() { return core().msUntilNextTurn(); }

    // Whether the menu item shows a check mark in the editor's state now.
    bool isChecked(Command command) const { return desktop_.core().isChecked(command); }
    // For the Inspector: the points, and what a typed position would do.
    const std::vector<ControlPoint>& points() const { return desktop_.core().points(); }
    Placement placementOf(int index, float x, float y) const {
        return desktop_.core().placementOf(index, x, y);
    }
    Inspection inspection() const { return desktop_.core().inspection(); }
    // Whether Undo and Redo have a step to take.
    bool canUndo() const { return desktop_.core().canUndo(); }
    bool canRedo() const { return desktop_.core().canRedo(); }
    // The point Delete or Backspace removes with the pointer at x, y.
    std::optional<int> pointToDeleteAt(float x, float y) const {
        return desktop_.core().pointToDeleteAt(x, y);
    }

    // The last frame drawn, top row first, 4 bytes per pixel (red, green,
    // blue, opaque alpha): the layout of a canvas's image data.
    const std::uint8_t* rgba() const { return rgba_.data(); }

    // The comparison of the methods exists only while the page shows it.
    void setComparisonOpen(bool open);
    // Paints the comparison's pictures from the editor as it is now, the
    // overlay with the methods whose bits (1 << CurveMethod) are set; false
    // while the comparison is closed, and when no picture changed since the
    // last call (the page's canvases still show them).
    bool paintComparison(unsigned overlaid);
    // Picture 0 to 5: the methods in the Object menu's order, 6: the overlay;
    // in the layout of rgba(). Null while closed or for another number.
    const std::uint8_t* comparisonRgba(int picture) const;

    // Room for a text the page is about to pass in (UTF-8, no terminator).
    char* textBuffer(std::size_t slot, std::size_t size);
    std::string text(std::size_t slot) const;
    // A text handed to the page, kept until the next one.
    std::string& scratchText() { return scratch_; }

  private:
    EditorCore& core() { return desktop_.core(); }
    void convertFrame();

    PageShell shell_;
    PageClock clock_;
    DesktopCore desktop_{shell_, clock_, clock_, nullptr};
    SessionTranscript transcript_;
    std::string complaint_;
    std::vector<std::uint8_t> rgba_ =
        std::vector<std::uint8_t>(std::size_t{EditorCore::kWidth} * EditorCore::kHeight * 4, 0xFF);
    std::string texts_[2];
    std::string scratch_;
    std::unique_ptr<MethodPictures> pictures_;
    std::vector<std::uint8_t> comparisonRgba_;
};

}  // namespace veltro::web
