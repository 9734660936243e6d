// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsWindow.h"

#include "results/ResultsFolders.h"
#include "results/ResultsModels.h"
#include "results/ResultsTables.h"

#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/LocalNumber.h"
#include "platform/TextFiles.h"
#include "tasks/Task.h"
#include "tasks/TaskArchive.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <atomic>
#include <mutex>
#include <thread>
#include <utility>

namespace duplikon {

namespace {
// A table that fits its columns to their contents, the last one stretched.
QTableView *table(QWidget *parent, const char *name, QAbstractItemModel *model)
{
    auto *t = new QTableView(parent);
    t->setObjectName(QLatin1String(name));
    t->setModel(model);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

std::mutex readHookMutex;
std::function<void()> readHook;

// "Klasse 3a.csv" → "Klasse 3a-Paare.csv".
QString pairsPath(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QString base = name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? name.chopped(4) : name;
    return info.dir().filePath(base + QStringLiteral("-Paare.csv"));
}
} // namespace

// What a read shares with its thread: the stop flag, and the window while it
// is open (looked at on the user-interface thread only).
struct ResultsWindow::Read {
    std::atomic<bool> stop{false};
    bool cards = false; // the card boxes are read too
    QPointer<ResultsWindow> window;
};

ResultsWindow::ResultsWindow(Platform platform, QStringList roots, QString cacheFile, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_platform(platform), m_roots(std::move(roots)),
      m_cacheFile(std::move(cacheFile)), m_today(QDate::currentDate())
{
    setObjectName(QStringLiteral("resultsWindow"));
    setFont(designFont());
    auto *client = new QWidget(this);
    auto *rows = new QVBoxLayout(client);

    auto *top = new QHBoxLayout;
    auto *periodLabel = new QLabel(client);
    periodLabel->setObjectName(QStringLiteral("periodLabel"));
    m_period = new QComboBox(client);
    m_period->setObjectName(QStringLiteral("period"));
    m_period->addItem(QString(), int(Period::Today));
    m_period->addItem(QString(), int(Period::ThisWeek));
    m_period->addItem(QString(), int(Period::All));
    m_period->setCurrentIndex(2);
    periodLabel->setBuddy(m_period);
    top->addWidget(periodLabel);
    top->addWidget(m_period);
    top->addStretch();
    auto *save = new QPushButton(client);
    save->setObjectName(QStringLiteral("saveTable"));
    top->addWidget(save);
    rows->addLayout(top);

    auto *tabs = new QTabWidget(client);
    tabs->setObjectName(QStringLiteral("resultTabs"));
    auto *childrenPage = new QWidget(tabs);
    auto *childRows = new QVBoxLayout(childrenPage);
    m_childrenModel = new ChildrenModel(this);
    m_runsModel = new RunsModel(this);
    m_pairsModel = new PairsModel(this);
    m_children = table(childrenPage, "children", m_childrenModel);
    m_runs = table(childrenPage, "runs", m_runsModel);
    childRows->addWidget(m_children, 3);
    childRows->addWidget(m_runs, 2);
    tabs->addTab(childrenPage, QString());
    auto *pairsPage = new QWidget(tabs);
    auto *pairRows = new QVBoxLayout(pairsPage);
    m_pairs = table(pairsPage, "pairs", m_pairsModel);
    pairRows->addWidget(m_pairs);
    auto *help = new QLabel(pairsPage);
    help->setObjectName(QStringLiteral("pairsHelp"));
    help->setWordWrap(true);
    pairRows->addWidget(help);
    tabs->addTab(pairsPage, QString());
    m_cardBoxPage = new QWidget(tabs);
    auto *cardRows = new QVBoxLayout(m_cardBoxPage);
    auto *practiceLabel = new QLabel(m_cardBoxPage);
    practiceLabel->setObjectName(QStringLiteral("practiceLabel"));
    m_classPractice = new QListWidget(m_cardBoxPage);
    m_classPractice->setObjectName(QStringLiteral("classPractice"));
    practiceLabel->setBuddy(m_classPractice);
    m_saveAsTask = new QPushButton(m_cardBoxPage);
    m_saveAsTask->setObjectName(QStringLiteral("saveAsTask"));
    cardRows->addWidget(practiceLabel);
    cardRows->addWidget(m_classPractice);
    cardRows->addWidget(m_saveAsTask, 0, Qt::AlignLeft);
    tabs->addTab(m_cardBoxPage, QString());
    tabs->setTabVisible(tabs->indexOf(m_cardBoxPage), false);
    m_tabs = tabs;
    rows->addWidget(tabs);

    auto *bottom = new QHBoxLayout;
    m_deleteChild = new QPushButton(client);
    m_deleteChild->setObjectName(QStringLiteral("deleteChild"));
    auto *deleteAllButton = new QPushButton(client);
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
    connect(m_children->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ResultsWindow::showRuns);
    connect(save, &QPushButton::clicked, this, &ResultsWindow::saveTable);
    connect(m_deleteChild, &QPushButton::clicked, this, &ResultsWindow::deleteChild);
    connect(deleteAllButton, &QPushButton::clicked, this, &ResultsWindow::deleteAll);
    connect(m_saveAsTask, &QPushButton::clicked, this, &ResultsWindow::saveAsTask);
    retranslate();
    reload();
}

void ResultsWindow::retranslate()
{
    setWindowTitle(tr("Ergebnisse"));
    findChild<QLabel *>(QStringLiteral("periodLabel"))->setText(tr("&Zeitraum:"));
    m_period->setItemText(0, tr("Heute"));
    m_period->setItemText(1, tr("Diese Woche"));
    m_period->setItemText(2, tr("Alles"));
    findChild<QPushButton *>(QStringLiteral("saveTable"))->setText(tr("Als &Tabelle speichern ..."));
    auto *tabs = findChild<QTabWidget *>(QStringLiteral("resultTabs"));
    tabs->setTabText(0, tr("&Kinder"));
    tabs->setTabText(1, tr("&Paare"));
    tabs->setTabText(tabs->indexOf(m_cardBoxPage), tr("&Lernkartei"));
    findChild<QLabel *>(QStringLiteral("practiceLabel"))->setText(tr("Für die ganze Klasse üben:"));
    m_saveAsTask->setText(tr("Als A&ufgabe speichern ..."));
    findChild<QLabel *>(QStringLiteral("pairsHelp"))
        ->setText(tr("Ein falsches Ablegen zählt beim Paar der gezogenen Hälfte und beim Paar der "
                     "Hälfte, auf die sie gelegt wurde. Je kräftiger die Farbe, desto größer der "
                     "Anteil falscher Züge."));
    findChild<QPushButton *>(QStringLiteral("deleteAll"))->setText(tr("&Alle Ergebnisse löschen ..."));
    if (m_reading)
        statusBar()->showMessage(tr("Die Ergebnisse werden gelesen ..."));
    else
        showReadStatus();
    showPeriod(); // the tables' headers and cells, the button that names the child
}

void ResultsWindow::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        retranslate();
}

void ResultsWindow::showReadStatus()
{
    if (statusBar()->currentMessage().isEmpty())
        return; // nothing read yet
    statusBar()->showMessage(tr("%n Dateien gelesen", nullptr, m_all.files));
    QStringList damaged;
    if (m_all.damagedLines)
        damaged << tr("%n beschädigte Zeilen", nullptr, m_all.damagedLines);
    if (m_all.damagedFiles)
        damaged << tr("%n beschädigte Dateien", nullptr, m_all.damagedFiles);
    m_note->setText(damaged.isEmpty() ? QString() : tr("%1 übersprungen").arg(damaged.join(tr(", "))));
}

ResultsWindow::~ResultsWindow()
{
    if (m_read)
        m_read->stop = true; // the thread ends on its own
}

void ResultsWindow::setReadHook(std::function<void()> hook)
{
    std::lock_guard<std::mutex> lock(readHookMutex);
    readHook = std::move(hook);
}

void ResultsWindow::setToday(const QDate &today)
{
    m_today = today;
    showPeriod();
}

void ResultsWindow::reload()
{
    if (m_reading) { // one read at a time; the next follows it
        m_readAgain = true;
        return;
    }
    m_reading = true;
    statusBar()->showMessage(tr("Die Ergebnisse werden gelesen ..."));
    m_read = std::make_shared<Read>();
    m_read->window = this;
    m_read->cards = !m_programFolder.isEmpty();
    std::function<void()> hook;
    {
        std::lock_guard<std::mutex> lock(readHookMutex);
        hook = readHook;
    }
    // Answers come back through the application object, which outlives any
    // window, and find the window only while it is open.
    std::thread([read = m_read, roots = m_roots, cache = m_cacheFile, hook] {
        if (hook)
            hook();
        const ResultsData result = readResults(
            roots, cache,
            [read](int done, int total) {
                QMetaObject::invokeMethod(qApp, [read, done, total] {
                    if (read->window)
                        read->window->statusBar()->showMessage(
                            tr("Die Ergebnisse werden gelesen: %1 von %n Dateien", nullptr, total).arg(localNumber(done)));
                }, Qt::QueuedConnection);
            },
            &read->stop, read->cards);
        if (read->stop)
            return;
        QMetaObject::invokeMethod(qApp, [read, result] {
            // The window is closed, or it gave this read up for another.
            if (!read->window || read->window->m_read != read)
                return;
            ResultsWindow *window = read->window;
            window->m_read.reset();
            window->m_reading = false;
            window->readFinished(result);
            if (std::exchange(window->m_readAgain, false))
                window->reload();
        }, Qt::QueuedConnection);
    }).detach();
}

void ResultsWindow::readFinished(const ResultsData &read)
{
    m_all = read;
    showReadStatus();
    showPeriod();
    emit readDone();
}

void ResultsWindow::showPeriod()
{
    const QString chosen = chosenChild();
    m_shown = inPeriod(m_all, Period(m_period->currentData().toInt()), m_today);
    m_childrenModel->show(m_shown);
    const int row = m_childrenModel->rowOf(chosen);
    if (row >= 0)
        m_children->selectRow(row);
    m_pairsModel->show(m_shown);
    showRuns();
    showClassPractice();
}

void ResultsWindow::setCardBox(bool on, const QString &programFolder)
{
    m_programFolder = on ? programFolder : QString();
    m_childrenModel->setCardBox(on);
    m_tabs->setTabVisible(m_tabs->indexOf(m_cardBoxPage), on);
    showPeriod();
    // Results read without the card boxes are read again with them; a read
    // under way without them is given up.
    if (!on || m_all.cards || (m_read && m_read->cards))
        return;
    if (m_read) {
        m_read->stop = true;
        m_read.reset();
        m_reading = false;
    }
    reload();
}

void ResultsWindow::showClassPractice()
{
    // The card boxes come from every result, whatever the period.
    m_classPractice->clear();
    for (const ClassPair &pair : classPractice(m_all.cardBoxes))
        m_classPractice->addItem((pair.children == 1 ? tr("%1 – %2 (%3): 1 Kind")
                                                     : tr("%1 – %2 (%3): %n Kinder", nullptr, pair.children))
                                     .arg(pair.half1, pair.half2, pair.task));
    m_saveAsTask->setEnabled(m_classPractice->count() > 0);
}

void ResultsWindow::saveAsTask()
{
    const QVector<ClassPair> pairs = classPractice(m_all.cardBoxes);
    if (m_programFolder.isEmpty() || pairs.isEmpty())
        return;
    // Each pair as its task file has it now, first half first; a pair its
    // file no longer holds keeps the box's order.
    QHash<QString, QVector<HalfPair>> written;
    Task task;
    for (const ClassPair &pair : pairs) {
        if (!written.contains(pair.task)) {
            const QStringList used = readTask(m_programFolder, pair.task).task.usedLines();
            QVector<HalfPair> &own = written[pair.task];
            for (int i = 0; i + 1 < used.size(); i += 2)
                own.append({used.at(i), used.at(i + 1)});
        }
        const bool turned = written.value(pair.task).contains(HalfPair(pair.half2, pair.half1));
        task.lines << (turned ? pair.half2 : pair.half1) << (turned ? pair.half1 : pair.half2);
    }
    QString error;
    // A task file's name is German in every language, as its halves are.
    const QString name = storeTaskFile(m_programFolder, QStringLiteral("Klasse"), taskBytes(task), &error);
    if (name.isEmpty()) {
        m_platform.dialogs->message(tr("Ergebnisse"), tr("Die Aufgabe konnte nicht gespeichert werden.\r%1\r").arg(error),
                                    MsgIcon::Exclamation);
        return;
    }
    m_platform.dialogs->message(tr("Ergebnisse"), tr("Die Paare stehen jetzt in der Aufgabe „%1“.\r").arg(name));
}

QString ResultsWindow::chosenChild() const
{
    const QModelIndexList chosen = m_children->selectionModel()->selectedRows();
    return chosen.isEmpty() ? QString() : m_childrenModel->child(chosen.first().row());
}

void ResultsWindow::showRuns()
{
    const QString child = chosenChild();
    m_deleteChild->setEnabled(!child.isEmpty());
    m_deleteChild->setText(tr("Ergebnisse &von %1 löschen ...")
                               .arg(child.isEmpty() ? QStringLiteral("…") : QString(child).replace(QLatin1Char('&'), QStringLiteral("&&"))));
    m_runsModel->show(m_shown, child);
}

void ResultsWindow::saveTable()
{
    const QString saveTitle = tr("Als Tabelle speichern");
    // The dialog asks before it replaces the file chosen; the pair table
    // beside it is asked for here, in one question that names both.
    const QString path = m_platform.dialogs->saveFile(saveTitle, tr("Tabellen (*.csv)"),
                                                      QStringLiteral("Ergebnisse.csv"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const QString pairs = pairsPath(path);
    if (QFileInfo::exists(pairs)
        && !m_platform.dialogs->askYesNo(saveTitle,
                                         tr("Zur Tabelle „%1“ gehört die Tabelle der Paare „%2“.\r"
                                            "„%2“ gibt es schon. Soll sie ersetzt werden?")
                                             .arg(QFileInfo(path).fileName(), QFileInfo(pairs).fileName())))
        return;
    QString error;
    if (!writeFileAtomically(path, runsCsv(m_shown), &error)
        || !writeFileAtomically(pairs, pairsCsv(m_shown), &error)) {
        m_platform.dialogs->message(tr("Ergebnisse"), tr("Die Tabelle konnte nicht gespeichert werden.\r%1\r").arg(error),
                                    MsgIcon::Exclamation);
    }
}

void ResultsWindow::deleteChild()
{
    const QString child = chosenChild();
    if (child.isEmpty()
        || !m_platform.dialogs->askYesNo(tr("Ergebnisse"), tr("Sollen alle Ergebnisse von %1 gelöscht werden?").arg(child)))
        return;
    const ResultsDeleted deleted = ResultsFolders::remove(m_roots, child);
    afterDeleting(deleted.failed, deleted.skipped);
}

void ResultsWindow::deleteAll()
{
    if (!m_platform.dialogs->askYesNo(tr("Ergebnisse"), tr("Sollen alle Ergebnisse aller Kinder gelöscht werden?")))
        return;
    const ResultsDeleted deleted = ResultsFolders::remove(m_roots, std::nullopt);
    afterDeleting(deleted.failed, deleted.skipped);
}

void ResultsWindow::afterDeleting(int notDeleted, const QStringList &skipped)
{
    if (!skipped.isEmpty()) {
        m_platform.dialogs->message(tr("Ergebnisse"),
                                    tr("Diese Einträge sind Verknüpfungen oder keine gewöhnlichen Dateien. "
                                       "Sie wurden übersprungen, nichts dahinter wurde gelöscht:\r%1\r")
                                        .arg(skipped.join(QLatin1Char('\r'))),
                                    MsgIcon::Exclamation);
    }
    if (notDeleted > 0) {
        m_platform.dialogs->message(tr("Ergebnisse"),
                                    tr("%n Dateien konnten nicht gelöscht werden (sie gehören einer anderen Anmeldung).\r",
                                       nullptr, notDeleted),
                                    MsgIcon::Exclamation);
    }
    reload();
}

} // namespace duplikon
