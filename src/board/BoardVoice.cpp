// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardVoice.h"

#include "board/BoardState.h"
#include "platform/Audio.h"
#include "platform/ClassroomConfig.h"
#include "platform/Language.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QTimer>

namespace duplikon {

BoardVoice::BoardVoice(const BoardState *state, Platform platform, QObject *parent)
    : QObject(parent), m_state(state), m_platform(platform)
{
    if (m_platform.speech) {
        connect(m_platform.speech, &Speech::statusChanged, this, [this](Speech::Status status) {
            if (status == Speech::Status::Ready)
                applyVoice();
        });
    }
}

void BoardVoice::setSettings(ClassroomConfig *settings)
{
    m_settings = settings;
    if (!settings)
        return;
    connect(settings, &ClassroomConfig::changed, this, [this](config::Id key) {
        if (key == config::readAloud && m_settings->value(config::readAloud))
            startSpeech();
        else if (key == config::readAloud && m_platform.speech)
            m_platform.speech->stop();
        else if (key == config::voice || key == config::tempo)
            applyVoice();
    });
    if (readingAloud())
        QTimer::singleShot(kStartDelayMilliseconds, this, &BoardVoice::startSpeech);
}

void BoardVoice::prepareSounds()
{
    QStringList playable;
    for (int j = 0; j < BoardState::kCells; ++j) {
        const BoardCell &c = m_state->cell(j);
        if (c.shown && !c.soundFile.isEmpty())
            playable << c.soundFile;
    }
    prepareSoundFiles(playable);
}

void BoardVoice::prepareSoundFiles(const QStringList &playable)
{
    // A board without sounds after one without sounds asks nothing of the output.
    if (m_platform.sound && (!playable.isEmpty() || m_soundsPrepared))
        m_platform.sound->prepare(playable);
    m_soundsPrepared = !playable.isEmpty();
}

bool BoardVoice::readingAloud() const
{
    return m_settings && m_settings->value(config::readAloud) && !m_settings->value(config::soundOff) && m_platform.speech
        && m_platform.speech->status() != Speech::Status::Failed;
}

bool BoardVoice::soundAllowed() const
{
    return !(m_settings && m_settings->value(config::soundOff)) && m_platform.sound;
}

void BoardVoice::startSpeech()
{
    if (readingAloud() && m_platform.speech->status() == Speech::Status::Off)
        m_platform.speech->start();
}

void BoardVoice::applyVoice()
{
    if (m_settings && m_platform.speech && m_platform.speech->status() == Speech::Status::Ready)
        m_platform.speech->setVoice(m_settings->value(config::voice), m_settings->value(config::tempo));
}

void BoardVoice::speak(const QString &text, QLocale::Language language)
{
    if (!readingAloud() || text.trimmed().isEmpty())
        return;
    startSpeech(); // when the first words come before the delay is over
    if (m_platform.speech->status() == Speech::Status::Failed)
        return;
    if (m_platform.sound)
        m_platform.sound->stop();
    m_platform.speech->sayIn(text, language);
}

void BoardVoice::pickedUp(int cell)
{
    if (cell < 0 || cell >= m_state->kCells)
        return;
    halfShown(m_state->cell(cell));
}

void BoardVoice::halfShown(const BoardCell &c)
{
    if (!c.shown)
        return;
    if (c.sound) {
        if (soundAllowed() && !c.soundFile.isEmpty()) {
            if (m_platform.speech && readingAloud())
                m_platform.speech->stop();
            m_platform.sound->play(c.soundFile);
        }
    } else if (!c.picture) {
        speak(c.half);
    }
}

void BoardVoice::focusReached(int cell)
{
    // A screen reader says the focused cell itself.
    if ((m_screenReaderActive ? m_screenReaderActive() : QAccessible::isActive()) || cell < 0 || cell >= m_state->kCells)
        return;
    const BoardCell &c = m_state->cell(cell);
    if (c.shown && !c.picture && !c.sound)
        speak(c.half);
}

void BoardVoice::listen(int cell)
{
    pickedUp(cell);
}

void BoardVoice::sayMessage(const QString &message)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\r\n]+"));
    // In the program's language: a child who reads
    // Ukrainian hears Ukrainian, or nothing when no voice speaks it.
    speak(message.split(lineBreaks, Qt::SkipEmptyParts).join(QLatin1Char(' ')),
          localeOf(currentLanguage()).language());
}

} // namespace duplikon
