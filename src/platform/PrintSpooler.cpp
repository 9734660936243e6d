// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrintSpooler.h"

#ifdef DUPLIKON_HAVE_CUPS
#include <cups/cups.h>
#include <cstring>

#include <QCoreApplication>
#endif

namespace printspool {

#ifdef DUPLIKON_HAVE_CUPS

namespace {

// "name/instance" names an instance of a queue; the server knows the queue.
QByteArray queueName(const QString &queue)
{
    return queue.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
}

} // namespace

bool available()
{
    return true;
}

bool queueReady(const QString &queue, QString *error)
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queueName(queue).constData(), nullptr);
    if (!dest) {
        if (error)
            *error = QCoreApplication::translate("duplikon::PrintSpooler", "Der Drucker \"%1\" ist nicht erreichbar.").arg(queue);
        return false;
    }
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool ready = !(accepting && std::strcmp(accepting, "false") == 0);
    cupsFreeDests(1, dest);
    if (!ready && error)
        *error = QCoreApplication::translate("duplikon::PrintSpooler", "Der Drucker \"%1\" nimmt zurzeit keine Aufträge an.").arg(queue);
    return ready;
}

void resetStatus(const QString &queue)
{
    if (cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queueName(queue).constData(), nullptr))
        cupsFreeDests(1, dest);
}

bool lastRequestFailed(QString *reason)
{
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return false;
    if (reason) {
        const char *text = cupsLastErrorString();
        *reason = text ? QString::fromLocal8Bit(text) : QString();
    }
    return true;
}

#else

bool available()
{
    return false;
}

bool queueReady(const QString &, QString *)
{
    return true;
}

void resetStatus(const QString &)
{
}

bool lastRequestFailed(QString *)
{
    return false;
}

#endif

} // namespace printspool
