// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Services.h"

#include "platform/PrintSpooler.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTime>

namespace duplikon {

int SystemClock::millisecondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay();
}

QString SystemClock::timeText()
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

void SystemRandom::seed(quint32 seed)
{
    // splitmix64 of the seed gives a well-mixed non-zero state
    quint64 z = quint64(seed) + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    m_state = z ? z : 0x2545F4914F6CDD1DULL;
}

double SystemRandom::next()
{
    // xorshift64*
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    const quint64 r = m_state * 0x2545F4914F6CDD1DULL;
    return double(r >> 11) * (1.0 / 9007199254740992.0);
}

void QtClipboard::clear()
{
    QApplication::clipboard()->clear();
}

void QtClipboard::setImage(const QImage &image)
{
    QApplication::clipboard()->setImage(image);
}

void QtClipboard::setText(const QString &text)
{
    QApplication::clipboard()->setText(text);
}

const QMimeData *QtClipboard::contents()
{
    return QApplication::clipboard()->mimeData();
}

bool QtPrinter::printPage(const QString &jobName, const DrawPage &draw, QString *error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        if (error)
            *error = QStringLiteral("Es ist kein Drucker eingerichtet.");
        return false;
    }
    if (!printspool::queueReady(info.printerName(), error))
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(jobName);
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("Der Drucker \"%1\" nimmt keinen Auftrag an.").arg(info.printerName());
        return false;
    }
    const double devicePerTwip = printer.resolution() / 1440.0;
    draw(painter, devicePerTwip);
    // Qt hands the document to the spooler inside end() and drops the answer;
    // the spooler's last status on this thread is that answer.
    printspool::resetStatus(info.printerName());
    if (!painter.end()) {
        if (error)
            *error = QStringLiteral("Der Druckauftrag konnte nicht übergeben werden.");
        return false;
    }
    QString reason;
    if (printspool::lastRequestFailed(&reason)) {
        if (error) {
            *error = QStringLiteral("Der Drucker \"%1\" hat den Auftrag abgelehnt.").arg(info.printerName());
            if (!reason.isEmpty())
                *error += QStringLiteral(" (") + reason + QLatin1Char(')');
        }
        return false;
    }
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        if (error)
            *error = QStringLiteral("Der Druckauftrag wurde abgelehnt.");
        return false;
    }
    return true;
}

} // namespace duplikon
