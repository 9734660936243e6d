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
#include "platform/Folders.h"
#include "platform/Fonts.h"
#include "platform/KeyboardAccess.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

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
    const duplikon::StartArguments start = duplikon::parseStartArguments(arguments);
    switch (start.action) {
    case duplikon::StartArguments::Action::Help:
        print(stdout, duplikon::helpText());
        return 0;
    case duplikon::StartArguments::Action::Version:
        print(stdout, duplikon::versionText(QStringLiteral(DUPLIKON_VERSION)));
        return 0;
    case duplikon::StartArguments::Action::ShowSettings:
        // Needs no display: what holds and why, for an administrator.
        print(stdout, duplikon::ClassroomConfig(duplikon::ClassroomConfigFiles::fromEnvironment()).report());
        return 0;
    case duplikon::StartArguments::Action::Usage:
        print(stderr, QStringLiteral("duplikon: %1\nMehr mit „duplikon --help“.\n").arg(start.error));
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

    // The added settings of duplikon.conf; Qt takes the window size from the
    // environment when the application object is made.
    duplikon::ClassroomConfig extra(duplikon::ClassroomConfigFiles::fromEnvironment());
    for (const QString &problem : extra.problems())
        print(stderr, QStringLiteral("duplikon: %1\n").arg(problem));
    duplikon::prepareWindowScale(extra.value(duplikon::config::windowSize), argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Duplikon"));
    QApplication::setDesktopFileName(QStringLiteral("example.duplikon.Duplikon"));
    QApplication::setQuitOnLastWindowClosed(false);
    duplikon::installFontSubstitutes();
    // Underlined letters only while Alt is held; Alt alone and F10 open the menu bar.
    QApplication::setStyle(new duplikon::KeyboardStyle);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("example.duplikon.Duplikon")));

    // Buttons and standard texts of Qt read in German, as on the systems the
    // program is made for.
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtGerman);

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

        duplikon::MainWindow window(platform, folder.folder, &extra);
        window.show();
        if (!start.archive.isNull()) {
            // On the board as "L a d e n" puts it there: the panel goes, the title names it.
            if (archive.ok)
                window.openTask(archive.task);
            dialogs.message(QStringLiteral("Aufgabe übernehmen"), archive.message,
                            archive.ok ? duplikon::MsgIcon::Information : duplikon::MsgIcon::Exclamation);
        }
        // The close box asks every time, also in the moments when Qt would drop its request.
        duplikon::CloseRequests closeRequests(&window);
        status = app.exec();
    }
    // A speech service that does not answer may hold the speech thread for
    // long. Then the program ends at once, with its own output written,
    // without unloading the libraries that thread still runs in. (Not every
    // stream is flushed: the speech library's own stream is locked by the
    // thread that waits in it.)
    if (!speech.finish(duplikon::QtSpeech::kEndWaitMilliseconds)) {
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(status);
    }
    return status;
}
