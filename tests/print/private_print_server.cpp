#include "private_print_server.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <algorithm>

namespace quarnel::test {

QString PrivatePrintServer::queue() {
    return qEnvironmentVariable("QUARNEL_PRINT_QUEUE");
}

QString PrivatePrintServer::outputFolder() {
    return qEnvironmentVariable("QUARNEL_PRINT_OUTPUT");
}

QString PrivatePrintServer::serverSocket() {
    return qEnvironmentVariable("CUPS_SERVER");
}

QStringList PrivatePrintServer::capturedJobs() {
    QStringList jobs = QDir(outputFolder()).entryList({"job-*.data"}, QDir::Files);
    // job-9 before job-10: by job number, not by name.
    const auto number = [](const QString& name) {
        return name.section('-', 1).section('.', 0, 0).toInt();
    };
    std::sort(jobs.begin(), jobs.end(),
              [&](const QString& a, const QString& b) { return number(a) < number(b); });
    return jobs;
}

std::optional<CapturedJob> PrivatePrintServer::waitForJobAfter(const QStringList& before,
                                                               int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    do {
        for (const QString& name : capturedJobs()) {
            if (before.contains(name))
                continue;
            const QDir output(outputFolder());
            QFile title(output.filePath(QFileInfo(name).completeBaseName() + ".title"));
            if (!title.open(QIODevice::ReadOnly))
                return std::nullopt;
            return CapturedJob{output.filePath(name), QString::fromUtf8(title.readAll())};
        }
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

std::optional<QString> PrivatePrintServer::run(const QString& program,
                                               const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return program + ": " + process.errorString();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + ": " + QString::fromLocal8Bit(process.readAllStandardError());
    return std::nullopt;
}

} // namespace quarnel::test
