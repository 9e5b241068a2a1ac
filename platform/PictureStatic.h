#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QList>
#include <QPointF>

namespace plovex {

// A static control with a one-pixel border whose client area (inside the border) shows a
// picture the program drew. It keeps that picture and paints it whenever the system asks,
// so a graph survives being covered, minimised and restored. Mouse input passes through to
// the window beneath. Assistive technology reads it as an image with a description of
// what the picture shows. When it has the focus its border shows the highlight colour.
class PictureStatic : public QFrame {
    Q_OBJECT

public:
    explicit PictureStatic(QWidget* parent = nullptr);

    // The client area's size: W by H.
    QSize ClientSize() const;
    // A point of `from` in client coordinates, (0, 0) being the top-left pixel inside the border.
    QPoint ToClient(const QWidget& from, const QPoint& point) const;

    // What the client area shows, as an RGB32 image of the client size: the last picture,
    // or the plain background while there is none.
    QImage Picture() const;
    // Shows `picture` at the next paint.
    void SetPicture(const QImage& picture);

    // Small rings of `colour` centred on `centres` (client coordinates) over the picture,
    // until the next SetPicture.
    void SetMarks(const QList<QPointF>& centres, const QColor& colour);
    const QList<QPointF>& Marks() const { return m_marks; }

    // What the picture shows, in words.
    const QString& Description() const { return m_description; }
    // Sets the description and announces it, also when it reads as before: a new picture
    // has been drawn.
    void SetDescription(const QString& description);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage m_picture;
    QString m_description;
    QList<QPointF> m_marks;
    QColor m_markColour;
};

} // namespace plovex
