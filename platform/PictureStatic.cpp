#include "platform/PictureStatic.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace plovex {
namespace {

// An image, not a frame, to assistive technology; its description follows the picture.
class AccessiblePicture : public QAccessibleWidget {
public:
    explicit AccessiblePicture(PictureStatic* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description)
            return static_cast<const PictureStatic*>(widget())->Description();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* AccessibleInterfaceFor(const QString&, QObject* object)
{
    if (auto* picture = qobject_cast<PictureStatic*>(object))
        return new AccessiblePicture(picture);
    return nullptr;
}

} // namespace

PictureStatic::PictureStatic(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Once, before assistive technology first asks about a picture.
    static const bool accessible = (QAccessible::installFactory(AccessibleInterfaceFor), true);
    Q_UNUSED(accessible);
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
    m_marks.clear();
    update();
}

void PictureStatic::SetMarks(const QList<QPointF>& centres, const QColor& colour)
{
    m_marks = centres;
    m_markColour = colour;
    update();
}

void PictureStatic::SetDescription(const QString& description)
{
    m_description = description;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void PictureStatic::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_picture.size() == ClientSize())
        painter.drawImage(contentsRect().topLeft(), m_picture);
    else
        painter.fillRect(contentsRect(), palette().window());
    if (!m_marks.isEmpty()) {
        constexpr double kRingRadius = 4.5;
        painter.setClipRect(contentsRect());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(m_markColour, 1.5));
        painter.setBrush(Qt::NoBrush);
        // A pixel's centre is half a pixel inside its corner.
        const QPointF origin = QPointF(contentsRect().topLeft()) + QPointF(0.5, 0.5);
        // Far off the area (a pole's value) nothing shows: such rings are not drawn at all.
        const QRectF near = QRectF(contentsRect()).adjusted(-10, -10, 10, 10);
        for (const QPointF& centre : m_marks) {
            if (near.contains(origin + centre))
                painter.drawEllipse(origin + centre, kRingRadius, kRingRadius);
        }
    }
    painter.end();
    QFrame::paintEvent(event);
    // With the focus the border takes the highlight: the picture inside stays as drawn.
    if (hasFocus()) {
        QPainter border(this);
        border.setPen(palette().color(QPalette::Highlight));
        border.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureStatic::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    update();
}

void PictureStatic::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    update();
}

} // namespace plovex
