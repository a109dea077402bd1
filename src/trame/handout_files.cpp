#include "handout_files.h"

#include "drawing.h"
#include "output_file.h"

#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace quarnel::trame {

namespace {

// 150 dpi: the PNG's text is as sharp as a printed page's for a projector or a slide.
constexpr double kPngPixelsPerPoint = 150.0 / 72.0;

} // namespace

void writeSvg(const HandoutContent& content, QIODevice& device) {
    const HandoutLayout layout(content, HandoutLayout::Pages::OnePage);
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setResolution(72); // one SVG unit is one point
    svg.setSize(layout.pageSize().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), layout.pageSize()));
    svg.setTitle(content.title + QStringLiteral(" : ") + content.formatLine);
    svg.setDescription(content.levels);
    QPainter painter(&svg);
    painter.fillRect(QRectF(QPointF(0, 0), layout.pageSize()), Qt::white);
    layout.render(painter, 0);
}

void writePdf(const HandoutContent& content, QIODevice& device) {
    const HandoutLayout layout(content, HandoutLayout::Pages::A4);
    writePdfPages(device, content.title + QStringLiteral(" : ") + content.formatLine, QPageLayout::Landscape,
                  layout.pageCount(), [&](QPainter& painter, int page) { layout.render(painter, page); });
}

void writePng(const HandoutContent& content, QIODevice& device) {
    const HandoutLayout layout(content, HandoutLayout::Pages::OnePage);
    const QSizeF size = layout.pageSize() * kPngPixelsPerPoint;
    QImage image(size.toSize(), QImage::Format_RGB32);
    if (image.isNull())
        throw OutputError("l'image est trop grande pour la mémoire disponible");
    image.fill(Qt::white);
    image.setDotsPerMeterX(static_cast<int>(kPngPixelsPerPoint * 72 / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(kPngPixelsPerPoint * 72 / 0.0254));
    {
        QPainter painter(&image);
        painter.scale(kPngPixelsPerPoint, kPngPixelsPerPoint);
        layout.render(painter, 0);
    }
    if (!image.save(&device, "PNG"))
        throw OutputError("l'image PNG n'a pas pu être écrite");
}

} // namespace quarnel::trame
