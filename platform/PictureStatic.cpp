#include "platform/PictureStatic.h"

#include <QPainter>

namespace plovex {

PictureStatic::PictureStatic(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize PictureStatic::ClientSize() const
{
    return contentsRect().size();
}

QPoint PictureStatic::ToClient(const QWidget& from, const QPoint& point) const
{
    return mapFrom(&from, point) - contentsRect().topLeft();
}

QImage PictureStatic::Picture() const
{
    if (m_picture.size() == ClientSize())
        return m_picture;
    QImage blank(ClientSize(), QImage::Format_RGB32);
    blank.fill(palette().color(QPalette::Window));
    return blank;
}

void PictureStatic::SetPicture(const QImage& picture)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

void PictureStatic::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_picture.size() == ClientSize())
        painter.drawImage(contentsRect().topLeft(), m_picture);
    else
        painter.fillRect(contentsRect(), palette().window());
    painter.end();
    QFrame::paintEvent(event);
}

} // namespace plovex
