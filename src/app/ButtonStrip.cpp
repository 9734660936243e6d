// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ButtonStrip.h"

#include "board/ColourCycle.h"
#include "lesson/LessonState.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/KeyboardAccess.h"
#include "platform/Language.h"

#include <QCheckBox>
#include <QPushButton>

namespace duplikon {

namespace {
// The strip's top edge in the client area; its buttons stand 120 twips below it.
constexpr int kStripTop = 8040;
constexpr int kButtonTop = 8160 - kStripTop;
} // namespace

ButtonStrip::ButtonStrip(QWidget *client, LessonState *lesson) : QFrame(client), m_lesson(lesson)
{
    setObjectName(QStringLiteral("Frame1"));
    setFrameShape(QFrame::Box);
    placeTwips(this, 0, kStripTop, 13215, 855);

    const auto button = [this](const QString &caption, const char *name, int left, int width) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        placeTwips(b, left, kButtonTop, width, 375);
        b->setFont(designFont());
        return b;
    };
    m_command7 = button(QString(), "Command7", 240, 2415);
    m_punkte = button(QString(), "punkte", 2760, 2415);
    m_check4 = new QCheckBox(this);
    m_check4->setObjectName(QStringLiteral("Check4"));
    placeTwips(m_check4, 7560, kButtonTop, 2535, 375);
    m_check4->setFont(designFont());
    // "Abc" shows the size of the cells' letters: the same in every language.
    QPushButton *schrift1 = m_schrift1 = button(QStringLiteral("Abc"), "Schrift1", 10200, 735);
    schrift1->setFont(designFont(8.25, false, QStringLiteral("Arial")));
    QPushButton *schrift2 = m_schrift2 = button(QStringLiteral("Abc"), "Schrift2", 10920, 735);
    schrift2->setFont(designFont(12, false));
    m_command6 = button(QString(), "Command6", 11760, 975);
    // Alt letters of the strip; the menus and the panels have their own.
    setAltLetter(m_command7, QLatin1Char('N'));
    setAltLetter(m_punkte, QLatin1Char('U'));
    setAltLetter(m_check4, QLatin1Char('Z'));
    setAltLetter(schrift1, QLatin1Char('A'));
    setAltLetter(schrift2, QLatin1Char('C'));
    setAltLetter(m_command6, QLatin1Char('T'));

    connect(m_command7, &QPushButton::clicked, this, &ButtonStrip::userClicked);
    connect(m_punkte, &QPushButton::clicked, this, &ButtonStrip::pointsClicked);
    connect(m_check4, &QCheckBox::toggled, this, &ButtonStrip::twoColoursClicked);
    connect(schrift1, &QPushButton::clicked, this, &ButtonStrip::Schrift1_Click);
    connect(schrift2, &QPushButton::clicked, this, &ButtonStrip::Schrift2_Click);
    connect(m_command6, &QPushButton::clicked, this, &ButtonStrip::Command6_Click);

    // The strip shows the lesson's user name.
    connect(m_lesson, &LessonState::userNameChanged, this, [this](const QString &name) {
        m_userName = name;
        m_command7->setText(name);
        m_command7->setAccessibleName(name);
    });
    retranslate();
    mirrorWithDirection(this);
}

void ButtonStrip::retranslate()
{
    if (m_userName.isNull())
        m_command7->setText(tr("Benutzer"));
    m_check4->setText(tr("zweifarbige Fenster"));
    m_schrift1->setAccessibleName(tr("Abc kleiner"));
    m_schrift1->setToolTip(tr("Schrift kleiner"));
    m_schrift2->setAccessibleName(tr("Abc größer"));
    m_schrift2->setToolTip(tr("Schrift größer"));
    // The caption names the style a click gives.
    m_command6->setText(m_captionBold ? tr("Fett") : tr("Normal"));
    fitCaptions(this);
}

void ButtonStrip::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void ButtonStrip::showTwoColours(bool on)
{
    const QSignalBlocker block(m_check4);
    m_check4->setChecked(on);
}

void ButtonStrip::Command6_Click()
{
    const bool bold = m_lesson->textBold();
    QFont buttonFont = m_command6->font();
    buttonFont.setBold(bold);
    m_captionBold = bold;
    m_command6->setText(bold ? tr("Fett") : tr("Normal"));
    setAltLetter(m_command6, bold ? QLatin1Char('T') : QLatin1Char('M'));
    m_command6->setFont(buttonFont);
    m_lesson->setTextBold(!bold);
}

void ButtonStrip::Schrift1_Click()
{
    m_lesson->setTextSize(smallerSize(m_lesson->textSize()));
}

void ButtonStrip::Schrift2_Click()
{
    m_lesson->setTextSize(largerSize(m_lesson->textSize()));
}

} // namespace duplikon
