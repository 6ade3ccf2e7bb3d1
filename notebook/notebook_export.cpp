// CSV and the printed page.
#include "notebook/notebook_export.h"

#include "notebook/bar_chart.h"
#include "notebook/notebook_table.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>

namespace quorvel {

namespace {

QList<NotebookColumn> columns(bool withModelHeights)
{
    QList<NotebookColumn> shown;
    for (int c = 0; c < kNotebookColumnCount; ++c) {
        if (NotebookColumn(c) != NotebookColumn::ModelHeight || withModelHeights)
            shown.append(NotebookColumn(c));
    }
    return shown;
}

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The printed page is laid out at the screen's 96 to the inch, then scaled to the device.
constexpr double kLayoutDpi = 96.0;
constexpr double kPrintPointSize = 8.5;
constexpr double kMarginMillimetres = 15;
// The chart takes what the table leaves of the page, within these shares of its width.
constexpr double kLeastChartShare = 0.35;
constexpr double kMostChartShare = 0.6;

void fillDocument(QTextDocument& document, const NotebookTable& notebook, bool withModelHeights,
                  Qt::LayoutDirection direction)
{
    QTextCursor cursor(&document);
    QTextBlockFormat block;
    block.setLayoutDirection(direction);
    QTextCharFormat title;
    QFont larger = document.defaultFont();
    larger.setPixelSize(document.defaultFont().pixelSize() * 3 / 2);
    larger.setBold(true);
    title.setFont(larger);
    cursor.setBlockFormat(block);
    cursor.insertText(notebookTitle(), title);

    const QList<NotebookColumn> shown = columns(withModelHeights);
    QTextTableFormat format;
    format.setLayoutDirection(direction);
    format.setHeaderRowCount(1);
    format.setCellPadding(2);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setCellSpacing(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorder(0.5);
    format.setTopMargin(8);
    QTextTable* table = cursor.insertTable(notebook.rowCount() + 1, int(shown.size()), format);
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    for (int c = 0; c < shown.size(); ++c) {
        table->cellAt(0, c).firstCursorPosition().insertText(notebook.heading(shown[c]), heading);
        for (int row = 0; row < notebook.rowCount(); ++row)
            table->cellAt(row + 1, c)
                .firstCursorPosition()
                .insertText(notebook.text(row, shown[c]));
    }
}

} // namespace

QString notebookTitle()
{
    return QCoreApplication::translate("quorvel::NotebookWindow", "Quorvel Notebook");
}

QByteArray notebookCsv(const NotebookTable& notebook, bool withModelHeights)
{
    const QList<NotebookColumn> shown = columns(withModelHeights);
    QStringList lines;
    QStringList fields;
    for (NotebookColumn column : shown)
        fields.append(csvField(notebook.heading(column)));
    lines.append(fields.join(QLatin1Char(',')));
    for (int row = 0; row < notebook.rowCount(); ++row) {
        fields.clear();
        for (NotebookColumn column : shown)
            fields.append(csvField(notebook.plainText(row, column)));
        lines.append(fields.join(QLatin1Char(',')));
    }
    // Records end in CR LF, as the common description of CSV has them.
    return QByteArrayLiteral("\xEF\xBB\xBF") + lines.join(QLatin1String("\r\n")).toUtf8() +
           QByteArrayLiteral("\r\n");
}

bool printNotebook(QPagedPaintDevice& device, const NotebookTable& notebook, bool withModelHeights,
                   const QFont& screenFont, Qt::LayoutDirection direction)
{
    // In pixels of the layout, not in points: a point size would be taken at the device's own
    // resolution and then scaled a second time with the page.
    // The page is set smaller than the screen is, so that eleven columns fit across A4 or Letter.
    QFont font = screenFont;
    font.setPixelSize(qRound(kPrintPointSize * kLayoutDpi / 72.0));
    device.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = painter.viewport();
    double scale = device.logicalDpiX() / kLayoutDpi;
    const double width = page.width() / scale;
    const double height = page.height() / scale;

    QTextDocument document;
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setTextWidth(width);
    fillDocument(document, notebook, withModelHeights, direction);
    const double tableHeight = document.size().height();
    const double chartHeight =
        std::clamp(height - tableHeight, width * kLeastChartShare, width * kMostChartShare);
    // A lesson too long for the page is drawn smaller, whole.
    const double shrink = std::min(1.0, height / (tableHeight + chartHeight));
    scale *= shrink;

    painter.scale(scale, scale);
    document.drawContents(&painter);
    const double gap = QFontMetricsF(font).height();
    drawBarChart(painter, QRectF(0, tableHeight + gap, width, chartHeight - gap), notebook,
                 {font, direction, withModelHeights, -1});
    return painter.end();
}

} // namespace quorvel
