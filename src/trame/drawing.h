#pragma once

#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <functional>

class QIODevice;
class QPainter;

namespace quarnel::trame {

// What the handouts and the exercise sheets draw alike. Their painters count in points.

// The curve, the lines between cells and the fill of the line at rest.
inline const QColor kCurve(0, 0, 200);
inline const QColor kBoundary(150, 150, 150);
inline const QColor kIdleFill(240, 240, 240);

// DejaVu Sans at a size in points: the font every page of the command is set in.
QFont pageFont(int size, bool bold = false);

// 1, 2 or 5 times a power of ten: the smallest such step not below `least`.
double niceStep(double least);

// A number with a decimal comma and no "-0": "-5", "52,1".
QString frenchDecimal(double value, int decimals);

// The decimals that a grid step needs to tell its lines apart.
int decimalsFor(double step);

// A4 pages drawn one by one into a PDF by `render(painter, page)`, whose painter counts in
// points from the page's top left corner.
void writePdfPages(QIODevice& device, const QString& title, QPageLayout::Orientation orientation, int pageCount,
                   const std::function<void(QPainter&, int)>& render);

} // namespace quarnel::trame
