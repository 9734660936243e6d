<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="de_DE">
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
    <name>duplikon::CardBoxPlay</name>
    <message>
        <source>Meine Kartei</source>
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
    <name>duplikon::CheckWindow</name>
    <message>
        <source>Duplikon: Kontrolle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gelöste Aufgaben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrzeit der Lösung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen der gewählten Aufgabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild der gewählten Zeile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::ChildrenModel</name>
    <message>
        <source>%1 gelöst, %2 falsch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kartei</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::ClassList</name>
    <message>
        <source>Die Klassenliste ist keine Textdatei.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::ClassListDialog</name>
    <message>
        <source>&amp;Hinzufügen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Umbenennen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ortieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klassenliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Vornamen der Kinder, wie sie unter „Benutzer“ erscheinen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Klassenliste „%1“ kann nicht gelesen werden: %2<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Zeilen der Klassenliste werden übergangen (zu lang, Steuerzeichen oder mehr als %1 Namen).<byte value="xd"/></source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ein Name hat höchstens %n Zeichen.<byte value="xd"/></source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Ein Name darf keine Steuerzeichen enthalten.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Die Klassenliste hat höchstens %n Namen.<byte value="xd"/></source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ steht schon in der Liste.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname des Kindes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Klassenliste kann nicht gespeichert werden: %1<byte value="xd"/></source>
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
    <name>duplikon::EditorWindow</name>
    <message>
        <source>Mit Strg+G kommt das Bild in die grüne Liste, mit Strg+B in die blaue ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;aktuelle Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;neue Datei ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei &amp;sichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;rbeitsblatt ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe &amp;weitergeben ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe üb&amp;ernehmen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Klassenliste ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bilder einfügen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lösungsbilder einfügen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Großbild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In dieser grünen Liste stehen die linken Teilpaare oder Aufgaben ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In dieser blauen Liste stehen die rechten Teilpaare oder Lösungen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hier die gewünschten Texte eingeben und mit den Symbolen einsetzen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In dieser roten Liste stehen die Quelldateien mit den Daten ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus dieser Ordnerliste einen Ordner durch Anklicken auswählen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus dieser Bildliste ein aktuelles Bild durch Anklicken auswählen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Vorschaubild mit Drag&amp;Drop in das grüne oder blaue Fenster ziehen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplikon: Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfetexte</source>
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
    <message>
        <source>Lernkartei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Lernkartei braucht „Ergebnisse aufbewahren“.</source>
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
    <name>duplikon::Metafile</name>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Metadatei kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu viel Speicher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu lange.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows-Metadateien werden nicht unterstützt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Metadatei ist beschädigt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::MetafileRecords</name>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Metadatei hat zu viele Einträge.</source>
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
    <name>duplikon::PageOutput</name>
    <message>
        <source>Zwischenablage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Seite wurde in die Ablage kopiert ...<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Drucker hat den Auftrag nicht angenommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Seite konnte nicht gedruckt werden.<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die aktuelle Seite wird gedruckt ...  <byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::PairLists</name>
    <message>
        <source>Text einsetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text ersetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text holen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorschau der Listen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text eingeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste %1 hat mehr als %2 Elemente.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::PairsModel</name>
    <message>
        <source>Aufgabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::PictureBrowser</name>
    <message>
        <source>Vorschaubild mit Mausklick schließen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag&amp;Drop ins Farbfeld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So würde das ausgewählte Bild im Großformat für ein Lösungsbild am Ende der Spielreihe aussehen . . .</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImport</name>
    <message>
        <source>Die Datei ist kein Bild, das Duplikon lesen kann.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (mehr als 16384 Bildpunkte an einer Seite oder mehr als 256 MB im Speicher).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild kann nicht umgewandelt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild aus der Zwischenablage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild ist im Format HEIC/HEIF gespeichert, das Duplikon nicht lesen kann. Bitte speichern Sie es als JPEG und fügen Sie es dann ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es gibt schon zu viele Bilder mit diesem Namen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImportActions</name>
    <message>
        <source>Bilder (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilder einfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lösungsbilder einfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n Lösungsbildern sind im Ordner %2.<byte value="xd"/>Neue Lösungsbilder kommen beim nächsten Start von Duplikon dazu.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Bild %1 von %2 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Dateien wurden nicht übernommen:<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Bilder wurden nicht übernommen:<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::PictureLoader</name>
    <message>
        <source>Das Bild kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Bilddatei ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Bilddatei ist unvollständig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Bilddatei ist nicht vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Bilddatei kann nicht geöffnet werden.</source>
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
    <name>duplikon::ResultsTables</name>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlversuche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielweise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pflicht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Züge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mannschaften</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antippen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nein</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsWindow</name>
    <message>
        <source>Ergebnisse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zeitraum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Woche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als &amp;Tabelle speichern ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kinder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lernkartei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Für die ganze Klasse üben:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als A&amp;ufgabe speichern ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein falsches Ablegen zählt beim Paar der gezogenen Hälfte und beim Paar der Hälfte, auf die sie gelegt wurde. Je kräftiger die Farbe, desto größer der Anteil falscher Züge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alle Ergebnisse löschen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Ergebnisse werden gelesen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien gelesen</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Zeilen</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Dateien</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 übersprungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Die Ergebnisse werden gelesen: %1 von %n Dateien</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 – %2 (%3): %n Kinder</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Aufgabe konnte nicht gespeichert werden.<byte value="xd"/>%1<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Paare stehen jetzt in der Aufgabe „%1“.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisse &amp;von %1 löschen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als Tabelle speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabellen (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zur Tabelle „%1“ gehört die Tabelle der Paare „%2“.<byte value="xd"/>„%2“ gibt es schon. Soll sie ersetzt werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tabelle konnte nicht gespeichert werden.<byte value="xd"/>%1<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse von %1 gelöscht werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse aller Kinder gelöscht werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Einträge sind Verknüpfungen oder keine gewöhnlichen Dateien. Sie wurden übersprungen, nichts dahinter wurde gelöscht:<byte value="xd"/>%1<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien konnten nicht gelöscht werden (sie gehören einer anderen Anmeldung).<byte value="xd"/></source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::RunsModel</name>
    <message>
        <source>dd.MM.yyyy hh:mm</source>
        <comment>date and time of a run</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falsch</source>
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
    <name>duplikon::SoundRecording</name>
    <message>
        <source>&amp;Ton aufnehmen ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tonaufnahme beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ton aufnehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Die Aufnahme läuft, höchstens %n Sekunden ...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufnahme ist nicht gelungen.</source>
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
    <name>duplikon::SvgCheck</name>
    <message>
        <source>Das SVG-Bild verweist auf andere Dateien; es wird nicht übernommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das SVG-Bild erklärt eigene Entitäten; es wird nicht übernommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das SVG-Bild wiederholt seine Teile zu oft; es wird nicht übernommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchive</name>
    <message>
        <source>Die Datei ist kein Duplikon-Paket oder ist beschädigt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist größer als 32 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Paket ist ausgepackt größer als 256 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist verdächtig stark gepackt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist größer, als das Paket angibt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist kleiner, als das Paket angibt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>manifest.json ist beschädigt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Paket hat eine Version, die Duplikon nicht kennt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>manifest.json ist unvollständig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Aufgabe im Paket ist zu lang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Zeile der Aufgabe enthält Steuerzeichen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Endung „%1“ gehört zu keinem Bild und keinem Ton.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ton ist kein %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild ist kein %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Das Paket hat mehr als %n Einträge.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ ist verschlüsselt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ steht zweimal im Paket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>manifest.json ist zu groß.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im Paket fehlt manifest.json.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im Paket fehlt „%1“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Zeile „%1“ nennt eine Datei, die nicht im Paket ist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei passt nicht zu ihrer Prüfsumme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Bilder des Pakets sind zusammen zu groß.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveActions</name>
    <message>
        <source>Duplikon-Aufgaben (*.duplikon *.DUPLIKON)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe weitergeben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte zuerst unter „Lerndateien“ eine Aufgabe wählen.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Bilder oder Töne fehlen oder sind beschädigt:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Soll die Aufgabe ohne sie weitergegeben werden?<byte value="xd"/>(An ihrer Stelle steht dann ihr Name als Text.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd"/>%2<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Aufgabe %1 wurde als %2 gespeichert.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveFolder</name>
    <message>
        <source>Es gibt schon zu viele Aufgaben mit diesem Namen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden:<byte value="xd"/>%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>„%1“ hat mehr als %n Zeilen.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Die Bilder und Töne von „%1“ sind zusammen größer als 256 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Paket kann nicht gepackt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ kann nicht übernommen werden:<byte value="xd"/>%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Aufgabe „%1“ wurde übernommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Töne: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicht übernommen, weil sie zu keiner Aufgabe gehören: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Hälfte „%1“ hat keinen Partner: So kann die Aufgabe nicht gelöst werden.</source>
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
    <message numerus="yes">
        <source>Meine Kartei
%n Karten</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Meine Kartei
Keine Karte fällig</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::TaskFilePanel</name>
    <message>
        <source>Datei kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K</source>
        <comment>Alt letter of Datei kopieren</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <comment>Alt letter of Datei drucken</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L</source>
        <comment>Alt letter of Datei löschen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Lerndateien:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 konnte nicht gelesen werden:<byte value="xd"/>%2<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktuelle Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es ist keine Datei ausgewählt.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neue Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie können nun eine neue Datei erstellen.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Listen sind zu lang.,<byte value="xd"/>nur 20 Einträge sind zulässig.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei sichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Namen für die Datei eingeben:<byte value="xd"/>(Nur Endung &apos;.TXT&apos; akzeptiert)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieser Name ist für eine Datei nicht zulässig.<byte value="xd"/>Bitte einen einfachen Namen ohne &quot;/&quot;, &quot;\&quot; und &quot;..&quot; eingeben.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name %1 gehört zu den Einstellungen.<byte value="xd"/>Bitte einen anderen Namen eingeben.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist schon vorhanden,<byte value="xd"/>soll sie überschrieben werden?<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd"/>%2<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wurde gespeichert.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ablage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei wurde in die Ablage kopiert.<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diese Datei jetzt ausdrucken?<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei konnte nicht gedruckt werden:<byte value="xd"/>%1<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die aktuelle Datei wird gedruckt ...  <byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll diese Datei gelöscht werden?<byte value="xd"/><byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 konnte nicht gelöscht werden:<byte value="xd"/>%2<byte value="xd"/></source>
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
    <name>duplikon::WorksheetDialog</name>
    <message>
        <source>&amp;Zuordnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paar&amp;karten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lösungsblatt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Neu mischen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arbeitsblatt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art des Blattes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Ton ist auf Papier nicht zu hören: Auf dem Blatt steht für ihn ein Lautsprecher mit dem Namen der Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Blatt „%1“ wird gedruckt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Listen sind leer.<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Blatt konnte nicht gedruckt werden:<byte value="xd"/>%1<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd"/>%2<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetLayout</name>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mischung Nr. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lösungsblatt: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zum Blatt &quot;Zuordnen&quot; mit Mischung Nr. %1</source>
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
