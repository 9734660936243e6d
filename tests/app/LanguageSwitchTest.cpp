// SPDX-License-Identifier: GPL-3.0-or-later
// Every open window follows a switch of the language, the layout direction too, and German
// comes back byte for byte; in the long pseudo-language every text fits (also at 200 %).
#include "TestWindow.h"
#include "TextFit.h"

#include "app/MainWindow.h"
#include "app/SideWindows.h"
#include "check/CheckWindow.h"
#include "editor/EditorWindow.h"
#include "results/ResultsWindow.h"
#include "lesson/ExtraSettingsDialog.h"
#include "platform/Language.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

namespace {

// Every text a window shows or says, with the control it belongs to.
QStringList texts(const QWidget *window)
{
    QStringList all;
    QList<QObject *> objects = window->findChildren<QObject *>();
    for (const QObject *o : objects << const_cast<QWidget *>(window)) {
        // Objects without such a property (timers, watchers a window starts when it likes) add nothing.
        for (const char *p : {"text", "title", "windowTitle", "toolTip", "accessibleName", "accessibleDescription"})
            if (const QVariant value = o->property(p); value.isValid())
                all << o->objectName() + QLatin1Char(':') + value.toString();
        if (const auto *c = qobject_cast<const QComboBox *>(o))
            for (int i = 0; i < c->count(); ++i)
                all << o->objectName() + QLatin1Char(':') + c->itemText(i);
    }
    return all;
}

struct Switching : TestWindow {
    ExtraSettingsDialog *more = nullptr;
    Switching()
        : TestWindow([](const ProgramFolder &folder) {
              folder.writeTask(QStringLiteral("TIERE.TXT"), {QStringLiteral("Hund"), QStringLiteral("Hund.bmp"),
                                                         QStringLiteral("Katze"), QStringLiteral("Mieze")});
              folder.writePicture(QStringLiteral("Hund.bmp"), Qt::red);
              folder.writePicture(QStringLiteral("DUPBILDER/Sonne.bmp"), Qt::yellow, QSize(833, 505));
          })
    {
        applyLanguage(QStringLiteral("de")); // as the program starts
        start();
        fp.dialogs.inputAnswers = {QStringLiteral("0")};
        menu("menu4")->trigger(); // the settings panel
        more = new ExtraSettingsDialog(w.get(), fp.platform(), extra.get());
        more->setObjectName(QStringLiteral("classroomConfig"));
        more->show();
    }
    void language(const char *code) const
    {
        QString error;
        QVERIFY(extra->set(config::language, Choice{QLatin1String(code)}, &error));
        QCoreApplication::processEvents(); // the posted LanguageChange
        QCoreApplication::processEvents(); // the layouts it asks for
    }
};

} // namespace

class LanguageSwitchTest : public QObject {
    Q_OBJECT
private slots:
    void switchesEveryWindowAndBack()
    {
        Switching s;
        const QStringList german = texts(s.w.get());
        CheckWindow *check = part<SideWindows>(s.w.get())->checkWindow(true);
        check->show();
        const QStringList germanCheck = texts(check);

        // Every text changes with the pseudo-language, except names and signs.
        s.language("x-test");
        const QStringList pseudo = texts(s.w.get());
        // No name entered: the check window says "Benutzer" in the language too.
        QVERIFY(child<QLabel>(check, "Label1")->text() != QLatin1String("Benutzer"));
        QStringList unchanged; // names, signs, the task's halves and the languages' own names stay

        static const QRegularExpression noWords(QStringLiteral("^([^:]*:)?(|Duplikon|Abc|>>|X|[0-9 %]*|.*/|Deutsch|English|Polski|"
                                                               "Hund|Hund.bmp|Katze|Mieze|.*[^\\x00-\\x7fäöüÄÖÜß„“–].*)$"));
        for (int i = 0; i < german.size(); ++i)
            if (german.at(i) == pseudo.at(i) && !noWords.match(german.at(i)).hasMatch())
                unchanged << german.at(i);
        QVERIFY2(unchanged.isEmpty(), qPrintable(unchanged.join(QLatin1Char('\n'))));

        // Arabic is right to left; the halves of a task are not.
        s.language("ar");
        QCOMPARE(s.w->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(s.more->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(s.cell(1)->layoutDirection(), Qt::LeftToRight);
        QCOMPARE(QLocale().language(), QLocale::Arabic);
        QVERIFY(child<QWidget>(s.w.get(), "moreSettings")->x() * 15 < 6000); // mirrored in the panel
        // The check window is mirrored across its whole width.
        const auto *name = child<QLabel>(check, "Label1");
        QCOMPARE(name->geometry().right() + 1, check->centralWidget()->width() - 240 / 15);

        s.language("de");
        QCOMPARE(s.w->layoutDirection(), Qt::LeftToRight);
        QCOMPARE(texts(s.w.get()), german);
        QCOMPARE(texts(check), germanCheck);
        QCOMPARE(child<QWidget>(s.w.get(), "moreSettings")->x() * 15, 6000); // back at its place
    }

    void everyTextFitsWithLongWords()
    {
        Switching s;
        s.language("x-test");
        s.load(QStringLiteral("TIERE.TXT"));
        // The dialog takes the room its texts need; the test's screen (800 × 800
        // pixels, 400 × 400 at 200 %) is smaller than a teacher's.
        if (!s.more->screen()->availableGeometry().contains(QRect(QPoint(), s.more->sizeHint())))
            s.more->hide();
        QStringList cut = cutTexts(s.w.get());
        s.menu("menu2")->trigger(); // the task choice over the panel
        cut += cutTexts(s.w.get());
        // the teacher's windows: the editor, the check window and the results
        SideWindows *side = part<SideWindows>(s.w.get());
        side->openEditor();
        side->showCheckWindow();
        side->openResults();
        const QWidgetList teachers{topLevel<EditorWindow>(), side->checkWindow(false), topLevel<ResultsWindow>()};
        for (QWidget *window : teachers)
            cut += window && window->isVisible() ? cutTexts(window) : QStringList{QStringLiteral("not shown")};
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        s.language("de");
    }
};

QTEST_MAIN(LanguageSwitchTest)
#include "LanguageSwitchTest.moc"
