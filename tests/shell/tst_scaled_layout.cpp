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

QRect rect(const layout::Twips& t)
{
    return QRect(t.left, t.top, t.width, t.height);
}

std::vector<Place> designPlaces()
{
    namespace d = layout::design;
    const auto on = [](auto pick) {
        return [pick](ScreenFixture& f) -> QWidget* { return pick(f.design()); };
    };
    std::vector<Place> places = {
        {"Label1", on([](DesignWindow& w) { return w.Label1(); }), rect(d::kLabel1)},
        {"Shape1", on([](DesignWindow& w) { return w.Shape1(); }), rect(d::kShape1)},
        {"Image1", on([](DesignWindow& w) { return w.Image1(); }), rect(d::kImage1)},
        {"Syringe", on([](DesignWindow& w) { return w.Syringe(); }), rect(d::kSyringe)},
        {"TTube", on([](DesignWindow& w) { return w.TTube(); }), rect(d::kTTube)},
        {"Start", on([](DesignWindow& w) { return w.Start(); }), rect(d::kStart)},
    };
    for (int i = 1; i < int(d::kAddZelcor.size()); ++i)
        places.push_back({d::kAddZelcor[std::size_t(i)].caption,
                          on([i](DesignWindow& w) { return w.AddZelcor(i); }),
                          rect(d::kAddZelcor[std::size_t(i)].place)});
    for (int i = 0; i < int(d::kCmdButton.size()); ++i)
        places.push_back({d::kCmdButton[std::size_t(i)].caption,
                          on([i](DesignWindow& w) { return w.Cmd_Button(DesignCommand(i)); }),
                          rect(d::kCmdButton[std::size_t(i)].place)});
    for (int i = 0; i <= kMineralCount; ++i) {
        places.push_back({"Mineral", on([i](DesignWindow& w) { return w.Mineral(i); }),
                          rect(d::kRecord.mineral(i))});
        places.push_back(
            {"Added", on([i](DesignWindow& w) { return w.Added(i); }), rect(d::kRecord.added(i))});
    }
    return places;
}

std::vector<Place> resultsPlaces()
{
    namespace r = layout::results;
    const auto on = [](auto pick) {
        return [pick](ScreenFixture& f) -> QWidget* { return pick(f.results()); };
    };
    std::vector<Place> places = {
        {"Shape1", on([](ResultsWindow& w) { return w.Shape1(); }), rect(r::kShape1)},
        {"Tube", on([](ResultsWindow& w) { return w.Tube(); }), rect(r::kTube)},
        {"Ruler", on([](ResultsWindow& w) { return w.Ruler(); }), rect(r::kRuler)},
    };
    for (int i = 0; i < int(r::kCmdButton.size()); ++i)
        places.push_back({r::kCmdButton[std::size_t(i)].caption,
                          on([i](ResultsWindow& w) { return w.Cmd_Button(ResultsCommand(i)); }),
                          rect(r::kCmdButton[std::size_t(i)].place)});
    for (int i = 0; i <= kMineralCount; ++i) {
        places.push_back({"Mineral", on([i](ResultsWindow& w) { return w.Mineral(i); }),
                          rect(r::kRecord.mineral(i))});
        places.push_back(
            {"Added", on([i](ResultsWindow& w) { return w.Added(i); }), rect(r::kRecord.added(i))});
    }
    for (int k = 0; k < ResultsWindow::kLeafCount; ++k) {
        const auto [left, top] = r::kLeafAtCreation[std::size_t(k)];
        places.push_back({"Leaf", on([k](ResultsWindow& w) { return w.Leaf(k); }),
                          QRect(left, top, r::kLeafSize, r::kLeafSize)});
    }
    return places;
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
    ScreenFixture f([&frame](const QWidget&) { return frame; });
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
}

QTEST_MAIN(TestScaledLayout)
#include "tst_scaled_layout.moc"
