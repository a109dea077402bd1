// Printing on the desktop's default printer.
#pragma once

#include "print_target_rect.h"

#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace quarnel {

// Prints one page on the desktop's default printer, without a dialog and in the printer's
// current orientation. `draw` paints a picture laid out in `logicalSize` units; it is
// stretched, not keeping its proportions, into the rectangle that the margins leave of the
// printable area. The job is named `jobName`.
// Throws quarnel::Error: "Aucune imprimante par défaut sélectionnée" when the desktop has no
// default printer; a French message for any other failure, the job being ended first.
void printOnDefaultPrinter(const QString& jobName, QSize logicalSize, PrintMargins margins,
                           const std::function<void(QPainter&)>& draw);

} // namespace quarnel
