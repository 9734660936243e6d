// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and board set-up benchmark.
//
//   startup_bench [--startup-only] [work folder]
//   startup_bench --programs PROGRAM... [work folder]
//
// (a) Start-up: a fresh process constructs the main window over a copy of a
//     small program folder (the bundled demo folder, or a small generated one
//     when the demo folder is not there), shows it and waits for its first
//     paint; repeated in several processes, the median is printed. It starts
//     as the program does, with the window size of a user's settings file:
//     at the sizes 100, 200 and Bildschirm in turn, in one sitting, and the
//     first paint at 200 is compared with 100 (target: within 10 %).
//     --startup-only stops after (a).
// (b) Board set-up: twenty 4000 × 3000 JPEG camera-like pictures on the board
//     through AufgabeLaden; time per set-up (median of several) and the peak
//     resident memory of that process, which never generates a picture itself.
//     Once with baseline JPEGs as cameras write them, once with the same
//     pictures as progressive JPEGs, which cannot be decoded in part. The
//     board decodes its pictures on all cores at once; the first set-up of
//     the progressive board must settle within kSettleMs on two cores. The
//     processor time of a set-up (all threads) is printed beside its time.
//
// (c) With --programs: each program file given (the program of one build and
//     of another, say) starts over a small generated program folder, in turn
//     with a bare Qt window of the main window's size (this file, --bare);
//     each is timed from its start until Qt reports the first flush of its
//     window to the screen (the logging category qt.widgets.painting), and
//     its processor time until then is read from /proc. The libraries of
//     sound (Qt Multimedia) and speech (Qt TextToSpeech) mapped at that moment
//     are named. Nothing is asked of the programs themselves, so programs of
//     any version compare. With --sprache CODE... each program starts also
//     with each of these languages (--sprache), compared with the first
//     (target: a language loaded costs at most 5 % more than German).
//
// The pictures are made in a child process so that their generation does not
// count in the measured peak memory. With a work folder the pictures are kept
// there and reused by the next run. Without a display the benchmark runs on
// Qt's offscreen platform.
#include "app/MainWindow.h"
#include "app/WindowScale.h"
#include "board/Board.h"
#include "pictures/PictureBox.h"
#include "pictures/PictureLoader.h"
#include "platform/Dialogs.h"
#include "platform/ClassroomConfig.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kStartupRuns = 5;
// The first paint at the size 200 takes at most this much longer than at 100.
constexpr double kSizeTolerance = 0.10;
constexpr int kBoardRuns = 8;
constexpr int kPhotos = 20;
const QSize kPhotoSize(4000, 3000);

// Message boxes write to stderr and return at once.
class QuietDialogs : public duplikon::Dialogs {
public:
    void message(const QString &title, const QString &text, duplikon::MsgIcon) override
    {
        std::fprintf(stderr, "  [Meldung] %s: %s\n", qPrintable(title), qPrintable(QString(text).replace('\r', ' ')));
    }
    bool askYesNo(const QString &, const QString &) override { return false; }
    QString input(const QString &, const QString &, const QString &) override { return QString(); }
    QStringList openFiles(const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &, const QString &) override { return QString(); }
    int chooseName(const QString &, const QStringList &) override { return -1; }
};

long peakRssKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss; // KiB on Linux
}

long currentRssKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong(); // in kB
    return -1;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    const int n = int(v.size());
    return n == 0 ? 0 : (n % 2 ? v.at(n / 2) : (v.at(n / 2 - 1) + v.at(n / 2)) / 2);
}

double ms(const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e6; }

// Processor time of the process so far, all threads, user and system.
double cpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

// The first set-up of a board of twenty progressive photos settles within
// this on two cores.
constexpr double kSettleMs = 800;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// ---- (a) start-up ------------------------------------------------------------

// A small program folder: two task files with text and picture halves, a
// picture subfolder and the solution-picture folder.
bool makeProgramFolder(const QString &folder)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("Bilder")) || !dir.mkpath(QStringLiteral("DUPBILDER")))
        return false;
    const char *names[] = {"Kreis", "Quadrat", "Dreieck", "Stern"};
    QByteArray formen;
    for (int i = 0; i < 4; ++i) {
        QImage img(161, 121, QImage::Format_RGB32);
        img.fill(QColor::fromHsv(i * 80, 60, 250));
        QPainter p(&img);
        p.setBrush(QColor::fromHsv(i * 80, 200, 200));
        p.drawEllipse(20 + i * 10, 20, 100, 80);
        p.end();
        if (!img.save(dir.filePath(QStringLiteral("Bilder/%1.bmp").arg(QLatin1String(names[i]))), "BMP"))
            return false;
        formen += QByteArray(names[i]) + "\r\nBilder\\" + names[i] + ".bmp\r\n";
    }
    QImage big(640, 480, QImage::Format_RGB32);
    big.fill(QColor(250, 230, 120));
    if (!big.save(dir.filePath(QStringLiteral("DUPBILDER/PAARE1.BMP")), "BMP"))
        return false;
    return writeFile(dir.filePath(QStringLiteral("FORMEN.TXT")), formen)
        && writeFile(dir.filePath(QStringLiteral("ZAHLEN.TXT")),
                     "eins\r\n1\r\nzwei\r\n2\r\ndrei\r\n3\r\nvier\r\n4\r\nf\xFC""nf\r\n5\r\n");
}

bool copyFolder(const QString &from, const QString &to)
{
    QDir src(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo &fi : src.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + fi.fileName();
        if (fi.isDir() ? !copyFolder(fi.filePath(), target) : !QFile::copy(fi.filePath(), target))
            return false;
    }
    return true;
}

QString demoFolder()
{
    QString demo = qEnvironmentVariable("DUPLIKON_DEMO");
#ifdef DUPLIKON_SOURCE_DIR
    if (demo.isEmpty())
        demo = QStringLiteral(DUPLIKON_SOURCE_DIR "/demo");
#endif
    return QFileInfo(demo + QStringLiteral("/DUPBILDER")).isDir() ? demo : QString();
}

// One start-up in this process: prints "startup <app ms> <construct ms>
// <first paint ms> <rss KiB>". The window size comes from the settings files
// of the environment, as in the program.
int runStartup(int argc, char **argv, const QString &folder)
{
    QElapsedTimer clock;
    clock.start();
    duplikon::ClassroomConfig extra(duplikon::ClassroomConfigFiles::fromEnvironment());
    duplikon::prepareWindowScale(extra.value(duplikon::config::windowSize), argc, argv);
    QApplication app(argc, argv);
    const double appMs = ms(clock);
    QDir::setCurrent(folder);

    QuietDialogs dialogs;
    duplikon::SystemClock time;
    duplikon::SystemRandom random;
    duplikon::QtClipboard clipboard;
    duplikon::QtPrinter printer;
    const duplikon::Platform platform{&dialogs, &time, &random, &clipboard, &printer};

    struct PaintWatch : QObject {
        QWidget *window = nullptr;
        bool painted = false;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::Paint && o->isWidgetType() && window
                && static_cast<QWidget *>(o)->window() == window)
                painted = true;
            return false;
        }
    } watch;
    app.installEventFilter(&watch);

    duplikon::MainWindow window(platform, QDir::currentPath(), &extra);
    const double constructMs = ms(clock);
    watch.window = &window;
    window.show();
    QElapsedTimer limit;
    limit.start();
    while (!watch.painted && limit.elapsed() < 20000)
        app.processEvents(QEventLoop::AllEvents, 50);
    if (!watch.painted) {
        std::fprintf(stderr, "the main window was never painted\n");
        return 1;
    }
    const double paintMs = ms(clock);
    // QString::arg writes a decimal point under every locale (QApplication
    // takes the user's, where printf would write a comma).
    std::printf("%s\n", qPrintable(QStringLiteral("startup %1 %2 %3 %4").arg(appMs, 0, 'f', 2).arg(constructMs, 0, 'f', 2)
                                      .arg(paintMs, 0, 'f', 2).arg(peakRssKiB())));
    std::fflush(stdout);
    return 0;
}

// ---- (b) board set-up ----------------------------------------------------------

// A camera-like picture: soft gradients, blurred shapes and sensor noise, so
// that JPEG has real work to do (not a flat colour).
QImage photoLike(int index)
{
    QRandomGenerator gen(quint32(1000 + index));
    QImage img(kPhotoSize, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient sky(0, 0, 0, kPhotoSize.height());
    sky.setColorAt(0, QColor::fromHsv(gen.bounded(360), 80, 230));
    sky.setColorAt(1, QColor::fromHsv(gen.bounded(360), 140, 90));
    p.fillRect(img.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 120; ++i) {
        const QPointF c(gen.bounded(kPhotoSize.width()), gen.bounded(kPhotoSize.height()));
        const qreal r = 40 + gen.bounded(600);
        QRadialGradient g(c, r);
        const QColor col = QColor::fromHsv(gen.bounded(360), 60 + gen.bounded(180), 60 + gen.bounded(190));
        g.setColorAt(0, col);
        g.setColorAt(0.7, QColor(col.red(), col.green(), col.blue(), 160));
        g.setColorAt(1, Qt::transparent);
        p.setBrush(g);
        p.drawEllipse(c, r * (0.5 + gen.bounded(1.0)), r);
    }
    p.end();
    quint32 x = 0x9E3779B9u ^ quint32(index);
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int i = 0; i < img.width(); ++i) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            const int n = int(x & 31) - 16;
            const QRgb c = line[i];
            line[i] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255), qBound(0, qBlue(c) + n, 255));
        }
    }
    return img;
}

// Writes the pictures Fotos/Foto01.jpg … (baseline, as cameras write them)
// and Web/Foto01.jpg … (the same pictures as progressive JPEG, as often saved
// from web pages), and the task files FOTOS.TXT and WEB.TXT, whose twenty
// lines name them as a teacher would ("Fotos\Foto01.jpg").
int runGenerate(const QString &folder)
{
    QDir dir(folder);
    dir.mkpath(QStringLiteral("Fotos"));
    dir.mkpath(QStringLiteral("Web"));
    QByteArray fotos, web;
    for (int i = 1; i <= kPhotos; ++i) {
        const QString name = QStringLiteral("Foto%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        fotos += "Fotos\\" + name.toLatin1() + "\r\n";
        web += "Web\\" + name.toLatin1() + "\r\n";
        const QString baseline = dir.filePath(QStringLiteral("Fotos/") + name);
        const QString progressive = dir.filePath(QStringLiteral("Web/") + name);
        if (QFileInfo(baseline).size() > 0 && QFileInfo(progressive).size() > 0)
            continue;
        const QImage photo = photoLike(i);
        QImageWriter a(baseline, "jpeg");
        a.setQuality(90);
        QImageWriter b(progressive, "jpeg");
        b.setQuality(90);
        b.setProgressiveScanWrite(true);
        if (!a.write(photo) || !b.write(photo)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return writeFile(dir.filePath(QStringLiteral("FOTOS.TXT")), fotos)
                   && writeFile(dir.filePath(QStringLiteral("WEB.TXT")), web)
               ? 0
               : 1;
}

// Prints one "setup <ms> <ms with paint>" line per run and a "memory" line.
int runBoard(int argc, char **argv, const QString &folder, const QString &taskFile)
{
    QApplication app(argc, argv);
    QDir::setCurrent(folder);
    QuietDialogs dialogs;
    duplikon::SystemClock time;
    duplikon::SystemRandom random;
    const duplikon::Platform platform{&dialogs, &time, &random, nullptr, nullptr};

    QWidget client;
    client.setFixedSize(duplikon::MainWindow::kClientWidth, duplikon::MainWindow::kClientHeight);
    duplikon::Board board(&client, platform);
    board.setProgramFolder(QDir::currentPath() + QLatin1Char('/'));
    client.show();
    app.processEvents();
    const long rssBefore = currentRssKiB();
    const long peakBefore = peakRssKiB();

    for (int run = 0; run < kBoardRuns; ++run) {
        // Every other set-up starts with no decoded pictures kept: the first
        // load of a task; the others load the same task again, as every
        // activation of the main window does.
        const bool cold = run % 2 == 0;
        if (cold)
            duplikon::clearPictureCache();
        QElapsedTimer t;
        const double cpuBefore = cpuMs();
        t.start();
        board.AufgabeLaden(duplikon::readTask(board.programFolder(), taskFile).task);
        const double setupMs = ms(t);
        const double setupCpuMs = cpuMs() - cpuBefore;
        client.repaint();
        const double withPaintMs = ms(t);
        int pictures = 0;
        for (int i = 0; i < duplikon::Board::kCells; ++i)
            pictures += board.cellPicture(i)->hasPicture() && !board.cellPicture(i)->isHidden() ? 1 : 0;
        if (pictures != kPhotos) {
            std::fprintf(stderr, "only %d of %d pictures on the board\n", pictures, kPhotos);
            return 1;
        }
        std::printf("setup %s %.2f %.2f %.2f\n", cold ? "cold" : "warm", setupMs, withPaintMs, setupCpuMs);
    }
    std::printf("memory %ld %ld %ld %ld\n", rssBefore, peakBefore, currentRssKiB(), peakRssKiB());
    std::fflush(stdout);
    return 0;
}

// ---- driver --------------------------------------------------------------------

QStringList runChild(const QStringList &args, double *wallMs = nullptr,
                     const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    child.start(QCoreApplication::applicationFilePath(), args);
    if (!child.waitForFinished(600000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "child %s failed\n", qPrintable(args.join(' ')));
        std::exit(1);
    }
    if (wallMs)
        *wallMs = ms(t);
    return QString::fromLocal8Bit(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// The environment of a start at one window size: a user's settings file
// with that size, and no administrator's file.
QProcessEnvironment sizeEnvironment(const QString &work, const QString &size)
{
    const QString home = work + QStringLiteral("/config-") + size;
    QDir().mkpath(home + QStringLiteral("/duplikon"));
    QDir().mkpath(work + QStringLiteral("/config-none"));
    writeFile(home + QStringLiteral("/duplikon/duplikon.conf"), "[Duplikon]\nFenstergroesse=" + size.toLatin1() + "\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_DIRS"), work + QStringLiteral("/config-none"));
    return env;
}

// ---- (c) programs against a bare Qt window -------------------------------------

// A bare Qt window of the main window's size, with a menu bar, until killed.
int runBare(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Programm"));
    auto *client = new QWidget(&window);
    client->setFixedSize(duplikon::MainWindow::kClientWidth, duplikon::MainWindow::kClientHeight);
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}

// Processor time of a running process so far, user and system, in ms.
double processCpuMs(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = f.readAll();
    // the fields after the command's closing parenthesis: state is field 3, utime 14, stime 15
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// Which of the sound and speech libraries a running process has mapped.
QString audioMapped(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    const QByteArray maps = f.readAll();
    QStringList mapped;
    for (const char *lib : {"libQt6Multimedia.so", "libQt6TextToSpeech.so"})
        if (maps.contains(lib))
            mapped << QString::fromLatin1(lib).section(QLatin1Char('.'), 0, 0);
    return mapped.isEmpty() ? QStringLiteral("none") : mapped.join(QLatin1Char('+'));
}

struct FirstFlush {
    double ms = -1;
    double cpuMs = -1;
    QString audio;
};

// Starts a program and waits until Qt reports the first flush of a window.
FirstFlush timeFirstFlush(const QString &program, const QStringList &args, QProcessEnvironment env)
{
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.widgets.painting.info=true"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.setStandardOutputFile(QProcess::nullDevice());
    FirstFlush result;
    QElapsedTimer t;
    t.start();
    child.start(program, args);
    // Wait on the channel Qt logs to: waiting on standard output (thrown
    // away) would see the flush only in steps of the 50 ms timeout.
    child.setReadChannel(QProcess::StandardError);
    QByteArray seen;
    while (t.elapsed() < 20000 && child.state() != QProcess::NotRunning) {
        child.waitForReadyRead(50);
        seen += child.readAllStandardError();
        if (seen.contains("Flushing")) {
            result.ms = ms(t);
            result.cpuMs = processCpuMs(child.processId());
            result.audio = audioMapped(child.processId());
            break;
        }
        seen = seen.right(64);
    }
    child.kill();
    child.waitForFinished(5000);
    return result;
}

int runPrograms(int argc, char **argv, const QStringList &programs, const QStringList &languages,
                const QString &workFolder)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString work = workFolder.isEmpty() ? temp.path() : QDir(workFolder).absolutePath();
    const QString folder = work + QStringLiteral("/klein");
    QDir(folder).removeRecursively();
    if (!makeProgramFolder(folder)) {
        std::fprintf(stderr, "cannot make the program folder\n");
        return 1;
    }
    const QProcessEnvironment env = sizeEnvironment(work, QStringLiteral("100"));
    QStringList names{QStringLiteral("bare Qt window")};
    QList<QStringList> arguments{{}};
    for (const QString &program : programs) {
        for (const QString &code : languages.isEmpty() ? QStringList{QString()} : languages) {
            names << (code.isEmpty() ? program : program + QStringLiteral(" --sprache ") + code);
            arguments << (code.isEmpty() ? QStringList{folder} : QStringList{QStringLiteral("--sprache"), code, folder});
        }
    }
    QList<QList<double>> paint(names.size()), cpu(names.size());
    QStringList audio(names.size());
    // The programs take turns, so that a busy moment of the machine hits all alike.
    for (int i = 0; i < kStartupRuns + 1; ++i) {
        for (int k = 0; k < names.size(); ++k) {
            const FirstFlush f = k == 0 ? timeFirstFlush(QCoreApplication::applicationFilePath(), {QStringLiteral("--bare")}, env)
                                        : timeFirstFlush(names.at(k).section(QLatin1Char(' '), 0, 0), arguments.at(k), env);
            if (f.ms < 0) {
                std::fprintf(stderr, "%s never flushed a window\n", qPrintable(names.at(k)));
                return 1;
            }
            if (i == 0)
                continue; // the first round fills the file cache
            paint[k] << f.ms;
            cpu[k] << f.cpuMs;
            audio[k] = f.audio;
        }
    }
    std::printf("(c) start to the first flushed window over a small program folder, %d processes each (median, min..max):\n",
                kStartupRuns);
    const auto range = [](const QList<double> &v) {
        return QStringLiteral("%1 ms (%2..%3)").arg(median(v), 0, 'f', 1)
            .arg(*std::min_element(v.begin(), v.end()), 0, 'f', 1)
            .arg(*std::max_element(v.begin(), v.end()), 0, 'f', 1);
    };
    for (int k = 0; k < names.size(); ++k) {
        std::printf("  %s\n", qPrintable(names.at(k)));
        std::printf("    first flush                 %s", qPrintable(range(paint.at(k))));
        if (k > 0)
            std::printf(", %+.1f ms against the bare window", median(paint.at(k)) - median(paint.at(0)));
        if (k > 1 && !languages.isEmpty() && (k - 1) % languages.size() != 0) {
            const double german = median(paint.at(k - (k - 1) % languages.size()));
            const double more = (median(paint.at(k)) - german) / german;
            std::printf(", %+.1f %% against %s: %s 5 %%", more * 100, qPrintable(languages.first()),
                        more <= 0.05 ? "within" : "OVER");
        }
        std::printf("\n    processor time until then   %s", qPrintable(range(cpu.at(k))));
        if (k > 0)
            std::printf(", %+.1f ms against the bare window", median(cpu.at(k)) - median(cpu.at(0)));
        std::printf("\n    sound and speech mapped     %s\n", qPrintable(audio.at(k)));
    }
    return 0;
}

int runAll(int argc, char **argv, const QString &workFolder, bool startupOnly)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    const QString work = workFolder.isEmpty() ? temp.path() : QDir(workFolder).absolutePath();
    QDir().mkpath(work);

    // (a)
    const QString program = work + QStringLiteral("/programm");
    QDir(program).removeRecursively();
    const QString demo = demoFolder();
    if (demo.isEmpty() ? !makeProgramFolder(program) : !copyFolder(demo, program)) {
        std::fprintf(stderr, "cannot make the program folder\n");
        return 1;
    }
    struct Runs {
        QString size;
        QProcessEnvironment env;
        QList<double> appMs, constructMs, paintMs, wallMs;
        long rss = 0;
    };
    QList<Runs> sizes;
    for (const char *size : {"100", "200", "Bildschirm"}) {
        Runs r;
        r.size = QLatin1String(size);
        r.env = sizeEnvironment(work, r.size);
        sizes.append(r);
    }
    // The sizes take turns, so that a busy moment of the machine hits all alike.
    for (int i = 0; i < kStartupRuns; ++i) {
        for (Runs &r : sizes) {
            double wall = 0;
            const QStringList out = runChild({QStringLiteral("--startup"), program}, &wall, r.env);
            const QStringList f = out.value(out.size() - 1).split(' ');
            if (f.size() != 5 || f.at(0) != QLatin1String("startup")) {
                std::fprintf(stderr, "unexpected output: %s\n", qPrintable(out.join('|')));
                return 1;
            }
            r.appMs << f.at(1).toDouble();
            r.constructMs << f.at(2).toDouble();
            r.paintMs << f.at(3).toDouble();
            r.wallMs << wall;
            r.rss = std::max(r.rss, f.at(4).toLong());
        }
    }
    std::printf("(a) start-up to first painted main window over a copy of %s, %d processes (median, min..max):\n",
                demo.isEmpty() ? "a generated program folder" : qPrintable(demo), kStartupRuns);
    auto range = [](const QList<double> &v) {
        return QStringLiteral("%1 ms (%2..%3)").arg(median(v), 0, 'f', 1)
            .arg(*std::min_element(v.begin(), v.end()), 0, 'f', 1)
            .arg(*std::max_element(v.begin(), v.end()), 0, 'f', 1);
    };
    for (const Runs &r : sizes) {
        std::printf("  Fenstergroesse=%s\n", qPrintable(r.size));
        std::printf("    QApplication ready          %s\n", qPrintable(range(r.appMs)));
        std::printf("    main window constructed     %s\n", qPrintable(range(r.constructMs)));
        std::printf("    first paint                 %s\n", qPrintable(range(r.paintMs)));
        std::printf("    whole process (exec..exit)  %s\n", qPrintable(range(r.wallMs)));
        std::printf("    peak RSS                    %.1f MiB\n", r.rss / 1024.0);
    }
    const double normal = median(sizes.at(0).paintMs);
    const double twice = median(sizes.at(1).paintMs);
    const double change = normal > 0 ? twice / normal - 1 : 0;
    std::printf("    first paint at 200 against 100: %+.1f %%, %s %.0f %%\n", change * 100,
                change <= kSizeTolerance ? "within" : "OVER", kSizeTolerance * 100);
    std::fflush(stdout);
    if (startupOnly)
        return 0;

    // (b)
    const QString photos = work + QStringLiteral("/fotos");
    double genMs = 0;
    runChild({QStringLiteral("--generate"), photos}, &genMs);
    std::printf("(b) pictures made or checked in %.1f s\n", genMs / 1000);
    for (const QString &kind : {QStringLiteral("Fotos"), QStringLiteral("Web")}) {
        qint64 bytes = 0;
        for (const QFileInfo &fi : QDir(photos + QLatin1Char('/') + kind).entryInfoList(QDir::Files))
            bytes += fi.size();
        std::printf("(b) board of %d %s JPEG pictures %d x %d (%.1f MiB on disk)\n", kPhotos,
                    kind == QLatin1String("Fotos") ? "baseline" : "progressive", kPhotoSize.width(),
                    kPhotoSize.height(), bytes / 1048576.0);
        const QStringList out = runChild({QStringLiteral("--board"), photos, kind.toUpper() + QStringLiteral(".TXT")});
        QList<double> setup, withPaint, warm, cpu;
        QStringList memory;
        for (const QString &line : out) {
            const QStringList f = line.split(' ');
            if (f.at(0) == QLatin1String("setup") && f.size() == 5 && f.at(1) == QLatin1String("warm")) {
                warm << f.at(2).toDouble();
            } else if (f.at(0) == QLatin1String("setup") && f.size() == 5) {
                setup << f.at(2).toDouble();
                withPaint << f.at(3).toDouble();
                cpu << f.at(4).toDouble();
            } else if (f.at(0) == QLatin1String("memory") && f.size() == 5) {
                memory = f.mid(1);
            }
        }
        if (setup.isEmpty() || memory.size() != 4) {
            std::fprintf(stderr, "unexpected output: %s\n", qPrintable(out.join('|')));
            return 1;
        }
        QStringList each;
        for (double s : setup)
            each << QString::number(s, 'f', 1);
        std::printf("    AufgabeLaden, %d runs        %s ms\n", int(setup.size()),
                    qPrintable(each.join(QStringLiteral(", "))));
        std::printf("    AufgabeLaden median         %s\n", qPrintable(range(setup)));
        std::printf("    processor time, all threads %s\n", qPrintable(range(cpu)));
        if (kind == QLatin1String("Web"))
            std::printf("    first set-up %.1f ms: %s %.0f ms (%d cores)\n", setup.first(),
                        setup.first() <= kSettleMs ? "within" : "OVER", kSettleMs, QThread::idealThreadCount());
        if (!warm.isEmpty())
            std::printf("    same task again (decoded)   %s\n", qPrintable(range(warm)));
        std::printf("    with repaint of the board   %s\n", qPrintable(range(withPaint)));
        std::printf("    RSS before first set-up     %.1f MiB (peak so far %.1f MiB)\n",
                    memory.at(0).toLong() / 1024.0, memory.at(1).toLong() / 1024.0);
        std::printf("    RSS after the set-ups       %.1f MiB\n", memory.at(2).toLong() / 1024.0);
        std::printf("    peak RSS of the process     %.1f MiB (one decoded picture would be %.1f MiB)\n",
                    memory.at(3).toLong() / 1024.0, kPhotoSize.width() * kPhotoSize.height() * 4 / 1048576.0);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool startupOnly = argc > 1 && QLatin1String(argv[1]) == QLatin1String("--startup-only");
    if (startupOnly) {
        for (int i = 1; i < argc; ++i)
            argv[i] = argv[i + 1];
        --argc;
    }
    if (argc > 1 && QLatin1String(argv[1]) == QLatin1String("--bare"))
        return runBare(argc, argv);
    if (argc > 2 && QLatin1String(argv[1]) == QLatin1String("--programs")) {
        QStringList programs, languages;
        QString work;
        bool language = false;
        for (int i = 2; i < argc; ++i) {
            const QString arg = QString::fromLocal8Bit(argv[i]);
            if (arg == QLatin1String("--sprache"))
                language = true;
            else if (language && !arg.contains(QLatin1Char('/')))
                languages << arg;
            else if (QFileInfo(arg).isFile() && QFileInfo(arg).isExecutable())
                programs << QFileInfo(arg).absoluteFilePath();
            else
                work = arg;
        }
        return runPrograms(1, argv, programs, languages, work);
    }
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (mode == QLatin1String("--startup") && !folder.isEmpty())
        return runStartup(argc, argv, folder);
    if (mode == QLatin1String("--generate") && !folder.isEmpty())
        return runGenerate(folder);
    if (mode == QLatin1String("--board") && !folder.isEmpty() && argc > 3)
        return runBoard(argc, argv, folder, QString::fromLocal8Bit(argv[3]));
    if (mode.startsWith(QLatin1String("--"))) {
        std::fprintf(stderr, "usage: %s [work folder]\n", argv[0]);
        return 2;
    }
    return runAll(argc, argv, mode, startupOnly);
}
