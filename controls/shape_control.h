// A solid rectangle with a 1-pixel black border.
#pragma once

#include <QColor>
#include <QWidget>

namespace quorvel {

// Takes no input: presses fall through to the window.
class ShapeControl : public QWidget {
    Q_OBJECT
public:
    ShapeControl(QWidget* parent, const QColor& fill, double left, double top, double width,
                 double height);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
};

} // namespace quorvel
