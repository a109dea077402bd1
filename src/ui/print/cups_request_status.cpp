#include "cups_request_status.h"

#include <cups/cups.h>

namespace quarnel {

std::optional<QString> lastCupsRequestFailure() {
    // Below this value IPP statuses are successes ("ok", "ok but some options ignored", ...).
    if (cupsLastError() < IPP_STATUS_REDIRECTION_OTHER_SITE)
        return std::nullopt;
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace quarnel
