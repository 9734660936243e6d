// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSpeech.h"

#include <QTextToSpeech>
#include <QThread>
#include <QVoice>

#include <algorithm>

namespace duplikon {

namespace {
const QString kEngine = QStringLiteral("speechd");
// How long the program's end waits for the speech thread (see ~QtSpeech).
constexpr int kEndWaitMilliseconds = 1500;
} // namespace

// The engine and everything that calls it, on the speech thread. After the
// engine reported an error it is never called again.
class SpeechWorker : public QObject {
    Q_OBJECT
public:
    // Makes the engine and collects its voices; made() or failed() follows.
    void make();
    // Cuts off what is spoken and speaks text.
    void speak(const QString &text);
    void silence();
    // The voice by name (empty or unknown: the default German voice) and the
    // rate from -1 to 1.
    void choose(const QString &name, double rate);

signals:
    // The names of the German voices, or of all when none is German.
    void made(const QStringList &voices);
    void failed();
    void speaking();

private:
    bool usable() const { return m_engine != nullptr; }
    void fail();

    QTextToSpeech *m_engine = nullptr; // a child: let go on this thread, unless it failed
    bool m_broken = false;
    QList<QVoice> m_voices; // the German ones, or all when none is
};

void SpeechWorker::make()
{
    if (!QTextToSpeech::availableEngines().contains(kEngine)) {
        fail();
        return;
    }
    m_engine = new QTextToSpeech(kEngine, this); // blocks for seconds
    if (m_engine->state() == QTextToSpeech::Error) {
        fail();
        return;
    }
    // The engine lists the voices of its current locale only.
    QList<QVoice> others;
    for (const QLocale &locale : m_engine->availableLocales()) {
        m_engine->setLocale(locale);
        for (const QVoice &voice : m_engine->availableVoices())
            (voice.locale().language() == QLocale::German ? m_voices : others) << voice;
    }
    // A German classroom chooses among German voices; a synthesizer lists
    // thousands of others (every language with every variant).
    if (m_voices.isEmpty())
        m_voices = others;
    if (m_voices.isEmpty()) {
        fail();
        return;
    }
    connect(m_engine, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Speaking)
            emit speaking();
        else if (state == QTextToSpeech::Error)
            fail();
    });
    connect(m_engine, &QTextToSpeech::errorOccurred, this, &SpeechWorker::fail);
    QStringList names;
    for (const QVoice &voice : std::as_const(m_voices))
        names << voice.name();
    emit made(names);
}

void SpeechWorker::speak(const QString &text)
{
    if (!usable())
        return;
    m_engine->stop();
    m_engine->say(text);
}

void SpeechWorker::silence()
{
    if (usable())
        m_engine->stop();
}

void SpeechWorker::choose(const QString &name, double rate)
{
    if (!usable())
        return;
    const auto named = [&name](const QVoice &v) { return !name.isEmpty() && v.name() == name; };
    const auto german = [](const QVoice &v) { return v.locale().language() == QLocale::German; };
    const auto germany = [&german](const QVoice &v) {
        return german(v) && v.locale().territory() == QLocale::Germany;
    };
    auto it = std::find_if(m_voices.cbegin(), m_voices.cend(), named);
    if (it == m_voices.cend())
        it = std::find_if(m_voices.cbegin(), m_voices.cend(), germany);
    if (it == m_voices.cend())
        it = std::find_if(m_voices.cbegin(), m_voices.cend(), german);
    if (it != m_voices.cend()) {
        m_engine->setLocale(it->locale());
        m_engine->setVoice(*it);
    }
    m_engine->setRate(rate);
}

void SpeechWorker::fail()
{
    if (m_broken)
        return;
    m_broken = true;
    // Deleting the engine would call it once more: after a failed connection
    // its destructor tries to connect again and blocks for seconds. It is
    // left as it is, one small object for the rest of the run.
    if (m_engine) {
        m_engine->disconnect(this);
        m_engine->setParent(nullptr);
        m_engine = nullptr;
    }
    emit failed();
}

QtSpeech::QtSpeech(QObject *parent) : Speech(parent) {}

QtSpeech::~QtSpeech()
{
    if (!m_thread)
        return;
    m_worker->disconnect(this);
    m_thread->quit(); // the worker, and the engine with it, goes when the thread ends
    // Making the engine cannot be interrupted and may take several seconds,
    // and a call to a service that went away blocks for about one. The
    // program's end waits a little, then lets the thread go: it ends by itself
    // once the engine returns, or with the process. A running QThread must
    // not be deleted, so then its object is left behind.
    if (m_thread->wait(kEndWaitMilliseconds))
        delete m_thread;
}

void QtSpeech::start()
{
    if (m_status != Status::Off)
        return;
    m_thread = new QThread; // no parent: see ~QtSpeech
    m_thread->setObjectName(QStringLiteral("speech"));
    m_worker = new SpeechWorker;
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    // Queued: the worker emits on its own thread.
    connect(m_worker, &SpeechWorker::made, this, &QtSpeech::engineMade);
    connect(m_worker, &SpeechWorker::failed, this, &QtSpeech::engineFailed);
    connect(m_worker, &SpeechWorker::speaking, this, &Speech::speakingStarted);
    m_thread->start();
    QMetaObject::invokeMethod(m_worker, &SpeechWorker::make, Qt::QueuedConnection);
    setStatus(Status::Starting);
}

void QtSpeech::say(const QString &text)
{
    if (m_status == Status::Starting) {
        m_waiting = text;
        m_hasWaiting = true;
    } else if (m_status == Status::Ready) {
        const int number = ++*m_latest;
        QMetaObject::invokeMethod(
            m_worker,
            [w = m_worker, text, number, latest = m_latest] {
                if (number == latest->load())
                    w->speak(text);
            },
            Qt::QueuedConnection);
    }
}

void QtSpeech::stop()
{
    m_hasWaiting = false;
    ++*m_latest; // a text still on its way is not spoken
    if (m_status == Status::Ready)
        QMetaObject::invokeMethod(m_worker, &SpeechWorker::silence, Qt::QueuedConnection);
}

void QtSpeech::setVoice(const QString &name, int tempo)
{
    m_voice = name;
    m_tempo = qBound(-100, tempo, 100);
    if (m_status == Status::Ready)
        chooseVoice();
}

void QtSpeech::chooseVoice()
{
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker, name = m_voice, rate = m_tempo / 100.0] { w->choose(name, rate); },
        Qt::QueuedConnection);
}

void QtSpeech::engineMade(const QStringList &voices)
{
    if (m_status != Status::Starting)
        return;
    m_voices = voices;
    m_status = Status::Ready;
    chooseVoice();
    if (m_hasWaiting) {
        m_hasWaiting = false;
        say(m_waiting);
    }
    emit statusChanged(m_status);
}

void QtSpeech::engineFailed()
{
    m_voices.clear();
    m_hasWaiting = false;
    if (m_status != Status::Failed)
        setStatus(Status::Failed);
}

void QtSpeech::setStatus(Status status)
{
    m_status = status;
    emit statusChanged(status);
}

} // namespace duplikon

#include "QtSpeech.moc"
