#include "printed_page.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace quarnel::test {

namespace {

std::optional<QByteArray> runTool(const QString& program, const QStringList& arguments,
                                  QString* error) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *error = program + " failed: " + process.errorString() + " " +
                 QString::fromLocal8Bit(process.readAllStandardError());
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

// The value of one "Name:   value" line of pdfinfo's report.
QString infoField(const QString& report, const QString& name) {
    const QRegularExpression line("^" + QRegularExpression::escape(name) + ":\\s*(.*)$",
                                  QRegularExpression::MultilineOption);
    return line.match(report).captured(1).trimmed();
}

} // namespace

std::optional<PrintedPage> readPrintedPage(const QString& pdfPath, QString* error) {
    const auto info = runTool("pdfinfo", {pdfPath}, error);
    if (!info)
        return std::nullopt;
    const QString report = QString::fromUtf8(*info);

    PrintedPage page;
    page.pageCount = infoField(report, "Pages").toInt();
    page.title = infoField(report, "Title");
    // "595.276 x 841.89 pts (A4)"
    const QRegularExpression size("^([0-9.]+) x ([0-9.]+) pts");
    const auto sizeMatch = size.match(infoField(report, "Page size"));
    if (!sizeMatch.hasMatch()) {
        *error = "pdfinfo gave no page size: " + report;
        return std::nullopt;
    }
    page.sizePoints = QSizeF(sizeMatch.captured(1).toDouble(), sizeMatch.captured(2).toDouble());

    QTemporaryDir folder;
    const QString prefix = folder.filePath("page");
    if (!runTool("pdftoppm",
                 {"-r", "72", "-png", "-singlefile", "-f", "1", "-l", "1", pdfPath, prefix}, error))
        return std::nullopt;
    page.image = QImage(prefix + ".png");
    if (page.image.isNull()) {
        *error = "pdftoppm wrote no readable picture";
        return std::nullopt;
    }
    return page;
}

} // namespace quarnel::test
