#include "frame/FunctionList.h"

#include <QMouseEvent>
#include <QStyleOptionViewItem>

namespace plovex {

FunctionList::FunctionList(QWidget* parent)
    : QListWidget(parent)
{
    setIconSize(QSize(kSwatchSize, kSwatchSize));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void FunctionList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListWidgetItem* item = itemAt(event->position().toPoint());
    if (item) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = visualItemRect(item);
        option.features |= QStyleOptionViewItem::HasCheckIndicator
            | QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
        option.text = item->text();
        option.icon = item->icon();
        const QRect swatch
            = style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
        if (swatch.contains(event->position().toPoint())) {
            emit SwatchDoubleClicked(row(item));
            return;
        }
    }
    QListWidget::mouseDoubleClickEvent(event);
}

} // namespace plovex
