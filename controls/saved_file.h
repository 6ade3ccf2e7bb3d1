// Where a file the pupil saves goes: on a desktop, to the file chosen in the desktop's own save
// dialog; on a web page, to the browser's downloads, since the page can reach no folder.
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace quorvel {

struct SaveOutcome {
    bool saved = false;
    QString error; // why a chosen file could not be written; empty when saved or cancelled
};

// Asks where to save, then writes bytes there whole or not at all: a failed write leaves any
// file already there as it was. suggestedName is a file name without a folder.
SaveOutcome saveWithDialog(QWidget* parent, const QString& title, const QString& suggestedName,
                           const QString& filter, const QByteArray& bytes);

// Whether the program can print: not on a web page, which has no printer Qt can reach, so the
// build leaves printing out there (CMakeLists.txt); the pupil saves the CSV file instead.
bool printingAvailable();

// Writes bytes to path whole or not at all; the error says why it failed, empty on success.
QString writeWhole(const QString& path, const QByteArray& bytes);

} // namespace quorvel
