// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson state without any widget: the settings file goes through it byte
// for byte, and its signals tell each real change once.
#include "lesson/LessonState.h"

#include <QSignalSpy>
#include <QtTest>

using namespace duplikon;

class LessonStateTest : public QObject {
    Q_OBJECT
private slots:
    void theSettingsFileGoesThroughTheStateByteForByte()
    {
        const QByteArray file(" 1 \r\n 0 \r\n 1 \r\n 1 \r\n-2147483643 \r\nZEBRA.TXT\r\n B\xE4" "r.txt\r\nZEBRA.TXT\r\n");
        LessonState state;
        // What the file does not keep stays out of it and is not touched by it.
        state.setAufgabe({QStringLiteral("AFFE.TXT")});
        state.setSelectedTask(QStringLiteral("AFFE.TXT"));
        const Settings read = parseSettings(file);
        state.setSettings(read);
        Settings written = state.settings();
        QCOMPARE(written.colour, Settings().colour); // the question colour is the board's
        written.colour = read.colour;
        QCOMPARE(settingsBytes(written), file);
        QVERIFY(state.mandatoryTasks() && !state.shortChoice() && state.editorLocked() && state.repetition());
        QCOMPARE(state.aufgabe(), QStringList{QStringLiteral("AFFE.TXT")});
        QCOMPARE(state.selectedTask(), QStringLiteral("AFFE.TXT"));

        // Defaults write the five number lines of a fresh folder.
        QCOMPARE(settingsBytes(LessonState().settings()), QByteArray(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 16777215 \r\n"));
    }

    void eachRealChangeIsSignalledOnce()
    {
        LessonState state;
        QSignalSpy switches(&state, &LessonState::switchesChanged);
        QSignalSpy selection(&state, &LessonState::selectedTaskChanged);
        QSignalSpy pflicht(&state, &LessonState::pflichtChanged);
        QSignalSpy panels(&state, &LessonState::panelShownChanged);
        QSignalSpy names(&state, &LessonState::userNameChanged);
        QSignalSpy look(&state, &LessonState::textStyleChanged);

        state.setRepetition(true);
        state.setRepetition(true);
        state.setSettings(state.settings()); // the same values again
        QCOMPARE(switches.size(), 1);
        QCOMPARE(pflicht.size(), 0);
        Settings s = state.settings();
        s.check2 = 1;
        s.colour = 0xE0E0E0;
        s.pflicht = {QStringLiteral("A.TXT")};
        state.setSettings(s);
        QCOMPARE(switches.size(), 2);
        QCOMPARE(pflicht.size(), 1);
        state.setSelectedTask(QStringLiteral("A.TXT"));
        state.setSelectedTask(QStringLiteral("A.TXT"));
        QCOMPARE(selection.size(), 1);

        state.setPanelShown(LessonState::Panel::ShortList, true);
        state.setPanelShown(LessonState::Panel::ShortList, true);
        QCOMPARE(panels.size(), 1);
        QCOMPARE(panels.first().at(0).value<LessonState::Panel>(), LessonState::Panel::ShortList);
        QVERIFY(!state.panelShown(LessonState::Panel::TaskChoice));

        state.setUserName(QStringLiteral("Benutzer")); // the name before any is entered
        state.setUserName(QStringLiteral("Tom"));
        QCOMPARE(names.size(), 1);
        state.setTextSize(12); // the designed size
        state.setTextBold(true);
        state.setTextSize(14);
        QCOMPARE(look.size(), 2);
    }
};

QTEST_GUILESS_MAIN(LessonStateTest)
#include "LessonStateTest.moc"
