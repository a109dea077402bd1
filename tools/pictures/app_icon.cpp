#include "app_icon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace quarnel::pictures {

QImage renderIcon(const QString& svgFile, int size) {
    QSvgRenderer renderer(svgFile);
    if (!renderer.isValid())
        return {};
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(0, 0, size, size));
    p.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

} // namespace quarnel::pictures
