// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultEvent.h"
#include "results/ResultsCache.h"
#include "results/ResultsFolders.h"
#include "results/ResultsModels.h"
#include "results/ResultsStatistics.h"
#include "results/ResultsTables.h"
#include "results/ResultsWindow.h"

#include "tasks/Task.h"

#include "FakePlatform.h"
#include "LanguageSwitch.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

using namespace duplikon;
using duplikon::test::FakePlatform;

namespace {

// One run of a child: the task set, the wrong drops, the match, solved.
void writeRun(const QString &root, const QString &child, const QString &task, const QDateTime &time, int wrong)
{
    const QString folder = QDir(root).filePath(childFolderName(child));
    QVERIFY(QDir().mkpath(folder));
    QFile file(folder + time.toString(QStringLiteral("/yyyy-MM-ddThh-mm-ss")) + QStringLiteral("-pc-1.jsonl"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    ResultEvent e;
    e.time = time;
    e.user = child;
    e.task = task;
    e.half1 = QStringLiteral("Haus");
    e.seconds = 75;
    e.wrongDrops = wrong;
    for (const auto kind : {ResultEvent::TaskSet, ResultEvent::Drop, ResultEvent::Solved}) {
        e.kind = kind;
        e.half2 = QStringLiteral("Maus");
        e.matched = false;
        for (int i = 0; kind == ResultEvent::Drop && i < wrong; ++i)
            file.write(resultLine(e));
        e.half2 = QStringLiteral("house");
        e.matched = true;
        file.write(resultLine(e));
    }
}

QString cell(const QTableView *table, int r, int c)
{
    return table->model()->index(r, c).data().toString();
}

QStringList column(const QTableView *table, int c)
{
    QStringList out;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        out << cell(table, r, c);
    return out;
}

} // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void periodsChildrenRunsPairsExportAndDeleting();
    void linksInErgebnisseAreNeverFollowed();
    void closingDuringASlowReadDoesNotWait();

private:
    // A window over a folder with Lea today (2 wrong drops), Léa today, Ole
    // today with a task on the board only and Max ten days ago, read through.
    ResultsWindow *open(QTemporaryDir &dir);

    FakePlatform m_fake;
};

ResultsWindow *ResultsWindowTest::open(QTemporaryDir &dir)
{
    const QString root = dir.filePath(QStringLiteral("Ergebnisse"));
    const QDateTime now = QDateTime::currentDateTime();
    writeRun(root, QStringLiteral("Lea"), QStringLiteral("TIERE.DUP"), now, 2);
    writeRun(root, QStringLiteral("Léa"), QStringLiteral("OBST.DUP"), now, 0);
    writeRun(root, QStringLiteral("Max"), QStringLiteral("TIERE.DUP"), now.addDays(-10), 1);
    ResultEvent task;
    task.time = now;
    task.user = QStringLiteral("Ole");
    QFile ole(QDir(root).filePath(childFolderName(task.user) + QStringLiteral(".jsonl")));
    if (!ole.open(QIODevice::WriteOnly) || ole.write(resultLine(task)) < 0)
        return nullptr;
    ole.close();
    QFile cut(QDir(root).filePath(childFolderName(QStringLiteral("Max"))) + QStringLiteral("/cut.jsonl"));
    if (!cut.open(QIODevice::WriteOnly) || cut.write("{\"kind\":\"dr") < 0)
        return nullptr;
    cut.close();
    auto *window = new ResultsWindow(m_fake.platform(), {root, dir.filePath(QStringLiteral("fallback"))},
                                     dir.filePath(QStringLiteral("cache")));
    QSignalSpy read(window, &ResultsWindow::readDone);
    if (!read.wait(5000))
        return nullptr;
    window->setToday(QDate::currentDate());
    return window;
}

void ResultsWindowTest::periodsChildrenRunsPairsExportAndDeleting()
{
    QTemporaryDir dir;
    std::unique_ptr<ResultsWindow> window(open(dir));
    QVERIFY(window);
    auto *children = window->findChild<QTableView *>(QStringLiteral("children"));
    auto *runs = window->findChild<QTableView *>(QStringLiteral("runs"));
    auto *pairs = window->findChild<QTableView *>(QStringLiteral("pairs"));
    auto *period = window->findChild<QComboBox *>(QStringLiteral("period"));
    QVERIFY(!window->findChild<QLabel *>(QStringLiteral("damagedNote"))->text().isEmpty()); // the cut file

    // "Alles" at first: every child with a line, apart ("Lea" is not "Léa"), a column a task.
    const QStringList all{QStringLiteral("Lea"), QStringLiteral("Léa"), QStringLiteral("Max"), QStringLiteral("Ole")};
    QCOMPARE(column(children, 0), all);
    QCOMPARE(children->model()->columnCount(), 3);
    QCOMPARE(column(children, 2).at(0), QStringLiteral("1 gelöst, 2 falsch"));
    // Hardest first: Haus/house had three wrong drops.
    QCOMPARE(cell(pairs, 0, 1), QStringLiteral("Haus"));
    QCOMPARE(cell(pairs, 0, 4), QStringLiteral("3"));
    // Wrong drops are shaded beside their number; columns fit, the last stretches.
    const QModelIndex lea = children->model()->index(0, 2), lena = children->model()->index(1, 1);
    QVERIFY(lea.data(Qt::BackgroundRole).value<QColor>().isValid() && !lena.data(Qt::BackgroundRole).isValid());
    QVERIFY(pairs->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>().isValid());
    QVERIFY(wrongShade(0.9, QPalette()).background != wrongShade(0.1, QPalette()).background);
    QCOMPARE(cell(pairs, 0, 2), QStringLiteral("house"));
    QVERIFY(pairs->horizontalHeader()->stretchLastSection());

    // With the card box on: each child's cards per compartment, the pairs for the
    // whole class, saved as a task under the next free name.
    // Read without it, the cache holds no card outcomes; turned on, the window reads
    // the results again with them.
    LocalTimes times;
    const QString cache = dir.filePath(QStringLiteral("cache"));
    QVERIFY(readCache(cache, times, true).isEmpty() && !readCache(cache, times, false).isEmpty());
    QSignalSpy withCards(window.get(), &ResultsWindow::readDone);
    window->setCardBox(true, dir.path());
    QVERIFY(withCards.wait(5000) && !readCache(cache, times, true).isEmpty());
    QCOMPARE(column(children, 1), (QStringList{"1 · 0 · 0 · 0 · 0", "0 · 1 · 0 · 0 · 0", "1 · 0 · 0 · 0 · 0", "0 · 0 · 0 · 0 · 0"}));
    QCOMPARE(column(children, 3).at(0), QStringLiteral("1 gelöst, 2 falsch"));
    const auto *practice = window->findChild<QListWidget *>(QStringLiteral("classPractice"));
    QVERIFY(practice->count() == 1 && practice->item(0)->text() == QStringLiteral("Haus – house (TIERE.DUP): 2 Kinder"));
    QFile taken(dir.filePath(QStringLiteral("KLASSE.TXT")));
    QVERIFY(taken.open(QIODevice::WriteOnly));
    window->saveAsTask();
    QCOMPARE(readTask(dir.path(), QStringLiteral("KLASSE-2.TXT")).task.usedLines(), (QStringList{"Haus", "house"}));
    window->setCardBox(false, QString());
    QCOMPARE(pairs->horizontalHeader()->sectionResizeMode(1), QHeaderView::ResizeToContents);

    // A child's row shows their runs.
    children->selectRow(2);
    QVERIFY(runs->model()->rowCount() == 1 && cell(runs, 0, 1) == QStringLiteral("TIERE.DUP"));
    QVERIFY(cell(runs, 0, 2) == QStringLiteral("1:15") && cell(runs, 0, 3) == QStringLiteral("1"));

    // "Heute" and "Diese Woche" leave Max out, and his wrong drop with him.
    for (const QString &name : {QStringLiteral("Heute"), QStringLiteral("Diese Woche")}) {
        period->setCurrentText(name);
        QCOMPARE(column(children, 0), (QStringList{QStringLiteral("Lea"), QStringLiteral("Léa"), QStringLiteral("Ole")}));
        QCOMPARE(cell(pairs, 0, 4), QStringLiteral("2"));
    }

    // The export writes the period shown, the pairs beside it, with one question.
    m_fake.dialogs.shown.clear();
    m_fake.dialogs.saveAnswers = {dir.filePath(QStringLiteral("Klasse 2b.csv"))};
    window->saveTable();
    QCOMPARE(m_fake.dialogs.shown.size(), 1);
    const ResultsData today = inPeriod(readResults({dir.filePath(QStringLiteral("Ergebnisse"))}, QString()),
                                       Period::ThisWeek, QDate::currentDate());
    QFile runsFile(dir.filePath(QStringLiteral("Klasse 2b.csv")));
    QFile pairsFile(dir.filePath(QStringLiteral("Klasse 2b-Paare.csv")));
    QVERIFY(runsFile.open(QIODevice::ReadOnly) && pairsFile.open(QIODevice::ReadOnly));
    QVERIFY(today.runs.size() == 2 && runsFile.readAll() == runsCsv(today) && pairsFile.readAll() == pairsCsv(today));

    // Saved again (the dialog has asked for the first file): one question names
    // both; "Nein" keeps both as they were, "Ja" replaces both.
    period->setCurrentText(QStringLiteral("Alles"));
    const ResultsData everything = readResults({dir.filePath(QStringLiteral("Ergebnisse"))}, QString());
    auto bytes = [&](const char *name) {
        QFile f(dir.filePath(QLatin1String(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    for (const bool replace : {false, true}) {
        m_fake.dialogs.shown.clear();
        m_fake.dialogs.saveAnswers = {dir.filePath(QStringLiteral("Klasse 2b.csv"))};
        m_fake.dialogs.yesNoAnswers = {replace};
        window->saveTable();
        QVERIFY(m_fake.dialogs.shown.size() == 2 && m_fake.dialogs.shown.first().defaultSuffix == QStringLiteral("csv"));
        const QString question = m_fake.dialogs.shown.last().text;
        QVERIFY(question.contains(QStringLiteral("„Klasse 2b.csv“")) && question.contains(QStringLiteral("„Klasse 2b-Paare.csv“")));
        const ResultsData &saved = replace ? everything : today;
        QVERIFY(bytes("Klasse 2b.csv") == runsCsv(saved) && bytes("Klasse 2b-Paare.csv") == pairsCsv(saved));
    }
    children->selectRow(2); // Max
    // Every text follows a change of language, the tables' headers too; German comes back unchanged.
    QCOMPARE(duplikon::test::textsNotFollowingLanguage(window.get()), QStringList());
    duplikon::test::MarkingTranslator marking;
    duplikon::test::switchLanguage(&marking, true);
    QCOMPARE(runs->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("<<Datum>>"));
    duplikon::test::switchLanguage(&marking, false);

    // "Nein" deletes nothing; "Ja" deletes Max's files and nobody else's.
    m_fake.dialogs.yesNoAnswers = {false};
    window->deleteChild();
    QCOMPARE(column(children, 0).size(), 4);
    m_fake.dialogs.yesNoAnswers = {true};
    m_fake.dialogs.shown.clear();
    window->deleteChild();
    QSignalSpy read(window.get(), &ResultsWindow::readDone);
    QVERIFY(read.wait(5000));
    QCOMPARE(column(children, 0), (QStringList{QStringLiteral("Lea"), QStringLiteral("Léa"), QStringLiteral("Ole")}));
    QCOMPARE(m_fake.dialogs.shown.size(), 1); // the question; every file could go

    m_fake.dialogs.yesNoAnswers = {true};
    window->deleteAll();
    QVERIFY(read.wait(5000));
    QCOMPARE(children->model()->rowCount(), 0); // every file below both roots is read
}

// A pupil's login plants links named as children's folders: one to the
// folder above Ergebnisse, one to a folder elsewhere.
void ResultsWindowTest::linksInErgebnisseAreNeverFollowed()
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("Ergebnisse")), fallback = dir.filePath(QStringLiteral("fallback"));
    const QDateTime now = QDateTime::currentDateTime();
    writeRun(fallback, QStringLiteral("Lea"), QStringLiteral("A.DUP"), now, 0);
    writeRun(root, QStringLiteral("Max"), QStringLiteral("A.DUP"), now, 0);
    writeRun(dir.filePath(QStringLiteral("elsewhere")), QStringLiteral("Ina"), QStringLiteral("A.DUP"), now, 0);
    const QString leaLink = root + QLatin1Char('/') + childFolderName(QStringLiteral("Lea"));
    QVERIFY(QFile::link(QStringLiteral(".."), leaLink));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("elsewhere/")) + childFolderName(QStringLiteral("Ina")),
                        root + QLatin1Char('/') + childFolderName(QStringLiteral("Ina"))));
    auto files = [&] { return readResults({root, fallback, dir.filePath(QStringLiteral("elsewhere"))}, QString()).files; };
    QCOMPARE(files(), 3);
    ResultsWindow window(m_fake.platform(), {root, fallback}, QString());
    QSignalSpy read(&window, &ResultsWindow::readDone);
    QVERIFY(read.wait(5000));
    auto *children = window.findChild<QTableView *>(QStringLiteral("children"));
    QCOMPARE(column(children, 0), (QStringList{QStringLiteral("Lea"), QStringLiteral("Max")}));
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("damagedNote"))->text().contains(QStringLiteral("2 beschädigte Dateien")));

    children->selectRow(0);
    m_fake.dialogs.shown.clear();
    m_fake.dialogs.yesNoAnswers = {true};
    window.deleteChild();
    QCOMPARE(m_fake.dialogs.shown.size(), 2);
    QVERIFY(m_fake.dialogs.shown.at(1).text.contains(leaLink));
    QCOMPARE(files(), 2); // Lea's own file only
    m_fake.dialogs.yesNoAnswers = {true};
    window.deleteAll();
    QCOMPARE(files(), 1); // Ina's file elsewhere stays
    QVERIFY(QFileInfo(leaLink).isSymLink());
    QVERIFY(read.wait(5000));
}

void ResultsWindowTest::closingDuringASlowReadDoesNotWait()
{
    QTemporaryDir dir;
    writeRun(dir.filePath(QStringLiteral("Ergebnisse")), QStringLiteral("Lea"), QStringLiteral("A.DUP"),
             QDateTime::currentDateTime(), 0);
    auto answers = std::make_shared<std::atomic<bool>>(false);
    ResultsWindow::setReadHook([answers] {
        while (!*answers)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    });
    auto *window = new ResultsWindow(m_fake.platform(), {dir.filePath(QStringLiteral("Ergebnisse"))},
                                     dir.filePath(QStringLiteral("cache")));
    QVERIFY(window->reading());
    QElapsedTimer closing;
    closing.start();
    delete window;
    QVERIFY(closing.elapsed() < 1000);
    ResultsWindow::setReadHook({});
    *answers = true;
    QTest::qWait(100); // the thread ends on its own and writes no cache for a closed window
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("cache"))));
}

QTEST_MAIN(ResultsWindowTest)
#include "ResultsWindowTest.moc"
