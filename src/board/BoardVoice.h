// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

namespace duplikon {

class BoardState;
struct BoardCell;
class ClassroomConfig;

// What the child hears during play. With "Vorlesen" on, a text cell's text is
// spoken when the cell is picked up and when the keyboard focus reaches it
// (unless a screen reader is active: it speaks the focus itself), and so are
// the messages of play. A sound half plays when its cell is picked up and on
// the key L. Each utterance or sound cuts off the one before. With TonAus
// nothing is heard at all. The speech engine is made only when "Vorlesen" is
// on, never while the program starts, and after a failure it stays silent.
class BoardVoice : public QObject {
    Q_OBJECT
public:
    BoardVoice(const BoardState *state, Platform platform, QObject *parent = nullptr);

    // The added settings; without them nothing is spoken and sounds play.
    void setSettings(ClassroomConfig *settings);

    // Whether speech is wanted and allowed (it may still be starting).
    bool readingAloud() const;
    // Whether sounds may play (no TonAus).
    bool soundAllowed() const;

    // Cells numbered from 0.
    void pickedUp(int cell);
    void focusReached(int cell);
    void listen(int cell);
    // A half comes into view by the child's doing (a cell picked up, a card
    // turned): a sound plays, a text is read aloud.
    void halfShown(const BoardCell &c);
    // The board has drawn a new set-up: its playable sounds go to the sound
    // output to be loaded.
    void prepareSounds();
    // The same for the playable sound files of another game.
    void prepareSoundFiles(const QStringList &playable);
    // A message a child meets during play, as shown (carriage returns
    // between its lines), spoken in the program's language.
    void sayMessage(const QString &message);

    // Waiting after the settings come before the engine is made, so that it
    // never competes with the program's start.
    static constexpr int kStartDelayMilliseconds = 1500;

    // Whether a screen reader is active; QAccessible::isActive() unless set
    // (a test has no accessibility bridge to switch on).
    void setScreenReaderCheck(std::function<bool()> check) { m_screenReaderActive = std::move(check); }

private:
    void startSpeech();
    // The halves of a task are German; the program's messages are in its language.
    void speak(const QString &text, QLocale::Language language = QLocale::German);
    void applyVoice();

    const BoardState *m_state;
    Platform m_platform;
    QPointer<ClassroomConfig> m_settings;
    std::function<bool()> m_screenReaderActive;
    bool m_soundsPrepared = false; // the sound output holds sounds of a set-up
};

} // namespace duplikon
