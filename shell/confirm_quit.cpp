// The real quit confirmation box.
#include "shell/confirm_quit.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace quorvel {

int askToQuit(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("QuitBox", "Talvessa"),
                    QCoreApplication::translate("QuitBox", "Do you really want to quit?"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    // Screen readers announce the box by its title; the question is its description.
    box.setAccessibleDescription(box.text());
    return box.exec() == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

} // namespace quorvel
