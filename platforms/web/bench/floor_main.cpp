// The floor of the browser benchmark: an empty Qt widget window, built as Quorvel is, so that
// Quorvel's start-up is measured against what Qt itself costs in a page.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.showMaximized();
    return QApplication::exec();
}
