// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/ExtraSettingsDialog.h"

#include "platform/Audio.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/KeyboardAccess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace duplikon {

namespace {
const QString kFixedHint = QStringLiteral("Vom Administrator festgelegt");

// Keeps a control's place while it is hidden, so the dialog does not jump.
void keepPlace(QWidget *w)
{
    QSizePolicy keep = w->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    w->setSizePolicy(keep);
}
} // namespace

ExtraSettingsDialog::ExtraSettingsDialog(QWidget *parent, Platform platform, ClassroomConfig *settings)
    : QDialog(parent), m_platform(platform), m_settings(settings)
{
    setObjectName(QStringLiteral("classroomConfig"));
    setWindowTitle(QStringLiteral("Weitere Einstellungen"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(designFont());
    auto *rows = new QVBoxLayout(this);

    // Play: tap instead of drag.
    m_tapPlay = new QCheckBox(QStringLiteral("Antippen statt Ziehen"), this);
    m_tapPlay->setObjectName(QStringLiteral("tapPlay"));
    m_tapPlay->setChecked(settings->value(config::tapPlay));
    m_tapPlay->setEnabled(!settings->isFixed(config::tapPlay));
    if (settings->isFixed(config::tapPlay))
        m_tapPlay->setToolTip(kFixedHint);
    setAltLetter(m_tapPlay, QLatin1Char('A'));
    rows->addWidget(m_tapPlay);

    // The window size, from the next start on.
    auto *size = new QGroupBox(QStringLiteral("Fenstergröße"), this);
    size->setObjectName(QStringLiteral("windowSize"));
    auto *choices = new QHBoxLayout(size);
    const std::pair<WindowSize, const char *> sizes[] = {
        {WindowSize::Normal, "100 %"}, {WindowSize::OneAndAHalf, "150 %"},
        {WindowSize::Double, "200 %"}, {WindowSize::Screen, "Bildschirm"}};
    for (const auto &[value, caption] : sizes) {
        auto *choice = new QRadioButton(QString::fromUtf8(caption), size);
        choice->setObjectName(QStringLiteral("size") + windowSizeText(value));
        choice->setChecked(value == settings->value(config::windowSize));
        setAltLetter(choice, value == WindowSize::Screen ? QLatin1Char('B') : QString::fromUtf8(caption).at(0));
        connect(choice, &QRadioButton::toggled, this, &ExtraSettingsDialog::showSizeNote);
        choices->addWidget(choice);
        m_sizes.append({choice, value});
    }
    size->setEnabled(!settings->isFixed(config::windowSize));
    if (settings->isFixed(config::windowSize))
        size->setToolTip(kFixedHint);
    rows->addWidget(size);
    m_sizeNote = new QLabel(QStringLiteral("Die neue Fenstergröße gilt ab dem nächsten Start."), this);
    m_sizeNote->setObjectName(QStringLiteral("sizeNote"));
    rows->addWidget(m_sizeNote);

    addReadAloud(rows);
    addPlayKind(rows);

    // Results kept for the teacher; gone with the whole feature.
    if (!settings->value(config::resultsOff)) {
        m_keepResults = new QCheckBox(QStringLiteral("Ergebnisse aufbewahren"), this);
        m_keepResults->setObjectName(QStringLiteral("keepResults"));
        m_keepResults->setChecked(settings->value(config::keepResults));
        m_keepResults->setEnabled(!settings->isFixed(config::keepResults));
        if (settings->isFixed(config::keepResults))
            m_keepResults->setToolTip(kFixedHint);
        setAltLetter(m_keepResults, QLatin1Char('E'));
        rows->addWidget(m_keepResults);
        addCardBox(rows);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExtraSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExtraSettingsDialog::reject);
    rows->addWidget(buttons);
    showSizeNote();
    setFixedSize(sizeHint());
}

void ExtraSettingsDialog::addCardBox(QVBoxLayout *rows)
{
    auto *part = new QHBoxLayout;
    m_cardBox = new QCheckBox(tr("Lernkartei"), this);
    m_cardBox->setObjectName(QStringLiteral("cardBox"));
    m_cardBox->setChecked(m_settings->value(config::cardBox));
    setAltLetter(m_cardBox, QLatin1Char('K'));
    part->addWidget(m_cardBox);
    m_cardBoxNote = new QLabel(tr("Die Lernkartei braucht „Ergebnisse aufbewahren“."), this);
    m_cardBoxNote->setObjectName(QStringLiteral("cardBoxNote"));
    keepPlace(m_cardBoxNote);
    part->addWidget(m_cardBoxNote, 1);
    rows->addLayout(part);
    connect(m_keepResults, &QCheckBox::toggled, this, &ExtraSettingsDialog::showCardBox);
    showCardBox();
}

void ExtraSettingsDialog::showCardBox()
{
    // The card box is computed from the results: without them it is off.
    const bool results = m_keepResults->isChecked();
    const bool fixed = m_settings->isFixed(config::cardBox);
    m_cardBox->setEnabled(results && !fixed);
    m_cardBox->setToolTip(fixed ? kFixedHint : QString());
    m_cardBoxNote->setVisible(!results);
}

WindowSize ExtraSettingsDialog::chosenSize() const
{
    for (const auto &[choice, value] : m_sizes) {
        if (choice->isChecked())
            return value;
    }
    return m_settings->value(config::windowSize);
}

void ExtraSettingsDialog::showSizeNote()
{
    keepPlace(m_sizeNote);
    m_sizeNote->setVisible(chosenSize() != m_settings->windowSizeAtStart());
}

void ExtraSettingsDialog::addReadAloud(QVBoxLayout *rows)
{
    auto *part = new QGridLayout;
    m_readAloud = new QCheckBox(QStringLiteral("Vorlesen"), this);
    m_readAloud->setObjectName(QStringLiteral("readAloud"));
    m_readAloud->setChecked(m_settings->value(config::readAloud));
    setAltLetter(m_readAloud, QLatin1Char('V'));
    part->addWidget(m_readAloud, 0, 0);
    m_speechNote = new QLabel(QStringLiteral("Keine Sprachausgabe gefunden"), this);
    m_speechNote->setObjectName(QStringLiteral("speechNote"));
    keepPlace(m_speechNote);
    part->addWidget(m_speechNote, 0, 1);

    m_voice = new QComboBox(this);
    m_voice->setObjectName(QStringLiteral("voice"));
    // Voices come later and some names are long: the width stays.
    m_voice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_voice->setMinimumContentsLength(24);
    auto *voiceLabel = new QLabel(QStringLiteral("&Stimme:"), this);
    voiceLabel->setBuddy(m_voice);
    part->addWidget(voiceLabel, 1, 0);
    part->addWidget(m_voice, 1, 1);
    m_tempo = new QSpinBox(this);
    m_tempo->setObjectName(QStringLiteral("tempo"));
    m_tempo->setRange(-100, 100);
    m_tempo->setValue(m_settings->value(config::tempo));
    auto *tempoLabel = new QLabel(QStringLiteral("&Tempo:"), this);
    tempoLabel->setBuddy(m_tempo);
    part->addWidget(tempoLabel, 2, 0);
    part->addWidget(m_tempo, 2, 1, Qt::AlignLeft);
    rows->addLayout(part);

    if (m_platform.speech) {
        connect(m_platform.speech, &Speech::statusChanged, this, [this] {
            fillVoices();
            showSpeech();
        });
    }
    connect(m_readAloud, &QCheckBox::toggled, this, &ExtraSettingsDialog::readAloudToggled);
    fillVoices();
    readAloudToggled(m_readAloud->isChecked());
}

void ExtraSettingsDialog::readAloudToggled(bool on)
{
    // The voices come once the speech is ready. With nothing to be heard
    // ([Fest] TonAus) it is never started.
    if (on && m_platform.speech && !m_settings->value(config::soundOff))
        m_platform.speech->start();
    showSpeech();
}

void ExtraSettingsDialog::showSpeech()
{
    const Speech *speech = m_platform.speech;
    const bool noService = !speech || speech->status() == Speech::Status::Failed;
    const bool available = !noService && !m_settings->value(config::soundOff);
    m_readAloud->setEnabled(available && !m_settings->isFixed(config::readAloud));
    m_readAloud->setToolTip(m_settings->value(config::soundOff)           ? QStringLiteral("Vom Administrator abgeschaltet")
                            : m_settings->isFixed(config::readAloud) ? kFixedHint
                                                           : QString());
    m_speechNote->setVisible(noService && !m_settings->value(config::soundOff));
    const bool on = available && m_readAloud->isChecked();
    m_voice->setEnabled(on && !m_settings->isFixed(config::voice));
    m_voice->setToolTip(m_settings->isFixed(config::voice) ? kFixedHint : QString());
    m_tempo->setEnabled(on && !m_settings->isFixed(config::tempo));
    m_tempo->setToolTip(m_settings->isFixed(config::tempo) ? kFixedHint : QString());
}

void ExtraSettingsDialog::fillVoices()
{
    // The first entry is the default German voice (an empty name). Until the
    // speech lists its voices a stored voice is shown by its name; one that is
    // not installed is marked so (the default is spoken instead) and is kept
    // unless another is chosen.
    const QString current = m_voice->count() ? chosenVoice() : m_settings->value(config::voice);
    const Speech *speech = m_platform.speech;
    const bool listed = speech && speech->status() == Speech::Status::Ready;
    const QStringList names = listed ? speech->voices() : QStringList();
    m_voice->clear();
    m_voice->addItem(QStringLiteral("Deutsch (Vorgabe)"));
    if (!current.isEmpty() && !names.contains(current))
        m_voice->addItem(listed ? current + QStringLiteral(" (nicht installiert)") : current, current);
    m_voice->addItems(names);
    m_voice->setCurrentIndex(current.isEmpty() ? 0 : std::max(1, int(names.indexOf(current)) + 1));
}

QString ExtraSettingsDialog::chosenVoice() const
{
    if (m_voice->currentIndex() <= 0)
        return QString();
    const QVariant name = m_voice->currentData(); // set on a voice not listed
    return name.isValid() ? name.toString() : m_voice->currentText();
}

void ExtraSettingsDialog::addPlayKind(QVBoxLayout *rows)
{
    auto *box = new QGroupBox(QStringLiteral("Spielart"), this);
    box->setObjectName(QStringLiteral("playKind"));
    auto *part = new QGridLayout(box);
    m_matching = new QRadioButton(QStringLiteral("Zuordnen"), box);
    m_matching->setObjectName(QStringLiteral("playMatching"));
    setAltLetter(m_matching, QLatin1Char('O')); // Z belongs to Zudecken
    m_cards = new QRadioButton(QStringLiteral("Aufdecken"), box);
    m_cards->setObjectName(QStringLiteral("playCards"));
    setAltLetter(m_cards, QLatin1Char('D'));
    (m_settings->value(config::playKind).is("Aufdecken") ? m_cards : m_matching)->setChecked(true);
    part->addWidget(m_matching, 0, 0);
    part->addWidget(m_cards, 0, 1);

    const auto row = [&](int at, const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, box);
        label->setBuddy(field);
        part->addWidget(label, at, 0);
        part->addWidget(field, at, 1, Qt::AlignLeft);
    };
    const auto choiceBox = [&](config::Key<Choice> key, const char *name, const QStringList &captions) {
        auto *combo = new QComboBox(box);
        combo->setObjectName(QLatin1String(name));
        const QStringList values = config::choices(key.id);
        for (int i = 0; i < values.size(); ++i)
            combo->addItem(captions.value(i, values.at(i)), values.at(i));
        combo->setCurrentIndex(std::max(0, int(values.indexOf(m_settings->value(key).text))));
        return combo;
    };
    m_cardPairs = choiceBox(config::cardPairs, "cardPairs", {});
    row(1, QStringLiteral("&Paare:"), m_cardPairs);
    m_coverAfter = choiceBox(config::coverAfter, "coverAfter",
                             {QStringLiteral("beim nächsten Tippen"), QStringLiteral("nach 1 Sekunde"),
                              QStringLiteral("nach 2 Sekunden"), QStringLiteral("nach 3 Sekunden"),
                              QStringLiteral("nach 4 Sekunden"), QStringLiteral("nach 5 Sekunden")});
    row(2, QStringLiteral("&Zudecken:"), m_coverAfter);
    m_teams = new QSpinBox(box);
    m_teams->setObjectName(QStringLiteral("teams"));
    m_teams->setRange(1, 4);
    m_teams->setValue(m_settings->value(config::teams).number());
    row(3, QStringLiteral("&Mannschaften:"), m_teams);
    m_grouped = new QCheckBox(QStringLiteral("Getrennt: erste Hälften oben, zweite unten"), box);
    m_grouped->setObjectName(QStringLiteral("grouped"));
    m_grouped->setChecked(m_settings->value(config::grouped));
    setAltLetter(m_grouped, QLatin1Char('G'));
    part->addWidget(m_grouped, 4, 0, 1, 2);
    rows->addWidget(box);
    connect(m_cards, &QRadioButton::toggled, this, &ExtraSettingsDialog::showPlayKind);
    showPlayKind();
}

void ExtraSettingsDialog::showPlayKind()
{
    const auto show = [this](QWidget *w, bool fixed, bool on) {
        w->setEnabled(on && !fixed);
        w->setToolTip(fixed ? kFixedHint : QString());
    };
    show(m_matching, m_settings->isFixed(config::playKind), true);
    show(m_cards, m_settings->isFixed(config::playKind), true);
    const bool cards = m_cards->isChecked();
    show(m_cardPairs, m_settings->isFixed(config::cardPairs), cards);
    show(m_coverAfter, m_settings->isFixed(config::coverAfter), cards);
    show(m_teams, m_settings->isFixed(config::teams), cards);
    show(m_grouped, m_settings->isFixed(config::grouped), cards);
}

void ExtraSettingsDialog::accept()
{
    QString error;
    const bool stored = m_settings->set(config::tapPlay, m_tapPlay->isChecked(), &error)
        && m_settings->set(config::windowSize, chosenSize(), &error)
        && m_settings->set(config::readAloud, m_readAloud->isChecked(), &error)
        && m_settings->set(config::voice, chosenVoice(), &error)
        && m_settings->set(config::tempo, m_tempo->value(), &error)
        && m_settings->set(config::playKind, Choice{m_cards->isChecked() ? QStringLiteral("Aufdecken")
                                                                        : QStringLiteral("Zuordnen")}, &error)
        && m_settings->set(config::cardPairs, Choice{m_cardPairs->currentData().toString()}, &error)
        && m_settings->set(config::coverAfter, Choice{m_coverAfter->currentData().toString()}, &error)
        && m_settings->set(config::teams, Choice{QString::number(m_teams->value())}, &error)
        && m_settings->set(config::grouped, m_grouped->isChecked(), &error)
        && (!m_keepResults || m_settings->set(config::keepResults, m_keepResults->isChecked(), &error))
        && (!m_cardBox || m_settings->set(config::cardBox, m_cardBox->isChecked(), &error));
    QDialog::accept();
    if (!stored) {
        m_platform.dialogs->message(QStringLiteral("Weitere Einstellungen"),
                                    QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.\r%1\r").arg(error),
                                    MsgIcon::Exclamation);
    }
}

} // namespace duplikon
