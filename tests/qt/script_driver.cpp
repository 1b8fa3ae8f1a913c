#include "script_driver.h"

#include <cmath>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
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

// Types one coordinate into the Inspector's points table, as a user would:
// the cell is opened for editing, the text typed, Enter pressed. A cell
// holds one coordinate, so the other must already be the point's own.
QString typePosition(EditorHarness& harness, const Message& message) {
    if (!harness.window().inspectorAction().isChecked()) {
        QTest::keyClick(&harness.area(), Qt::Key_F2);
    }
    if (!harness.window().inspector().isVisible()) {
        return "the Inspector did not open";
    }
    QTableView& table = harness.window().inspector().pointsTable();
    const auto& points = harness.editor().core().points();
    const auto row = static_cast<std::size_t>(message.pointIndex);
    if (row >= points.size()) {
        return "the points table has no row " + QString::number(message.pointIndex + 1);
    }
    const Point2 now = points[row].centre;
    int column = PointsModel::X;
    float value = message.x;
    if (message.x == now.x) {
        column = PointsModel::Y;
        value = message.y;
    } else if (message.y != now.y) {
        return "a cell takes one coordinate; the line changes both";
    }
    const QModelIndex cell = table.model()->index(static_cast<int>(row), column);
    table.setFocus();
    table.setCurrentIndex(cell);
    table.edit(cell);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (editor == nullptr) {
        return "the cell did not open for editing";
    }
    editor->selectAll();
    QTest::keyClicks(editor, floatText(value));
    QTest::keyClick(editor, Qt::Key_Return);
    return {};
}

// Types the inspection's t into the Inspector as a user would. Where the
// field takes no t (the method follows the editor's slider, or the line's t
// lies outside the domain), the line still reaches the core, as the
// recorder wrote it.
void typeParameter(EditorHarness& harness, double t) {
    if (!harness.window().inspectorAction().isChecked()) {
        QTest::keyClick(&harness.area(), Qt::Key_F2);
    }
    const Inspection shown = harness.editor().core().inspection();
    QLineEdit& field = harness.window().inspector().parameterControl().typed();
    if (!field.isEnabled() || !field.isVisible() || t < shown.parameter.domainStart ||
        t > shown.parameter.domainEnd) {
        harness.queue().post(Message::inspect(t));
        return;
    }
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, doubleText(t));
    QTest::keyClick(&field, Qt::Key_Return);
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
            case Message::Kind::PlacePoint:
                if (QString why = typePosition(harness, message); !why.isEmpty()) {
                    return where + why;
                }
                break;
            case Message::Kind::Inspect:
                typeParameter(harness, message.inspectionT);
                break;
            case Message::Kind::Undo:
                harness.window().undoAction()->trigger();
                break;
            case Message::Kind::Redo:
                harness.window().redoAction()->trigger();
                break;
            case Message::Kind::DeletePoint:
                return where + "the window deletes the point under the pointer, not by number";
        }
        harness.settle();
    }
    return {};
}

}  // namespace veltro::qt::testing
