#include "resources/AppIcon.h"

#include <QIconEngine>
#include <QPainter>

#include <array>
#include <map>

namespace quorvane {
namespace {
constexpr std::array kSizes{16, 22, 24, 32, 48, 64, 128, 256};

// Reads a size's file only when that size is drawn: a plain QIcon decodes
// every file it is given at once, which would cost start-up the larger sizes
// that no one may ever see.
class LazyIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int want = std::max(size.width(), size.height());
        int pick = kSizes.back();
        for (int s : kSizes)
            if (s >= want) { pick = s; break; }
        QPixmap& px = cache_[pick];
        if (px.isNull()) px.load(QStringLiteral(":/icons/%1x%1/apps/org.quorvane.Quorvane.png").arg(pick));
        QPixmap out = px.size() == size ? px : px.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Disabled) return QIcon(out).pixmap(size, QIcon::Disabled);
        return out;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    // What a window hands the window manager: every size up to twice the
    // taskbar's 32 pixels. Docks and menus take the theme's icon instead.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> all;
        for (int s : kSizes)
            if (s <= 64) all.append(QSize(s, s));
        return all;
    }
    QIconEngine* clone() const override { return new LazyIconEngine(*this); }
    QString key() const override { return QStringLiteral("QuorvaneLazyIcon"); }

private:
    std::map<int, QPixmap> cache_;
};
}  // namespace

QIcon appIcon() { return QIcon(new LazyIconEngine); }
QPixmap appIconPixmap() { return appIcon().pixmap(32); }
}  // namespace quorvane
