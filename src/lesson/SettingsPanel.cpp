// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/SettingsPanel.h"

#include "lesson/ExtraSettingsDialog.h"

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

SettingsPanel::SettingsPanel(QWidget *client, Platform platform)
    : QObject(client), m_platform(platform)
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
    setBackground(m_farbe1, ColourValue(0xFFFFFF));
    setBackground(m_farbe2, ColourValue(0xFFFFC0));
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
    // Beyond the design, in the free place right of Label6: the settings
    // stored per user.
    auto *more = place(new QPushButton(QStringLiteral("Weitere ..."), m_panel), "moreSettings", 6000, 150, 1935, 375);
    more->setToolTip(QStringLiteral("Weitere Einstellungen (Alt+J)"));
    // Alt letters; ">>" has no letter in its caption and is reached with Tab.
    // Every letter of "Weitere" is taken in the main window: it has J.
    const std::pair<QWidget *, char> letters[] = {
        {m_check1, 'H'}, {m_check3, 'S'}, {m_check2, 'K'}, {m_check5, 'W'}, {remove, 'X'},
        {okay, 'O'}, {colours, 'F'}, {copy, 'G'}, {print, 'R'}, {more, 'J'},
    };
    for (const auto &[control, letter] : letters)
        setAltLetter(control, QLatin1Char(letter));
    pressOnEnter(add);
    m_panel->hide();

    connect(m_check1, &QCheckBox::toggled, this, &SettingsPanel::Check1_Click);
    connect(m_check5, &QCheckBox::toggled, this, &SettingsPanel::Check5_Click);
    connect(add, &QPushButton::clicked, this, &SettingsPanel::Command4_Click);
    connect(remove, &QPushButton::clicked, this, &SettingsPanel::Command5_Click);
    connect(colours, &QPushButton::clicked, this, &SettingsPanel::Command9_Click);
    connect(m_farbe1, &ClickLabel::clicked, this, &SettingsPanel::questionColourClicked);
    connect(m_farbe2, &ClickLabel::clicked, this, &SettingsPanel::answerColourClicked);
    connect(okay, &QPushButton::clicked, this, &SettingsPanel::okayClicked);
    connect(copy, &QPushButton::clicked, this, &SettingsPanel::copyPageClicked);
    connect(print, &QPushButton::clicked, this, &SettingsPanel::printPageClicked);
    connect(more, &QPushButton::clicked, this, &SettingsPanel::openExtraSettings);
}

void SettingsPanel::show()
{
    // Tasks saved in the editor since the start can be made mandatory at once.
    if (m_folder) {
        m_folder->refresh();
        m_file2->setEntries(m_folder->taskFiles());
    }
    moveLeftTwips(m_panel, kShown);
    m_focus.shown(m_panel, m_check1);
}

void SettingsPanel::park()
{
    m_focus.parked(m_panel);
    moveLeftTwips(m_panel, kParkedLeft);
}

bool SettingsPanel::shown() const { return leftTwips(m_panel) == kShown; }

bool SettingsPanel::mandatoryTasks() const { return m_check1->isChecked(); }
bool SettingsPanel::shortChoice() const { return m_check2->isChecked(); }
bool SettingsPanel::editorLocked() const { return m_check3->isChecked(); }
bool SettingsPanel::repetition() const { return m_check5->isChecked(); }
QStringList SettingsPanel::mandatoryList() const { return m_pflicht->entries(); }

Settings SettingsPanel::settings() const
{
    Settings s;
    s.check1 = mandatoryTasks() ? 1 : 0;
    s.check2 = shortChoice() ? 1 : 0;
    s.check3 = (m_editorOff ? m_folderCheck3 : editorLocked()) ? 1 : 0;
    s.check5 = repetition() ? 1 : 0;
    s.pflicht = mandatoryList();
    return s;
}

void SettingsPanel::setSettings(const Settings &s)
{
    const auto setQuietly = [](QCheckBox *box, int value) {
        const QSignalBlocker block(box);
        box->setChecked(value == 1);
    };
    setQuietly(m_check1, s.check1);
    setQuietly(m_check2, s.check2);
    m_folderCheck3 = s.check3 == 1;
    setQuietly(m_check3, m_editorOff ? 1 : s.check3);
    setBackground(m_farbe1, s.colour);
    m_pflicht->setEntries(s.pflicht);
    setQuietly(m_check5, s.check5);
}

void SettingsPanel::showColours(ColourValue question, ColourValue answer)
{
    setBackground(m_farbe1, question);
    setBackground(m_farbe2, answer);
}

void SettingsPanel::setTaskFolder(TaskFolder *folder)
{
    m_folder = folder;
    m_file2->setEntries(folder->taskFiles());
    connect(folder, &TaskFolder::changed, this, [this] { m_file2->replaceEntries(m_folder->taskFiles()); });
}

void SettingsPanel::setExtraSettings(ExtraSettings *extra)
{
    m_extra = extra;
    m_editorOff = extra && extra->value(config::editorOff);
    if (m_editorOff) {
        m_folderCheck3 = m_check3->isChecked();
        const QSignalBlocker block(m_check3);
        m_check3->setChecked(true);
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

void SettingsPanel::Check1_Click()
{
    if (m_check1->isChecked() && m_pflicht->count() == 0) {
        refuse();
        m_check1->setChecked(false);
        return;
    }
    if (!m_check1->isChecked())
        m_check5->setChecked(false);
}

void SettingsPanel::Check5_Click()
{
    if (m_check5->isChecked() && m_pflicht->count() == 0) {
        refuse();
        m_check5->setChecked(false);
        return;
    }
    if (m_check5->isChecked())
        m_check1->setChecked(true);
}

void SettingsPanel::Command4_Click()
{
    const QString entry = m_file2->selectedText();
    if (m_file2->listIndex() >= 0)
        m_pflicht->addItem(entry);
}

void SettingsPanel::Command5_Click()
{
    const int i = m_pflicht->listIndex();
    if (i >= 0) {
        const QSignalBlocker block(m_pflicht);
        delete m_pflicht->takeItem(i);
        m_pflicht->clearSelection();
    } else {
        m_pflicht->setEntries({});
        m_check5->setChecked(false);
    }
}

} // namespace duplikon
