// The quit rule on both screens, the real confirmation box, and what counts as an activation.
#include "../support/screen_fixture.h"

#include "model/experiment_state.h"
#include "pictures/graphics.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <QPixmapCache>
#include <QTimer>

using namespace quorvel;
using testing::ScreenFixture;

class TestShell : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void startsOnAFreshDesignScreen();
    void quitRule_data();
    void quitRule();
    void yesEndsWithoutASecondQuestion();
    void realBoxDefaultsToNo_data();
    void realBoxDefaultsToNo();
    void realBoxYes();
    void windowSystemActivationIsNoActivation();
    void screensSwitchAndKeepTheirState();
    void newWindowSizesLeaveNothingInQtsPixmapCache();
    void largeBlocksGoBackToTheSystemWhenFreed();
};

void TestShell::startsOnAFreshDesignScreen()
{
    ZELCOR1::TubeState = 3;
    ZELCOR1::WaterAdded = kTrue;
    ZELCOR1::CuttingAdded = kTrue;
    ScreenFixture f;
    QVERIFY(f.design().isVisible());
    QVERIFY(!f.shell->resultsLoaded());
    QCOMPARE(ZELCOR1::TubeState, std::int16_t(0));
    QCOMPARE(ZELCOR1::WaterAdded, kFalse);
    QCOMPARE(ZELCOR1::CuttingAdded, kFalse);
}

void TestShell::quitRule_data()
{
    QTest::addColumn<bool>("onResults");
    QTest::addColumn<bool>("byButton");
    QTest::addColumn<int>("answer");
    for (bool onResults : {false, true}) {
        for (bool byButton : {true, false}) {
            for (int answer : {kAnswerYes, kAnswerNo}) {
                const QByteArray name = QByteArray(onResults ? "results " : "design ") +
                                        (byButton ? "Quit button " : "window close ") +
                                        (answer == kAnswerYes ? "Yes" : "No");
                QTest::newRow(name.constData()) << onResults << byButton << answer;
            }
        }
    }
}

void TestShell::quitRule()
{
    QFETCH(bool, onResults);
    QFETCH(bool, byButton);
    QFETCH(int, answer);
    ScreenFixture f;
    // A half-designed experiment that a No must leave exactly as it is.
    const oracle::Given potassium = oracle::Given().set(oracle::K - 1);
    if (onResults)
        QVERIFY(f.grow(potassium).isVisible());
    else
        f.fill(potassium, true, false);
    QWidget* screen = onResults ? static_cast<QWidget*>(&f.results()) : &f.design();
    const std::int16_t tubeState = ZELCOR1::TubeState;
    const PictureName tubePicture = f.design().TTube()->picture();
    const bool leafShown = onResults && f.results().Leaf(0)->isVisible();

    f.answers = {answer};
    if (byButton)
        ScreenFixture::click(onResults ? f.results().Cmd_Button(ResultsCommand::Quit)
                                       : f.design().Cmd_Button(DesignCommand::Quit));
    else
        ScreenFixture::closeWindow(screen);

    QCOMPARE(f.asked, 1);
    if (answer == kAnswerYes) {
        QCOMPARE(f.ended, 1);
        QVERIFY(!f.design().isVisible());
        QVERIFY(!f.shell->resultsLoaded() || !f.results().isVisible());
        return;
    }
    QCOMPARE(f.ended, 0);
    QVERIFY(screen->isVisible());
    QCOMPARE(ZELCOR1::TubeState, tubeState);
    QCOMPARE(ZELCOR1::WaterAdded, kTrue);
    QCOMPARE(f.design().Added(Mineral::Potassium)->text(), QStringLiteral("Yes"));
    QVERIFY(testing::shows(f.design().TTube(), tubePicture));
    QCOMPARE(f.design().AddZelcor(DesignWindow::kWaterButton)->isEnabled(), false);
    if (onResults)
        QCOMPARE(f.results().Leaf(0)->isVisible(), leafShown);
}

void TestShell::yesEndsWithoutASecondQuestion()
{
    ScreenFixture f;
    ScreenFixture::click(
        f.design().Cmd_Button(DesignCommand::SeeResults)); // Results shown, Design hidden
    f.answers = {kAnswerYes};
    ScreenFixture::closeWindow(&f.results());
    QCOMPARE(f.asked, 1);
    QCOMPARE(f.ended, 1);
    // The windows went away without closing: a later close event would ask again, and nothing
    // may do that once the program has ended.
    QVERIFY(!f.results().isVisible());
    QVERIFY(!f.design().isVisible());
}

void TestShell::realBoxDefaultsToNo_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestShell::realBoxDefaultsToNo()
{
    QFETCH(int, key);
    int ended = 0;
    Shell::Options options;
    options.endProgram = [&ended] { ++ended; };
    Shell shell(options);
    shell.start();
    QString title, text;
    bool questionIcon = false;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        questionIcon = box->icon() == QMessageBox::Question;
        QTest::keyClick(box, Qt::Key(key));
    });
    QTest::mouseClick(shell.design().Cmd_Button(DesignCommand::Quit), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Talvessa"));
    QCOMPARE(text, QStringLiteral("Do you really want to quit?"));
    QVERIFY(questionIcon);
    QCOMPARE(ended, 0);
    QVERIFY(shell.design().isVisible());
}

void TestShell::realBoxYes()
{
    int ended = 0;
    Shell::Options options;
    options.endProgram = [&ended] { ++ended; };
    Shell shell(options);
    shell.start();
    QTimer::singleShot(0, this, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->button(QMessageBox::Yes)->click();
    });
    QCOMPARE(shell.ConfirmQuit(), kAnswerYes);
    QCOMPARE(ended, 0);
}

void TestShell::windowSystemActivationIsNoActivation()
{
    ScreenFixture f;
    ScreenFixture::click(f.design().AddZelcor(Mineral::Nitrogen));
    ScreenFixture::windowSystemActivation(&f.design());
    f.answers = {kAnswerNo};
    ScreenFixture::click(
        f.design().Cmd_Button(DesignCommand::Quit)); // a message box over the screen closes
    ScreenFixture::windowSystemActivation(&f.design());
    QCOMPARE(f.design().Added(Mineral::Nitrogen)->text(), QStringLiteral("Yes"));
    QCOMPARE(ZELCOR1::TubeState, std::int16_t(2));
}

void TestShell::screensSwitchAndKeepTheirState()
{
    ScreenFixture f;
    QVERIFY(f.grow(oracle::Given()).isVisible());
    QVERIFY(!f.design().isVisible());
    // While results are shown the Design screen keeps the record it handed over.
    QCOMPARE(ZELCOR1::CuttingAdded, kTrue);
    QCOMPARE(ZELCOR1::WaterAdded, kTrue);

    ResultsWindow* first = &f.results();
    ScreenFixture::click(f.results().Cmd_Button(ResultsCommand::NewExperiment));
    QVERIFY(f.design().isVisible());
    QVERIFY(!f.results().isVisible());
    QCOMPARE(ZELCOR1::TubeState, std::int16_t(0));
    QCOMPARE(ZELCOR1::WaterAdded, kFalse);
    QCOMPARE(ZELCOR1::CuttingAdded, kFalse);
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(f.design().Added(i)->text(), QStringLiteral("No"));

    ScreenFixture::click(f.design().Cmd_Button(DesignCommand::SeeResults));
    QCOMPARE(&f.results(), first); // created once, then only shown and hidden
}

void TestShell::newWindowSizesLeaveNothingInQtsPixmapCache()
{
    // Qt 6.4's pixmap cache keeps the name of every pixmap it was given, for good, and the style
    // names each button face after its size: a day of resizes would leave names behind by the
    // thousand. Nothing may go into that cache.
    ScreenFixture f;
    for (ScreenWindow* screen : {static_cast<ScreenWindow*>(&f.design()),
                                 static_cast<ScreenWindow*>(&f.grow(oracle::Given()))}) {
        const QSize laidOut = screen->defaultClientSize();
        for (int step = 0; step < 4; ++step) {
            screen->resize(laidOut + QSize(37, 23) * step);
            QVERIFY(!screen->grab().isNull());
        }
    }
    // The cache keeps nothing: no room, and a pixmap put in is not found again.
    QCOMPARE(QPixmapCache::cacheLimit(), 0);
    QPixmapCache::insert(QStringLiteral("probe"), QPixmap(8, 8));
    QPixmap found;
    QVERIFY(!QPixmapCache::find(QStringLiteral("probe"), &found));
}

void TestShell::largeBlocksGoBackToTheSystemWhenFreed()
{
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
    QSKIP("only glibc's own allocator keeps freed blocks for later");
#else
    // Once glibc has freed a large block it would serve the next ones of up to that size from
    // its heap, and keep them there when they are freed: a window's pixels at one size after
    // another.
    const ScreenFixture f;
    const auto largeBlock = [](std::size_t bytes) {
        auto* block = static_cast<volatile char*>(std::malloc(bytes));
        block[0] = 1;
        return block;
    };
    std::free(const_cast<char*>(largeBlock(8 << 20)));
    const std::size_t apart = mallinfo2().hblkhd;
    volatile char* pixels = largeBlock(1 << 20);
    QVERIFY(mallinfo2().hblkhd >= apart + (1 << 20));
    std::free(const_cast<char*>(pixels));
    QCOMPARE(mallinfo2().hblkhd, apart);
#endif
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
