// What differs when Quorvel runs in a web page rather than as a desktop program, in one place.
#pragma once

#include <QtGlobal>

class QWidget;

namespace quorvel::webpage {

#if defined(Q_OS_WASM)
// A browser cannot run a nested event loop (a message box's exec()), and a page is the screens'
// whole desktop: each screen fills it, and the page stays after the program ends.
inline constexpr bool kInPage = true;
#else
inline constexpr bool kInPage = false;
#endif

// Shows the first screen: in a page, filling it, so the layout is drawn as large as the page
// allows (switching screens keeps the view); elsewhere at its own size.
void showFirstScreen(QWidget& screen);

// After a confirmed quit: the page replaces the empty canvas with a note that Quorvel has ended
// and a button to start it again, in the program's language. Nothing elsewhere.
void tellPageProgramEnded();

} // namespace quorvel::webpage
