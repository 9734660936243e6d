// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the bundled demo folder and writes its task files.
// Usage: demogen [folder]   (default: demo)
// Files of the folder that the generator does not make are left alone.

#include "DemoFolder.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    // Painting text needs a GUI application but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.size() > 1 ? args.at(1) : QStringLiteral("demo");

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList written;
    QString error;
    if (!demogen::writeDemoFolder(folder, &written, &error)) {
        err << "demogen: " << error << Qt::endl;
        return 1;
    }
    out << "demogen: " << written.size() << " files written to " << folder << Qt::endl;
    return 0;
}
