// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder on times of the test's own and a writer that only keeps the
// events, and on the real writer for the folders.
#include "results/ResultsRecorder.h"
#include "results/ResultsStatistics.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

namespace {

class KeptEvents : public ResultsSink {
public:
    explicit KeptEvents(QVector<ResultEvent> *events) : m_events(events) {}
    void record(const ResultEvent &event) override { m_events->append(event); }

private:
    QVector<ResultEvent> *m_events;
};

} // namespace

class ResultsRecorderTest : public QObject {
    Q_OBJECT
private slots:
    void timesFingerprintWaysAndNames();
    void programFoldersOfOneNameKeepTheirResults();
};

void ResultsRecorderTest::timesFingerprintWaysAndNames()
{
    QVector<ResultEvent> events;
    ResultsRecorder recorder(std::make_unique<KeptEvents>(&events));
    const QDateTime start(QDate(2026, 3, 4), QTime(9, 0, 0));
    const QVector<HalfPair> pairs{{QStringLiteral("Hund"), QStringLiteral("Wau")},
                                  {QStringLiteral("Katze"), QStringLiteral("Miau")}};
    recorder.taskShown(QStringLiteral("TIERE.TXT"), QByteArray("Hund\r\nWau\r\n"), pairs, true, start);
    recorder.dropped(QStringLiteral("Hund"), QStringLiteral("Miau"), false, PlayWay::Keys, start.addSecs(3));
    recorder.dropped(QStringLiteral("Hund"), QStringLiteral("Wau"), true, PlayWay::Tap, start.addSecs(5));
    recorder.dropped(QStringLiteral("Katze"), QStringLiteral("Miau"), true, PlayWay::Mouse, start.addSecs(7));
    // The praise box may stay open a long time: the time passed in counts.
    recorder.solved(start.addSecs(7), PlayWay::Mouse);
    QCOMPARE(events.size(), 5);
    QCOMPARE(events.at(0).kind, ResultEvent::TaskSet);
    QCOMPARE(events.at(0).pairs, pairs);
    QCOMPARE(events.at(0).fingerprint,
             QString::fromLatin1(QCryptographicHash::hash("Hund\r\nWau\r\n", QCryptographicHash::Sha256).toHex()));
    QVERIFY(events.at(0).mandatory && events.at(4).mandatory);
    QCOMPARE(events.at(1).way, PlayWay::Keys);
    QCOMPARE(events.at(2).way, PlayWay::Tap);
    QCOMPARE(events.at(1).half1, QStringLiteral("Hund"));
    QCOMPARE(events.at(1).half2, QStringLiteral("Miau"));
    QCOMPARE(events.at(4).seconds, 7);
    QCOMPARE(events.at(4).wrongDrops, 1);
    QCOMPARE(events.at(4).user, QStringLiteral("Benutzer"));

    // A new name names the task on the board again, under the new name.
    recorder.userChanged(QStringLiteral("Lea"), start.addSecs(60));
    QCOMPARE(events.size(), 6);
    QCOMPARE(events.at(5).kind, ResultEvent::TaskSet);
    QCOMPARE(events.at(5).user, QStringLiteral("Lea"));
    QCOMPARE(events.at(5).pairs, pairs);
    recorder.taskCleared();
    recorder.userChanged(QStringLiteral("Max"), start.addSecs(70));
    QCOMPARE(events.size(), 6);
}

// Two classes' folders of one last name; the first cannot be written at
// first (a file where the folder should be), then can.
void ResultsRecorderTest::programFoldersOfOneNameKeepTheirResults()
{
    QTemporaryDir dir;
    const ResultsFolders a(dir.filePath(QStringLiteral("3a/Duplikon"))), b(dir.filePath(QStringLiteral("3b/Duplikon")));
    QVERIFY(QDir().mkpath(b.programFolder()) && QDir().mkpath(dir.filePath(QStringLiteral("3a"))));
    QFile blocker(a.programFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QDateTime time(QDate(2026, 3, 4), QTime(9, 0, 0));
    for (const ResultsFolders &folders : {a, b}) {
        auto recorder = ResultsRecorder::forFolder(folders, QStringLiteral("pc"));
        recorder->taskShown(QStringLiteral("T.TXT"), QByteArray("x"), {}, false, time);
        recorder->dropped(QStringLiteral("x"), QStringLiteral("y"), true, PlayWay::Mouse, time);
        recorder->solved(time, PlayWay::Mouse);
    }
    QCOMPARE(readResults({a.fallbackRoot()}, QString()).runs.size(), 1);
    QCOMPARE(readResults({b.programRoot()}, QString()).runs.size(), 1);
    QVERIFY(QFile::remove(a.programFolder()));
    ResultsRecorder::forFolder(a, QStringLiteral("pc"));
    QCOMPARE(readResults({a.programRoot()}, QString()).runs.size(), 1);
    QCOMPARE(readResults(b.roots(), QString()).runs.size(), 1);
}

int main(int argc, char **argv)
{
    // The fallback folders of the test, not the user's.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QCoreApplication app(argc, argv);
    ResultsRecorderTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "ResultsRecorderTest.moc"
