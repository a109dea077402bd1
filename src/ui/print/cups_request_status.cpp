#include "cups_request_status.h"

#include <QLibrary>
#include <cstring>
#include <cups/cups.h>

namespace quarnel {

namespace {

using LastError = ipp_status_t (*)();
using LastErrorString = const char* (*)();
using GetJobs = int (*)(http_t*, cups_job_t**, const char*, int, int);
using FreeJobs = void (*)(int, cups_job_t*);

// Looked up rather than linked: libcups brings some twenty TLS, Kerberos and DNS-SD
// libraries that would otherwise be loaded at every start. Qt's CUPS print plugin has loaded
// it by the time a job is sent, so this finds that same instance and its status.
QFunctionPointer cupsFunction(const char* name) {
    QLibrary cups(QStringLiteral("cups"), 2);
    return cups.resolve(name);
}

} // namespace

std::optional<QString> lastCupsRequestFailure() {
    const auto lastError = reinterpret_cast<LastError>(cupsFunction("cupsLastError"));
    const auto lastErrorString =
        reinterpret_cast<LastErrorString>(cupsFunction("cupsLastErrorString"));
    // Without libcups no request was made, so none failed.
    if (!lastError || !lastErrorString)
        return std::nullopt;
    // Below this value IPP statuses are successes ("ok", "ok but some options ignored", ...).
    if (lastError() < IPP_STATUS_REDIRECTION_OTHER_SITE)
        return std::nullopt;
    const QString text = QString::fromUtf8(lastErrorString());
    // A request that never reached the server carries the system's text for the last error,
    // which can be that of no error at all ("Success"): say what happened instead.
    if (text.isEmpty() || text == QString::fromLocal8Bit(std::strerror(0)))
        return QStringLiteral("le serveur d'impression ne répond pas");
    return text;
}

std::optional<NewestCupsJob> newestCupsJob(const QString& printer, QString* failure) {
    const auto getJobs = reinterpret_cast<GetJobs>(cupsFunction("cupsGetJobs2"));
    const auto freeJobs = reinterpret_cast<FreeJobs>(cupsFunction("cupsFreeJobs"));
    if (!getJobs || !freeJobs) {
        *failure = QStringLiteral("CUPS est absent");
        return std::nullopt;
    }
    cups_job_t* jobs = nullptr;
    const int count =
        getJobs(CUPS_HTTP_DEFAULT, &jobs, printer.toUtf8().constData(), 1, CUPS_WHICHJOBS_ALL);
    if (count < 0) {
        const auto reason = lastCupsRequestFailure();
        *failure = reason.value_or(QStringLiteral("le serveur d'impression ne répond pas"));
        return std::nullopt;
    }
    NewestCupsJob newest;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id > newest.id) {
            newest.id = jobs[i].id;
            newest.ended =
                jobs[i].state == IPP_JSTATE_CANCELED || jobs[i].state == IPP_JSTATE_ABORTED;
        }
    }
    freeJobs(count, jobs);
    return newest;
}

} // namespace quarnel
