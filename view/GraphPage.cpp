#include "view/GraphPage.h"

#include "view/DrawnGraph.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace plovex {

bool PrintGraphPage(
    QPrinter& printer, const DrawnGraph& graph, const std::vector<CaptionLine>& caption)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // In device pixels, with (0, 0) at the top left of the printable area.
    const QRect page(
        QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());

    QFont font = QGuiApplication::font();
    font.setPointSize(12);
    painter.setFont(font);
    constexpr int kFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    int captionBottom = page.top();
    for (const CaptionLine& line : caption) {
        const QRect rest(page.left(), captionBottom, page.width(), page.bottom() - captionBottom);
        painter.setPen(line.colour);
        const QRect lineRect = painter.boundingRect(rest, kFlags, line.text);
        painter.drawText(rest, kFlags, line.text);
        captionBottom = lineRect.bottom() + 1;
    }

    const int gap = QFontMetrics(font, &printer).height();
    const QRect free(page.left(), captionBottom + gap, page.width(),
        std::max(0, page.height() - (captionBottom - page.top()) - gap));
    const QImage& picture = graph.picture;
    if (picture.isNull() || free.isEmpty())
        return painter.end();
    if (graph.redrawable && painter.paintEngine()->hasFeature(QPaintEngine::PainterPaths)) {
        const double scale = std::min(static_cast<double>(free.width()) / graph.width,
            static_cast<double>(free.height()) / graph.height);
        painter.translate(free.left() + (free.width() - graph.width * scale) / 2, free.top());
        painter.scale(scale, scale);
        painter.setClipRect(QRect(0, 0, graph.width, graph.height));
        graph.Paint(painter);
        return painter.end();
    }
    const int scale = std::min(free.width() / picture.width(), free.height() / picture.height());
    const QSize size = scale >= 1 ? picture.size() * scale
                                  : picture.size().scaled(free.size(), Qt::KeepAspectRatio);
    // A print preview records the page and shows it shrunk to the screen, where smoothing
    // keeps one-pixel lines from dropping out; paper gets sharp pixels.
    const bool preview = printer.paintEngine()->type() == QPaintEngine::Picture;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale < 1 || preview);
    // Stored as the picture's own pixels, never recompressed with loss.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    const QRect target(QPoint(free.left() + (free.width() - size.width()) / 2, free.top()), size);
    painter.drawImage(target, picture);
    return painter.end();
}

} // namespace plovex
