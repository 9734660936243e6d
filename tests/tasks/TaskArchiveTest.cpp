// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks passed on as one file: the round trip, and hostile archives that are
// refused or trimmed without a file written outside the program folder.
#include "ProgramFolder.h"

#include "tasks/TaskArchive.h"
#include "pictures/GifWriter.h"
#include "platform/TextFiles.h"

#include "WmfWriter.h"

#include <QDirIterator>
#include <QtTest>

#include <zip.h>

using namespace duplikon;
using namespace duplikon::test;

namespace {

struct Entry {
    QByteArray name, bytes;
    bool deflate = false;
    bool link = false;
    bool encrypt = false;
};

// An archive made with libzip as another packer could make it.
QByteArray zipOf(const QList<Entry> &entries)
{
    zip_source_t *out = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_source_keep(out);
    zip_t *za = zip_open_from_source(out, ZIP_TRUNCATE, nullptr);
    for (const Entry &e : entries) {
        const zip_int64_t i = zip_file_add(za, e.name.constData(), zip_source_buffer(za, e.bytes.constData(), e.bytes.size(), 0), 0);
        zip_set_file_compression(za, i, e.deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 9);
        if (e.link)
            zip_file_set_external_attributes(za, i, 0, ZIP_OPSYS_UNIX, 0120777u << 16);
        if (e.encrypt)
            zip_file_set_encryption(za, i, ZIP_EM_AES_256, "geheim");
    }
    zip_close(za);
    zip_source_open(out);
    zip_stat_t st;
    zip_source_stat(out, &st);
    QByteArray bytes(qsizetype(st.size), '\0');
    zip_source_read(out, bytes.data(), st.size);
    zip_source_close(out);
    zip_source_free(out);
    return bytes;
}

QByteArray manifest(const QStringList &halves, int version = 1)
{
    return QStringLiteral("{\"version\": %1, \"name\": \"Hund\", \"halves\": [\"%2\"]}").arg(version).arg(halves.join(QStringLiteral("\", \""))).toUtf8();
}

QByteArray gif(const QColor &c, QSize size = QSize(40, 30))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(c);
    return encodePicture(image, "gif");
}

// With DUPLIKON_ARCHIVE_SEEDS set, the archives made here seed the fuzz target.
void keepSeed(const char *name, const QByteArray &bytes)
{
    const QString folder = qEnvironmentVariable("DUPLIKON_ARCHIVE_SEEDS");
    if (!folder.isEmpty() && bytes.size() <= 65536)
        writeFileAtomically(folder + QLatin1Char('/') + QLatin1String(name), bytes, nullptr);
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next().mid(folder.size() + 1);
    return files;
}

} // namespace

class TaskArchiveTest : public QObject {
    Q_OBJECT
private slots:
    void aTaskComesBackWithTheSameHalvesAndBytes()
    {
        ProgramFolder from, to, third;
        const QByteArray hund = gif(Qt::red), kreis = [] {
            WmfWriter w;
            w.setPlaceable(QRect(0, 0, 200, 100), 96);
            w.ellipse(QRect(10, 10, 180, 80));
            return w.finish();
        }();
        QImage photo(300, 200, QImage::Format_RGB32);
        photo.fill(Qt::green);
        from.write(QStringLiteral("Tiere/Hund.gif"), hund);
        from.write(QStringLiteral("Formen/Kreis.WMF"), kreis);
        from.write(QStringLiteral("Foto.jpg"), encodePicture(photo, "jpg"));
        from.write(QStringLiteral("Töne/Bellen.wav"), toneWave(50));
        from.write(QStringLiteral("Kaputt.gif"), hund.left(hund.size() / 2));
        const QStringList lines{QStringLiteral("Hund"), QStringLiteral("Tiere\\Hund.gif"), QStringLiteral("Kreis"),
                                QStringLiteral("formen\\kreis.wmf"), QStringLiteral("Töne\\Bellen.wav"),
                                QStringLiteral("Foto.jpg"), QString(), QStringLiteral("Tiere\\Hund.gif"),
                                QStringLiteral("Fehlt.bmp"), QStringLiteral("Kaputt.gif")};
        from.writeTask(QStringLiteral("TIERE.TXT"), lines);

        const OutgoingTask out = gatherTask(from.folder(), QStringLiteral("TIERE.TXT"));
        QVERIFY(out.ok);
        QCOMPARE(out.problems.size(), 2); // the missing and the cut-off picture, named
        QVERIFY(out.problems.at(0).contains(QStringLiteral("Fehlt.bmp")) && out.problems.at(1).contains(QStringLiteral("Kaputt.gif")));
        QCOMPARE(out.task.media.size(), 4); // Hund.gif once
        const QString archive = from.file(QStringLiteral("TIERE.duplikon"));
        QString error;
        QVERIFY2(saveTaskArchive(archive, out.task, &error), qPrintable(error));

        keepSeed("roundtrip.duplikon", from.read(QStringLiteral("TIERE.duplikon")));
        const TakenInTask in = takeInTask(archive, to.path());
        QVERIFY2(in.ok, qPrintable(in.message));
        QCOMPARE(in.taskFile, QStringLiteral("TIERE.TXT"));
        const QStringList got = readTextLines(to.file(in.taskFile)).lines;
        QCOMPARE(got.size(), lines.size());
        const QMap<int, QByteArray> media{{1, hund}, {3, kreis}, {4, toneWave(50)}, {5, from.read(QStringLiteral("Foto.jpg"))}};
        for (int i = 0; i < 7; ++i) {
            if (media.contains(i))
                QCOMPARE(to.read(QString(got.at(i)).replace(u'\\', u'/')), media.value(i));
            else
                QCOMPARE(got.at(i), lines.at(i));
        }
        QCOMPARE(got.at(1), QStringLiteral("Eigene Bilder\\Hund.GIF"));
        QCOMPARE(got.at(3), QStringLiteral("Eigene Bilder\\Kreis.WMF"));
        QCOMPARE(got.at(4), QStringLiteral("Eigene Toene\\Bellen.WAV"));
        QCOMPARE(got.mid(7), (QStringList{got.at(1), QStringLiteral("Fehlt"), QStringLiteral("Kaputt")}));
        QVERIFY(in.message.contains(QStringLiteral("Hund.GIF")) && in.message.contains(QStringLiteral("Bellen.WAV")));

        // Again: identical media are used again, the task file gets a free name;
        // a different picture of the same name never replaces the one there.
        to.write(QStringLiteral("Eigene Bilder/Foto.JPG"), hund);
        const TakenInTask again = takeInTask(archive, to.path());
        QCOMPARE(again.taskFile, QStringLiteral("TIERE-2.TXT"));
        QCOMPARE(readTextLines(to.file(again.taskFile)).lines.at(5), QStringLiteral("Eigene Bilder\\Foto-2.JPG"));
        QCOMPARE(filesBelow(to.path()).size(), 7);
        QCOMPARE(to.read(QStringLiteral("Eigene Bilder/Foto.JPG")), hund);
    }

    void hostileArchivesAreRefusedOrTrimmedAndWriteNothingOutside()
    {
        const QByteArray picture = gif(Qt::blue);
        const QByteArray name = mediumName(picture, QStringLiteral("gif")).toLatin1();
        const Entry task{"manifest.json", manifest({QStringLiteral("Blau"), QString::fromLatin1(name)}), true};
        const Entry medium{name, picture};
        QByteArray cut = zipOf({task, medium});
        cut.chop(cut.size() / 2);
        QByteArray bigger = zipOf({task, medium});
        // Both headers declare the manifest 20 bytes shorter than it inflates to.
        for (const char *header : {"PK\x03\x04", "PK\x01\x02"}) {
            const qsizetype at = bigger.indexOf(header) + (header[2] == 3 ? 22 : 24);
            bigger[at] = char(quint8(bigger[at]) - 20);
        }
        QList<Entry> many;
        for (int i = 0; i < 10000; ++i)
            many << Entry{"x" + QByteArray::number(i), "x"};
        const QByteArray zeros(2 * 1024 * 1024, '\0');
        QImage png(20, 20, QImage::Format_RGB32);
        png.fill(Qt::red);
        const struct { const char *what; QByteArray bytes; const char *reason; } cases[] = {
            {"dotdot", zipOf({task, medium, {"../boese.txt", "x"}}), nullptr},
            {"backslash", zipOf({task, medium, {"..\\boese.txt", "x"}}), nullptr},
            {"absolute", zipOf({task, medium, {"/tmp/boese.txt", "x"}}), nullptr},
            {"link", zipOf({task, {name, "/etc/passwd", false, true}}), "fehlt"},
            {"bomb", zipOf({task, medium, {mediumName(zeros, QStringLiteral("bmp")).toLatin1(), zeros, true}}), "stark gepackt"},
            {"bigger", bigger, "Paket"},
            {"hash", zipOf({task, {name, gif(Qt::red)}}), "Prüfsumme"},
            {"many", zipOf(many), "mehr als 64"},
            {"encrypted", zipOf({task, {name, picture, false, false, true}}), "verschlüsselt"},
            {"truncated", cut, "beschädigt"},
            {"png", encodePicture(png, "png"), "kein Duplikon-Paket"},
            {"version", zipOf({{"manifest.json", manifest({QStringLiteral("Blau")}, 2)}, medium}), "Version"},
            {"text", zipOf({{"manifest.json", manifest({QStringLiteral("..\\\\..\\\\x.gif")})}}), "nennt eine Datei"},
            {"picture", zipOf({{"manifest.json", manifest({mediumName("BMxx", QStringLiteral("bmp"))})},
                               {mediumName("BMxx", QStringLiteral("bmp")).toLatin1(), "BMxx"}}), "„media/"},
        };
        for (const auto &c : cases) {
            QTemporaryDir outside;
            QDir(outside.path()).mkdir(QStringLiteral("Duplikon"));
            const QString folder = outside.path() + QStringLiteral("/Duplikon");
            ProgramFolder source;
            source.write(QStringLiteral("Paket.duplikon"), c.bytes);
            keepSeed(c.what, c.bytes);
            const TakenInTask in = takeInTask(source.file(QStringLiteral("Paket.duplikon")), folder);
            QVERIFY2(filesBelow(outside.path()).size() == (c.reason ? 0 : 2), c.what);
            QVERIFY2(QStringList(filesBelow(source.path())) == QStringList{QStringLiteral("Paket.duplikon")}, c.what);
            if (!c.reason) {
                QVERIFY2(in.ok && in.message.contains(QStringLiteral("boese.txt")), c.what);
                continue;
            }
            QVERIFY2(!in.ok && in.message.contains(QStringLiteral("„Paket.duplikon“")), c.what);
            QVERIFY2(in.message.contains(QString::fromUtf8(c.reason)), qPrintable(in.message));
        }
    }

    void theArchiveMessageTellsWhatTheBoardWouldMeet()
    {
        // Fifty tiny GIFs, each declaring an 8000 × 8000 screen around a 1 × 1
        // frame: the board would not show them, so the headers refuse them by
        // name before anything is decoded.
        TaskArchive giants;
        giants.name = QStringLiteral("Riesen");
        for (int i = 0; i < 50; ++i) {
            QImage dot(1, 1, QImage::Format_RGB32);
            dot.fill(QColor(i, 0, 0));
            QByteArray bytes = encodeGif(quantise(dot));
            bytes[6] = bytes[8] = char(8000 & 0xFF);
            bytes[7] = bytes[9] = char(8000 >> 8);
            const QString name = mediumName(bytes, QStringLiteral("gif"));
            giants.media.insert(name, bytes);
            giants.fileNames.insert(name, QStringLiteral("Riese%1.gif").arg(i));
            giants.halves << QStringLiteral("Riese %1").arg(i) << name;
        }
        ProgramFolder source, to;
        source.write(QStringLiteral("Riesen.duplikon"), writeTaskArchive(giants));
        const TakenInTask refused = takeInTask(source.file(QStringLiteral("Riesen.duplikon")), to.path());
        QVERIFY2(!refused.ok && refused.message.contains(QStringLiteral("zu groß")), qPrintable(refused.message));
        QVERIFY2(refused.message.contains(QStringLiteral("„Riese")), qPrintable(refused.message));
        QVERIFY(filesBelow(to.path()).isEmpty());

        // An odd half is taken in and named; a device name gets a suffix.
        TaskArchive odd;
        odd.name = QStringLiteral("con");
        odd.halves = QStringList{QStringLiteral("Hund"), QStringLiteral("Wau"), QString(), QStringLiteral("Katze")};
        source.write(QStringLiteral("con.duplikon"), writeTaskArchive(odd));
        const TakenInTask in = takeInTask(source.file(QStringLiteral("con.duplikon")), to.path());
        QVERIFY(in.ok && in.taskFile == QStringLiteral("CON_.TXT"));
        QVERIFY2(in.message.contains(QStringLiteral("„Katze“ hat keinen Partner")), qPrintable(in.message));
        odd.halves.removeLast();
        source.write(QStringLiteral("gerade.duplikon"), writeTaskArchive(odd));
        QVERIFY(!takeInTask(source.file(QStringLiteral("gerade.duplikon")), to.path()).message.contains(QStringLiteral("Partner")));
    }
};

QTEST_MAIN(TaskArchiveTest)
#include "TaskArchiveTest.moc"
