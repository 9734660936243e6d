// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Services.h"

#include "platform/PrintSpooler.h"
#include "platform/TextFiles.h"

#include <QCoreApplication>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QPainter>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
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

quint64 SystemRandom::step(quint64 state)
{
    // xorshift64*
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return state;
}

double SystemRandom::next()
{
    const double value = peek();
    m_state = step(m_state);
    return value;
}

double SystemRandom::peek() const
{
    const quint64 r = step(m_state) * 0x2545F4914F6CDD1DULL;
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
            *error = QCoreApplication::translate("duplikon::Services", "Es ist kein Drucker eingerichtet.");
        return false;
    }
    if (!printspool::queueReady(info.printerName(), error))
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(jobName);
    printer.setFullPage(false);
    return printOnto(printer, 1, [&draw](QPainter &p, int, double devicePerTwip) { draw(p, devicePerTwip); },
                     QSizeF(), error);
}

Printer::Outcome QtPrinter::printPages(const QString &jobName, const QSizeF &layoutTwips, int pageCount,
                                       const DrawNumberedPage &draw, QString *error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        if (error)
            *error = QCoreApplication::translate("duplikon::Services", "Es ist kein Drucker eingerichtet.");
        return Outcome::Failed;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(jobName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QCoreApplication::translate("duplikon::Services", "Drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    // The dialog may print into a file instead of a queue.
    if (printer.outputFileName().isEmpty() && !printspool::queueReady(printer.printerName(), error))
        return Outcome::Failed;
    return printOnto(printer, pageCount, draw, layoutTwips, error) ? Outcome::Done : Outcome::Failed;
}

bool QtPrinter::writePdf(const QString &path, const QString &title, const QSizeF &layoutTwips, int pageCount,
                         const DrawNumberedPage &draw, QString *error)
{
    // Made in memory, then written as every file of the program: atomically,
    // with the mode the umask gives.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Duplikon"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error)
                *error = QCoreApplication::translate("duplikon::Services", "Das PDF konnte nicht angelegt werden.");
            return false;
        }
        const double devicePerTwip = fitOnto(writer, layoutTwips);
        for (int page = 0; page < pageCount; ++page) {
            if (page > 0)
                writer.newPage();
            draw(painter, page, devicePerTwip);
        }
        painter.end();
    }
    return writeFileAtomically(path, pdf, error);
}

double QtPrinter::fitOnto(const QPaintDevice &device, const QSizeF &layoutTwips)
{
    double devicePerTwip = device.logicalDpiX() / 1440.0;
    if (!layoutTwips.isEmpty())
        devicePerTwip = qMin(device.width() / layoutTwips.width(), device.height() / layoutTwips.height());
    return devicePerTwip;
}

bool QtPrinter::printOnto(QPrinter &printer, int pageCount, const DrawNumberedPage &draw, const QSizeF &layoutTwips,
                          QString *error)
{
    const QString name = printer.printerName();
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QCoreApplication::translate("duplikon::Services", "Der Drucker \"%1\" nimmt keinen Auftrag an.").arg(name);
        return false;
    }
    // The board's page is drawn in the printer's own resolution.
    const double devicePerTwip = layoutTwips.isEmpty() ? printer.resolution() / 1440.0 : fitOnto(printer, layoutTwips);
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            printer.newPage();
        draw(painter, page, devicePerTwip);
    }
    // Qt hands the document to the spooler inside end() and drops the answer;
    // the spooler's last status on this thread is that answer.
    printspool::resetStatus(name);
    if (!painter.end()) {
        if (error)
            *error = QCoreApplication::translate("duplikon::Services", "Der Druckauftrag konnte nicht übergeben werden.");
        return false;
    }
    QString reason;
    if (printspool::lastRequestFailed(&reason)) {
        if (error) {
            *error = QCoreApplication::translate("duplikon::Services", "Der Drucker \"%1\" hat den Auftrag abgelehnt.").arg(name);
            if (!reason.isEmpty())
                *error += QStringLiteral(" (") + reason + QLatin1Char(')');
        }
        return false;
    }
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        if (error)
            *error = QCoreApplication::translate("duplikon::Services", "Der Druckauftrag wurde abgelehnt.");
        return false;
    }
    return true;
}

} // namespace duplikon
