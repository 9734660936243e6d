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
    m_label8 = editorLabel(client, "Label8", QString(), {6720, 240, 2175, 375}, black, red, font);
    m_label9 = editorLabel(client, "Label9", QStringLiteral("0"), {8880, 240, 735, 375}, black, red, font);
    m_file2 = new ListBox(client);
    styleEditorList(m_file2, "File2", {6720, 600, 2895, 6030}, red, black);
    // Opening a file replaces the lists: the arrow keys only move, Enter opens.
    m_file2->setChooseByKey(true);
    connect(m_file2, &ListBox::clicked, this, &TaskFilePanel::File2_Click);

    const QFont actionFont = designFont(8.25);
    const QColor windowText = toQColor(kSystemWindowText);
    // Each with its letter for Alt, a letter of the text in every language.
    const struct {
        const char *name, *text;
        int left;
        TextAndLetter letter;
        void (TaskFilePanel::*slot)();
    } actions[] = {
        {"Label10", QT_TR_NOOP("Datei kopieren"), 6720,
         QT_TRANSLATE_NOOP3("duplikon::TaskFilePanel", "K", "Alt letter of Datei kopieren"), &TaskFilePanel::Label10_Click},
        {"Label11", QT_TR_NOOP("Datei drucken"), 7680,
         QT_TRANSLATE_NOOP3("duplikon::TaskFilePanel", "R", "Alt letter of Datei drucken"), &TaskFilePanel::Label11_Click},
        {"Label12", QT_TR_NOOP("Datei löschen"), 8640,
         QT_TRANSLATE_NOOP3("duplikon::TaskFilePanel", "L", "Alt letter of Datei löschen"), &TaskFilePanel::Label12_Click},
    };
    m_tabChain = {m_file2};
    for (const auto &a : actions) {
        ClickLabel *label = editorLabel(client, a.name, QString(), {a.left, 6720, 975, 495}, red,
                                        windowText, actionFont);
        m_tabChain.append(label);
        m_actionTexts.append({label, a.text, a.letter});
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(Qt::PointingHandCursor);
        label->setFocusPolicy(Qt::TabFocus); // Space or Enter, or Alt and its letter
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

void TaskFilePanel::retranslate()
{
    m_label8->setText(tr(" Lerndateien:"));
    for (const ActionText &a : std::as_const(m_actionTexts)) {
        a.label->setText(tr(a.text));
        const QString letter = tr(a.letter.source, a.letter.comment);
        setAltLetter(a.label, letter.isEmpty() ? QChar() : letter.front());
    }
    showFileCount();
}

void TaskFilePanel::showFileCount()
{
    m_label9->setText(QLocale().toString(m_file2->count()));
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
        m_platform.dialogs->message(tr("Datei öffnen"), tr("%1 konnte nicht gelesen werden:\r%2\r").arg(name, read.error));
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
        m_platform.dialogs->message(tr("Aktuelle Datei"), tr("Es ist keine Datei ausgewählt.\r"));
        return;
    }
    const TaskRead read = readTask(m_langname, name);
    if (!read.ok) {
        m_platform.dialogs->message(tr("Aktuelle Datei"), tr("%1 konnte nicht gelesen werden:\r%2\r").arg(name, read.error));
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
    m_platform.dialogs->message(tr("Neue Datei"), tr("Sie können nun eine neue Datei erstellen.\r"));
}

void TaskFilePanel::menu2d_Click()
{
    Dialogs *dlg = m_platform.dialogs;
    const qsizetype count1 = m_pairs->leftHalves().size(), count2 = m_pairs->rightHalves().size();
    if (count1 != count2) {
        dlg->message(tr("Fehler in Listen"), tr("Die zwei Listen sind verschieden lang.\r"));
        return;
    }
    if (count1 > 20 || count2 > 20) {
        dlg->message(tr("Fehler in Listen"), tr("Die Listen sind zu lang.,\rnur 20 Einträge sind zulässig.\r"));
        return;
    }
    const QString answer = dlg->input(tr("Datei sichern"), tr("Namen für die Datei eingeben:\r(Nur Endung '.TXT' akzeptiert)"),
                                      QString());
    const editor::TaskFileName rule = editor::taskFileName(answer);
    if (rule.verdict == editor::TaskFileName::Empty)
        return;
    if (rule.verdict == editor::TaskFileName::NotAllowed) {
        dlg->message(tr("Datei sichern"), tr("Dieser Name ist für eine Datei nicht zulässig.\r"
                                             "Bitte einen einfachen Namen ohne \"/\", \"\\\" und \"..\" eingeben.\r"));
        return;
    }
    const QString name = rule.name;
    if (name == ProgramFolder::settingsFileName()) {
        dlg->message(tr("Datei sichern"),
                     tr("Der Name %1 gehört zu den Einstellungen.\rBitte einen anderen Namen eingeben.\r").arg(name));
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
        && !dlg->askYesNo(tr("%1 sichern").arg(name), tr("Die Datei ist schon vorhanden,\rsoll sie überschrieben werden?\r")))
        return;

    // A file of that name in another letter case is the same file to the
    // teacher: replace it rather than put a twin beside it. (The name holds
    // no separator, so it stays in the program folder.)
    QString error;
    if (!m_folder->writeTask(name, pairTask(), &error)) {
        dlg->message(tr("Datei sichern"), tr("%1 konnte nicht gespeichert werden:\r%2\r").arg(name, error));
        return;
    }
    // The folder's model has read the folder again: the main window's File1
    // lists the new file before the message, keeping its selection; File2
    // lists it after the message and loses its own.
    m_taskName = withoutEnding(name);
    dlg->message(tr("Datei sichern"), tr("%1 wurde gespeichert.\r").arg(name));
    showFiles();
}

void TaskFilePanel::Label10_Click()
{
    const QString text = editor::textForm(m_pairs->leftHalves(), m_pairs->rightHalves());
    m_platform.clipboard->clear();
    m_platform.clipboard->setText(text);
    m_platform.dialogs->message(tr("Ablage"), tr("Die Datei wurde in die Ablage kopiert.\r\r"));
}

void TaskFilePanel::Label11_Click()
{
    if (m_file2->listIndex() < 0)
        return;
    const QString name = m_file2->selectedText();
    if (!m_platform.dialogs->askYesNo(name, tr("Diese Datei jetzt ausdrucken?\r\r")))
        return;
    // The lists are printed, not the file named in the question.
    const QStringList lines = pairTask().lines;
    QString error;
    if (!m_platform.printer->printPage(name, [lines](QPainter &p, double devicePerTwip) { drawListPage(p, lines, devicePerTwip); },
                                       &error)) {
        m_platform.dialogs->message(tr("Drucken"), tr("Die Datei konnte nicht gedruckt werden:\r%1\r").arg(error));
        return;
    }
    m_platform.dialogs->message(tr("Drucken"), tr("Die aktuelle Datei wird gedruckt ...  \r\r"));
}

void TaskFilePanel::Label12_Click()
{
    if (m_file2->listIndex() < 0)
        return;
    const QString name = m_file2->selectedText();
    if (!m_platform.dialogs->askYesNo(name, tr("Soll diese Datei gelöscht werden?\r\r")))
        return;
    QString error;
    const bool deleted = m_folder->deleteTaskFile(name, &error);
    if (!deleted) {
        m_platform.dialogs->message(tr("Datei löschen"), tr("%1 konnte nicht gelöscht werden:\r%2\r").arg(name, error));
        return;
    }
    showFiles();
}

} // namespace duplikon
