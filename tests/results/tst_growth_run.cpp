// The growth run over every experiment: stem, leaves shown and the pictures they received.
#include "../support/experiment_oracle.h"
#include "../support/paint_counter.h"
#include "../support/screen_fixture.h"

#include "model/experiment_state.h"

using namespace quorvel;
using testing::ScreenFixture;

namespace {
int leafPictureIndex(const ImageControl* leaf)
{
    return testing::shownNumber<LeafPicture>(leaf);
}
} // namespace

class TestGrowthRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyExperiment_data();
    void everyExperiment();
    void theRoadOfOneExperiment();
    void withoutACuttingNothingGrows();
    void leavesOfAnEarlierRunStayHidden();
    void sameExperimentsGiveTheSameMixtures();
    void aFullPlantCostsOneRepaint();
};

void TestGrowthRun::everyExperiment_data()
{
    QTest::addColumn<uint>("bits");
    QTest::addColumn<bool>("water");
    for (uint bits = 0; bits < 64; ++bits)
        for (bool water : {true, false})
            QTest::newRow(oracle::describe(oracle::Given(bits), water).c_str()) << bits << water;
}

void TestGrowthRun::everyExperiment()
{
    QFETCH(uint, bits);
    QFETCH(bool, water);
    const oracle::Given given(bits);
    ScreenFixture f;
    ResultsWindow& w = f.grow(given, water);

    const int g = oracle::growth(given, water);
    QVERIFY(w.Stem()->isVisible());
    QCOMPARE(w.Stem()->x1(), 7050.0f);
    QCOMPARE(w.Stem()->x2(), 7050.0f);
    QCOMPARE(w.Stem()->y2(), 3945.0f);
    QCOMPARE(int(w.Stem()->y1()), 3945 - oracle::stemLength(g));
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(w.Added(i)->text(),
                 given.test(i - 1) ? QStringLiteral("Yes") : QStringLiteral("No"));

    const int shown = oracle::leavesShown(g);
    const int triggers[] = {3900, 3355, 2850, 2305, 1800, 1255};
    const oracle::LeafPictures pictures = oracle::leafPictures(given);
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(w.Leaf(k)->isVisible(), k < shown);
        if (k < shown) {
            QCOMPARE(w.Leaf(k)->left(), k % 2 == 0 ? 5985.0f : 7080.0f);
            QCOMPARE(w.Leaf(k)->top(), float(triggers[k] - 1050));
        }
        const int picture = leafPictureIndex(w.Leaf(k));
        const int atCreation = k % 2; // the healthy leaf leaning away from the stem
        if (pictures.mixture) {
            if (k == 5)
                QCOMPARE(picture, atCreation); // untouched: still the picture it was created with
            else
                QVERIFY(picture >= 0);
        } else if (pictures.picture[k] >= 0) {
            QCOMPARE(picture, pictures.picture[k]);
        } else {
            QCOMPARE(picture, atCreation);
            QVERIFY(!w.Leaf(k)->isVisible()); // a leaf the rule left alone never shows
        }
    }
}

void TestGrowthRun::theRoadOfOneExperiment()
{
    ScreenFixture f;
    DesignWindow& d = f.design();
    ScreenFixture::click(d.AddZelcor(DesignWindow::kWaterButton));
    ScreenFixture::click(d.AddZelcor(Mineral::Nitrogen));
    ScreenFixture::click(d.AddZelcor(Mineral::Iron));
    QCOMPARE(int(ZELCOR1::TubeState), 3);
    ScreenFixture::click(d.Cmd_Button(DesignCommand::AddCutting));
    ScreenFixture::click(d.Cmd_Button(DesignCommand::SeeResults));
    ResultsWindow& w = f.results();
    QCOMPARE(leafPictureIndex(w.Leaf(0)), 14);
    QCOMPARE(w.Stem()->y2() - w.Stem()->y1(), 576.0f);
    QCOMPARE(w.Stem()->accessibleDescription(), QStringLiteral("2.0 units tall on the ruler"));
    QVERIFY(w.Leaf(0)->isVisible());
    for (int k = 1; k < 6; ++k)
        QVERIFY(!w.Leaf(k)->isVisible());
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::NewExperiment));
    QVERIFY(d.isVisible() && !w.isVisible());
    QCOMPARE(int(ZELCOR1::TubeState), 0);
}

void TestGrowthRun::withoutACuttingNothingGrows()
{
    ScreenFixture f;
    ResultsWindow& w = f.grow(oracle::Given(0b111111));
    QCOMPARE(w.Leaf(5)->isVisible(), true);
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::NewExperiment));

    // Water and some minerals, but no cutting: the stem hides, the table keeps the last run.
    f.grow(oracle::Given(0b000001), true, false);
    QVERIFY(!w.Stem()->isVisible());
    for (int k = 0; k < 6; ++k)
        QVERIFY(!w.Leaf(k)->isVisible());
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(w.Added(i)->text(), QStringLiteral("Yes"));
}

void TestGrowthRun::leavesOfAnEarlierRunStayHidden()
{
    ScreenFixture f;
    ResultsWindow& w = f.grow(oracle::Given(0b111111));
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::NewExperiment));
    for (int k = 0; k < 6; ++k)
        QVERIFY(!w.Leaf(k)->isVisible());
    // Only phosphorus missing: two leaves; the four higher ones keep their old places, hidden.
    f.grow(oracle::Given(0b101111));
    QVERIFY(w.Leaf(0)->isVisible() && w.Leaf(1)->isVisible());
    for (int k = 2; k < 6; ++k)
        QVERIFY(!w.Leaf(k)->isVisible());
    QCOMPARE(w.Leaf(5)->top(), 205.0f);
    // Without water the stem passes the first trigger and still shows no leaf.
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::NewExperiment));
    f.grow(oracle::Given(0b111111), false);
    QCOMPARE(w.Stem()->y1(), float(3945 - 192));
    for (int k = 0; k < 6; ++k)
        QVERIFY(!w.Leaf(k)->isVisible());
}

void TestGrowthRun::sameExperimentsGiveTheSameMixtures()
{
    // Phosphorus and calcium given, the other four missing: the random mixture.
    auto run = [] {
        QList<int> seen;
        ScreenFixture f;
        for (int i = 0; i < 12; ++i) {
            f.grow(oracle::Given(0b110000));
            for (int k = 0; k < 6; ++k)
                seen << leafPictureIndex(f.results().Leaf(k));
            ScreenFixture::click(f.results().Cmd_Button(ResultsCommand::NewExperiment));
        }
        return seen;
    };
    const QList<int> first = run();
    QCOMPARE(run(), first);
    QVERIFY(first.count(first.first()) != first.size()); // and it does mix
}

void TestGrowthRun::aFullPlantCostsOneRepaint()
{
    ScreenFixture f;
    ResultsWindow& w = f.grow(oracle::Given(0b111111));
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();

    // Grown again while the screen is on view, so that a repaint forced in the loop would paint
    // at once rather than wait for the window to be shown.
    testing::PaintCounter stemPaints(w.Stem());
    w.Form_Activate(); // 2691 steps of growth
    QCOMPARE(w.Stem()->y1(), 1255.0f);
    QTRY_VERIFY(stemPaints.count >= 1);
    QTest::qWait(50);
    QCOMPARE(stemPaints.count, 1);
}

QTEST_MAIN(TestGrowthRun)
#include "tst_growth_run.moc"
