// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSpeech.h"

#include <QTextToSpeech>
#include <QThread>
#include <QVoice>

#include <algorithm>
#include <utility>

namespace duplikon {

namespace {
const QString kEngine = QStringLiteral("speechd");

// The desktop's speech service through Qt TextToSpeech.
class TextToSpeechEngine : public SpeechEngine {
public:
    bool open() override
    {
        if (!QTextToSpeech::availableEngines().contains(kEngine))
            return false;
        m_engine = new QTextToSpeech(kEngine, this); // blocks for seconds
        if (m_engine->state() == QTextToSpeech::Error)
            return false;
        connect(m_engine, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Speaking)
                emit speaking();
            else if (state == QTextToSpeech::Error)
                emit broken();
        });
        connect(m_engine, &QTextToSpeech::errorOccurred, this, &SpeechEngine::broken);
        return true;
    }
    QList<Voice> voices() override
    {
        // The engine lists the voices of its current locale only.
        QList<Voice> all;
        for (const QLocale &locale : m_engine->availableLocales()) {
            m_engine->setLocale(locale);
            for (const QVoice &voice : m_engine->availableVoices()) {
                m_voices << voice;
                all.append({voice.name(), voice.locale()});
            }
        }
        return all;
    }
    void choose(const Voice &chosen, double rate) override
    {
        for (const QVoice &voice : std::as_const(m_voices)) {
            if (voice.name() == chosen.name && voice.locale() == chosen.locale) {
                m_engine->setLocale(voice.locale());
                m_engine->setVoice(voice);
            }
        }
        m_engine->setRate(rate);
    }
    void say(const QString &text) override
    {
        m_engine->stop();
        m_engine->say(text);
    }
    void stop() override { m_engine->stop(); }

private:
    QTextToSpeech *m_engine = nullptr;
    QList<QVoice> m_voices;
};

} // namespace

// The engine and everything that calls it, on the speech thread. After the
// engine reported an error it is never called again.
class SpeechWorker : public QObject {
    Q_OBJECT
public:
    explicit SpeechWorker(SpeechEngineFactory factory) : m_factory(std::move(factory)) {}
    // Makes the engine and collects its voices; made() or failed() follows.
    void make();
    // Cuts off what is spoken and speaks text with a voice of language
    // (German: the chosen one).
    void speak(const QString &text, QLocale::Language language);
    void silence();
    // The voice by name (empty or unknown: the default German voice) and the
    // rate from -1 to 1.
    void choose(const QString &name, double rate);

signals:
    // The names of the German voices, or of all when none is German, and the
    // languages of all voices.
    void made(const QStringList &voices, const QList<int> &languages);
    void failed();
    void speaking();

private:
    bool usable() const { return m_engine != nullptr; }
    void fail();

    SpeechEngineFactory m_factory;
    SpeechEngine *m_engine = nullptr; // a child: let go on this thread, unless it failed
    bool m_broken = false;
    QList<SpeechEngine::Voice> m_voices; // the German ones, or all when none is
    QList<SpeechEngine::Voice> m_all;
    QString m_name;   // the chosen German voice
    double m_rate = 0;
    QLocale::Language m_speaking = QLocale::German; // the language of the voice set
};

void SpeechWorker::make()
{
    m_engine = m_factory ? m_factory() : new TextToSpeechEngine;
    m_engine->setParent(this);
    if (!m_engine->open()) {
        fail();
        return;
    }
    QList<SpeechEngine::Voice> others;
    m_all = m_engine->voices();
    QList<int> languages;
    for (const SpeechEngine::Voice &voice : std::as_const(m_all)) {
        (voice.locale.language() == QLocale::German ? m_voices : others) << voice;
        if (!languages.contains(int(voice.locale.language())))
            languages << int(voice.locale.language());
    }
    // A German classroom chooses among German voices; a synthesizer lists
    // thousands of others (every language with every variant).
    if (m_voices.isEmpty())
        m_voices = others;
    if (m_voices.isEmpty()) {
        fail();
        return;
    }
    connect(m_engine, &SpeechEngine::speaking, this, &SpeechWorker::speaking);
    connect(m_engine, &SpeechEngine::broken, this, &SpeechWorker::fail);
    QStringList names;
    for (const SpeechEngine::Voice &voice : std::as_const(m_voices))
        names << voice.name;
    emit made(names, languages);
}

void SpeechWorker::speak(const QString &text, QLocale::Language language)
{
    if (!usable())
        return;
    if (language != m_speaking) {
        if (language == QLocale::German) {
            choose(m_name, m_rate);
        } else {
            const auto it = std::find_if(m_all.cbegin(), m_all.cend(), [language](const SpeechEngine::Voice &v) {
                return v.locale.language() == language;
            });
            if (it == m_all.cend())
                return;
            m_engine->choose(*it, m_rate);
            m_speaking = language;
        }
    }
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
    m_name = name;
    m_rate = rate;
    m_speaking = QLocale::German;
    const auto named = [&name](const SpeechEngine::Voice &v) { return !name.isEmpty() && v.name == name; };
    const auto german = [](const SpeechEngine::Voice &v) { return v.locale.language() == QLocale::German; };
    const auto germany = [&german](const SpeechEngine::Voice &v) {
        return german(v) && v.locale.territory() == QLocale::Germany;
    };
    auto it = std::find_if(m_voices.cbegin(), m_voices.cend(), named);
    if (it == m_voices.cend())
        it = std::find_if(m_voices.cbegin(), m_voices.cend(), germany);
    if (it == m_voices.cend())
        it = std::find_if(m_voices.cbegin(), m_voices.cend(), german);
    m_engine->choose(it != m_voices.cend() ? *it : SpeechEngine::Voice(), rate);
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

QtSpeech::QtSpeech(QObject *parent, SpeechEngineFactory factory) : Speech(parent), m_factory(std::move(factory)) {}

QtSpeech::~QtSpeech()
{
    finish(kEndWaitMilliseconds);
}

bool QtSpeech::finish(int milliseconds)
{
    if (m_finished)
        return m_threadEnded;
    m_finished = true;
    if (!m_thread)
        return true;
    // Nothing the thread does from now on reaches this object.
    m_worker->disconnect(this);
    m_worker = nullptr;
    // Making the engine cannot be interrupted and may take several seconds,
    // and a call to a service that went away blocks for about one. The
    // thread is asked to end (the worker, and the engine with it, goes on the
    // thread when it does) and waited for a little. A thread still held by
    // the service is let go: its object goes once it has ended by itself.
    QThread *thread = std::exchange(m_thread, nullptr);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->quit();
    m_threadEnded = thread->wait(milliseconds);
    if (m_threadEnded)
        delete thread;
    return m_threadEnded;
}

void QtSpeech::start()
{
    if (m_status != Status::Off || m_finished)
        return;
    m_thread = new QThread; // no parent: see finish()
    m_threadEnded = false;
    m_thread->setObjectName(QStringLiteral("speech"));
    m_worker = new SpeechWorker(m_factory);
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
    sayIn(text, QLocale::German);
}

void QtSpeech::sayIn(const QString &text, QLocale::Language language)
{
    if (m_status == Status::Starting) {
        m_waiting = text;
        m_waitingLanguage = language;
        m_hasWaiting = true;
    } else if (m_status == Status::Ready && m_worker
               && (language == QLocale::German || m_languages.contains(language))) {
        const int number = ++*m_latest;
        QMetaObject::invokeMethod(
            m_worker,
            [w = m_worker, text, language, number, latest = m_latest] {
                if (number == latest->load())
                    w->speak(text, language);
            },
            Qt::QueuedConnection);
    }
}

void QtSpeech::stop()
{
    m_hasWaiting = false;
    ++*m_latest; // a text still on its way is not spoken
    if (m_status == Status::Ready && m_worker)
        QMetaObject::invokeMethod(m_worker, &SpeechWorker::silence, Qt::QueuedConnection);
}

void QtSpeech::setVoice(const QString &name, int tempo)
{
    m_voice = name;
    m_tempo = qBound(-100, tempo, 100);
    if (m_status == Status::Ready && m_worker)
        chooseVoice();
}

void QtSpeech::chooseVoice()
{
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker, name = m_voice, rate = m_tempo / 100.0] { w->choose(name, rate); },
        Qt::QueuedConnection);
}

void QtSpeech::engineMade(const QStringList &voices, const QList<int> &languages)
{
    if (m_status != Status::Starting)
        return;
    m_voices = voices;
    for (int language : languages)
        m_languages << QLocale::Language(language);
    m_status = Status::Ready;
    chooseVoice();
    if (m_hasWaiting) {
        m_hasWaiting = false;
        sayIn(m_waiting, m_waitingLanguage);
    }
    emit statusChanged(m_status);
}

void QtSpeech::engineFailed()
{
    m_voices.clear();
    m_languages.clear();
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
