// A shell wired for tests: scripted quit answers, a recorded end of the program, a fresh generator.
#pragma once

#include "experiment_oracle.h"
#include "layout_oracle.h"

#include "controls/pointer_shape.h"
#include "design/design_window.h"
#include "model/random_source.h"
#include "pictures/graphics.h"
#include "results/results_window.h"
#include "shell/shell.h"
#include "shell/translations.h"

#include <QCursor>
#include <QGuiApplication>
#include <QRubberBand>
#include <QTest>
#include <cmath>
#include <deque>
#include <functional>
#include <memory>

namespace testing {

// A place from the screens' layout, in twips, as the pixels it must cover at 1x (15 twips to a
// pixel, rounded). Written apart from the program's own conversion, so that a fault there shows.
inline int pixelsOf(double twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

inline QRect twips(int left, int top, int width, int height)
{
    return QRect(pixelsOf(left), pixelsOf(top), pixelsOf(width), pixelsOf(height));
}

inline QRect twips(const layout::Twips& place)
{
    return twips(place.left, place.top, place.width, place.height);
}

// The number of the picture a control shows among the store's pictures of that kind (a leaf's 0
// to 15, a tube's 0 to 3), as the behaviour numbers them; -1 for a picture of another kind.
template <typename Kind> int shownNumber(const quorvel::ImageControl* control)
{
    const Kind* shown = std::get_if<Kind>(&control->picture());
    return shown ? int(*shown) : -1;
}

// Whether a control shows this picture of the store, and the pixmap the pupil then sees.
inline bool shows(const quorvel::ImageControl* control, quorvel::PictureName picture)
{
    return control->picture() == picture;
}
inline const QPixmap& shownPixmap(const quorvel::ImageControl* control)
{
    return quorvel::Graphics::instance().picture(control->picture());
}

// The pointer as the pupil sees it over the program's windows.
inline quorvel::PointerShape pointerShape()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    if (!cursor)
        return quorvel::PointerShape::Default;
    switch (cursor->shape()) {
    case Qt::CrossCursor:
        return quorvel::PointerShape::Crosshair;
    case Qt::ForbiddenCursor:
        return quorvel::PointerShape::NoDrop;
    default:
        return quorvel::PointerShape::Default;
    }
}

// Placing the ruler, as the pupil sees it: the ruler has gone from the screen and the pointer is
// the crosshair (the no-drop sign over a leaf) until a press or a key puts the ruler down.
inline bool placingRuler(const quorvel::ResultsWindow& w)
{
    return !w.Ruler()->isVisibleTo(&w) && pointerShape() != quorvel::PointerShape::Default;
}

// The outline of where the ruler would land, while the screen shows one.
inline const QRubberBand* rulerOutline(const quorvel::ResultsWindow& w)
{
    const auto* outline = w.findChild<QRubberBand*>();
    return outline && outline->isVisibleTo(&w) ? outline : nullptr;
}

// Installs a language for one test (empty for English) and English again after it.
struct Language {
    explicit Language(const QString& name)
    {
        if (!name.isEmpty())
            QVERIFY(quorvel::translations::install(name));
    }
    ~Language() { quorvel::translations::install(QString()); }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;
};

// A test's "language" column: a row for each language the program speaks, after an "en" row for
// English (an empty name) when asked.
enum class WithEnglish { No, Yes };
inline void addLanguageRows(WithEnglish english)
{
    QTest::addColumn<QString>("language");
    if (english == WithEnglish::Yes)
        QTest::newRow("en") << QString();
    for (const QString& language : quorvel::translations::available())
        QTest::newRow(qPrintable(language)) << language;
}

struct ScreenFixture {
    // windowFrame stands in for a window manager's frames, which the offscreen platform never
    // draws; without it the windows have the platform's.
    explicit ScreenFixture(std::function<QMargins(const QWidget&)> windowFrame = {});
    ~ScreenFixture();

    quorvel::DesignWindow& design() { return shell->design(); }
    quorvel::ResultsWindow& results() { return shell->results(); }

    // The one way the tests grow an experiment, each step a click as the pupil's: water if asked,
    // the minerals given in index order, the cutting if asked; grow() then presses "See Results".
    void fill(oracle::Given given, bool water = true, bool cutting = true);
    quorvel::ResultsWindow& grow(oracle::Given given, bool water = true, bool cutting = true);

    // Clicks a button as the pupil would, with the mouse.
    static void click(QWidget* button);
    // Asks the window to close, as the window system does when the pupil closes it.
    static void closeWindow(QWidget* window);
    // A window-system activation: the pupil returning from another application.
    static void windowSystemActivation(QWidget* window);

    std::deque<int> answers; // what the pupil answers to the quit box; No when empty
    int asked = 0;
    int ended = 0;
    // The program's generator; a test may hand out values of its own instead.
    std::function<float()> random = [source = quorvel::RandomSource()]() mutable {
        return source.next();
    };
    std::unique_ptr<quorvel::Shell> shell;
};

} // namespace testing
