// The record table's labels, shared by the Design and Results screens.
#include "controls/record_table.h"

#include "pictures/palette.h"

#include <QCoreApplication>

namespace quorvel {

namespace {
constexpr std::array<const char*, kMineralCount + 1> kMineralCaption = {
    QT_TRANSLATE_NOOP("RecordTable", "Mineral"),   QT_TRANSLATE_NOOP("RecordTable", "Nitrogen"),
    QT_TRANSLATE_NOOP("RecordTable", "Potassium"), QT_TRANSLATE_NOOP("RecordTable", "Magnesium"),
    QT_TRANSLATE_NOOP("RecordTable", "Iron"),      QT_TRANSLATE_NOOP("RecordTable", "Phosphorus"),
    QT_TRANSLATE_NOOP("RecordTable", "Calcium")};
// The record's words, for the translations to find; the labels show them through setRecord.
[[maybe_unused]] constexpr std::array<const char*, 2> kRecordWords = {
    QT_TRANSLATE_NOOP("RecordTable", "Yes"), QT_TRANSLATE_NOOP("RecordTable", "No")};
constexpr std::array<int, kMineralCount + 1> kRowTopTwips = {1080, 1680, 2160, 2640,
                                                             3120, 3600, 4080};
constexpr int kRowHeightTwips = 375;
constexpr int kMineralWidthTwips = 1335;
constexpr int kAddedWidthTwips = 1095;
} // namespace

QString mineralCaption(Mineral mineral)
{
    return QCoreApplication::translate("RecordTable", kMineralCaption[std::size_t(index(mineral))]);
}

QString recordWord(const std::string& record)
{
    return QCoreApplication::translate("RecordTable", record.c_str());
}

RecordTable::RecordTable(QWidget* parent, int mineralLeftTwips, int addedLeftTwips)
{
    const QColor background(palette::kPaleYellow);
    for (std::size_t i = 0; i < kMineralCaption.size(); ++i) {
        const QString mineral = QCoreApplication::translate("RecordTable", kMineralCaption[i]);
        m_mineral[i] = new CaptionLabel(mineral, background, Qt::AlignLeft, parent);
        m_mineral[i]->setTwipsGeometry(mineralLeftTwips, kRowTopTwips[i], kMineralWidthTwips,
                                       kRowHeightTwips);
        m_added[i] = new CaptionLabel(QString(), background, Qt::AlignHCenter, parent);
        if (i == 0)
            m_added[i]->setText(QCoreApplication::translate("RecordTable", "Added"));
        else
            setRecord(int(i), kNo);
        m_added[i]->setTwipsGeometry(addedLeftTwips, kRowTopTwips[i], kAddedWidthTwips,
                                     kRowHeightTwips);
        if (i > 0)
            m_added[i]->setAccessibleSubject(
                QCoreApplication::translate("RecordTable", "%1 added").arg(mineral));
    }
}

void RecordTable::setRecord(int index, const std::string& word)
{
    m_record[std::size_t(index)] = word;
    m_added[std::size_t(index)]->setText(recordWord(word));
}

} // namespace quorvel
