// SPDX-License-Identifier: GPL-3.0-or-later
// The points take the plural forms of Ukrainian and Arabic (needs the filled catalogues).
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

class PluralFormsTest : public QObject {
    Q_OBJECT
private slots:
    void pointsTakeTheLanguagesForms()
    {
        const auto forms = [](const char *code) {
            QTranslator catalogue;
            if (!catalogue.load(QStringLiteral("%1/duplikon_%2.qm").arg(qEnvironmentVariable("DUPLIKON_QM_DIR"),
                                                                          QLatin1String(code))))
                qFatal("no catalogue for %s", code);
            QStringList words;
            for (int n : {1, 2, 5, 21}) {
                words << catalogue.translate("duplikon::Board", " %n Punkte", nullptr, n)
                             .remove(QRegularExpression(QStringLiteral("%n|[0-9٠-٩۰-۹]")))
                             .trimmed();
            }
            return words;
        };
        // Ukrainian: one for 1 and 21, a few for 2, many for 5.
        const QStringList uk = forms("uk");
        QCOMPARE(uk.at(0), uk.at(3));
        QVERIFY(uk.at(0) != uk.at(1) && uk.at(1) != uk.at(2) && uk.at(0) != uk.at(2));
        // Arabic: one, two, few (3-10), many (11-99): four different forms.
        const QStringList ar = forms("ar");
        QCOMPARE(QSet<QString>(ar.cbegin(), ar.cend()).size(), 4);
    }
};

QTEST_MAIN(PluralFormsTest)
#include "PluralFormsTest.moc"
