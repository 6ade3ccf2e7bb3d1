// The real quit confirmation box.
#include "shell/confirm_quit.h"

#include "shell/web_page.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <memory>

namespace quorvel {

namespace {
// The box's Yes and No, and the Close of the Help and the notebook, are Qt's standard buttons,
// named by Qt's own translations, which Debian ships for most languages but not for all (Swedish,
// Greek). The program's translations carry the words too; Qt's translation is installed after the
// program's, so where it exists it wins.
[[maybe_unused]] constexpr const char* kStandardButtonWords[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"), QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close")};
} // namespace

int askToQuit(QWidget* parent, const std::function<void()>& yesLater)
{
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Question, QCoreApplication::translate("QuitBox", "Talvessa"),
        QCoreApplication::translate("QuitBox", "Do you really want to quit?"),
        QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    // Screen readers announce the box by its title; the question is its description.
    box->setAccessibleDescription(box->text());
    if constexpr (webpage::kInPage) {
        QMessageBox* open = box.release();
        open->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(open, &QMessageBox::finished, open, [yesLater](int result) {
            if (result == QMessageBox::Yes)
                yesLater();
        });
        open->open();
        return kAnswerNo;
    }
    return box->exec() == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

} // namespace quorvel
