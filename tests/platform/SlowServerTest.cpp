// SPDX-License-Identifier: GPL-3.0-or-later
// What keeps a stalled server from holding the program: work off the
// user-interface thread with a time limit, a draw told ahead, and the end
// signals taken as events of the loop.
#include "platform/Services.h"
#include "platform/EndSignals.h"
#include "platform/LatestWrite.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>
#include <mutex>

using namespace duplikon;

class SlowServerTest : public QObject {
    Q_OBJECT

private slots:
    void theGeneratorTellsItsNextValueWithoutDrawingIt()
    {
        SystemRandom random;
        random.seed(42);
        const double told = random.peek();
        QCOMPARE(random.peek(), told);
        QCOMPARE(random.next(), told);
        QVERIFY(random.peek() != told);
    }

    void aWriteThatHangsHoldsTheCallerOnlyItsTimeAndTheNewestWins()
    {
        LatestWrite writes;
        QSemaphore server;
        QStringList written;
        std::mutex m;
        const auto write = [&](const QString &what, bool hang) {
            return [&, what, hang](QString *) {
                if (hang)
                    server.acquire();
                std::lock_guard<std::mutex> lock(m);
                written << what;
                return true;
            };
        };
        QString error;
        QCOMPARE(writes.write(write(QStringLiteral("eins"), false), 5000, &error), LatestWrite::Outcome::Written);
        QElapsedTimer t;
        t.start();
        QCOMPARE(writes.write(write(QStringLiteral("zwei"), true), 100, &error), LatestWrite::Outcome::NoAnswer);
        QCOMPARE(writes.write(write(QStringLiteral("drei"), false), 100, &error), LatestWrite::Outcome::NoAnswer);
        QCOMPARE(writes.write(write(QStringLiteral("vier"), false), 100, &error), LatestWrite::Outcome::NoAnswer);
        QVERIFY(t.elapsed() < 2000);
        QVERIFY(!writes.finish(50));
        server.release(); // the server answers again: the newest waiting write follows
        QVERIFY(writes.finish(5000));
        QCOMPARE(written, (QStringList{QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("vier")}));

        const auto fails = [](QString *e) {
            *e = QStringLiteral("Kein Platz.");
            return false;
        };
        QCOMPARE(writes.write(fails, 5000, &error), LatestWrite::Outcome::Failed);
        QCOMPARE(error, QStringLiteral("Kein Platz."));
    }

    void endSignalsArriveThroughTheLoopOnce()
    {
        auto *ends = new EndSignals;
        QSignalSpy received(ends, &EndSignals::received);
        ::raise(SIGTERM); // handled, not the end of this test
        QVERIFY(received.wait(5000));
        QCOMPARE(received.takeFirst().at(0).toInt(), int(SIGTERM));
        struct sigaction now = {};
        ::sigaction(SIGHUP, nullptr, &now);
        QVERIFY(now.sa_handler != SIG_DFL);
        ::sigaction(SIGTERM, nullptr, &now);
        QVERIFY(now.sa_handler == SIG_DFL); // a second one ends the program at once
        delete ends;
        ::sigaction(SIGHUP, nullptr, &now);
        QVERIFY(now.sa_handler == SIG_DFL);
    }
};

QTEST_GUILESS_MAIN(SlowServerTest)
#include "SlowServerTest.moc"
