<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>duplikon::AudioModule</name>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>No microphone is connected.</translation>
    </message>
</context>
<context>
    <name>duplikon::Board</name>
    <message>
        <source>Passt nicht</source>
        <translation>Doesn’t match</translation>
    </message>
    <message numerus="yes">
        <source> %n Punkte</source>
        <translation>
            <numerusform> %n point</numerusform>
            <numerusform> %n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::BoardKeyboard</name>
    <message>
        <source>Reihe %1, Spalte %2</source>
        <translation>Row %1, column %2</translation>
    </message>
    <message>
        <source>Bild, %1</source>
        <translation>Picture, %1</translation>
    </message>
    <message>
        <source>Ton, %1</source>
        <translation>Sound, %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>aufgenommen</source>
        <translation>picked up</translation>
    </message>
    <message>
        <source>abgelegt</source>
        <translation>put down</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>Doesn’t match</translation>
    </message>
    <message>
        <source>zurückgelegt</source>
        <translation>put back</translation>
    </message>
    <message numerus="yes">
        <source>Richtig! %n Punkte</source>
        <translation>
            <numerusform>Right! %n point</numerusform>
            <numerusform>Right! %n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::ButtonStrip</name>
    <message>
        <source>Benutzer</source>
        <translation>User</translation>
    </message>
    <message>
        <source>zweifarbige Fenster</source>
        <translation>Two-coloured windows</translation>
    </message>
    <message>
        <source>Abc kleiner</source>
        <translation>Abc smaller</translation>
    </message>
    <message>
        <source>Schrift kleiner</source>
        <translation>Smaller font</translation>
    </message>
    <message>
        <source>Abc größer</source>
        <translation>Abc larger</translation>
    </message>
    <message>
        <source>Schrift größer</source>
        <translation>Larger font</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>duplikon::CardBoard</name>
    <message>
        <source>Karte %1, %2</source>
        <translation>Card %1, %2</translation>
    </message>
    <message>
        <source>verdeckt</source>
        <translation>face down</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>Doesn’t match</translation>
    </message>
    <message>
        <source>Mannschaft %1 ist dran</source>
        <translation>It’s Team %1’s turn</translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paar</source>
        <translation>
            <numerusform>Team %1
%n pair</numerusform>
            <numerusform>Team %1
%n pairs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paare</source>
        <translation>
            <numerusform>Team %1
%n pair</numerusform>
            <numerusform>Team %1
%n pairs</numerusform>
        </translation>
    </message>
    <message>
        <source>Beide Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>Both teams have the same number of pairs.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Alle Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>All teams have the same number of pairs.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Mannschaft %1 hat gewonnen!<byte value="xd" /></source>
        <translation>Team %1 has won!<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Mannschaften %1 und %2 haben gewonnen!<byte value="xd" /></source>
        <translation>Teams %1 and %2 have won!<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::CardPlay</name>
    <message>
        <source>Mannschaften</source>
        <translation>Teams</translation>
    </message>
</context>
<context>
    <name>duplikon::CheckWindow</name>
    <message>
        <source>Duplikon: Kontrolle</source>
        <translation>Duplikon: Check</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Gelöste Aufgaben</source>
        <translation>Solved tasks</translation>
    </message>
    <message>
        <source>Uhrzeit der Lösung</source>
        <translation>Time solved</translation>
    </message>
    <message>
        <source>Zeilen der gewählten Aufgabe</source>
        <translation>Lines of the chosen task</translation>
    </message>
    <message>
        <source>Bild der gewählten Zeile</source>
        <translation>Picture of the chosen line</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>The file %1 cannot be read.<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ChildrenModel</name>
    <message>
        <source>%1 gelöst, %2 falsch</source>
        <translation>%1 solved, %2 wrong</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Child</translation>
    </message>
    <message>
        <source>Kartei</source>
        <translation>Card box</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassList</name>
    <message>
        <source>Die Klassenliste ist keine Textdatei.</source>
        <translation>The class list is not a text file.</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassListDialog</name>
    <message>
        <source>&amp;Hinzufügen ...</source>
        <translation>&amp;Add ...</translation>
    </message>
    <message>
        <source>&amp;Umbenennen ...</source>
        <translation>&amp;Rename ...</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>S&amp;ortieren</source>
        <translation>S&amp;ort</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Klassenliste</source>
        <translation>Class list</translation>
    </message>
    <message>
        <source>Die Vornamen der Kinder, wie sie unter „Benutzer“ erscheinen:</source>
        <translation>The children’s first names, as they appear when you click “User”:</translation>
    </message>
    <message>
        <source>Die Klassenliste „%1“ kann nicht gelesen werden: %2<byte value="xd" /></source>
        <translation>The class list “%1” cannot be read: %2<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Zeilen der Klassenliste werden übergangen (zu lang, Steuerzeichen oder mehr als %1 Namen).<byte value="xd" /></source>
        <translation>
            <numerusform>%n line of the class list is skipped (too long, control characters or more than %1 names).<byte value="xd" /></numerusform>
            <numerusform>%n lines of the class list are skipped (too long, control characters or more than %1 names).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ein Name hat höchstens %n Zeichen.<byte value="xd" /></source>
        <translation>
            <numerusform>A name can have at most %n character.<byte value="xd" /></numerusform>
            <numerusform>A name can have at most %n characters.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>Ein Name darf keine Steuerzeichen enthalten.<byte value="xd" /></source>
        <translation>A name must not contain control characters.<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Die Klassenliste hat höchstens %n Namen.<byte value="xd" /></source>
        <translation>
            <numerusform>The class list holds at most %n name.<byte value="xd" /></numerusform>
            <numerusform>The class list holds at most %n names.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ steht schon in der Liste.<byte value="xd" /></source>
        <translation>“%1” is already in the list.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Vorname des Kindes:</source>
        <translation>The child’s first name:</translation>
    </message>
    <message>
        <source>Die Klassenliste kann nicht gespeichert werden: %1<byte value="xd" /></source>
        <translation>The class list cannot be saved: %1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ClassroomConfig</name>
    <message>
        <source> oder </source>
        <translation> or </translation>
    </message>
    <message>
        <source>true oder false</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>100, 150, 200 oder Bildschirm</source>
        <translation>100, 150, 200 or Bildschirm</translation>
    </message>
    <message>
        <source>eine ganze Zahl von -100 bis 100</source>
        <translation>a whole number from -100 to 100</translation>
    </message>
    <message>
        <source>ein Text</source>
        <translation>a text</translation>
    </message>
    <message>
        <source>%1: %2 Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: %2 The file is treated as missing.</translation>
    </message>
    <message>
        <source>%1: Das ist keine Textdatei. Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: This is not a text file. The file is treated as missing.</translation>
    </message>
    <message>
        <source>[Fest] gilt nur in der Datei des Administrators, der Abschnitt wird übergangen.</source>
        <translation>[Fest] is valid only in the administrator’s file; the section is skipped.</translation>
    </message>
    <message>
        <source>Unbekannter Abschnitt „[%1]“ wird übergangen.</source>
        <translation>Unknown section “[%1]” is skipped.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“, der Abschnitt wird übergangen.</source>
        <translation>Damaged line “%1”; the section is skipped.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“ wird übergangen.</source>
        <translation>Damaged line “%1” is skipped.</translation>
    </message>
    <message>
        <source>„%1“ steht in keinem Abschnitt und wird übergangen.</source>
        <translation>“%1” is not in any section and is skipped.</translation>
    </message>
    <message>
        <source>Unbekannter Schlüssel „%1“ wird übergangen.</source>
        <translation>Unknown key “%1” is skipped.</translation>
    </message>
    <message>
        <source>%1 gilt nur im Abschnitt [Fest] und wird übergangen.</source>
        <translation>%1 is valid only in the section [Fest] and is skipped.</translation>
    </message>
    <message>
        <source>„%1“ ist kein Wert für %2 (%3) und wird übergangen.</source>
        <translation>“%1” is not a valid value for %2 (%3) and is skipped.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt oder nicht lesbar.</source>
        <translation>The file %1 is damaged or cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>eingebaute Vorgabe</source>
        <translation>built-in default</translation>
    </message>
    <message>
        <source>, fest</source>
        <translation>, fixed</translation>
    </message>
</context>
<context>
    <name>duplikon::Dialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>duplikon::EditorWindow</name>
    <message>
        <source>Mit Strg+G kommt das Bild in die grüne Liste, mit Strg+B in die blaue ...</source>
        <translation>Ctrl+G puts the picture into the green list, Ctrl+B into the blue one ...</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;aktuelle Datei</source>
        <translation>&amp;Current file</translation>
    </message>
    <message>
        <source>&amp;neue Datei ...</source>
        <translation>&amp;New file ...</translation>
    </message>
    <message>
        <source>Datei &amp;sichern</source>
        <translation>&amp;Save file</translation>
    </message>
    <message>
        <source>A&amp;rbeitsblatt ...</source>
        <translation>&amp;Worksheet ...</translation>
    </message>
    <message>
        <source>Aufgabe &amp;weitergeben ...</source>
        <translation>&amp;Export task ...</translation>
    </message>
    <message>
        <source>Aufgabe üb&amp;ernehmen ...</source>
        <translation>I&amp;mport task ...</translation>
    </message>
    <message>
        <source>&amp;Klassenliste ...</source>
        <translation>C&amp;lass list ...</translation>
    </message>
    <message>
        <source>&amp;Bilder einfügen ...</source>
        <translation>&amp;Insert pictures ...</translation>
    </message>
    <message>
        <source>&amp;Lösungsbilder einfügen ...</source>
        <translation>Insert &amp;reward pictures ...</translation>
    </message>
    <message>
        <source>&amp;Großbild</source>
        <translation>&amp;Large picture</translation>
    </message>
    <message>
        <source>In dieser grünen Liste stehen die linken Teilpaare oder Aufgaben ...</source>
        <translation>This green list holds the left halves of the pairs, or the questions ...</translation>
    </message>
    <message>
        <source>In dieser blauen Liste stehen die rechten Teilpaare oder Lösungen ...</source>
        <translation>This blue list holds the right halves of the pairs, or the answers ...</translation>
    </message>
    <message>
        <source>Hier die gewünschten Texte eingeben und mit den Symbolen einsetzen ...</source>
        <translation>Type the texts you want here and insert them with the buttons ...</translation>
    </message>
    <message>
        <source>In dieser roten Liste stehen die Quelldateien mit den Daten ...</source>
        <translation>This red list holds the source files with the data ...</translation>
    </message>
    <message>
        <source>Aus dieser Ordnerliste einen Ordner durch Anklicken auswählen ...</source>
        <translation>Click a folder in this folder list to choose it ...</translation>
    </message>
    <message>
        <source>Aus dieser Bildliste ein aktuelles Bild durch Anklicken auswählen ...</source>
        <translation>Click a picture in this picture list to choose it ...</translation>
    </message>
    <message>
        <source>Das Vorschaubild mit Drag&amp;Drop in das grüne oder blaue Fenster ziehen ...</source>
        <translation>Drag the preview picture into the green or the blue window ...</translation>
    </message>
    <message>
        <source>Duplikon: Editor</source>
        <translation>Duplikon: Editor</translation>
    </message>
    <message>
        <source>Hilfetexte</source>
        <translation>Help texts</translation>
    </message>
</context>
<context>
    <name>duplikon::ExtraSettingsDialog</name>
    <message>
        <source>Vom Administrator festgelegt</source>
        <translation>Set by the administrator</translation>
    </message>
    <message>
        <source>Weitere Einstellungen</source>
        <translation>More settings</translation>
    </message>
    <message>
        <source>Antippen statt Ziehen</source>
        <translation>Tap instead of dragging</translation>
    </message>
    <message>
        <source>Fenstergröße</source>
        <translation>Window size</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Die neue Fenstergröße gilt ab dem nächsten Start.</source>
        <translation>The new window size takes effect the next time Duplikon starts.</translation>
    </message>
    <message>
        <source>Ergebnisse aufbewahren</source>
        <translation>Keep results</translation>
    </message>
    <message>
        <source>Sp&amp;rache:</source>
        <translation>&amp;Language:</translation>
    </message>
    <message>
        <source>Wie das System</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Vorlesen</source>
        <translation>Read aloud</translation>
    </message>
    <message>
        <source>Keine Sprachausgabe gefunden</source>
        <translation>No speech output found</translation>
    </message>
    <message>
        <source>&amp;Stimme:</source>
        <translation>&amp;Voice:</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>S&amp;peed:</translation>
    </message>
    <message>
        <source>Spielart</source>
        <translation>Kind of game</translation>
    </message>
    <message>
        <source>Zuordnen</source>
        <translation>Matching</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>Turning cards over</translation>
    </message>
    <message>
        <source>&amp;Paare:</source>
        <translation>P&amp;airs:</translation>
    </message>
    <message>
        <source>&amp;Zudecken:</source>
        <translation>&amp;Cover cards:</translation>
    </message>
    <message>
        <source>&amp;Mannschaften:</source>
        <translation>&amp;Teams:</translation>
    </message>
    <message>
        <source>Getrennt: erste Hälften oben, zweite unten</source>
        <translation>Separate: first halves at the top, second halves at the bottom</translation>
    </message>
    <message>
        <source>beim nächsten Tippen</source>
        <translation>on the next tap</translation>
    </message>
    <message>
        <source>nach 1 Sekunde</source>
        <translation>after 1 second</translation>
    </message>
    <message>
        <source>nach 2 Sekunden</source>
        <translation>after 2 seconds</translation>
    </message>
    <message>
        <source>nach 3 Sekunden</source>
        <translation>after 3 seconds</translation>
    </message>
    <message>
        <source>nach 4 Sekunden</source>
        <translation>after 4 seconds</translation>
    </message>
    <message>
        <source>nach 5 Sekunden</source>
        <translation>after 5 seconds</translation>
    </message>
    <message>
        <source>Vom Administrator abgeschaltet</source>
        <translation>Switched off by the administrator</translation>
    </message>
    <message>
        <source>Für diese Sprache gibt es keine Stimme: Meldungen werden nur gezeigt, nicht vorgelesen.</source>
        <translation>There is no voice for this language: messages are only shown, not read aloud.</translation>
    </message>
    <message>
        <source>Deutsch (Vorgabe)</source>
        <translation>German (default)</translation>
    </message>
    <message>
        <source>%1 (nicht installiert)</source>
        <translation>%1 (not installed)</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>The settings could not be saved.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Lernkartei</source>
        <translation>Card box</translation>
    </message>
    <message>
        <source>Die Lernkartei braucht „Ergebnisse aufbewahren“.</source>
        <translation>The card box needs “Keep results”.</translation>
    </message>
</context>
<context>
    <name>duplikon::FileLists</name>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>This is not a file.</translation>
    </message>
</context>
<context>
    <name>duplikon::Folders</name>
    <message>
        <source>Der Ordner „%1“ fehlt.</source>
        <translation>The folder “%1” is missing.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>The folder “%1” cannot be created.</translation>
    </message>
    <message>
        <source>Im Ordner „%1“ kann nichts angelegt werden.</source>
        <translation>Nothing can be created in the folder “%1”.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht nach „%2“ kopiert werden.</source>
        <translation>“%1” cannot be copied to “%2”.</translation>
    </message>
</context>
<context>
    <name>duplikon::LessonRules</name>
    <message>
        <source>Die Aufgaben werden wiederholt, rufe das nächste Kind.<byte value="xd" /><byte value="xd" /></source>
        <translation>The tasks start again now. Please call the next child.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Dies ist eine Pflichtaufgabe für dich!<byte value="xd" /><byte value="xd" /></source>
        <translation>This is a task you need to do!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>Your name</translation>
    </message>
    <message>
        <source>Benutzername eingeben:</source>
        <translation>Type your name:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Die Einstellungen wurden vom Administrator gesperrt.<byte value="xd" /></source>
        <translation>The settings have been locked by the administrator.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Geben Sie das Passwort für diese Funktion ein:</source>
        <translation>Enter the password for this function:</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Der Editor wurde im Zusatzmenü deaktiviert.<byte value="xd" /><byte value="xd" /></source>
        <translation>The editor has been locked in the settings.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung verweigert</source>
        <translation>Repeat not possible</translation>
    </message>
    <message>
        <source>Es müssen erst Pflichtaufgaben gewählt werden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Choose the mandatory tasks first!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Programmordner antwortet nicht.</source>
        <translation>The program folder is not responding.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>The settings could not be saved.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::MainWindow</name>
    <message>
        <source>Ordner 'DUPBILDER' fehlt:</source>
        <translation>The folder “DUPBILDER” is missing:</translation>
    </message>
    <message>
        <source>Der Bildordner für die Lösungsbilder wurde nicht gefunden!<byte value="xd" /><byte value="xd" /></source>
        <translation>The picture folder for the reward pictures was not found!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Duplikon 1.0 – Paare finden, für Kinder der Grundschule.<byte value="xd" />https://duplikon.example/</source>
        <translation>Duplikon 1.0 – finding pairs, for primary-school children.<byte value="xd" />https://duplikon.example/</translation>
    </message>
    <message>
        <source>&amp;Programm</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Autor ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <source>&amp;Laden</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>&amp;Editor</translation>
    </message>
    <message>
        <source>E&amp;instellungen</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Wollen Sie die aktuelle Seite drucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>Do you want to print the current page?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Dieses Programm jetzt beenden?<byte value="xd" /><byte value="xd" /></source>
        <translation>Quit this program now?<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::Metafile</name>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>No room for the picture.</translation>
    </message>
    <message>
        <source>Die Metadatei kann nicht gelesen werden.</source>
        <translation>The metafile cannot be read.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu viel Speicher.</source>
        <translation>The metafile needs too much memory.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>The picture is too large.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu lange.</source>
        <translation>The metafile takes too long.</translation>
    </message>
    <message>
        <source>Windows-Metadateien werden nicht unterstützt.</source>
        <translation>Windows metafiles are not supported.</translation>
    </message>
    <message>
        <source>Die Metadatei ist beschädigt.</source>
        <translation>The metafile is damaged.</translation>
    </message>
</context>
<context>
    <name>duplikon::MetafileRecords</name>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>The picture file is too large.</translation>
    </message>
    <message>
        <source>Die Metadatei hat zu viele Einträge.</source>
        <translation>The metafile has too many records.</translation>
    </message>
</context>
<context>
    <name>duplikon::NamePicker</name>
    <message>
        <source>Tippe auf deinen Namen:</source>
        <translation>Tap your name:</translation>
    </message>
    <message>
        <source>Anderer Name ...</source>
        <translation>Another name ...</translation>
    </message>
</context>
<context>
    <name>duplikon::PageOutput</name>
    <message>
        <source>Zwischenablage</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>Die Seite wurde in die Ablage kopiert ...<byte value="xd" /><byte value="xd" /></source>
        <translation>The page was copied to the clipboard ...<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Drucker hat den Auftrag nicht angenommen.</source>
        <translation>The printer did not accept the job.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Die Seite konnte nicht gedruckt werden.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></source>
        <translation>The page could not be printed.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Seite wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>Printing the current page ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::PairLists</name>
    <message>
        <source>Text einsetzen</source>
        <translation>Insert text</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Text ersetzen</source>
        <translation>Replace text</translation>
    </message>
    <message>
        <source>Text holen</source>
        <translation>Fetch text</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Text löschen</source>
        <translation>Delete text</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> Preview:</translation>
    </message>
    <message>
        <source>Vorschau der Listen</source>
        <translation>Preview of the lists</translation>
    </message>
    <message>
        <source>Text eingeben</source>
        <translation>Enter text</translation>
    </message>
    <message>
        <source>Liste %1 hat mehr als %2 Elemente.</source>
        <translation>List %1 has more than %2 entries.</translation>
    </message>
</context>
<context>
    <name>duplikon::PairsModel</name>
    <message>
        <source>Aufgabe</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>Half 1</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>Half 2</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Wrong</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureBrowser</name>
    <message>
        <source>Vorschaubild mit Mausklick schließen ...</source>
        <translation>Click to close the preview ...</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> Preview:</translation>
    </message>
    <message>
        <source>Drag&amp;Drop ins Farbfeld</source>
        <translation>Drag into the coloured field</translation>
    </message>
    <message>
        <source>So würde das ausgewählte Bild im Großformat für ein Lösungsbild am Ende der Spielreihe aussehen . . .</source>
        <translation>This is how the chosen picture would look as a large reward picture at the end of a round . . .</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImport</name>
    <message>
        <source>Die Datei ist kein Bild, das Duplikon lesen kann.</source>
        <translation>The file is not a picture Duplikon can read.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>The file is not a sound Duplikon can play.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>The picture is damaged or incomplete.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (mehr als 16384 Bildpunkte an einer Seite oder mehr als 256 MB im Speicher).</source>
        <translation>The picture is too large (more than 16384 pixels on one side or more than 256 MB in memory).</translation>
    </message>
    <message>
        <source>Das Bild kann nicht umgewandelt werden.</source>
        <translation>The picture cannot be converted.</translation>
    </message>
    <message>
        <source>Bild aus der Zwischenablage</source>
        <translation>Picture from the clipboard</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Das Bild ist im Format HEIC/HEIF gespeichert, das Duplikon nicht lesen kann. Bitte speichern Sie es als JPEG und fügen Sie es dann ein.</source>
        <translation>The picture is saved as HEIC/HEIF, which Duplikon cannot read. Please save it as a JPEG and then insert it.</translation>
    </message>
    <message>
        <source>Es gibt schon zu viele Bilder mit diesem Namen.</source>
        <translation>There are already too many pictures with this name.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>The folder “%1” cannot be created.</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImportActions</name>
    <message>
        <source>Bilder (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>Bilder einfügen</source>
        <translation>Insert pictures</translation>
    </message>
    <message>
        <source>Lösungsbilder einfügen</source>
        <translation>Insert reward pictures</translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n Lösungsbildern sind im Ordner %2.<byte value="xd" />Neue Lösungsbilder kommen beim nächsten Start von Duplikon dazu.</source>
        <translation>
            <numerusform>%1 of %n reward picture is in the folder %2.<byte value="xd" />New reward pictures are added the next time Duplikon starts.</numerusform>
            <numerusform>%1 of %n reward pictures are in the folder %2.<byte value="xd" />New reward pictures are added the next time Duplikon starts.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bild %1 von %2 ...</source>
        <translation>Picture %1 of %2 ...</translation>
    </message>
    <message>
        <source>Diese Dateien wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>These files were not inserted:<byte value="xd" />%1</translation>
    </message>
    <message>
        <source>Diese Bilder wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>These pictures were not inserted:<byte value="xd" />%1</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureLoader</name>
    <message>
        <source>Das Bild kann nicht gelesen werden.</source>
        <translation>The picture cannot be read.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>The picture is too large.</translation>
    </message>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>No room for the picture.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist leer.</source>
        <translation>The picture file is empty.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist unvollständig.</source>
        <translation>The picture file is incomplete.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist nicht vorhanden.</source>
        <translation>The picture file does not exist.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>The picture file is too large.</translation>
    </message>
    <message>
        <source>Die Bilddatei kann nicht geöffnet werden.</source>
        <translation>The picture file cannot be opened.</translation>
    </message>
</context>
<context>
    <name>duplikon::PlaySession</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>The file %1 cannot be read.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Prima, du hast die Aufgabe gelöst.<byte value="xd" />Wähle dir eine neue Aufgabe aus!<byte value="xd" />Klicke dazu im Menü auf 'Laden' ...<byte value="xd" /></source>
        <translation>Great, you have solved the task!<byte value="xd" />Now choose a new task!<byte value="xd" />To do that, click “Load” in the menu ...<byte value="xd" /></translation>
    </message>
    <message>
        <source>Kontrolle</source>
        <translation>Well done!</translation>
    </message>
</context>
<context>
    <name>duplikon::PrintSpooler</name>
    <message>
        <source>Der Drucker "%1" ist nicht erreichbar.</source>
        <translation>The printer “%1” cannot be reached.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt zurzeit keine Aufträge an.</source>
        <translation>The printer “%1” is not accepting jobs at the moment.</translation>
    </message>
</context>
<context>
    <name>duplikon::QtRecorder</name>
    <message>
        <source>Es läuft schon eine Aufnahme.</source>
        <translation>A recording is already running.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es schon.</source>
        <translation>The file “%1” already exists.</translation>
    </message>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>No microphone is connected.</translation>
    </message>
    <message>
        <source>Die Aufnahme kann nicht beginnen: %1</source>
        <translation>The recording cannot start: %1</translation>
    </message>
</context>
<context>
    <name>duplikon::RegularFile</name>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>This is not a file.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>The file cannot be read.</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsTables</name>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Child</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Fehlversuche</source>
        <translation>Wrong attempts</translation>
    </message>
    <message>
        <source>Spielweise</source>
        <translation>Way of playing</translation>
    </message>
    <message>
        <source>Pflicht</source>
        <translation>Mandatory</translation>
    </message>
    <message>
        <source>Züge</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Mannschaften</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>Half 1</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>Half 2</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Maus</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Antippen</source>
        <translation>Tapping</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>Turning cards over</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsWindow</name>
    <message>
        <source>Ergebnisse</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>&amp;Zeitraum:</source>
        <translation>P&amp;eriod:</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Diese Woche</source>
        <translation>This week</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Als &amp;Tabelle speichern ...</source>
        <translation>Save as &amp;table ...</translation>
    </message>
    <message>
        <source>&amp;Kinder</source>
        <translation>&amp;Children</translation>
    </message>
    <message>
        <source>&amp;Paare</source>
        <translation>&amp;Pairs</translation>
    </message>
    <message>
        <source>&amp;Lernkartei</source>
        <translation>Card &amp;box</translation>
    </message>
    <message>
        <source>Für die ganze Klasse üben:</source>
        <translation>Practise with the whole class:</translation>
    </message>
    <message>
        <source>Als A&amp;ufgabe speichern ...</source>
        <translation>Save as ta&amp;sk ...</translation>
    </message>
    <message>
        <source>Ein falsches Ablegen zählt beim Paar der gezogenen Hälfte und beim Paar der Hälfte, auf die sie gelegt wurde. Je kräftiger die Farbe, desto größer der Anteil falscher Züge.</source>
        <translation>A wrong drop counts for the pair of the dragged half and for the pair of the half it was dropped on. The stronger the colour, the larger the share of wrong moves.</translation>
    </message>
    <message>
        <source>&amp;Alle Ergebnisse löschen ...</source>
        <translation>Delete &amp;all results ...</translation>
    </message>
    <message>
        <source>Die Ergebnisse werden gelesen ...</source>
        <translation>Reading the results ...</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien gelesen</source>
        <translation>
            <numerusform>%n file read</numerusform>
            <numerusform>%n files read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Zeilen</source>
        <translation>
            <numerusform>%n damaged line</numerusform>
            <numerusform>%n damaged lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Dateien</source>
        <translation>
            <numerusform>%n damaged file</numerusform>
            <numerusform>%n damaged files</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 übersprungen</source>
        <translation>%1 skipped</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>Die Ergebnisse werden gelesen: %1 von %n Dateien</source>
        <translation>
            <numerusform>Reading the results: %1 of %n file</numerusform>
            <numerusform>Reading the results: %1 of %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 – %2 (%3): %n Kinder</source>
        <translation>
            <numerusform>%1 – %2 (%3): %n child</numerusform>
            <numerusform>%1 – %2 (%3): %n children</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufgabe konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>The task could not be saved.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Paare stehen jetzt in der Aufgabe „%1“.<byte value="xd" /></source>
        <translation>The pairs are now in the task “%1”.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ergebnisse &amp;von %1 löschen ...</source>
        <translation>&amp;Delete results for %1 ...</translation>
    </message>
    <message>
        <source>Als Tabelle speichern</source>
        <translation>Save as table</translation>
    </message>
    <message>
        <source>Tabellen (*.csv)</source>
        <translation>Tables (*.csv)</translation>
    </message>
    <message>
        <source>Zur Tabelle „%1“ gehört die Tabelle der Paare „%2“.<byte value="xd" />„%2“ gibt es schon. Soll sie ersetzt werden?</source>
        <translation>The table “%1” comes with the table of pairs “%2”.<byte value="xd" />“%2” already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Die Tabelle konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>The table could not be saved.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse von %1 gelöscht werden?</source>
        <translation>Delete all results for %1?</translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse aller Kinder gelöscht werden?</source>
        <translation>Delete all results of all children?</translation>
    </message>
    <message>
        <source>Diese Einträge sind Verknüpfungen oder keine gewöhnlichen Dateien. Sie wurden übersprungen, nichts dahinter wurde gelöscht:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>These entries are links or not ordinary files. They were skipped; nothing behind them was deleted:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien konnten nicht gelöscht werden (sie gehören einer anderen Anmeldung).<byte value="xd" /></source>
        <translation>
            <numerusform>%n file could not be deleted (it belongs to another user account).<byte value="xd" /></numerusform>
            <numerusform>%n files could not be deleted (they belong to another user account).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 – %2 (%3): 1 Kind</source>
        <translation>%1 – %2 (%3): 1 child</translation>
    </message>
</context>
<context>
    <name>duplikon::RunsModel</name>
    <message>
        <source>dd.MM.yyyy hh:mm</source>
        <comment>date and time of a run</comment>
        <translation>dd/MM/yyyy hh:mm</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Wrong</translation>
    </message>
</context>
<context>
    <name>duplikon::Services</name>
    <message>
        <source>Es ist kein Drucker eingerichtet.</source>
        <translation>No printer is set up.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Das PDF konnte nicht angelegt werden.</source>
        <translation>The PDF could not be created.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt keinen Auftrag an.</source>
        <translation>The printer “%1” does not accept the job.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht übergeben werden.</source>
        <translation>The print job could not be sent.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" hat den Auftrag abgelehnt.</source>
        <translation>The printer “%1” refused the job.</translation>
    </message>
    <message>
        <source>Der Druckauftrag wurde abgelehnt.</source>
        <translation>The print job was refused.</translation>
    </message>
</context>
<context>
    <name>duplikon::SettingsPanel</name>
    <message>
        <source>Vom Administrator gesperrt</source>
        <translation>Locked by the administrator</translation>
    </message>
    <message>
        <source>Einstellungen für das Programm:</source>
        <translation>Program settings:</translation>
    </message>
    <message>
        <source>Pflichtaufgaben</source>
        <translation>Mandatory tasks</translation>
    </message>
    <message>
        <source>Editor sperren</source>
        <translation>Lock editor</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>Short file list</translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Fragen</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Antworten</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Quellaufgaben</source>
        <translation>Available tasks</translation>
    </message>
    <message>
        <source>O k a y</source>
        <translation>O k a y</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Ablage ...</source>
        <translation>Copy ...</translation>
    </message>
    <message>
        <source>Drucken ...</source>
        <translation>Print ...</translation>
    </message>
    <message>
        <source>Weitere ...</source>
        <translation>More ...</translation>
    </message>
    <message>
        <source>Weitere Einstellungen (Alt+J)</source>
        <translation>More settings (Alt+J)</translation>
    </message>
    <message>
        <source>Ergebnisse ...</source>
        <translation>Results ...</translation>
    </message>
    <message>
        <source>Ergebnisse der Kinder (Alt+Q)</source>
        <translation>Children’s results (Alt+Q)</translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>Der Hintergrund wird durch fortwährenden Klick auf die<byte value="xd" />beiden Farbflächen 'Fragen' und 'Antworten' eingestellt.<byte value="xd" /></source>
        <translation>To set the background, keep clicking on the<byte value="xd" />two colour fields “Questions” and “Answers”.<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SolutionPicture</name>
    <message>
        <source>Bildfehler</source>
        <translation>Picture error</translation>
    </message>
    <message>
        <source>Es ist kein Lösungbild (PAARE*.*) vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>There is no reward picture (PAARE*.*)!<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SoundRecording</name>
    <message>
        <source>&amp;Ton aufnehmen ...</source>
        <translation>Recor&amp;d sound ...</translation>
    </message>
    <message>
        <source>&amp;Tonaufnahme beenden</source>
        <translation>Stop recor&amp;ding</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>The folder “%1” cannot be created.</translation>
    </message>
    <message>
        <source>Ton aufnehmen</source>
        <translation>Record sound</translation>
    </message>
    <message numerus="yes">
        <source>Die Aufnahme läuft, höchstens %n Sekunden ...</source>
        <translation>
            <numerusform>Recording, %n second at most ...</numerusform>
            <numerusform>Recording, %n seconds at most ...</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufnahme ist nicht gelungen.</source>
        <translation>The recording did not work.</translation>
    </message>
</context>
<context>
    <name>duplikon::StartFolder</name>
    <message>
        <source>unbekannte Sprache „%1“</source>
        <translation>unknown language “%1”</translation>
    </message>
    <message>
        <source>unbekannte Option „%1“</source>
        <translation>unknown option “%1”</translation>
    </message>
    <message>
        <source>nur ein Ordner oder eine Aufgabendatei, nicht auch „%1“</source>
        <translation>only one folder or task file, not also “%1”</translation>
    </message>
    <message>
        <source>Die Aufgabendatei „%1“ wurde nicht gefunden.</source>
        <translation>The task file “%1” was not found.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ wurde nicht gefunden.</source>
        <translation>The folder “%1” was not found.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.
%2</source>
        <translation>The folder “%1” cannot be created.
%2</translation>
    </message>
    <message>
        <source>„%1“ ist eine Datei, kein Ordner.</source>
        <translation>“%1” is a file, not a folder.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht gelesen werden.</source>
        <translation>The folder “%1” cannot be read.</translation>
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
        <translation>Usage: duplikon [FOLDER | FILE.TXT | PACKAGE.duplikon]
Duplikon – find and match pairs, an exercise program for children.

Duplikon works in a folder: task files *.TXT and their pictures,
reward pictures in DUPBILDER/, settings in DUPLIKON.INI.

  FOLDER       work in this folder
  FILE.TXT     work in the folder of this task file
  PACKAGE.duplikon
               import the exported task of this package with its
               pictures and sounds and play it: into the current folder,
               with --menue into the folder “Duplikon” under Documents
  (none)       work in the current folder
  --menue      as from the Start menu: without FOLDER, work in the folder
               “Duplikon” under Documents, created at the first start as a
               copy of the sample tasks; show errors as messages too
  --einstellungen
               show the values from duplikon.conf, each with its origin,
               then the skipped lines
  --sprache CODE
               work in this language, this time only: de, en, uk, ar, tr,
               ru, pl, fa or System (the language of the desktop)
  --help       show this help
  --version    show the version

Exit status: 0 when all is well; 1 when the folder is missing or
cannot be read; 2 for a wrong call.
</translation>
    </message>
    <message>
        <source>Duplikon %1
Lizenz: GPL-3.0 oder neuer &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</source>
        <translation>Duplikon %1
Licence: GPL-3.0 or later &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</translation>
    </message>
</context>
<context>
    <name>duplikon::SvgCheck</name>
    <message>
        <source>Das SVG-Bild verweist auf andere Dateien; es wird nicht übernommen.</source>
        <translation>The SVG picture refers to other files, so it is not imported.</translation>
    </message>
    <message>
        <source>Das SVG-Bild erklärt eigene Entitäten; es wird nicht übernommen.</source>
        <translation>The SVG picture declares entities of its own, so it is not imported.</translation>
    </message>
    <message>
        <source>Das SVG-Bild wiederholt seine Teile zu oft; es wird nicht übernommen.</source>
        <translation>The SVG picture repeats its parts too often, so it is not imported.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>The picture is damaged or incomplete.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchive</name>
    <message>
        <source>Die Datei ist kein Duplikon-Paket oder ist beschädigt.</source>
        <translation>The file is not a Duplikon package, or it is damaged.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden.</source>
        <translation>“%1” cannot be read.</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt.</source>
        <translation>“%1” is damaged.</translation>
    </message>
    <message>
        <source>„%1“ ist größer als 32 MB.</source>
        <translation>“%1” is larger than 32 MB.</translation>
    </message>
    <message>
        <source>Das Paket ist ausgepackt größer als 256 MB.</source>
        <translation>Unpacked, the package is larger than 256 MB.</translation>
    </message>
    <message>
        <source>„%1“ ist verdächtig stark gepackt.</source>
        <translation>“%1” is suspiciously highly compressed.</translation>
    </message>
    <message>
        <source>„%1“ ist größer, als das Paket angibt.</source>
        <translation>“%1” is larger than the package states.</translation>
    </message>
    <message>
        <source>„%1“ ist kleiner, als das Paket angibt.</source>
        <translation>“%1” is smaller than the package states.</translation>
    </message>
    <message>
        <source>manifest.json ist beschädigt.</source>
        <translation>manifest.json is damaged.</translation>
    </message>
    <message>
        <source>Das Paket hat eine Version, die Duplikon nicht kennt.</source>
        <translation>The package has a version that Duplikon does not recognise.</translation>
    </message>
    <message>
        <source>manifest.json ist unvollständig.</source>
        <translation>manifest.json is incomplete.</translation>
    </message>
    <message>
        <source>Die Aufgabe im Paket ist zu lang.</source>
        <translation>The task in the package is too long.</translation>
    </message>
    <message>
        <source>Eine Zeile der Aufgabe enthält Steuerzeichen.</source>
        <translation>A line of the task contains control characters.</translation>
    </message>
    <message>
        <source>Die Endung „%1“ gehört zu keinem Bild und keinem Ton.</source>
        <translation>The extension “%1” does not belong to a picture or a sound.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>The file is not a sound Duplikon can play.</translation>
    </message>
    <message>
        <source>Der Ton ist kein %1.</source>
        <translation>The sound is not a %1 file.</translation>
    </message>
    <message>
        <source>Das Bild ist kein %1.</source>
        <translation>The picture is not a %1 file.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>The picture is too large.</translation>
    </message>
    <message numerus="yes">
        <source>Das Paket hat mehr als %n Einträge.</source>
        <translation>
            <numerusform>The package has more than %n entry.</numerusform>
            <numerusform>The package has more than %n entries.</numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ ist verschlüsselt.</source>
        <translation>“%1” is encrypted.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal im Paket.</source>
        <translation>“%1” is in the package twice.</translation>
    </message>
    <message>
        <source>manifest.json ist zu groß.</source>
        <translation>manifest.json is too large.</translation>
    </message>
    <message>
        <source>Im Paket fehlt manifest.json.</source>
        <translation>manifest.json is missing from the package.</translation>
    </message>
    <message>
        <source>Im Paket fehlt „%1“.</source>
        <translation>“%1” is missing from the package.</translation>
    </message>
    <message>
        <source>Die Zeile „%1“ nennt eine Datei, die nicht im Paket ist.</source>
        <translation>The line “%1” names a file that is not in the package.</translation>
    </message>
    <message>
        <source>Die Datei passt nicht zu ihrer Prüfsumme.</source>
        <translation>The file does not match its checksum.</translation>
    </message>
    <message>
        <source>Die Bilder des Pakets sind zusammen zu groß.</source>
        <translation>Together, the package’s pictures are too large.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveActions</name>
    <message>
        <source>Duplikon-Aufgaben (*.duplikon *.DUPLIKON)</source>
        <translation>Duplikon tasks (*.duplikon *.DUPLIKON)</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>Import task</translation>
    </message>
    <message>
        <source>Aufgabe weitergeben</source>
        <translation>Export task</translation>
    </message>
    <message>
        <source>Bitte zuerst unter „Lerndateien“ eine Aufgabe wählen.<byte value="xd" /></source>
        <translation>Please choose a task under “Learning files” first.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Bilder oder Töne fehlen oder sind beschädigt:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />Soll die Aufgabe ohne sie weitergegeben werden?<byte value="xd" />(An ihrer Stelle steht dann ihr Name als Text.)</source>
        <translation>These pictures or sounds are missing or damaged:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />Export the task without them?<byte value="xd" />(Their names will then appear as text in their place.)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 could not be saved:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Aufgabe %1 wurde als %2 gespeichert.<byte value="xd" /></source>
        <translation>The task %1 was saved as %2.<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveFolder</name>
    <message>
        <source>Es gibt schon zu viele Aufgaben mit diesem Namen.</source>
        <translation>There are already too many tasks with this name.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden:<byte value="xd" />%2</source>
        <translation>“%1” cannot be read:<byte value="xd" />%2</translation>
    </message>
    <message numerus="yes">
        <source>„%1“ hat mehr als %n Zeilen.</source>
        <translation>
            <numerusform>“%1” has more than %n line.</numerusform>
            <numerusform>“%1” has more than %n lines.</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Bilder und Töne von „%1“ sind zusammen größer als 256 MB.</source>
        <translation>Together, the pictures and sounds of “%1” are larger than 256 MB.</translation>
    </message>
    <message>
        <source>Das Paket kann nicht gepackt werden.</source>
        <translation>The package cannot be packed.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht übernommen werden:<byte value="xd" />%2</source>
        <translation>“%1” cannot be imported:<byte value="xd" />%2</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>The folder “%1” cannot be created.</translation>
    </message>
    <message>
        <source>Die Aufgabe „%1“ wurde übernommen.</source>
        <translation>The task “%1” was imported.</translation>
    </message>
    <message>
        <source>Bilder: %1</source>
        <translation>Pictures: %1</translation>
    </message>
    <message>
        <source>Töne: %1</source>
        <translation>Sounds: %1</translation>
    </message>
    <message>
        <source>Nicht übernommen, weil sie zu keiner Aufgabe gehören: %1</source>
        <translation>Not imported because they do not belong to any task: %1</translation>
    </message>
    <message>
        <source>Die Hälfte „%1“ hat keinen Partner: So kann die Aufgabe nicht gelöst werden.</source>
        <translation>The half “%1” has no partner: the task cannot be solved like this.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskChoice</name>
    <message>
        <source>Datei-Wahl:</source>
        <translation>Choose a file:</translation>
    </message>
    <message>
        <source>Datei-Inhalt:</source>
        <translation>In this file:</translation>
    </message>
    <message>
        <source>Vorschau:</source>
        <translation>Preview:</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>L a d e n</source>
        <translation>L o a d</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>Short file list</translation>
    </message>
    <message>
        <source>Es sind keine Dateien vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>There are no files!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Meine Kartei
%n Karten</source>
        <translation>
            <numerusform>My card box
%n card</numerusform>
            <numerusform>My card box
%n cards</numerusform>
        </translation>
    </message>
    <message>
        <source>Meine Kartei
Keine Karte fällig</source>
        <translation>My card box
No cards today</translation>
    </message>
    <message>
        <source>Meine Kartei
1 Karte</source>
        <translation>My card box
1 card</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskFilePanel</name>
    <message>
        <source>Datei kopieren</source>
        <translation>Copy file</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Alt letter of Datei kopieren</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>Datei drucken</source>
        <translation>Print file</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Alt letter of Datei drucken</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>Datei löschen</source>
        <translation>Delete file</translation>
    </message>
    <message>
        <source>L</source>
        <comment>Alt letter of Datei löschen</comment>
        <translation>D</translation>
    </message>
    <message>
        <source> Lerndateien:</source>
        <translation> Learning files:</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>%1 konnte nicht gelesen werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 could not be read:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Aktuelle Datei</source>
        <translation>Current file</translation>
    </message>
    <message>
        <source>Es ist keine Datei ausgewählt.<byte value="xd" /></source>
        <translation>No file is selected.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Neue Datei</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>Sie können nun eine neue Datei erstellen.<byte value="xd" /></source>
        <translation>You can now create a new file.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>Error in the lists</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>The two lists differ in length.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind zu lang.,<byte value="xd" />nur 20 Einträge sind zulässig.<byte value="xd" /></source>
        <translation>The lists are too long.<byte value="xd" />Only 20 entries are allowed.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Datei sichern</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Namen für die Datei eingeben:<byte value="xd" />(Nur Endung '.TXT' akzeptiert)</source>
        <translation>Enter a name for the file:<byte value="xd" />(Only the extension “.TXT” is accepted)</translation>
    </message>
    <message>
        <source>Dieser Name ist für eine Datei nicht zulässig.<byte value="xd" />Bitte einen einfachen Namen ohne "/", "\" und ".." eingeben.<byte value="xd" /></source>
        <translation>This name is not allowed for a file.<byte value="xd" />Please enter a simple name without “/”, “\” or “..”.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Name %1 gehört zu den Einstellungen.<byte value="xd" />Bitte einen anderen Namen eingeben.<byte value="xd" /></source>
        <translation>The name %1 is reserved for the settings.<byte value="xd" />Please enter another name.<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 sichern</source>
        <translation>Save %1</translation>
    </message>
    <message>
        <source>Die Datei ist schon vorhanden,<byte value="xd" />soll sie überschrieben werden?<byte value="xd" /></source>
        <translation>The file already exists.<byte value="xd" />Do you want to replace it?<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 could not be saved:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 wurde gespeichert.<byte value="xd" /></source>
        <translation>%1 was saved.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ablage</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>Die Datei wurde in die Ablage kopiert.<byte value="xd" /><byte value="xd" /></source>
        <translation>The file was copied to the clipboard.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Datei jetzt ausdrucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>Print this file now?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>The file could not be printed:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Datei wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>Printing the current file ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Soll diese Datei gelöscht werden?<byte value="xd" /><byte value="xd" /></source>
        <translation>Delete this file?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gelöscht werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 could not be deleted:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TextFiles</name>
    <message>
        <source>In den Ordner kann nicht geschrieben werden.</source>
        <translation>The folder cannot be written to.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht vollständig geschrieben werden; der Datenträger ist voll.</source>
        <translation>The file cannot be written completely; the disk is full.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht angelegt werden.</source>
        <translation>The file cannot be created.</translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetDialog</name>
    <message>
        <source>&amp;Zuordnen</source>
        <translation>&amp;Matching</translation>
    </message>
    <message>
        <source>Paar&amp;karten</source>
        <translation>Pair &amp;cards</translation>
    </message>
    <message>
        <source>&amp;Lösungsblatt</source>
        <translation>&amp;Answer sheet</translation>
    </message>
    <message>
        <source>&amp;Neu mischen</source>
        <translation>&amp;Shuffle again</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>&amp;Print ...</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern ...</source>
        <translation>Save as P&amp;DF ...</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Arbeitsblatt</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Art des Blattes</source>
        <translation>Type of sheet</translation>
    </message>
    <message>
        <source>Ein Ton ist auf Papier nicht zu hören: Auf dem Blatt steht für ihn ein Lautsprecher mit dem Namen der Datei.</source>
        <translation>A sound cannot be heard on paper: instead, the sheet shows a loudspeaker with the name of the file.</translation>
    </message>
    <message>
        <source>Das Blatt „%1“ wird gedruckt.</source>
        <translation>Printing the sheet “%1”.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>Error in the lists</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>The two lists differ in length.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind leer.<byte value="xd" /></source>
        <translation>The lists are empty.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Das Blatt konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>The sheet could not be printed:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 could not be saved:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetLayout</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Mischung Nr. %1</source>
        <translation>Shuffle No. %1</translation>
    </message>
    <message>
        <source>Lösungsblatt: %1</source>
        <translation>Answer sheet: %1</translation>
    </message>
    <message>
        <source>Zum Blatt "Zuordnen" mit Mischung Nr. %1</source>
        <translation>For the “Matching” sheet with Shuffle No. %1</translation>
    </message>
</context>
<context>
    <name>duplikon::main</name>
    <message>
        <source>duplikon: %1
Mehr mit „duplikon --help“.
</source>
        <translation>duplikon: %1
See “duplikon --help” for more.
</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>Import task</translation>
    </message>
</context>
</TS>
