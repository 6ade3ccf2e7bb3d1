// A shell wired for tests: scripted quit answers, a recorded end of the program, a fresh generator.
#pragma once

#include "design/design_window.h"
#include "pictures/graphics.h"
#include "results/results_window.h"
#include "shell/shell.h"

#include <QTest>
#include <deque>
#include <memory>

namespace testing {

// Which picture of a store array a control shows (the same shared image), or -1 for none of them.
using StorePicture = const QPixmap& (quorvel::Graphics::*)(int) const;
int storeIndex(StorePicture array, int count, const QPixmap& shown);

struct ScreenFixture {
    ScreenFixture();
    ~ScreenFixture();

    quorvel::DesignWindow& design() { return shell->design(); }
    quorvel::ResultsWindow& results() { return shell->results(); }

    // Clicks a button as the pupil would, with the mouse.
    static void click(QWidget* button);
    // Asks the window to close, as the window system does when the pupil closes it.
    static void closeWindow(QWidget* window);
    // A window-system activation: the pupil returning from another application.
    static void windowSystemActivation(QWidget* window);

    std::deque<int> answers; // what the pupil answers to the quit box; No when empty
    int asked = 0;
    int ended = 0;
    quorvel::RandomSource random;
    std::unique_ptr<quorvel::Shell> shell;
};

} // namespace testing
