#include "replay_match_test.h"

#include <QAction>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "editor_harness.h"
#include "frame_image.h"
#include "inspector_panel.h"
#include "png_codec.h"
#include "script/script.h"
#include "script_driver.h"
#include "session.h"
#include "ui/command.h"

namespace veltro::qt::testing {

namespace {

// The first pixel where the window and the replayed frame differ, or an
// empty string when they are equal.
QString firstDifference(const QImage& shown, const replay::RgbImage& expected) {
    if (shown.width() != static_cast<int>(expected.width) ||
        shown.height() != static_cast<int>(expected.height)) {
        return QStringLiteral("sizes differ");
    }
    const int rowBytes = shown.width() * 3;
    for (int y = 0; y < shown.height(); ++y) {
        const uchar* row = shown.constScanLine(y);
        const std::uint8_t* want = expected.rgb.data() + static_cast<std::size_t>(y) * rowBytes;
        for (int i = 0; i < rowBytes; ++i) {
            if (row[i] != want[i]) {
                const int x = i / 3;
                return QStringLiteral("pixel (%1, %2): window %3 %4 %5, replay %6 %7 %8")
                    .arg(x)
                    .arg(y)
                    .arg(row[x * 3])
                    .arg(row[x * 3 + 1])
                    .arg(row[x * 3 + 2])
                    .arg(want[x * 3])
                    .arg(want[x * 3 + 1])
                    .arg(want[x * 3 + 2]);
            }
        }
    }
    return {};
}

// A number as the Inspector shows it: a dash for one that could not be
// computed, as JSON writes null.
QJsonValue shownNumber(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QString readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

// The session the end-to-end check plays on a real window.
QString e2eSession() {
    return readFile(QStringLiteral(VELTRO_QT_E2E_SESSION));
}

// What veltro-replay presents for a script, as the window would show it.
replay::RgbImage replayed(const std::string& script) {
    const replay::ParsedScript parsed = replay::parseScript(script);
    replay::Session session;
    if (parsed.error || session.playAll(parsed.steps)) {
        return {};
    }
    return replay::imageFromFrameWords(session.presentedWords(), FrameBuffer::kWidth,
                                       FrameBuffer::kHeight);
}

}  // namespace

void ReplayMatchTest::sessionsLookTheSameAsReplayed_data() {
    QTest::addColumn<QString>("script");

    QTest::newRow("empty session") << "";
    QTest::newRow("space draws the empty scene") << "key space\n";
    QTest::newRow("end-to-end session") << e2eSession();
    QTest::newRow("points at the edges and outside")
        << "click 0 0\nclick 639 479\nclick -5 200\nclick 320 -3\nclick 700 500\n";
    QTest::newRow("double click adds no point") << "click 300 200\ndblclick 300 200\n"
                                                   "release 300 200\nclick 100 400\n";
    QTest::newRow("drag a point in Move Points mode")
        << "click 100 100\nclick 300 120\nclick 500 300\nmenu 40023\n"
           "press 300 120\nmove 310 160\nmove 320 200\nrelease 320 200\nkey space\n";
    QTest::newRow("drag dropped outside goes back")
        << "click 100 100\nclick 300 300\nmenu 40023\npress 100 100\nmove -20 -20\n"
           "release -20 -20\n";
    QTest::newRow("B-spline with typed knots and slider")
        << "click 80 400\nclick 160 100\nclick 320 60\nclick 480 380\nclick 600 200\n"
           "menu 40045\nmenu 40053\ndialog ok \"2\" \"0, 0, 0, 1, 2, 3, 4, 4, 4\"\n"
           "menu 40036\nkey numplus\nkey minus\n";
    QTest::newRow("two dialogs, cancel one")
        << "click 50 50\nclick 250 400\nclick 450 50\nmenu 40045\nmenu 40053\nmenu 40053\n"
           "dialog cancel\ndialog ok \"3\" \"0 1 2 3 4 5 6\"\n";
    QTest::newRow("methods and shells")
        << "click 60 420\nclick 200 80\nclick 420 440\nclick 580 120\nmenu 40038\n"
           "menu 40031\nmenu 40041\nmenu 40043\nmenu 40030\n";
    // Rows named "Inspector open" play with the panel open from the start;
    // a place line opens it on the way.
    QTest::newRow("Inspector open: end-to-end session") << e2eSession();
    QTest::newRow("typed coordinates")
        << "click 100 100\nclick 300 300\nclick 500 120\nmenu 40045\nplace 2 320 300\n"
           "place 1 100 250\nplace 3 500 300\nplace 3 330 300\nplace 3 635 300\nplace 2 320 80\n";
    QTest::newRow("undo and redo from the Edit menu")
        << "click 100 100\nclick 300 120\nmenu 40023\npress 300 120\nmove 200 300\n"
           "release 200 300\nmenu 40024\nundo\nundo\nredo\nundo\nundo\nclick 500 400\n";
    QTest::newRow("clear points then new ones")
        << "click 100 100\nclick 200 200\nmenu 40024\nclick 300 300\nclick 400 100\n";

    // Every scene the replay tests keep, played through the widgets.
    const QDir scenes(QStringLiteral(VELTRO_REPLAY_SCENES_DIR));
    for (const QString& name : scenes.entryList({QStringLiteral("*.replay")}, QDir::Files)) {
        QTest::newRow(qPrintable("scene " + name)) << readFile(scenes.filePath(name));
    }
}

void ReplayMatchTest::sessionsLookTheSameAsReplayed() {
    QFETCH(QString, script);
    const std::string text = script.toStdString();
    const replay::ParsedScript parsed = replay::parseScript(text);
    if (parsed.error) {
        QSKIP(qPrintable(QString::fromStdString(parsed.error->what)));
    }
    replay::Session session;
    if (const auto error = session.playAll(parsed.steps)) {
        QSKIP(qPrintable(QString::fromStdString(error->what)));
    }
    const replay::RgbImage expected = replay::imageFromFrameWords(
        session.presentedWords(), FrameBuffer::kWidth, FrameBuffer::kHeight);

    EditorHarness harness;
    MessageBoxWatcher watcher;
    if (QString::fromLatin1(QTest::currentDataTag()).startsWith("Inspector open")) {
        harness.window().inspectorAction().setChecked(true);
    }
    // The next session starts with the Inspector closed again, whatever
    // this one did.
    const auto closeInspector =
        qScopeGuard([&harness] { harness.window().inspectorAction().setChecked(false); });
    if (const QString why = playThroughWidgets(harness, parsed.steps); !why.isEmpty()) {
        QSKIP(qPrintable(why));
    }
    QCOMPARE(harness.editor().framesPresented(), session.framesDrawn());
    QCOMPARE(firstDifference(harness.shownPixels(), expected), QString());
    QCOMPARE(harness.window().windowTitle().toStdString(), session.shell().title());
}

void ReplayMatchTest::matchesTheReplayToolsPng() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString png = dir.filePath(QStringLiteral("expected.png"));
    QProcess tool;
    tool.start(QStringLiteral(VELTRO_REPLAY_TOOL), {QStringLiteral("--png"), png, "-"});
    QVERIFY(tool.waitForStarted());
    const QString session = e2eSession();
    QVERIFY(!session.isEmpty());
    tool.write(session.toUtf8());
    tool.closeWriteChannel();
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 0);

    QFile file(png);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    std::string error;
    const auto expected =
        replay::decodePng(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), &error);
    QVERIFY2(expected.has_value(), error.c_str());

    EditorHarness harness;
    MessageBoxWatcher watcher;
    const replay::ParsedScript parsed = replay::parseScript(session.toStdString());
    QVERIFY(!parsed.error);
    QCOMPARE(playThroughWidgets(harness, parsed.steps), QString());
    QCOMPARE(firstDifference(harness.shownPixels(), *expected), QString());
}

// Opening Compare Methods draws nothing into the window; clicking the third
// picture chooses Midpoint Subdivision, and then the window and that picture
// both show the frame veltro-replay renders for the session with that item
// chosen.
void ReplayMatchTest::comparisonChoosesTheClickedMethod() {
    const std::string points =
        "click 80 400\nclick 200 90\nclick 430 380\nclick 560 110\nmenu 40038\n";
    const replay::ParsedScript before = replay::parseScript(points);
    const replay::ParsedScript chosen = replay::parseScript(points + "menu 40031\n");
    QVERIFY(!before.error && !chosen.error);
    replay::Session session;
    QVERIFY(!session.playAll(chosen.steps));
    const replay::RgbImage expected = replay::imageFromFrameWords(
        session.presentedWords(), FrameBuffer::kWidth, FrameBuffer::kHeight);

    EditorHarness harness;
    QCOMPARE(playThroughWidgets(harness, before.steps), QString());
    const QImage shownBefore = harness.shownPixels();
    const int framesBefore = harness.editor().framesPresented();
    harness.window().compareAction().trigger();
    CompareWindow* compare = harness.editor().compareWindow();
    QVERIFY(compare != nullptr);
    harness.settle();
    QCOMPARE(harness.editor().framesPresented(), framesBefore);
    QCOMPARE(harness.shownPixels(), shownBefore);

    QTest::mouseClick(&compare->methodView(CurveMethod::Midpoint), Qt::LeftButton);
    harness.settle();
    QVERIFY(harness.window().isMenuChecked(Command::Midpoint));
    QCOMPARE(firstDifference(harness.shownPixels(), expected), QString());
    QCOMPARE(firstDifference(compare->methodView(CurveMethod::Midpoint)
                                 .picture()
                                 .convertToFormat(QImage::Format_RGB888),
                             expected),
             QString());

    compare->close();
    QVERIFY(harness.editor().compareWindow() == nullptr);
    QVERIFY(!harness.window().compareAction().isChecked());
}

// Ctrl+Z, Ctrl+Shift+Z, Ctrl+Y and Delete over a point, pressed on the
// window, show what the replay of the matching script lines shows.
void ReplayMatchTest::editKeysMatchTheirScriptLines() {
    EditorHarness harness;
    MessageBoxWatcher watcher;
    QWindow* window = harness.window().windowHandle();
    const std::string clicks = "click 100 100\nclick 300 200\nclick 500 300\n";
    for (const QPoint at : {QPoint(100, 100), QPoint(300, 200), QPoint(500, 300)}) {
        QTest::mouseClick(window, Qt::LeftButton, {}, harness.area().mapTo(&harness.window(), at));
        harness.settle();
    }
    QVERIFY(harness.window().undoAction()->isEnabled());
    QVERIFY(!harness.window().redoAction()->isEnabled());

    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    harness.settle();
    QCOMPARE(firstDifference(harness.shownPixels(), replayed("click 100 100\nclick 300 200\n")),
             QString());
    QVERIFY(harness.window().redoAction()->isEnabled());
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    harness.settle();
    QCOMPARE(firstDifference(harness.shownPixels(), replayed(clicks)), QString());
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
    harness.settle();
    QCOMPARE(firstDifference(harness.shownPixels(), replayed(clicks)), QString());

    harness.window().menuAction(Command::MovePoints)->trigger();
    harness.settle();
    QCursor::setPos(harness.area().mapToGlobal(QPoint(303, 196)));
    QTest::keyClick(window, Qt::Key_Delete);
    harness.settle();
    QCOMPARE(firstDifference(harness.shownPixels(), replayed(clicks + "menu 40023\ndelete 2\n")),
             QString());
    QCOMPARE(harness.state().controlPoints.size(), std::size_t{2});
}

// The numbers the dock shows after a session are the ones veltro-replay
// --inspect writes for it, to the last bit: typed t, slider t, every
// method's weights and C(t).
void ReplayMatchTest::inspectorShowsWhatReplayInspects_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("settable");
    const QString points = QStringLiteral(
        "click 100 100\nclick 200 300\nclick 400 120\nclick 550 400\nclick 300 420\n");
    QTest::newRow("Bernstein, typed position and t")
        << points + "menu bernstein-polynomials\nplace 2 210 300\ninspect 0.3\n"
        << true;
    QTest::newRow("midpoint, t in the middle") << points + "menu midpoint-subdivision\n" << true;
    QTest::newRow("polynomial, typed t")
        << points + "menu parametric-polynomial-curve\ninspect 2.71\n"
        << true;
    QTest::newRow("spline, t set twice")
        << points + "menu interpolating-spline\ninspect 0.5\ninspect 3.25\n"
        << true;
    QTest::newRow("nested linear follows the slider")
        << points + "menu slider-on\nkey numplus\nkey numplus\nkey plus\n"
        << false;
    QTest::newRow("B-spline with a repeated knot follows the slider")
        << points +
               "menu b-spline\nmenu b-spline-setup\ndialog ok \"2\" \"0 0 0 1 1 2 3 3\"\n"
               "key plus\nkey plus\n"
        << false;
}

void ReplayMatchTest::inspectorShowsWhatReplayInspects() {
    QFETCH(QString, script);
    QFETCH(bool, settable);
    QProcess tool;
    tool.start(QStringLiteral(VELTRO_REPLAY_TOOL), {QStringLiteral("--inspect"), "-", "-"});
    QVERIFY(tool.waitForStarted());
    tool.write(script.toUtf8());
    tool.closeWriteChannel();
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 0);
    const QJsonObject expected = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
    QVERIFY(!expected.isEmpty());

    EditorHarness harness;
    MessageBoxWatcher watcher;
    harness.window().inspectorAction().setChecked(true);
    const auto closeInspector =
        qScopeGuard([&harness] { harness.window().inspectorAction().setChecked(false); });
    const replay::ParsedScript parsed = replay::parseScript(script.toStdString());
    QVERIFY(!parsed.error);
    QCOMPARE(playThroughWidgets(harness, parsed.steps), QString());
    InspectorPanel& inspector = harness.window().inspector();
    // The four methods without the editor's slider take a typed t (the
    // driver types the inspect lines there); the other two follow the slider.
    QCOMPARE(inspector.parameterControl().typed().isEnabled(), settable);

    const QRegularExpressionMatch t =
        QRegularExpression(QStringLiteral("^t = (\\S+) in \\[(\\S+), (\\S+)\\]$"))
            .match(inspector.parameter().text());
    QVERIFY2(t.hasMatch(), qPrintable(inspector.parameter().text()));
    const QJsonObject parameter = expected["parameter"].toObject();
    QCOMPARE(shownNumber(t.captured(1)), parameter["t"]);
    QCOMPARE(QJsonArray({shownNumber(t.captured(2)), shownNumber(t.captured(3))}),
             parameter["domain"].toArray());

    QJsonArray weights;
    for (const QStringList& row : inspector.weights().rows()) {
        weights.append(shownNumber(row.value(1)));
    }
    QCOMPARE(weights, expected["weights"].toArray());

    const QRegularExpressionMatch c =
        QRegularExpression(QStringLiteral("^C\\(t\\) = \\((\\S+), (\\S+)\\),"))
            .match(inspector.curvePoint().text());
    QVERIFY2(c.hasMatch(), qPrintable(inspector.curvePoint().text()));
    QCOMPARE(QJsonArray({shownNumber(c.captured(1)), shownNumber(c.captured(2))}),
             expected["curvePoint"].toArray());
}

}  // namespace veltro::qt::testing
