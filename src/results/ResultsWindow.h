// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultsStatistics.h"
#include "platform/Services.h"

#include <QDate>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableView;

namespace duplikon {

class ChildrenModel;
class PairsModel;
class RunsModel;

// The window "Ergebnisse": what the children did, read from the result
// folders. "Kinder" has a row a child and a column a task; a child's row
// shows their runs below. "Paare" lists every pair, hardest first. The
// period chooses what both show and what "Als Tabelle speichern ..." writes.
// Files are read on a thread of their own, with progress in the status line;
// closing the window never waits for it: the thread is told to stop and ends
// on its own.
class ResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    // roots: the folder Ergebnisse of the program folder and the fallback
    // folder; cacheFile keeps what was read (empty: no cache).
    ResultsWindow(Platform platform, QStringList roots, QString cacheFile, QWidget *parent = nullptr);
    ~ResultsWindow() override;

    // Reads the folders again; readDone follows.
    void reload();
    bool reading() const { return m_reading; }
    // The day the periods end on (today unless a test says otherwise).
    void setToday(const QDate &today);

    // The buttons' actions, public for the tests.
    void saveTable();   // "Als Tabelle speichern ..."
    void deleteChild(); // "Ergebnisse von … löschen ..."
    void deleteAll();   // "Alle Ergebnisse löschen ..."
    void saveAsTask();  // "Als Aufgabe speichern ..."

    // With the card box on: the column "Kartei" and the tab of the pairs the
    // whole class should practise, saved as a task file of programFolder.
    void setCardBox(bool on, const QString &programFolder);

    // For tests: runs on the reading thread before the files are read (a
    // share that hangs).
    static void setReadHook(std::function<void()> hook);

signals:
    void readDone();

protected:
    void changeEvent(QEvent *event) override;

private:
    struct Read;
    void readFinished(const ResultsData &read);
    void retranslate();
    void showReadStatus(); // the files read, the damaged ones
    void showPeriod();
    void showRuns();
    QString chosenChild() const;
    void afterDeleting(int notDeleted, const QStringList &skipped);
    void showClassPractice();

    Platform m_platform;
    QStringList m_roots;
    QString m_cacheFile;
    QDate m_today;
    ResultsData m_all;    // everything read
    ResultsData m_shown;  // the period shown
    std::shared_ptr<Read> m_read; // the read under way
    bool m_reading = false;
    bool m_readAgain = false;

    QComboBox *m_period;
    ChildrenModel *m_childrenModel;
    RunsModel *m_runsModel;
    PairsModel *m_pairsModel;
    QTableView *m_children;
    QTableView *m_runs;
    QTableView *m_pairs;
    QPushButton *m_deleteChild;
    QTabWidget *m_tabs;
    QWidget *m_cardBoxPage;
    QListWidget *m_classPractice;
    QPushButton *m_saveAsTask;
    QString m_programFolder; // empty: the card box is off
    QLabel *m_note; // damaged lines and files, quietly
};

} // namespace duplikon
