#include "cups_request_status.h"

#include <QLibrary>
#include <cups/ipp.h>

namespace quarnel {

namespace {

using LastError = ipp_status_t (*)();
using LastErrorString = const char* (*)();

} // namespace

std::optional<QString> lastCupsRequestFailure() {
    // Looked up rather than linked: libcups brings some twenty TLS, Kerberos and DNS-SD
    // libraries that would otherwise be loaded at every start. Qt's CUPS print plugin has
    // loaded it by the time a job is sent, so this finds that same instance and its status.
    QLibrary cups(QStringLiteral("cups"), 2);
    const auto lastError = reinterpret_cast<LastError>(cups.resolve("cupsLastError"));
    const auto lastErrorString =
        reinterpret_cast<LastErrorString>(cups.resolve("cupsLastErrorString"));
    // Without libcups no request was made, so none failed.
    if (!lastError || !lastErrorString)
        return std::nullopt;
    // Below this value IPP statuses are successes ("ok", "ok but some options ignored", ...).
    if (lastError() < IPP_STATUS_REDIRECTION_OTHER_SITE)
        return std::nullopt;
    return QString::fromUtf8(lastErrorString());
}

} // namespace quarnel
