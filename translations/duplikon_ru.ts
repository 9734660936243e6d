<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="de_DE">
<context>
    <name>duplikon::AudioModule</name>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::Board</name>
    <message>
        <source>Passt nicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> %n Punkte</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::BoardKeyboard</name>
    <message>
        <source>Reihe %1, Spalte %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ton, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aufgenommen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abgelegt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zurückgelegt</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Richtig! %n Punkte</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::ButtonStrip</name>
    <message>
        <source>Benutzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zweifarbige Fenster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abc kleiner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schrift kleiner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abc größer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schrift größer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::CardBoard</name>
    <message>
        <source>Karte %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verdeckt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mannschaft %1 ist dran</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paar</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paare</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Beide Mannschaften haben gleich viele Paare.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Mannschaften haben gleich viele Paare.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mannschaft %1 hat gewonnen!<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Mannschaften %1 und %2 haben gewonnen!<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::CardPlay</name>
    <message>
        <source>Mannschaften</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::ClassroomConfig</name>
    <message>
        <source> oder </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true oder false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100, 150, 200 oder Bildschirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eine ganze Zahl von -100 bis 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 Die Datei gilt als nicht vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Das ist keine Textdatei. Die Datei gilt als nicht vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Fest] gilt nur in der Datei des Administrators, der Abschnitt wird übergangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannter Abschnitt „[%1]“ wird übergangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“, der Abschnitt wird übergangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“ wird übergangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ steht in keinem Abschnitt und wird übergangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannter Schlüssel „%1“ wird übergangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gilt nur im Abschnitt [Fest] und wird übergangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist kein Wert für %2 (%3) und wird übergangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt oder nicht lesbar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eingebaute Vorgabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, fest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::Dialogs</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::ExtraSettingsDialog</name>
    <message>
        <source>Vom Administrator festgelegt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weitere Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antippen statt Ziehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fenstergröße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die neue Fenstergröße gilt ab dem nächsten Start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisse aufbewahren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sp&amp;rache:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wie das System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Sprachausgabe gefunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stimme:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zuordnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zudecken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mannschaften:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getrennt: erste Hälften oben, zweite unten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beim nächsten Tippen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach 1 Sekunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach 2 Sekunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach 3 Sekunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach 4 Sekunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach 5 Sekunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vom Administrator abgeschaltet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Für diese Sprache gibt es keine Stimme: Meldungen werden nur gezeigt, nicht vorgelesen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deutsch (Vorgabe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (nicht installiert)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd"/>%1<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::FileLists</name>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das ist keine Datei.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::Folders</name>
    <message>
        <source>Der Ordner „%1“ fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im Ordner „%1“ kann nichts angelegt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ kann nicht nach „%2“ kopiert werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::LessonRules</name>
    <message>
        <source>Die Aufgaben werden wiederholt, rufe das nächste Kind.<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dies ist eine Pflichtaufgabe für dich!<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzername eingeben:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Einstellungen wurden vom Administrator gesperrt.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geben Sie das Passwort für diese Funktion ein:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Editor wurde im Zusatzmenü deaktiviert.<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiederholung verweigert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es müssen erst Pflichtaufgaben gewählt werden!<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Programmordner antwortet nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd"/>%1<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::MainWindow</name>
    <message>
        <source>Ordner &apos;DUPBILDER&apos; fehlt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Bildordner für die Lösungsbilder wurde nicht gefunden!<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplikon 1.0 – Paare finden, für Kinder der Grundschule.<byte value="xd"/>https://duplikon.example/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Programm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Autor ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;instellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie die aktuelle Seite drucken?<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieses Programm jetzt beenden?<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::NamePicker</name>
    <message>
        <source>Tippe auf deinen Namen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anderer Name ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::PlaySession</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prima, du hast die Aufgabe gelöst.<byte value="xd"/>Wähle dir eine neue Aufgabe aus!<byte value="xd"/>Klicke dazu im Menü auf &apos;Laden&apos; ...<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontrolle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::PrintSpooler</name>
    <message>
        <source>Der Drucker &quot;%1&quot; ist nicht erreichbar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Drucker &quot;%1&quot; nimmt zurzeit keine Aufträge an.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::QtRecorder</name>
    <message>
        <source>Es läuft schon eine Aufnahme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es schon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Aufnahme kann nicht beginnen: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::RegularFile</name>
    <message>
        <source>Das ist keine Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::Services</name>
    <message>
        <source>Es ist kein Drucker eingerichtet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das PDF konnte nicht angelegt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Drucker &quot;%1&quot; nimmt keinen Auftrag an.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht übergeben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Drucker &quot;%1&quot; hat den Auftrag abgelehnt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Druckauftrag wurde abgelehnt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::SettingsPanel</name>
    <message>
        <source>Vom Administrator gesperrt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen für das Programm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pflichtaufgaben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editor sperren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antworten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quellaufgaben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O k a y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ablage ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weitere ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weitere Einstellungen (Alt+J)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisse ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisse der Kinder (Alt+Q)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Hintergrund wird durch fortwährenden Klick auf die<byte value="xd"/>beiden Farbflächen &apos;Fragen&apos; und &apos;Antworten&apos; eingestellt.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::SolutionPicture</name>
    <message>
        <source>Bildfehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es ist kein Lösungbild (PAARE*.*) vorhanden!<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::StartFolder</name>
    <message>
        <source>unbekannte Sprache „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbekannte Option „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nur ein Ordner oder eine Aufgabendatei, nicht auch „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Aufgabendatei „%1“ wurde nicht gefunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner „%1“ wurde nicht gefunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist eine Datei, kein Ordner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufruf: duplikon [ORDNER | DATEI.TXT | PAKET.duplikon]
Duplikon – Paare finden und zuordnen, ein Übungsprogramm für Kinder.

Duplikon arbeitet in einem Ordner: Aufgabendateien *.TXT und ihre Bilder,
Lösungsbilder in DUPBILDER/, Einstellungen in DUPLIKON.INI.

  ORDNER       in diesem Ordner arbeiten
  DATEI.TXT    im Ordner dieser Aufgabendatei arbeiten
  PAKET.duplikon
               die weitergegebene Aufgabe dieses Pakets mit ihren Bildern
               und Tönen übernehmen und spielen: in den aktuellen Ordner,
               mit --menue in den Ordner „Duplikon“ unter den Dokumenten
  (ohne)       im aktuellen Ordner arbeiten
  --menue      wie aus dem Startmenü: ohne ORDNER im Ordner „Duplikon“ unter
               den Dokumenten arbeiten, der beim ersten Start als Kopie der
               Beispielaufgaben angelegt wird; Fehler auch als Meldung zeigen
  --einstellungen
               die Werte aus duplikon.conf zeigen, jeden mit seiner Herkunft,
               dann übergangene Zeilen
  --sprache CODE
               in dieser Sprache arbeiten, nur diesmal: de, en, uk, ar, tr,
               ru, pl, fa oder System (die Sprache des Desktops)
  --help       diese Hilfe zeigen
  --version    die Version zeigen

Rückgabewert: 0, wenn alles in Ordnung ist; 1, wenn der Ordner fehlt oder
nicht gelesen werden kann; 2 bei falschem Aufruf.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplikon %1
Lizenz: GPL-3.0 oder neuer &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::TaskChoice</name>
    <message>
        <source>Datei-Wahl:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei-Inhalt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorschau:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L a d e n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es sind keine Dateien vorhanden!<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::TextFiles</name>
    <message>
        <source>In den Ordner kann nicht geschrieben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei kann nicht vollständig geschrieben werden; der Datenträger ist voll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei kann nicht angelegt werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::main</name>
    <message>
        <source>duplikon: %1
Mehr mit „duplikon --help“.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
