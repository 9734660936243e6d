// SPDX-License-Identifier: GPL-3.0-or-later
// The class list's names as large buttons: a tap chooses, the keyboard moves
// and chooses, "Anderer Name ..." hands over to the input box, and a very
// long name stays whole for the screen reader.
#include "platform/NamePicker.h"

#include "FakePlatform.h"

#include <QAccessible>
#include <QPushButton>
#include <QScrollArea>
#include <QtTest>

using namespace duplikon;
using duplikon::test::child;

namespace {
const QStringList kClass = {"Lea", "Jonas", "Mia", "Ben", "Lotte", "Ali", "Emma"};

// Shows the picker, lets act do its work while it is open, returns the choice.
int pick(const QStringList &names, const std::function<void(NamePicker &)> &act)
{
    NamePicker picker(QStringLiteral("Benutzername"), names);
    picker.show();
    if (!QTest::qWaitForWindowExposed(&picker))
        qFatal("the picker is not shown");
    act(picker);
    return picker.isVisible() ? -3 : picker.chosen();
}
} // namespace

class NamePickerTest : public QObject {
    Q_OBJECT

private slots:
    void aTapChoosesInTheFilesOrder()
    {
        QCOMPARE(pick(kClass, [](NamePicker &p) {
            QCOMPARE(p.columns(), 2);
            auto *jonas = child<QPushButton>(&p, "name1");
            QCOMPARE(jonas->text(), QStringLiteral("Jonas"));
            // row by row: Lea and Jonas side by side, Mia below Lea
            QCOMPARE(jonas->y(), child<QPushButton>(&p, "name0")->y());
            QVERIFY(child<QPushButton>(&p, "name2")->y() > jonas->y());
            QVERIFY(jonas->height() >= 44);
            QTest::mouseClick(jonas, Qt::LeftButton);
        }), 1);
        QCOMPARE(pick(kClass, [](NamePicker &p) {
            QCOMPARE(child<QPushButton>(&p, "andererName")->text(), QStringLiteral("Anderer Name ..."));
            child<QPushButton>(&p, "andererName")->click();
        }), NamePicker::kOtherName);
        QCOMPARE(pick(kClass, [](NamePicker &p) { QTest::keyClick(&p, Qt::Key_Escape); }), -1);
    }

    void keysMoveThroughTheGridAndChoose()
    {
        // the first name has the focus; Right, Down and Enter: Ben
        QCOMPARE(pick(kClass, [](NamePicker &p) {
            QCOMPARE(p.focusWidget(), child<QPushButton>(&p, "name0"));
            QTest::keyClick(p.focusWidget(), Qt::Key_Right);
            QTest::keyClick(p.focusWidget(), Qt::Key_Right); // the edge of the row: stays
            QTest::keyClick(p.focusWidget(), Qt::Key_Down);
            QCOMPARE(p.focusWidget()->accessibleName(), QStringLiteral("Ben"));
            QTest::keyClick(p.focusWidget(), Qt::Key_Return);
        }), 3);
        // a typed letter goes to the next name beginning with it; Space chooses
        QCOMPARE(pick(kClass, [](NamePicker &p) {
            QTest::keyClick(p.focusWidget(), Qt::Key_L); // from Lea on: Lotte
            QTest::keyClick(p.focusWidget(), Qt::Key_L); // and round again: Lea
            QTest::keyClick(p.focusWidget(), Qt::Key_L);
            QTest::keyClick(p.focusWidget(), Qt::Key_Space);
        }), 4);
        // Tab reaches "Anderer Name ..." last
        QCOMPARE(pick(kClass, [](NamePicker &p) {
            for (int i = 0; i < kClass.size(); ++i)
                QTest::keyClick(p.focusWidget(), Qt::Key_Tab);
            QCOMPARE(p.focusWidget(), child<QPushButton>(&p, "andererName"));
            QTest::keyClick(p.focusWidget(), Qt::Key_Enter);
        }), NamePicker::kOtherName);
    }

    void aLongNameAndALargeClassStayUsable()
    {
        const QString longName = QStringLiteral("Marie-Charlotte Sophie Luise Friederike von Hohenzollern-Sig");
        QCOMPARE(longName.size(), 60);
        QStringList names = kClass;
        names.insert(1, longName);
        for (int i = 0; i < 40; ++i)
            names.append(QStringLiteral("Kind %1").arg(i));
        QCOMPARE(pick(names, [&](NamePicker &p) {
            auto *button = child<QPushButton>(&p, "name1");
            // drawn smaller and shortened, but the screen reader hears it whole
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) <= button->width());
            QCOMPARE(button->accessibleName(), longName);
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), longName);
            QCOMPARE(button->toolTip(), longName);
            QCOMPARE(child<QPushButton>(&p, "name0")->toolTip(), QString());
            // 49 buttons in 4 columns scroll; the picker fits beside the main window
            QCOMPARE(p.columns(), 4);
            QVERIFY(p.sizeHint().height() < 620 && p.sizeHint().width() <= 870);
            // the keyboard scrolls the last name into view
            for (int i = 0; i < 12; ++i) // down to the last row: 48, the end of the list
                QTest::keyClick(p.focusWidget(), Qt::Key_Down);
            auto *last = child<QPushButton>(&p, "andererName");
            QCOMPARE(p.focusWidget(), last);
            QVERIFY(!last->visibleRegion().isEmpty());
            QTest::mouseClick(button, Qt::LeftButton);
        }), 1);
    }
};

QTEST_MAIN(NamePickerTest)
#include "NamePickerTest.moc"
