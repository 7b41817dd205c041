#pragma once
// Qt's side of readable colours: the desktop's colours checked against the
// windows' fixed backgrounds, and a focus mark that stands out from its cell.
#include "platform/Contrast.h"

#include <QColor>
#include <QStyledItemDelegate>

namespace quorvane {

inline Rgb toRgb(const QColor& c) {
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}
inline QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }
inline QColor readableOn(const QColor& systemText, const QColor& fixedBackground) {
    return toQColor(readableOn(toRgb(systemText), toRgb(fixedBackground)));
}
inline QColor backgroundFor(const QColor& fixedText, const QColor& systemBackground) {
    return toQColor(backgroundFor(toRgb(fixedText), toRgb(systemBackground)));
}

// Draws items as usual, but marks the current item of a focused view with a
// solid outline in black or white instead of the style's faint tint.
class FocusMarkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace quorvane
