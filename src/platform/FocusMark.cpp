#include "platform/FocusMark.h"

#include <QPainter>

namespace quorvane {

void FocusMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    const bool focused = opt.state & QStyle::State_HasFocus;
    opt.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, opt, index);
    if (!focused) return;
    const QPalette::ColorGroup group = opt.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    QColor back = opt.palette.color(group, QPalette::Base);
    if (opt.state & QStyle::State_Selected)
        back = opt.palette.color(group, QPalette::Highlight);
    else if (QVariant b = index.data(Qt::BackgroundRole); b.canConvert<QBrush>() && b.value<QBrush>().style() != Qt::NoBrush)
        back = b.value<QBrush>().color();
    painter->save();
    painter->setPen(QPen(toQColor(focusMarkOn(toRgb(back))), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(opt.rect).adjusted(0.5, 0.5, -0.5, -0.5));
    painter->restore();
}

}  // namespace quorvane
