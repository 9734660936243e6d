// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of the language and the pseudo-language of the tests.
#include "platform/ClassroomConfig.h"
#include "platform/Language.h"

#include <QtTest>

using namespace duplikon;

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void choosesTheLanguage()
    {
        // The desktop's language when the program has it, German otherwise.
        QCOMPARE(chosenLanguage(QStringLiteral("System"), QLocale(QStringLiteral("uk_UA"))), QStringLiteral("uk"));
        QCOMPARE(chosenLanguage(QStringLiteral("System"), QLocale(QStringLiteral("fr_FR"))), QStringLiteral("de"));
        QCOMPARE(chosenLanguage(QStringLiteral("tr"), QLocale(QStringLiteral("uk_UA"))), QStringLiteral("tr"));
        QCOMPARE(chosenLanguage(QStringLiteral("x-test")), QStringLiteral("x-test"));
        QCOMPARE(chosenLanguage(QStringLiteral("xx")), QStringLiteral("de"));
        // The file takes the codes in any case; the text goes in as listed.
        QCOMPARE(config::valueText(config::Id::language, QStringLiteral("UK")), QStringLiteral("uk"));
        QVERIFY(!config::valueText(config::Id::language, QStringLiteral("ku")));
        QCOMPARE(ClassroomConfig().value(config::language).text, QStringLiteral("System"));
        // Right to left by the locale, not by a list.
        QCOMPARE(localeOf(QStringLiteral("fa")).textDirection(), Qt::RightToLeft);
    }

    void pseudoTranslationKeepsWhatCodeNeeds()
    {
        const QString source = QStringLiteral("&Weitere %1 von %n, 50%% <b>fett</b> &amp; mehr ...\rZweite Zeile:\r\r");
        const QString pseudo = pseudoTranslation(source);
        QVERIFY(pseudo.startsWith(QStringLiteral("&Wéîtéré %1 vöñ %n, 50%% <b>fétt</b> &amp; ")));
        QVERIFY(pseudo.endsWith(QStringLiteral(" ...\rZwéîté Zéîlé") + QString(5, QChar(u'ẍ')) + QStringLiteral(":\r\r")));
        // 40 % longer: at least 0.4 more characters for every letter.
        for (const QString &text : {QStringLiteral("Passt nicht"), QStringLiteral("O k a y"), source}) {
            const auto letters = std::count_if(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
            QVERIFY(pseudoTranslation(text).size() >= text.size() + std::ceil(0.4 * double(letters)) - 1);
        }

        // Installed, every tr() text is a pseudo-text, %n filled in.
        QVERIFY(applyLanguage(QStringLiteral("x-test")));
        QCOMPARE(QCoreApplication::translate("ctx", " %n Punkte", nullptr, 3), pseudoTranslation(QStringLiteral(" 3 Punkte")));
        QVERIFY(applyLanguage(QStringLiteral("de")));
        QCOMPARE(QCoreApplication::translate("ctx", " %n Punkte", nullptr, 1), QStringLiteral(" 1 Punkte"));
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
