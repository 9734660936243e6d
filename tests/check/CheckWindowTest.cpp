// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/CheckWindow.h"
#include "check/SolvedTaskLog.h"
#include "pictures/PictureBox.h"
#include "platform/Colours.h"
#include "platform/ListBox.h"

#include "FakePlatform.h"
#include "LanguageSwitch.h"
#include "ProgramFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;
using duplikon::test::FakePlatform;

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList entries(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// A real mouse click on an entry of a shown list.
void clickRow(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
}

} // namespace

class CheckWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void logKeepsSolvedTasksInOrderWithoutAWindow();
    void windowIsLaidOutAsDesignedAndCentred();
    void logGrowsWhileHiddenAndAbbruchKeepsIt();
    void closeBoxDestroysTheWindowAndItsLog();
    void clickOnLoggedTaskShowsItsWholeLines();
    void pictureLineShowsPictureWithoutRegardToCase();
    void textEmptyAndBrokenPictureLinesClearThePicture();
    void soundLineShowsTheLoudspeakerWithTheFileName();
    void unreadableLoggedFileIsReportedAndLeavesListEmpty();
    void label1FollowsTheUserNameOnActivation();

private:
    CheckWindow *makeWindow();
    QListWidget *list(const char *name) { return m_window->findChild<QListWidget *>(QLatin1String(name)); }
    ListBox *listBox(const char *name) { return m_window->findChild<ListBox *>(QLatin1String(name)); }
    PictureBox *picture1() { return m_window->findChild<PictureBox *>(QStringLiteral("Picture1")); }
    void showWindow();

    QTemporaryDir *m_dir = nullptr;
    QString m_folder;
    FakePlatform m_fake;
    SolvedTaskLog m_log;
    QPointer<CheckWindow> m_window;
};

void CheckWindowTest::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QLatin1Char('/');
    m_fake.dialogs.clear();
    m_log.clear();

    // A task file with a picture in a subfolder (named in another case), an
    // empty line, a comma, leading blanks, a missing and a damaged picture.
    QVERIFY(writeBytes(m_folder + QStringLiteral("TIERE.TXT"),
                       QByteArray("Hund\r\nTiere\\hund.gif\r\n\r\nKatze, schwarz\r\n  Maus\r\n"
                                  "fehlt.bmp\r\nkaputt.jpg\r\nH\xFC" "hner\r\n")));
    QVERIFY(QDir(m_folder).mkdir(QStringLiteral("Tiere")));
    QImage big(300, 200, QImage::Format_RGB32);
    big.fill(Qt::red);
    QVERIFY(big.save(m_folder + QStringLiteral("Tiere/Hund.GIF"), "BMP"));
    QVERIFY(writeBytes(m_folder + QStringLiteral("kaputt.jpg"), QByteArray("\xFF\xD8\xFF kein Bild", 14)));
    QVERIFY(writeBytes(m_folder + QStringLiteral("zahlen.txt"), QByteArray("1\r\neins\r\n")));
}

void CheckWindowTest::cleanup()
{
    delete m_window;
    delete m_dir;
    m_dir = nullptr;
}

CheckWindow *CheckWindowTest::makeWindow()
{
    m_window = new CheckWindow(m_fake.platform(), m_folder, &m_log);
    return m_window;
}

void CheckWindowTest::showWindow()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void CheckWindowTest::windowIsLaidOutAsDesignedAndCentred()
{
    makeWindow();
    QVERIFY(!m_window->isVisible()); // created hidden
    QCOMPARE(m_window->objectName(), QStringLiteral("Form3"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Duplikon: Kontrolle"));
    auto *abbruch = m_window->findChild<QAction *>(QStringLiteral("menu1"));
    QVERIFY(abbruch);
    QCOMPARE(abbruch->text(), QStringLiteral("&Abbruch")); // Alt+A
    QVERIFY(m_window->menuBar()->actions().contains(abbruch));
    QCOMPARE(duplikon::test::textsNotFollowingLanguage(m_window), QStringList());

    // Centred on the screen by its outer design size (871 x 620 pixels).
    const QRect screen = m_window->screen()->geometry();
    QCOMPARE(m_window->pos(), QPoint(screen.x() + (screen.width() - 871) / 2, screen.y() + (screen.height() - 620) / 2));

    showWindow();
    QCOMPARE(m_window->centralWidget()->size(), QSize(864, 576));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->centralWidget()->palette().color(QPalette::Window), toQColor(kSystemDesktop));

    QCOMPARE(list("List1")->geometry(), QRect(16, 48, 169, 514));
    QCOMPARE(list("List3")->geometry(), QRect(184, 48, 89, 514));
    QCOMPARE(list("List2")->geometry(), QRect(280, 48, 401, 514));
    QCOMPARE(picture1()->geometry(), QRect(688, 48, 161, 121));
    QCOMPARE(picture1()->fit(), PictureFit::Clip);
    auto *label1 = m_window->findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(label1->geometry(), QRect(16, 16, 257, 25));
    QVERIFY(label1->font().bold());
    QCOMPARE(label1->font().pointSizeF(), 12.0);
    for (const char *name : {"List1", "List2", "List3"}) {
        const QFont f = list(name)->font();
        QVERIFY(f.bold());
        QCOMPARE(f.pointSizeF(), 9.75);
        QCOMPARE(f.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(list(name)->accessibleName(), QLatin1String(name));
        // The desktop colour is the window's, not the lists'.
        QVERIFY(list(name)->palette().color(QPalette::Base) != toQColor(kSystemDesktop));
    }
}

void CheckWindowTest::logKeepsSolvedTasksInOrderWithoutAWindow()
{
    SolvedTaskLog log;
    QSignalSpy appended(&log, &SolvedTaskLog::appended);
    QSignalSpy cleared(&log, &SolvedTaskLog::cleared);
    log.clear(); // an empty log stays quiet
    log.append(QStringLiteral("TIERE.TXT"), QStringLiteral("10:15:30"));
    log.append(QStringLiteral("TIERE.TXT"), QStringLiteral("10:17:02"));
    QCOMPARE(log.names(), QStringList({"TIERE.TXT", "TIERE.TXT"}));
    QCOMPARE(log.times(), QStringList({"10:15:30", "10:17:02"}));
    QCOMPARE(appended.last(), (QVariantList{QStringLiteral("TIERE.TXT"), QStringLiteral("10:17:02")}));
    log.clear();
    QCOMPARE(log.size(), 0);
    QVERIFY(log.times().isEmpty());
    QCOMPARE(cleared.size(), 1);
}

void CheckWindowTest::logGrowsWhileHiddenAndAbbruchKeepsIt()
{
    makeWindow();
    // Solving the same task twice gives two lines with different times.
    m_log.append(QStringLiteral("TIERE.TXT"), QStringLiteral("10:15:30"));
    m_log.append(QStringLiteral("TIERE.TXT"), QStringLiteral("10:17:02"));
    QVERIFY(!m_window->isVisible());

    showWindow();
    QCOMPARE(entries(list("List1")), QStringList({"TIERE.TXT", "TIERE.TXT"}));
    QCOMPARE(entries(list("List3")), QStringList({"10:15:30", "10:17:02"}));
    clickRow(list("List1"), 0);
    QCOMPARE(list("List2")->count(), 8);

    m_window->findChild<QAction *>(QStringLiteral("menu1"))->trigger();
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_window.isNull());

    m_log.append(QStringLiteral("zahlen.txt"), QStringLiteral("10:20:00"));
    showWindow();
    QCOMPARE(entries(list("List1")), QStringList({"TIERE.TXT", "TIERE.TXT", "zahlen.txt"}));
    QCOMPARE(entries(list("List3")), QStringList({"10:15:30", "10:17:02", "10:20:00"}));
    QCOMPARE(list("List2")->count(), 8); // the shown lines stay as well
}

void CheckWindowTest::closeBoxDestroysTheWindowAndItsLog()
{
    makeWindow();
    m_log.append(QStringLiteral("TIERE.TXT"), QStringLiteral("10:15:30"));
    showWindow();
    m_window->close();
    QVERIFY(m_window.isNull() || !m_window->isVisible());
    QTRY_VERIFY(m_window.isNull());

    // The close box emptied the log: the next opening shows an empty one.
    QVERIFY(m_log.names().isEmpty() && m_log.times().isEmpty());
    makeWindow();
    QVERIFY(list("List1")->count() == 0 && list("List3")->count() == 0);
}

void CheckWindowTest::clickOnLoggedTaskShowsItsWholeLines()
{
    makeWindow();
    m_log.append(QStringLiteral("TIERE.TXT"), QStringLiteral("10:15:30"));
    m_log.append(QStringLiteral("Zahlen.TXT"), QStringLiteral("10:16:00")); // file is zahlen.txt
    showWindow();

    clickRow(list("List1"), 0);
    QCOMPARE(entries(list("List2")),
             QStringList({"Hund", "Tiere\\hund.gif", "", "Katze, schwarz", "  Maus", "fehlt.bmp", "kaputt.jpg",
                          QStringLiteral("Hühner")}));

    // A name logged in another case still finds its file; List2 is replaced.
    clickRow(list("List1"), 1);
    QCOMPARE(entries(list("List2")), QStringList({"1", "eins"}));

    // Selecting by program runs the same handler.
    listBox("List1")->setListIndex(0);
    QCOMPARE(list("List2")->count(), 8);
    QVERIFY(m_fake.dialogs.shown.isEmpty());
}

void CheckWindowTest::pictureLineShowsPictureWithoutRegardToCase()
{
    makeWindow();
    m_log.append(QStringLiteral("TIERE.TXT"), QStringLiteral("10:15:30"));
    showWindow();
    clickRow(list("List1"), 0);

    // "Tiere\hund.gif": lower-case ".gif" counts; the file is Tiere/Hund.GIF.
    clickRow(list("List2"), 1);
    QVERIFY(picture1()->hasPicture());
    QCOMPARE(QFileInfo(picture1()->picturePath()).canonicalFilePath(),
             QFileInfo(m_folder + QStringLiteral("Tiere/Hund.GIF")).canonicalFilePath());
    // Unscaled from the top-left corner, cut off at the box's inner edges.
    QCOMPARE(picture1()->image().size(), picture1()->contentsRect().size());
    QCOMPARE(picture1()->image().pixelColor(0, 0), QColor(Qt::red));

    // Selecting by program runs the same handler.
    listBox("List2")->setListIndex(0);
    QVERIFY(!picture1()->hasPicture());
    listBox("List2")->setListIndex(1);
    QVERIFY(picture1()->hasPicture());
    QVERIFY(m_fake.dialogs.shown.isEmpty());
}

void CheckWindowTest::textEmptyAndBrokenPictureLinesClearThePicture()
{
    makeWindow();
    m_log.append(QStringLiteral("TIERE.TXT"), QStringLiteral("10:15:30"));
    showWindow();
    clickRow(list("List1"), 0);

    const struct { int row; const char *what; } cases[] = {
        {0, "text line"}, {2, "empty line"}, {5, "missing picture"}, {6, "damaged picture"}, {7, "umlaut text"},
    };
    for (const auto &c : cases) {
        listBox("List2")->setListIndex(1);
        QVERIFY(picture1()->hasPicture());
        clickRow(list("List2"), c.row);
        QVERIFY2(!picture1()->hasPicture(), c.what);
        QVERIFY2(picture1()->note().isEmpty(), c.what);
    }
    QVERIFY(m_fake.dialogs.shown.isEmpty());
}

void CheckWindowTest::soundLineShowsTheLoudspeakerWithTheFileName()
{
    QVERIFY(writeBytes(m_folder + QStringLiteral("TOENE.TXT"), "Tiere\\hund.WAV\r\nfehlt.ogg\r\nHund\r\n"));
    QVERIFY(writeBytes(m_folder + QStringLiteral("Tiere/Hund.wav"), duplikon::test::toneWave(50)));
    makeWindow();
    m_log.append(QStringLiteral("TOENE.TXT"), QStringLiteral("10:15:30"));
    showWindow();
    clickRow(list("List1"), 0);
    clickRow(list("List2"), 0);
    QVERIFY(picture1()->showsSound() && !picture1()->soundCrossed());
    QCOMPARE(picture1()->soundName(), QStringLiteral("hund.WAV"));
    clickRow(list("List2"), 1);
    QVERIFY(picture1()->soundCrossed());
    clickRow(list("List2"), 2);
    QVERIFY(!picture1()->showsSound());
    QVERIFY(m_fake.dialogs.shown.isEmpty());
}

void CheckWindowTest::unreadableLoggedFileIsReportedAndLeavesListEmpty()
{
    makeWindow();
    m_log.append(QStringLiteral("TIERE.TXT"), QStringLiteral("10:15:30"));
    m_log.append(QStringLiteral("WEG.TXT"), QStringLiteral("10:16:00"));
    showWindow();
    clickRow(list("List1"), 0);
    QCOMPARE(list("List2")->count(), 8);

    clickRow(list("List1"), 1);
    QCOMPARE(list("List2")->count(), 0);
    QCOMPARE(m_fake.dialogs.shown.size(), 1);
    QCOMPARE(m_fake.dialogs.shown.at(0).title, QStringLiteral("Duplikon: Kontrolle"));
    QCOMPARE(m_fake.dialogs.shown.at(0).text, QStringLiteral("Die Datei WEG.TXT kann nicht gelesen werden.\r\r"));
    QCOMPARE(m_fake.dialogs.shown.at(0).kind, duplikon::test::ShownDialog::Message);

    // A file deleted after it was solved, and a folder in its place: the same.
    QVERIFY(QFile::remove(m_folder + QStringLiteral("TIERE.TXT")));
    QVERIFY(QDir(m_folder).mkdir(QStringLiteral("TIERE.TXT")));
    clickRow(list("List1"), 0);
    QCOMPARE(list("List2")->count(), 0);
    QCOMPARE(m_fake.dialogs.shown.size(), 2);
    QCOMPARE(m_fake.dialogs.shown.at(1).text, QStringLiteral("Die Datei TIERE.TXT kann nicht gelesen werden.\r\r"));

    // The window goes on working.
    m_log.append(QStringLiteral("zahlen.txt"), QStringLiteral("10:17:00"));
    clickRow(list("List1"), 2);
    QCOMPARE(entries(list("List2")), QStringList({"1", "eins"}));
}

void CheckWindowTest::label1FollowsTheUserNameOnActivation()
{
    auto label1 = [this] { return m_window->findChild<QLabel *>(QStringLiteral("Label1")); };
    makeWindow();
    showWindow();
    QCOMPARE(label1()->text(), QStringLiteral("Benutzer"));

    // A name entered in the main window shows at the next activation.
    QWidget other;
    other.setWindowTitle(QStringLiteral("Duplikon"));
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    m_window->setUserName(QStringLiteral("Anna"));
    QCOMPARE(label1()->text(), QStringLiteral("Benutzer"));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(label1()->text(), QStringLiteral("Anna"));

    // Also when the window comes back after "Abbruch".
    m_window->findChild<QAction *>(QStringLiteral("menu1"))->trigger();
    m_window->setUserName(QStringLiteral("Ben"));
    showWindow();
    QCOMPARE(label1()->text(), QStringLiteral("Ben"));
    QCOMPARE(m_window->centralWidget()->size(), QSize(864, 576));
}

QTEST_MAIN(CheckWindowTest)
#include "CheckWindowTest.moc"
