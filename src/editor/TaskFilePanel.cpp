// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TaskFilePanel.h"

#include "editor/EditorControls.h"
#include "editor/EditorHost.h"
#include "editor/EditorRules.h"
#include "editor/PairLists.h"
#include "output/ListPrintLayout.h"
#include "platform/Dialogs.h"
#include "platform/FileLists.h"
#include "platform/Folders.h"
#include "platform/KeyboardAccess.h"
#include "platform/ListBox.h"
#include "tasks/ProgramFolder.h"
#include "tasks/TaskFolder.h"

namespace duplikon {

namespace {
const QChar CR(0x0D);
// The settings file of the program folder: never replaced by a task file.

QString withoutEnding(const QString &fileName)
{
    const QString ending = ProgramFolder::taskFileEnding();
    return fileName.endsWith(ending, Qt::CaseInsensitive) ? fileName.chopped(ending.size()) : fileName;
}
} // namespace

TaskFilePanel::TaskFilePanel(QWidget *client, Platform platform, EditorHost *host, const PairLists *pairs)
    : QObject(client), m_platform(platform), m_host(host), m_pairs(pairs),
      m_langname(withTrailingSeparator(host->programFolder())), m_folder(host->taskFolder())
{
    const QColor black(Qt::black), red(255, 192, 192);
    const QFont font = designFont(9.75);
    editorLabel(client, "Label8", QStringLiteral(" Lerndateien:"), {6720, 240, 2175, 375}, black, red, font);
    m_label9 = editorLabel(client, "Label9", QStringLiteral("0"), {8880, 240, 735, 375}, black, red, font);
    m_file2 = new ListBox(client);
    styleEditorList(m_file2, "File2", {6720, 600, 2895, 6030}, red, black);
    // Opening a file replaces the lists: the arrow keys only move, Enter opens.
    m_file2->setChooseByKey(true);
    connect(m_file2, &ListBox::clicked, this, &TaskFilePanel::File2_Click);

    const QFont actionFont = designFont(8.25);
    const QColor windowText = toQColor(kSystemWindowText);
    const struct { const char *name, *text; int left; char letter; void (TaskFilePanel::*slot)(); } actions[] = {
        {"Label10", "Datei kopieren", 6720, 'K', &TaskFilePanel::Label10_Click},
        {"Label11", "Datei drucken", 7680, 'R', &TaskFilePanel::Label11_Click},
        {"Label12", "Datei löschen", 8640, 'L', &TaskFilePanel::Label12_Click},
    };
    m_tabChain = {m_file2};
    for (const auto &a : actions) {
        ClickLabel *label = editorLabel(client, a.name, QString::fromUtf8(a.text), {a.left, 6720, 975, 495}, red,
                                        windowText, actionFont);
        m_tabChain.append(label);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(Qt::PointingHandCursor);
        label->setFocusPolicy(Qt::TabFocus); // Space or Enter, or Alt and its letter
        setAltLetter(label, QLatin1Char(a.letter));
        connect(label, &ClickLabel::clicked, this, a.slot);
    }

    // Its folder is the program folder, read at load (on a network share no
    // watcher tells of other machines' files); a change the model learns of
    // later is shown at once, keeping the chosen file chosen.
    m_folder->refresh();
    showFiles();
    connect(m_folder, &TaskFolder::changed, this, [this] {
        m_file2->replaceEntries(m_folder->taskFiles());
        showFileCount();
    });
}

void TaskFilePanel::showFileCount()
{
    m_label9->setText(QString::number(m_file2->count()));
}

void TaskFilePanel::showFiles()
{
    m_file2->setEntries(m_folder->taskFiles());
    showFileCount();
}

Task TaskFilePanel::pairTask() const
{
    Task task;
    task.lines = editor::pairLines(m_pairs->leftHalves(), m_pairs->rightHalves());
    return task;
}

void TaskFilePanel::File2_Click()
{
    const QString name = m_file2->selectedText();
    const TaskRead read = readTask(m_langname, name);
    if (!read.ok) {
        // The lists stay as they were.
        m_platform.dialogs->message(QStringLiteral("Datei öffnen"),
                                    name + QStringLiteral(" konnte nicht gelesen werden:") + CR + read.error + CR);
        return;
    }
    QStringList left, right;
    editor::dealPairs(read.task.lines, false, &left, &right);
    showFileCount();
    m_taskName = withoutEnding(name);
    emit pairsOpened(left, right);
}

QString TaskFilePanel::chosenTaskFile() const
{
    return m_file2->listIndex() < 0 ? QString() : m_file2->selectedText();
}

void TaskFilePanel::openTaskFile(const QString &name)
{
    showFiles();
    const int i = int(m_file2->entries().indexOf(name));
    if (i < 0)
        return;
    m_file2->setListIndex(i);
    File2_Click();
}

void TaskFilePanel::menu2a_Click()
{
    const QString name = m_host->chosenTaskFile();
    if (name.isEmpty()) {
        m_platform.dialogs->message(QStringLiteral("Aktuelle Datei"), QStringLiteral("Es ist keine Datei ausgewählt.") + CR);
        return;
    }
    const TaskRead read = readTask(m_langname, name);
    if (!read.ok) {
        m_platform.dialogs->message(QStringLiteral("Aktuelle Datei"),
                                    name + QStringLiteral(" konnte nicht gelesen werden:") + CR + read.error + CR);
        return;
    }
    QStringList left, right;
    editor::dealPairs(read.task.lines, true, &left, &right);
    m_taskName = withoutEnding(Half::of(name).fileName());
    emit pairsTakenOver(left, right);
}

void TaskFilePanel::menu2b_Click()
{
    m_taskName.clear();
    emit newTaskStarted();
    m_platform.dialogs->message(QStringLiteral("Neue Datei"), QStringLiteral("Sie können nun eine neue Datei erstellen.") + CR);
}

void TaskFilePanel::menu2d_Click()
{
    Dialogs *dlg = m_platform.dialogs;
    const qsizetype count1 = m_pairs->leftHalves().size(), count2 = m_pairs->rightHalves().size();
    if (count1 != count2) {
        dlg->message(QStringLiteral("Fehler in Listen"), QStringLiteral("Die zwei Listen sind verschieden lang.") + CR);
        return;
    }
    if (count1 > 20 || count2 > 20) {
        dlg->message(QStringLiteral("Fehler in Listen"),
                     QStringLiteral("Die Listen sind zu lang.,") + CR + QStringLiteral("nur 20 Einträge sind zulässig.") + CR);
        return;
    }
    const QString answer = dlg->input(QStringLiteral("Datei sichern"),
                                      QStringLiteral("Namen für die Datei eingeben:") + CR + QStringLiteral("(Nur Endung '.TXT' akzeptiert)"),
                                      QString());
    const editor::TaskFileName rule = editor::taskFileName(answer);
    if (rule.verdict == editor::TaskFileName::Empty)
        return;
    if (rule.verdict == editor::TaskFileName::NotAllowed) {
        dlg->message(QStringLiteral("Datei sichern"),
                     QStringLiteral("Dieser Name ist für eine Datei nicht zulässig.") + CR
                         + QStringLiteral("Bitte einen einfachen Namen ohne \"/\", \"\\\" und \"..\" eingeben.") + CR);
        return;
    }
    const QString name = rule.name;
    if (name == ProgramFolder::settingsFileName()) {
        dlg->message(QStringLiteral("Datei sichern"),
                     QStringLiteral("Der Name ") + name + QStringLiteral(" gehört zu den Einstellungen.") + CR
                         + QStringLiteral("Bitte einen anderen Namen eingeben.") + CR);
        return;
    }
    int found = 0;
    for (const QString &f : m_folder->taskFiles())
        if (f.toUpper() == name)
            ++found;
    // A picture or any other file that File1 does not list is asked about too.
    if (found == 0 && pathKind(resolvePath(m_langname, name)) != PathKind::Missing)
        found = 1;
    if (found > 0
        && !dlg->askYesNo(name + QStringLiteral(" sichern"),
                          QStringLiteral("Die Datei ist schon vorhanden,") + CR + QStringLiteral("soll sie überschrieben werden?") + CR))
        return;

    // A file of that name in another letter case is the same file to the
    // teacher: replace it rather than put a twin beside it. (The name holds
    // no separator, so it stays in the program folder.)
    QString error;
    if (!m_folder->writeTask(name, pairTask(), &error)) {
        dlg->message(QStringLiteral("Datei sichern"),
                     name + QStringLiteral(" konnte nicht gespeichert werden:") + CR + error + CR);
        return;
    }
    // The folder's model has read the folder again: the main window's File1
    // lists the new file before the message, keeping its selection; File2
    // lists it after the message and loses its own.
    m_taskName = withoutEnding(name);
    dlg->message(QStringLiteral("Datei sichern"), name + QStringLiteral(" wurde gespeichert.") + CR);
    showFiles();
}

void TaskFilePanel::Label10_Click()
{
    const QString text = editor::textForm(m_pairs->leftHalves(), m_pairs->rightHalves());
    m_platform.clipboard->clear();
    m_platform.clipboard->setText(text);
    m_platform.dialogs->message(QStringLiteral("Ablage"), QStringLiteral("Die Datei wurde in die Ablage kopiert.") + CR + CR);
}

void TaskFilePanel::Label11_Click()
{
    if (m_file2->listIndex() < 0)
        return;
    const QString name = m_file2->selectedText();
    if (!m_platform.dialogs->askYesNo(name, QStringLiteral("Diese Datei jetzt ausdrucken?") + CR + CR))
        return;
    // The lists are printed, not the file named in the question.
    const QStringList lines = pairTask().lines;
    QString error;
    if (!m_platform.printer->printPage(name, [lines](QPainter &p, double devicePerTwip) { drawListPage(p, lines, devicePerTwip); },
                                       &error)) {
        m_platform.dialogs->message(QStringLiteral("Drucken"),
                                    QStringLiteral("Die Datei konnte nicht gedruckt werden:") + CR + error + CR);
        return;
    }
    m_platform.dialogs->message(QStringLiteral("Drucken"), QStringLiteral("Die aktuelle Datei wird gedruckt ...  ") + CR + CR);
}

void TaskFilePanel::Label12_Click()
{
    if (m_file2->listIndex() < 0)
        return;
    const QString name = m_file2->selectedText();
    if (!m_platform.dialogs->askYesNo(name, QStringLiteral("Soll diese Datei gelöscht werden?") + CR + CR))
        return;
    QString error;
    const bool deleted = m_folder->deleteTaskFile(name, &error);
    if (!deleted) {
        m_platform.dialogs->message(QStringLiteral("Datei löschen"),
                                    name + QStringLiteral(" konnte nicht gelöscht werden:") + CR + error + CR);
        return;
    }
    showFiles();
}

} // namespace duplikon
