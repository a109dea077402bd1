// A printed PDF read back with poppler-utils, as an independent check of what was printed.
#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <optional>

namespace quarnel::test {

struct PrintedPage {
    int pageCount = 0;
    QString title;     // the document's own title
    QSizeF sizePoints; // the first page
    QImage image;      // the first page at 72 dpi: one pixel a point
};

// Reads `pdfPath` with pdfinfo and renders it with pdftoppm. Nothing when either fails.
std::optional<PrintedPage> readPrintedPage(const QString& pdfPath, QString* error);

} // namespace quarnel::test
