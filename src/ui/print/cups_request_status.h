#pragma once

#include <QString>
#include <optional>

namespace quarnel {

// Qt's CUPS print engine hands the finished document to the print server when the painter
// ends, but drops the server's answer: a refused job would look like a success. libcups keeps
// the status of the calling thread's last request, so asking it right after QPainter::end()
// tells whether the job was accepted.
// Returns the server's own text when that last request failed, nothing when it succeeded.
std::optional<QString> lastCupsRequestFailure();

} // namespace quarnel
