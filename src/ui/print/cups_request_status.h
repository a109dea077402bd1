#pragma once

#include <QString>
#include <optional>

namespace quarnel {

// Qt's CUPS print engine hands the finished document to the print server when the painter
// ends, but drops the server's answer: a refused job would look like a success. libcups keeps
// the status of the calling thread's last request, so asking it right after QPainter::end()
// tells whether the job was accepted.
// Returns the server's own text when that last request failed (a French one when it never
// reached the server), nothing when it succeeded.
std::optional<QString> lastCupsRequestFailure();

// The newest of this user's jobs on one printer, as the print server lists them.
struct NewestCupsJob {
    int id = 0;         // 0 when the printer has no job of this user
    bool ended = false; // canceled or aborted: it will not print
};

// Asks the print server for this user's jobs on `printer` (a queue name, without instance).
// Nothing, and the reason in `failure`, when the server cannot be asked.
std::optional<NewestCupsJob> newestCupsJob(const QString& printer, QString* failure);

} // namespace quarnel
