// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/ExtraSettingsDialog.h"

#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/KeyboardAccess.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace duplikon {

namespace {
const QString kFixedHint = QStringLiteral("Vom Administrator festgelegt");
} // namespace

ExtraSettingsDialog::ExtraSettingsDialog(QWidget *parent, Platform platform, ExtraSettings *settings)
    : QDialog(parent), m_platform(platform), m_settings(settings)
{
    setObjectName(QStringLiteral("extraSettings"));
    setWindowTitle(QStringLiteral("Weitere Einstellungen"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(designFont());
    auto *rows = new QVBoxLayout(this);

    // Play: tap instead of drag.
    m_tapPlay = new QCheckBox(QStringLiteral("Antippen statt Ziehen"), this);
    m_tapPlay->setObjectName(QStringLiteral("tapPlay"));
    m_tapPlay->setChecked(settings->tapPlay());
    m_tapPlay->setEnabled(!settings->tapPlayFixed());
    if (settings->tapPlayFixed())
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
        choice->setChecked(value == settings->windowSize());
        setAltLetter(choice, value == WindowSize::Screen ? QLatin1Char('B') : QString::fromUtf8(caption).at(0));
        connect(choice, &QRadioButton::toggled, this, &ExtraSettingsDialog::showSizeNote);
        choices->addWidget(choice);
        m_sizes.append({choice, value});
    }
    size->setEnabled(!settings->windowSizeFixed());
    if (settings->windowSizeFixed())
        size->setToolTip(kFixedHint);
    rows->addWidget(size);
    m_sizeNote = new QLabel(QStringLiteral("Die neue Fenstergröße gilt ab dem nächsten Start."), this);
    m_sizeNote->setObjectName(QStringLiteral("sizeNote"));
    rows->addWidget(m_sizeNote);

    // Reading aloud ("Vorlesen") gets its row here.

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExtraSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExtraSettingsDialog::reject);
    rows->addWidget(buttons);
    showSizeNote();
    setFixedSize(sizeHint());
}

WindowSize ExtraSettingsDialog::chosenSize() const
{
    for (const auto &[choice, value] : m_sizes) {
        if (choice->isChecked())
            return value;
    }
    return m_settings->windowSize();
}

void ExtraSettingsDialog::showSizeNote()
{
    // Keeps its place, so the dialog does not jump.
    QSizePolicy keep = m_sizeNote->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_sizeNote->setSizePolicy(keep);
    m_sizeNote->setVisible(chosenSize() != m_settings->windowSizeAtStart());
}

void ExtraSettingsDialog::accept()
{
    QString error;
    const bool stored = m_settings->setTapPlay(m_tapPlay->isChecked(), &error)
        && m_settings->setWindowSize(chosenSize(), &error);
    QDialog::accept();
    if (!stored) {
        m_platform.dialogs->message(QStringLiteral("Weitere Einstellungen"),
                                    QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.\r%1\r").arg(error),
                                    MsgIcon::Exclamation);
    }
}

} // namespace duplikon
