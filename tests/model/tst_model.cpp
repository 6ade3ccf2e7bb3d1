// The rules that need no widget: rounding, the random pick, tube changes, growth and leaf choice.
#include "model/drip_rules.h"
#include "model/growth_rules.h"
#include "model/integer16.h"
#include "model/leaf_rules.h"
#include "model/notebook.h"
#include "model/random_source.h"
#include "model/ruler_rules.h"

#include "../support/experiment_oracle.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <set>

using namespace quorvel;

namespace {
AddedCaptions captionsFor(oracle::Given given)
{
    AddedCaptions captions;
    captions[0] = "Added";
    for (int i = 1; i <= 6; ++i)
        captions[i] = given.test(i - 1) ? "Yes" : "No";
    return captions;
}

// A chosen leaf picture by its number, as the oracle writes it; -1 where the leaf is left alone.
int number(const std::optional<LeafPicture>& picture)
{
    return picture ? int(*picture) : -1;
}
} // namespace

class TestModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void picksOnlyMineralsOneToFour_data();
    void picksOnlyMineralsOneToFour();
    void generatorStaysBelowOneAndRepeats();
    void dropFallsToTheRightLimit_data();
    void dropFallsToTheRightLimit();
    void growthFollowsWhatWasLeftOut_data();
    void growthFollowsWhatWasLeftOut();
    void captionsOtherThanYesOrNo();
    void leafChoiceFollowsWhatWasLeftOut_data();
    void leafChoiceFollowsWhatWasLeftOut();
    void mixtureDrawsOnlyMissingMinerals();
    void rulerDropKeepsTheGrabbedPoint_data();
    void rulerDropKeepsTheGrabbedPoint();
    void rulerReadsTheStemInUnits_data();
    void rulerReadsTheStemInUnits();
    void outlineSteps_data();
    void outlineSteps();
    void stepsReachEveryStemTop();
    void nearestPartOfThePlant();
    void rulerReadsOnlyOnItsScale_data();
    void rulerReadsOnlyOnItsScale();
    void notebookNumbersAndReadings();
};

void TestModel::roundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("2.5 down") << 2.5 << 2;
    QTest::newRow("3.5 up") << 3.5 << 4;
    QTest::newRow("-2.5 to even") << -2.5 << -2;
    QTest::newRow("1000.49") << 1000.49 << 1000;
    QTest::newRow("1000.51") << 1000.51 << 1001;
    QTest::newRow("saturates high") << 1e9 << 32767;
    QTest::newRow("saturates low") << -1e9 << -32768;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TestModel::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(int(toInteger16(value)), expected);
}

void TestModel::picksOnlyMineralsOneToFour_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("mineral");
    QTest::newRow("zero") << 0.0f << 1;
    QTest::newRow("just below a quarter") << std::nextafter(0.25f, 0.0f) << 1;
    QTest::newRow("a quarter") << 0.25f << 2;
    QTest::newRow("a half") << 0.5f << 3;
    QTest::newRow("three quarters") << 0.75f << 4;
    // In single precision r * 4 + 1 rounds to exactly 5 here.
    QTest::newRow("largest float below one") << 0.99999994f << 4;
    QTest::newRow("a generator returning one") << 1.0f << 4;
    QTest::newRow("out of range below") << -0.5f << 1;
    QTest::newRow("out of range above") << 7.0f << 4;
    QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << 1;
}

void TestModel::picksOnlyMineralsOneToFour()
{
    QFETCH(float, r);
    QFETCH(int, mineral);
    QCOMPARE(int(pickMineral(r)), mineral);
}

void TestModel::generatorStaysBelowOneAndRepeats()
{
    RandomSource first;
    RandomSource second;
    float lowest = 1.0f, highest = 0.0f;
    for (int i = 0; i < 200000; ++i) {
        const float r = first.next();
        QCOMPARE(second.next(), r);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
        QVERIFY(r >= 0.0f && r < 1.0f);
    }
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
}

void TestModel::dropFallsToTheRightLimit_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("positions");
    QTest::addColumn<int>("lastTop");
    // Dry, the drop falls to the tube's bottom (limit 4440); wet, to the water line (2520).
    QTest::newRow("empty") << 0 << 56 << 4430;
    QTest::newRow("water only") << 1 << 17 << 2480;
    QTest::newRow("minerals only") << 2 << 56 << 4430;
    QTest::newRow("water and minerals") << 3 << 17 << 2480;
}

void TestModel::dropFallsToTheRightLimit()
{
    QFETCH(int, state);
    QFETCH(int, positions);
    QFETCH(int, lastTop);
    const std::vector<std::int16_t> tops = dripFallTops(std::int16_t(state));
    QCOMPARE(int(tops.size()), positions);
    QCOMPARE(int(tops.front()), 1680);
    QCOMPARE(int(tops.back()), lastTop);
    for (std::size_t i = 1; i < tops.size(); ++i)
        QCOMPARE(tops[i] - tops[i - 1], 50);
}

void TestModel::growthFollowsWhatWasLeftOut_data()
{
    QTest::addColumn<unsigned>("bits");
    QTest::addColumn<bool>("water");
    for (unsigned bits = 0; bits < 64; ++bits) {
        for (bool water : {false, true})
            QTest::newRow(oracle::describe(oracle::Given(bits), water).c_str()) << bits << water;
    }
}

void TestModel::growthFollowsWhatWasLeftOut()
{
    QFETCH(unsigned, bits);
    QFETCH(bool, water);
    const oracle::Given given(bits);
    const std::int16_t g = computeGrowth(captionsFor(given), kGrowthLimitTable, toBoolean16(water));
    QCOMPARE(int(g), oracle::growth(given, water));
    QCOMPARE(int(stemLength(g)), oracle::stemLength(g));
}

void TestModel::captionsOtherThanYesOrNo()
{
    // Only the exact texts count: "no" is not missing for growth, and matches no leaf rule.
    AddedCaptions captions = captionsFor(oracle::Given(0b111111));
    captions[oracle::Fe] = "no";
    QCOMPARE(int(computeGrowth(captions, kGrowthLimitTable, kTrue)), 70);
    LeafSymptomRules rules;
    const LeafChoice choice = rules.choose(captions, [] { return 0.0f; });
    for (const std::optional<LeafPicture>& picture : choice)
        QVERIFY(!picture);
}

void TestModel::leafChoiceFollowsWhatWasLeftOut_data()
{
    QTest::addColumn<unsigned>("bits");
    for (unsigned bits = 0; bits < 64; ++bits) {
        const oracle::Given given(bits);
        if (!oracle::leafPictures(given).mixture)
            QTest::newRow(oracle::describe(given, true).c_str()) << bits;
    }
}

void TestModel::leafChoiceFollowsWhatWasLeftOut()
{
    QFETCH(unsigned, bits);
    const oracle::Given given(bits);
    LeafSymptomRules rules;
    const LeafChoice choice = rules.choose(captionsFor(given), [] {
        QTest::qFail("no draw expected", __FILE__, __LINE__);
        return 0.0f;
    });
    const oracle::LeafPictures expected = oracle::leafPictures(given);
    for (int k = 0; k < 6; ++k)
        QCOMPARE(number(choice[k]), expected.picture[k]);
}

void TestModel::mixtureDrawsOnlyMissingMinerals()
{
    RandomSource random;
    for (unsigned bits = 0; bits < 64; ++bits) {
        const oracle::Given given(bits);
        if (!oracle::leafPictures(given).mixture)
            continue;
        std::set<int> firstDraws, secondDraws;
        LeafSymptomRules rules;
        for (int run = 0; run < 200; ++run) {
            const LeafChoice choice =
                rules.choose(captionsFor(given), [&random] { return random.next(); });
            QVERIFY(!choice[5]);
            int first = 0, second = 0;
            for (int mineral = 1; mineral <= 4; ++mineral) {
                const auto one = oracle::drawOnePictures(mineral);
                if (number(choice[0]) == one[0] && number(choice[2]) == one[1] &&
                    number(choice[4]) == one[2] && oracle::missing(given, mineral))
                    first = mineral;
                const auto two = oracle::drawTwoPictures(mineral);
                if (number(choice[1]) == two[0] && number(choice[3]) == two[1] &&
                    oracle::missing(given, mineral))
                    second = mineral;
            }
            QVERIFY2(first != 0 && second != 0, oracle::describe(given, true).c_str());
            // Nitrogen and magnesium share their pictures; count them as one.
            firstDraws.insert(first == oracle::Mg ? oracle::N : first);
            secondDraws.insert(second == oracle::Mg ? oracle::N : second);
        }
        std::set<int> distinct;
        for (int mineral = 1; mineral <= 4; ++mineral)
            if (oracle::missing(given, mineral))
                distinct.insert(mineral == oracle::Mg ? oracle::N : mineral);
        QCOMPARE(firstDraws, distinct);
        QCOMPARE(secondDraws, distinct);
    }
}

void TestModel::rulerDropKeepsTheGrabbedPoint_data()
{
    QTest::addColumn<float>("grabX");
    QTest::addColumn<float>("grabY");
    QTest::addColumn<float>("dropX");
    QTest::addColumn<float>("dropY");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::newRow("grab 100, 1000 dropped at 5000, 2000")
        << 100.0f << 1000.0f << 5000.0f << 2000.0f << 4900.0f << 1000.0f;
    QTest::newRow("grab y rounds half to even")
        << 7.5f << 2.5f << 100.0f << 100.0f << 92.5f << 98.0f;
    QTest::newRow("may land off screen")
        << 400.0f << 5000.0f << 10.0f << 10.0f << -390.0f << -4990.0f;
}

void TestModel::rulerDropKeepsTheGrabbedPoint()
{
    QFETCH(float, grabX);
    QFETCH(float, grabY);
    QFETCH(float, dropX);
    QFETCH(float, dropY);
    QFETCH(float, left);
    QFETCH(float, top);
    const RulerPlace place = dropPlace(dropX, dropY, grabAt(grabX, grabY));
    QCOMPARE(place.left, left);
    QCOMPARE(place.top, top);
}

void TestModel::rulerReadsTheStemInUnits_data()
{
    QTest::addColumn<int>("lengthTwips");
    QTest::addColumn<double>("units");
    // A unit of the scale is 19 pixels of the ruler, 285 twips.
    QTest::newRow("no stem") << 0 << 0.0;
    QTest::newRow("one unit") << 285 << 1.0;
    QTest::newRow("shortest plant") << 192 << 192 / 285.0;
    QTest::newRow("full plant") << 2690 << 2690 / 285.0;
}

void TestModel::rulerReadsTheStemInUnits()
{
    QFETCH(int, lengthTwips);
    QFETCH(double, units);
    QCOMPARE(rulerReading(lengthTwips), units);
}

void TestModel::outlineSteps_data()
{
    QTest::addColumn<float>("from");
    QTest::addColumn<int>("direction");
    QTest::addColumn<float>("to");
    QTest::newRow("down, short of the stop") << 240.0f << 1 << 525.0f;
    QTest::newRow("down, stops at it") << 800.0f << 1 << 1000.0f;
    QTest::newRow("down, lands on it") << 715.0f << 1 << 1000.0f;
    QTest::newRow("down, from the stop") << 1000.0f << 1 << 1285.0f;
    QTest::newRow("up, stops at it") << 1100.0f << -1 << 1000.0f;
    QTest::newRow("up, away from it") << 900.0f << -1 << 615.0f;
}

void TestModel::outlineSteps()
{
    QFETCH(float, from);
    QFETCH(int, direction);
    QFETCH(float, to);
    QCOMPARE(outlineStep(from, direction, 1000.0f), to);
}

void TestModel::stepsReachEveryStemTop()
{
    // From the ruler's place at load, every plant a pupil can grow.
    constexpr float kRulerTopAtLoad = 240.0f;
    for (std::int16_t g : {70, 62, 58, 52, 48, 42, 25, 15, 10, 5}) {
        const float stemTop = float(kStemBaseYTwips - stemLength(g));
        float top = kRulerTopAtLoad;
        int presses = 0;
        while (top != stemTop && presses < 20) {
            top = outlineStep(top, 1, stemTop);
            ++presses;
        }
        QVERIFY2(presses <= 13, qPrintable(QString::number(g)));
    }
}

void TestModel::nearestPartOfThePlant()
{
    const std::vector<PlantBox> plant = {{PlantPart::StemTop, 0, 7050, 3000, 0, 0},
                                         {PlantPart::Leaf, 2, 5985, 1950, 1050, 1050},
                                         {PlantPart::Tube, 0, 6600, 3960, 870, 2655}};
    QCOMPARE(nearestPart(7300, 3100, plant)->part, PlantPart::StemTop);
    QCOMPARE(nearestPart(5000, 2000, plant)->leaf, 2);
    QCOMPARE(nearestPart(8640, 5000, plant)->part, PlantPart::Tube);
    QVERIFY(!nearestPart(0, 0, {}));
}

void TestModel::rulerReadsOnlyOnItsScale_data()
{
    QTest::addColumn<int>("twipsBelowZero");
    QTest::addColumn<bool>("read");
    // The scale's marks run from 0 to 17 units of 285 twips.
    QTest::newRow("above the zero mark") << -15 << false;
    QTest::newRow("at the zero mark") << 0 << true;
    QTest::newRow("full plant") << 2685 << true;
    QTest::newRow("last mark") << 17 * 285 << true;
    QTest::newRow("past the last mark") << 17 * 285 + 15 << false;
}

void TestModel::rulerReadsOnlyOnItsScale()
{
    QFETCH(int, twipsBelowZero);
    QFETCH(bool, read);
    const auto reading = readingOnScale(twipsBelowZero);
    QCOMPARE(reading.has_value(), read);
    if (read)
        QCOMPARE(*reading, twipsBelowZero);
}

void TestModel::notebookNumbersAndReadings()
{
    Notebook notebook;
    QCOMPARE(notebook.add({}), 1);
    QCOMPARE(notebook.add({}), 2);
    QCOMPARE(notebook.add({}), 3);
    notebook.setReading(2, 1200);
    QCOMPARE(notebook.remove(2), std::optional<std::size_t>(1));
    QVERIFY(!notebook.remove(2));
    // A deleted experiment's number names no other: the next is 4, and a late reading for 2 is
    // written nowhere.
    QCOMPARE(notebook.add({}), 4);
    notebook.setReading(2, 900);
    QCOMPARE(notebook.entries().size(), std::size_t(3));
    for (const NotebookEntry& entry : notebook.entries())
        QVERIFY(!entry.readingTwips);
    notebook.setReading(4, 900);
    notebook.setReading(4, std::nullopt); // placed again, with the foot off the scale
    QVERIFY(!notebook.entries().back().readingTwips);
    notebook.clear();
    QVERIFY(notebook.entries().empty());
    QCOMPARE(notebook.add({}), 1); // a new lesson counts from 1
}

QTEST_APPLESS_MAIN(TestModel)
#include "tst_model.moc"
