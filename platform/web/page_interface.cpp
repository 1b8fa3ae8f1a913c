// The functions the page's script calls. The page creates one editor and
// passes its handle back on every call; nothing here is global.

#include <emscripten/emscripten.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "curves/curve_colours.h"
#include "dom_keys.h"
#include "inspect/inspection_json.h"
#include "ui/bspline_dialog.h"
#include "ui/command_ids.h"
#include "ui/menu_table.h"
#include "ui/message.h"
#include "web_editor.h"

using veltro::Message;
using veltro::web::WebEditor;

namespace {

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

// The menu bar, the limits of the dialog's fields, the keys the editor
// takes and the curve methods in the Object menu's order, for the page to
// build its elements from: {"caption", "knotTextLimit": n, "keys": [{"code"}
// or {"key"}, as KeyboardEvent names them], "menuBar": [{"text", "id",
// "items": [{"id", "text", "checked"}]}], "methods": [{"id", "text", "bit",
// "colour": [r, g, b]}]}.
std::string pageDescription() {
    std::string json = "{\"caption\":";
    appendJsonString(json, veltro::kApplicationCaption);
    json += ",\"knotTextLimit\":" + std::to_string(veltro::kKnotTextLimit) +
            ",\"sceneLimit\":" + std::to_string(veltro::kLargestScene) + ",\"keys\":[";
    bool firstKey = true;
    for (const veltro::web::DomKey& key : veltro::web::domKeys()) {
        json += firstKey ? "" : ",";
        firstKey = false;
        json += key.code.empty() ? "{\"key\":" : "{\"code\":";
        appendJsonString(json, key.code.empty() ? key.typed : key.code);
        json += '}';
    }
    json += "],\"menuBar\":[";
    bool firstEntry = true;
    for (const veltro::MenuBarEntry& entry : veltro::menuBar()) {
        json += firstEntry ? "{" : ",{";
        firstEntry = false;
        json += "\"text\":";
        appendJsonString(json, entry.text);
        json += ",\"id\":" + std::to_string(entry.command ? veltro::commandId(*entry.command) : 0) +
                ",\"items\":[";
        bool firstItem = true;
        for (const veltro::MenuItem& item : entry.items) {
            json += firstItem ? "{" : ",{";
            firstItem = false;
            json += "\"id\":" + std::to_string(veltro::commandId(item.command)) + ",\"text\":";
            appendJsonString(json, item.text);
            json += ",\"checked\":";
            json += item.checkedAtStart ? "true" : "false";
            json += '}';
        }
        json += "]}";
    }
    json += "],\"methods\":[";
    bool firstMethod = true;
    for (const veltro::CurveMethod method : veltro::methodsInMenuOrder()) {
        const veltro::Command command = veltro::commandChoosing(method);
        const veltro::Colour colour = veltro::curveColour(method);
        json += firstMethod ? "{" : ",{";
        firstMethod = false;
        json += "\"id\":" + std::to_string(veltro::commandId(command)) + ",\"text\":";
        appendJsonString(json, veltro::menuText(command));
        json += ",\"bit\":" + std::to_string(1u << static_cast<unsigned>(method)) +
                ",\"colour\":[" + std::to_string(static_cast<int>(colour.r)) + "," +
                std::to_string(static_cast<int>(colour.g)) + "," +
                std::to_string(static_cast<int>(colour.b)) + "]}";
    }
    json += "]}";
    return json;
}

// The fewest significant digits that read back as the same float, so a
// typed 100.1 shows as 100.1; the WebAssembly library has no float
// to_chars.
void appendFloat(std::string& out, float value) {
    char text[32];
    for (int digits = 1; digits <= 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value) {
            break;
        }
    }
    out += text;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE WebEditor* veltro_create() {
    return new WebEditor();
}

EMSCRIPTEN_KEEPALIVE void veltro_destroy(WebEditor* editor) {
    delete editor;
}

// The page writes the scene's name into slot 0 and its text into slot 1
// first. Null when the scene played; otherwise the complaint, kept until the
// editor is destroyed (which the page does next).
EMSCRIPTEN_KEEPALIVE const char* veltro_open_scene(WebEditor* editor) {
    return editor->openScene(editor->text(0), editor->text(1)) ? nullptr
                                                               : editor->complaint().c_str();
}

// Then, once the page shows this editor: the dialogs the scene left open.
EMSCRIPTEN_KEEPALIVE void veltro_end_scene(WebEditor* editor) {
    editor->endScene();
}

// The session so far as a scene, for Save and Share (UTF-8, terminated).
EMSCRIPTEN_KEEPALIVE const char* veltro_recorded_script(WebEditor* editor) {
    return editor->recordedScript().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* veltro_page_description() {
    static const std::string description = pageDescription();
    return description.c_str();
}

// kind: 0 press, 1 move, 2 release, 3 the second press of a double click.
EMSCRIPTEN_KEEPALIVE void veltro_post_mouse(WebEditor* editor, int kind, float x, float y) {
    static constexpr Message::Kind kKinds[] = {Message::Kind::LeftPress, Message::Kind::MouseMove,
                                               Message::Kind::LeftRelease,
                                               Message::Kind::LeftDoubleClick};
    if (kind < 0 || kind >= static_cast<int>(std::size(kKinds))) {
        return;
    }
    editor->post(Message::mouse(kKinds[kind], x, y));
}

// keyIndex: the key's position in the description's "keys"; repeat: non-zero
// when the key's auto-repeat made the event.
EMSCRIPTEN_KEEPALIVE void veltro_post_key(WebEditor* editor, int keyIndex, int repeat) {
    if (const auto key = veltro::web::keyAtDomIndex(keyIndex)) {
        editor->post(Message::keyDown(*key, repeat != 0));
    }
}

EMSCRIPTEN_KEEPALIVE void veltro_post_command(WebEditor* editor, int commandId) {
    // Numbers the menu does not use are ignored, as a window ignores them.
    if (const auto command = veltro::commandWithId(commandId)) {
        editor->post(Message::menu(*command));
    }
}

// The page writes the degree into slot 0 and the knots into slot 1 first.
EMSCRIPTEN_KEEPALIVE char* veltro_text_buffer(WebEditor* editor, int slot, int size) {
    if (slot < 0 || size < 0) {
        return nullptr;
    }
    return editor->textBuffer(static_cast<std::size_t>(slot), static_cast<std::size_t>(size));
}

EMSCRIPTEN_KEEPALIVE void veltro_post_dialog_ok(WebEditor* editor, int dialogId) {
    editor->post(Message::dialogOk(dialogId, editor->text(0), editor->text(1)));
}

EMSCRIPTEN_KEEPALIVE void veltro_post_dialog_cancel(WebEditor* editor, int dialogId) {
    editor->post(Message::dialogCancel(dialogId));
}

// The points as [[x, y], ...], each coordinate the shortest text that reads
// back as the same float. Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* veltro_points(WebEditor* editor) {
    std::string& json = editor->scratchText();
    json = "[";
    for (const veltro::ControlPoint& p : editor->points()) {
        json += json.size() > 1 ? ",[" : "[";
        appendFloat(json, p.centre.x);
        json += ',';
        appendFloat(json, p.centre.y);
        json += ']';
    }
    json += ']';
    return json.c_str();
}

// The numbers behind the curve as the JSON veltro-replay --inspect writes.
// Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* veltro_inspection(WebEditor* editor) {
    std::string& json = editor->scratchText();
    json = veltro::inspectionJson(editor->inspection());
    return json.c_str();
}

// What typing x, y for point `index` (from 0) would do: 0 placed, 1 no such
// point, 2 onto another point, 3 outside the drawing area.
EMSCRIPTEN_KEEPALIVE int veltro_placement(WebEditor* editor, int index, float x, float y) {
    switch (editor->placementOf(index, x, y)) {
        case veltro::Placement::Placed:
            return 0;
        case veltro::Placement::NoSuchPoint:
            return 1;
        case veltro::Placement::OntoAnotherPoint:
            return 2;
        case veltro::Placement::OutsideArea:
            return 3;
    }
    return 1;
}

EMSCRIPTEN_KEEPALIVE void veltro_post_place(WebEditor* editor, int index, float x, float y) {
    editor->post(Message::place(index, x, y));
}

// Edit -> Undo and Edit -> Redo.
EMSCRIPTEN_KEEPALIVE void veltro_post_history(WebEditor* editor, int redo) {
    editor->post(redo != 0 ? Message::redo() : Message::undo());
}

// Bit 0: Undo has a step to take; bit 1: Redo has one.
EMSCRIPTEN_KEEPALIVE int veltro_history(WebEditor* editor) {
    return (editor->canUndo() ? 1 : 0) | (editor->canRedo() ? 2 : 0);
}

// A row's Delete button in the Inspector's points table.
EMSCRIPTEN_KEEPALIVE void veltro_post_delete(WebEditor* editor, int index) {
    editor->post(Message::deletePoint(index));
}

// Delete or Backspace with the pointer at x, y: posts the deletion of the
// point there, if the editor has one to delete.
EMSCRIPTEN_KEEPALIVE void veltro_delete_point_at(WebEditor* editor, float x, float y) {
    if (const auto point = editor->pointToDeleteAt(x, y)) {
        editor->post(Message::deletePoint(*point));
    }
}

// The inspection's t for the methods without the editor's slider.
EMSCRIPTEN_KEEPALIVE void veltro_post_inspect(WebEditor* editor, double t) {
    editor->post(Message::inspect(t));
}

EMSCRIPTEN_KEEPALIVE int veltro_ms_until_turn(WebEditor* editor) {
    return static_cast<int>(editor->msUntilTurn());
}

EMSCRIPTEN_KEEPALIVE int veltro_turn(WebEditor* editor) {
    return editor->turn();
}

// The page asks after every turn, for each item that can carry a mark; 0 for
// a number the menu does not use.
EMSCRIPTEN_KEEPALIVE int veltro_is_checked(WebEditor* editor, int commandId) {
    const auto command = veltro::commandWithId(commandId);
    return command && editor->isChecked(*command) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const std::uint8_t* veltro_frame(WebEditor* editor) {
    return editor->rgba();
}

EMSCRIPTEN_KEEPALIVE void veltro_compare_open(WebEditor* editor, int open) {
    editor->setComparisonOpen(open != 0);
}

// overlaid: the "bit"s of the page description's methods to draw over one
// another; 1 when the pictures were painted.
EMSCRIPTEN_KEEPALIVE int veltro_compare_paint(WebEditor* editor, int overlaid) {
    return editor->paintComparison(static_cast<unsigned>(overlaid)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const std::uint8_t* veltro_compare_picture(WebEditor* editor, int picture) {
    return editor->comparisonRgba(picture);
}

}  // extern "C"
