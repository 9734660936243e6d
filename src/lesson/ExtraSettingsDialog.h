// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/ClassroomConfig.h"
#include "platform/Services.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QVBoxLayout;

namespace duplikon {

// The dialog "Weitere Einstellungen", opened by "Weitere ..." in the
// settings panel: the added settings of duplikon.conf, stored per user. A value
// an administrator fixed is shown greyed. "OK" stores what was changed,
// "Abbrechen" nothing. Switching "Vorlesen" on starts the speech, so that its
// voices can be chosen; without a speech service that part is greyed.
class ExtraSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ExtraSettingsDialog(QWidget *parent, Platform platform, ClassroomConfig *settings);

    // The size chosen in the dialog.
    WindowSize chosenSize() const;

    // Stores the changed values; a file that cannot be written is reported.
    void accept() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    // The language: System or a code.
    void addLanguage(QVBoxLayout *rows);
    QString chosenLanguageSetting() const;
    void showSizeNote();
    // Reading aloud: switch, voice and speed.
    void addReadAloud(QVBoxLayout *rows);
    void readAloudToggled(bool on);
    void showSpeech();
    void fillVoices();
    QString chosenVoice() const;
    // The game: matching or cards face down, with the cards' choices.
    void addPlayKind(QVBoxLayout *rows);
    void showPlayKind();
    // The card box, which needs the results: greyed without them, saying why.
    void addCardBox(QVBoxLayout *rows);
    void showCardBox();

    Platform m_platform;
    ClassroomConfig *m_settings;
    QCheckBox *m_tapPlay;
    QGroupBox *m_sizeBox;
    QComboBox *m_language;
    QLabel *m_languageLabel;
    QLabel *m_languageNote; // no voice speaks the language
    QLabel *m_voiceLabel;
    QLabel *m_tempoLabel;
    QGroupBox *m_playBox;
    QLabel *m_pairsLabel;
    QLabel *m_coverLabel;
    QLabel *m_teamsLabel;
    QCheckBox *m_keepResults = nullptr; // absent with [Fest] ErgebnisseAus
    QCheckBox *m_cardBox = nullptr;     // likewise
    QLabel *m_cardBoxNote = nullptr;
    QList<std::pair<QRadioButton *, WindowSize>> m_sizes;
    QLabel *m_sizeNote;
    QCheckBox *m_readAloud;
    QLabel *m_speechNote;
    QComboBox *m_voice;
    QSpinBox *m_tempo;
    QRadioButton *m_matching;
    QRadioButton *m_cards;
    QComboBox *m_cardPairs;
    QComboBox *m_coverAfter;
    QSpinBox *m_teams;
    QCheckBox *m_grouped;
};

} // namespace duplikon
