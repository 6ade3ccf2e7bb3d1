// A label with a coloured background, as the screens' captions and record are.
#pragma once

#include "controls/twips.h"

#include <QColor>
#include <QLabel>
#include <QRectF>
#include <string>

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

    // A word of the experiment's record ("Yes" or "No"), which the rules compare exactly. The
    // label shows it in the pupil's language; the record keeps the word itself, so an experiment
    // grows the same whatever language it was designed in.
    void setRecord(const std::string& word);
    const std::string& record() const { return m_record; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_accessibleSubject;
    std::string m_record;
    QRectF m_twips;
};

} // namespace quorvel
