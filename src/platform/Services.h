// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QImage>
#include <QSizeF>
#include <functional>

class QMimeData;
class QPaintDevice;
class QPainter;
class QPrinter;

namespace duplikon {

class Dialogs;
class Speech;
class SoundOutput;
class SoundRecorder;

// Time of day, for seeding and for the log.
class Clock {
public:
    virtual ~Clock() = default;
    // Fine enough that two set-ups within one second are seeded differently.
    virtual int millisecondsSinceMidnight() = 0;
    virtual QString timeText() = 0; // "hh:mm:ss", 24-hour clock
};

// One generator of uniform values in [0, 1).
class Random {
public:
    virtual ~Random() = default;
    virtual void seed(quint32 seed) = 0;
    virtual double next() = 0;
    // The value next() will give, without drawing it.
    virtual double peek() const = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setImage(const QImage &image) = 0;
    virtual void setText(const QString &text) = 0;
    // What the clipboard holds now (files, image data, text); may be null.
    virtual const QMimeData *contents() = 0;
};

// One page on the system's default printer. The draw function gets a painter
// whose origin is the top-left corner of the printable area, in device pixels,
// and the number of device pixels per twip.
class Printer {
public:
    virtual ~Printer() = default;
    using DrawPage = std::function<void(QPainter &painter, double devicePerTwip)>;
    // Returns false with a German reason when there is no printer or the job
    // could not be handed over.
    virtual bool printPage(const QString &jobName, const DrawPage &draw, QString *error) = 0;

    // Pages of a document laid out on a page of layoutTwips (A4). The painter's
    // origin is the paper's top-left corner, in device pixels; devicePerTwip
    // fits the layout onto the paper.
    using DrawNumberedPage = std::function<void(QPainter &painter, int page, double devicePerTwip)>;
    enum class Outcome { Done, Cancelled, Failed };
    // The printer dialog, preset to A4 (a paper chosen there wins), then the
    // pages on the printer chosen; Failed with a German reason.
    virtual Outcome printPages(const QString &jobName, const QSizeF &layoutTwips, int pageCount,
                               const DrawNumberedPage &draw, QString *error) = 0;
    // The pages as a PDF file on A4 with the title, "Duplikon" as its creator
    // and its fonts embedded, written atomically; false with a German reason.
    virtual bool writePdf(const QString &path, const QString &title, const QSizeF &layoutTwips, int pageCount,
                          const DrawNumberedPage &draw, QString *error) = 0;
};

// The services a window needs; owned elsewhere.
struct Platform {
    Dialogs *dialogs = nullptr;
    Clock *clock = nullptr;
    Random *random = nullptr;
    Clipboard *clipboard = nullptr;
    Printer *printer = nullptr;
    // Speech, sounds and the microphone; null where there are none.
    Speech *speech = nullptr;
    SoundOutput *sound = nullptr;
    SoundRecorder *recorder = nullptr;
};

class SystemClock : public Clock {
public:
    int millisecondsSinceMidnight() override;
    QString timeText() override;
};

class SystemRandom : public Random {
public:
    void seed(quint32 seed) override;
    double next() override;
    double peek() const override;
private:
    static quint64 step(quint64 state);
    quint64 m_state = 0x2545F4914F6CDD1DULL;
};

class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setImage(const QImage &image) override;
    void setText(const QString &text) override;
    const QMimeData *contents() override;
};

class QtPrinter : public Printer {
public:
    bool printPage(const QString &jobName, const DrawPage &draw, QString *error) override;
    Outcome printPages(const QString &jobName, const QSizeF &layoutTwips, int pageCount, const DrawNumberedPage &draw,
                       QString *error) override;
    bool writePdf(const QString &path, const QString &title, const QSizeF &layoutTwips, int pageCount,
                  const DrawNumberedPage &draw, QString *error) override;

private:
    static double fitOnto(const QPaintDevice &device, const QSizeF &layoutTwips);
    // Draws the pages and hands them to the spooler; an empty layout is drawn
    // at the printer's resolution.
    static bool printOnto(QPrinter &printer, int pageCount, const DrawNumberedPage &draw, const QSizeF &layoutTwips,
                          QString *error);
};

} // namespace duplikon
