// The program's one Help window: not a screen of the experiment, so it never activates a screen
// and never asks to quit.
#pragma once

#include "help/help_topics.h"

#include <QWidget>

class QListWidget;
class QPushButton;
class QTextBrowser;

namespace quorvel {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    // Shows the window on the topic and brings it to the front.
    void showTopic(help::HelpTopic topic);
    help::HelpTopic topic() const { return m_topic; }

    QTextBrowser* browser() const { return m_browser; }
    QPushButton* closeButton() const { return m_close; }

Q_SIGNALS:
    // The pupil followed the link to the notebook.
    void notebookAsked();

private:
    void render(help::HelpTopic topic);

    QListWidget* m_contents = nullptr;
    QTextBrowser* m_browser = nullptr;
    QPushButton* m_close = nullptr;
    help::HelpTopic m_topic = help::HelpTopic::DesignScreen;
};

} // namespace quorvel
