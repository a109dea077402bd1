#include "program_style.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <optional>

namespace quarnel {

namespace {

// Asks the style for a standard icon the first time the icon is used.
class DeferredStandardIcon : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap which,
                         Qt::LayoutDirection direction)
        : style_(style), which_(which), direction_(direction) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("quarnel.deferred-standard"); }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

private:
    const QIcon& icon() {
        if (!icon_) {
            QStyleOption option;
            option.direction = direction_;
            // A style that is gone has no icon to give.
            icon_ = style_ ? style_->standardIcon(which_, &option) : QIcon();
        }
        return *icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    Qt::LayoutDirection direction_;
    std::optional<QIcon> icon_;
};

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    const Qt::LayoutDirection direction =
        option ? option->direction : QGuiApplication::layoutDirection();
    return QIcon(new DeferredStandardIcon(baseStyle(), icon, direction));
}

} // namespace quarnel
