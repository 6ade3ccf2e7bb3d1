// The web page's side of the program: the only calls into the browser.
#include "shell/web_page.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QWidget>

#if defined(Q_OS_WASM)
#include <emscripten/val.h>
#include <string>
#endif

namespace quorvel::webpage {

void showFirstScreen(QWidget& screen)
{
    if constexpr (kInPage)
        screen.showMaximized();
    else
        screen.show();
}

void tellPageProgramEnded()
{
#if defined(Q_OS_WASM)
    // quorvel.html defines quorvelEnded(); a page without it keeps its empty canvas.
    const emscripten::val page = emscripten::val::global("window");
    if (page["quorvelEnded"].isUndefined())
        return;
    page.call<void>("quorvelEnded",
                    QCoreApplication::translate("WebPage", "Quorvel has ended.").toStdString(),
                    QCoreApplication::translate("WebPage", "Start Quorvel again").toStdString(),
                    QLocale().bcp47Name().toStdString(),
                    std::string(QGuiApplication::isRightToLeft() ? "rtl" : "ltr"));
#endif
}

} // namespace quorvel::webpage
