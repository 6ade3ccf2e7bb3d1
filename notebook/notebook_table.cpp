// The notebook's cells, headings and the words of its rows.
#include "notebook/notebook_table.h"

#include "controls/record_table.h"
#include "model/ruler_rules.h"
#include "pictures/graphics.h"
#include "results/measuring_ruler.h"

#include <QLocale>
#include <QStringList>

namespace quorvel {

namespace {
QString yesOrNo(bool given)
{
    return recordWord(given ? kYes : kNo);
}

Mineral mineralOf(NotebookColumn column)
{
    return Mineral(int(column) - int(NotebookColumn::FirstMineral) + 1);
}

bool isMineral(NotebookColumn column)
{
    return column >= NotebookColumn::FirstMineral && column < NotebookColumn::Leaves;
}
} // namespace

NotebookTable::NotebookTable(QObject* parent)
    : QAbstractTableModel(parent)
{}

void NotebookTable::addRun(const GrowthRun& run)
{
    const int row = int(m_notebook.entries().size());
    beginInsertRows({}, row, row);
    m_onScreen = m_notebook.add(run);
    endInsertRows();
    Q_EMIT notebookChanged();
}

void NotebookTable::setReading(std::optional<int> readingTwips)
{
    const auto row = m_notebook.find(m_onScreen);
    if (!row)
        return;
    m_notebook.setReading(m_onScreen, readingTwips);
    const QModelIndex height = index(int(*row), int(NotebookColumn::Height));
    Q_EMIT dataChanged(height, height);
    Q_EMIT notebookChanged();
}

void NotebookTable::removeRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_notebook.remove(m_notebook.entries()[std::size_t(row)].number);
    endRemoveRows();
    Q_EMIT notebookChanged();
}

void NotebookTable::clear()
{
    beginResetModel();
    m_notebook.clear();
    endResetModel();
    Q_EMIT notebookChanged();
}

int NotebookTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_notebook.entries().size());
}

int NotebookTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kNotebookColumnCount;
}

QVariant NotebookTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto column = NotebookColumn(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), column);
    case Qt::TextAlignmentRole:
        // Numbers line up on their right as in any table of results; words read from the start.
        if (column == NotebookColumn::Number || column == NotebookColumn::Height ||
            column == NotebookColumn::ModelHeight)
            return QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeading | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant NotebookTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kNotebookColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return heading(NotebookColumn(section));
}

QString NotebookTable::heading(NotebookColumn column) const
{
    if (isMineral(column))
        return mineralCaption(mineralOf(column));
    switch (column) {
    case NotebookColumn::Number:
        //: The column of the experiments' numbers: 1, 2, 3...
        return tr("Experiment");
    case NotebookColumn::Water:
        return tr("Water");
    case NotebookColumn::Leaves:
        return tr("Leaves");
    case NotebookColumn::Height:
        return tr("Height you read");
    case NotebookColumn::ModelHeight:
        return tr("Height according to Quorvel");
    default:
        return {};
    }
}

QString NotebookTable::text(int row, NotebookColumn column) const
{
    const NotebookEntry& entry = m_notebook.entries()[std::size_t(row)];
    switch (column) {
    case NotebookColumn::Number:
        return QLocale().toString(entry.number);
    case NotebookColumn::Height:
        return entry.readingTwips ? MeasuringRuler::units(*entry.readingTwips) : QString();
    case NotebookColumn::ModelHeight:
        return MeasuringRuler::units(entry.run.stemTwips);
    default:
        return plainText(row, column);
    }
}

QString NotebookTable::plainText(int row, NotebookColumn column) const
{
    const NotebookEntry& entry = m_notebook.entries()[std::size_t(row)];
    if (isMineral(column))
        return yesOrNo(entry.run.given[std::size_t(quorvel::index(mineralOf(column)) - 1)]);
    switch (column) {
    case NotebookColumn::Number:
        return QString::number(entry.number);
    case NotebookColumn::Water:
        return yesOrNo(entry.run.water);
    case NotebookColumn::Leaves:
        return leafWords(entry.run);
    case NotebookColumn::Height:
        return entry.readingTwips ? QString::number(rulerReading(*entry.readingTwips), 'f', 1)
                                  : QString();
    case NotebookColumn::ModelHeight:
        return QString::number(rulerReading(entry.run.stemTwips), 'f', 1);
    default:
        return {};
    }
}

QString NotebookTable::leftOut(const GrowthRun& run)
{
    QStringList names;
    if (!run.water)
        names.append(tr("Water"));
    for (Mineral mineral : kMinerals) {
        if (!run.given[std::size_t(quorvel::index(mineral) - 1)])
            names.append(mineralCaption(mineral));
    }
    if (names.isEmpty())
        //: On the chart, under an experiment that left nothing out.
        return tr("Nothing");
    //: Between two names in a list; Arabic and Chinese write their own comma.
    return names.join(tr(", "));
}

QString NotebookTable::leafWords(const GrowthRun& run)
{
    QStringList looks;
    const Graphics& store = Graphics::instance();
    for (LeafPicture leaf : run.leaves) {
        const QString look = store.description(leaf);
        if (!looks.contains(look))
            looks.append(look);
    }
    if (looks.isEmpty())
        return tr("No leaves");
    //: Between two leaves' looks, which may hold commas themselves.
    return looks.join(tr("; "));
}

} // namespace quorvel
