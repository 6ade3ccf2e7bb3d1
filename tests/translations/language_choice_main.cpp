// Prints the language the program would choose from this process's environment, and nothing
// else: "language: de", or "language: " for English.
#include "shell/translations.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString language = quorvel::translations::installForDesktop();
    std::printf("language: %s\n", qPrintable(language));
    return 0;
}
