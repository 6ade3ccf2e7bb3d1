// The Help window: a table of contents beside rich text that screen readers can read.
#include "help/help_window.h"

#include "pictures/drawings.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFont>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvel {

namespace {
constexpr int kContentsWidthPixels = 240;
constexpr int kContentsPaddingPixels = 12;
// The size the screens' own captions are read at: help for ten-year-olds is not fine print.
constexpr int kTextPointSize = 12;
constexpr QSize kStartSizePixels(860, 680);
} // namespace

HelpWindow::HelpWindow()
{
    setWindowTitle(QCoreApplication::translate("HelpWindow", "Quorvel Help"));
    // Made on the first F1, long after start-up, so drawing the icon delays no screen.
    setWindowIcon(drawings::programIcon());
    QFont readable = font();
    readable.setPointSize(kTextPointSize);
    setFont(readable);
    m_contents = new QListWidget(this);
    m_contents->setAccessibleName(QCoreApplication::translate("HelpWindow", "Contents"));
    for (int i = 0; i < help::kTopicCount; ++i)
        m_contents->addItem(help::topicTitle(help::HelpTopic(i)));
    // Wide enough for the longest title in the pupil's language, never cut off.
    m_contents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_contents->setFixedWidth(std::max(kContentsWidthPixels, m_contents->sizeHintForColumn(0) +
                                                                 2 * m_contents->frameWidth() +
                                                                 kContentsPaddingPixels));
    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(false);
    m_browser->setAccessibleName(QCoreApplication::translate("HelpWindow", "Help text"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_close = buttons->button(QDialogButtonBox::Close);

    auto* topics = new QHBoxLayout;
    topics->addWidget(m_contents);
    topics->addWidget(m_browser, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topics, 1);
    layout->addWidget(buttons);
    resize(kStartSizePixels);

    connect(m_contents, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < help::kTopicCount)
            render(help::HelpTopic(row));
    });
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        if (link == help::notebookLink())
            Q_EMIT notebookAsked();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    m_contents->setCurrentRow(0);
}

void HelpWindow::showTopic(help::HelpTopic topic)
{
    m_contents->setCurrentRow(int(topic));
    render(topic); // also when the row was current already: the display's scale may have changed
    show();
    raise();
    activateWindow();
    m_browser->setFocus(Qt::OtherFocusReason);
}

void HelpWindow::render(help::HelpTopic topic)
{
    m_topic = topic;
    help::fillDocument(*m_browser->document(), topic, devicePixelRatioF());
}

} // namespace quorvel
