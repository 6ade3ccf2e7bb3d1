// The kinds of control that both screens are built from, placed and sized in twips.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace quorvel {

// Sets a widget's geometry from twips (15 to a pixel).
void placeInTwips(QWidget* widget, double left, double top, double width, double height);

// The font of every button and label: 12 point, plain, sans-serif.
QFont screenFont();

// A command button with an access key (the & in its caption).
QPushButton* makeButton(QWidget* parent, const QString& caption, double left, double top,
                        double width, double height);

// A label with a coloured background. It takes mouse presses and moves itself, as a control
// does, so they never reach the window's surface beneath it.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    CaptionLabel(const QString& caption, const QColor& background, Qt::Alignment alignment,
                 QWidget* parent);

    // What the caption is about, for screen readers: with a subject such as "Nitrogen added",
    // the label's accessible name is "Nitrogen added: Yes" and follows every change of the text.
    // Without one, the name is the text itself.
    void setAccessibleSubject(const QString& subject);
    const QString& accessibleSubject() const { return m_accessibleSubject; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_accessibleSubject;
};

// A picture shown from the control's top-left corner at its natural size, or stretched to fill
// the control. Its position is kept in twips, unrounded, as the screens' rules set it.
// On a high-density display a catalogue picture is painted from its sharp rendition; the
// control still holds, and hands out, the 1x picture it was given. Screen readers hear the
// control's accessible name and, as its description, what the picture shows.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    enum class Input { TakesPress, Transparent };
    enum class Fit { NaturalSize, Stretch };

    ImageControl(QWidget* parent, double left, double top, double width, double height,
                 Input input = Input::TakesPress, Fit fit = Fit::NaturalSize);

    // Takes the picture by implicit sharing: the control and the giver show one image.
    // The accessible description becomes the catalogue's words for it.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

    float left() const { return m_left; }
    float top() const { return m_top; }
    void setLeft(float twips);
    void setTop(float twips);

Q_SIGNALS:
    // Emitted for every position the control is given, so an observer sees each step of a move.
    void topChanged(float twips);
    // Mouse events on the control, in twips from its top-left corner (any button).
    void pressed(float x, float y);
    void released(float x, float y);
    void mouseMoved(float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void applyPosition();

    QPixmap m_picture;
    float m_left;
    float m_top;
    Fit m_fit;
};

// A picture drawn as vectors and stretched to the control. Takes no input. Like the shapes and
// lines below, screen readers see it as a graphic with the accessible name the screen gives it.
class VectorImage : public QWidget {
    Q_OBJECT
public:
    using Drawing = std::function<void(QPainter&, const QRectF&)>;
    VectorImage(QWidget* parent, Drawing drawing, double left, double top, double width,
                double height);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing m_drawing;
};

// A solid rectangle with a 1-pixel border. Takes no input: presses fall through to the window.
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

// A straight line between two points in twips. Takes no input.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QWidget* parent, const QColor& colour, int widthPixels, float x1, float y1,
                float x2, float y2);

    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    void setX1(float twips);
    void setY1(float twips);
    void setX2(float twips);
    void setY2(float twips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyGeometry();

    QColor m_colour;
    int m_widthPixels;
    float m_x1, m_y1, m_x2, m_y2;
    QPoint m_origin; // the end points' pixel frame within the widget
};

} // namespace quorvel
