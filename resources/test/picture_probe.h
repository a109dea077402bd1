#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Pixel questions that the resource test asks of the pictures.
namespace quarnel::resources::probe {

// Each channel within `tolerance` of the expected colour; alpha is not compared.
bool near(const QColor& actual, const QColor& expected, int tolerance);

bool isFullyOpaque(const QImage& image);

// Dark means a grey level below 100, as text and lines are drawn.
bool isDark(const QColor& colour);

// Leftmost column holding a dark pixel within the rows of `area`, searching its columns;
// -1 when there is none.
int leftmostDarkColumn(const QImage& image, const QRect& area);
int rightmostDarkColumn(const QImage& image, const QRect& area);

// How many pixels of `area` are within `tolerance` of `colour`.
int countNear(const QImage& image, const QRect& area, const QColor& colour, int tolerance);

} // namespace quarnel::resources::probe
