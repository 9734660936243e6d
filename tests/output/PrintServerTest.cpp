// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the page through the real printer path (Qt, CUPS, cups-pdf) on a print
// server of the test's own, and reads the PDFs back with poppler's tools.
// Skipped where that server cannot be started (not root, CUPS not installed).
#include "FakePlatform.h"
#include "output/PageOutput.h"

#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

namespace {

// The page grid in a rendering: positions of the long dark lines.
struct Grid {
    QList<int> xs;   // vertical lines, left to right
    QList<int> ys;   // horizontal lines, top to bottom
};

QList<int> lineCentres(const QList<bool> &marked)
{
    QList<int> centres;
    int start = -1;
    for (int i = 0; i <= marked.size(); ++i) {
        const bool on = i < marked.size() && marked[i];
        if (on && start < 0)
            start = i;
        if (!on && start >= 0) {
            centres.append((start + i - 1) / 2);
            start = -1;
        }
    }
    return centres;
}

Grid findGrid(const QImage &image, int minRun)
{
    const QImage img = image.convertToFormat(QImage::Format_Grayscale8);
    QList<bool> cols(img.width(), false), rows(img.height(), false);
    for (int x = 0; x < img.width(); ++x) {
        int run = 0;
        for (int y = 0; y < img.height() && !cols[x]; ++y) {
            run = img.constScanLine(y)[x] < 128 ? run + 1 : 0;
            cols[x] = run >= minRun;
        }
    }
    for (int y = 0; y < img.height(); ++y) {
        const uchar *line = img.constScanLine(y);
        int run = 0;
        for (int x = 0; x < img.width() && !rows[y]; ++x) {
            run = line[x] < 128 ? run + 1 : 0;
            rows[y] = run >= minRun;
        }
    }
    return Grid{lineCentres(cols), lineCentres(rows)};
}

// 5 vertical lines 2600 twips apart and 6 horizontal lines 2000 apart: 20 frames.
int framesFound(const Grid &g, double pixelsPerTwip)
{
    if (g.xs.size() != 5 || g.ys.size() != 6)
        return 0;
    for (int i = 1; i < 5; ++i)
        if (qAbs((g.xs[i] - g.xs[i - 1]) - 2600 * pixelsPerTwip) > 2)
            return 0;
    for (int i = 1; i < 6; ++i)
        if (qAbs((g.ys[i] - g.ys[i - 1]) - 2000 * pixelsPerTwip) > 2)
            return 0;
    return 20;
}

QString run(const QString &program, const QStringList &args, int *exitCode = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(60000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll());
}

// Waits until a file exists and has stopped growing.
bool waitForFile(const QString &path, int seconds)
{
    qint64 last = -1;
    for (int i = 0; i < seconds * 10; ++i) {
        const QFileInfo fi(path);
        if (fi.exists() && fi.size() > 0) {
            if (fi.size() == last)
                return true;
            last = fi.size();
        }
        QThread::msleep(100);
    }
    return false;
}

} // namespace

class PrintServerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void printedPdfHoldsTheFramesAndTheCellTextsInThePrintableArea();
    void cupsPdfPrinterMakesAPageWithTwentyFrames();
    void aQueueThatRefusesJobsGivesTheFailureMessage();
    void aJobRefusedByTheServerIsNotReportedAsPrinted();

private:
    BoardPage samplePage() const;
    QString m_script;
    QTemporaryDir m_dir{QStringLiteral("/tmp/dupcupsXXXXXX")};
    QString m_rawPdf;
    QString m_pdfDir;
    QString m_picture;
    QString m_noise;
    bool m_started = false;
};

void PrintServerTest::initTestCase()
{
    m_script = QDir(qEnvironmentVariable("DUPLIKON_TEST_DATA")).absoluteFilePath(QStringLiteral("../e2e/cups-test-printer.sh"));
    if (!QFileInfo::exists(m_script))
        QSKIP("the print server script is not there");
    if (QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")}).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() || !QFileInfo::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")))
        QSKIP("CUPS, cups-pdf or poppler-utils are not installed");
    if (run(QStringLiteral("id"), {QStringLiteral("-u")}).trimmed() != QLatin1String("0"))
        QSKIP("the print server of the test needs root");
    QVERIFY(m_dir.isValid());
    int code = 0;
    const QString out = run(m_script, {QStringLiteral("start"), m_dir.path()}, &code);
    QVERIFY2(code == 0, qPrintable(out));
    m_started = true;
    // the client library reads these at its first use, which is still to come
    for (const QString &line : out.split(QLatin1Char('\n'))) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        const QString value = line.section(QLatin1Char('='), 1);
        if (key == QLatin1String("CUPS_SERVER"))
            qputenv("CUPS_SERVER", value.toLocal8Bit());
        else if (key == QLatin1String("RAW_PDF"))
            m_rawPdf = value;
        else if (key == QLatin1String("PDF_DIR"))
            m_pdfDir = value;
    }
    QVERIFY(!m_rawPdf.isEmpty() && !m_pdfDir.isEmpty());

    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(QColor(0, 0, 160));
    m_picture = m_dir.filePath(QStringLiteral("blau.bmp"));
    QVERIFY(img.save(m_picture, "BMP"));
    // a small picture full of detail, which compresses badly when blown up
    QImage noise(40, 30, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xff000000u);
    m_noise = m_dir.filePath(QStringLiteral("rauschen.bmp"));
    QVERIFY(noise.save(m_noise, "BMP"));
}

void PrintServerTest::cleanupTestCase()
{
    if (m_started)
        run(m_script, {QStringLiteral("stop"), m_dir.path()});
}

BoardPage PrintServerTest::samplePage() const
{
    BoardPage page;
    page.textFont = QFont(QStringLiteral("Courier New"));
    page.textFont.setPointSize(14);
    page.textFont.setBold(true);
    page.cells[0] = PageCell{PageCell::Text, QString(), QStringLiteral("Der Hund bellt laut")};
    page.cells[5] = PageCell{PageCell::Picture, m_picture, QString()};
    page.cells[11] = PageCell{PageCell::Picture, m_noise, QString()};
    page.cells[18] = PageCell{PageCell::Text, QString(), QStringLiteral("Igel")};
    return page;
}

void PrintServerTest::printedPdfHoldsTheFramesAndTheCellTextsInThePrintableArea()
{
    qputenv("PRINTER", "duplikon-raw");
    QFile::remove(m_rawPdf);
    FakePlatform fake;
    QtPrinter printer;
    Platform platform = fake.platform();
    platform.printer = &printer;
    QVERIFY(SeiteDrucken(samplePage(), platform));
    QCOMPARE(fake.dialogs.shown.size(), 1);
    QCOMPARE(fake.dialogs.shown.first().text, QStringLiteral("Die aktuelle Seite wird gedruckt ...  \r\r"));
    QVERIFY2(waitForFile(m_rawPdf, 30), "the job did not reach the raw queue's file");
    // the small picture goes into the job with its own pixels, not blown up to printer resolution
    QVERIFY2(QFileInfo(m_rawPdf).size() < 100 * 1024, qPrintable(QString::number(QFileInfo(m_rawPdf).size())));

    // 14 pt bold wraps at 15 characters: "Der Hund bellt " and "laut "
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), m_rawPdf, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("Der Hund bellt")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("laut")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Igel")), qPrintable(text));

    const QString png = m_dir.filePath(QStringLiteral("raw"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                     QStringLiteral("-singlefile"), m_rawPdf, png});
    const QImage img(png + QStringLiteral(".png"));
    QVERIFY(!img.isNull());
    const double pixelsPerTwip = 100.0 / 1440;
    const Grid grid = findGrid(img, int(9000 * pixelsPerTwip));
    QCOMPARE(framesFound(grid, pixelsPerTwip), 20);
    // twips count from the printable area: A4 with 18 pt left and 36 pt top margins
    QVERIFY2(qAbs(grid.xs[0] - (700 + 18 * 20) * pixelsPerTwip) <= 2, qPrintable(QString::number(grid.xs[0])));
    QVERIFY2(qAbs(grid.ys[0] - (900 + 36 * 20) * pixelsPerTwip) <= 2, qPrintable(QString::number(grid.ys[0])));
    // the picture of cell 6 fills its area, the hidden cell 2 stays empty
    const QPoint origin6(grid.xs[1] + int(100 * pixelsPerTwip), grid.ys[1] + int(100 * pixelsPerTwip));
    const QColor blue(img.pixel(origin6 + QPoint(80, 60)));
    QVERIFY(qAbs(blue.blue() - 160) < 10 && blue.red() < 20 && blue.green() < 20);
    const QImage cell2 = img.copy(grid.xs[1] + 4, grid.ys[0] + 4, grid.xs[2] - grid.xs[1] - 8, grid.ys[1] - grid.ys[0] - 8);
    QVERIFY(findGrid(cell2, 1).xs.isEmpty());
}

void PrintServerTest::cupsPdfPrinterMakesAPageWithTwentyFrames()
{
    qunsetenv("PRINTER");   // the default printer: cups-pdf
    FakePlatform fake;
    QtPrinter printer;
    Platform platform = fake.platform();
    platform.printer = &printer;
    QVERIFY(SeiteDrucken(samplePage(), platform));
    QString pdf;
    for (int i = 0; i < 600 && pdf.isEmpty(); ++i) {
        const QStringList found = QDir(m_pdfDir).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        if (!found.isEmpty())
            pdf = QDir(m_pdfDir).filePath(found.first());
        else
            QThread::msleep(100);
    }
    QVERIFY2(!pdf.isEmpty() && waitForFile(pdf, 30), "cups-pdf wrote no PDF");
    const QString png = m_dir.filePath(QStringLiteral("cupspdf"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                     QStringLiteral("-singlefile"), pdf, png});
    const QImage img(png + QStringLiteral(".png"));
    QVERIFY(!img.isNull());
    const double pixelsPerTwip = 100.0 / 1440;
    QCOMPARE(framesFound(findGrid(img, int(9000 * pixelsPerTwip)), pixelsPerTwip), 20);
}

void PrintServerTest::aQueueThatRefusesJobsGivesTheFailureMessage()
{
    qputenv("PRINTER", "duplikon-raw");
    run(QStringLiteral("cupsreject"), {QStringLiteral("duplikon-raw")});
    FakePlatform fake;
    QtPrinter printer;
    Platform platform = fake.platform();
    platform.printer = &printer;
    const bool printed = SeiteDrucken(samplePage(), platform);
    run(QStringLiteral("cupsaccept"), {QStringLiteral("duplikon-raw")});
    QVERIFY(!printed);
    QCOMPARE(fake.dialogs.shown.size(), 1);
    QCOMPARE(fake.dialogs.shown.first().title, QStringLiteral("Drucken"));
    QVERIFY2(fake.dialogs.shown.first().text.contains(QStringLiteral("keine Aufträge")), qPrintable(fake.dialogs.shown.first().text));
}

void PrintServerTest::aJobRefusedByTheServerIsNotReportedAsPrinted()
{
    // the queue accepts jobs, but not from this user: the refusal comes with the job
    qputenv("PRINTER", "duplikon-raw");
    const QString user = run(QStringLiteral("id"), {QStringLiteral("-un")}).trimmed();
    run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), QStringLiteral("duplikon-raw"), QStringLiteral("-u"), QStringLiteral("deny:") + user});
    FakePlatform fake;
    QtPrinter printer;
    Platform platform = fake.platform();
    platform.printer = &printer;
    const bool printed = SeiteDrucken(samplePage(), platform);
    run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), QStringLiteral("duplikon-raw"), QStringLiteral("-u"), QStringLiteral("allow:all")});
    QVERIFY(!printed);
    QCOMPARE(fake.dialogs.shown.size(), 1);
    qInfo() << fake.dialogs.shown.first().text;
    QVERIFY2(fake.dialogs.shown.first().text.contains(QStringLiteral("abgelehnt")), qPrintable(fake.dialogs.shown.first().text));
    QVERIFY(!fake.dialogs.shown.first().text.contains(QStringLiteral("wird gedruckt")));
}

QTEST_MAIN(PrintServerTest)
#include "PrintServerTest.moc"
