// Saving through the desktop's dialog, or the browser's download on a web page.
#include "controls/saved_file.h"

#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QStandardPaths>

namespace quorvel {

QString writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

bool printingAvailable()
{
#ifdef QUORVEL_PRINTING
    return true;
#else
    return false;
#endif
}

SaveOutcome saveWithDialog(QWidget* parent, const QString& title, const QString& suggestedName,
                           const QString& filter, const QByteArray& bytes)
{
#ifdef Q_OS_WASM
    Q_UNUSED(parent);
    Q_UNUSED(title);
    Q_UNUSED(filter);
    QFileDialog::saveFileContent(bytes, suggestedName);
    return {true, {}};
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString path =
        QFileDialog::getSaveFileName(parent, title, QDir(folder).filePath(suggestedName), filter);
    if (path.isEmpty())
        return {};
    const QString error = writeWhole(path, bytes);
    return {error.isEmpty(), error};
#endif
}

} // namespace quorvel
