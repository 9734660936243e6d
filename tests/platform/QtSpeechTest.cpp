// SPDX-License-Identifier: GPL-3.0-or-later
// The speech thread with an engine that the test holds as long as it likes,
// as a speech service does that does not answer: the end neither waits for
// it nor deletes it from the window's thread.
#include "platform/QtSpeech.h"

#include <QSemaphore>
#include <QThread>
#include <QtTest>

using namespace duplikon;

namespace {

// What the test sees of its engine, from any thread.
struct Gate {
    QSemaphore entered; // a call has begun
    QSemaphore open;    // lets one call return
    std::atomic<bool> blocking{true};
    std::atomic<int> said{0};
    std::atomic<bool> deleted{false};
    std::atomic<bool> deletedElsewhere{false}; // not on the thread it lives on
};

// Opening and speaking wait at the gate while it blocks.
class GatedEngine : public SpeechEngine {
public:
    explicit GatedEngine(std::shared_ptr<Gate> gate) : m_gate(std::move(gate)) {}
    ~GatedEngine() override
    {
        m_gate->deletedElsewhere = QThread::currentThread() != thread();
        m_gate->deleted = true;
    }
    bool open() override { return pass(); }
    QList<Voice> voices() override { return {{QStringLiteral("Anna"), QLocale(QLocale::German, QLocale::Germany)}}; }
    void choose(const Voice &, double) override {}
    void say(const QString &) override { m_gate->said += pass(); }
    void stop() override {}

private:
    bool pass()
    {
        m_gate->entered.release();
        if (m_gate->blocking)
            m_gate->open.acquire();
        return true;
    }
    std::shared_ptr<Gate> m_gate;
};

SpeechEngineFactory gated(const std::shared_ptr<Gate> &gate) { return [gate] { return new GatedEngine(gate); }; }

} // namespace

class QtSpeechTest : public QObject {
    Q_OBJECT

private slots:
    void theEndLetsAHeldEngineGoAndWaitsForAFreeOne()
    {
        // A service that keeps the engine's making waiting: switched on and
        // quit at once, the end waits no longer than asked.
        auto gate = std::make_shared<Gate>();
        auto speech = std::make_unique<QtSpeech>(nullptr, gated(gate));
        speech->start();
        speech->say(QStringLiteral("Hund"));
        QVERIFY(gate->entered.tryAcquire(1, 5000));
        QVERIFY(!speech->finish(200));
        speech.reset();
        QVERIFY(!gate->deleted);
        // Let go, the thread ends by itself: nothing reaches the object that
        // is gone, and the engine is deleted on its own thread.
        gate->blocking = false;
        gate->open.release();
        QTRY_VERIFY(gate->deleted);
        QVERIFY(!gate->deletedElsewhere);
        QCOMPARE(gate->said, 0);
        QTest::qWait(100); // the thread's own object goes by this thread's events

        // One held while speaking is let go the same way.
        auto held = std::make_shared<Gate>();
        QtSpeech speaking(nullptr, gated(held));
        speaking.start();
        held->open.release();
        QTRY_COMPARE(speaking.status(), Speech::Status::Ready);
        speaking.say(QStringLiteral("Katze"));
        QVERIFY(held->entered.tryAcquire(2, 5000));
        QVERIFY(!speaking.finish(200));
        held->blocking = false;
        held->open.release();
        QTRY_VERIFY(held->deleted && !held->deletedElsewhere);
        QTest::qWait(100);

        // A free one ends at once, with the waiting text said.
        auto free = std::make_shared<Gate>();
        free->blocking = false;
        QtSpeech quick(nullptr, gated(free));
        quick.start();
        quick.say(QStringLiteral("Maus"));
        QTRY_COMPARE(free->said, 1);
        QVERIFY(quick.finish(5000));
        QVERIFY(free->deleted && !free->deletedElsewhere);
    }
};

QTEST_MAIN(QtSpeechTest)
#include "QtSpeechTest.moc"
