// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ClassListDialog.h"

#include "platform/Dialogs.h"
#include "tasks/ClassList.h"
#include "tasks/ProgramFolder.h"

#include <QCollator>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace duplikon {

ClassListDialog::ClassListDialog(QWidget *parent, Platform platform, const QString &programFolder,
                                 const QStringList &names)
    : QDialog(parent), m_platform(platform), m_path(classListPath(programFolder)), m_names(names)
{
    setObjectName(QStringLiteral("classList"));

    auto *layout = new QGridLayout(this);
    auto *note = new QLabel(this);
    m_note = note;
    note->setWordWrap(true);
    layout->addWidget(note, 0, 0, 1, 2);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("names"));
    note->setBuddy(m_list);
    layout->addWidget(m_list, 1, 0, 6, 1);
    auto button = [&](const char *caption, const char *name, int row, void (ClassListDialog::*slot)()) {
        auto *b = new QPushButton(this);
        m_texts.append({b, caption});
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        layout->addWidget(b, row, 1);
        return b;
    };
    button(QT_TR_NOOP("&Hinzufügen ..."), "addName", 1, &ClassListDialog::add);
    m_rename = button(QT_TR_NOOP("&Umbenennen ..."), "renameName", 2, &ClassListDialog::rename);
    m_remove = button(QT_TR_NOOP("&Entfernen"), "removeName", 3, &ClassListDialog::remove);
    button(QT_TR_NOOP("S&ortieren"), "sortNames", 4, &ClassListDialog::sort);
    button(QT_TR_NOOP("&Speichern"), "saveNames", 5, &ClassListDialog::save)->setDefault(true);
    button(QT_TR_NOOP("&Abbrechen"), "cancelNames", 6, &ClassListDialog::reject);
    retranslate();
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_rename->setEnabled(row >= 0);
        m_remove->setEnabled(row >= 0);
    });
    connect(m_list, &QListWidget::itemActivated, this, &ClassListDialog::rename);
    showNames(m_names.isEmpty() ? -1 : 0);
    resize(420, 360);
}

void ClassListDialog::retranslate()
{
    setWindowTitle(tr("Klassenliste"));
    m_note->setText(tr("Die Vornamen der Kinder, wie sie unter „Benutzer“ erscheinen:"));
    for (const auto &[button, text] : std::as_const(m_texts))
        button->setText(tr(text));
}

void ClassListDialog::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        retranslate();
}

void ClassListDialog::run(QWidget *parent, Platform platform, const QString &programFolder)
{
    const ClassList list = readClassList(classListPath(programFolder));
    if (list.exists && !list.ok) {
        platform.dialogs->message(tr("Klassenliste"), tr("Die Klassenliste „%1“ kann nicht gelesen werden: %2\r")
                                              .arg(ProgramFolder::classListFileName(), list.error));
        return;
    }
    if (list.skipped > 0)
        platform.dialogs->message(tr("Klassenliste"), tr("%n Zeilen der Klassenliste werden übergangen (zu lang, "
                                                         "Steuerzeichen oder mehr als %1 Namen).\r", nullptr, list.skipped)
                                                          .arg(QLocale().toString(kMaxClassListNames)));
    ClassListDialog dialog(parent, platform, programFolder, list.names);
    dialog.exec();
}

int ClassListDialog::selected() const
{
    return m_list->currentRow();
}

void ClassListDialog::showNames(int select)
{
    m_list->clear();
    m_list->addItems(m_names);
    m_list->setCurrentRow(std::min(select, int(m_names.size()) - 1));
    m_rename->setEnabled(selected() >= 0);
    m_remove->setEnabled(selected() >= 0);
}

bool ClassListDialog::acceptable(const QString &name, int except)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return false;
    QString reason;
    if (trimmed.size() > kMaxNameLength)
        reason = tr("Ein Name hat höchstens %n Zeichen.\r", nullptr, kMaxNameLength);
    else if (std::any_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) {
                 return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
             }))
        reason = tr("Ein Name darf keine Steuerzeichen enthalten.\r");
    else if (m_names.size() >= kMaxClassListNames && except < 0)
        reason = tr("Die Klassenliste hat höchstens %n Namen.\r", nullptr, kMaxClassListNames);
    for (int i = 0; reason.isEmpty() && i < m_names.size(); ++i)
        if (i != except && sameName(m_names.at(i), trimmed))
            reason = tr("„%1“ steht schon in der Liste.\r").arg(m_names.at(i));
    if (reason.isEmpty())
        return true;
    m_platform.dialogs->message(tr("Klassenliste"), reason);
    return false;
}

void ClassListDialog::add()
{
    const QString name = m_platform.dialogs->input(tr("Klassenliste"), tr("Vorname des Kindes:"), QString());
    if (!acceptable(name, -1))
        return;
    m_names.append(name.trimmed());
    showNames(int(m_names.size()) - 1);
}

void ClassListDialog::rename()
{
    const int row = selected();
    if (row < 0)
        return;
    const QString name = m_platform.dialogs->input(tr("Klassenliste"), tr("Vorname des Kindes:"), m_names.at(row));
    if (!acceptable(name, row))
        return;
    m_names[row] = name.trimmed();
    showNames(row);
}

void ClassListDialog::remove()
{
    const int row = selected();
    if (row < 0)
        return;
    m_names.removeAt(row);
    showNames(row);
}

void ClassListDialog::sort()
{
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const QString current = selected() >= 0 ? m_names.at(selected()) : QString();
    std::stable_sort(m_names.begin(), m_names.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    showNames(current.isEmpty() ? 0 : int(m_names.indexOf(current)));
}

void ClassListDialog::save()
{
    QString error;
    if (!writeClassList(m_path, m_names, &error)) {
        m_platform.dialogs->message(
            tr("Klassenliste"), tr("Die Klassenliste kann nicht gespeichert werden: %1\r").arg(error),
            MsgIcon::Exclamation);
        return;
    }
    accept();
}

} // namespace duplikon
