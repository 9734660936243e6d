// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ListBox.h"

#include "platform/KeyboardAccess.h"

#include <QMouseEvent>
#include <QKeyEvent>

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

void ListBox::replaceEntries(const QStringList &entries)
{
    if (entries == this->entries())
        return;
    const QString selected = listIndex() >= 0 ? selectedText() : QString();
    const int index = listIndex() >= 0 ? int(entries.indexOf(selected)) : -1;
    {
        const QSignalBlocker block(this);
        clear();
        addItems(entries);
        if (index >= 0)
            setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    }
    m_lastIndex = index;
}

void ListBox::removeEntry(int index)
{
    if (index < 0 || index >= count())
        return;
    // With a current entry being removed, the view would select the entry
    // behind it: clear both first, then keep the keyboard's place.
    selectionModel()->clear();
    delete takeItem(index);
    if (count() > 0)
        selectionModel()->setCurrentIndex(model()->index(qMin(index, count() - 1), 0), QItemSelectionModel::NoUpdate);
}

void ListBox::selectionMaybeChanged()
{
    const int i = listIndex();
    if (i == m_lastIndex)
        return;
    m_lastIndex = i;
    if (i >= 0) {
        ++m_clicksSent;
        emit clicked();
    }
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    // A press below the last entry neither selects nor clears: the chosen
    // entry stays chosen, so "Laden" still has a file to load.
    if (!itemAt(event->position().toPoint())) {
        event->accept();
        return;
    }
    const int sentBefore = m_clicksSent;
    QListWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || m_clicksSent != sentBefore)
        return;
    // A click on the entry that is already selected is a click all the same.
    const QListWidgetItem *hit = itemAt(event->position().toPoint());
    if (hit && row(hit) == listIndex()) {
        ++m_clicksSent;
        emit clicked();
    }
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const int row = currentRow();
    if (isPressKey(event) && row >= 0) {
        if (row == listIndex())
            emit clicked();
        else
            setListIndex(row); // the selection change runs clicked()
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    if (m_chooseByKey && event && event->type() == QEvent::KeyPress)
        return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event);
}

void ListBox::keyboardSearch(const QString &search)
{
    if (!m_chooseByKey) {
        QListWidget::keyboardSearch(search);
        return;
    }
    // Typing a name moves to it without choosing it.
    const QModelIndex start = model()->index(qMax(0, currentRow()), 0);
    const QModelIndexList found = model()->match(start, Qt::DisplayRole, search, 1, Qt::MatchStartsWith | Qt::MatchWrap);
    if (!found.isEmpty())
        selectionModel()->setCurrentIndex(found.first(), QItemSelectionModel::NoUpdate);
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
