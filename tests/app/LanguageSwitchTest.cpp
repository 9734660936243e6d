// SPDX-License-Identifier: GPL-3.0-or-later
// The language at run time: every open window follows a switch, the layout
// direction with it, and German comes back byte for byte; with the long
// pseudo-language every text still fits (also run at 200 %).
#include "TestWindow.h"
#include "TextFit.h"

#include "app/MainWindow.h"
#include "lesson/ExtraSettingsDialog.h"
#include "platform/Language.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

namespace {

// Every text a window shows or says, with the control it belongs to.
QStringList texts(const QWidget *window)
{
    QStringList all{window->windowTitle()};
    QList<const QObject *> objects{window};
    for (const QObject *o : window->findChildren<QObject *>())
        objects << o;
    for (const QObject *o : std::as_const(objects)) {
        const QString name = o->objectName() + QLatin1Char(':');
        if (const auto *a = qobject_cast<const QAction *>(o))
            all << name + a->text();
        const auto *w = qobject_cast<const QWidget *>(o);
        if (!w)
            continue;
        all << name + w->toolTip() << name + w->accessibleName() << name + w->accessibleDescription();
        if (const auto *l = qobject_cast<const QLabel *>(w))
            all << name + l->text();
        if (const auto *b = qobject_cast<const QAbstractButton *>(w))
            all << name + b->text();
        if (const auto *g = qobject_cast<const QGroupBox *>(w))
            all << name + g->title();
        if (const auto *c = qobject_cast<const QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                all << name + c->itemText(i);
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
        const QStringList german = texts(s.w.get()) + texts(s.more);
        QCOMPARE(s.w->layoutDirection(), Qt::LeftToRight);

        // Every text changes with the pseudo-language, except names and signs.
        s.language("x-test");
        const QStringList pseudo = texts(s.w.get()) + texts(s.more);
        QCOMPARE(pseudo.size(), german.size());
        QStringList unchanged;
        // Names, signs, the task's halves and the languages' own names stay.
        static const QRegularExpression noWords(QStringLiteral("^([^:]*:)?(|Duplikon|Abc|>>|X|[0-9 %]*|.*/|Deutsch|English|Polski|"
                                                               "Hund|Hund.bmp|Katze|Mieze|.*[^\\x00-\\x7fäöüÄÖÜß„“–].*)$"));
        for (int i = 0; i < german.size(); ++i)
            if (german.at(i) == pseudo.at(i) && !noWords.match(german.at(i)).hasMatch())
                unchanged << german.at(i);
        QVERIFY2(unchanged.isEmpty(), qPrintable(unchanged.join(QLatin1Char('\n'))));

        // Arabic is right to left; the halves of a task are not.
        s.language("ar");
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QCOMPARE(s.w->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(s.more->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(s.cell(1)->layoutDirection(), Qt::LeftToRight);
        QCOMPARE(QLocale().language(), QLocale::Arabic);

        s.language("de");
        QCOMPARE(s.w->layoutDirection(), Qt::LeftToRight);
        QCOMPARE(texts(s.w.get()) + texts(s.more), german);
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
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        s.language("de");
    }
};

QTEST_MAIN(LanguageSwitchTest)
#include "LanguageSwitchTest.moc"
