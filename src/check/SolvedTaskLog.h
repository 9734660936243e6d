// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QStringList>

namespace duplikon {

// The tasks solved in this run, each with the time of day it was solved, in
// the order they were solved. The check window shows it (List1 the names,
// List3 the times); the completion check fills it whether the window is shown
// or not.
class SolvedTaskLog : public QObject {
    Q_OBJECT
public:
    explicit SolvedTaskLog(QObject *parent = nullptr) : QObject(parent) {}

    void append(const QString &task, const QString &timeText);
    void clear();

    int size() const { return int(m_names.size()); }
    const QStringList &names() const { return m_names; }
    const QStringList &times() const { return m_times; }

signals:
    void appended(const QString &task, const QString &timeText);
    void cleared();

private:
    QStringList m_names;
    QStringList m_times;
};

} // namespace duplikon
