// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the bundled demo folder as it is committed: the task files read as
// the program expects, every picture half names a file that exists and fits a
// cell, and every reward picture has the size of the board.

#include "pictures/PictureLoader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>
#include <QtTest>

namespace {

const QSize kCell(161, 121);
const QSize kReward(833, 505);

QString demoFolder()
{
    return qEnvironmentVariable("DUPLIKON_DEMO");
}

QStringList taskFiles()
{
    QDir dir(demoFolder());
    dir.setNameFilters({QStringLiteral("*.TXT")});
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList(); // name filters match without regard to case
}

bool isPictureHalf(const QString &half)
{
    return QStringLiteral(".BMP.GIF.JPG.WMF").contains(half.right(4).toUpper());
}

QStringList linesOf(const QByteArray &bytes)
{
    QStringList lines;
    QString text;
    for (char c : bytes)
        text.append(QChar(ushort(quint8(c)))); // the letters the file uses are the same in Latin-1
    lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Lines a text half takes in a cell, wrapped at blanks, about ten letters a line.
int wrappedLineCount(const QString &text, int perLine)
{
    int lines = 1, used = 0;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        int need = word.size();
        if (used > 0 && used + 1 + need > perLine) {
            ++lines;
            used = 0;
        }
        while (need > perLine) { // a word longer than a line is broken
            ++lines;
            need -= perLine;
        }
        used += (used > 0 ? 1 : 0) + need;
    }
    return lines;
}

// The file a picture half names: "\" separates folders, letter case exact.
QString resolve(const QString &half)
{
    QString path = demoFolder();
    for (const QString &part : QString(half).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'))) {
        if (!QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).contains(part))
            return QString();
        path = QDir(path).filePath(part);
    }
    return path;
}

QByteArray expectedFormat(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    return ext == QLatin1String("jpg") ? QByteArray("jpeg") : ext.toLatin1();
}

} // namespace

class DemoFolderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!demoFolder().isEmpty(), "DUPLIKON_DEMO is not set");
        QVERIFY2(QFileInfo(demoFolder()).isDir(), qPrintable(demoFolder()));
        QVERIFY2(taskFiles().size() >= 4, qPrintable(taskFiles().join(QLatin1Char(' '))));
    }

    void taskFilesAreWindows1252WithCrLfAndWholePairs()
    {
        for (const QString &name : taskFiles()) {
            QFile file(QDir(demoFolder()).filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            bool nonAscii = false;
            for (int i = 0; i < bytes.size(); ++i) {
                const quint8 b = quint8(bytes[i]);
                // Bytes Windows-1252 leaves undefined, and control characters.
                if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D
                    || (b < 0x20 && b != '\r' && b != '\n') || b == 0x7F)
                    QFAIL(qPrintable(QStringLiteral("%1: byte %2 at %3").arg(name).arg(b).arg(i)));
                if (b == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))
                    QFAIL(qPrintable(QStringLiteral("%1: CR without LF at %2").arg(name).arg(i)));
                if (b == '\n' && (i == 0 || bytes[i - 1] != '\r'))
                    QFAIL(qPrintable(QStringLiteral("%1: LF without CR at %2").arg(name).arg(i)));
                nonAscii = nonAscii || b >= 0x80;
            }
            QVERIFY2(bytes.endsWith("\r\n"), qPrintable(name));
            if (nonAscii) {
                // Umlauts as single bytes, never UTF-8 (which the reader would prefer).
                QStringDecoder utf8(QStringDecoder::Utf8);
                (void)QString(utf8(bytes));
                QVERIFY2(utf8.hasError(), qPrintable(name + QStringLiteral(" is UTF-8")));
            }
            const QStringList lines = linesOf(bytes);
            QVERIFY2(!lines.contains(QString()), qPrintable(name + QStringLiteral(" has an empty line")));
            QVERIFY2(lines.size() >= 2 && lines.size() <= 20, qPrintable(name));
            // An odd line would be a half without a partner: the board never clears.
            QVERIFY2(lines.size() % 2 == 0, qPrintable(name));
            for (const QString &half : lines) {
                QCOMPARE(half.trimmed(), half);
                if (!isPictureHalf(half))
                    QVERIFY2(wrappedLineCount(half, 10) <= 5, qPrintable(name + QStringLiteral(": ") + half));
            }
        }
    }

    void everyPictureHalfNamesAFileThatFitsACell()
    {
        int pictures = 0;
        QSet<QString> formats;
        for (const QString &name : taskFiles()) {
            QFile file(QDir(demoFolder()).filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QStringList lines = linesOf(file.readAll());
            QSet<QString> seen;
            for (const QString &half : lines) {
                // The same half twice in one task would look like a pair but not match.
                QVERIFY2(!seen.contains(half), qPrintable(name + QStringLiteral(": twice ") + half));
                seen.insert(half);
                if (!isPictureHalf(half))
                    continue;
                ++pictures;
                const QString path = resolve(half);
                QVERIFY2(!path.isEmpty(), qPrintable(name + QStringLiteral(": no file ") + half));
                const duplikon::LoadedPicture picture = duplikon::loadPicture(path, kCell, duplikon::PictureFit::Clip);
                QVERIFY2(picture.ok, qPrintable(half + QStringLiteral(": ") + picture.error));
                QVERIFY2(picture.naturalSize.width() <= kCell.width() && picture.naturalSize.height() <= kCell.height(),
                         qPrintable(half));
                const QByteArray format = expectedFormat(half);
                if (format != "wmf") {
                    QCOMPARE(QImageReader::imageFormat(path), format);
                    formats.insert(QString::fromLatin1(format));
                }
            }
        }
        QVERIFY(pictures >= 20);
        QCOMPARE(formats, (QSet<QString>{"bmp", "gif", "jpeg"}));
    }

    void rewardPicturesHaveTheSizeOfTheBoard()
    {
        QDir dir(QDir(demoFolder()).filePath(QStringLiteral("DUPBILDER")));
        QVERIFY(dir.exists());
        const QStringList names = dir.entryList({"*.BMP", "*.GIF", "*.JPG", "*.WMF"}, QDir::Files, QDir::Name);
        QVERIFY2(names.size() >= 3, qPrintable(names.join(QLatin1Char(' '))));
        for (const QString &name : names) {
            const QString path = dir.filePath(name);
            const duplikon::LoadedPicture picture = duplikon::loadPicture(path, kReward, duplikon::PictureFit::Stretch);
            QVERIFY2(picture.ok, qPrintable(name + QStringLiteral(": ") + picture.error));
            // Metafiles are stretched over the board whatever their frame.
            if (expectedFormat(name) != "wmf") {
                QCOMPARE(picture.naturalSize, kReward);
                QCOMPARE(QImageReader::imageFormat(path), expectedFormat(name));
            }
        }
    }

    void theFolderStaysSmall()
    {
        qint64 total = 0;
        QDirIterator it(demoFolder(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            total += it.fileInfo().size();
        }
        QVERIFY2(total < 2 * 1000 * 1000, qPrintable(QString::number(total)));
    }
};

QTEST_MAIN(DemoFolderTest)
#include "DemoFolderTest.moc"
