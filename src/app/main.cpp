// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Duplikon"));
    QApplication::setQuitOnLastWindowClosed(false);
    duplikon::installFontSubstitutes();
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("duplikon")));

    // Buttons and standard texts of Qt read in German, as on the systems the
    // program is made for.
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtGerman);

    duplikon::QtDialogs dialogs;
    duplikon::SystemClock clock;
    duplikon::SystemRandom random;
    duplikon::QtClipboard clipboard;
    duplikon::QtPrinter printer;
    const duplikon::Platform platform{&dialogs, &clock, &random, &clipboard, &printer};

    duplikon::MainWindow window(platform, QDir::currentPath());
    window.show();
    return app.exec();
}
