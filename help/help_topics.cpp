// The help's texts: a few whole paragraphs per topic for translators, with every number and leaf
// look filled in from the rules and the pictures, so the help tells what the program grows.
#include "help/help_topics.h"

#include "controls/record_table.h"
#include "design/design_window.h"
#include "help/mineral_texts.h"
#include "model/outcome_rules.h"
#include "pictures/graphics.h"
#include "results/measuring_ruler.h"
#include "results/results_window.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <array>
#include <optional>

#ifndef QUORVEL_VERSION
#error "QUORVEL_VERSION comes from the project's version in CMakeLists.txt"
#endif
#ifndef QUORVEL_GUIDE_DIR
#error "QUORVEL_GUIDE_DIR comes from the install layout in CMakeLists.txt"
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

constexpr std::array<const char*, 2> kKeys = {
    QT_TRANSLATE_NOOP("HelpWindow", "Using the keyboard"),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Every button has one underlined letter: hold down Alt and press that "
                      "letter to click the button. Tab moves to the next button and Shift+Tab "
                      "to the one before; Return or Space clicks the button that is marked. F11 "
                      "fills the whole screen with Quorvel, and Escape brings back the window. F1 "
                      "opens this help, and Escape closes it again."),
};

QString notebookKeys()
{
    return QCoreApplication::translate("HelpWindow",
                                       "Ctrl+H opens your notebook from either screen. In it, the "
                                       "arrow keys go from experiment to experiment, Delete "
                                       "deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P "
                                       "prints it, and Escape closes it.");
}

QString heading(int level, const QString& text)
{
    return QStringLiteral("<h%1>%2</h%1>").arg(level).arg(text.toHtmlEscaped());
}

QString paragraph(const QString& text)
{
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QString list(const QStringList& items)
{
    QString html = QStringLiteral("<ul>");
    for (const QString& item : items)
        html += QStringLiteral("<li>") + item.toHtmlEscaped() + QStringLiteral("</li>");
    return html + QStringLiteral("</ul>");
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

QString keysSection()
{
    return heading(2, translated(kKeys[0])) + paragraph(translated(kKeys[1])) +
           paragraph(notebookKeys()) + QStringLiteral("<p>") + measuringTheStem(Markup::Html)[1] +
           QStringLiteral("</p>") +
           paragraph(QCoreApplication::translate(
               "HelpWindow",
               "A screen reader hears what each step changed: the mineral added and the record, "
               "what the tube holds, the cutting, how tall the stem grew and what its leaves "
               "show, where the ruler's outline is, and what the stem reads on the ruler."));
}

// The notebook, and the link that opens it.
QString notebookParagraph()
{
    const QString link =
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(notebookLink().toString(),
                 QCoreApplication::translate("HelpWindow", "Open the notebook").toHtmlEscaped());
    return QStringLiteral("<p>") +
           QCoreApplication::translate(
               "HelpWindow",
               "Quorvel writes every plant you grow into your notebook: what it was given, what "
               "its leaves show, and the height you read at the foot of the stem when you put "
               "the ruler down. Compare your experiments there in a table and a bar chart, save "
               "them for a spreadsheet, or print them. %1, or press Ctrl+H.")
               .toHtmlEscaped()
               .arg(link) +
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
               "and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, "
               "a cutting without water hardly grows and has no leaves at all.")) +
           QStringLiteral("<p>") + measuringTheStem(Markup::Html)[0] + QStringLiteral("</p>") +
           notebookParagraph() +
           paragraphNaming(QCoreApplication::translate(
                               "HelpWindow",
                               "%1 takes you back to plan the next one, with an empty tube. %2 "
                               "ends Quorvel (it asks you first)."),
                           ResultsWindow::commandCaption(ResultsCommand::NewExperiment),
                           ResultsWindow::commandCaption(ResultsCommand::Quit)) +
           keysSection();
}

// The other mineral whose shortage alone grows the same symptom leaf, if there is one.
std::optional<Mineral> sameLeafAs(Mineral mineral)
{
    const LeafPicture picture = shortageFacts(mineral).symptomPicture;
    for (Mineral other : kMinerals)
        if (other != mineral && shortageFacts(other).symptomPicture == picture)
            return other;
    return std::nullopt;
}

QString mineralsHtml(QTextDocument& document, qreal devicePixelRatio)
{
    const Outcome full = grownWithWater(0);
    QString html = heading(1, topicTitle(HelpTopic::Minerals)) +
                   paragraph(QCoreApplication::translate(
                       "HelpWindow",
                       "Green plants make their own food. In their leaves they use the energy of "
                       "sunlight to turn water, and carbon dioxide from the air, into sugar: this "
                       "is called photosynthesis. The carbon dioxide gets in through tiny holes in "
                       "the leaves. The green substance in leaves that catches the sunlight is "
                       "called chlorophyll. It absorbs red and blue light and reflects green "
                       "light, and that is why leaves look green.")) +
                   paragraph(QCoreApplication::translate(
                       "HelpWindow",
                       "To build chlorophyll and the rest of its body, a plant also needs small "
                       "amounts of minerals. Its roots take them up from the soil, as mineral "
                       "salts dissolved in water. That is where its nitrogen comes from too: the "
                       "air is mostly nitrogen gas, but a plant cannot use it from the air.")) +
                   paragraph(QCoreApplication::translate(
                       "HelpWindow",
                       "When a plant gets too little of a mineral, it has a deficiency of that "
                       "mineral. It grows less, and its leaves often change colour or shape. The "
                       "leaves give you a clue, not an answer: different deficiencies can look "
                       "alike. That is why scientists test one mineral at a time.")) +
                   paragraph(QCoreApplication::translate(
                                 "HelpWindow",
                                 "In Quorvel, a cutting given water and all six minerals grows a "
                                 "stem %1 units long on the ruler, with %n healthy leaves.",
                                 nullptr, full.leavesGrown)
                                 .arg(MeasuringRuler::units(full.stemTwips)));
    const Graphics& store = Graphics::instance();
    for (Mineral mineral : kMinerals) {
        const ShortageFacts facts = shortageFacts(mineral);
        const QString look = store.description(facts.symptomPicture);
        html += heading(2, mineralCaption(mineral)) + paragraph(mineralUse(mineral)) +
                paragraph(QCoreApplication::translate(
                              "HelpWindow",
                              "In Quorvel, a cutting given water and every mineral except this "
                              "one grows a stem %1 units long and %n leaves. Look for this leaf:",
                              nullptr, int(facts.leafPictures.size()))
                              .arg(MeasuringRuler::units(facts.stemTwips)));
        const QString name = leafResourceName(facts.symptomPicture);
        const QPixmap& leaf = store.picture(facts.symptomPicture);
        document.addResource(QTextDocument::ImageResource, QUrl(name),
                             store.picture(facts.symptomPicture, devicePixelRatio));
        html += QStringLiteral("<p><img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\"><br>"
                               "<i>%4</i></p>")
                    .arg(name)
                    .arg(leaf.width())
                    .arg(leaf.height())
                    .arg(look.toHtmlEscaped());
        if (const std::optional<Mineral> other = sameLeafAs(mineral))
            html += paragraphNaming(QCoreApplication::translate(
                                        "HelpWindow",
                                        "In Quorvel, a cutting without %1 grows this same leaf, "
                                        "so the leaf alone cannot tell you which of the two is "
                                        "missing."),
                                    mineralCaption(*other));
        if (const QString differs = whereQuorvelDiffers(mineral); !differs.isEmpty())
            html += paragraph(differs);
    }
    return html + heading(2, simplificationsTitle()) + list(simplifications());
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
                         "HelpWindow",
                         "For teachers, a guide with a lesson plan, questions with answers and "
                         "every result of the experiment comes with Quorvel, in each language it "
                         "speaks. On Linux it is in the folder %1.")
                         .arg(QStringLiteral(QUORVEL_GUIDE_DIR))) +
           paragraph(QCoreApplication::translate(
               "HelpWindow", "Made by the Quorvel developers, for pupils and their teachers."));
}

} // namespace

QStringList measuringTheStem(Markup markup)
{
    const auto text = [markup](const QString& words) {
        return markup == Markup::Html ? words.toHtmlEscaped() : words;
    };
    const auto marked = [markup](const QString& name) {
        return markup == Markup::Html ? bold(name)
                                      : QStringLiteral("**") + name + QStringLiteral("**");
    };
    const QString button = marked(ResultsWindow::commandCaption(ResultsCommand::MoveRuler));
    return {
        text(QCoreApplication::translate(
                 "HelpWindow",
                 "Measure the stem with the ruler. There are two ways. Drag it: press the "
                 "mouse button on the ruler, move it beside the stem and let go. Or click %1, "
                 "then click where the top of the ruler should go. Put the ruler's 0 level with "
                 "the top of the stem, and read the number beside the foot of the stem, where it "
                 "comes out of the tube: that is its height in the ruler's units, which are "
                 "Quorvel's own and not centimetres. A cutting given water and every mineral "
                 "grows %2 units tall."))
            .arg(button, marked(MeasuringRuler::units(grownWithWater(0).stemTwips))),
        text(QCoreApplication::translate(
                 "HelpWindow",
                 "To measure with the keyboard, click %1, then press an arrow key: an outline "
                 "of the ruler appears. Each arrow moves it one unit of the ruler. Going up or "
                 "down, it stops on the way where its zero mark is level with the top of the "
                 "stem. Shift with an arrow moves it one small step, to put the zero mark "
                 "exactly level. Return or Space puts the ruler where the outline is, unless "
                 "something is in the way; Escape stops and leaves the ruler where it was."))
            .arg(button),
    };
}

ShortageFacts shortageFacts(Mineral missing)
{
    const Outcome outcome = grownWithWater(1u << (index(missing) - 1));
    // With water every leaf that grows has its picture from this run's rule.
    ShortageFacts facts{outcome.stemTwips, {}, LeafPicture::HealthyLeft};
    for (int k = 0; k < outcome.leavesGrown; ++k)
        facts.leafPictures.push_back(outcome.pictures[std::size_t(k)].value());
    const auto healthy = [](LeafPicture picture) {
        return picture == LeafPicture::HealthyLeft || picture == LeafPicture::HealthyRight;
    };
    const auto symptom =
        std::find_if_not(facts.leafPictures.begin(), facts.leafPictures.end(), healthy);
    if (symptom != facts.leafPictures.end())
        facts.symptomPicture = *symptom;
    return facts;
}

QString notebookHint()
{
    return QCoreApplication::translate("HelpWindow",
                                       "Press Ctrl+H for your notebook of this lesson's "
                                       "experiments.");
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
                     "F1 for help.") +
                     QLatin1Char(' ') + notebookHint()
               : QCoreApplication::translate(
                     "HelpWindow",
                     "Plan your experiment: fill the test tube with water and minerals and put a "
                     "plant cutting in. Press F1 for help.");
}

QUrl notebookLink()
{
    return QUrl(QStringLiteral("quorvel:notebook"));
}

QString leafResourceName(LeafPicture picture)
{
    return QStringLiteral("quorvel-leaf:%1").arg(int(picture));
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
