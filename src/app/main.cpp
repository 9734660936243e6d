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
    dup::installFontSubstitutes();
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("duplikon")));

    // Buttons and standard texts of Qt read in German, as on the systems the
    // program is made for.
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtGerman);

    dup::QtDialogs dialogs;
    dup::SystemClock clock;
    dup::SystemRandom random;
    dup::QtClipboard clipboard;
    dup::QtPrinter printer;
    const dup::Platform platform{&dialogs, &clock, &random, &clipboard, &printer};

    dup::MainWindow window(platform, QDir::currentPath());
    window.show();
    return app.exec();
}
