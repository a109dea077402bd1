#include "default_printer.h"

#include "cups_request_status.h"
#include "error.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>

namespace quarnel {

namespace {

[[noreturn]] void fail(const QString& message) {
    throw Error(message.toStdU16String());
}

// The picture is recorded once, in its own logical units, before any job exists: a drawing
// that fails then leaves nothing half printed. A QPicture measures fonts at the screen's
// resolution, as the chart on screen does, and replays its text scaled with everything else;
// drawn straight on the printer, a font given in points would take the printer's 1200 dpi
// and come out more than twelve times too large once stretched.
QPicture record(QSize logicalSize, const std::function<void(QPainter&)>& draw) {
    QPicture picture;
    // Makes the painter's device report the picture's own size while drawing.
    picture.setBoundingRect(QRect(QPoint(0, 0), logicalSize));
    QPainter painter(&picture);
    draw(painter);
    painter.end();
    return picture;
}

} // namespace

void printOnDefaultPrinter(const QString& jobName, QSize logicalSize, PrintMargins margins,
                           const std::function<void(QPainter&)>& draw) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        throw Error(u"Aucune imprimante par défaut sélectionnée");
    const QString printerName = defaultPrinter.printerName();
    // The queue itself, without the instance that may follow a slash.
    const QString queue = printerName.section(QLatin1Char('/'), 0, 0);
    QString failure;
    const auto newestBefore = newestCupsJob(queue, &failure);
    if (!newestBefore)
        fail(QStringLiteral("L'imprimante par défaut « %1 » n'est pas disponible : %2")
                 .arg(printerName, failure));

    const QPicture picture = record(logicalSize, draw);

    // Built from the printer's description, so it keeps that printer's paper, orientation
    // and other current settings.
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    if (!printer.isValid())
        fail(
            QStringLiteral("L'imprimante par défaut « %1 » n'est pas disponible").arg(printerName));
    printer.setDocName(jobName);

    QPainter painter;
    if (!painter.begin(&printer))
        fail(QStringLiteral("Impossible de commencer l'impression sur « %1 »").arg(printerName));
    try {
        // The painter's origin is the top left corner of the printable area, and the
        // printer's width and height are those of that area.
        const QRect target = printTargetRect(QSize(printer.width(), printer.height()), margins);
        // A picture of no size has nothing to stretch: the page stays blank.
        if (!logicalSize.isEmpty()) {
            // A QPicture replays at its physical size, enlarged by the device's resolution
            // over its own; the stretch already takes picture units to device pixels, so
            // that enlargement is taken back out.
            const double replayX = double(picture.logicalDpiX()) / printer.logicalDpiX();
            const double replayY = double(picture.logicalDpiY()) / printer.logicalDpiY();
            painter.translate(target.topLeft());
            painter.scale(replayX * target.width() / logicalSize.width(),
                          replayY * target.height() / logicalSize.height());
            painter.drawPicture(0, 0, picture);
        }
    } catch (...) {
        painter.end();
        throw;
    }

    if (!painter.end())
        fail(QStringLiteral("L'impression de « %1 » a échoué").arg(jobName));
    if (const auto refused = lastCupsRequestFailure())
        fail(QStringLiteral("L'impression de « %1 » sur « %2 » a échoué : %3")
                 .arg(jobName, printerName, *refused));
    // libcups reports a job as sent even when the server stopped while its document was on
    // the way: only the server, asked again, tells that it is still there and has not given
    // the job up. (A job it has already printed may be gone from its list.)
    const auto newestAfter = newestCupsJob(queue, &failure);
    if (!newestAfter)
        fail(QStringLiteral("L'impression de « %1 » sur « %2 » n'a pas pu être confirmée : %3")
                 .arg(jobName, printerName, failure));
    if (newestAfter->id > newestBefore->id && newestAfter->ended)
        fail(QStringLiteral("L'impression de « %1 » sur « %2 » a échoué : le serveur "
                            "d'impression a abandonné le travail")
                 .arg(jobName, printerName));
}

} // namespace quarnel
