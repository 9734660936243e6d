// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"

#include <QFile>
#include <QPainter>
#include <QtEndian>

namespace duplikon::test {

void ScriptedDialogs::message(const QString &title, const QString &text, MsgIcon icon)
{
    shown.append({ShownDialog::Message, title, text, icon, QString(), QString()});
    if (onShow)
        onShow(shown.last());
}

bool ScriptedDialogs::askYesNo(const QString &title, const QString &text)
{
    shown.append({ShownDialog::Question, title, text, MsgIcon::Question, QString(), QString()});
    if (onShow)
        onShow(shown.last());
    return yesNoAnswers.isEmpty() ? false : yesNoAnswers.takeFirst();
}

QString ScriptedDialogs::input(const QString &title, const QString &prompt, const QString &defaultText)
{
    shown.append({ShownDialog::Input, title, prompt, MsgIcon::None, defaultText, QString()});
    if (onShow)
        onShow(shown.last());
    return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
}

QStringList ScriptedDialogs::openFiles(const QString &title, const QString &filter)
{
    shown.append({ShownDialog::Files, title, filter, MsgIcon::None, QString(), QString()});
    if (onShow)
        onShow(shown.last());
    return fileAnswers.isEmpty() ? QStringList() : fileAnswers.takeFirst();
}

QString ScriptedDialogs::saveFile(const QString &title, const QString &filter, const QString &suggested,
                                  const QString &defaultSuffix)
{
    shown.append({ShownDialog::Save, title, filter, MsgIcon::None, suggested, defaultSuffix});
    if (onShow)
        onShow(shown.last());
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

int ScriptedDialogs::chooseName(const QString &title, const QStringList &names)
{
    shown.append({ShownDialog::Names, title, names.join(QLatin1Char('\n')), MsgIcon::None, QString(), QString()});
    if (onShow)
        onShow(shown.last());
    return nameAnswers.isEmpty() ? -1 : nameAnswers.takeFirst();
}

QStringList ScriptedDialogs::titles() const
{
    QStringList t;
    for (const ShownDialog &d : shown)
        t << d.title;
    return t;
}

bool FakePrinter::printPage(const QString &jobName, const DrawPage &draw, QString *error)
{
    if (fail) {
        if (error)
            *error = failure;
        return false;
    }
    QImage page(pagePixels, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        draw(p, dpi / 1440.0);
    }
    pages.append(page);
    jobs.append(jobName);
    return true;
}

Printer::Outcome FakePrinter::printPages(const QString &jobName, const QSizeF &, int pageCount,
                                        const DrawNumberedPage &draw, QString *error)
{
    if (cancelDialog)
        return Outcome::Cancelled;
    for (int i = 0; i < pageCount; ++i) // one job per page
        if (!printPage(jobName, [&](QPainter &p, double devicePerTwip) { draw(p, i, devicePerTwip); }, error))
            return Outcome::Failed;
    return Outcome::Done;
}

bool FakePrinter::writePdf(const QString &path, const QString &title, const QSizeF &layoutTwips, int pageCount,
                           const DrawNumberedPage &draw, QString *error)
{
    const qsizetype before = jobs.size();
    if (printPages(path, layoutTwips, pageCount, draw, error) != Outcome::Done)
        return false;
    jobs.resize(before); // a file, no job
    pdfPaths << path;
    pdfTitles << title;
    return true;
}

void FakeSpeech::start()
{
    ++starts;
    if (current == Status::Off)
        setStatus(fail ? Status::Failed : Status::Ready);
}

void FakeSpeech::say(const QString &text)
{
    ++calls;
    if (current == Status::Ready || current == Status::Starting)
        spoken << text;
}

void FakeSpeech::setStatus(Status s)
{
    current = s;
    emit statusChanged(s);
}

bool FakeRecorder::start(const QString &file, int maxMs, QString *error)
{
    ++startCount;
    if (!input) {
        if (error)
            *error = QStringLiteral("Es ist kein Mikrofon angeschlossen.");
        return false;
    }
    path = file;
    maxMilliseconds = maxMs;
    return true;
}

QByteArray silentWav()
{
    const QByteArray samples(800, char(0x80));
    QByteArray wav("RIFF");
    auto put32 = [&wav](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    auto put16 = [&wav](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    put32(36 + samples.size());
    wav.append("WAVEfmt ");
    put32(16); put16(1); put16(1); put32(8000); put32(8000); put16(1); put16(8);
    wav.append("data");
    put32(samples.size());
    wav.append(samples);
    return wav;
}

void FakeRecorder::finish(bool ok)
{
    if (path.isEmpty())
        return;
    const QString done = path;
    path.clear();
    if (ok) {
        const QByteArray wav = silentWav();
        QFile out(done);
        ok = out.open(QIODevice::WriteOnly) && out.write(wav) == wav.size();
    }
    emit finished(done, ok);
}

} // namespace duplikon::test
