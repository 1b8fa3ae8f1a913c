#pragma once

#include <cstdint>
#include <string>

#include "ui/command.h"
#include "ui/key.h"

namespace veltro {

// One input event, as the front ends hand it to the core.
struct Message {
    enum class Kind {
        LeftPress,
        MouseMove,
        LeftRelease,
        LeftDoubleClick,  // the second press of a double click: not a press
        KeyDown,
        MenuCommand,
        DialogOk,
        DialogCancel,
        Close,
        PlacePoint,  // a typed position for one point
        Inspect,     // the t the methods without the slider are inspected at
        Undo,
        Redo,
        DeletePoint,
    };

    Kind kind = Kind::MouseMove;
    float x = 0.0f;  // client pixels, for the mouse messages
    float y = 0.0f;
    Key key = Key::Other;              // for KeyDown
    bool repeat = false;               // KeyDown: made by the key's auto-repeat, not a press
    Command command = Command::About;  // for MenuCommand
    int dialogId = 0;        // for DialogOk / DialogCancel: the id the dialog was opened with
    std::string degreeText;  // DialogOk: the texts typed into the two fields
    std::string knotText;
    // PlacePoint, DeletePoint: which point, from 0; for PlacePoint x and y
    // are where it goes.
    int pointIndex = 0;
    double inspectionT = 0.0;  // Inspect: a double, so that a typed 0.3 stays 0.3

    static Message mouse(Kind kind, float x, float y) {
        Message m;
        m.kind = kind;
        m.x = x;
        m.y = y;
        return m;
    }
    static Message keyDown(Key key, bool repeat = false) {
        Message m;
        m.kind = Kind::KeyDown;
        m.key = key;
        m.repeat = repeat;
        return m;
    }
    static Message menu(Command command) {
        Message m;
        m.kind = Kind::MenuCommand;
        m.command = command;
        return m;
    }
    static Message dialogOk(int dialogId, std::string degreeText, std::string knotText) {
        Message m;
        m.kind = Kind::DialogOk;
        m.dialogId = dialogId;
        m.degreeText = std::move(degreeText);
        m.knotText = std::move(knotText);
        return m;
    }
    static Message dialogCancel(int dialogId) {
        Message m;
        m.kind = Kind::DialogCancel;
        m.dialogId = dialogId;
        return m;
    }
    static Message place(int pointIndex, float x, float y) {
        Message m = mouse(Kind::PlacePoint, x, y);
        m.pointIndex = pointIndex;
        return m;
    }
    static Message inspect(double t) {
        Message m;
        m.kind = Kind::Inspect;
        m.inspectionT = t;
        return m;
    }
    static Message close() { return only(Kind::Close); }
    static Message undo() { return only(Kind::Undo); }
    static Message redo() { return only(Kind::Redo); }
    static Message deletePoint(int pointIndex) {
        Message m = only(Kind::DeletePoint);
        m.pointIndex = pointIndex;
        return m;
    }

  private:
    // A message that carries nothing but its kind.
    static Message only(Kind kind) {
        Message m;
        m.kind = kind;
        return m;
    }
};

}  // namespace veltro
