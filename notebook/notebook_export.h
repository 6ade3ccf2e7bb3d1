// The notebook out of the program: as a CSV file for spreadsheets, and on a printed page.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QString>

class QPagedPaintDevice;

namespace quorvel {

class NotebookTable;

// The table as CSV: UTF-8 with a byte-order mark, so that spreadsheets take it as UTF-8 in every
// language; a heading row, then one row per experiment; heights in plain digits with a point.
// The column of the model's heights is written only when it is shown.
QByteArray notebookCsv(const NotebookTable& notebook, bool withModelHeights);

// Draws the table and the chart on one page of device, in the pupil's language and direction,
// smaller if a long lesson needs it. Returns false if the device could not be painted on.
bool printNotebook(QPagedPaintDevice& device, const NotebookTable& notebook, bool withModelHeights,
                   const QFont& font, Qt::LayoutDirection direction);

// The notebook's title, on the window and the printed page.
QString notebookTitle();

} // namespace quorvel
