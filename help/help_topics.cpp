// The help's texts: a few whole paragraphs per topic for translators, with every number and leaf
// look filled in from the rules and the pictures, so the help tells what the program grows.
#include "help/help_topics.h"

#include "controls/record_table.h"
#include "design/design_window.h"
#include "model/outcome_rules.h"
#include "pictures/descriptions.h"
#include "pictures/graphics.h"
#include "pictures/picture_catalogue.h"
#include "results/results_window.h"

#include <QCoreApplication>
#include <QTextDocument>
#include <QUrl>
#include <array>

#ifndef QUORVEL_VERSION
#error "QUORVEL_VERSION comes from the project's version in CMakeLists.txt"
#endif

namespace quorvel::help {

namespace {

// What a cutting given water grows when exactly the minerals whose bit (index - 1) is set are
// missing. The random mixture draws only for two or more of nitrogen, potassium, magnesium and
// iron, which the help never shows.
Outcome grownWithWater(unsigned missingBits)
{
    return outcomeOf(recordMissing(missingBits), true, [] { return 0.0f; });
}

// A text marked in one of the tables below.
QString translated(const char* text)
{
    return QCoreApplication::translate("HelpWindow", text);
}

constexpr std::array<const char*, kTopicCount> kTopicTitles = {
    QT_TRANSLATE_NOOP("HelpWindow", "Planning the experiment"),
    QT_TRANSLATE_NOOP("HelpWindow", "Looking at the results"),
    QT_TRANSLATE_NOOP("HelpWindow", "What each mineral does"),
    QT_TRANSLATE_NOOP("HelpWindow", "About Quorvel"),
};

// What a real plant uses each mineral for, by mineral index.
constexpr std::array<const char*, kMineralCount + 1> kMineralUses = {
    "",
    QT_TRANSLATE_NOOP("HelpWindow",
                      "A plant needs nitrogen to grow new stems and leaves and to make the green "
                      "colour of its leaves. Without it the plant stays small, and its older, "
                      "lower leaves turn pale and yellow first."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Potassium helps a plant use water well, make strong leaves and fight "
                      "illness. Without it the leaves turn yellow and get brown spots and edges."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Magnesium is part of the green colour in leaves that catches sunlight, so "
                      "that the plant can make its food. Without it the leaves turn pale yellow."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "A plant needs a tiny amount of iron to make the green colour of its "
                      "leaves. Without it the new leaves turn white or pale, and only their veins "
                      "stay green."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Phosphorus helps a plant grow strong roots and move the energy from "
                      "sunlight around inside it. Without it the plant stays very small and its "
                      "leaves turn dark and purple."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Calcium builds strong walls for the tiny cells a plant is made of, most of "
                      "all at the tips where it grows. Without it the plant stays very small and "
                      "its new leaves grow narrow, with wavy, crinkled edges."),
};

constexpr std::array<const char*, 2> kKeys = {
    QT_TRANSLATE_NOOP("HelpWindow", "Using the keyboard"),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Every button has one underlined letter: hold down Alt and press that "
                      "letter to click the button. Tab moves to the next button and Shift+Tab "
                      "to the one before; Return or Space clicks the button that is marked. F11 "
                      "fills the whole screen with Quorvel, and Escape brings back the window. F1 "
                      "opens this help, and Escape closes it again."),
};

QString heading(int level, const QString& text)
{
    return QStringLiteral("<h%1>%2</h%1>").arg(level).arg(text.toHtmlEscaped());
}

QString paragraph(const QString& text)
{
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QString keysSection()
{
    return heading(2, translated(kKeys[0])) + paragraph(translated(kKeys[1]));
}

// A paragraph that names buttons (or the record's words) by what the pupil sees on the screen:
// they come from the screens themselves, in bold, so no translation can name a button wrongly.
QString bold(const QString& caption)
{
    return QStringLiteral("<b>") + caption.toHtmlEscaped() + QStringLiteral("</b>");
}

template <typename... Captions>
QString paragraphNaming(const QString& text, const Captions&... captions)
{
    return QStringLiteral("<p>") + text.toHtmlEscaped().arg(bold(captions)...) +
           QStringLiteral("</p>");
}

QString designHtml()
{
    return heading(1, topicTitle(HelpTopic::DesignScreen)) +
           paragraphNaming(
               QCoreApplication::translate(
                   "HelpWindow",
                   "On this screen you plan your experiment. A plant cutting will grow in the "
                   "test tube, and you choose what it gets. Click %1 to fill the tube with "
                   "water. Then click each mineral you want to give the plant: the syringe puts "
                   "one drop of it into the tube, and the table shows %2 beside it. Leave out "
                   "the minerals you want to test."),
               DesignWindow::fillingCaption(DesignWindow::kWaterButton), recordWord(kYes)) +
           paragraphNaming(
               QCoreApplication::translate(
                   "HelpWindow",
                   "When the tube is ready, click %1 to put the plant cutting in. After that "
                   "nothing more can go in. Click %2 to see how the plant grows. %3 empties the "
                   "tube so that you can plan a new experiment, and %4 ends Quorvel (it asks "
                   "you first)."),
               DesignWindow::commandCaption(DesignCommand::AddCutting),
               DesignWindow::commandCaption(DesignCommand::SeeResults),
               DesignWindow::commandCaption(DesignCommand::StartAgain),
               DesignWindow::commandCaption(DesignCommand::Quit)) +
           paragraph(QCoreApplication::translate(
               "HelpWindow",
               "A good scientist changes only one thing at a time. Grow one plant with "
               "everything it needs, then one with a single mineral left out, and "
               "compare the two.")) +
           keysSection();
}

QString resultsHtml()
{
    return heading(1, topicTitle(HelpTopic::ResultsScreen)) +
           paragraph(QCoreApplication::translate(
               "HelpWindow",
               "This screen shows how your cutting grew. The table reminds you which "
               "minerals you gave it. How tall did the stem grow? Are the leaves green "
               "and healthy, or pale, spotted, purple or crinkled? Without water a "
               "cutting hardly grows and grows no leaves at all.")) +
           paragraphNaming(
               QCoreApplication::translate(
                   "HelpWindow",
                   "Measure the stem with the ruler. There are two ways. Drag it: press the "
                   "mouse button on the ruler, move it beside the stem and let go. Or click %1, "
                   "then click where the top of the ruler should go. Read the number beside the "
                   "top of the stem. A cutting given water and every mineral reaches %2."),
               ResultsWindow::commandCaption(ResultsCommand::MoveRuler),
               ResultsWindow::rulerUnits(grownWithWater(0).stemTwips)) +
           paragraphNaming(QCoreApplication::translate(
                               "HelpWindow",
                               "%1 takes you back to plan the next one, with an empty tube. %2 "
                               "ends Quorvel (it asks you first)."),
                           ResultsWindow::commandCaption(ResultsCommand::NewExperiment),
                           ResultsWindow::commandCaption(ResultsCommand::Quit)) +
           keysSection();
}

QString mineralsHtml(QTextDocument& document, qreal devicePixelRatio)
{
    const Outcome full = grownWithWater(0);
    QString html = heading(1, topicTitle(HelpTopic::Minerals)) +
                   paragraph(QCoreApplication::translate(
                                 "HelpWindow",
                                 "A plant makes its food from water, air and sunlight, but it also "
                                 "needs a little of some minerals, which its roots take up with "
                                 "the water. Each mineral has its own job. When one is missing, "
                                 "the plant grows less, and its leaves show which one it is. A "
                                 "cutting given water and all six minerals grows a stem %1 units "
                                 "long on the ruler, with %n healthy leaves.",
                                 nullptr, int(full.leaves.size()))
                                 .arg(ResultsWindow::rulerUnits(full.stemTwips)));
    const Graphics& store = Graphics::instance();
    for (Mineral mineral : kMinerals) {
        const ShortageFacts facts = shortageFacts(mineral);
        html += heading(2, mineralCaption(mineral)) +
                paragraph(translated(kMineralUses[index(mineral)])) +
                paragraph(QCoreApplication::translate(
                              "HelpWindow",
                              "In Quorvel, a cutting given water and every mineral except this "
                              "one grows a stem %1 units long and %n leaves. Look for this "
                              "leaf: %2.",
                              nullptr, int(facts.leafPictures.size()))
                              .arg(ResultsWindow::rulerUnits(facts.stemTwips),
                                   descriptions::leaf(facts.symptomPicture)));
        const QString name = leafResourceName(facts.symptomPicture);
        const QPixmap& leaf = store.Leaf(facts.symptomPicture);
        document.addResource(QTextDocument::ImageResource, QUrl(name),
                             catalogue::sharp(leaf, devicePixelRatio));
        html += QStringLiteral("<p><img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\"></p>")
                    .arg(name)
                    .arg(leaf.width())
                    .arg(leaf.height())
                    .arg(descriptions::leaf(facts.symptomPicture).toHtmlEscaped());
    }
    return html;
}

QString aboutHtml()
{
    return heading(1, topicTitle(HelpTopic::About)) +
           paragraph(QCoreApplication::translate(
               "HelpWindow",
               "Quorvel is a science simulation for pupils: grow a plant cutting in a "
               "test tube and find out which minerals a plant needs.")) +
           paragraph(QCoreApplication::translate("HelpWindow", "Version %1, running on Qt %2.")
                         .arg(QStringLiteral(QUORVEL_VERSION), QString::fromLatin1(qVersion()))) +
           paragraph(QCoreApplication::translate(
               "HelpWindow",
               "Quorvel is free software under the GNU General Public License, version "
               "3 or any later version (GPL-3.0-or-later). You may share and change it "
               "under that licence. It comes with no warranty.")) +
           paragraph(QCoreApplication::translate(
               "HelpWindow", "Made by the Quorvel developers, for pupils and their teachers."));
}

} // namespace

ShortageFacts shortageFacts(Mineral missing)
{
    const Outcome outcome = grownWithWater(1u << (index(missing) - 1));
    ShortageFacts facts{outcome.stemTwips, outcome.leaves, -1};
    // Even and odd pictures are mirror images; 0 and 1 are the healthy leaf.
    for (int picture : outcome.leaves) {
        if (picture >= 2) {
            facts.symptomPicture = picture;
            break;
        }
    }
    return facts;
}

QString topicTitle(HelpTopic topic)
{
    return translated(kTopicTitles[std::size_t(topic)]);
}

QString screenDescription(HelpTopic topic)
{
    return topic == HelpTopic::ResultsScreen
               ? QCoreApplication::translate(
                     "HelpWindow",
                     "The plant that grew from your experiment, and a ruler to measure it. Press "
                     "F1 for help.")
               : QCoreApplication::translate(
                     "HelpWindow",
                     "Plan your experiment: fill the test tube with water and minerals and put a "
                     "plant cutting in. Press F1 for help.");
}

QString leafResourceName(int picture)
{
    return QStringLiteral("quorvel-leaf:%1").arg(picture);
}

void fillDocument(QTextDocument& document, HelpTopic topic, qreal devicePixelRatio)
{
    QString html;
    switch (topic) {
    case HelpTopic::DesignScreen:
        html = designHtml();
        break;
    case HelpTopic::ResultsScreen:
        html = resultsHtml();
        break;
    case HelpTopic::Minerals:
        html = mineralsHtml(document, devicePixelRatio);
        break;
    case HelpTopic::About:
        html = aboutHtml();
        break;
    }
    document.setHtml(html);
}

} // namespace quorvel::help
