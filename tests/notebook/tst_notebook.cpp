// The pupil's notebook: what each growth run writes, the ruler's reading, the window's commands,
// the CSV file, the printed page, the chart as screen readers meet it, and the leaves' tooltips.
#include "../support/screen_fixture.h"

#include "controls/saved_file.h"
#include "help/help_topics.h"
#include "help/help_window.h"
#include "notebook/bar_chart.h"
#include "notebook/notebook_export.h"
#include "notebook/notebook_table.h"
#include "notebook/notebook_window.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QPdfWriter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleHints>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolTip>

using namespace quorvel;
using testing::ScreenFixture;

namespace {
constexpr unsigned kEverything = 0b111111;
constexpr unsigned kNoNitrogen = 0b111110;

QPoint pixels(float x, float y)
{
    return QPoint(testing::pixelsOf(x), testing::pixelsOf(y));
}

// "Move ruler", then a press: the ruler's top-left corner goes to the press.
void placeRulerAt(ResultsWindow& w, QPoint at)
{
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::MoveRuler));
    QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, {}, at);
}

QString cell(const NotebookTable& table, int row, NotebookColumn column)
{
    return table.text(row, column);
}

// The fields of one CSV record, quotes undone.
QStringList csvFields(const QString& line)
{
    QStringList fields{QString()};
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"')
            fields.last() += line[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (c == u',' && !quoted)
            fields.append(QString());
        else
            fields.last() += c;
    }
    return fields;
}

int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(file.readAll())
                   .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}
} // namespace

class TestNotebook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordsEachGrowthAndTheReading();
    void csvIsPlainInEveryLanguage_data();
    void csvIsPlainInEveryLanguage();
    void deletingAndClearingAskFirst();
    void printsOnOnePage_data();
    void printsOnOnePage();
    void failedWriteSaysWhy();
    void opensWithoutActivatingOrAsking();
    void chartReadsAsATable_data();
    void chartReadsAsATable();
    void leafTipsExceptWhilePlacing();
};

void TestNotebook::recordsEachGrowthAndTheReading()
{
    ScreenFixture f;
    const NotebookTable& table = f.shell->notebook();
    ResultsWindow& w = f.grow(oracle::Given(kEverything));
    QCOMPARE(table.rowCount(), 1);
    QCOMPARE(cell(table, 0, NotebookColumn::Water), QStringLiteral("Yes"));
    QCOMPARE(cell(table, 0, NotebookColumn::Leaves), QStringLiteral("healthy green leaf"));
    QCOMPARE(cell(table, 0, NotebookColumn::ModelHeight), QStringLiteral("9.4"));
    QVERIFY(cell(table, 0, NotebookColumn::Height).isEmpty()); // until the pupil measures

    // The zero mark 100 pixels down: the foot, at 3945 twips, reads 163 pixels, 8.6 units.
    placeRulerAt(w, pixels(8800, 1500));
    QCOMPARE(cell(table, 0, NotebookColumn::Height), QStringLiteral("8.6"));
    // By the keyboard too; and placed again, the newest reading counts.
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::MoveRuler));
    QTest::keyClick(&w, Qt::Key_Down);
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(cell(table, 0, NotebookColumn::Height), QStringLiteral("7.6"));

    ScreenFixture::click(w.Cmd_Button(ResultsCommand::NewExperiment));
    f.grow(oracle::Given(kEverything), true, false); // no cutting: nothing grew, nothing written
    QCOMPARE(table.rowCount(), 1);
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::NewExperiment));
    f.grow(oracle::Given(kNoNitrogen), false);
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(cell(table, 1, NotebookColumn::Number), QStringLiteral("2"));
    QCOMPARE(cell(table, 1, NotebookColumn::Water), QStringLiteral("No"));
    QCOMPARE(cell(table, 1, NotebookColumn::FirstMineral), QStringLiteral("No"));
    QCOMPARE(cell(table, 1, NotebookColumn::Leaves), QStringLiteral("No leaves"));
    QCOMPARE(NotebookTable::leftOut(table.notebook().entries()[1].run),
             QStringLiteral("Water, Nitrogen"));
    // Only the experiment on the screen takes the reading; a foot off the scale reads nothing.
    placeRulerAt(w, pixels(8800, 1500));
    QCOMPARE(cell(table, 0, NotebookColumn::Height), QStringLiteral("7.6"));
    QCOMPARE(cell(table, 1, NotebookColumn::Height), QStringLiteral("8.6"));
    placeRulerAt(w, pixels(8800, 4500));
    QVERIFY(cell(table, 1, NotebookColumn::Height).isEmpty());
}

void TestNotebook::csvIsPlainInEveryLanguage_data()
{
    testing::addLanguageRows(testing::WithEnglish::Yes);
}

void TestNotebook::csvIsPlainInEveryLanguage()
{
    QFETCH(QString, language);
    testing::Language chosen(language);
    ScreenFixture f;
    ResultsWindow& w = f.grow(oracle::Given(0b011111)); // no calcium: "a wavy, crinkled edge"
    placeRulerAt(w, pixels(8800, 1500));
    const NotebookTable& table = f.shell->notebook();
    const QByteArray csv = notebookCsv(table, true);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList lines =
        QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QStringList heading = csvFields(lines[0]);
    const QStringList row = csvFields(lines[1]);
    QCOMPARE(heading.size(), kNotebookColumnCount);
    QCOMPARE(row.size(), kNotebookColumnCount);
    QCOMPARE(heading[int(NotebookColumn::Leaves)], table.heading(NotebookColumn::Leaves));
    QCOMPARE(row[int(NotebookColumn::Leaves)], cell(table, 0, NotebookColumn::Leaves));
    // Digits and a point, whatever the language writes on the screen.
    QCOMPARE(row[int(NotebookColumn::Number)], QStringLiteral("1"));
    QCOMPARE(row[int(NotebookColumn::Height)], QStringLiteral("8.6"));
    QCOMPARE(row[int(NotebookColumn::ModelHeight)], QStringLiteral("3.4"));
    // Without the teacher's column, it is not written.
    QCOMPARE(csvFields(QString::fromUtf8(notebookCsv(table, false)).split(u'\n')[1]).size(),
             kNotebookColumnCount - 1);
}

void TestNotebook::deletingAndClearingAskFirst()
{
    ScreenFixture f;
    for (unsigned given : {kEverything, kNoNitrogen, kEverything}) {
        f.grow(oracle::Given(given));
        ScreenFixture::click(f.results().Cmd_Button(ResultsCommand::NewExperiment));
    }
    NotebookTable& table = f.shell->notebook();
    QStringList asked;
    bool answer = false;
    NotebookWindow window(table, [&](QWidget*, const QString& question) {
        asked.append(question);
        return answer;
    });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.table()->setFocus();
    window.table()->setCurrentIndex(table.index(1, 0));
    QTest::keyClick(window.table(), Qt::Key_Delete);
    QCOMPARE(table.rowCount(), 3); // "No" keeps it
    answer = true;
    window.deleteExperiment();
    QCOMPARE(asked, QStringList({QStringLiteral("Delete experiment 2 from the notebook?"),
                                 QStringLiteral("Delete experiment 2 from the notebook?")}));
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(cell(table, 1, NotebookColumn::Number), QStringLiteral("3"));
    answer = false;
    window.clearNotebook();
    QCOMPARE(table.rowCount(), 2);
    answer = true;
    window.clearNotebook();
    QCOMPARE(table.rowCount(), 0);
    QCOMPARE(asked.size(), 4);
    QVERIFY(!window.clearButton()->isEnabled());
    QVERIFY(!window.saveButton()->isEnabled());
}

void TestNotebook::printsOnOnePage_data()
{
    QTest::addColumn<int>("experiments");
    QTest::addColumn<QString>("language");
    QTest::newRow("a lesson") << 7 << QString();
    QTest::newRow("a long lesson") << 40 << QString();
    QTest::newRow("right to left") << 7 << QStringLiteral("ar");
}

void TestNotebook::printsOnOnePage()
{
    QFETCH(int, experiments);
    QFETCH(QString, language);
    testing::Language chosen(language);
    NotebookTable table;
    for (int i = 0; i < experiments; ++i)
        table.addRun({true, {true, true, true, true, true, i % 2 == 0}, {}, 2690});
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("notebook.pdf"));
    {
        QPdfWriter pdf(path);
        QVERIFY(printNotebook(pdf, table, true, QApplication::font(),
                              QGuiApplication::layoutDirection()));
    }
    QCOMPARE(pdfPages(path), 1);
}

void TestNotebook::failedWriteSaysWhy()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("notebook.csv"));
    QVERIFY(writeWhole(path, "first").isEmpty());
    QVERIFY(!writeWhole(folder.filePath(QStringLiteral("gone/notebook.csv")), "x").isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("first"));
}

void TestNotebook::opensWithoutActivatingOrAsking()
{
    ScreenFixture f;
    f.answers = {kAnswerYes};
    ResultsWindow& w = f.grow(oracle::Given(kEverything));
    const QRect before = w.geometry();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_H, Qt::ControlModifier);
    NotebookWindow* notebook = f.shell->notebookWindow();
    QVERIFY(notebook && notebook->isVisible());
    QVERIFY(w.isVisible());
    QCOMPARE(w.geometry(), before);
    QCOMPARE(f.asked, 0);
    notebook->close();
    // From the Help's Results topic, by its link.
    f.shell->showHelp(help::HelpTopic::ResultsScreen);
    QTextBrowser* browser = f.shell->helpWindow()->browser();
    QVERIFY(browser->toHtml().contains(help::notebookLink().toString()));
    Q_EMIT browser->anchorClicked(help::notebookLink());
    QVERIFY(notebook->isVisible());
    // Quitting asks once, and the notebook goes with everything else.
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::Quit));
    QCOMPARE(f.asked, 1);
    QCOMPARE(f.ended, 1);
    QVERIFY(!notebook->isVisible());
}

void TestNotebook::chartReadsAsATable_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QString();
    QTest::newRow("ar") << QStringLiteral("ar");
}

void TestNotebook::chartReadsAsATable()
{
    QFETCH(QString, language);
    testing::Language chosen(language);
    NotebookTable table;
    table.addRun({true, {true, true, true, true, true, true}, {}, 2690});
    table.setReading(2680);
    table.addRun({true, {false, true, true, true, true, true}, {}, 2400});
    BarChart chart(table);
    chart.resize(800, 400);
    chart.show();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&chart);
    QAccessibleTableInterface* asTable = accessible->tableInterface();
    QVERIFY(asTable);
    QCOMPARE(asTable->rowCount(), 2);
    QCOMPARE(asTable->columnCount(), 2);
    QCOMPARE(asTable->cellAt(0, ChartRows::Height)->text(QAccessible::Name),
             table.text(0, NotebookColumn::Height));
    QVERIFY(asTable->cellAt(1, ChartRows::LeftOut)
                ->text(QAccessible::Name)
                .contains(table.heading(NotebookColumn::FirstMineral)));
    // The first experiment stands where the pupil's reading starts.
    const int first = chart.visualRect(chart.model()->index(0, 0)).center().x();
    const int second = chart.visualRect(chart.model()->index(1, 0)).center().x();
    QCOMPARE(first < second, QGuiApplication::layoutDirection() == Qt::LeftToRight);
}

void TestNotebook::leafTipsExceptWhilePlacing()
{
    ScreenFixture f;
    ResultsWindow& w = f.grow(oracle::Given(kNoNitrogen));
    ImageControl* leaf = w.Leaf(0);
    QVERIFY(leaf->isVisible());
    const auto hover = [&] {
        QToolTip::hideText();
        QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), leaf->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(leaf, &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(hover(), QStringLiteral("pale yellow leaf with green veins"));
    // Pressed and held, as a finger does.
    QToolTip::hideText();
    QTest::mousePress(leaf, Qt::LeftButton, {}, QPoint(5, 5));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), leaf->accessibleDescription());
    QTest::mouseRelease(leaf, Qt::LeftButton, {}, QPoint(5, 5));
    ScreenFixture::click(w.Cmd_Button(ResultsCommand::MoveRuler));
    QVERIFY(hover().isEmpty());
    QTest::mousePress(leaf, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::qWait(QGuiApplication::styleHints()->mousePressAndHoldInterval() + 200);
    QVERIFY(!QToolTip::isVisible());
    QTest::mouseRelease(leaf, Qt::LeftButton, {}, QPoint(5, 5));
}

QTEST_MAIN(TestNotebook)
#include "tst_notebook.moc"
