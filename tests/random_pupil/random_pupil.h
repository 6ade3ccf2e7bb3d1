// A tireless pupil: seeded random actions through the real windows' widgets, each followed by a
// comparison of both screens with the reference model.
#pragma once

#include "pupil_model.h"

#include "../support/screen_fixture.h"

#include <QElapsedTimer>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <limits>
#include <random>

namespace pupil {

struct AccessKey;

// On Qt's offscreen platform, two screens, the second at twice the pixel density, so that moving
// a window between them is one of the actions. Call before the application object exists.
void askForTwoScreens(int argc, char* argv[]);
// Tens of thousands of actions make Qt repeat two harmless remarks thousands of times; this
// handler, installed after any other, drops just those two.
void quietenRepeatedRemarks();

class RandomPupil {
public:
    explicit RandomPupil(std::uint64_t seed);

    // Runs count actions and then quits with Yes. Returns an empty string when every check held,
    // otherwise what differed, with the seed and the actions that led there.
    QString run(int count);
    // The same in parts: play() runs count more actions, checking after each, and may be called
    // again; quit() then answers Yes.
    QString play(int count);
    QString quit();
    // A failure reports only the last count actions, so that the log of a session of any length
    // stays the same size. By default it reports all of them.
    void keepLastActions(int count) { m_kept = count; }
    // The Design screen's client size at scale 1, which the resizes start from.
    QSize laidOut() const { return m_model.laidOut; }
    // What the run exercised, in a line.
    QString tally() const;

private:
    void act();
    void planExperiment();
    void clickButton();
    void clickButton(int id);
    void accessKey();
    void accessKey(const AccessKey& key);
    void keyOnFocus();
    void keyOnFocus(Qt::Key key, bool shift);
    void placeByKeyboard();
    void touch();
    void click(bool doubleClick);
    void drag(bool fromRuler);
    void hover();
    void closeWindow();
    void windowActivation();
    void switchScreen();
    void resizeWindow();
    void toggleFullScreen();
    void waitForTick();
    void look();
    void openAndCloseHelp();
    void openAndCloseNotebook();
    // Activates the window for keys; false, with the action marked skipped, when it never became
    // active.
    bool bringToFront(QWidget& window);
    void quitWithYes();

    QString check() const;
    QString failure(const QString& what) const;

    QWidget& visibleWindow();
    QPushButton* button(int id);
    int idOf(const QWidget* widget);
    QPoint randomPoint(bool mayLeaveWindow);
    Qt::MouseButton randomButton();
    int below(int n);
    bool chance(double probability);
    void log(const QString& action);

    std::uint64_t m_seed;
    std::mt19937_64 m_rng;
    std::mt19937 m_drawSource; // the program's generator, replaced by a seeded one
    testing::ScreenFixture m_fixture;
    PupilModel m_model;
    QStringList m_actions;
    qint64 m_logged = 0; // every action logged, also those no longer kept
    qsizetype m_kept = std::numeric_limits<qsizetype>::max();
    std::deque<int> m_plan; // Design buttons of a whole experiment, pressed one per action
    QElapsedTimer m_clock;
    int m_inactiveWindows = 0;
    int m_helpVisits = 0;
    int m_notebookVisits = 0;
    bool m_movedScreens = false;
    QPointingDevice* m_touchScreen = nullptr;
};

} // namespace pupil
