// The record table's labels, shared by the Design and Results screens.
#include "controls/record_table.h"

#include "controls/twips.h"
#include "pictures/palette.h"
#include "shell/rules/record.h"

namespace quorvel {

namespace {
constexpr std::array<const char*, kMineralCount + 1> kMineralCaption = {
    "Mineral", "Nitrogen", "Potassium", "Magnesium", "Iron", "Phosphorus", "Calcium"};
constexpr std::array<int, kMineralCount + 1> kRowTopTwips = {1080, 1680, 2160, 2640,
                                                             3120, 3600, 4080};
constexpr int kRowHeightTwips = 375;
constexpr int kMineralWidthTwips = 1335;
constexpr int kAddedWidthTwips = 1095;
} // namespace

RecordLabels makeRecordLabels(QWidget* parent, int mineralLeftTwips, int addedLeftTwips)
{
    const QColor background(palette::kPaleYellow);
    RecordLabels labels;
    for (std::size_t i = 0; i < kMineralCaption.size(); ++i) {
        const QString mineral = QString::fromLatin1(kMineralCaption[i]);
        labels.mineral[i] = new CaptionLabel(mineral, background, Qt::AlignLeft, parent);
        placeInTwips(labels.mineral[i], mineralLeftTwips, kRowTopTwips[i], kMineralWidthTwips,
                     kRowHeightTwips);
        labels.added[i] =
            new CaptionLabel(i == 0 ? QStringLiteral("Added") : QString::fromStdString(kNo),
                             background, Qt::AlignHCenter, parent);
        placeInTwips(labels.added[i], addedLeftTwips, kRowTopTwips[i], kAddedWidthTwips,
                     kRowHeightTwips);
        if (i > 0)
            labels.added[i]->setAccessibleSubject(mineral + QStringLiteral(" added"));
    }
    return labels;
}

} // namespace quorvel
