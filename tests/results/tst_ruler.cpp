// The Results commands and the ruler: placing it with a press, dragging it, and the pointer.
#include "../support/screen_fixture.h"

#include "controls/pointer_shape.h"
#include "model/experiment_state.h"

#include <QApplication>
#include <QRubberBand>

using namespace quorvel;
using testing::placingRuler;
using testing::pointerShape;
using testing::rulerOutline;
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
    void dragOutlineKeepsItsPlaceThroughAResize();
    void newExperimentHidesLeavesAndKeepsTheRuler();
    void placingByKeyboard_data();
    void placingByKeyboard();
    void everyPressMovesTheOutline_data();
    void everyPressMovesTheOutline();
    void keyboardLeavesTabOrderAndMouseAlone();
    void touch_data();
    void touch();
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
    QVERIFY(placingRuler(w));
    QVERIFY(!w.Ruler()->isVisible());
    pressAt(w, at, Qt::MouseButton(button));
    QCOMPARE(!placingRuler(w), placed);
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
    QVERIFY(placingRuler(w));
    QCOMPARE(pointerShape(), PointerShape::Crosshair);
    pressAt(w, pixels(5400, 4800), Qt::LeftButton);
    QVERIFY(!placingRuler(w));
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
    QVERIFY(placingRuler(w));
    ScreenFixture::closeWindow(&w);
    QCOMPARE(f.asked, 2);
    QVERIFY(w.isVisible());
    QVERIFY(placingRuler(w));
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
    QVERIFY(!placingRuler(w));
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
    const QRubberBand* outline = rulerOutline(w);
    QVERIFY(outline);
    const QPoint middle = (start + grab + drop) / 2;
    QTest::mouseMove(window, middle);
    QCOMPARE(outline->pos(), middle - grab); // the outline follows, the ruler stays put
    QCOMPARE(w.Ruler()->pos(), start);
    QTest::mouseMove(window, drop);
    QTest::mouseRelease(window, Qt::RightButton, {}, drop);
    QVERIFY(!rulerOutline(w));
    if (moved) {
        QCOMPARE(w.Ruler()->left(), float((drop.x() - grab.x()) * 15));
        QCOMPARE(w.Ruler()->top(), float((drop.y() - grab.y()) * 15));
    } else {
        QCOMPARE(w.Ruler()->pos(), start);
        QCOMPARE(w.Ruler()->left(), 8640.0f);
    }
}

void TestRuler::dragOutlineKeepsItsPlaceThroughAResize()
{
    ScreenFixture f;
    ResultsWindow& w = grownPlant(f);
    QWindow* window = w.windowHandle();
    const QPoint grab(6, 66);
    QTest::mousePress(window, Qt::LeftButton, {}, w.Ruler()->pos() + grab);
    QTest::mouseMove(window, QPoint(333, 133));
    w.resize(w.defaultClientSize() * 2); // F11 in the middle of a drag
    QCOMPARE(w.twipsFrame().scale, 2.0);
    const auto* outline = w.findChild<QRubberBand*>();
    // The ruler is 465 x 5265 twips: 31 x 351 pixels at 1x.
    QCOMPARE(outline->geometry(), QRect((QPoint(333, 133) - grab) * 2, QSize(31, 351) * 2));
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
    QVERIFY(f.design().isVisible() && !w.isVisible());
}

void TestRuler::placingByKeyboard_data()
{
    // Keys after "Move ruler", pressed on the focused button ("Key*N" presses it N times, "Move"
    // presses "Move ruler" again); the ruler stands at (8640, 240), the full plant's stem top at
    // 1260 twips, and a mark of the ruler's scale is 285 twips.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("placing");  // still placing afterwards
    QTest::addColumn<QPointF>("ruler"); // where it stands afterwards, in twips
    QTest::addColumn<QString>("heard"); // the last thing a screen reader was told
    QTest::newRow("Return at once: where it stood")
        << "Return" << false << QPointF(8640, 240) << "the stem runs from 3.6 to 13.0";
    QTest::newRow("plain arrows: a mark each")
        << "Down Left Space" << false << QPointF(8355, 525) << "Ruler placed";
    QTest::newRow("Shift: a pixel each") << "Shift+Down Shift+Down Shift+Left Space" << false
                                         << QPointF(8625, 270) << "Ruler placed";
    QTest::newRow("plain arrows stop level with the stem's top")
        << "Down*4 Return" << false << QPointF(8640, 1260) << "the stem runs from 0.0 to 9.4";
    QTest::newRow("level, heard while placing")
        << "Down*4" << true << QPointF(8640, 240) << "zero mark level with the stem's top";
    QTest::newRow("refused on a leaf, placing goes on")
        << "Left*3 Return" << true << QPointF(8640, 240) << "Leaf 6 is in the way";
    QTest::newRow("refused on the tube")
        << "Left*6 Down*16 Return" << true << QPointF(8640, 240) << "Test tube is in the way";
    QTest::newRow("kept on the window")
        << "Up Up Return" << false << QPointF(8640, 0) << "Ruler placed";
    QTest::newRow("one press after an earlier keyboard placing")
        << "Shift+Left*12 Return Move Shift+Right Return" << false << QPointF(8475, 240)
        << "Ruler placed";
    QTest::newRow("one mark after an earlier keyboard placing")
        << "Down Return Move Down Return" << false << QPointF(8640, 810) << "Ruler placed";
    QTest::newRow("Escape: back where it stood")
        << "Left Escape" << false << QPointF(8640, 240) << "the ruler is back";
}

void TestRuler::placingByKeyboard()
{
    QFETCH(QString, keys);
    QFETCH(bool, placing);
    QFETCH(QPointF, ruler);
    QFETCH(QString, heard);
    ScreenFixture f;
    ResultsWindow& w = grownPlant(f);
    QStringList spoken;
    QObject::connect(&w, &ScreenWindow::announced, &w,
                     [&spoken](const QString& text) { spoken << text; });
    QPushButton* move = w.Cmd_Button(ResultsCommand::MoveRuler);
    ScreenFixture::click(move);
    move->setFocus();
    std::optional<QPoint> outlineShown; // where the keys last showed the outline
    int presses = 0;
    for (const QString& token : keys.split(QLatin1Char(' '))) {
        if (token == QLatin1String("Move")) { // "Move ruler" again, heard once more
            ScreenFixture::click(move);
            move->setFocus();
            ++presses;
            continue;
        }
        const QStringList keyAndCount = token.split(QLatin1Char('*'));
        const QString key = keyAndCount.first();
        for (int n = keyAndCount.size() > 1 ? keyAndCount.last().toInt() : 1; n > 0; --n) {
            const bool shift = key.startsWith(QLatin1String("Shift+"));
            const QKeySequence sequence(key.mid(shift ? 6 : 0));
            QTest::keyClick(move, Qt::Key(sequence[0].key()),
                            shift ? Qt::ShiftModifier : Qt::NoModifier);
            ++presses;
            if (const QRubberBand* outline = rulerOutline(w)) {
                // The outline a drag shows, at the ruler's size.
                QCOMPARE(outline->size(), w.Ruler()->size());
                outlineShown = outline->pos();
            }
        }
    }
    QCOMPARE(placingRuler(w), placing);
    QCOMPARE(w.Ruler()->isVisible(), !placing);
    QCOMPARE(QPointF(w.Ruler()->left(), w.Ruler()->top()), ruler);
    QCOMPARE(pointerShape(), placing ? PointerShape::Crosshair : PointerShape::Default);
    if (!placing) {
        QVERIFY(!rulerOutline(w));
        // Put down where the outline stood.
        if (outlineShown && !keys.endsWith(QLatin1String("Escape")))
            QCOMPARE(w.Ruler()->pos(), *outlineShown);
    }
    QVERIFY2(!spoken.isEmpty() && spoken.last().contains(heard), qPrintable(spoken.join('|')));
    // One thing heard for each step: the start of placing and each key.
    QCOMPARE(spoken.size(), 1 + presses);
}

void TestRuler::everyPressMovesTheOutline_data()
{
    // The window's size sets the layout's scale; at one below 1, fifteen twips are less than a
    // pixel. The ruler stands where it was loaded, or where the keyboard last put it.
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("placedByKeyboard");
    QTest::newRow("1x, as loaded") << QSize() << false;
    QTest::newRow("1x, after a keyboard placing") << QSize() << true;
    QTest::newRow("0.94x, as loaded") << QSize(644, 459) << false;
    QTest::newRow("0.94x, after a keyboard placing") << QSize(644, 459) << true;
    QTest::newRow("0.63x, as loaded") << QSize(405, 400) << false;
    QTest::newRow("1.37x, after a keyboard placing") << QSize(885, 666) << true;
}

void TestRuler::everyPressMovesTheOutline()
{
    QFETCH(QSize, window);
    QFETCH(bool, placedByKeyboard);
    ScreenFixture f;
    ResultsWindow& w = grownPlant(f);
    if (window.isValid())
        w.resize(window);
    QPushButton* move = w.Cmd_Button(ResultsCommand::MoveRuler);
    if (placedByKeyboard) {
        ScreenFixture::click(move);
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(move, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(move, Qt::Key_Return);
        QVERIFY(!placingRuler(w));
    }
    const QPoint ruler = w.Ruler()->pos();
    const float left = w.Ruler()->left();
    const float top = w.Ruler()->top();
    for (const Qt::KeyboardModifier modifier : {Qt::NoModifier, Qt::ShiftModifier}) {
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
            ScreenFixture::click(move);
            QTest::keyClick(move, key, modifier);
            const QRubberBand* outline = rulerOutline(w);
            QVERIFY2(outline, qPrintable(QKeySequence(key | modifier).toString()));
            const QPoint moved = outline->pos() - ruler;
            const QPoint towards = key == Qt::Key_Left    ? QPoint(-1, 0)
                                   : key == Qt::Key_Right ? QPoint(1, 0)
                                   : key == Qt::Key_Up    ? QPoint(0, -1)
                                                          : QPoint(0, 1);
            const int along = QPoint::dotProduct(moved, towards);
            const int across = QPoint::dotProduct(moved, QPoint(towards.y(), towards.x()));
            const QString what = QKeySequence(key | modifier).toString();
            QVERIFY2(across == 0, qPrintable(what));
            const int mark = w.twipsFrame().length(kRulerUnitTwips);
            const bool atTheTop = (ruler + moved).y() == 0; // kept on the window
            if (modifier == Qt::ShiftModifier)
                QVERIFY2(along == 1, qPrintable(what));
            else // a mark of the scale, give or take the pixel it is rounded to
                QVERIFY2(std::abs(along - mark) <= 1 || (atTheTop && along > 0), qPrintable(what));
            // Return puts the ruler where the outline is.
            QTest::keyClick(move, Qt::Key_Return);
            QCOMPARE(w.Ruler()->pos() - ruler, moved);
            // Back where it stood, for the next key.
            w.Ruler()->setLeft(left);
            w.Ruler()->setTop(top);
        }
    }
}

void TestRuler::keyboardLeavesTabOrderAndMouseAlone()
{
    ScreenFixture f;
    ResultsWindow& w = grownPlant(f);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::MoveRuler));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    // Tab still visits the three buttons only, in their order, while the outline is out.
    QWidget* start = QApplication::focusWidget();
    QList<QWidget*> visited;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    QCOMPARE(visited.last(), start);
    QCOMPARE(visited.size(), 3);
    for (QWidget* widget : visited)
        QVERIFY(qobject_cast<QPushButton*>(widget));
    // A press of the mouse places it as ever, and takes the keyboard's outline away.
    pressAt(w, pixels(5400, 4800), Qt::LeftButton);
    QCOMPARE(w.Ruler()->left(), 5400.0f);
    QVERIFY(!rulerOutline(w));
    // Not placing, the keys are the buttons' own: Space presses the focused one.
    QTest::keyClick(w.Cmd_Button(ResultsCommand::MoveRuler), Qt::Key_Space);
    QVERIFY(placingRuler(w));
}

void TestRuler::touch_data()
{
    // Fingers on the window, in pixels: "down X Y" (finger 0 touches), "move X Y", "second X Y"
    // (finger 1 touches too), "up" (every finger lifts), "cancel" (the window system takes the
    // touch back). The ruler stands at (576, 16), 31 x 351 pixels; Move ruler at (48, 368).
    QTest::addColumn<QString>("fingers");
    QTest::addColumn<bool>("placing"); // still placing afterwards
    QTest::addColumn<QPoint>("ruler"); // where it stands afterwards
    QTest::newRow("drag to the surface")
        << "down 582 82 | move 450 100 | move 339 149 | up" << false << QPoint(333, 83);
    QTest::newRow("drag onto a leaf stays")
        << "down 582 82 | move 433 220 | up" << false << QPoint(576, 16);
    QTest::newRow("drag cancelled")
        << "down 582 82 | move 339 149 | cancel" << false << QPoint(576, 16);
    QTest::newRow("drag joined by a second finger")
        << "down 582 82 | move 339 149 | second 100 100 | move 200 200 | up" << false
        << QPoint(576, 16);
    QTest::newRow("tap on Move ruler presses it") << "down 60 380 | up" << true << QPoint(576, 16);
    QTest::newRow("button touch cancelled") << "down 60 380 | cancel" << false << QPoint(576, 16);
    QTest::newRow("tap places") << "down 60 380 | up | down 360 320 | up" << false
                                << QPoint(360, 320);
    QTest::newRow("placing tap cancelled")
        << "down 60 380 | up | down 360 320 | cancel" << true << QPoint(576, 16);
    QTest::newRow("placing with two fingers")
        << "down 60 380 | up | down 360 320 | second 370 300 | up" << true << QPoint(576, 16);
    QTest::newRow("tap on a leaf while placing")
        << "down 60 380 | up | down 433 220 | up" << true << QPoint(576, 16);
}

void TestRuler::touch()
{
    QFETCH(QString, fingers);
    QFETCH(bool, placing);
    QFETCH(QPoint, ruler);
    // One touch screen for every row: Qt keeps a device it was told of until the program ends.
    static QPointingDevice* const screen =
        QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    ScreenFixture f;
    ResultsWindow& w = grownPlant(f);
    auto glass = QTest::touchEvent(&w, screen, false);
    QHash<int, QPoint> down; // the fingers on the glass
    for (const QString& step : fingers.split(QLatin1String(" | "))) {
        const QStringList word = step.split(QLatin1Char(' '));
        const QPoint at = word.size() == 3 ? QPoint(word[1].toInt(), word[2].toInt()) : QPoint();
        if (word[0] == QLatin1String("cancel")) {
            QTouchEvent cancel(QEvent::TouchCancel, screen);
            QCoreApplication::sendEvent(w.windowHandle(), &cancel);
            continue;
        }
        const int finger = word[0] == QLatin1String("second") ? 1 : 0;
        for (auto other = down.cbegin(); other != down.cend(); ++other) {
            if (word[0] == QLatin1String("up"))
                glass.release(other.key(), other.value(), &w);
            else if (other.key() != finger)
                glass.stationary(other.key());
        }
        if (word[0] == QLatin1String("up"))
            down.clear();
        else if (word[0] == QLatin1String("move"))
            glass.move(finger, down[finger] = at, &w);
        else
            glass.press(finger, down[finger] = at, &w);
        glass.commit();
    }
    QCOMPARE(placingRuler(w), placing);
    QVERIFY(!rulerOutline(w));
    QCOMPARE(w.Ruler()->pos(), ruler);
    QVERIFY(!w.Cmd_Button(ResultsCommand::MoveRuler)->isDown());
}

QTEST_MAIN(TestRuler)
#include "tst_ruler.moc"
