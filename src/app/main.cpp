// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "app/StartFolder.h"
#include "app/WindowScale.h"
#include "tasks/Task.h"
#include "tasks/TaskArchive.h"
#include "platform/AudioModule.h"
#include "platform/QtSpeech.h"
#include "platform/CloseRequests.h"
#include "platform/Dialogs.h"
#include "platform/ClassroomConfig.h"
#include "platform/EndSignals.h"
#include "platform/OffThread.h"
#include "platform/Folders.h"
#include "platform/Fonts.h"
#include "platform/KeyboardAccess.h"
#include "platform/Language.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDir>

#include <optional>

#include <cstdio>
#include <cstdlib>

#ifndef DUPLIKON_VERSION
#define DUPLIKON_VERSION "unbekannt"
#endif
// The installed demo folder, relative to the folder of the program file.
#ifndef DUPLIKON_DEMO_FROM_BINARY
#define DUPLIKON_DEMO_FROM_BINARY "../share/duplikon/demo"
#endif

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char *argv[])
{
    // The command line is read before Qt starts, so that --help, --version and
    // a missing folder need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    duplikon::StartArguments start = duplikon::parseStartArguments(arguments);
    // The added settings of duplikon.conf; Qt takes the window size from the
    // environment when the application object is made.
    const duplikon::ClassroomConfigFiles configFiles = duplikon::ClassroomConfigFiles::fromEnvironment();
    std::optional<duplikon::ClassroomConfig> extra(std::in_place, configFiles);
    const QString language = duplikon::chosenLanguage(
        start.language.isEmpty() ? extra->value(duplikon::config::language).text : start.language);

    // What is written before the windows come is written in the language of
    // the run too: a short-lived application holds its catalogues, and the
    // command line and the settings are read once more with them.
    std::optional<QCoreApplication> textsOnly;
    if (language != duplikon::language::kGerman) {
        textsOnly.emplace(argc, argv);
        duplikon::applyLanguage(language);
        start = duplikon::parseStartArguments(arguments);
        extra.emplace(configFiles);
    }
    switch (start.action) {
    case duplikon::StartArguments::Action::Help:
        print(stdout, duplikon::helpText());
        return 0;
    case duplikon::StartArguments::Action::Version:
        print(stdout, duplikon::versionText(QStringLiteral(DUPLIKON_VERSION)));
        return 0;
    case duplikon::StartArguments::Action::ShowSettings:
        // Needs no display: what holds and why, for an administrator.
        print(stdout, extra->report());
        return 0;
    case duplikon::StartArguments::Action::Usage:
        print(stderr, QCoreApplication::translate("duplikon::main", "duplikon: %1\nMehr mit „duplikon --help“.\n")
                          .arg(start.error));
        return 2;
    case duplikon::StartArguments::Action::Run:
        break;
    }
    const QString demo =
        QDir::cleanPath(duplikon::executableFolder() + QStringLiteral("/" DUPLIKON_DEMO_FROM_BINARY));
    const duplikon::StartFolder folder =
        duplikon::chooseStartFolder(start, QDir::currentPath(), duplikon::documentsFolder(), demo);
    if (!folder.error.isEmpty()) {
        print(stderr, QStringLiteral("duplikon: %1\n").arg(folder.error));
        if (!start.menu)
            return 1;
    }
    for (const QString &problem : extra->problems())
        print(stderr, QStringLiteral("duplikon: %1\n").arg(problem));
    duplikon::prepareWindowScale(extra->value(duplikon::config::windowSize), argc, argv);
    textsOnly.reset();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Duplikon"));
    QApplication::setDesktopFileName(QStringLiteral("example.duplikon.Duplikon"));
    QApplication::setQuitOnLastWindowClosed(false);
    duplikon::installFontSubstitutes();
    // Underlined letters only while Alt is held; Alt alone and F10 open the menu bar.
    QApplication::setStyle(new duplikon::KeyboardStyle);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("example.duplikon.Duplikon")));

    // The program's texts and Qt's buttons and standard texts in the chosen
    // language, German unless told otherwise.
    duplikon::applyLanguage(language);
    duplikon::installScriptFonts();

    // A logout (SIGTERM) or a closed terminal (SIGHUP) ends the program as
    // "Beenden" does, without the question: every loop ends, an open message
    // box too, and the windows go as after "Ja", the results with them.
    duplikon::EndSignals endSignals;
    bool endRequested = false;
    QObject::connect(&endSignals, &duplikon::EndSignals::received, &app, [&endRequested] {
        endRequested = true;
        QCoreApplication::exit(0);
    });

    duplikon::QtDialogs dialogs;
    if (!folder.error.isEmpty()) {
        // Started from the menu there is no terminal that would show the text.
        dialogs.message(QStringLiteral("Duplikon"), folder.error, duplikon::MsgIcon::Critical);
        return 1;
    }

    duplikon::SystemClock clock;
    duplikon::SystemRandom random;
    duplikon::QtClipboard clipboard;
    duplikon::QtPrinter printer;
    // Each loads the audio module and makes its engine only when first used,
    // so none of them slows the start.
    duplikon::AudioModule audio(duplikon::AudioModule::programFolders());
    duplikon::ModuleSpeech speech(&audio);
    int status = 0;
    {
        duplikon::ModuleSound sound(&audio);
        duplikon::ModuleRecorder recorder(&audio);
        const duplikon::Platform platform{&dialogs, &clock, &random, &clipboard, &printer, &speech, &sound, &recorder};

        // A task archive comes into the folder before the start-up lists its task files.
        duplikon::TakenInTask archive;
        if (!start.archive.isNull()) {
            archive = duplikon::takeInTask(QDir::current().absoluteFilePath(start.archive), folder.folder);
            if (!archive.ok)
                print(stderr, QStringLiteral("duplikon: %1\n").arg(QString(archive.message).replace(QLatin1Char('\r'), QLatin1Char(' '))));
        }

        duplikon::MainWindow window(platform, folder.folder, &*extra);
        window.show();
        if (!start.archive.isNull()) {
            // On the board as "L a d e n" puts it there: the panel goes, the title names it.
            if (archive.ok)
                window.openTask(archive.task);
            dialogs.message(QCoreApplication::translate("duplikon::main", "Aufgabe übernehmen"), archive.message,
                            archive.ok ? duplikon::MsgIcon::Information : duplikon::MsgIcon::Exclamation);
        }
        // The close box asks every time, also in the moments when Qt would drop its request.
        duplikon::CloseRequests closeRequests(&window);
        // A signal during the start-up's messages ended their loops only.
        if (!endRequested)
            status = app.exec();
    }
    // A speech service that does not answer may hold the speech thread for
    // long. Then the program ends at once, with its own output written,
    // without unloading the libraries that thread still runs in. (Not every
    // stream is flushed: the speech library's own stream is locked by the
    // thread that waits in it.)
    // The same when a read or write of a stalled server is still under way.
    if (!speech.finish(duplikon::QtSpeech::kEndWaitMilliseconds) || duplikon::offthread::running() > 0) {
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(status);
    }
    return status;
}
