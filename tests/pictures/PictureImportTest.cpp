// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's picture is made to fit a cell, named by the name rule, never
// replaces a file, and bad input is refused with the file's name and reason.
#include "FakePlatform.h"
#include "WmfWriter.h"
#include "pictures/Metafile.h"
#include "pictures/PictureImport.h"
#include "pictures/SvgCheck.h"

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace duplikon;

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage decoded(const QByteArray &bytes)
{
    return QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
}

QImage noise(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, random.generate() | 0xFF000000u);
    return img;
}

// A JPEG whose EXIF orientation 6 says: turn a quarter clockwise to show it.
QByteArray turnedJpeg(const QImage &stored)
{
    const QByteArray exif("\xFF\xE1\x00\x22" "Exif\0\0" "MM\0\x2A\0\0\0\x08" "\0\x01"
                          "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0" "\0\0\0\0", 36);
    return encoded(stored, "JPG").insert(2, exif);
}

bool mount(const QStringList &args) { return QProcess::execute(QStringLiteral("mount"), args) == 0; }

} // namespace

class PictureImportTest : public QObject {
    Q_OBJECT

private slots:
    void picturesAreFittedIntoTheCellAndTurnedUpright_data()
    {
        QImage clear(300, 100, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QImage halves(400, 200, QImage::Format_RGB32); // red left, blue right as stored
        halves.fill(Qt::blue);
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 200; ++y)
                halves.setPixel(x, y, qRgb(255, 0, 0));
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QSize>("expected");
        QTest::addColumn<QRgb>("topColour");
        QTest::newRow("wide") << encoded(noise(800, 200), "PNG") << QSize(161, 40) << QRgb(0);
        QTest::newRow("tall") << encoded(noise(200, 800), "BMP") << QSize(30, 121) << QRgb(0);
        QTest::newRow("WebP") << encoded(noise(400, 300), "WEBP") << QSize(161, 121) << QRgb(0);
        QTest::newRow("TIFF") << encoded(noise(300, 400), "TIFF") << QSize(90, 121) << QRgb(0);
        QTest::newRow("small keeps its size") << encoded(noise(100, 50), "PNG") << QSize(100, 50) << QRgb(0);
        QTest::newRow("transparent becomes white") << encoded(clear, "PNG") << QSize(161, 53) << qRgb(255, 255, 255);
        QTest::newRow("EXIF turned") << turnedJpeg(halves) << QSize(60, 121) << qRgb(255, 0, 0);
    }
    void picturesAreFittedIntoTheCellAndTurnedUpright()
    {
        QFETCH(QByteArray, data);
        QFETCH(QSize, expected);
        QFETCH(QRgb, topColour);
        const PreparedPicture p = preparePicture(data, QStringLiteral("x"), ImportKind::Cell);
        QVERIFY2(p.ok, qPrintable(p.error));
        const QImage image = decoded(p.bytes);
        QCOMPARE(image.size(), expected);
        if (topColour) {
            const QRgb top = image.pixel(image.width() / 2, 2);
            QVERIFY2(qAbs(qRed(top) - qRed(topColour)) + qAbs(qBlue(top) - qBlue(topColour)) < 40, qPrintable(QString::number(top, 16)));
        }
    }

    void fewColoursGiveAGifOfTheOriginalsColoursManyAJpeg()
    {
        QImage few(150, 100, QImage::Format_RGB32); // not reduced: its colours exactly
        const QVector<QRgb> colours{qRgb(200, 30, 30), qRgb(30, 200, 30), qRgb(20, 20, 160)};
        for (int y = 0; y < few.height(); ++y)
            for (int x = 0; x < few.width(); ++x)
                few.setPixel(x, y, colours[(x / 7 + y / 5) % 3]);
        const PreparedPicture gif = preparePicture(encoded(few, "PNG"), {}, ImportKind::Cell);
        QCOMPARE(gif.extension, QStringLiteral("GIF"));
        const QImage back = decoded(gif.bytes);
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x)
                QVERIFY(colours.contains(back.pixel(x, y)));
        QCOMPARE(preparePicture(encoded(few.scaled(500, 300), "PNG"), {}, ImportKind::Cell).extension, QStringLiteral("GIF"));
        QCOMPARE(preparePicture(encoded(noise(500, 300), "PNG"), {}, ImportKind::Cell).extension, QStringLiteral("JPG"));
        const PreparedPicture solution = prepareImage(few, ImportKind::Solution);
        QCOMPARE(decoded(solution.bytes).size(), kSolutionPictureSize);
        QCOMPARE(decoded(solution.bytes).pixel(0, 0), qRgb(255, 255, 255)); // centred on white
    }

    void drawingsFillTheBoxAndThinLinesSurviveReduction()
    {
        // Three-pixel black lines on white, made ten times smaller: grey, not gone.
        QImage lines(1600, 1200, QImage::Format_RGB32);
        lines.fill(Qt::white);
        for (int k = 0; k < 3; ++k)
            for (int x = 0; x < 1600; ++x)
                lines.setPixel(x, 600 + k, qRgb(0, 0, 0));
        const PreparedPicture drawing = preparePicture(encoded(lines, "PNG"), {}, ImportKind::Cell);
        QCOMPARE(drawing.extension, QStringLiteral("GIF"));
        const QImage small = decoded(drawing.bytes);
        QCOMPARE(small.size(), QSize(161, 121));
        int darkest = 255;
        for (int y = 0; y < small.height(); ++y)
            darkest = qMin(darkest, qGray(small.pixel(80, y)));
        QVERIFY2(darkest < 200, qPrintable(QString::number(darkest)));
        // A metafile of 644 × 484 stays a metafile that draws at 161 × 121.
        WmfWriter wmf;
        wmf.setPlaceable(QRect(0, 0, 644, 484), 96);
        wmf.rectangle(QRect(10, 10, 600, 400));
        const PreparedPicture meta = preparePicture(wmf.finish(), {}, ImportKind::Cell);
        QCOMPARE(meta.extension, QStringLiteral("WMF"));
        QCOMPARE(renderMetafile(meta.bytes, QSize(1, 1), false).naturalSize, QSize(161, 121));
        const QSize solution = preparePicture(wmf.finish(), {}, ImportKind::Solution).size; // whole units per inch
        QVERIFY(solution.width() <= 833 && solution.height() <= 505 && solution.height() > 495);
        // An SVG of 24 × 24 fills the cell's height.
        const QByteArray svg("<svg xmlns='http://www.w3.org/2000/svg' width='24' height='24'>"
                             "<rect width='24' height='24' fill='#0000ff'/></svg>");
        const PreparedPicture icon = preparePicture(svg, {}, ImportKind::Cell);
        QVERIFY2(icon.ok, qPrintable(icon.error));
        QCOMPARE(decoded(icon.bytes).size(), QSize(121, 121));
        QCOMPARE(decoded(icon.bytes).pixel(100, 100), qRgb(0, 0, 255));
    }

    void svgThatDrawsOtherFilesOrTooMuchIsRefused_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("verdict");
        const auto add = [](const char *name, const char *body, SvgVerdict v) { QTest::newRow(name) << QByteArray(body) << int(v); };
        add("inside references", "<defs><linearGradient id='g'/><rect id='r' width='2' height='2'/></defs>"
            "<use xlink:href='#r'/><rect style='fill: url( \"#g\" )' width='3' height='3'/>"
            "<image href='data:image/png;base64,iVBO' width='1' height='1'/>", SvgVerdict::Safe);
        add("decoy in a comment", "<!-- <a href=\"#x --><image xlink:href='/home/lehrerin/geheim.png' width='9' height='9'/>",
            SvgVerdict::RefersOutside);
        add("href of another namespace", "<image xmlns:q='urn:q' q:href='geheim.png'/>", SvgVerdict::RefersOutside);
        add("url in a style attribute", "<rect style='fill:url(muster.svg#p)'/>", SvgVerdict::RefersOutside);
        add("url in a style element", "<style><![CDATA[rect { fill: url('a.png') }]]></style>", SvgVerdict::RefersOutside);
        add("an SVG as data", "<image href='data:image/svg+xml;base64,PHN2Zz4='/>", SvgVerdict::RefersOutside);
        add("a use of an ancestor", "<g id='a'><g><use xlink:href='#a'/></g></g>", SvgVerdict::TooManyShapes);
        QByteArray bomb("<rect id='l0' width='1' height='1'/>");
        for (int level = 1; level <= 6; ++level) {
            bomb += "<g id='l" + QByteArray::number(level) + "'>";
            for (int k = 0; k < 10; ++k)
                bomb += "<use xlink:href='#l" + QByteArray::number(level - 1) + "'/>";
            bomb += "</g>";
        }
        QTest::newRow("uses that multiply") << bomb << int(SvgVerdict::TooManyShapes);
    }
    void svgThatDrawsOtherFilesOrTooMuchIsRefused()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, verdict);
        const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                               "width='20' height='20'>" + body + "</svg>";
        QCOMPARE(int(checkSvg(svg)), verdict);
        QCOMPARE(int(checkSvg("<?xml-stylesheet type='text/css' href='/etc/a.css'?>" + svg)), int(SvgVerdict::RefersOutside));
        QCOMPARE(int(checkSvg("<!DOCTYPE svg [<!ENTITY a 'b'>]>" + svg)), int(SvgVerdict::Entities));
    }

    void namesFollowTheNameRuleCountUpOnClashesAndReuseTheSamePicture()
    {
        QCOMPARE(importBaseName(QStringLiteral("/x/Grüße aus Köln.final.png")), QStringLiteral("GruesseausKoelnfinal"));
        QCOMPARE(importBaseName(QStringLiteral("ÄÖÜ_é-1.JPG")), QStringLiteral("AeOeUe_e-1"));
        QCOMPARE(importBaseName(QString(50, u'x') + ".png"), QString(40, u'x'));
        QCOMPARE(importBaseName(QStringLiteral("%%.png")), QStringLiteral("Bild"));
        // names that a Windows share refuses as devices, whatever their case and ending
        const QStringList devices{"CON.png", "prn", "Aux.wav", "nul.gif", "COM1.gif", "lpt9.JPG", "COM0.png", "Lpt10.bmp"};
        QStringList named;
        for (const QString &device : devices)
            named << importBaseName(device);
        QCOMPARE(named, (QStringList{"CON_", "prn_", "Aux_", "nul_", "COM1_", "lpt9_", "COM0", "Lpt10"}));
        QTemporaryDir dir;
        const mode_t umask = ::umask(022); // what another login of the class may read
        const PreparedPicture one = prepareImage(noise(50, 40), ImportKind::Cell);
        const PreparedPicture two = prepareImage(noise(60, 40), ImportKind::Cell);
        QString error;
        QCOMPARE(storePicture(dir.path(), QStringLiteral("Hund"), one, &error), QStringLiteral("Hund.JPG"));
        QCOMPARE(storePicture(dir.path(), QStringLiteral("Hund"), two, &error), QStringLiteral("Hund-2.JPG"));
        QCOMPARE(storePicture(dir.path(), QStringLiteral("Hund"), one, &error), QStringLiteral("Hund.JPG"));
        QCOMPARE(storePicture(dir.path(), QStringLiteral("hund"), two, &error), QStringLiteral("Hund-2.JPG"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary file left
        struct stat st;
        ::umask(umask);
        QVERIFY(::stat(QFile::encodeName(dir.filePath("Hund-2.JPG")).constData(), &st) == 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0644));
    }

    void badInputIsRefusedByNameAndTheOthersStillImport()
    {
        QTemporaryDir dir;
        const auto file = [&dir](const QString &name, const QByteArray &bytes) {
            QFile f(dir.filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
            return ImportSource{f.fileName(), {}};
        };
        QByteArray huge = encoded(noise(2, 2), "BMP");
        QByteArray vast = huge;
        huge[18] = char(0x20); huge[19] = char(0x4E); // 20000 pixels wide
        vast[18] = vast[22] = char(0xE0); vast[19] = vast[23] = char(0x2E); // 12000 × 12000: 576 MB
        const QByteArray png = encoded(noise(40, 30), "PNG");
        const QByteArray svg("<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                             "width='20' height='20'><image xlink:href='%1' width='9' height='9'/></svg>");
        const QVector<ImportSource> sources{
            file("Text.png", "kein Bild"), file("Halb.png", png.left(png.size() - 20)), file("Riesig.bmp", huge), file("Flaeche.bmp", vast),
            file("Fremd.svg", QByteArray(svg).replace("%1", "../geheim.png")), file("Foto.heic", QByteArray("\0\0\0\x18" "ftypheic", 12)),
            file("Stumm.wav", "kein Ton"), file("Gut.svg", QByteArray(svg).replace("%1", "#a")), file("Gut.png", png),
            file("Ruf.mp3", test::silentWav())};
        const QVector<ImportResult> r = importPictures(sources, {dir.filePath("Eigene Bilder"), dir.filePath("Eigene Toene")}, ImportKind::Cell);
        const QStringList reasons{"kein Bild", "unvollständig", "zu groß", "zu groß", "verweist", "HEIC/HEIF", "kein Ton"};
        for (int i = 0; i < reasons.size(); ++i) {
            QVERIFY(r[i].fileName.isEmpty());
            QVERIFY2(r[i].message.contains(QFileInfo(sources[i].path).fileName()) && r[i].message.contains(reasons[i]), qPrintable(r[i].message));
        }
        QCOMPARE(r[7].fileName, QStringLiteral("Gut.GIF"));
        QCOMPARE(r[8].fileName, QStringLiteral("Gut.JPG"));
        QVERIFY(QFile::exists(dir.filePath("Eigene Bilder/Gut.JPG")));
        // a sound is copied unchanged, its ending told by its header
        QVERIFY(r[6].sound && r[9].sound && !r[8].sound);
        QCOMPARE(r[9].fileName, QStringLiteral("Ruf.WAV"));
        QFile copy(dir.filePath("Eigene Toene/Ruf.WAV"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), test::silentWav());
    }

    void aReadOnlyFolderOrAFullDiskLeavesNoFileBehind()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("Eigene Bilder"));
        const QString target = dir.filePath("Eigene Bilder");
        if (!mount({"-t", "tmpfs", "-o", "size=8k,nr_inodes=64", "tmpfs", target}))
            QSKIP("this test may not mount a small file system");
        const ImportSource big{{}, noise(161, 121)};
        const QVector<ImportResult> full = importPictures({big}, {target, {}}, ImportKind::Cell);
        const QStringList left = QDir(target).entryList(QDir::Files | QDir::Hidden);
        const bool readOnly = mount({"-o", "remount,ro", target});
        const QVector<ImportResult> ro = importPictures({ImportSource{{}, noise(20, 20)}}, {target, {}}, ImportKind::Cell);
        QProcess::execute(QStringLiteral("umount"), {target});
        QVERIFY2(full[0].fileName.isEmpty() && full[0].message.contains(QStringLiteral("voll")), qPrintable(full[0].message));
        QVERIFY(left.isEmpty());
        QVERIFY(readOnly);
        QVERIFY2(ro[0].fileName.isEmpty() && ro[0].message.contains(QStringLiteral("geschrieben")), qPrintable(ro[0].message));
    }
};

QTEST_MAIN(PictureImportTest)
#include "PictureImportTest.moc"
