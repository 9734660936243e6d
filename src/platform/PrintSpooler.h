// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// Answers of the print server (CUPS) that Qt's printing does not pass on.
// The print server's client headers and library stay in this one file, which
// is built without them when the server's development files are missing.
namespace printspool {

// Whether the program was built with the print server's client library.
bool available();

// Asks the server whether the queue exists and accepts jobs; a German reason
// in *error when not.
bool queueReady(const QString &queue, QString *error);

// Makes one successful request, so that the status read afterwards belongs to
// the next request and not to an older one.
void resetStatus(const QString &queue);

// Whether the last request to the server (on this thread) failed, with the
// server's reason.
bool lastRequestFailed(QString *reason);

} // namespace printspool
