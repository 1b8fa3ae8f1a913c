#include "dialog_test.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "editor_harness.h"
#include "ui/bspline_dialog.h"
#include "ui/command.h"

namespace veltro::qt::testing {

namespace {

BSplineDialog* openDialog(EditorHarness& harness) {
    const std::size_t before = harness.window().openDialogs().size();
    harness.window().menuAction(Command::BSplineSetup)->trigger();
    harness.settle();
    const auto open = harness.window().openDialogs();
    if (open.size() != before + 1) {
        return nullptr;
    }
    return open.back();
}

void retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void addPoints(EditorHarness& harness, int count) {
    for (int i = 0; i < count; ++i) {
        QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, QPoint(60 + 120 * i, 100 + 60 * i));
    }
    harness.settle();
}

}  // namespace

void DialogTest::opensModelessWithTheResourceTexts() {
    EditorHarness harness;
    BSplineDialog* dialog = openDialog(harness);
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("B-Spline Input"));
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->okButton()->text(), QStringLiteral("OK"));
    QCOMPARE(dialog->cancelButton()->text(), QStringLiteral("Cancel"));
    QVERIFY(dialog->okButton()->isDefault());
    QStringList labels;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        labels << label->text();
        // Never cut off, whatever the desktop's font.
        QVERIFY(label->width() >= label->sizeHint().width());
    }
    labels.sort();
    QCOMPARE(labels,
             (QStringList{"Degree", "For knot sequence, enter integers seperated by commas.",
                          "Knot Sequence"}));
    QCOMPARE(dialog->degreeField()->text(), QStringLiteral("3"));
    QCOMPARE(dialog->knotField()->text(), QString());
    // The arrangement: OK above Cancel at the top right, clear of the
    // knot row; the degree row above the knot row.
    QVERIFY(dialog->okButton()->x() > dialog->degreeField()->geometry().right());
    QVERIFY(dialog->okButton()->y() < dialog->cancelButton()->y());
    QVERIFY(dialog->cancelButton()->geometry().bottom() < dialog->knotField()->y());
    QVERIFY(dialog->degreeField()->y() < dialog->knotField()->y());
    // The main window still takes input while the dialog is open.
    QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, QPoint(50, 50));
    harness.settle();
    QCOMPARE(harness.state().controlPoints.size(), std::size_t{1});
}

void DialogTest::degreeFieldTakesDigitsOnly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("digits") << "12"
                            << "12";
    QTest::newRow("minus sign") << "-4"
                                << "4";
    QTest::newRow("letters and digits") << "a7b"
                                        << "7";
    QTest::newRow("plus and space") << "+ 5"
                                    << "5";
    QTest::newRow("decimal point") << "2.5"
                                   << "25";
}

void DialogTest::degreeFieldTakesDigitsOnly() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    EditorHarness harness;
    BSplineDialog* dialog = openDialog(harness);
    QVERIFY(dialog != nullptr);
    retype(dialog->degreeField(), typed);
    QCOMPARE(dialog->degreeField()->text(), kept);
    // Pasting is held to the same rule.
    dialog->degreeField()->clear();
    dialog->degreeField()->insert(typed);
    QVERIFY(dialog->degreeField()->text().contains(QRegularExpression("^[0-9]*$")));
}

void DialogTest::knotFieldStopsAtTheReadLimit() {
    EditorHarness harness;
    BSplineDialog* dialog = openDialog(harness);
    QVERIFY(dialog != nullptr);
    const QString longText = QString("1, ").repeated(2000);  // 6000 characters
    dialog->knotField()->setFocus();
    dialog->knotField()->insert(longText);
    QCOMPARE(dialog->knotField()->text().size(), qsizetype{4998});
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    harness.settle();
    // 4998 characters of "1, " hold 1666 whole entries.
    QCOMPARE(harness.state().knotSequence.size(), std::size_t{1666});
}

void DialogTest::okHandsTheTypedTextsToTheCore() {
    EditorHarness harness;
    addPoints(harness, 4);
    BSplineDialog* dialog = openDialog(harness);
    QVERIFY(dialog != nullptr);
    retype(dialog->degreeField(), "2");
    retype(dialog->knotField(), "-2, 5 ,,7");
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    QVERIFY(dialog->isHidden());
    harness.settle();
    QCOMPARE(harness.state().bsplineDegree, 2);
    QCOMPARE(harness.state().knotSequence, (KnotSequence{-2, 5, 7}));
    QVERIFY(harness.window().openDialogs().empty());

    // Reopened with the B-spline in use, the dialog shows its knots.
    harness.window().menuAction(Command::BSpline)->trigger();
    harness.settle();
    BSplineDialog* again = openDialog(harness);
    QVERIFY(again != nullptr);
    QCOMPARE(again->degreeField()->text(), QStringLiteral("3"));
    QVERIFY(!again->knotField()->text().isEmpty());
    QCOMPARE(again->knotField()->text().toStdString(),
             formatKnotText(harness.state().knotSequence));
}

void DialogTest::everyWayOfCancellingIsCancel_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel button") << 0;
    QTest::newRow("close box") << 1;
    QTest::newRow("Escape") << 2;
}

void DialogTest::everyWayOfCancellingIsCancel() {
    QFETCH(int, how);
    EditorHarness harness;
    BSplineDialog* dialog = openDialog(harness);
    QVERIFY(dialog != nullptr);
    retype(dialog->degreeField(), "9");
    retype(dialog->knotField(), "1, 2, 3");
    switch (how) {
        case 0:
            QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
            break;
        case 1:
            dialog->close();
            break;
        default:
            QTest::keyClick(dialog, Qt::Key_Escape);
            break;
    }
    QVERIFY(dialog->isHidden());
    // An ended dialog sends nothing more.
    dialog->accept();
    dialog->reject();
    QCOMPARE(harness.queue().size(), std::size_t{1});
    harness.settle();
    QVERIFY(harness.state().openDialogs.empty());
    QCOMPARE(harness.state().bsplineDegree, 3);
    QVERIFY(harness.state().knotSequence.empty());
    QVERIFY(harness.window().openDialogs().empty());
}

void DialogTest::twoDialogsAtOnceEndIndependently() {
    EditorHarness harness;
    BSplineDialog* first = openDialog(harness);
    BSplineDialog* second = openDialog(harness);
    QVERIFY(first != nullptr && second != nullptr && first != second);
    QCOMPARE(harness.window().openDialogs().size(), std::size_t{2});

    retype(second->degreeField(), "4");
    retype(second->knotField(), "0 1 2 3");
    QTest::mouseClick(second->okButton(), Qt::LeftButton);
    harness.settle();
    QCOMPARE(harness.state().bsplineDegree, 4);
    QCOMPARE(harness.window().openDialogs(), std::vector<BSplineDialog*>{first});

    // The older one still shows what it opened with, and its OK wins last.
    QCOMPARE(first->degreeField()->text(), QStringLiteral("3"));
    retype(first->knotField(), "5,6");
    QTest::mouseClick(first->okButton(), Qt::LeftButton);
    harness.settle();
    QCOMPARE(harness.state().bsplineDegree, 3);
    QCOMPARE(harness.state().knotSequence, (KnotSequence{5, 6}));
    QVERIFY(harness.window().openDialogs().empty());
}

void DialogTest::keysTypedIntoTheDialogStayThere() {
    EditorHarness harness;
    BSplineDialog* dialog = openDialog(harness);
    QVERIFY(dialog != nullptr);
    retype(dialog->knotField(), "1 2");
    QTest::keyClick(dialog->knotField(), Qt::Key_Space);
    QTest::keyClick(dialog->knotField(), Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(dialog->knotField(), Qt::Key_Minus);
    QCOMPARE(dialog->knotField()->text(), QStringLiteral("1 2 +-"));
    QVERIFY(harness.queue().empty());
}

}  // namespace veltro::qt::testing
