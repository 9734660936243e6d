// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartFolder.h"

#include "platform/Folders.h"
#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace duplikon {

StartArguments parseStartArguments(const QStringList &arguments)
{
    StartArguments result;
    bool optionsEnd = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (!optionsEnd && (a == QLatin1String("--sprache") || a.startsWith(QLatin1String("--sprache=")))) {
            const bool joined = a.contains(QLatin1Char('='));
            const QString code = joined ? a.section(QLatin1Char('='), 1) : arguments.value(++i);
            const QStringList values = languageSettingValues();
            const auto known = std::find_if(values.cbegin(), values.cend(), [&code](const QString &v) {
                return v.compare(code, Qt::CaseInsensitive) == 0;
            });
            if (known == values.cend() && result.action == StartArguments::Action::Run) {
                result.action = StartArguments::Action::Usage;
                result.error = QCoreApplication::translate("duplikon::StartFolder", "unbekannte Sprache „%1“").arg(code);
            } else if (known != values.cend()) {
                result.language = *known;
            }
        } else if (!optionsEnd && a == QLatin1String("--")) {
            optionsEnd = true;
        } else if (!optionsEnd && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            result.action = StartArguments::Action::Help;
            return result;
        } else if (!optionsEnd && a == QLatin1String("--version")) {
            result.action = StartArguments::Action::Version;
            return result;
        } else if (!optionsEnd && a == QLatin1String("--einstellungen")) {
            result.action = StartArguments::Action::ShowSettings;
            return result;
        } else if (!optionsEnd && a == QLatin1String("--menue")) {
            result.menu = true;
        } else if (!optionsEnd && a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            result.action = StartArguments::Action::Usage;
            result.error = QCoreApplication::translate("duplikon::StartFolder", "unbekannte Option „%1“").arg(a);
        } else if (result.path.isNull() && result.archive.isNull()) {
            (a.endsWith(QLatin1String(".duplikon"), Qt::CaseInsensitive) ? result.archive : result.path) = a;
        } else {
            result.action = StartArguments::Action::Usage;
            result.error = QCoreApplication::translate("duplikon::StartFolder", "nur ein Ordner oder eine Aufgabendatei, nicht auch „%1“").arg(a);
        }
    }
    return result;
}

QString teacherFolder(const QString &documentsFolder)
{
    return QDir::cleanPath(documentsFolder + QStringLiteral("/Duplikon"));
}

StartFolder chooseStartFolder(const StartArguments &arguments, const QString &currentFolder,
                              const QString &documentsFolder, const QString &demoFolder)
{
    if (arguments.path.isNull() && !arguments.menu)
        return {currentFolder, {}};

    QString folder;
    if (!arguments.path.isNull()) {
        const QString named = QDir::cleanPath(QDir(currentFolder).absoluteFilePath(arguments.path));
        switch (pathKind(named)) {
        case PathKind::Missing:
            if (named.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
                return {{}, QCoreApplication::translate("duplikon::StartFolder", "Die Aufgabendatei „%1“ wurde nicht gefunden.").arg(named)};
            return {{}, QCoreApplication::translate("duplikon::StartFolder", "Der Ordner „%1“ wurde nicht gefunden.").arg(named)};
        case PathKind::File:
            folder = QFileInfo(named).absolutePath();
            break;
        case PathKind::Folder:
            folder = named;
            break;
        }
    } else {
        folder = teacherFolder(documentsFolder);
        if (pathKind(folder) == PathKind::Missing) {
            QString why;
            if (!copyFolderAsNew(demoFolder, folder, &why))
                return {{}, QCoreApplication::translate("duplikon::StartFolder", "Der Ordner „%1“ kann nicht angelegt werden.\n%2").arg(folder, why)};
        } else if (pathKind(folder) == PathKind::File) {
            return {{}, QCoreApplication::translate("duplikon::StartFolder", "„%1“ ist eine Datei, kein Ordner.").arg(folder)};
        }
    }
    if (!isReadableFolder(folder))
        return {{}, QCoreApplication::translate("duplikon::StartFolder", "Der Ordner „%1“ kann nicht gelesen werden.").arg(folder)};
    return {folder, {}};
}

QString helpText()
{
    return QCoreApplication::translate("duplikon::StartFolder",
        "Aufruf: duplikon [ORDNER | DATEI.TXT | PAKET.duplikon]\n"
        "Duplikon – Paare finden und zuordnen, ein Übungsprogramm für Kinder.\n"
        "\n"
        "Duplikon arbeitet in einem Ordner: Aufgabendateien *.TXT und ihre Bilder,\n"
        "Lösungsbilder in DUPBILDER/, Einstellungen in DUPLIKON.INI.\n"
        "\n"
        "  ORDNER       in diesem Ordner arbeiten\n"
        "  DATEI.TXT    im Ordner dieser Aufgabendatei arbeiten\n"
        "  PAKET.duplikon\n"
        "               die weitergegebene Aufgabe dieses Pakets mit ihren Bildern\n"
        "               und Tönen übernehmen und spielen: in den aktuellen Ordner,\n"
        "               mit --menue in den Ordner „Duplikon“ unter den Dokumenten\n"
        "  (ohne)       im aktuellen Ordner arbeiten\n"
        "  --menue      wie aus dem Startmenü: ohne ORDNER im Ordner „Duplikon“ unter\n"
        "               den Dokumenten arbeiten, der beim ersten Start als Kopie der\n"
        "               Beispielaufgaben angelegt wird; Fehler auch als Meldung zeigen\n"
        "  --einstellungen\n"
        "               die Werte aus duplikon.conf zeigen, jeden mit seiner Herkunft,\n"
        "               dann übergangene Zeilen\n"
        "  --sprache CODE\n"
        "               in dieser Sprache arbeiten, nur diesmal: de, en, uk, ar, tr,\n"
        "               ru, pl, fa oder System (die Sprache des Desktops)\n"
        "  --help       diese Hilfe zeigen\n"
        "  --version    die Version zeigen\n"
        "\n"
        "Rückgabewert: 0, wenn alles in Ordnung ist; 1, wenn der Ordner fehlt oder\n"
        "nicht gelesen werden kann; 2 bei falschem Aufruf.\n");
}

QString versionText(const QString &version)
{
    return QCoreApplication::translate("duplikon::StartFolder",
                                       "Duplikon %1\n"
                                       "Lizenz: GPL-3.0 oder neuer <https://www.gnu.org/licenses/gpl-3.0.html>\n"
                          "Dies ist freie Software: Sie dürfen sie verändern und weitergeben.\n"
                          "Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.\n")
        .arg(version);
}

} // namespace duplikon
