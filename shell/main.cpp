// Starts Quorvel on the Design screen.
#include "shell/shell.h"
#include "shell/translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.quorvel"));
    // Screens are only hidden and shown; the program ends only through the quit confirmation.
    QApplication::setQuitOnLastWindowClosed(false);
    quorvel::translations::installForDesktop();

    quorvel::Shell shell;
    shell.start();
    return QApplication::exec();
}
