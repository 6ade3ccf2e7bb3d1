// The Results commands and the ruler: placing it with a press, dragging it, and the pointer.
#include "../support/screen_fixture.h"

#include "controls/pointer_shape.h"
#include "model/experiment_state.h"

#include <QRubberBand>

using namespace quorvel;
using testing::ScreenFixture;

namespace {
// A full plant, so that leaves stand beside the stem.
ResultsWindow& grownPlant(ScreenFixture& f)
{
    return f.grow(oracle::Given(0b111111));
}

QPoint pixels(float x, float y)
{
    return QPoint(testing::pixelsOf(x), testing::pixelsOf(y));
}

// Presses and releases through the window, so the event reaches whatever lies under the point.
void pressAt(ResultsWindow& w, QPoint at, Qt::MouseButton button)
{
    QTest::mousePress(w.windowHandle(), button, {}, at);
    QTest::mouseRelease(w.windowHandle(), button, {}, at);
}
} // namespace

class TestRuler : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placingPress_data();
    void placingPress();
    void placingCycleAndPointer();
    void placingStaysArmedThroughCommands();
    void leavingWhilePlacing();
    void drag_data();
    void drag();
    void newExperimentHidesLeavesAndKeepsTheRuler();
};

void TestRuler::placingPress_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("placed");
    for (int button : {int(Qt::LeftButton), int(Qt::RightButton)}) {
        const char* side = button == Qt::LeftButton ? "left" : "right";
        QTest::addRow("surface, %s", side) << "surface" << button << true;
        QTest::addRow("stem, %s", side) << "stem" << button << true;
        QTest::addRow("table background, %s", side) << "table" << button << true;
        QTest::addRow("ruler's old place, %s", side) << "ruler" << button << true;
        QTest::addRow("label, %s", side) << "label" << button << false;
        QTest::addRow("tube, %s", side) << "tube" << button << false;
        QTest::addRow("leaf, %s", side) << "leaf" << button << false;
    }
}

void TestRuler::placingPress()
{
    QFETCH(QString, where);
    QFETCH(int, button);
    QFETCH(bool, placed);
    ScreenFixture f;
    ResultsWindow& w = grownPlant(f);
    const QPoint at = where == QLatin1String("surface") ? pixels(5400, 4800)
                      : where == QLatin1String("stem")  ? pixels(7050, 3000)
                      : where == QLatin1String("table") ? pixels(2000, 4600)
                      : where == QLatin1String("ruler") ? pixels(8800, 3000)
                      : where == QLatin1String("label") ? pixels(2200, 1800)
                      : where == QLatin1String("tube")  ? pixels(7000, 5000)
                                                        : pixels(6500, 3300); // Leaf(0)
    const QRect before = w.Ruler()->geometry();
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::MoveRuler));
    QVERIFY(w.PlacingRuler());
    QVERIFY(!w.Ruler()->isVisible());
    pressAt(w, at, Qt::MouseButton(button));
    QCOMPARE(!w.PlacingRuler(), placed);
    QCOMPARE(w.Ruler()->isVisible(), placed);
    if (placed) {
        QCOMPARE(w.Ruler()->pos(), at); // its top-left corner at the press
        QCOMPARE(pointerShape(), PointerShape::Default);
        // In front of every windowless control, still behind the leaves.
        const QObjectList children = w.children();
        QVERIFY(children.indexOf(w.Ruler()) > children.indexOf(w.Stem()));
        QVERIFY(children.indexOf(w.Ruler()) > children.indexOf(w.Added(Mineral::Calcium)));
        QVERIFY(children.indexOf(w.Ruler()) < children.indexOf(w.Leaf(0)));
    } else {
        QCOMPARE(w.Ruler()->geometry(), before);
        QVERIFY(pointerShape() != PointerShape::Default); // still placing
    }
}

void TestRuler::placingCycleAndPointer()
{
    ScreenFixture f;
    ResultsWindow& w = grownPlant(f);
    QCOMPARE(pointerShape(), PointerShape::Default);
    QTest::mouseMove(w.windowHandle(), pixels(5400, 4800));
    QCOMPARE(pointerShape(), PointerShape::Default); // not placing: moves change nothing
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::MoveRuler));
    QCOMPARE(pointerShape(), PointerShape::Crosshair);
    QTest::mouseMove(w.windowHandle(), pixels(6500, 3300)); // over Leaf(0)
    QCOMPARE(pointerShape(), PointerShape::NoDrop);
    QTest::mouseMove(w.windowHandle(), pixels(5400, 4800));
    QCOMPARE(pointerShape(), PointerShape::Crosshair);
    ScreenFixture::click(
        w.Cmd_Button(ResultsCommand::MoveRuler)); // a second Move ruler changes nothing
    QVERIFY(w.PlacingRuler());
    QCOMPARE(pointerShape(), PointerShape::Crosshair);
    pressAt(w, pixels(5400, 4800), Qt::LeftButton);
    QVERIFY(!w.PlacingRuler());
    QCOMPARE(pointerShape(), PointerShape::Default);
    QCOMPARE(w.Ruler()->left(), 5400.0f);
}

void TestRuler::placingStaysArmedThroughCommands()
{
    ScreenFixture f;
    ResultsWindow& w = grownPlant(f);
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::MoveRuler));
    f.answers = {kAnswerNo};
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::Quit));
    QCOMPARE(f.asked, 1);
    QVERIFY(w.PlacingRuler());
    ScreenFixture::closeWindow(&w);
    QCOMPARE(f.asked, 2);
    QVERIFY(w.isVisible());
    QVERIFY(w.PlacingRuler());
    for (int k = 0; k < 6; ++k)
        QVERIFY(w.Leaf(k)->isVisible()); // the plant as it was
}

void TestRuler::leavingWhilePlacing()
{
    ScreenFixture f;
    ResultsWindow& w = grownPlant(f);
    pressAt(w, QPoint(), Qt::LeftButton);
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::MoveRuler));
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::NewExperiment));
    // No stray crosshair over the Design screen.
    QCOMPARE(pointerShape(), PointerShape::Default);
    ScreenFixture::click(f.design().Cmd_Button(DesignCommand::SeeResults));
    QVERIFY(!w.PlacingRuler());
    QVERIFY(w.Ruler()->isVisible());
    QCOMPARE(w.Ruler()->left(), 8640.0f);
}

void TestRuler::drag_data()
{
    QTest::addColumn<QPoint>("grab"); // pixels inside the ruler
    QTest::addColumn<QPoint>("drop"); // pixels in the window
    QTest::addColumn<bool>("moved");
    QTest::newRow("to the surface") << QPoint(6, 66) << QPoint(333, 133) << true;
    QTest::newRow("onto the stem") << QPoint(10, 300) << QPoint(470, 200) << true;
    QTest::newRow("onto the tube") << QPoint(10, 300) << QPoint(480, 330) << false;
    QTest::newRow("a short move onto itself") << QPoint(15, 100) << QPoint(590, 120) << false;
    QTest::newRow("onto a label") << QPoint(15, 100) << QPoint(150, 120) << false;
    QTest::newRow("onto a button") << QPoint(15, 100) << QPoint(320, 390) << false;
    QTest::newRow("onto a leaf") << QPoint(15, 100) << QPoint(433, 220) << false;
}

void TestRuler::drag()
{
    QFETCH(QPoint, grab);
    QFETCH(QPoint, drop);
    QFETCH(bool, moved);
    ScreenFixture f;
    ResultsWindow& w = grownPlant(f);
    const QPoint start = w.Ruler()->pos();
    QWindow* window = w.windowHandle();
    QTest::mousePress(window, Qt::RightButton, {}, start + grab);
    QVERIFY(w.dragging());
    auto* outline = w.findChild<QRubberBand*>();
    QVERIFY(outline && outline->isVisible());
    const QPoint middle = (start + grab + drop) / 2;
    QTest::mouseMove(window, middle);
    QCOMPARE(outline->pos(), middle - grab); // the outline follows, the ruler stays put
    QCOMPARE(w.Ruler()->pos(), start);
    QTest::mouseMove(window, drop);
    QTest::mouseRelease(window, Qt::RightButton, {}, drop);
    QVERIFY(!w.dragging());
    QVERIFY(!outline->isVisible());
    if (moved) {
        QCOMPARE(w.Ruler()->left(), float((drop.x() - grab.x()) * 15));
        QCOMPARE(w.Ruler()->top(), float((drop.y() - grab.y()) * 15));
    } else {
        QCOMPARE(w.Ruler()->pos(), start);
        QCOMPARE(w.Ruler()->left(), 8640.0f);
    }
}

void TestRuler::newExperimentHidesLeavesAndKeepsTheRuler()
{
    ScreenFixture f;
    ResultsWindow& w = grownPlant(f);
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::MoveRuler));
    pressAt(w, pixels(5400, 600), Qt::LeftButton);
    const float stemTop = w.Stem()->y1();
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::NewExperiment));
    for (int k = 0; k < 6; ++k)
        QVERIFY(!w.Leaf(k)->isVisibleTo(&w));
    QCOMPARE(w.Stem()->y1(), stemTop); // left as it was until the next growth run
    QCOMPARE(w.Ruler()->left(), 5400.0f);
    // A command index without a branch does nothing: no question, no switch, no reset.
    ScreenFixture::click(f.design().AddZelcor(DesignWindow::kWaterButton));
    w.Cmd_Button_Click(ResultsCommand(3));
    QCOMPARE(f.asked, 0);
    QCOMPARE(int(ZELCOR1::TubeState), int(kTubeWaterOnly));
    QVERIFY(f.design().isVisible() && !w.isVisible());
}

QTEST_MAIN(TestRuler)
#include "tst_ruler.moc"
