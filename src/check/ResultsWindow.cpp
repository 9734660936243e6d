// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/ResultsWindow.h"

#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/TextFiles.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <utility>

namespace duplikon {

namespace {
const QString kTitle = QStringLiteral("Ergebnisse");

QTableWidget *table(QWidget *parent, const char *name, const QStringList &headers)
{
    auto *t = new QTableWidget(0, int(headers.size()), parent);
    t->setObjectName(QLatin1String(name));
    t->setHorizontalHeaderLabels(headers);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    return t;
}

void setCell(QTableWidget *t, int row, int column, const QString &text)
{
    t->setItem(row, column, new QTableWidgetItem(text));
}

QStringList sortedNames(QStringList names)
{
    names.removeDuplicates();
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    return names;
}

// "Tabelle.csv" → "Tabelle-Paare.csv"; a name without ending gets it at the end.
QString pairsPath(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString paired = dot > 0 ? name.left(dot) + QStringLiteral("-Paare") + name.mid(dot) : name + QStringLiteral("-Paare");
    return info.dir().filePath(paired);
}
} // namespace

ResultsWindow::ResultsWindow(Platform platform, QStringList roots, QString cacheFile, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_platform(platform), m_roots(std::move(roots)),
      m_cacheFile(std::move(cacheFile)), m_today(QDate::currentDate())
{
    setObjectName(QStringLiteral("resultsWindow"));
    setWindowTitle(kTitle);
    setFont(designFont());
    auto *client = new QWidget(this);
    auto *rows = new QVBoxLayout(client);

    auto *top = new QHBoxLayout;
    auto *periodLabel = new QLabel(QStringLiteral("&Zeitraum:"), client);
    m_period = new QComboBox(client);
    m_period->setObjectName(QStringLiteral("period"));
    m_period->addItem(QStringLiteral("Heute"), int(Period::Today));
    m_period->addItem(QStringLiteral("Diese Woche"), int(Period::ThisWeek));
    m_period->addItem(QStringLiteral("Alles"), int(Period::All));
    m_period->setCurrentIndex(2);
    periodLabel->setBuddy(m_period);
    top->addWidget(periodLabel);
    top->addWidget(m_period);
    top->addStretch();
    auto *save = new QPushButton(QStringLiteral("Als &Tabelle speichern ..."), client);
    save->setObjectName(QStringLiteral("saveTable"));
    top->addWidget(save);
    rows->addLayout(top);

    auto *tabs = new QTabWidget(client);
    tabs->setObjectName(QStringLiteral("resultTabs"));
    auto *childrenPage = new QWidget(tabs);
    auto *childRows = new QVBoxLayout(childrenPage);
    m_children = table(childrenPage, "children", {QStringLiteral("Kind")});
    m_runs = table(childrenPage, "runs",
                   {QStringLiteral("Datum"), QStringLiteral("Aufgabe"), QStringLiteral("Dauer"), QStringLiteral("Falsch")});
    childRows->addWidget(m_children, 3);
    childRows->addWidget(m_runs, 2);
    tabs->addTab(childrenPage, QStringLiteral("&Kinder"));
    m_pairs = table(tabs, "pairs",
                    {QStringLiteral("Aufgabe"), QStringLiteral("Hälfte"), QStringLiteral("Hälfte"),
                     QStringLiteral("Richtig"), QStringLiteral("Falsch")});
    tabs->addTab(m_pairs, QStringLiteral("&Paare"));
    rows->addWidget(tabs);

    auto *bottom = new QHBoxLayout;
    m_deleteChild = new QPushButton(QStringLiteral("Ergebnisse &von … löschen ..."), client);
    m_deleteChild->setObjectName(QStringLiteral("deleteChild"));
    auto *deleteAllButton = new QPushButton(QStringLiteral("&Alle Ergebnisse löschen ..."), client);
    deleteAllButton->setObjectName(QStringLiteral("deleteAll"));
    bottom->addWidget(m_deleteChild);
    bottom->addWidget(deleteAllButton);
    bottom->addStretch();
    rows->addLayout(bottom);
    setCentralWidget(client);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("damagedNote"));
    statusBar()->addPermanentWidget(m_note);
    resize(760, 560);

    connect(m_period, &QComboBox::currentIndexChanged, this, &ResultsWindow::showPeriod);
    connect(m_children, &QTableWidget::itemSelectionChanged, this, &ResultsWindow::showRuns);
    connect(save, &QPushButton::clicked, this, &ResultsWindow::saveTable);
    connect(m_deleteChild, &QPushButton::clicked, this, &ResultsWindow::deleteChild);
    connect(deleteAllButton, &QPushButton::clicked, this, &ResultsWindow::deleteAll);
    showRuns();
    reload();
}

ResultsWindow::~ResultsWindow()
{
    if (m_reader) {
        m_reader->wait();
        delete m_reader.data();
    }
}

void ResultsWindow::setToday(const QDate &today)
{
    m_today = today;
    showPeriod();
}

void ResultsWindow::reload()
{
    if (m_reader) { // one read at a time; the next follows it
        m_readAgain = true;
        return;
    }
    statusBar()->showMessage(QStringLiteral("Die Ergebnisse werden gelesen ..."));
    auto result = std::make_shared<ResultsData>();
    QPointer<ResultsWindow> self(this);
    const QStringList roots = m_roots;
    const QString cache = m_cacheFile;
    m_reader = QThread::create([result, roots, cache, self] {
        *result = readResults(roots, cache, [self](int done, int total) {
            QMetaObject::invokeMethod(self, [self, done, total] {
                if (self)
                    self->statusBar()->showMessage(
                        QStringLiteral("Die Ergebnisse werden gelesen: %1 von %2 Dateien").arg(done).arg(total));
            }, Qt::QueuedConnection);
        });
    });
    connect(m_reader, &QThread::finished, this, [this, result] {
        m_reader->deleteLater();
        m_reader = nullptr;
        readFinished(*result);
        if (std::exchange(m_readAgain, false))
            reload();
    });
    m_reader->start();
}

void ResultsWindow::readFinished(const ResultsData &read)
{
    m_all = read;
    statusBar()->showMessage(QStringLiteral("%1 Dateien gelesen").arg(read.files));
    QStringList damaged;
    if (read.damagedLines)
        damaged << QStringLiteral("%1 beschädigte Zeilen").arg(read.damagedLines);
    if (read.damagedFiles)
        damaged << QStringLiteral("%1 beschädigte Dateien").arg(read.damagedFiles);
    m_note->setText(damaged.isEmpty() ? QString() : damaged.join(QStringLiteral(", ")) + QStringLiteral(" übersprungen"));
    showPeriod();
    emit readDone();
}

void ResultsWindow::showPeriod()
{
    m_shown = inPeriod(m_all, Period(m_period->currentData().toInt()), m_today);
    showChildren();
    showPairs();
}

void ResultsWindow::showChildren()
{
    const QString chosen = chosenChild();
    QStringList children, tasks;
    for (const ResultRun &run : m_shown.runs) {
        children << run.child;
        tasks << run.task;
    }
    children = sortedNames(children);
    tasks = sortedNames(tasks);
    // Solved count and wrong drops, by child and task.
    QMap<std::pair<QString, QString>, std::pair<int, int>> cells;
    for (const ResultRun &run : m_shown.runs) {
        auto &cell = cells[{run.child, run.task}];
        ++cell.first;
        cell.second += run.wrongDrops;
    }
    const QSignalBlocker block(m_children);
    m_children->clear();
    m_children->setColumnCount(int(tasks.size()) + 1);
    m_children->setHorizontalHeaderLabels(QStringList{QStringLiteral("Kind")} + tasks);
    m_children->setRowCount(int(children.size()));
    for (int row = 0; row < children.size(); ++row) {
        setCell(m_children, row, 0, children[row]);
        for (int column = 0; column < tasks.size(); ++column) {
            const auto cell = cells.value({children[row], tasks[column]});
            if (cell.first)
                setCell(m_children, row, column + 1,
                        QStringLiteral("%1 gelöst, %2 falsch").arg(cell.first).arg(cell.second));
        }
        if (children[row] == chosen)
            m_children->selectRow(row);
    }
    m_children->resizeColumnsToContents();
    showRuns();
}

QString ResultsWindow::chosenChild() const
{
    const QList<QTableWidgetItem *> chosen = m_children->selectedItems();
    return chosen.isEmpty() ? QString() : m_children->item(chosen.first()->row(), 0)->text();
}

void ResultsWindow::showRuns()
{
    const QString child = chosenChild();
    m_deleteChild->setEnabled(!child.isEmpty());
    m_deleteChild->setText(QStringLiteral("Ergebnisse &von %1 löschen ...")
                               .arg(child.isEmpty() ? QStringLiteral("…") : QString(child).replace(QLatin1Char('&'), QStringLiteral("&&"))));
    m_runs->setRowCount(0);
    for (const ResultRun &run : m_shown.runs) {
        if (child.isEmpty() || run.child != child)
            continue;
        const int row = m_runs->rowCount();
        m_runs->insertRow(row);
        setCell(m_runs, row, 0, run.time.toString(QStringLiteral("dd.MM.yyyy hh:mm")));
        setCell(m_runs, row, 1, run.task);
        setCell(m_runs, row, 2, QStringLiteral("%1:%2").arg(run.seconds / 60).arg(run.seconds % 60, 2, 10, QLatin1Char('0')));
        setCell(m_runs, row, 3, QString::number(run.wrongDrops));
    }
    m_runs->resizeColumnsToContents();
}

void ResultsWindow::showPairs()
{
    m_pairs->setRowCount(int(m_shown.pairs.size()));
    for (int row = 0; row < m_shown.pairs.size(); ++row) {
        const ResultPair &pair = m_shown.pairs[row];
        setCell(m_pairs, row, 0, pair.task);
        setCell(m_pairs, row, 1, pair.half1);
        setCell(m_pairs, row, 2, pair.half2);
        setCell(m_pairs, row, 3, QString::number(pair.matched));
        setCell(m_pairs, row, 4, QString::number(pair.wrong));
    }
    m_pairs->resizeColumnsToContents();
}

void ResultsWindow::saveTable()
{
    const QString path = m_platform.dialogs->saveFile(QStringLiteral("Als Tabelle speichern"),
                                                      QStringLiteral("Tabellen (*.csv)"), QStringLiteral("Ergebnisse.csv"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeFileAtomically(path, runsCsv(m_shown), &error)
        || !writeFileAtomically(pairsPath(path), pairsCsv(m_shown), &error)) {
        m_platform.dialogs->message(kTitle, QStringLiteral("Die Tabelle konnte nicht gespeichert werden.\r%1\r").arg(error),
                                    MsgIcon::Exclamation);
    }
}

void ResultsWindow::deleteChild()
{
    const QString child = chosenChild();
    if (child.isEmpty()
        || !m_platform.dialogs->askYesNo(kTitle, QStringLiteral("Sollen alle Ergebnisse von %1 gelöscht werden?").arg(child)))
        return;
    afterDeleting(deleteResults(m_roots, child));
}

void ResultsWindow::deleteAll()
{
    if (!m_platform.dialogs->askYesNo(kTitle, QStringLiteral("Sollen alle Ergebnisse aller Kinder gelöscht werden?")))
        return;
    afterDeleting(deleteResults(m_roots, std::nullopt));
}

void ResultsWindow::afterDeleting(int notDeleted)
{
    if (notDeleted > 0) {
        m_platform.dialogs->message(kTitle,
                                    QStringLiteral("%1 Dateien konnten nicht gelöscht werden (sie gehören einer anderen Anmeldung).\r")
                                        .arg(notDeleted),
                                    MsgIcon::Exclamation);
    }
    reload();
}

} // namespace duplikon
