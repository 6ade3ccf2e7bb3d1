// The help tells what the program grows, opens on the right topic without touching the
// experiment, and never stands in the way of quitting.
#include "../support/screen_fixture.h"

#include "controls/command_button.h"
#include "controls/record_table.h"
#include "help/help_topics.h"
#include "help/help_window.h"
#include "model/outcome_rules.h"
#include "model/ruler_rules.h"
#include "pictures/graphics.h"

#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>

using namespace quorvel;
using testing::Language;
using testing::ScreenFixture;

Q_DECLARE_METATYPE(quorvel::Mineral)

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    // A translation that lost a place to fill in would drop a number or a button's name.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^QString::arg"))); }
    void shortageAsItGrows_data();
    void shortageAsItGrows();
    void whereQuorvelDiffersIsSo();
    void f1LeavesTheExperimentAlone_data();
    void f1LeavesTheExperimentAlone();
    void confirmedQuitEndsHelpToo();
    void everyCommandIsExplained_data();
    void everyCommandIsExplained();
};

void TestHelp::shortageAsItGrows_data()
{
    QTest::addColumn<Mineral>("missing");
    for (Mineral mineral : kMinerals)
        QTest::newRow(mineralCaption(mineral).toLatin1().constData()) << mineral;
}

void TestHelp::shortageAsItGrows()
{
    QFETCH(Mineral, missing);
    // What the Results screen really grows for water and every mineral but this one.
    ScreenFixture f;
    ResultsWindow& r = f.grow(oracle::Given(0b111111).reset(std::size_t(index(missing) - 1)));
    const int grownTwips = int(r.Stem()->y2() - r.Stem()->y1());
    std::vector<LeafPicture> grownLeaves;
    for (int k = 0; k < ResultsWindow::kLeafCount; ++k)
        if (r.Leaf(k)->isVisibleTo(&r))
            grownLeaves.push_back(std::get<LeafPicture>(r.Leaf(k)->picture()));

    const help::ShortageFacts facts = help::shortageFacts(missing);
    QCOMPARE(facts.stemTwips, grownTwips);
    QCOMPARE(facts.leafPictures, grownLeaves);
    QVERIFY2(facts.symptomPicture != LeafPicture::HealthyLeft &&
                 facts.symptomPicture != LeafPicture::HealthyRight,
             "the help shows a healthy leaf for a shortage");

    // The words and the picture the pupil reads.
    QTextDocument document;
    help::fillDocument(document, help::HelpTopic::Minerals, 2.0);
    const QString text = document.toPlainText();
    const QString entry = text.mid(text.indexOf(mineralCaption(missing) + QLatin1Char('\n')));
    const QString units = QString::number(rulerReading(grownTwips), 'f', 1);
    QVERIFY2(
        entry.contains(
            QStringLiteral("stem %1 units long and %2 leaves").arg(units).arg(grownLeaves.size())),
        qPrintable(entry.left(400)));
    QVERIFY(entry.contains(Graphics::instance().description(facts.symptomPicture)));
    const QVariant picture = document.resource(QTextDocument::ImageResource,
                                               QUrl(help::leafResourceName(facts.symptomPicture)));
    QCOMPARE(picture.value<QPixmap>().devicePixelRatio(), 2.0);
}

// The Help tells the pupil where Quorvel's plant is not a real one; each such sentence must stay
// true of the rules, or the Help would warn of a difference that is not there.
void TestHelp::whereQuorvelDiffersIsSo()
{
    const help::ShortageFacts nitrogen = help::shortageFacts(Mineral::Nitrogen);
    const help::ShortageFacts potassium = help::shortageFacts(Mineral::Potassium);
    // Nitrogen's leaf is magnesium's, the one with green veins, on a taller stem than theirs.
    QCOMPARE(nitrogen.symptomPicture, help::shortageFacts(Mineral::Magnesium).symptomPicture);
    QVERIFY(Graphics::instance()
                .description(nitrogen.symptomPicture)
                .endsWith(QStringLiteral("green veins")));
    for (Mineral shorter : {Mineral::Magnesium, Mineral::Iron})
        QVERIFY(nitrogen.stemTwips > help::shortageFacts(shorter).stemTwips);
    // Potassium spots every leaf, the youngest at the top too.
    for (LeafPicture picture : potassium.leafPictures)
        QCOMPARE(int(picture) / 2, int(potassium.symptomPicture) / 2);
    // Without water the stem still grows a little, and no leaf at all.
    const Outcome dry = outcomeOf(recordMissing(0), false, [] { return 0.0f; });
    QVERIFY(dry.stemTwips > 0);
    QCOMPARE(dry.leavesGrown, 0);

    QTextDocument document;
    help::fillDocument(document, help::HelpTopic::Minerals, 1.0);
    const QString text = document.toPlainText();
    // A mineral's entry runs from its heading to the next one's.
    const auto entry = [&](Mineral mineral, Mineral next) {
        const qsizetype start = text.indexOf(mineralCaption(mineral) + QLatin1Char('\n'));
        return text.mid(start,
                        text.indexOf(mineralCaption(next) + QLatin1Char('\n'), start) - start);
    };
    const QString differs = QStringLiteral("Here Quorvel is not like a real plant.");
    QVERIFY(entry(Mineral::Nitrogen, Mineral::Potassium).contains(differs));
    QVERIFY(entry(Mineral::Potassium, Mineral::Magnesium).contains(differs));
    QVERIFY(!entry(Mineral::Magnesium, Mineral::Iron).contains(differs));
    QVERIFY(text.contains(QStringLiteral("even the cutting's own two leaves are gone")));
}

void TestHelp::f1LeavesTheExperimentAlone_data()
{
    QTest::addColumn<bool>("onResults");
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("design, Escape") << false << true;
    QTest::newRow("design, Close") << false << false;
    QTest::newRow("results, Escape") << true << true;
    QTest::newRow("results, Close") << true << false;
}

void TestHelp::f1LeavesTheExperimentAlone()
{
    QFETCH(bool, onResults);
    QFETCH(bool, byEscape);
    ScreenFixture f;
    // A half-done experiment, and on the Results screen a ruler about to be placed: an
    // activation would reset the one and disarm the other.
    QWidget* screen = &f.design();
    if (!onResults) {
        f.fill(oracle::Given().set(oracle::Fe - 1), true, false);
    } else {
        f.grow(oracle::Given().set(oracle::Fe - 1));
        ScreenFixture::click(f.results().Cmd_Button(ResultsCommand::MoveRuler));
        screen = &f.results();
    }
    const auto unchanged = [&] {
        return ZELCOR1::TubeState == kTubeWaterAndMinerals &&
               f.design().Added(Mineral::Iron)->text() == QStringLiteral("Yes") &&
               (!onResults ||
                (testing::placingRuler(f.results()) && f.results().Stem()->isVisible()));
    };
    QVERIFY(unchanged());

    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    QTest::keyClick(screen, Qt::Key_F1);
    HelpWindow* help = f.shell->helpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->topic(),
             onResults ? help::HelpTopic::ResultsScreen : help::HelpTopic::DesignScreen);
    QVERIFY(unchanged());
    QVERIFY(!help->browser()->toPlainText().isEmpty());

    QVERIFY(QTest::qWaitForWindowActive(help));
    if (byEscape)
        QTest::keyClick(help->browser(), Qt::Key_Escape);
    else
        ScreenFixture::click(help->closeButton());
    QVERIFY(!help->isVisible());
    QCOMPARE(f.asked, 0);
    QVERIFY(screen->isVisible());
    QVERIFY(unchanged());

    // A screen switch leaves Help open where it is.
    f.shell->showHelp(help::HelpTopic::Minerals);
    const QPoint place = help->pos();
    if (onResults)
        ScreenFixture::click(f.results().Cmd_Button(ResultsCommand::NewExperiment));
    else
        ScreenFixture::click(f.design().Cmd_Button(DesignCommand::SeeResults));
    QVERIFY(help->isVisible());
    QCOMPARE(help->pos(), place);
    QCOMPARE(help->topic(), help::HelpTopic::Minerals);
    QCOMPARE(f.asked, 0);
}

void TestHelp::confirmedQuitEndsHelpToo()
{
    ScreenFixture f;
    f.shell->showHelp(help::HelpTopic::About);
    f.answers = {kAnswerNo, kAnswerYes};
    ScreenFixture::click(f.design().Cmd_Button(DesignCommand::Quit));
    QVERIFY(f.shell->helpWindow()->isVisible());
    ScreenFixture::click(f.design().Cmd_Button(DesignCommand::Quit));
    QCOMPARE(f.ended, 1);
    QCOMPARE(f.asked, 2);
    QVERIFY(!f.shell->helpWindow()->isVisible());
    QVERIFY(!f.design().isVisible());
}

void TestHelp::everyCommandIsExplained_data()
{
    testing::addLanguageRows(testing::WithEnglish::Yes);
}

void TestHelp::everyCommandIsExplained()
{
    // Each button has a tooltip and is named, as the pupil reads it, in its screen's help.
    QFETCH(QString, language);
    Language installed(language);
    ScreenFixture f;
    const auto check = [](QWidget& screen, help::HelpTopic topic) {
        QTextDocument document;
        help::fillDocument(document, topic, 1.0);
        const QString text = document.toPlainText().simplified();
        for (QPushButton* button : screen.findChildren<QPushButton*>()) {
            const QString caption = shownCaption(button->text());
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(caption));
            const bool mineral = std::any_of(kMinerals.begin(), kMinerals.end(), [&](Mineral m) {
                return DesignWindow::fillingCaption(index(m)) == caption;
            });
            QVERIFY2(mineral || text.contains(caption), qPrintable(caption));
        }
    };
    check(f.design(), help::HelpTopic::DesignScreen);
    check(f.results(), help::HelpTopic::ResultsScreen);
    // Numbers as the pupil's language writes them: 9,4 in German.
    QTextDocument results;
    help::fillDocument(results, help::HelpTopic::ResultsScreen, 1.0);
    QVERIFY(results.toPlainText().contains(translations::textLocale().toString(9.4, 'f', 1)));
    if (language.isEmpty()) {
        QVERIFY(f.design().accessibleDescription().endsWith(QStringLiteral("Press F1 for help.")));
        QVERIFY(f.results().accessibleDescription().contains(QStringLiteral("Press F1 for help.")));
        QVERIFY(f.results().accessibleDescription().endsWith(help::notebookHint()));
    }
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
