// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "check/Results.h"
#include "platform/Services.h"

#include <QDate>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QThread;

namespace duplikon {

// The window "Ergebnisse": what the children did, read from the result
// folders. "Kinder" has a row a child and a column a task; a child's row
// shows their runs below. "Paare" lists every pair, hardest first. The
// period chooses what both show and what "Als Tabelle speichern ..." writes.
// Files are read on a thread of their own, with progress in the status line.
class ResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    // roots: the folder Ergebnisse of the program folder and the fallback
    // folder; cacheFile keeps what was read (empty: no cache).
    ResultsWindow(Platform platform, QStringList roots, QString cacheFile, QWidget *parent = nullptr);
    ~ResultsWindow() override; // waits for a read under way

    // Reads the folders again; readDone follows.
    void reload();
    bool reading() const { return m_reader != nullptr; }
    // The day the periods end on (today unless a test says otherwise).
    void setToday(const QDate &today);

    // The buttons' actions, public for the tests.
    void saveTable();   // "Als Tabelle speichern ..."
    void deleteChild(); // "Ergebnisse von … löschen ..."
    void deleteAll();   // "Alle Ergebnisse löschen ..."

signals:
    void readDone();

private:
    void readFinished(const ResultsData &read);
    void showPeriod();
    void showChildren();
    void showRuns();
    void showPairs();
    QString chosenChild() const;
    void afterDeleting(int notDeleted);

    Platform m_platform;
    QStringList m_roots;
    QString m_cacheFile;
    QDate m_today;
    ResultsData m_all;    // everything read
    ResultsData m_shown;  // the period shown
    QPointer<QThread> m_reader;
    bool m_readAgain = false;

    QComboBox *m_period;
    QTableWidget *m_children;
    QTableWidget *m_runs;
    QTableWidget *m_pairs;
    QPushButton *m_deleteChild;
    QLabel *m_note; // damaged lines and files, quietly
};

} // namespace duplikon
