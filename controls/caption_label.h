// A label with a coloured background, as the screens' captions and record are.
#pragma once

#include "controls/twips.h"

#include <QColor>
#include <QLabel>
#include <QRectF>

namespace quorvel {

// It takes mouse presses itself, as a control does, so they never reach the window's surface
// beneath it.
class CaptionLabel : public QLabel, public TwipsPlaced {
    Q_OBJECT
public:
    CaptionLabel(const QString& caption, const QColor& background, Qt::Alignment alignment,
                 QWidget* parent);

    // What the caption is about, for screen readers: with a subject such as "Nitrogen added",
    // the label's accessible name is "Nitrogen added: Yes" and follows every change of the text.
    // Without one, the name is the text itself.
    void setAccessibleSubject(const QString& subject);
    void setTwipsGeometry(double left, double top, double width, double height);
    void applyFrame(const TwipsFrame& frame) override;
    const QString& accessibleSubject() const { return m_accessibleSubject; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_accessibleSubject;
    QRectF m_twips;
};

} // namespace quorvel
