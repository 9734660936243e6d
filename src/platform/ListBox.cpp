// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ListBox.h"

namespace duplikon {

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemSelectionChanged, this, &ListBox::selectionMaybeChanged);
}

int ListBox::listIndex() const
{
    const QList<QListWidgetItem *> sel = selectedItems();
    return sel.isEmpty() ? -1 : row(sel.first());
}

void ListBox::setListIndex(int index)
{
    if (index < 0 || index >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(index));
}

QString ListBox::selectedText() const
{
    const int i = listIndex();
    return i < 0 ? QString() : item(i)->text();
}

QStringList ListBox::entries() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << item(i)->text();
    return list;
}

void ListBox::setEntries(const QStringList &entries)
{
    {
        const QSignalBlocker block(this);
        clear();
        addItems(entries);
    }
    m_lastIndex = -1;
}

void ListBox::selectionMaybeChanged()
{
    const int i = listIndex();
    if (i == m_lastIndex)
        return;
    m_lastIndex = i;
    if (i >= 0)
        emit clicked();
}

FileListBox::FileListBox(QWidget *parent, const QString &pattern)
    : ListBox(parent), m_pattern(pattern)
{
}

bool FileListBox::setFolder(const QString &folder)
{
    if (!isFolder(folder))
        return false;
    m_folder = folder;
    refresh();
    return true;
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    refresh();
    emit patternChanged();
}

void FileListBox::refresh()
{
    setEntries(listFiles(m_folder, m_pattern));
}

} // namespace duplikon
