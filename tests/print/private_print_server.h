// The private print server that the cups test fixture starts: its default queue keeps every
// job's file and title in an output folder instead of printing.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quarnel::test {

struct CapturedJob {
    QString dataPath; // the file the program sent, as the queue's backend received it
    QString title;    // the job title the backend was given
};

class PrivatePrintServer {
public:
    // Empty when the fixture's environment is missing.
    static QString queue();
    static QString outputFolder();
    // Where clients reach the server; must be the private one before anything is printed.
    static QString serverSocket();

    // The jobs captured so far, oldest first.
    static QStringList capturedJobs();
    // Waits for the first job that is not in `before`.
    static std::optional<CapturedJob> waitForJobAfter(const QStringList& before,
                                                      int timeoutMs = 30000);

    // Runs a CUPS command-line client (lpadmin, cupsaccept, ...) against the private server.
    // Returns its error output when it fails, nothing when it succeeds.
    static std::optional<QString> run(const QString& program, const QStringList& arguments);
};

} // namespace quarnel::test
