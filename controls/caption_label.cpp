// A label with a coloured background.
#include "controls/caption_label.h"

#include "controls/screen_font.h"
#include "controls/twips_window.h"

#include <QAccessible>
#include <QMouseEvent>

namespace quorvel {

CaptionLabel::CaptionLabel(const QString& caption, const QColor& background,
                           Qt::Alignment alignment, QWidget* parent)
    : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
    setFont(screenFont());
    setAlignment(alignment | Qt::AlignTop);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAttribute(Qt::WA_NoMousePropagation);
}

void CaptionLabel::setAccessibleSubject(const QString& subject)
{
    if (subject == m_accessibleSubject)
        return;
    m_accessibleSubject = subject;
    // QLabel announces a change of its text itself; a change of the subject is announced here.
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void CaptionLabel::setTwipsGeometry(double left, double top, double width, double height)
{
    m_twips = QRectF(left, top, width, height);
    applyFrame(twipsFrameOf(this));
}

void CaptionLabel::applyFrame(const TwipsFrame& frame)
{
    setFont(screenFont(frame.scale));
    if (!m_twips.isNull())
        setGeometry(frame.rect(m_twips));
}

void CaptionLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

} // namespace quorvel
