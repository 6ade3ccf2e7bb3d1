// The command buttons of both screens.
#include "controls/command_button.h"

#include "controls/screen_font.h"
#include "controls/twips_window.h"

namespace quorvel {

CommandButton::CommandButton(const QString& caption, QWidget* parent, const QRectF& twips)
    : QPushButton(caption, parent)
    , m_twips(twips)
{
    // Return presses the focused button, as Space does, like the command buttons pupils know.
    setAutoDefault(true);
    // A right press must not fall through to the window (where, while the ruler is being placed,
    // it would place it).
    setAttribute(Qt::WA_NoMousePropagation);
    applyFrame(twipsFrameOf(parent));
}

void CommandButton::applyFrame(const TwipsFrame& frame)
{
    setFont(screenFont(frame.scale));
    setGeometry(frame.rect(m_twips));
}

QString shownCaption(const QString& caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size())
            break;
        shown += caption[i];
    }
    return shown;
}

QPushButton* makeCommandButton(QWidget* parent, const QString& caption, const ButtonPlace& place)
{
    return new CommandButton(caption, parent,
                             QRectF(place.left, place.top, place.width, place.height));
}

} // namespace quorvel
