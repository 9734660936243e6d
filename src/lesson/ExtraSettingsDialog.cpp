// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/ExtraSettingsDialog.h"

#include "platform/Audio.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/KeyboardAccess.h"
#include "platform/Language.h"

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
QString fixedHint()
{
    return QCoreApplication::translate("duplikon::ExtraSettingsDialog", "Vom Administrator festgelegt");
}

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
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(designFont());
    auto *rows = new QVBoxLayout(this);
    // The dialog takes the size its texts need, in every language.
    rows->setSizeConstraint(QLayout::SetFixedSize);

    // Play: tap instead of drag.
    m_tapPlay = new QCheckBox(this);
    m_tapPlay->setObjectName(QStringLiteral("tapPlay"));
    m_tapPlay->setChecked(settings->value(config::tapPlay));
    m_tapPlay->setEnabled(!settings->isFixed(config::tapPlay));
    setAltLetter(m_tapPlay, QLatin1Char('A'));
    rows->addWidget(m_tapPlay);

    // The window size, from the next start on.
    auto *size = m_sizeBox = new QGroupBox(this);
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
    rows->addWidget(size);
    m_sizeNote = new QLabel(this);
    m_sizeNote->setObjectName(QStringLiteral("sizeNote"));
    rows->addWidget(m_sizeNote);

    addLanguage(rows);
    addReadAloud(rows);
    addPlayKind(rows);

    // Results kept for the teacher; gone with the whole feature.
    if (!settings->value(config::resultsOff)) {
        m_keepResults = new QCheckBox(this);
        m_keepResults->setObjectName(QStringLiteral("keepResults"));
        m_keepResults->setChecked(settings->value(config::keepResults));
        m_keepResults->setEnabled(!settings->isFixed(config::keepResults));
        setAltLetter(m_keepResults, QLatin1Char('E'));
        rows->addWidget(m_keepResults);
        addCardBox(rows);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExtraSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExtraSettingsDialog::reject);
    rows->addWidget(buttons);
    showSizeNote();
    retranslate();
}

void ExtraSettingsDialog::retranslate()
{
    setWindowTitle(tr("Weitere Einstellungen"));
    const auto hint = [this](QWidget *w, bool fixed) { w->setToolTip(fixed ? fixedHint() : QString()); };
    m_tapPlay->setText(tr("Antippen statt Ziehen"));
    hint(m_tapPlay, m_settings->isFixed(config::tapPlay));
    m_sizeBox->setTitle(tr("Fenstergröße"));
    hint(m_sizeBox, m_settings->isFixed(config::windowSize));
    for (const auto &[choice, value] : std::as_const(m_sizes))
        choice->setText(value == WindowSize::Screen ? tr("Bildschirm") : windowSizeText(value) + QStringLiteral(" %"));
    m_sizeNote->setText(tr("Die neue Fenstergröße gilt ab dem nächsten Start."));
    if (m_keepResults) {
        m_keepResults->setText(tr("Ergebnisse aufbewahren"));
        hint(m_keepResults, m_settings->isFixed(config::keepResults));
    }
    if (m_cardBox) {
        m_cardBox->setText(tr("Lernkartei"));
        m_cardBoxNote->setText(tr("Die Lernkartei braucht „Ergebnisse aufbewahren“."));
    }
    m_languageLabel->setText(tr("Sp&rache:"));
    hint(m_language, m_settings->isFixed(config::language));
    m_language->setItemText(0, tr("Wie das System"));
    m_readAloud->setText(tr("Vorlesen"));
    m_speechNote->setText(tr("Keine Sprachausgabe gefunden"));
    m_voiceLabel->setText(tr("&Stimme:"));
    m_tempoLabel->setText(tr("&Tempo:"));
    m_playBox->setTitle(tr("Spielart"));
    m_matching->setText(tr("Zuordnen"));
    m_cards->setText(tr("Aufdecken"));
    m_pairsLabel->setText(tr("&Paare:"));
    m_coverLabel->setText(tr("&Zudecken:"));
    m_teamsLabel->setText(tr("&Mannschaften:"));
    m_grouped->setText(tr("Getrennt: erste Hälften oben, zweite unten"));
    const QString cover[] = {tr("beim nächsten Tippen"), tr("nach 1 Sekunde"), tr("nach 2 Sekunden"),
                             tr("nach 3 Sekunden"), tr("nach 4 Sekunden"), tr("nach 5 Sekunden")};
    for (int i = 0; i < m_coverAfter->count() && i < int(std::size(cover)); ++i)
        m_coverAfter->setItemText(i, cover[i]);
    fillVoices();
    showSpeech();
    showPlayKind();
}

void ExtraSettingsDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void ExtraSettingsDialog::addLanguage(QVBoxLayout *rows)
{
    auto *part = new QHBoxLayout;
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("language"));
    // The languages by their own names; x-test only while it is set.
    const QString current = m_settings->value(config::language).text;
    m_language->addItem(QString(), language::kSystem);
    for (const LanguageName &l : languages())
        m_language->addItem(l.ownName, l.code);
    if (current == language::kTest)
        m_language->addItem(current, current);
    m_language->setCurrentIndex(std::max(0, m_language->findData(current)));
    m_language->setEnabled(!m_settings->isFixed(config::language));
    m_languageLabel = new QLabel(this);
    m_languageLabel->setBuddy(m_language);
    part->addWidget(m_languageLabel);
    part->addWidget(m_language);
    part->addStretch(1);
    rows->addLayout(part);
    m_languageNote = new QLabel(this);
    m_languageNote->setObjectName(QStringLiteral("languageNote"));
    m_languageNote->setWordWrap(true);
    keepPlace(m_languageNote);
    rows->addWidget(m_languageNote);
    connect(m_language, &QComboBox::currentIndexChanged, this, &ExtraSettingsDialog::showSpeech);
}

QString ExtraSettingsDialog::chosenLanguageSetting() const
{
    return m_language->currentData().toString();
}

void ExtraSettingsDialog::addCardBox(QVBoxLayout *rows)
{
    auto *part = new QHBoxLayout;
    m_cardBox = new QCheckBox(this);
    m_cardBox->setObjectName(QStringLiteral("cardBox"));
    m_cardBox->setChecked(m_settings->value(config::cardBox));
    setAltLetter(m_cardBox, QLatin1Char('K'));
    part->addWidget(m_cardBox);
    m_cardBoxNote = new QLabel(this);
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
    m_cardBox->setToolTip(fixed ? fixedHint() : QString());
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
    m_readAloud = new QCheckBox(this);
    m_readAloud->setObjectName(QStringLiteral("readAloud"));
    m_readAloud->setChecked(m_settings->value(config::readAloud));
    setAltLetter(m_readAloud, QLatin1Char('V'));
    part->addWidget(m_readAloud, 0, 0);
    m_speechNote = new QLabel(this);
    m_speechNote->setObjectName(QStringLiteral("speechNote"));
    keepPlace(m_speechNote);
    part->addWidget(m_speechNote, 0, 1);

    m_voice = new QComboBox(this);
    m_voice->setObjectName(QStringLiteral("voice"));
    // Voices come later and some names are long: the width stays.
    m_voice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_voice->setMinimumContentsLength(24);
    m_voiceLabel = new QLabel(this);
    m_voiceLabel->setBuddy(m_voice);
    part->addWidget(m_voiceLabel, 1, 0);
    part->addWidget(m_voice, 1, 1);
    m_tempo = new QSpinBox(this);
    m_tempo->setObjectName(QStringLiteral("tempo"));
    m_tempo->setRange(-100, 100);
    m_tempo->setValue(m_settings->value(config::tempo));
    m_tempoLabel = new QLabel(this);
    m_tempoLabel->setBuddy(m_tempo);
    part->addWidget(m_tempoLabel, 2, 0);
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
    m_readAloud->setToolTip(m_settings->value(config::soundOff)           ? tr("Vom Administrator abgeschaltet")
                            : m_settings->isFixed(config::readAloud) ? fixedHint()
                                                           : QString());
    m_speechNote->setVisible(noService && !m_settings->value(config::soundOff));
    const bool on = available && m_readAloud->isChecked();
    m_voice->setEnabled(on && !m_settings->isFixed(config::voice));
    m_voice->setToolTip(m_settings->isFixed(config::voice) ? fixedHint() : QString());
    m_tempo->setEnabled(on && !m_settings->isFixed(config::tempo));
    m_tempo->setToolTip(m_settings->isFixed(config::tempo) ? fixedHint() : QString());
    // The program's own words are spoken in its language, when a voice speaks it.
    const QLocale::Language language = localeOf(chosenLanguage(chosenLanguageSetting())).language();
    const bool voiceless = on && speech->status() == Speech::Status::Ready && language != QLocale::German
        && !speech->languages().contains(language);
    m_languageNote->setText(tr("Für diese Sprache gibt es keine Stimme: Meldungen werden nur gezeigt, nicht vorgelesen."));
    m_languageNote->setVisible(voiceless);
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
    m_voice->addItem(tr("Deutsch (Vorgabe)"));
    if (!current.isEmpty() && !names.contains(current))
        m_voice->addItem(listed ? tr("%1 (nicht installiert)").arg(current) : current, current);
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
    auto *box = m_playBox = new QGroupBox(this);
    box->setObjectName(QStringLiteral("playKind"));
    auto *part = new QGridLayout(box);
    m_matching = new QRadioButton(box);
    m_matching->setObjectName(QStringLiteral("playMatching"));
    setAltLetter(m_matching, QLatin1Char('O')); // Z belongs to Zudecken
    m_cards = new QRadioButton(box);
    m_cards->setObjectName(QStringLiteral("playCards"));
    setAltLetter(m_cards, QLatin1Char('D'));
    (m_settings->value(config::playKind).is("Aufdecken") ? m_cards : m_matching)->setChecked(true);
    part->addWidget(m_matching, 0, 0);
    part->addWidget(m_cards, 0, 1);

    const auto row = [&](int at, QLabel **label, QWidget *field) {
        *label = new QLabel(box);
        (*label)->setBuddy(field);
        part->addWidget(*label, at, 0);
        part->addWidget(field, at, 1, Qt::AlignLeft);
    };
    const auto choiceBox = [&](config::Key<Choice> key, const char *name) {
        auto *combo = new QComboBox(box);
        combo->setObjectName(QLatin1String(name));
        const QStringList values = config::choices(key.id);
        for (const QString &value : values)
            combo->addItem(value, value);
        combo->setCurrentIndex(std::max(0, int(values.indexOf(m_settings->value(key).text))));
        return combo;
    };
    m_cardPairs = choiceBox(config::cardPairs, "cardPairs");
    row(1, &m_pairsLabel, m_cardPairs);
    m_coverAfter = choiceBox(config::coverAfter, "coverAfter"); // captions in retranslate()
    row(2, &m_coverLabel, m_coverAfter);
    m_teams = new QSpinBox(box);
    m_teams->setObjectName(QStringLiteral("teams"));
    m_teams->setRange(1, 4);
    m_teams->setValue(m_settings->value(config::teams).number());
    row(3, &m_teamsLabel, m_teams);
    m_grouped = new QCheckBox(box);
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
        w->setToolTip(fixed ? fixedHint() : QString());
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
        && m_settings->set(config::language, Choice{chosenLanguageSetting()}, &error)
        && (!m_keepResults || m_settings->set(config::keepResults, m_keepResults->isChecked(), &error))
        && (!m_cardBox || m_settings->set(config::cardBox, m_cardBox->isChecked(), &error));
    QDialog::accept();
    if (!stored) {
        m_platform.dialogs->message(tr("Weitere Einstellungen"),
                                    tr("Die Einstellungen konnten nicht gespeichert werden.\r%1\r").arg(error),
                                    MsgIcon::Exclamation);
    }
}

} // namespace duplikon
