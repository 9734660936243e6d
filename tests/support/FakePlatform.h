// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Audio.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QImage>
#include <QList>
#include <QMimeData>
#include <QObject>
#include <QStringList>

namespace duplikon::test {

// One message, question or input box that the program showed.
struct ShownDialog {
    enum Kind { Message, Question, Input, Files, Save, Names } kind;
    QString title;
    QString text;     // message or question text, the prompt, the file filter, or the names (one a line)
    MsgIcon icon = MsgIcon::None;
    QString defaultText;
    QString defaultSuffix; // of a save dialog
};

// Dialogs that answer from a script and remember every box shown.
class ScriptedDialogs : public Dialogs {
public:
    void message(const QString &title, const QString &text, MsgIcon icon) override;
    bool askYesNo(const QString &title, const QString &text) override;
    QString input(const QString &title, const QString &prompt, const QString &defaultText) override;
    QStringList openFiles(const QString &title, const QString &filter) override;
    QString saveFile(const QString &title, const QString &filter, const QString &suggested,
                     const QString &defaultSuffix = QString()) override;
    int chooseName(const QString &title, const QStringList &names) override;

    QList<ShownDialog> shown;
    QList<bool> yesNoAnswers;   // taken from the front; No when empty
    QStringList inputAnswers;   // taken from the front; empty (cancel) when empty
    QList<QStringList> fileAnswers; // the files chosen in each file dialog; none when empty
    QStringList saveAnswers;        // the path chosen in each save dialog; cancel when empty
    QList<int> nameAnswers;         // the button tapped in each name choice; closed when empty
    // Runs while a box is "open" (for checking state at that moment).
    std::function<void(const ShownDialog &)> onShow;

    QStringList titles() const;
    void clear() { shown.clear(); }
};

class FakeClock : public Clock {
public:
    int millisecondsSinceMidnight() override { return milliseconds; }
    QString timeText() override { return time; }
    int milliseconds = 3600000;
    QString time = QStringLiteral("10:15:30");
};

// Hands out scripted numbers first, then a fixed value.
class ScriptedRandom : public Random {
public:
    void seed(quint32 s) override { seeds.append(s); }
    double next() override { ++draws; return values.isEmpty() ? fallback : values.takeFirst(); }
    double peek() const override { return values.isEmpty() ? fallback : values.first(); }
    QList<double> values;
    double fallback = 0.0;
    QList<quint32> seeds;
    int draws = 0;
};

class FakeClipboard : public Clipboard {
public:
    void clear() override { image = QImage(); text.clear(); ++clears; }
    void setImage(const QImage &i) override { image = i; }
    void setText(const QString &t) override { text = t; }
    const QMimeData *contents() override { return &held; }
    QMimeData held; // what a paste finds
    QImage image;
    QString text;
    int clears = 0;
};

// Prints into an image at a chosen resolution, or fails when told to.
class FakePrinter : public Printer {
public:
    bool printPage(const QString &jobName, const DrawPage &draw, QString *error) override;
    bool fail = false;
    QString failure = QStringLiteral("Es ist kein Drucker eingerichtet.");
    double dpi = 300;
    QSize pagePixels = QSize(2480, 3508);
    QList<QImage> pages;
    QStringList jobs;

    // Documents: the printer dialog is cancelled when told to; a PDF is drawn
    // into pages too, its path and title kept. The pages are A4 at 300 dpi.
    Outcome printPages(const QString &jobName, const QSizeF &layoutTwips, int pageCount, const DrawNumberedPage &draw,
                       QString *error) override;
    bool writePdf(const QString &path, const QString &title, const QSizeF &layoutTwips, int pageCount,
                  const DrawNumberedPage &draw, QString *error) override;
    bool cancelDialog = false;
    QStringList pdfPaths, pdfTitles;
};

// A speech service that remembers what it was asked to say. It is ready at
// once after start(), or fails when told to.
class FakeSpeech : public Speech {
public:
    void start() override;
    Status status() const override { return current; }
    void say(const QString &text) override;
    void stop() override { ++stops; }
    QStringList voices() const override { return current == Status::Ready ? installed : QStringList(); }
    void setVoice(const QString &name, int speed) override { voice = name; tempo = speed; }

    void setStatus(Status s);
    bool fail = false;      // start() fails, as without a speech service
    Status current = Status::Off;
    int starts = 0;
    int stops = 0;
    int calls = 0;          // every say(), heard or not
    QStringList spoken;     // every text said, in order (each cuts off the one before)
    QStringList installed = {QStringLiteral("German"), QStringLiteral("English")};
    QString voice;
    int tempo = 0;
};

// A sound output that remembers what it was asked to play; a sound plays
// until the next play(), stop() or prepare().
class FakeSound : public SoundOutput {
public:
    void prepare(const QStringList &paths) override { prepared = paths; playing.clear(); }
    void play(const QString &path) override { played << path; playing = path; }
    void stop() override { ++stops; playing.clear(); }
    QStringList prepared;
    QStringList played;
    QString playing;
    int stops = 0;
};

// A tenth of a second of silence as a WAV file: 8 kHz, 8 bits, mono.
QByteArray silentWav();

// A microphone that "records" a small WAV file at once; finish() ends it.
class FakeRecorder : public SoundRecorder {
public:
    bool hasInput() const override { return input; }
    bool isRecording() const override { return !path.isEmpty(); }
    bool start(const QString &path, int maxMilliseconds, QString *error) override;
    void stop() override { finish(); }
    void finish(bool ok = true);
    bool input = true;
    QString path;            // recording into, empty when not recording
    int maxMilliseconds = 0;
    int startCount = 0;
};

// The control named name (its objectName) under root; a missing control ends
// the test run with a message that names it.
template <class T>
T *child(const QObject *root, const char *name)
{
    T *found = root->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

// All fakes together, with a Platform pointing at them.
struct FakePlatform {
    ScriptedDialogs dialogs;
    FakeClock clock;
    ScriptedRandom random;
    FakeClipboard clipboard;
    FakePrinter printer;
    FakeSpeech speech;
    FakeSound sound;
    FakeRecorder recorder;
    Platform platform()
    {
        return Platform{&dialogs, &clock, &random, &clipboard, &printer, &speech, &sound, &recorder};
    }
};

} // namespace duplikon::test
