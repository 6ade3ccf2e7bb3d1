// What a step of the experiment changed, told to a screen reader in a few words.
#pragma once

#include <QString>
#include <QWidget>

namespace quorvel {

// Never shown: screen readers hear it as a notification, each time a message is announced. Qt
// 6.4's bridge has no announcement of its own, and Orca speaks a changed name or description
// only of the focused control (whose own words would then change); a notification that appears
// is spoken whatever has the focus, once.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    // Spoken once; while the window is not yet the active one (a screen just switched to), when
    // it becomes active, after the screen reader has named the window.
    void announce(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void speak(const QString& text);

    QString m_pending;
};

} // namespace quorvel
