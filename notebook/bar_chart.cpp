// The bar chart's layout, its drawing and its rows for screen readers.
#include "notebook/bar_chart.h"

#include "model/ruler_rules.h"
#include "notebook/notebook_table.h"
#include "pictures/palette.h"
#include "results/measuring_ruler.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// The scale shows at least this many units, so that short bars look short.
constexpr int kLeastTopUnits = 10;
// In lines of the chart's font.
constexpr double kLabelLines = 3.5;
constexpr double kBarShareOfSlot = 0.6;
// A lesson of one or two experiments draws bars no wider than this, in lines of the font.
constexpr double kWidestBarLines = 4;

// Where everything goes, in the coordinates of the area drawn into.
struct ChartGeometry {
    QRectF plot; // the bars stand on its bottom edge
    double slotWidth = 0;
    int topUnits = kLeastTopUnits;
    Qt::LayoutDirection direction = Qt::LeftToRight;

    QRectF slot(int row) const
    {
        const double start = direction == Qt::LeftToRight ? plot.left() + row * slotWidth
                                                          : plot.right() - (row + 1) * slotWidth;
        return {start, plot.top(), slotWidth, plot.height()};
    }
    double yOf(double units) const { return plot.bottom() - plot.height() * units / topUnits; }
};

int titleLines(bool showModelHeights)
{
    return showModelHeights ? 3 : 2;
}

std::optional<double> readingUnits(const NotebookEntry& entry)
{
    if (!entry.readingTwips)
        return std::nullopt;
    return rulerReading(*entry.readingTwips);
}

ChartGeometry chartGeometry(const QRectF& area, const NotebookTable& notebook, const QFont& font,
                            Qt::LayoutDirection direction, bool showModelHeights)
{
    const QFontMetricsF metrics(font);
    ChartGeometry g;
    g.direction = direction;
    double highest = 0;
    for (const NotebookEntry& entry : notebook.notebook().entries()) {
        highest = std::max(highest, readingUnits(entry).value_or(0.0));
        if (showModelHeights)
            highest = std::max(highest, rulerReading(entry.run.stemTwips));
    }
    g.topUnits = std::max(kLeastTopUnits, int(std::ceil(highest)));
    const double scaleWidth =
        metrics.horizontalAdvance(QLocale().toString(g.topUnits)) + metrics.height();
    // The titles, then room for the tallest bar's value.
    const double top = area.top() + (titleLines(showModelHeights) + 1.2) * metrics.height();
    const double bottom = area.bottom() - kLabelLines * metrics.height();
    const double left = direction == Qt::LeftToRight ? area.left() + scaleWidth
                                                     : area.left() + metrics.height() / 2;
    const double right = direction == Qt::LeftToRight ? area.right() - metrics.height() / 2
                                                      : area.right() - scaleWidth;
    g.plot = QRectF(QPointF(left, top), QPointF(right, std::max(top + 1, bottom)));
    g.slotWidth = g.plot.width() / std::max(1, notebook.rowCount());
    return g;
}

} // namespace

ChartRows::ChartRows(const NotebookTable& notebook, QObject* parent)
    : QAbstractTableModel(parent)
    , m_notebook(notebook)
{
    // Every change to the notebook is small and rare: the chart starts afresh.
    connect(&notebook, &NotebookTable::notebookChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int ChartRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_notebook.rowCount();
}

int ChartRows::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ChartRows::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    if (index.column() == LeftOut)
        //: A bar's label: the experiment's number, then what it left out.
        return QCoreApplication::translate("quorvel::BarChart", "%1: %2")
            .arg(m_notebook.text(index.row(), NotebookColumn::Number),
                 NotebookTable::leftOut(
                     m_notebook.notebook().entries()[std::size_t(index.row())].run));
    const QString height = m_notebook.text(index.row(), NotebookColumn::Height);
    return height.isEmpty() ? QCoreApplication::translate("quorvel::BarChart", "not measured")
                            : height;
}

QVariant ChartRows::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == LeftOut
                   ? QCoreApplication::translate("quorvel::BarChart", "What it left out")
                   : m_notebook.heading(NotebookColumn::Height);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void drawBarChart(QPainter& painter, const QRectF& area, const NotebookTable& notebook,
                  const ChartLook& look)
{
    const ChartGeometry g =
        chartGeometry(area, notebook, look.font, look.direction, look.showModelHeights);
    const QFontMetricsF metrics(look.font);
    const double line = metrics.height();
    // Places are worked out on the page as it is, so alignments are absolute: a painter set to
    // right to left would mirror a plain left or right once more.
    const Qt::Alignment leading =
        Qt::AlignAbsolute | (look.direction == Qt::LeftToRight ? Qt::AlignLeft : Qt::AlignRight);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(look.font);
    painter.setLayoutDirection(look.direction);
    const QPen text(Qt::black);
    const QPen grid(QColor(palette::kLightGrey), 0);

    // The titles on top, from the scale's side.
    painter.setPen(text);
    QStringList titles = {
        QCoreApplication::translate("quorvel::BarChart", "Height you read, in units of the ruler"),
        QCoreApplication::translate(
            "quorvel::BarChart", "Under each bar: the experiment's number and what it left out")};
    if (look.showModelHeights)
        titles.append(QCoreApplication::translate("quorvel::BarChart",
                                                  "Dashed line: the height according to Quorvel"));
    for (int i = 0; i < titles.size(); ++i)
        painter.drawText(QRectF(area.left(), area.top() + i * line, area.width(), line),
                         leading | Qt::AlignVCenter, titles[i]);

    // The scale: a line and a number at every whole unit, like the ruler's own marks.
    const int labelEvery = g.topUnits > 20 ? 5 : (g.topUnits > 10 ? 2 : 1);
    for (int unit = 0; unit <= g.topUnits; ++unit) {
        const double y = g.yOf(unit);
        painter.setPen(unit == 0 ? QPen(Qt::black, 0) : grid);
        painter.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
        if (unit % labelEvery != 0)
            continue;
        painter.setPen(text);
        const QRectF number =
            look.direction == Qt::LeftToRight
                ? QRectF(area.left(), y - line / 2, g.plot.left() - area.left() - line / 2, line)
                : QRectF(g.plot.right() + line / 2, y - line / 2,
                         area.right() - g.plot.right() - line / 2, line);
        painter.drawText(number,
                         Qt::AlignAbsolute |
                             (look.direction == Qt::LeftToRight ? Qt::AlignRight : Qt::AlignLeft) |
                             Qt::AlignVCenter,
                         QLocale().toString(unit));
    }

    const auto& entries = notebook.notebook().entries();
    for (int row = 0; row < int(entries.size()); ++row) {
        const NotebookEntry& entry = entries[std::size_t(row)];
        const QRectF slot = g.slot(row);
        const double barWidth = std::min(slot.width() * kBarShareOfSlot, kWidestBarLines * line);
        const double barLeft = slot.center().x() - barWidth / 2;
        if (const auto units = readingUnits(entry)) {
            const QRectF bar(QPointF(barLeft, g.yOf(*units)),
                             QPointF(barLeft + barWidth, g.plot.bottom()));
            painter.fillRect(bar, QColor(palette::kDarkGreen));
            painter.setPen(text);
            painter.drawText(QRectF(slot.left(), bar.top() - line, slot.width(), line),
                             Qt::AlignCenter, notebook.text(row, NotebookColumn::Height));
        } else {
            painter.setPen(text);
            painter.drawText(
                QRectF(slot.left(), g.plot.bottom() - 2.2 * line, slot.width(), 2 * line),
                Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap,
                QCoreApplication::translate("quorvel::BarChart", "not measured"));
        }
        if (look.showModelHeights) {
            // The teacher's mark: a dashed line across the slot at the height Quorvel grew.
            const double y = g.yOf(rulerReading(entry.run.stemTwips));
            painter.setPen(QPen(Qt::black, std::max(1.0, line / 10), Qt::DashLine));
            painter.drawLine(QPointF(slot.left() + line / 4, y),
                             QPointF(slot.right() - line / 4, y));
        }
        // Under the bar: its number, then what it left out.
        painter.setPen(text);
        const QRectF label(slot.left(), g.plot.bottom() + line / 4, slot.width(),
                           kLabelLines * line - line / 4);
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         notebook.text(row, NotebookColumn::Number) + QLatin1Char('\n') +
                             NotebookTable::leftOut(entry.run));
        if (row == look.currentRow) {
            painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(slot.adjusted(1, 1, -1, kLabelLines * line - 1));
        }
    }
    painter.restore();
}

BarChart::BarChart(const NotebookTable& notebook, QWidget* parent)
    : QTableView(parent)
    , m_notebook(notebook)
    , m_rows(notebook)
{
    setModel(&m_rows);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setShowGrid(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setTabKeyNavigation(false);
    setAccessibleName(tr("Bar chart of the heights you read"));
    setAccessibleDescription(tr("One bar for each experiment. The arrow keys go from bar to bar."));
    viewport()->setBackgroundRole(QPalette::Base);
}

void BarChart::setShowModelHeights(bool show)
{
    m_showModelHeights = show;
    viewport()->update();
}

QSize BarChart::sizeHint() const
{
    const int line = fontMetrics().height();
    return {40 * line, 18 * line};
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    const int line = fontMetrics().height();
    drawBarChart(
        painter, QRectF(viewport()->rect()).adjusted(line / 2, line / 2, -line / 2, 0), m_notebook,
        {font(), layoutDirection(), m_showModelHeights, hasFocus() ? currentIndex().row() : -1});
}

QRect BarChart::slotRect(int row) const
{
    const int line = fontMetrics().height();
    const QRectF area = QRectF(viewport()->rect()).adjusted(line / 2, line / 2, -line / 2, 0);
    const ChartGeometry g =
        chartGeometry(area, m_notebook, font(), layoutDirection(), m_showModelHeights);
    return g.slot(row).adjusted(0, 0, 0, kLabelLines * line).toAlignedRect();
}

QRect BarChart::visualRect(const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    const QRect slot = slotRect(index.row());
    // The label's cell is the slot's foot; the height's, the bar's column above it.
    const int split = slot.bottom() - int(kLabelLines * fontMetrics().height());
    return index.column() == ChartRows::LeftOut
               ? QRect(slot.left(), split, slot.width(), slot.bottom() - split)
               : QRect(slot.left(), slot.top(), slot.width(), split - slot.top());
}

QModelIndex BarChart::indexAt(const QPoint& point) const
{
    for (int row = 0; row < m_rows.rowCount(); ++row) {
        for (int column = 0; column < 2; ++column) {
            const QModelIndex index = m_rows.index(row, column);
            if (visualRect(index).contains(point))
                return index;
        }
    }
    return {};
}

void BarChart::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    viewport()->update();
}

} // namespace quorvel
