// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/SettingsFile.h"
#include "platform/TextFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

namespace {

QByteArray bytesOf(const char *s)
{
    return QByteArray(s);
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

void expectDefaults(const Settings &s)
{
    QCOMPARE(s.check1, 0);
    QCOMPARE(s.check2, 0);
    QCOMPARE(s.check3, 0);
    QCOMPARE(s.check5, 0);
    QCOMPARE(s.colour, ColourValue(0xFFFFFF));
    QVERIFY(s.pflicht.isEmpty());
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void writerProducesTheKnownBytes();
    void emptyMandatoryListGivesExactlyFiveLines();
    void everySwitchAndColourSurvivesWriteAndRead_data();
    void everySwitchAndColourSurvivesWriteAndRead();
    void mandatoryEntriesComeBackExactlyAsWritten();
    void umlautsAreSingleBytesAndOtherCharactersAreKept();
    void readerToleratesHandEditedFiles();
    void shortFileAppliesWhatItHolds();
    void damagedFileGivesDefaultsAndNoMandatoryTasks();
    void missingFolderOrOversizedFileReadsAsDefaults();
    void writingReplacesTheFileAndReportsFailure();
};

void SettingsFileTest::writerProducesTheKnownBytes()
{
    Settings s;
    s.check1 = 1;
    s.check3 = 1;
    s.colour = 14737632; // light grey 0xE0E0E0
    s.pflicht = {QStringLiteral("TIERE.TXT"), QStringLiteral("ZAHLEN.TXT")};
    QCOMPARE(settingsBytes(s),
             bytesOf(" 1 \r\n 0 \r\n 1 \r\n 0 \r\n 14737632 \r\nTIERE.TXT\r\nZAHLEN.TXT\r\n"));

    s = Settings();
    s.check5 = 1;
    s.colour = kSystemWindow;
    QCOMPARE(settingsBytes(s), bytesOf(" 0 \r\n 0 \r\n 0 \r\n 1 \r\n-2147483643 \r\n"));
}

void SettingsFileTest::emptyMandatoryListGivesExactlyFiveLines()
{
    Settings s;
    const QByteArray bytes = settingsBytes(s);
    QCOMPARE(bytes.count("\r\n"), 5);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes, bytesOf(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 16777215 \r\n"));
    bool ok = false;
    const Settings back = parseSettings(bytes, &ok);
    QVERIFY(ok);
    QVERIFY(back.pflicht.isEmpty());
}

void SettingsFileTest::everySwitchAndColourSurvivesWriteAndRead_data()
{
    QTest::addColumn<int>("c1");
    QTest::addColumn<int>("c2");
    QTest::addColumn<int>("c3");
    QTest::addColumn<int>("c5");
    QTest::addColumn<int>("colour");
    QTest::newRow("all clear, black") << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("Pflichtaufgaben") << 1 << 0 << 0 << 0 << 0xFFFFFF;
    QTest::newRow("Kurze Dateiwahl") << 0 << 1 << 0 << 0 << 0xFFFFFF;
    QTest::newRow("Editor sperren") << 0 << 0 << 1 << 0 << 0xFFFFFF;
    QTest::newRow("Wiederholung") << 1 << 0 << 0 << 1 << 0xFFFFFF;
    QTest::newRow("all on, light grey") << 1 << 1 << 1 << 1 << 0xE0E0E0;
    QTest::newRow("system window colour") << 0 << 0 << 0 << 0 << int(kSystemWindow);
    QTest::newRow("red") << 1 << 1 << 0 << 0 << int(rgbValue(255, 0, 0));
}

void SettingsFileTest::everySwitchAndColourSurvivesWriteAndRead()
{
    QFETCH(int, c1);
    QFETCH(int, c2);
    QFETCH(int, c3);
    QFETCH(int, c5);
    QFETCH(int, colour);
    Settings s;
    s.check1 = c1;
    s.check2 = c2;
    s.check3 = c3;
    s.check5 = c5;
    s.colour = colour;
    s.pflicht = {QStringLiteral("A.TXT")};

    QTemporaryDir dir;
    const QString path = dir.filePath(settingsFileName());
    QString error;
    QVERIFY(writeSettingsFile(path, s, &error));
    Settings back;
    QVERIFY(readSettingsFile(path, &back));
    QCOMPARE(back.check1, c1);
    QCOMPARE(back.check2, c2);
    QCOMPARE(back.check3, c3);
    QCOMPARE(back.check5, c5);
    QCOMPARE(back.colour, ColourValue(colour));
    QCOMPARE(back.pflicht, s.pflicht);
}

void SettingsFileTest::mandatoryEntriesComeBackExactlyAsWritten()
{
    Settings s;
    s.check1 = 1;
    s.pflicht = {QStringLiteral("TIERE.TXT"), QStringLiteral("Hund, Katze.TXT"),
                 QStringLiteral("  EINRUECK.TXT"), QStringLiteral("\"ZITAT\".TXT"),
                 QStringLiteral("TIERE.TXT")};
    const QByteArray bytes = settingsBytes(s);
    QVERIFY(bytes.contains("\r\nHund, Katze.TXT\r\n"));
    QVERIFY(bytes.contains("\r\n  EINRUECK.TXT\r\n"));
    bool ok = false;
    const Settings back = parseSettings(bytes, &ok);
    QVERIFY(ok);
    QCOMPARE(back.pflicht, s.pflicht);
    QCOMPARE(back.check1, 1);
}

void SettingsFileTest::umlautsAreSingleBytesAndOtherCharactersAreKept()
{
    Settings s;
    s.pflicht = {QStringLiteral("ÜBUNG GRÖßE.TXT")};
    const QByteArray bytes = settingsBytes(s);
    QVERIFY(bytes.endsWith(QByteArray("\xDC" "BUNG GR" "\xD6\xDF" "E.TXT\r\n")));
    QCOMPARE(parseSettings(bytes).pflicht, s.pflicht);

    // A file written by an older program in Windows-1252 reads the same.
    const QByteArray ansi(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\nM\xC4" "RCHEN.TXT\r\n");
    QCOMPARE(parseSettings(ansi).pflicht, QStringList{QStringLiteral("MÄRCHEN.TXT")});

    // A name that Windows-1252 cannot hold is not lost.
    s.pflicht = {QStringLiteral("ŁÓDŹ.TXT"), QStringLiteral("ÄRGER.TXT")};
    QCOMPARE(parseSettings(settingsBytes(s)).pflicht, s.pflicht);
}

void SettingsFileTest::readerToleratesHandEditedFiles()
{
    bool ok = false;
    // LF and lone CR line ends, no blanks, a comment after a comma, a plus sign,
    // blanks and tabs around numbers, and empty lines among the entries.
    Settings s = parseSettings(QByteArray("1\n0\r+1,Editor gesperrt\r\n \t0\t \n-2147483643\n"
                                          "A.TXT\n\n   \nB.TXT\r\n\r\n"), &ok);
    QVERIFY(ok);
    QCOMPARE(s.check1, 1);
    QCOMPARE(s.check2, 0);
    QCOMPARE(s.check3, 1);
    QCOMPARE(s.check5, 0);
    QCOMPARE(s.colour, kSystemWindow);
    QCOMPARE(s.pflicht, (QStringList{QStringLiteral("A.TXT"), QStringLiteral("B.TXT")}));

    // A check box holds 0 or 1: any other stored number leaves the switch clear.
    s = parseSettings(QByteArray(" 2 \r\n-1 \r\n 1 \r\n 7 \r\n 255 \r\n"), &ok);
    QVERIFY(ok);
    QCOMPARE(s.check1, 0);
    QCOMPARE(s.check2, 0);
    QCOMPARE(s.check3, 1);
    QCOMPARE(s.check5, 0);
    QCOMPARE(s.colour, ColourValue(255));

    // An empty number line keeps that record's default.
    s = parseSettings(QByteArray(" 1 \r\n\r\n 1 \r\n 1 \r\n\r\nX.TXT\r\n"), &ok);
    QVERIFY(ok);
    QCOMPARE(s.check2, 0);
    QCOMPARE(s.check5, 1);
    QCOMPARE(s.colour, ColourValue(0xFFFFFF));
    QCOMPARE(s.pflicht, QStringList{QStringLiteral("X.TXT")});
}

void SettingsFileTest::shortFileAppliesWhatItHolds()
{
    bool ok = false;
    Settings s = parseSettings(QByteArray(" 1 \r\n 0 \r\n 1 \r\n"), &ok);
    QVERIFY(ok);
    QCOMPARE(s.check1, 1);
    QCOMPARE(s.check3, 1);
    QCOMPARE(s.check5, 0);
    QCOMPARE(s.colour, ColourValue(0xFFFFFF)); // not black
    QVERIFY(s.pflicht.isEmpty());

    s = parseSettings(QByteArray(), &ok);
    QVERIFY(ok);
    expectDefaults(s);
}

void SettingsFileTest::damagedFileGivesDefaultsAndNoMandatoryTasks()
{
    bool ok = true;
    // Bytes that are no text at all.
    QByteArray garbage;
    quint32 x = 12345;
    for (int i = 0; i < 4000; ++i) {
        x = x * 1103515245u + 12345u;
        garbage.append(char(x >> 24));
    }
    garbage.prepend(QByteArray("\x00\xFF\xFE\r\n", 5));
    expectDefaults(parseSettings(garbage, &ok));
    QVERIFY(!ok);

    // A word where a number belongs: the entries are not taken either.
    ok = true;
    expectDefaults(parseSettings(QByteArray(" 1 \r\nja\r\n 1 \r\n 0 \r\n 0 \r\nA.TXT\r\n"), &ok));
    QVERIFY(!ok);

    // Numbers that do not fit into 32 bits, decimals and a lone sign.
    for (const char *bad : {" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 4294967295 \r\n", " 0 \r\n 0 \r\n 0 \r\n 0 \r\n-2147483649 \r\n",
                            " 1.0 \r\n", " - \r\n", " 1 2 \r\n"}) {
        ok = true;
        expectDefaults(parseSettings(QByteArray(bad), &ok));
        QVERIFY2(!ok, bad);
    }
    // The extremes of 32 bits are numbers.
    const Settings s = parseSettings(QByteArray(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n-2147483648 \r\n"), &ok);
    QVERIFY(ok);
    QCOMPARE(s.colour, std::numeric_limits<qint32>::min());
}

void SettingsFileTest::missingFolderOrOversizedFileReadsAsDefaults()
{
    QTemporaryDir dir;
    Settings s;
    s.check1 = 1;
    s.pflicht = {QStringLiteral("STALE")};
    QVERIFY(!readSettingsFile(dir.filePath(settingsFileName()), &s));
    expectDefaults(s);

    QVERIFY(QDir(dir.path()).mkdir(settingsFileName() + QStringLiteral(".d")));
    QVERIFY(!readSettingsFile(dir.filePath(settingsFileName() + QStringLiteral(".d")), &s));
    expectDefaults(s);

    // A valid start followed by more than 1 MiB of entries is not a settings file.
    QByteArray big(" 1 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n");
    const QByteArray line("AUFGABE.TXT\r\n");
    while (big.size() <= kMaxTextFileSize)
        big += line;
    const QString path = dir.filePath(settingsFileName());
    QVERIFY(writeBytes(path, big));
    QVERIFY(!readSettingsFile(path, &s));
    expectDefaults(s);
    expectDefaults(parseSettings(big));

    // Just under the limit it is read.
    while (big.size() > kMaxTextFileSize)
        big.chop(line.size());
    QVERIFY(writeBytes(path, big));
    QVERIFY(readSettingsFile(path, &s));
    QCOMPARE(s.check1, 1);
    QVERIFY(s.pflicht.size() > 1000);
}

void SettingsFileTest::writingReplacesTheFileAndReportsFailure()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(settingsFileName());
    Settings s;
    s.pflicht = {QStringLiteral("A.TXT"), QStringLiteral("B.TXT"), QStringLiteral("C.TXT")};
    QString error;
    QVERIFY(writeSettingsFile(path, s, &error));

    // Removing every mandatory task shortens the file to five lines.
    s.pflicht.clear();
    QVERIFY(writeSettingsFile(path, s, &error));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), settingsBytes(s));
    f.close();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{settingsFileName()});

    error.clear();
    QVERIFY(!writeSettingsFile(dir.filePath(QStringLiteral("fehlt/") + settingsFileName()), s, &error));
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
