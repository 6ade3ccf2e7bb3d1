// Every shipped language: complete, fitting its controls, unique access keys per screen, and an
// experiment grown from it exactly as from the English one.
#include "../support/screen_fixture.h"

#include "shell/translations.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace quorvel;
using testing::Language;
using testing::ScreenFixture;

namespace {

// The places a text is filled in at, in order: %1 to %9 and %n.
QStringList placeholders(const QString& text)
{
    QStringList found;
    static const QRegularExpression marker(QStringLiteral("%[1-9n]"));
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

QChar accessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&'))
                return caption[i + 1].toLower();
            ++i;
        }
    }
    return {};
}

// What does not fit its control, for every button and caption of a screen.
QStringList misfits(QWidget& screen)
{
    QStringList found;
    for (const QPushButton* button : screen.findChildren<QPushButton*>()) {
        const QSize needed = button->sizeHint();
        if (needed.width() > button->width() || needed.height() > button->height())
            found << QStringLiteral("button \"%1\" needs %2 x %3, has %4 x %5")
                         .arg(button->text())
                         .arg(needed.width())
                         .arg(needed.height())
                         .arg(button->width())
                         .arg(button->height());
    }
    for (const QLabel* label : screen.findChildren<QLabel*>()) {
        const QRect room = label->contentsRect();
        const QFontMetrics metrics(label->font());
        const int needed =
            label->wordWrap()
                ? label->heightForWidth(label->width())
                : metrics.boundingRect(room, int(label->alignment()), label->text()).width();
        const int available = label->wordWrap() ? label->height() : room.width();
        if (needed > available)
            found << QStringLiteral("label \"%1\" needs %2, has %3")
                         .arg(label->text())
                         .arg(needed)
                         .arg(available);
    }
    return found;
}

QStringList repeatedAccessKeys(QWidget& screen)
{
    QStringList repeated;
    QMap<QChar, QString> seen;
    for (const QPushButton* button : screen.findChildren<QPushButton*>()) {
        const QChar key = accessKey(button->text());
        if (key.isNull())
            repeated << QStringLiteral("\"%1\" has no access key").arg(button->text());
        else if (seen.contains(key))
            repeated
                << QStringLiteral("\"%1\" and \"%2\" share %3").arg(seen[key], button->text(), key);
        seen[key] = button->text();
    }
    return repeated;
}

ResultsWindow& resultsOf(ScreenFixture& f)
{
    ScreenFixture::click(f.design().Cmd_Button(DesignCommand::SeeResults));
    return f.results();
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void everythingFits_data();
    void everythingFits();
    void theRecordGrowsTheSamePlant_data();
    void theRecordGrowsTheSamePlant();
    void englishIsUntouched();
};

void TestTranslations::everyTextIsTranslated_data()
{
    testing::addLanguageRows(testing::WithEnglish::No);
}

void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QString, language);
    QFile source(QStringLiteral(QUORVEL_TRANSLATIONS_DIR "/quorvel_%1.ts").arg(language));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&source);
    int messages = 0;
    QString context, sourceText;
    bool numerus = false;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == QLatin1String("name"))
            context = ts.readElementText();
        else if (ts.name() == QLatin1String("message"))
            numerus = ts.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        else if (ts.name() == QLatin1String("source"))
            sourceText = ts.readElementText();
        else if (ts.name() == QLatin1String("translation")) {
            ++messages;
            const QString where = context + QStringLiteral(": ") + sourceText;
            QVERIFY2(ts.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(where));
            // A count in the text is translated once for each plural form of the language.
            QStringList forms;
            if (numerus) {
                while (ts.readNextStartElement())
                    forms << ts.readElementText();
            } else {
                forms << ts.readElementText();
            }
            QVERIFY2(!forms.isEmpty(), qPrintable(where));
            for (const QString& form : std::as_const(forms)) {
                QVERIFY2(!form.isEmpty(), qPrintable(where));
                QVERIFY2(placeholders(form) == placeholders(sourceText),
                         qPrintable(where + QStringLiteral(" -> ") + form));
            }
        }
    }
    QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
    QVERIFY(messages > 60);

    // And the program takes them: every caption on both screens is in the language.
    Language installed(language);
    ScreenFixture f;
    QVERIFY(f.design().windowTitle() != QLatin1String("Quorvel - Designing your experiment"));
    QVERIFY(resultsOf(f).Cmd_Button(ResultsCommand::NewExperiment)->text() !=
            QLatin1String("&New experiment"));
}

void TestTranslations::everythingFits_data()
{
    testing::addLanguageRows(testing::WithEnglish::Yes);
}

void TestTranslations::everythingFits()
{
    QFETCH(QString, language);
    Language installed(language);
    ScreenFixture f;
    // The record at its widest: "Yes" and "No" both shown.
    ScreenFixture::click(f.design().AddZelcor(Mineral::Iron));
    QStringList problems = misfits(f.design()) + repeatedAccessKeys(f.design());
    ResultsWindow& results = resultsOf(f);
    problems += misfits(results) + repeatedAccessKeys(results);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslations::theRecordGrowsTheSamePlant_data()
{
    testing::addLanguageRows(testing::WithEnglish::No);
}

void TestTranslations::theRecordGrowsTheSamePlant()
{
    // Every set of minerals, with water, in English and then in the language: the same stem, the
    // same leaves shown, the same pictures (the random mixture draws the same values in both).
    QFETCH(QString, language);
    const auto grow = [](const QString& in) {
        Language installed(in);
        ScreenFixture f;
        QList<qint64> plants;
        for (unsigned given = 0; given < 64; ++given) {
            ResultsWindow& r = f.grow(oracle::Given(given));
            plants << qint64(r.Stem()->y1());
            for (int k = 0; k < ResultsWindow::kLeafCount; ++k)
                plants << (r.Leaf(k)->isVisibleTo(&r) ? r.Leaf(k)->picture().cacheKey() : -1);
            ScreenFixture::click(r.Cmd_Button(ResultsCommand::NewExperiment));
        }
        return plants;
    };
    // Pictures are the store's own, so their keys match between two runs of one process.
    QCOMPARE(grow(language), grow(QString()));
}

void TestTranslations::englishIsUntouched()
{
    // With no language installed the captions are the record's own words.
    ScreenFixture f;
    ScreenFixture::click(f.design().AddZelcor(Mineral::Nitrogen));
    QCOMPARE(f.design().Added(Mineral::Nitrogen)->text(), QStringLiteral("Yes"));
    QCOMPARE(f.design().Added(Mineral::Iron)->text(), QStringLiteral("No"));
    QCOMPARE(translations::textLocale(), QLocale::c());
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
