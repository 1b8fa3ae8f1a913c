#include "window_test.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "editor_harness.h"
#include "number_table.h"
#include "points_model.h"
#include "ui/command.h"

namespace veltro::qt::testing {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

bool allWhite(const QImage& image, const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image.pixel(x, y) != kWhite) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

void WindowTest::startsWithCaptionWhiteAreaAndCrosshair() {
    EditorHarness harness;
    QCOMPARE(harness.window().windowTitle(), QStringLiteral("VELTRO Project by Maelkin"));
    QCOMPARE(harness.area().size(), QSize(640, 480));
    QCOMPARE(harness.area().cursor().shape(), Qt::CrossCursor);
    QVERIFY(harness.area().hasMouseTracking());
    // Nothing is drawn until something asks for a frame.
    harness.settle();
    QCOMPARE(harness.editor().framesPresented(), 0);
    const QImage shown = harness.shownPixels();
    QVERIFY(allWhite(shown, shown.rect()));
}

void WindowTest::showsFramesTopDownAndKeepsTheLastOne() {
    EditorHarness harness;
    // A point near the top-left corner: its disc must appear there, not
    // mirrored to the bottom.
    QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, QPoint(40, 30));
    harness.settle();
    QCOMPARE(harness.editor().framesPresented(), 1);
    QImage shown = harness.shownPixels();
    QVERIFY(shown.pixel(40, 30 - 1) != kWhite);  // the disc's centre row, one up
    QVERIFY(allWhite(shown, QRect(0, 240, 640, 240)));

    // Exposure repaints from the kept frame: the buffer itself is white
    // again after presenting, yet the window still shows the disc.
    harness.area().repaint();
    shown = harness.shownPixels();
    QVERIFY(shown.pixel(40, 29) != kWhite);
    QCOMPARE(harness.area().shownFrame().pixel(40, 29), shown.pixel(40, 29));

    // A redraw with nothing changed shows the same picture again.
    const QImage before = shown;
    QTest::keyClick(&harness.area(), Qt::Key_Space);
    harness.settle();
    QCOMPARE(harness.editor().framesPresented(), 2);
    QCOMPARE(harness.shownPixels(), before);
}

void WindowTest::resizingShowsWhiteBeyondTheFrame() {
    EditorHarness harness;
    // Points on the frame's right and bottom edges, so its last column and
    // row are not white.
    QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, QPoint(635, 300));
    QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, QPoint(300, 475));
    harness.settle();
    harness.window().resize(harness.window().width() + 160, harness.window().height() + 120);
    QTRY_COMPARE(harness.area().size(), QSize(800, 600));
    const QImage whole = harness.area().grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(whole.size(), QSize(800, 600));
    QVERIFY(whole.pixel(638, 300) != kWhite);
    QVERIFY(whole.pixel(300, 478) != kWhite);
    QVERIFY(allWhite(whole, QRect(640, 0, 160, 600)));
    QVERIFY(allWhite(whole, QRect(0, 480, 800, 120)));
}

void WindowTest::clickBeyondTheFrameInAnEnlargedWindowAddsNoPoint() {
    EditorHarness harness;
    harness.window().resize(harness.window().width() + 320, harness.window().height() + 160);
    QTRY_COMPARE(harness.area().size(), QSize(960, 640));
    QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, QPoint(900, 581));
    QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, QPoint(640, 200));
    harness.settle();
    QVERIFY(harness.state().controlPoints.empty());
    QCOMPARE(harness.editor().framesPresented(), 0);
    QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, QPoint(639, 479));
    harness.settle();
    QCOMPARE(harness.state().controlPoints.size(), std::size_t{1});
}

void WindowTest::closingEndsTheLoopWithExitCodeZero() {
    EditorHarness harness;
    QTimer::singleShot(0, &harness.window(), [&harness] { harness.window().close(); });
    QCOMPARE(harness.editor().run(), 0);
    QVERIFY(harness.state().quitRequested);
    // The window is not torn down by the close itself; the program ends.
    QVERIFY(harness.window().isVisible());
}

void WindowTest::closingFinishesTheTurnAndItsPendingFrame() {
    EditorHarness harness;
    QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, QPoint(200, 200));
    harness.window().close();
    // Press, release, close: the press's frame is drawn on its own turn and
    // the loop ends after the close's turn.
    QCOMPARE(harness.editor().run(), 0);
    QCOMPARE(harness.state().controlPoints.size(), std::size_t{1});
    QCOMPARE(harness.editor().framesPresented(), 1);
    QVERIFY(harness.queue().empty());
}

void WindowTest::inspectorIsOffAtFirstStartThenRemembered() {
    {
        EditorHarness harness;
        harness.window().show();
        QVERIFY(!harness.window().inspectorAction().isChecked());
        QVERIFY(!harness.window().inspector().isVisible());
        QTest::keyClick(&harness.area(), Qt::Key_F2);
        QVERIFY(harness.window().inspector().isVisible());
        // The window grows for the panel; the drawing area keeps its size.
        QTRY_COMPARE(harness.area().size(), QSize(640, 480));
    }
    EditorHarness again;
    again.window().show();
    QVERIFY(again.window().inspectorAction().isChecked());
    QVERIFY(again.window().inspector().isVisible());
    again.window().inspectorAction().setChecked(false);
    QVERIFY(!again.window().inspector().isVisible());
    EditorHarness third;
    QVERIFY(!third.window().inspectorAction().isChecked());
}

void WindowTest::inspectorRefusesBadEntriesInTheCell() {
    EditorHarness harness;
    harness.window().show();
    harness.window().inspectorAction().setChecked(true);
    QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, QPoint(300, 100));
    harness.settle();
    QAbstractItemModel& model = *harness.window().inspector().pointsTable().model();
    QCOMPARE(model.rowCount(), 2);
    const struct {
        int row;
        int column;
        QString text;
        const char* note;
    } refused[] = {
        {0, PointsModel::X, "", "not a number"},    {0, PointsModel::Y, "12abc", "not a number"},
        {0, PointsModel::X, "nan", "not a number"}, {1, PointsModel::X, "105", "another point"},
        {1, PointsModel::Y, "475", "drawing area"},
    };
    for (const auto& r : refused) {
        QVERIFY(!model.setData(model.index(r.row, r.column), r.text));
        harness.settle();
        QVERIFY2(model.index(r.row, PointsModel::Note).data().toString().contains(r.note),
                 qPrintable(r.text));
    }
    QCOMPARE(harness.editor().core().points()[0].centre, Point2(100, 100));
    QCOMPARE(harness.editor().core().points()[1].centre, Point2(300, 100));
    // An accepted entry moves the point and clears the row's note.
    QVERIFY(model.setData(model.index(1, PointsModel::Y), QStringLiteral(" 250.5 ")));
    harness.settle();
    QCOMPARE(harness.editor().core().points()[1].centre, Point2(300, 250.5f));
    QCOMPARE(model.index(1, PointsModel::Note).data().toString(), QString());
    QCOMPARE(model.index(1, PointsModel::Y).data().toString(), QStringLiteral("250.5"));
    // A click on a row's Delete cell deletes that point; the next moves up.
    QTableView& table = harness.window().inspector().pointsTable();
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualRect(model.index(0, PointsModel::Delete)).center());
    harness.settle();
    QCOMPARE(harness.editor().core().points().size(), std::size_t{1});
    QCOMPARE(harness.editor().core().points()[0].centre, Point2(300, 250.5f));
    harness.window().inspectorAction().setChecked(false);
}

// Four points of the Bernstein form at t = 0.5: the weights a student
// computes by hand, and the table a teacher pastes.
void WindowTest::inspectorShowsTheWorkedExampleAndCopiesIt() {
    EditorHarness harness;
    harness.window().show();
    harness.window().inspectorAction().setChecked(true);
    for (const QPoint p :
         {QPoint(100, 400), QPoint(200, 100), QPoint(400, 100), QPoint(500, 400)}) {
        QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, p);
    }
    harness.window().menuAction(Command::Bernstein)->trigger();
    harness.settle();
    InspectorPanel& inspector = harness.window().inspector();
    QCOMPARE(inspector.parameter().text(), QStringLiteral("t = 0.5 in [0, 1]"));
    QCOMPARE(tableAsTsv(inspector.weights().headers(), inspector.weights().rows()),
             QStringLiteral("Point\tw(t)\n1\t0.125\n2\t0.375\n3\t0.375\n4\t0.125\n"));
    QVERIFY2(inspector.curvePoint().text().startsWith(QStringLiteral("C(t) = (300, 175)")),
             qPrintable(inspector.curvePoint().text()));
    const QString latex = tableAsLatex(inspector.weights().headers(), inspector.weights().rows());
    QVERIFY2(latex.startsWith(QStringLiteral("\\begin{tabular}{rr}\n\\hline\nPoint & w(t) \\\\\n")),
             qPrintable(latex));
    harness.window().inspectorAction().setChecked(false);
}

// The Parameter section of a method without the editor's slider: a text
// that is no t of the domain is refused in the field and changes nothing;
// the panel's own slider sets t as the inspect line does, without a frame.
void WindowTest::inspectorParameterRefusesBadTAndFollowsItsSlider() {
    EditorHarness harness;
    harness.window().show();
    harness.window().inspectorAction().setChecked(true);
    for (const QPoint p : {QPoint(100, 400), QPoint(200, 100), QPoint(400, 100)}) {
        QTest::mouseClick(&harness.area(), Qt::LeftButton, {}, p);
    }
    harness.window().menuAction(Command::ParametricPolynomial)->trigger();
    harness.settle();
    ParameterControl& control = harness.window().inspector().parameterControl();
    const struct {
        const char* text;
        const char* note;
    } refused[] = {{"", "not a number"},
                   {"1.5x", "not a number"},
                   {"inf", "not a number"},
                   {"-0.1", "outside [0, 2]"},
                   {"2.0001", "outside [0, 2]"}};
    for (const auto& r : refused) {
        control.typed().setFocus();
        control.typed().selectAll();
        QTest::keyClick(&control.typed(), Qt::Key_Delete);
        QTest::keyClicks(&control.typed(), QString::fromLatin1(r.text));
        QTest::keyClick(&control.typed(), Qt::Key_Return);
        harness.settle();
        QVERIFY2(control.note().text().contains(QString::fromLatin1(r.note)),
                 qPrintable(control.note().text()));
        QCOMPARE(control.typed().text(), QStringLiteral("1"));
        QCOMPARE(harness.editor().core().inspectionT(), std::nullopt);
    }
    const int frames = harness.editor().framesPresented();
    control.slider().setValue(control.slider().maximum() / 4);
    harness.settle();
    QCOMPARE(harness.editor().core().inspectionT(), std::optional<double>(0.5));
    QCOMPARE(harness.window().inspector().parameter().text(), QStringLiteral("t = 0.5 in [0, 2]"));
    QCOMPARE(control.typed().text(), QStringLiteral("0.5"));
    QCOMPARE(control.note().text(), QString());
    QCOMPARE(harness.editor().framesPresented(), frames);
    harness.window().inspectorAction().setChecked(false);
}

}  // namespace veltro::qt::testing
