// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/SettingsPanel.h"

#include "board/BoardState.h"
#include "lesson/ExtraSettingsDialog.h"
#include "lesson/LessonRules.h"
#include "lesson/LessonState.h"

#include "platform/Fonts.h"
#include "platform/ClickLabel.h"
#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/KeyboardAccess.h"
#include "platform/Language.h"
#include "platform/ListBox.h"
#include "tasks/TaskFolder.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace duplikon {

namespace {
template <typename W>
W *place(W *w, const char *name, int l, int t, int width, int h, qreal size = 9.75)
{
    w->setObjectName(QLatin1String(name));
    w->setFont(designFont(size));
    placeTwips(w, l, t, width, h);
    return w;
}
} // namespace

SettingsPanel::SettingsPanel(QWidget *client, Platform platform, LessonState *lesson, LessonRules *rules,
                             const BoardState *board)
    : QObject(client), m_platform(platform), m_lesson(lesson), m_rules(rules), m_board(board)
{
    m_panel = new QFrame(client);
    m_panel->setObjectName(QStringLiteral("Picture2"));
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setFrameShadow(QFrame::Raised);
    m_panel->setLineWidth(2);
    m_panel->setAutoFillBackground(true);
    placeTwips(m_panel, kParkedLeft, 1200, 8175, 5775);

    place(new QLabel(m_panel), "Label6", 240, 120, 4575, 495, 12);
    auto *shape = place(new QFrame(m_panel), "Shape1", 240, 600, 7695, 4335);
    shape->setFrameShape(QFrame::Box);
    shape->lower();

    m_check1 = place(new QCheckBox(m_panel), "Check1", 480, 735, 2055, 480);
    m_check3 = place(new QCheckBox(m_panel), "Check3", 480, 1200, 2055, 495);
    m_check2 = place(new QCheckBox(m_panel), "Check2", 480, 1680, 2055, 495);
    m_check5 = place(new QCheckBox(m_panel), "Check5", 480, 2160, 1935, 495);

    m_farbe1 = place(new ClickLabel(QString(), m_panel), "farbe1", 480, 3000, 1455, 1095);
    m_farbe2 = place(new ClickLabel(QString(), m_panel), "farbe2", 1080, 3600, 1455, 1095);
    for (ClickLabel *f : {m_farbe1, m_farbe2}) {
        f->setFrameShape(QFrame::Box);
        f->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        f->setCursor(Qt::PointingHandCursor);
        f->setAutoFillBackground(true);
        f->setFocusPolicy(Qt::TabFocus); // Space or Enter changes the colour
    }
    m_farbe2->setAlignment(Qt::AlignRight | Qt::AlignBottom);

    place(new QLabel(m_panel), "Label7", 3000, 840, 1695, 255);
    m_file2 = place(new ListBox(m_panel), "File2", 3000, 1200, 1935, 3540);
    auto *add = place(new QPushButton(QStringLiteral(">>"), m_panel), "Command4", 5040, 2280, 615, 375);
    auto *remove = place(new QPushButton(QStringLiteral("X"), m_panel), "Command5", 5040, 3000, 615, 375);
    place(new QLabel(m_panel), "Label5", 5760, 840, 1695, 255);
    m_pflicht = place(new ListBox(m_panel), "pflicht", 5760, 1200, 1935, 3540);

    auto *okay = place(new QPushButton(m_panel), "Command3", 240, 5160, 1935, 375);
    auto *colours = place(new QPushButton(m_panel), "Command9", 2160, 5160, 1935, 375);
    auto *copy = place(new QPushButton(m_panel), "Command10", 4080, 5160, 1935, 375);
    auto *print = place(new QPushButton(m_panel), "Command8", 6000, 5160, 1935, 375);
    // In the free place right of Label6: the added settings, stored per user.
    auto *more = place(new QPushButton(m_panel), "moreSettings", 6000, 150, 1935, 375);
    // Left of it, over the end of Label6's box, the only room the panel has
    // left: the results kept for the teacher. Every letter of "Ergebnisse" is
    // taken: it has Q.
    m_results = place(new QPushButton(m_panel), "showResults", 4380, 150, 1575, 375);
    // Alt letters; ">>" has no letter in its caption and is reached with Tab.
    // Every letter of "Weitere" is taken in the main window: it has J.
    const std::pair<QWidget *, char> letters[] = {
        {m_check1, 'H'}, {m_check3, 'S'}, {m_check2, 'K'}, {m_check5, 'W'}, {remove, 'X'},
        {okay, 'O'}, {colours, 'F'}, {copy, 'G'}, {print, 'R'}, {more, 'J'}, {m_results, 'Q'},
    };
    for (const auto &[control, letter] : letters)
        setAltLetter(control, QLatin1Char(letter));
    pressOnEnter(add);
    retranslate();
    onLanguageChange(m_panel, [this] { retranslate(); });
    mirrorWithDirection(m_panel);
    m_panel->hide();
    showSwitches();
    showColours();
    showPflicht();

    connect(m_lesson, &LessonState::switchesChanged, this, &SettingsPanel::showSwitches);
    connect(m_board, &BoardState::coloursChanged, this, &SettingsPanel::showColours);
    connect(m_lesson, &LessonState::pflichtChanged, this, &SettingsPanel::showPflicht);
    connect(m_rules, &LessonRules::settingsRequested, this, &SettingsPanel::show);
    connect(m_rules, &LessonRules::settingsDismissed, this, &SettingsPanel::park);
    connect(m_check1, &QCheckBox::toggled, m_rules, &LessonRules::setCheck1);
    connect(m_check2, &QCheckBox::toggled, m_lesson, &LessonState::setShortChoice);
    connect(m_check3, &QCheckBox::toggled, m_lesson, &LessonState::setEditorLocked);
    connect(m_check5, &QCheckBox::toggled, m_rules, &LessonRules::setCheck5);
    connect(add, &QPushButton::clicked, this, &SettingsPanel::Command4_Click);
    connect(remove, &QPushButton::clicked, this, &SettingsPanel::Command5_Click);
    connect(colours, &QPushButton::clicked, this, &SettingsPanel::Command9_Click);
    connect(m_farbe1, &ClickLabel::clicked, this, &SettingsPanel::questionColourClicked);
    connect(m_farbe2, &ClickLabel::clicked, this, &SettingsPanel::answerColourClicked);
    connect(okay, &QPushButton::clicked, this, &SettingsPanel::okayClicked);
    connect(copy, &QPushButton::clicked, this, &SettingsPanel::copyPageClicked);
    connect(print, &QPushButton::clicked, this, &SettingsPanel::printPageClicked);
    connect(more, &QPushButton::clicked, this, &SettingsPanel::openExtraSettings);
    connect(m_results, &QPushButton::clicked, this, &SettingsPanel::resultsClicked);
}

void SettingsPanel::show()
{
    // Tasks saved in the editor since the start can be made mandatory at once.
    if (m_folder) {
        m_folder->refresh();
        m_file2->setEntries(m_folder->taskFiles());
    }
    moveLeftTwips(m_panel, kShown);
    m_lesson->setPanelShown(LessonState::Panel::Settings, true);
    m_focus.shown(m_panel, m_check1);
}

void SettingsPanel::park()
{
    m_focus.parked(m_panel);
    moveLeftTwips(m_panel, kParkedLeft);
    m_lesson->setPanelShown(LessonState::Panel::Settings, false);
}

bool SettingsPanel::shown() const { return m_lesson->panelShown(LessonState::Panel::Settings); }

QWidget *SettingsPanel::Picture2() const { return m_panel; }

void SettingsPanel::showSwitches()
{
    const auto show = [](QCheckBox *box, bool on) {
        const QSignalBlocker block(box);
        box->setChecked(on);
    };
    show(m_check1, m_lesson->mandatoryTasks());
    show(m_check2, m_lesson->shortChoice());
    show(m_check3, m_editorOff || m_lesson->editorLocked());
    show(m_check5, m_lesson->repetition());
}

void SettingsPanel::showColours()
{
    setBackground(m_farbe1, m_board->questionColour());
    setBackground(m_farbe2, m_board->answerColour());
}

void SettingsPanel::showPflicht()
{
    const QStringList &entries = m_lesson->pflicht();
    const QSignalBlocker block(m_pflicht);
    // An entry added at the end keeps the selection and the scrolling as they are.
    if (entries.size() == m_shownPflicht.size() + 1 && entries.mid(0, m_shownPflicht.size()) == m_shownPflicht)
        m_pflicht->addItem(entries.last());
    else
        m_pflicht->setEntries(entries);
    m_shownPflicht = entries;
}

void SettingsPanel::setTaskFolder(TaskFolder *folder)
{
    m_folder = folder;
    m_file2->setEntries(folder->taskFiles());
    connect(folder, &TaskFolder::changed, this, [this] { m_file2->replaceEntries(m_folder->taskFiles()); });
}

void SettingsPanel::setClassroomConfig(ClassroomConfig *extra)
{
    m_extra = extra;
    m_editorOff = extra && extra->value(config::editorOff);
    // [Fest] ErgebnisseAus removes the results, button included.
    m_results->setVisible(!(extra && extra->value(config::resultsOff)));
    if (m_editorOff) {
        showSwitches();
        m_check3->setEnabled(false);
        m_check3->setToolTip(tr("Vom Administrator gesperrt"));
    }
}

void SettingsPanel::retranslate()
{
    setChildText(m_panel, "Label6", tr("Einstellungen für das Programm:"));
    m_check1->setText(tr("Pflichtaufgaben"));
    m_check3->setText(tr("Editor sperren"));
    m_check2->setText(tr("Kurze Dateiwahl"));
    m_check5->setText(tr("Wiederholung"));
    m_farbe1->setText(tr("Fragen"));
    m_farbe2->setText(tr("Antworten"));
    setChildText(m_panel, "Label7", tr("Quellaufgaben"));
    m_file2->setAccessibleName(tr("Quellaufgaben"));
    setChildText(m_panel, "Label5", tr("Pflichtaufgaben"));
    m_pflicht->setAccessibleName(tr("Pflichtaufgaben"));
    setChildText(m_panel, "Command3", tr("O k a y"));
    setChildText(m_panel, "Command9", tr("Farben"));
    setChildText(m_panel, "Command10", tr("Ablage ..."));
    setChildText(m_panel, "Command8", tr("Drucken ..."));
    setChildText(m_panel, "moreSettings", tr("Weitere ..."));
    if (auto *more = m_panel->findChild<QWidget *>(QStringLiteral("moreSettings")))
        more->setToolTip(tr("Weitere Einstellungen (Alt+J)"));
    m_results->setText(tr("Ergebnisse ..."));
    m_results->setToolTip(tr("Ergebnisse der Kinder (Alt+Q)"));
    if (m_editorOff)
        m_check3->setToolTip(tr("Vom Administrator gesperrt"));
    fitCaptions(m_panel);
}

void SettingsPanel::openExtraSettings()
{
    if (!m_extra)
        return;
    auto *dialog = new ExtraSettingsDialog(m_panel->window(), m_platform, m_extra);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void SettingsPanel::Command9_Click()
{
    m_platform.dialogs->message(tr("Hintergrundfarbe"),
                                tr("Der Hintergrund wird durch fortwährenden Klick auf die\r"
                                   "beiden Farbflächen 'Fragen' und 'Antworten' eingestellt.\r"));
}

void SettingsPanel::Command4_Click()
{
    if (m_file2->listIndex() >= 0)
        m_lesson->setPflicht(m_lesson->pflicht() + QStringList{m_file2->selectedText()});
}

void SettingsPanel::Command5_Click()
{
    const int i = m_pflicht->listIndex();
    if (i >= 0) {
        QStringList entries = m_lesson->pflicht();
        entries.removeAt(i);
        m_lesson->setPflicht(entries);
    } else {
        m_lesson->setPflicht({});
        m_rules->setCheck5(false);
    }
}

} // namespace duplikon
