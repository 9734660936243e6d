// SPDX-License-Identifier: GPL-3.0-or-later
// The class list in the editor: names added, renamed, sorted and removed, a
// name twice refused, saved or left as it was, and a file that cannot be read
// never overwritten.
#include "FakePlatform.h"
#include "LanguageSwitch.h"
#include "ProgramFolder.h"
#include "editor/ClassListDialog.h"
#include "tasks/ClassList.h"
#include "tasks/ProgramFolder.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

class ClassListDialogTest : public QObject {
    Q_OBJECT
private slots:
    void namesAreEditedAndSavedOrLeft()
    {
        test::ProgramFolder pf;
        FakePlatform fake;
        ClassListDialog dialog(nullptr, fake.platform(), pf.path(), {"Mia", "Lea"});
        dialog.show();
        QCOMPARE(duplikon::test::textsNotFollowingLanguage(&dialog), QStringList());
        auto click = [&](const char *name) { child<QPushButton>(&dialog, name)->click(); };
        auto shown = [&] {
            QStringList rows;
            auto *list = child<QListWidget>(&dialog, "names");
            for (int i = 0; i < list->count(); ++i)
                rows << list->item(i)->text();
            return rows;
        };

        fake.dialogs.inputAnswers = {" Ben ", "lea", ""};
        click("addName");
        click("addName"); // Lea is there already
        click("addName"); // cancelled
        QCOMPARE(shown(), QStringList({"Mia", "Lea", "Ben"}));
        QCOMPARE(fake.dialogs.shown.at(0).text, QStringLiteral("Vorname des Kindes:"));
        QCOMPARE(fake.dialogs.shown.at(2).text, QStringLiteral("„Lea“ steht schon in der Liste.\r"));
        QCOMPARE(fake.dialogs.shown.size(), 4);

        // the selected name: renamed (its own name in another case is fine), removed
        child<QListWidget>(&dialog, "names")->setCurrentRow(1);
        fake.dialogs.inputAnswers = {"LEA", "Ä\x07"};
        click("renameName");
        click("renameName"); // a control character
        QCOMPARE(fake.dialogs.shown.at(4).defaultText, QStringLiteral("Lea"));
        QCOMPARE(shown(), QStringList({"Mia", "LEA", "Ben"}));
        click("sortNames");
        QCOMPARE(shown(), QStringList({"Ben", "LEA", "Mia"}));
        QCOMPARE(child<QListWidget>(&dialog, "names")->currentItem()->text(), QStringLiteral("LEA"));
        click("removeName");
        QCOMPARE(shown(), QStringList({"Ben", "Mia"}));
        QVERIFY(!QFile::exists(classListPath(pf.path())));
        click("saveNames");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(readClassList(classListPath(pf.path())).names, QStringList({"Ben", "Mia"}));

        // "Abbrechen" leaves the file as it was
        ClassListDialog again(nullptr, fake.platform(), pf.path(), {"Ben", "Mia"});
        again.show();
        child<QPushButton>(&again, "removeName")->click();
        child<QPushButton>(&again, "cancelNames")->click();
        QCOMPARE(readClassList(classListPath(pf.path())).names, QStringList({"Ben", "Mia"}));
    }

    void aFileThatCannotBeReadOrWrittenIsNamed()
    {
        test::ProgramFolder pf;
        FakePlatform fake;
        pf.write(duplikon::ProgramFolder::classListFileName(), QByteArray("Lea\0", 4));
        ClassListDialog::run(nullptr, fake.platform(), pf.path()); // returns at once: no dialog
        QCOMPARE(fake.dialogs.titles(), QStringList({"Klassenliste"}));
        QVERIFY(fake.dialogs.shown.at(0).text.contains(QStringLiteral("kann nicht gelesen werden")));
        QCOMPARE(pf.read(duplikon::ProgramFolder::classListFileName()), QByteArray("Lea\0", 4));

        QVERIFY(QFile::remove(classListPath(pf.path())));
        QVERIFY(QDir(pf.path()).mkdir(duplikon::ProgramFolder::classListFileName()));
        fake.dialogs.clear();
        ClassListDialog dialog(nullptr, fake.platform(), pf.path(), {"Lea"});
        dialog.show();
        child<QPushButton>(&dialog, "saveNames")->click();
        QVERIFY(dialog.isVisible());
        QVERIFY(fake.dialogs.shown.at(0).text.startsWith(QStringLiteral("Die Klassenliste kann nicht gespeichert werden: ")));
    }
};

QTEST_MAIN(ClassListDialogTest)
#include "ClassListDialogTest.moc"
