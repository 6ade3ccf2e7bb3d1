// The Results screen as laid out: controls, stacking, keyboard order, and its load.
#include "../support/screen_fixture.h"

#include "pictures/graphics.h"

#include <QApplication>

using namespace quorvel;
using testing::ScreenFixture;
using testing::twips;

class TestResultsLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowAndLoad();
    void controls();
    void stackingOrder();
    void keyboardOrder();
    void accessKeys();
};

void TestResultsLayout::windowAndLoad()
{
    ScreenFixture f;
    ScreenFixture::click(f.design().Cmd_Button(DesignCommand::SeeResults));
    ResultsWindow& w = f.results();
    QCOMPARE(w.windowTitle(), QStringLiteral("Quorvel - Your results"));
    QCOMPARE(w.frameGeometry().size(), QSize(646, 486));
    QCOMPARE(w.frameGeometry().center(), w.screen()->geometry().center());
}

void TestResultsLayout::controls()
{
    ScreenFixture f;
    ScreenFixture::click(f.design().Cmd_Button(DesignCommand::SeeResults));
    ResultsWindow& w = f.results();
    namespace r = layout::results;
    for (int i = 0; i < ResultsWindow::kCommandCount; ++i) {
        QCOMPARE(w.Cmd_Button(ResultsCommand(i))->text(),
                 QString::fromLatin1(r::kCmdButton[std::size_t(i)].caption));
        QCOMPARE(w.Cmd_Button(ResultsCommand(i))->geometry(),
                 twips(r::kCmdButton[std::size_t(i)].place));
    }
    for (int i = 0; i <= 6; ++i) {
        QCOMPARE(w.Mineral(i)->text(),
                 QString::fromLatin1(layout::kMineralCaptions[std::size_t(i)]));
        QCOMPARE(w.Mineral(i)->geometry(), twips(r::kRecord.mineral(i)));
        QCOMPARE(w.Added(i)->geometry(), twips(r::kRecord.added(i)));
        QCOMPARE(w.Added(i)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
    QCOMPARE(w.Added(0)->text(), QStringLiteral("Added"));
    QCOMPARE(w.Shape1()->geometry(), twips(r::kShape1));
    QCOMPARE(w.Tube()->geometry(), twips(r::kTube));
    QCOMPARE(testing::shownPixmap(w.Tube()).size(), QSize(58, 177));
    QCOMPARE(w.Ruler()->geometry(), twips(r::kRuler));
    QCOMPARE(testing::shownPixmap(w.Ruler()).size(), QSize(31, 351));
    QCOMPARE(w.Line1()->x1(), float(r::kLineColumnX));
    QCOMPARE(w.Line2()->y1(), float(r::kLineHeadingY));
    // Without a cutting the stem is hidden and no leaf shows.
    QVERIFY(!w.Stem()->isVisible());
    for (int k = 0; k < 6; ++k) {
        QVERIFY(!w.Leaf(k)->isVisible());
        const auto [left, top] = r::kLeafAtCreation[std::size_t(k)];
        QCOMPARE(w.Leaf(k)->geometry(), twips(left, top, r::kLeafSize, r::kLeafSize));
    }
    QCOMPARE(w.Stem()->x1(), float(r::kStemX)); // never grown: as created
    QCOMPARE(w.Stem()->y1(), float(r::kStemY1AtCreation));
}

void TestResultsLayout::stackingOrder()
{
    ScreenFixture f;
    ScreenFixture::click(f.design().Cmd_Button(DesignCommand::SeeResults));
    ResultsWindow& w = f.results();
    QList<QWidget*> order;
    for (int k = 5; k >= 0; --k)
        order << w.Leaf(k);
    order << w.Stem();
    for (int i = 6; i >= 0; --i)
        order << w.Added(i) << w.Mineral(i);
    order << w.Line1() << w.Line2() << w.Ruler() << w.Tube() << w.Shape1();
    const QObjectList children = w.children();
    for (int i = 0; i + 1 < order.size(); ++i)
        QVERIFY2(children.indexOf(order[i]) > children.indexOf(order[i + 1]),
                 qPrintable(QStringLiteral("position %1").arg(i)));
    for (int i = 0; i < 3; ++i)
        QVERIFY(children.indexOf(w.Cmd_Button(ResultsCommand(i))) > children.indexOf(w.Leaf(5)));
}

void TestResultsLayout::keyboardOrder()
{
    ScreenFixture f;
    ScreenFixture::click(f.design().Cmd_Button(DesignCommand::SeeResults));
    ResultsWindow& w = f.results();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.Cmd_Button(ResultsCommand::Quit));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Cmd_Button(ResultsCommand::MoveRuler));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Cmd_Button(ResultsCommand::NewExperiment));
}

void TestResultsLayout::accessKeys()
{
    ScreenFixture f;
    ScreenFixture::click(f.design().Cmd_Button(DesignCommand::SeeResults));
    ResultsWindow& w = f.results();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_M, Qt::AltModifier);
    QTRY_VERIFY(testing::placingRuler(w));
    f.answers = {kAnswerNo};
    QTest::keyClick(&w, Qt::Key_Q, Qt::AltModifier);
    QTRY_COMPARE(f.asked, 1);
    QTest::keyClick(&w, Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(f.design().isVisible());
}

QTEST_MAIN(TestResultsLayout)
#include "tst_results_layout.moc"
