// Resized, maximised or full screen, each screen is its layout drawn as one picture: every control
// at s times its place, centred, with s the largest scale that fits the window.
#include "../support/scaled_fit.h"
#include "../support/screen_fixture.h"

#include <QMoveEvent>
#include <QTest>
#include <functional>

using namespace quorvel;
using testing::ScreenFixture;

namespace {

struct Place {
    const char* name;
    std::function<QWidget*(ScreenFixture&)> control;
    QRect twips; // left, top, width, height as the layout states them
};

std::vector<Place> designPlaces()
{
    const auto d = [](auto pick) {
        return [pick](ScreenFixture& f) -> QWidget* { return pick(f.design()); };
    };
    std::vector<Place> places = {
        {"Nitrogen",
         d([](DesignWindow& w) { return w.AddZelcor(Mineral::Nitrogen); }),
         {360, 2400, 1575, 615}},
        {"Calcium",
         d([](DesignWindow& w) { return w.AddZelcor(Mineral::Calcium); }),
         {2040, 3840, 1575, 615}},
        {"Add Water",
         d([](DesignWindow& w) { return w.AddZelcor(DesignWindow::kWaterButton); }),
         {360, 5505, 1575, 735}},
        {"Start again",
         d([](DesignWindow& w) { return w.Cmd_Button(DesignCommand::StartAgain); }),
         {5760, 5505, 1695, 735}},
        {"Quit",
         d([](DesignWindow& w) { return w.Cmd_Button(DesignCommand::Quit); }),
         {7680, 5505, 1575, 735}},
        {"Label1", d([](DesignWindow& w) { return w.Label1(); }), {1080, 420, 1815, 975}},
        {"Shape1", d([](DesignWindow& w) { return w.Shape1(); }), {6120, 840, 3135, 3855}},
        {"Image1", d([](DesignWindow& w) { return w.Image1(); }), {1440, 1680, 1080, 600}},
        {"Syringe", d([](DesignWindow& w) { return w.Syringe(); }), {4440, 600, 1260, 1200}},
        {"TTube", d([](DesignWindow& w) { return w.TTube(); }), {4200, 1920, 870, 2655}},
        {"Start", d([](DesignWindow& w) { return w.Start(); }), {3480, 180, 2310, 4440}},
    };
    const int tops[] = {1080, 1680, 2160, 2640, 3120, 3600, 4080};
    for (int i = 0; i <= kMineralCount; ++i) {
        places.push_back({"Mineral",
                          d([i](DesignWindow& w) { return w.Mineral(i); }),
                          {6360, tops[i], 1335, 375}});
        places.push_back(
            {"Added", d([i](DesignWindow& w) { return w.Added(i); }), {7920, tops[i], 1095, 375}});
    }
    return places;
}

std::vector<Place> resultsPlaces()
{
    const auto r = [](auto pick) {
        return [pick](ScreenFixture& f) -> QWidget* { return pick(f.results()); };
    };
    return {
        {"Quit",
         r([](ResultsWindow& w) { return w.Cmd_Button(ResultsCommand::Quit); }),
         {4440, 5505, 1335, 735}},
        {"Move ruler",
         r([](ResultsWindow& w) { return w.Cmd_Button(ResultsCommand::MoveRuler); }),
         {720, 5520, 1335, 735}},
        {"New experiment",
         r([](ResultsWindow& w) { return w.Cmd_Button(ResultsCommand::NewExperiment); }),
         {2280, 5505, 1935, 735}},
        {"Shape1", r([](ResultsWindow& w) { return w.Shape1(); }), {1680, 840, 3135, 3855}},
        {"Tube", r([](ResultsWindow& w) { return w.Tube(); }), {6600, 3960, 870, 2655}},
        {"Ruler", r([](ResultsWindow& w) { return w.Ruler(); }), {8640, 240, 465, 5265}},
        {"Mineral(6)", r([](ResultsWindow& w) { return w.Mineral(6); }), {1920, 4080, 1335, 375}},
        {"Added(0)", r([](ResultsWindow& w) { return w.Added(0); }), {3480, 1080, 1095, 375}},
        {"Leaf(3)", r([](ResultsWindow& w) { return w.Leaf(3); }), {6480, 0, 1050, 1050}},
    };
}

} // namespace

class TestScaledLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlAtScale_data();
    void everyControlAtScale();
    void fullScreenAndBack();
    void switchingKeepsTheView();
    void maximisedFrameNeverResizesTheLayout_data();
    void maximisedFrameNeverResizesTheLayout();
};

void TestScaledLayout::everyControlAtScale_data()
{
    QTest::addColumn<bool>("results");
    QTest::addColumn<QSize>("extra");   // added to the window's own size, in pixels
    QTest::addColumn<double>("factor"); // the window's own size times this, then the extra
    for (bool results : {false, true}) {
        const char* screen = results ? "Results" : "Design";
        QTest::addRow("%s, as loaded", screen) << results << QSize(0, 0) << 1.0;
        QTest::addRow("%s, twice", screen) << results << QSize(0, 0) << 2.0;
        QTest::addRow("%s, one and a half", screen) << results << QSize(0, 0) << 1.5;
        QTest::addRow("%s, wider: margins left and right", screen)
            << results << QSize(500, 0) << 1.25;
        QTest::addRow("%s, taller: margins above and below", screen)
            << results << QSize(0, 400) << 1.0;
        QTest::addRow("%s, smaller", screen) << results << QSize(0, 0) << 0.6;
        QTest::addRow("%s, 1920 x 1080", screen) << results << QSize(-1, -1) << 0.0;
    }
}

void TestScaledLayout::everyControlAtScale()
{
    QFETCH(bool, results);
    QFETCH(QSize, extra);
    QFETCH(double, factor);
    ScreenFixture f;
    if (results)
        ScreenFixture::click(f.design().Cmd_Button(DesignCommand::SeeResults));
    ScreenWindow& window =
        results ? static_cast<ScreenWindow&>(f.results()) : static_cast<ScreenWindow&>(f.design());
    const QSize laidOut = window.defaultClientSize();
    const QSize size = factor == 0.0 ? QSize(1920, 1080)
                                     : QSize(int(laidOut.width() * factor) + extra.width(),
                                             int(laidOut.height() * factor) + extra.height());
    window.resize(size);
    QCoreApplication::processEvents();
    QCOMPARE(window.size(), size);

    const auto [s, origin] = testing::scaledFit(laidOut, size);
    const auto px = [s](int twips) { return twips * s / 15.0; };
    for (const Place& place : results ? resultsPlaces() : designPlaces()) {
        const QRect shown = place.control(f)->geometry();
        const QRectF expected(origin.x() + px(place.twips.x()), origin.y() + px(place.twips.y()),
                              px(place.twips.width()), px(place.twips.height()));
        const bool within = std::abs(shown.x() - expected.x()) <= 1 &&
                            std::abs(shown.y() - expected.y()) <= 1 &&
                            std::abs(shown.width() - expected.width()) <= 1 &&
                            std::abs(shown.height() - expected.height()) <= 1;
        QVERIFY2(within, qPrintable(QStringLiteral("%1 at %2,%3 %4x%5, expected %6,%7 %8x%9")
                                        .arg(QLatin1String(place.name))
                                        .arg(shown.x())
                                        .arg(shown.y())
                                        .arg(shown.width())
                                        .arg(shown.height())
                                        .arg(expected.x())
                                        .arg(expected.y())
                                        .arg(expected.width())
                                        .arg(expected.height())));
    }
    // Back at its own size, it is the layout at 1:1 again, and nothing was activated on the way.
    window.resize(laidOut);
    QCoreApplication::processEvents();
    QCOMPARE(window.twipsFrame(), TwipsFrame());
    QCOMPARE(f.asked, 0);
}

void TestScaledLayout::fullScreenAndBack()
{
    ScreenFixture f;
    DesignWindow& w = f.design();
    ScreenFixture::click(w.AddZelcor(DesignWindow::kWaterButton));
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(&w, Qt::Key_F11);
    QTRY_VERIFY(w.isFullScreen());
    QTest::keyClick(&w, Qt::Key_Escape);
    QTRY_VERIFY(!w.isFullScreen());
    // A change of window state is no activation: the water is still in the tube.
    QCOMPARE(int(ZELCOR1::TubeState), int(kTubeWaterOnly));
}

void TestScaledLayout::switchingKeepsTheView()
{
    ScreenFixture f;
    DesignWindow& d = f.design();
    d.resize(d.defaultClientSize() * 2);
    ScreenFixture::click(d.Cmd_Button(DesignCommand::SeeResults));
    ResultsWindow& r = f.results();
    QCOMPARE(r.size(), d.size());
    QCOMPARE(r.twipsFrame().scale, 2.0);
    r.setWindowState(Qt::WindowMaximized);
    ScreenFixture::click(r.Cmd_Button(ResultsCommand::NewExperiment));
    QVERIFY(d.windowState() & Qt::WindowMaximized);
}

void TestScaledLayout::maximisedFrameNeverResizesTheLayout_data()
{
    // The order in which a window manager's reports of a maximise arrive: the thinner frame, the
    // new state and the new size.
    QTest::addColumn<QString>("order");
    QTest::addColumn<bool>("results"); // the Results screen, first shown maximised
    for (const char* order : {"frame state size", "state frame size", "state size frame",
                              "frame size state", "size frame state"}) {
        QTest::newRow(order) << QString::fromLatin1(order) << false;
        QTest::addRow("Results first shown maximised, %s", order)
            << QString::fromLatin1(order) << true;
    }
}

void TestScaledLayout::maximisedFrameNeverResizesTheLayout()
{
    QFETCH(QString, order);
    QFETCH(bool, results);
    // As measured under a window manager: 1, 22, 1, 5 around a normal window, 0, 21, 0, 0 when
    // maximised. The offscreen platform draws none, so the frame is told to the windows here.
    const QMargins normalFrame(1, 22, 1, 5);
    QMargins frame = normalFrame;
    ScreenWindow::setFrameProbe([&frame](const QWidget&) { return frame; });
    ScreenFixture f;
    DesignWindow& d = f.design();
    const auto moved = [](QWidget& w) {
        QMoveEvent event(w.pos(), w.pos());
        QCoreApplication::sendEvent(&w, &event);
    };
    moved(d); // framed by the window manager
    const QSize ownSize(646 - 2, 486 - 27);
    QCOMPARE(d.defaultClientSize(), ownSize);
    QCOMPARE(d.size(), ownSize);
    ScreenWindow* w = &d;
    if (results) {
        d.setWindowState(Qt::WindowMaximized);
        ScreenFixture::click(d.Cmd_Button(DesignCommand::SeeResults));
        w = &f.results();
        w->setWindowState(Qt::WindowNoState);
        w->resize(w->defaultClientSize());
        QCOMPARE(w->defaultClientSize(), ownSize);
    }
    const QSize maximised(1488, 1020);
    for (const QString& step : order.split(QLatin1Char(' '))) {
        if (step == QLatin1String("frame")) {
            frame = QMargins(0, 21, 0, 0);
            moved(*w);
        } else if (step == QLatin1String("state")) {
            w->setWindowState(Qt::WindowMaximized);
        } else {
            w->resize(maximised);
        }
        QCoreApplication::processEvents();
    }
    w->resize(maximised);
    QCOMPARE(w->defaultClientSize(), ownSize);
    QCOMPARE(w->twipsFrame().scale, testing::scaledFit(ownSize, maximised).scale);
    // Back in the normal state it is the screen the pupil saw, at 1:1.
    frame = normalFrame;
    w->setWindowState(Qt::WindowNoState);
    w->resize(ownSize);
    moved(*w);
    QCOMPARE(w->twipsFrame(), TwipsFrame());
    ScreenWindow::setFrameProbe({});
}

QTEST_MAIN(TestScaledLayout)
#include "tst_scaled_layout.moc"
