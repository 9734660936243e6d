// SPDX-License-Identifier: GPL-3.0-or-later
// The results kept for the teacher: lines written and read back whatever the
// names hold, damaged files, the cache, the tables and many writers at once.
#include "results/ResultEvent.h"
#include "results/ResultsFolders.h"
#include "results/ResultsStatistics.h"
#include "results/ResultsTables.h"
#include "results/ResultsWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>
#include <tuple>

using namespace duplikon;

namespace {

const QStringList kOddNames = {
    QStringLiteral("Lea"), QStringLiteral("Léa"), QStringLiteral("\"Max\"; Moritz"),
    QStringLiteral("Zeile\neins\r\nzwei"), QStringLiteral("Kim 🦊🎉"), QStringLiteral("سارة"),
    QStringLiteral("=HYPERLINK(\"x\")"), QStringLiteral("../../etc"), QStringLiteral("-1+2"),
};

ResultEvent makeEvent(ResultEvent::Kind kind, const QString &user, const QString &task = QStringLiteral("A.TXT"))
{
    ResultEvent e;
    e.kind = kind;
    e.time = QDateTime(QDate(2026, 3, 4), QTime(10, 20, 30));
    e.user = user;
    e.task = task;
    e.fingerprint = QStringLiteral("ab12");
    return e;
}

QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// One program run of the many-writers test: a wrong drop, a match, a solved task.
void writeRuns(const QString &folder, int process)
{
    for (int run = 0; run < 200; ++run) {
        ResultsWriter writer(ResultsFolders(folder), QStringLiteral("pc%1").arg(process));
        const QString user = kOddNames.at(run % kOddNames.size());
        ResultEvent drop = makeEvent(ResultEvent::Drop, user);
        drop.half1 = QStringLiteral("a;\"1\"");
        drop.half2 = QStringLiteral("b\n2");
        writer.record(makeEvent(ResultEvent::TaskSet, user));
        writer.record(drop);
        drop.matched = true;
        writer.record(drop);
        ResultEvent solved = makeEvent(ResultEvent::Solved, user);
        solved.seconds = process * 1000 + run;
        solved.wrongDrops = 1;
        writer.record(solved);
        writer.finish(10000);
    }
}

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT

private slots:
    void linesKeepEveryCharacterAndRefuseDamage()
    {
        for (const QString &name : kOddNames) {
            ResultEvent e = makeEvent(ResultEvent::Drop, name, name + QStringLiteral(".TXT"));
            e.half1 = name;
            e.half2 = QStringLiteral("\u202Eabc");
            e.way = PlayWay::Tap;
            const QByteArray line = resultLine(e);
            QCOMPARE(line.count('\n'), 1);
            QVERIFY(line.endsWith('\n'));
            const std::optional<ResultEvent> back = parseResultLine(line);
            QVERIFY(back);
            QCOMPARE(back->user, name);
            QCOMPARE(back->half1, name);
            QCOMPARE(back->half2, e.half2);
            QCOMPARE(back->way, PlayWay::Tap);
            QCOMPARE(back->time, e.time);
            QVERIFY(!parseResultLine(line.left(line.size() / 2)));
        }
        ResultEvent solved = makeEvent(ResultEvent::Solved, QStringLiteral("x"));
        solved.seconds = 42;
        QByteArray line = resultLine(solved);
        QCOMPARE(parseResultLine(line)->seconds, 42);
        QVERIFY(!parseResultLine(QByteArray(line).replace("42", "-3")));
        QVERIFY(!parseResultLine(QByteArray(line).replace("\"solved\"", "\"other\"")));
        QVERIFY(!parseResultLine(QByteArray(line).replace("42", "\"42\"")));
        // Escapes count as their characters in names and words too; the last of a name counts.
        QVERIFY(parseResultLine(QByteArray(line).replace("\"kind\"", "\"\\u006bind\"").replace("solved", "s\\u006flved")));
        QCOMPARE(parseResultLine(QByteArray(line).replace("\"seconds\"", "\"seconds\":7,\"seconds\""))->seconds, 42);
        QVERIFY(!parseResultLine(QByteArray(line).replace("\"solved\"", "\"s\\qlved\"")));
        solved.time = QDateTime();
        QVERIFY(parseResultLine(resultLine(solved))->time.isValid());
        // The card game keeps its turns and teams; an impossible team count is left out.
        solved.way = PlayWay::Cards;
        solved.turns = 7;
        solved.teams = 2;
        line = resultLine(solved);
        const std::optional<ResultEvent> cards = parseResultLine(line);
        QVERIFY(cards && cards->way == PlayWay::Cards && cards->turns == 7 && cards->teams == 2);
        QCOMPARE(parseResultLine(QByteArray(line).replace("\"teams\":2", "\"teams\":9"))->teams, 0);
        QVERIFY(!parseResultLine("[1,2]"));
        QVERIFY(!parseResultLine(""));
    }

    void childFolderKeepsNamesApartAndSafe()
    {
        QCOMPARE(childFolderName(QStringLiteral("Lea")).left(4), QStringLiteral("Lea-"));
        QVERIFY(childFolderName(QStringLiteral("Léa")).startsWith(QStringLiteral("Lea-")));
        QVERIFY(childFolderName(QStringLiteral("Lea")) != childFolderName(QStringLiteral("Léa")));
        QVERIFY(childFolderName(QStringLiteral("Jö.rg")).startsWith(QStringLiteral("Joerg-")));
        QVERIFY(childFolderName(QStringLiteral("🦊")).startsWith(QStringLiteral("Kind-")));
        QVERIFY(ResultsFolders(QStringLiteral("/srv/3a")).fallbackRoot().endsWith(
            QStringLiteral("/duplikon/Ergebnisse/srv3a-") + childFolderName(QStringLiteral("/srv/3a")).right(8)));
        for (const QString &name : kOddNames) {
            const QString folder = childFolderName(name);
            QCOMPARE(folder, childFolderName(name));
            for (const QChar c : folder)
                QVERIFY2(c.isLetterOrNumber() || c == u'-' || c == u'_', qPrintable(folder));
        }
    }

    void readerSkipsCutLinesAndDamagedFiles()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("Ergebnisse"));
        ResultEvent solved = makeEvent(ResultEvent::Solved, QStringLiteral("Ina"));
        const QByteArray good = resultLine(solved);
        write(root + QStringLiteral("/Ina/a.jsonl"), good + "{\"kind\":\n" + good + good.left(20));
        write(root + QStringLiteral("/Ina/b.jsonl"), QByteArray("\x00\xff garbage\n", 11));
        QFile big(root + QStringLiteral("/Ina/c.jsonl"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(65LL * 1024 * 1024));
        big.close();
        int lastDone = 0, lastTotal = 0;
        const ResultsData data = readResults({root}, QString(), [&](int done, int total) {
            lastDone = done;
            lastTotal = total;
        });
        QCOMPARE(data.runs.size(), 2);
        QCOMPARE(data.damagedLines, 3);
        QCOMPARE(data.damagedFiles, 1);
        QCOMPARE(lastDone, 3);
        QCOMPARE(lastTotal, 3);
    }

    void appendingEndsACutLineFirst()
    {
        QTemporaryDir dir;
        const QByteArray good = resultLine(makeEvent(ResultEvent::Solved, QStringLiteral("Ina")));
        write(dir.filePath(QStringLiteral("E/Ina/a.jsonl")), good + good.left(20));
        QVERIFY(ResultsFolders::append(dir.filePath(QStringLiteral("E")), QStringLiteral("Ina/a.jsonl"), good));
        const ResultsData data = readResults({dir.filePath(QStringLiteral("E"))}, QString());
        QCOMPARE(data.runs.size(), 2);
        QCOMPARE(data.damagedLines, 1);
    }

    void fallbackBelongsToItsProgramFolder()
    {
        QTemporaryDir dir;
        const ResultsFolders a(dir.filePath(QStringLiteral("a/Duplikon"))), b(dir.filePath(QStringLiteral("b/Duplikon")));
        QVERIFY(a.fallbackRoot() != b.fallbackRoot() && a.cacheFile() != b.cacheFile());
        QVERIFY(a.fallbackRoot().contains(QStringLiteral("aDuplikon")));
        write(a.programFolder(), "a file where the folder should be");
        {
            ResultsWriter writer(a, QStringLiteral("pc"));
            writer.record(makeEvent(ResultEvent::Drop, QStringLiteral("Lea")));
        }
        QVERIFY(QFile::remove(a.programFolder()));
        // A fallback that names another program folder stays where it is.
        const QString origin = a.fallbackRoot() + QStringLiteral("/Programmordner.txt");
        QCOMPARE(read(origin), a.programFolder().toUtf8() + '\n');
        write(origin, b.programFolder().toUtf8());
        QCOMPARE(a.moveFallback(), 0);
        QCOMPARE(readResults({a.fallbackRoot()}, QString()).files, 1);
        write(origin, a.programFolder().toUtf8());
        QCOMPARE(a.moveFallback(), 0);
        QCOMPARE(readResults(a.roots(), QString()).files, 1);
        QCOMPARE(readResults({a.programRoot()}, QString()).files, 1);
    }

    void cacheReadsOnlyWhatChanged()
    {
        QTemporaryDir dir;
        const QString cache = dir.filePath(QStringLiteral("cache/results"));
        const QString a = dir.filePath(QStringLiteral("E/Ina/a.jsonl"));
        const QString b = dir.filePath(QStringLiteral("E/Ina/b.jsonl"));
        ResultEvent solved = makeEvent(ResultEvent::Solved, QStringLiteral("Ina"));
        solved.way = PlayWay::Cards; // the run that only the cache knows keeps its turns and teams
        solved.turns = 5;
        solved.teams = 3;
        const QByteArray line = resultLine(solved);
        write(a, line);
        write(b, line);
        QCOMPARE(readResults({dir.filePath(QStringLiteral("E"))}, cache).runs.size(), 2);
        // a: same size and time but other bytes, so only the cache still knows the run;
        // b: grown, so it is read again.
        const QDateTime time = QFileInfo(a).lastModified();
        write(a, QByteArray(line.size(), 'x'));
        QFile fa(a);
        QVERIFY(fa.open(QIODevice::ReadWrite) && fa.setFileTime(time, QFileDevice::FileModificationTime));
        fa.close();
        write(b, line + line);
        const ResultsData data = readResults({dir.filePath(QStringLiteral("E"))}, cache);
        QCOMPARE(data.runs.size(), 3);
        QCOMPARE(data.damagedLines, 0);
        for (const ResultRun &run : data.runs)
            QVERIFY(run.way == PlayWay::Cards && run.turns == 5 && run.teams == 3);
        QVERIFY(QFile::remove(b));
        QCOMPARE(readResults({dir.filePath(QStringLiteral("E"))}, cache).runs.size(), 1);
        write(cache, "damaged cache");
        QCOMPARE(readResults({dir.filePath(QStringLiteral("E"))}, cache).damagedLines, 1);
    }

    void tablesQuoteAndGuardFormulas()
    {
        ResultsData data;
        const QDateTime time(QDate(2026, 3, 4), QTime(9, 5, 7));
        data.runs = {{time, QStringLiteral("=SUM(A1)"), QStringLiteral("a;b.TXT"), 12, 3, 0, PlayWay::Keys, true},
                     {time, QStringLiteral("Sag \"hi\"\nda"), QStringLiteral("@x"), 0, 0, 0, PlayWay::Tap, false},
                     {time, QStringLiteral("Ünal 🦊"), QStringLiteral("-2+3"), 5, 0, 0, PlayWay::Mouse, false},
                     {time, QStringLiteral("Mia"), QStringLiteral("K.TXT"), 30, 1, 3, PlayWay::Cards, false, 4, 2}};
        data.pairs = {{QStringLiteral("T"), QStringLiteral("+1"), QStringLiteral(" ok"), 2, 1}};
        const QByteArray runs = runsCsv(data);
        QVERIFY(runs.startsWith("\xEF\xBB\xBF" "Datum;Uhrzeit;Kind;Aufgabe;Sekunden;Fehlversuche;Spielweise;Pflicht;Züge;Mannschaften\r\n"));
        QVERIFY(runs.contains("\r\n04.03.2026;09:05:07;\"'=SUM(A1)\";\"a;b.TXT\";12;3;Tasten;ja;;\r\n"));
        QVERIFY(runs.contains("\r\n04.03.2026;09:05:07;\"Sag \"\"hi\"\"\nda\";\"'@x\";0;0;Antippen;nein;;\r\n"));
        QVERIFY(runs.contains(QStringLiteral("\r\n04.03.2026;09:05:07;Ünal 🦊;\"'-2+3\";5;0;Maus;nein;;\r\n").toUtf8()));
        QVERIFY(runs.endsWith("\r\n04.03.2026;09:05:07;Mia;K.TXT;30;1;Aufdecken;nein;4;2\r\n"));
        QVERIFY(pairsCsv(data).endsWith("\r\nT;\"'+1\";\" ok\";2;1\r\n"));
    }

    void periodsAndHardestPairs()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("Ergebnisse"));
        QByteArray lines;
        const QDate today(2026, 3, 5); // a Thursday
        for (const QDate &day : {today, today.addDays(-3), today.addDays(-4)}) {
            ResultEvent e = makeEvent(ResultEvent::Drop, QStringLiteral("Ina"));
            e.time.setDate(day);
            for (const auto &[h1, h2, matched] : {std::tuple{"Hund", "Wau", true}, std::tuple{"Katze", "Miau", true},
                                                 std::tuple{"Miau", "Hund", false}, std::tuple{"Katze", "Wau", false},
                                                 std::tuple{"Miau", "Katze", false}}) {
                e.half1 = QString::fromUtf8(h1);
                e.half2 = QString::fromUtf8(h2);
                e.matched = matched;
                lines += resultLine(e);
            }
            ResultEvent solved = makeEvent(ResultEvent::Solved, QStringLiteral("Ina"));
            solved.time.setDate(day);
            lines += resultLine(solved);
        }
        write(root + QStringLiteral("/Ina/a.jsonl"), lines);
        // A task line names every pair of its task, so pairs nobody matched are
        // known; "Maus" dropped on "Wau" counts for both their pairs.
        ResultEvent task = makeEvent(ResultEvent::TaskSet, QStringLiteral("Ina"), QStringLiteral("B.TXT"));
        task.time.setDate(today);
        task.pairs = {{QStringLiteral("Hund"), QStringLiteral("Wau")}, {QStringLiteral("Maus"), QStringLiteral("Piep")}};
        ResultEvent wrong = task;
        wrong.kind = ResultEvent::Drop;
        wrong.half1 = QStringLiteral("Maus");
        wrong.half2 = QStringLiteral("Wau");
        QCOMPARE(parseResultLine(resultLine(task))->pairs, task.pairs);
        write(root + QStringLiteral("/Ina/b.jsonl"), resultLine(task) + resultLine(wrong) + resultLine(wrong));
        const ResultsData all = readResults({root}, QString());
        QCOMPARE(all.pairs.size(), 4);
        for (const int i : {2, 3})
            QVERIFY(all.pairs.at(i).task == QStringLiteral("B.TXT") && all.pairs.at(i).wrong == 2 && !all.pairs.at(i).matched);
        QCOMPARE(all.pairs.at(3).half2, QStringLiteral("Piep"));
        // A wrong drop counts against the pair of each of its halves.
        QCOMPARE(all.pairs.at(0).half1, QStringLiteral("Katze"));
        QCOMPARE(all.pairs.at(0).wrong, 9);
        QCOMPARE(all.pairs.at(1).wrong, 6);
        QCOMPARE(all.pairs.at(1).matched, 3);
        QCOMPARE(inPeriod(all, Period::Today, today).runs.size(), 1);
        QCOMPARE(inPeriod(all, Period::ThisWeek, today).runs.size(), 2);
        QCOMPARE(inPeriod(all, Period::ThisWeek, today).pairs.at(0).wrong, 6);
        QCOMPARE(inPeriod(all, Period::All, today).runs.size(), 3);
    }

    void writerFilesFallbackAndDeleting()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("prog"));
        const ResultsFolders folders(program);
        const QString fallback = folders.fallbackRoot();
        write(program, "a file where the folder should be: nothing can be written there");
        {
            ResultsWriter writer(folders, QStringLiteral("pc:1/x"));
            writer.record(makeEvent(ResultEvent::TaskSet, QStringLiteral("Benutzer")));
            writer.record(makeEvent(ResultEvent::Drop, QStringLiteral("Lea")));
            writer.record(makeEvent(ResultEvent::Solved, QStringLiteral("Lea")));
            QVERIFY(writer.finish(5000));
        }
        QStringList lea = QDir(fallback + QLatin1Char('/') + childFolderName(QStringLiteral("Lea"))).entryList(QDir::Files);
        QCOMPARE(lea.size(), 1);
        QVERIFY(lea.at(0).startsWith(QStringLiteral("2026-03-04T10-20-30-pc1x-")));
        QVERIFY(!lea.at(0).contains(QLatin1Char(':')));
        // The new name's file begins with the task on the board.
        const QByteArray leaFile = read(fallback + QLatin1Char('/') + childFolderName(QStringLiteral("Lea")) + QLatin1Char('/') + lea.at(0));
        QCOMPARE(leaFile.count('\n'), 3);
        QCOMPARE(parseResultLine(leaFile.left(leaFile.indexOf('\n')))->kind, ResultEvent::TaskSet);

        // A set-up nobody played on leaves no file.
        QVERIFY(!QFileInfo::exists(fallback + QLatin1Char('/') + childFolderName(QStringLiteral("Benutzer"))));

        QVERIFY(QFile::remove(program));
        QCOMPARE(folders.moveFallback(), 0);
        const QString root = folders.programRoot();
        QCOMPARE(readResults({root, fallback}, QString()).files, 1);
        QCOMPARE(readResults({fallback}, QString()).files, 0);

        // A server that hangs: finish() does not wait for it, and what still
        // waits goes to the fallback; the line being written lands when it answers.
        std::atomic<bool> answers{false};
        ResultsWriter slow(folders, QStringLiteral("pc"));
        slow.setWriteHook([&answers] {
            while (!answers)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        });
        for (const char *child : {"Lea", "Lea", "Max"})
            slow.record(makeEvent(ResultEvent::Solved, QString::fromLatin1(child)));
        QVERIFY(!slow.finish(50));
        QCOMPARE(readResults({fallback}, QString()).runs.size(), 2);
        answers = true;
        QTRY_COMPARE(readResults({root, fallback}, QString()).runs.size(), 4);

        QCOMPARE(ResultsFolders::remove({root, fallback}, QStringLiteral("Lea")).failed, 0);
        QCOMPARE(readResults({root, fallback}, QString()).files, 1);
        QCOMPARE(ResultsFolders::remove({root, fallback}, std::nullopt).failed, 0);
        QCOMPARE(readResults({root, fallback}, QString()).files, 0);
        QVERIFY(QFileInfo(root).isDir());
    }

    void manyWritersIntoOneFolder()
    {
        QTemporaryDir dir;
        QList<QProcess *> processes;
        for (int p = 0; p < 8; ++p) {
            auto *process = new QProcess(this);
            process->start(QCoreApplication::applicationFilePath(),
                           {QStringLiteral("--write-runs"), dir.path(), QString::number(p)});
            processes.append(process);
        }
        for (QProcess *process : processes) {
            QVERIFY(process->waitForFinished(240000));
            QCOMPARE(process->exitCode(), 0);
        }
        const ResultsData data = readResults({dir.filePath(QStringLiteral("Ergebnisse"))}, QString());
        QCOMPARE(data.damagedLines, 0);
        QCOMPARE(data.files, 8 * 200);
        QCOMPARE(data.runs.size(), 8 * 200);
        QSet<int> seen;
        for (const ResultRun &run : data.runs) {
            seen.insert(run.seconds);
            QCOMPARE(run.child, kOddNames.at(run.seconds % 1000 % kOddNames.size()));
        }
        QCOMPARE(seen.size(), 8 * 200);
        QCOMPARE(data.pairs.size(), 1);
        QCOMPARE(data.pairs.at(0).matched, 1600);
        QCOMPARE(data.pairs.at(0).wrong, 1600);
        QVERIFY(!QFileInfo::exists(ResultsFolders(dir.path()).fallbackRoot()));
    }
};

int main(int argc, char **argv)
{
    // The fallback folders and caches of the test, not the user's.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toLocal8Bit());
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--write-runs") == 0) {
        writeRuns(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
        return 0;
    }
    ResultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ResultsTest.moc"
