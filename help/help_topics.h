// The help's topics as rich text, their facts taken from the program's own rules and pictures.
#pragma once

#include "model/experiment_state.h"
#include "model/picture_names.h"

#include <QString>
#include <QStringList>
#include <vector>

class QTextDocument;
class QUrl;

namespace quorvel::help {

enum class HelpTopic : int {
    DesignScreen = 0,
    ResultsScreen = 1,
    Minerals = 2,
    About = 3,
};
constexpr int kTopicCount = 4;

// What a cutting with water and every mineral but one grows, as the rules decide it.
struct ShortageFacts {
    int stemTwips;
    std::vector<LeafPicture> leafPictures; // the leaves that grow, from the bottom up
    LeafPicture symptomPicture;            // the first leaf that shows the shortage
};
ShortageFacts shortageFacts(Mineral missing);

QString topicTitle(HelpTopic topic);
// The accessible description of the screen the topic belongs to, ending with the F1 hint.
QString screenDescription(HelpTopic topic);

// Fills the document with the topic, its pictures drawn for the given device pixel ratio and
// added to it as image resources.
void fillDocument(QTextDocument& document, HelpTopic topic, qreal devicePixelRatio);

// The Help's two ways of measuring the stem, by mouse and by keyboard, one paragraph each, with
// the button and the full-grown height in bold: as rich text for the Help, and as Markdown for the
// teacher's guides, which quote them.
enum class Markup { Html, Markdown };
QStringList measuringTheStem(Markup markup);

// How to open the notebook, one sentence, for the Results screen's description and tooltips.
QString notebookHint();
// Where the Results topic's link to the notebook points.
QUrl notebookLink();

// The name under which the document holds a leaf picture.
QString leafResourceName(LeafPicture picture);

} // namespace quorvel::help
