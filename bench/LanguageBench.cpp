// SPDX-License-Identifier: GPL-3.0-or-later
// A switch of the language at run time: the main window with the settings
// panel, the task choice and "Weitere Einstellungen" open; the time from the
// switch until every open window has retranslated and repainted itself
// (target: at most 100 ms). The languages switched to are the pseudo-language
// (a translation for every text, the most work a catalogue asks for), Arabic
// (Qt's catalogue and the mirrored panels) and back to German; median of
// several switches each.
//
//   LanguageBench
#include "FakePlatform.h"
#include "ProgramFolder.h"

#include "app/MainWindow.h"
#include "lesson/ExtraSettingsDialog.h"
#include "platform/ClassroomConfig.h"
#include "platform/Language.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

using namespace duplikon;

namespace {
constexpr int kRuns = 9;
constexpr double kTargetMs = 100;
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::ProgramFolder folder;
    folder.writeTask(QStringLiteral("TIERE.TXT"), {QStringLiteral("Hund"), QStringLiteral("Wauwau"),
                                                  QStringLiteral("Katze"), QStringLiteral("Miau")});
    test::FakePlatform fake;
    ClassroomConfig settings;
    MainWindow window(fake.platform(), folder.path(), &settings);
    window.show();
    fake.dialogs.inputAnswers = {QStringLiteral("0")};
    window.findChild<QAction *>(QStringLiteral("menu4"))->trigger(); // the settings panel
    ExtraSettingsDialog more(&window, fake.platform(), &settings);
    more.show();
    QCoreApplication::processEvents();

    std::printf("A switch of the language with every window repainted, %d switches each (median, max):\n", kRuns);
    bool within = true;
    for (const char *code : {"x-test", "ar", "de"}) {
        QList<double> times;
        for (int i = 0; i < kRuns; ++i) {
            applyLanguage(QLatin1String(qstrcmp(code, "de") == 0 ? "ar" : "de")); // from Arabic back to German
            QCoreApplication::processEvents();
            QElapsedTimer t;
            t.start();
            applyLanguage(QLatin1String(code));
            QCoreApplication::processEvents(); // every window's LanguageChange
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    w->repaint();
            times << double(t.nsecsElapsed()) / 1e6;
        }
        std::sort(times.begin(), times.end());
        within = within && times.at(kRuns / 2) <= kTargetMs;
        std::printf("  to %-7s %6.1f ms (max %.1f ms): %s %.0f ms\n", code, times.at(kRuns / 2), times.last(),
                    times.at(kRuns / 2) <= kTargetMs ? "within" : "OVER", kTargetMs);
    }
    return within ? 0 : 1;
}
