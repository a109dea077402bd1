#include "drawing.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace quarnel::trame {

QFont pageFont(int size, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(size);
    f.setBold(bold);
    return f;
}

double niceStep(double least) {
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= least * (1 - 1e-9))
            return factor * power;
    return 10 * power;
}

QString frenchDecimal(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0)
        text.remove(0, 1);
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

int decimalsFor(double step) {
    return step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
}

void writePdfPages(QIODevice& device, const QString& title, QPageLayout::Orientation orientation, int pageCount,
                   const std::function<void(QPainter&, int)>& render) {
    QPdfWriter pdf(&device);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("quarnel-trame"));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF()));
    QPainter painter(&pdf);
    const double scale = pdf.resolution() / 72.0;
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            pdf.newPage();
        painter.save();
        painter.scale(scale, scale);
        render(painter, page);
        painter.restore();
    }
}

} // namespace quarnel::trame
