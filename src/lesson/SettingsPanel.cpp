// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/SettingsPanel.h"

#include "lesson/ExtraSettingsDialog.h"
#include "lesson/LessonState.h"

#include "platform/Fonts.h"
#include "platform/ClickLabel.h"
#include "platform/Colours.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/KeyboardAccess.h"
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

SettingsPanel::SettingsPanel(QWidget *client, Platform platform, LessonState *lesson)
    : QObject(client), m_platform(platform), m_lesson(lesson)
{
    m_panel = new QFrame(client);
    m_panel->setObjectName(QStringLiteral("Picture2"));
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setFrameShadow(QFrame::Raised);
    m_panel->setLineWidth(2);
    m_panel->setAutoFillBackground(true);
    placeTwips(m_panel, kParkedLeft, 1200, 8175, 5775);

    place(new QLabel(QStringLiteral("Einstellungen für das Programm:"), m_panel), "Label6", 240, 120, 4575, 495, 12);
    auto *shape = place(new QFrame(m_panel), "Shape1", 240, 600, 7695, 4335);
    shape->setFrameShape(QFrame::Box);
    shape->lower();

    m_check1 = place(new QCheckBox(QStringLiteral("Pflichtaufgaben"), m_panel), "Check1", 480, 735, 2055, 480);
    m_check3 = place(new QCheckBox(QStringLiteral("Editor sperren"), m_panel), "Check3", 480, 1200, 2055, 495);
    m_check2 = place(new QCheckBox(QStringLiteral("Kurze Dateiwahl"), m_panel), "Check2", 480, 1680, 2055, 495);
    m_check5 = place(new QCheckBox(QStringLiteral("Wiederholung"), m_panel), "Check5", 480, 2160, 1935, 495);

    m_farbe1 = place(new ClickLabel(QStringLiteral("Fragen"), m_panel), "farbe1", 480, 3000, 1455, 1095);
    m_farbe2 = place(new ClickLabel(QStringLiteral("Antworten"), m_panel), "farbe2", 1080, 3600, 1455, 1095);
    for (ClickLabel *f : {m_farbe1, m_farbe2}) {
        f->setFrameShape(QFrame::Box);
        f->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        f->setCursor(Qt::PointingHandCursor);
        f->setAutoFillBackground(true);
        f->setFocusPolicy(Qt::TabFocus); // Space or Enter changes the colour
    }
    m_farbe2->setAlignment(Qt::AlignRight | Qt::AlignBottom);

    place(new QLabel(QStringLiteral("Quellaufgaben"), m_panel), "Label7", 3000, 840, 1695, 255);
    m_file2 = place(new ListBox(m_panel), "File2", 3000, 1200, 1935, 3540);
    m_file2->setAccessibleName(QStringLiteral("Quellaufgaben"));
    auto *add = place(new QPushButton(QStringLiteral(">>"), m_panel), "Command4", 5040, 2280, 615, 375);
    auto *remove = place(new QPushButton(QStringLiteral("X"), m_panel), "Command5", 5040, 3000, 615, 375);
    place(new QLabel(QStringLiteral("Pflichtaufgaben"), m_panel), "Label5", 5760, 840, 1695, 255);
    m_pflicht = place(new ListBox(m_panel), "pflicht", 5760, 1200, 1935, 3540);
    m_pflicht->setAccessibleName(QStringLiteral("Pflichtaufgaben"));

    auto *okay = place(new QPushButton(QStringLiteral("O k a y"), m_panel), "Command3", 240, 5160, 1935, 375);
    auto *colours = place(new QPushButton(QStringLiteral("Farben"), m_panel), "Command9", 2160, 5160, 1935, 375);
    auto *copy = place(new QPushButton(QStringLiteral("Ablage ..."), m_panel), "Command10", 4080, 5160, 1935, 375);
    auto *print = place(new QPushButton(QStringLiteral("Drucken ..."), m_panel), "Command8", 6000, 5160, 1935, 375);
    // In the free place right of Label6: the added settings, stored per user.
    auto *more = place(new QPushButton(QStringLiteral("Weitere ..."), m_panel), "moreSettings", 6000, 150, 1935, 375);
    more->setToolTip(QStringLiteral("Weitere Einstellungen (Alt+J)"));
    // Left of it, over the end of Label6's box, the only room the panel has
    // left: the results kept for the teacher. Every letter of "Ergebnisse" is
    // taken: it has Q.
    m_results = place(new QPushButton(QStringLiteral("Ergebnisse ..."), m_panel), "showResults", 4380, 150, 1575, 375);
    m_results->setToolTip(QStringLiteral("Ergebnisse der Kinder (Alt+Q)"));
    // Alt letters; ">>" has no letter in its caption and is reached with Tab.
    // Every letter of "Weitere" is taken in the main window: it has J.
    const std::pair<QWidget *, char> letters[] = {
        {m_check1, 'H'}, {m_check3, 'S'}, {m_check2, 'K'}, {m_check5, 'W'}, {remove, 'X'},
        {okay, 'O'}, {colours, 'F'}, {copy, 'G'}, {print, 'R'}, {more, 'J'}, {m_results, 'Q'},
    };
    for (const auto &[control, letter] : letters)
        setAltLetter(control, QLatin1Char(letter));
    pressOnEnter(add);
    m_panel->hide();
    showSwitches();
    showColours();
    showPflicht();

    connect(m_lesson, &LessonState::switchesChanged, this, &SettingsPanel::showSwitches);
    connect(m_lesson, &LessonState::coloursChanged, this, &SettingsPanel::showColours);
    connect(m_lesson, &LessonState::pflichtChanged, this, &SettingsPanel::showPflicht);
    connect(m_check1, &QCheckBox::toggled, this, &SettingsPanel::setCheck1);
    connect(m_check2, &QCheckBox::toggled, m_lesson, &LessonState::setShortChoice);
    connect(m_check3, &QCheckBox::toggled, m_lesson, &LessonState::setEditorLocked);
    connect(m_check5, &QCheckBox::toggled, this, &SettingsPanel::setCheck5);
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
    setBackground(m_farbe1, m_lesson->questionColour());
    setBackground(m_farbe2, m_lesson->answerColour());
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
        m_check3->setToolTip(QStringLiteral("Vom Administrator gesperrt"));
    }
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
    m_platform.dialogs->message(QStringLiteral("Hintergrundfarbe"),
                                QStringLiteral("Der Hintergrund wird durch fortwährenden Klick auf die\r"
                                               "beiden Farbflächen 'Fragen' und 'Antworten' eingestellt.\r"));
}

void SettingsPanel::refuse()
{
    m_platform.dialogs->message(QStringLiteral("Wiederholung verweigert"),
                                QStringLiteral("Es müssen erst Pflichtaufgaben gewählt werden!\r\r"));
}

void SettingsPanel::setCheck1(bool on)
{
    if (m_lesson->mandatoryTasks() == on)
        return;
    m_lesson->setMandatoryTasks(on);
    Check1_Click();
}

void SettingsPanel::setCheck5(bool on)
{
    if (m_lesson->repetition() == on)
        return;
    m_lesson->setRepetition(on);
    Check5_Click();
}

void SettingsPanel::Check1_Click()
{
    if (m_lesson->mandatoryTasks() && m_lesson->pflicht().isEmpty()) {
        refuse();
        setCheck1(false);
        return;
    }
    if (!m_lesson->mandatoryTasks())
        setCheck5(false);
}

void SettingsPanel::Check5_Click()
{
    if (m_lesson->repetition() && m_lesson->pflicht().isEmpty()) {
        refuse();
        setCheck5(false);
        return;
    }
    if (m_lesson->repetition())
        setCheck1(true);
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
        setCheck5(false);
    }
}

} // namespace duplikon
