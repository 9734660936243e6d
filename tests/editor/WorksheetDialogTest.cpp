// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet dialog with the printer and file dialogs scripted: it prints,
// saves and shuffles again while staying open, and tells about sounds.
#include "FakePlatform.h"
#include "LanguageSwitch.h"
#include "editor/WorksheetDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

class WorksheetDialogTest : public QObject {
    Q_OBJECT
private slots:
    void printsSavesAndShufflesWhileStayingOpen()
    {
        QTemporaryDir dir;
        QImage photo(800, 600, QImage::Format_RGB32);
        photo.fill(Qt::blue);
        QVERIFY(photo.save(dir.filePath(QStringLiteral("katze.jpg")), "JPG"));
        FakePlatform fake;
        QStringList left, right;
        for (int i = 0; i < 12; ++i) {
            left << QStringLiteral("Wort %1").arg(i);
            right << (i == 0 ? QStringLiteral("KATZE.JPG") : i == 1 ? QStringLiteral("miau.wav") : QString::number(i));
        }
        WorksheetDialog dialog(nullptr, fake.platform(), dir.path(), QStringLiteral("Tiere"), left, right, QFont());
        dialog.show();
        // at most ten pairs; a picture found whatever its letter case; the sound named
        QCOMPARE(dialog.sheet().left.size(), 10);
        QCOMPARE(dialog.sheet().right.at(0).kind, SheetHalf::Picture);
        QVERIFY(QFile::exists(dialog.sheet().right.at(0).path));
        QCOMPARE(dialog.sheet().right.at(1).kind, SheetHalf::Sound);
        QVERIFY(child<QLabel>(&dialog, "soundNote")->isVisible());

        child<QPushButton>(&dialog, "printSheet")->click();
        QVERIFY(dialog.isVisible() && fake.printer.jobs == QStringList{"Tiere - Zuordnen"}); // one page

        // cancelled, failing: nothing printed, the reason told
        fake.printer.cancelDialog = true;
        child<QPushButton>(&dialog, "printSheet")->click();
        QCOMPARE(fake.printer.pages.size(), 1);
        QVERIFY(fake.dialogs.shown.isEmpty());
        fake.printer.cancelDialog = false;
        fake.printer.fail = true;
        child<QPushButton>(&dialog, "printSheet")->click();
        QVERIFY(fake.dialogs.titles() == QStringList{"Drucken"} && fake.dialogs.shown[0].text.contains(fake.printer.failure));
        fake.printer.fail = false;
        fake.dialogs.clear();

        // cards: twenty halves on one page; the dialog adds ".pdf" to a name
        // typed without it before it asks about replacing, so the name it
        // approved is kept as it is
        child<QRadioButton>(&dialog, "kindCards")->click();
        QCOMPARE(dialog.pages().first().halves.size(), 20);
        fake.dialogs.saveAnswers = QStringList{dir.filePath(QStringLiteral("Karten"))};
        child<QPushButton>(&dialog, "savePdf")->click();
        QCOMPARE(fake.dialogs.shown[0].kind, ShownDialog::Save);
        QCOMPARE(fake.dialogs.shown[0].defaultText, dir.filePath(QStringLiteral("Tiere - Paarkarten.pdf")));
        QCOMPARE(fake.dialogs.shown[0].defaultSuffix, QStringLiteral("pdf"));
        QCOMPARE(fake.printer.pdfPaths, QStringList{dir.filePath(QStringLiteral("Karten"))});
        QCOMPARE(fake.printer.pdfTitles, QStringList{QStringLiteral("Tiere")});
        child<QPushButton>(&dialog, "savePdf")->click(); // cancelled
        QCOMPARE(fake.printer.pdfPaths.size(), 1);
        QVERIFY(dialog.isVisible() && child<QLabel>(&dialog, "sheetStatus")->text().endsWith(QStringLiteral("Karten")));
        QCOMPARE(duplikon::test::textsNotFollowingLanguage(&dialog), QStringList()); // the status too

        // the same lists shuffle the same way; "Neu mischen" another way
        const quint32 seed = dialog.sheet().seed;
        QCOMPARE(WorksheetDialog::taskSeed(left, right), seed);
        child<QPushButton>(&dialog, "shuffleAgain")->click();
        QVERIFY(matchingOrder(10, dialog.sheet().seed).left != matchingOrder(10, seed).left);

        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());

        // without a sound half there is no word about sounds
        WorksheetDialog plain(nullptr, fake.platform(), dir.path(), QString(), {"a"}, {"b"}, QFont());
        plain.show();
        QVERIFY(!child<QLabel>(&plain, "soundNote")->isVisible() && plain.sheet().title == "Arbeitsblatt");
    }
};

QTEST_MAIN(WorksheetDialogTest)
#include "WorksheetDialogTest.moc"
