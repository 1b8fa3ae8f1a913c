#include "script_driver.h"

#include <cmath>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "ui/message.h"

namespace veltro::qt::testing {

namespace {

bool isWholePixel(float v) {
    return std::isfinite(v) && std::floor(v) == v;
}

// Mouse events go straight to the drawing area, so a position anywhere,
// negative included, arrives exactly as written.
void sendMouse(DrawingArea& area, const Message& message) {
    const QPointF local(message.x, message.y);
    const QPointF global = area.mapToGlobal(local);
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons held = Qt::NoButton;
    switch (message.kind) {
        case Message::Kind::LeftPress:
            type = QEvent::MouseButtonPress;
            button = Qt::LeftButton;
            held = Qt::LeftButton;
            break;
        case Message::Kind::LeftRelease:
            type = QEvent::MouseButtonRelease;
            button = Qt::LeftButton;
            break;
        case Message::Kind::LeftDoubleClick:
            type = QEvent::MouseButtonDblClick;
            button = Qt::LeftButton;
            held = Qt::LeftButton;
            break;
        default:
            break;
    }
    QMouseEvent event(type, local, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(&area, &event);
}

bool sendKey(QWidget& focus, Key key) {
    switch (key) {
        case Key::Space:
            QTest::keyClick(&focus, Qt::Key_Space);
            return true;
        case Key::NumPlus:
            QTest::keyClick(&focus, Qt::Key_Plus, Qt::KeypadModifier);
            return true;
        case Key::NumMinus:
            QTest::keyClick(&focus, Qt::Key_Minus, Qt::KeypadModifier);
            return true;
        case Key::Plus:
            QTest::keyClick(&focus, Qt::Key_Equal);
            return true;
        case Key::Minus:
            QTest::keyClick(&focus, Qt::Key_Minus);
            return true;
        case Key::Other:
            // No particular key of a real keyboard: the core ignores it anyway.
            return false;
    }
    return false;
}

QString typeInto(QLineEdit* field, const std::string& text) {
    const QString wanted = QString::fromStdString(text);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    if (wanted.size() <= 200) {
        QTest::keyClicks(field, wanted);
    } else {
        field->insert(wanted);
    }
    if (field->text() != wanted) {
        return "the field cannot hold '" + wanted.left(40) + "' (it keeps '" +
               field->text().left(40) + "')";
    }
    return {};
}

}  // namespace

QString playThroughWidgets(EditorHarness& harness, const std::vector<replay::ScriptStep>& steps) {
    for (const replay::ScriptStep& step : steps) {
        const Message& message = step.message;
        const QString where = QStringLiteral("line %1: ").arg(step.line);
        switch (message.kind) {
            case Message::Kind::LeftPress:
            case Message::Kind::MouseMove:
            case Message::Kind::LeftRelease:
            case Message::Kind::LeftDoubleClick:
                if (!isWholePixel(message.x) || !isWholePixel(message.y)) {
                    return where + "a mouse reports whole pixels only";
                }
                sendMouse(harness.area(), message);
                break;
            case Message::Kind::KeyDown:
                sendKey(harness.area(), message.key);
                break;
            case Message::Kind::MenuCommand: {
                QAction* action = harness.window().menuAction(message.command);
                if (action == nullptr) {
                    return where + "no menu entry for this command";
                }
                action->trigger();
                break;
            }
            case Message::Kind::DialogOk:
            case Message::Kind::DialogCancel: {
                const auto open = harness.window().openDialogs();
                if (open.empty()) {
                    return where + "no dialog is open";
                }
                BSplineDialog* dialog = open.back();
                if (message.kind == Message::Kind::DialogCancel) {
                    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
                    break;
                }
                if (QString why = typeInto(dialog->degreeField(), message.degreeText);
                    !why.isEmpty()) {
                    return where + "degree: " + why;
                }
                if (QString why = typeInto(dialog->knotField(), message.knotText); !why.isEmpty()) {
                    return where + "knots: " + why;
                }
                QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
                break;
            }
            case Message::Kind::Close:
                harness.window().close();
                break;
        }
        harness.settle();
    }
    return {};
}

}  // namespace veltro::qt::testing
