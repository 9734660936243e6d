<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="de_DE">
<context>
    <name>duplikon::AudioModule</name>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>Nie podłączono mikrofonu.</translation>
    </message>
</context>
<context>
    <name>duplikon::Board</name>
    <message>
        <source>Passt nicht</source>
        <translation>Nie pasuje</translation>
    </message>
    <message numerus="yes">
        <source> %n Punkte</source>
        <translation>
            <numerusform> %n punkt</numerusform>
            <numerusform> %n punkty</numerusform>
            <numerusform> %n punktów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::BoardKeyboard</name>
    <message>
        <source>Reihe %1, Spalte %2</source>
        <translation>Rząd %1, kolumna %2</translation>
    </message>
    <message>
        <source>Bild, %1</source>
        <translation>Obrazek, %1</translation>
    </message>
    <message>
        <source>Ton, %1</source>
        <translation>Dźwięk, %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>aufgenommen</source>
        <translation>podniesione</translation>
    </message>
    <message>
        <source>abgelegt</source>
        <translation>odłożone</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>Nie pasuje</translation>
    </message>
    <message>
        <source>zurückgelegt</source>
        <translation>odłożone</translation>
    </message>
    <message numerus="yes">
        <source>Richtig! %n Punkte</source>
        <translation>
            <numerusform>Dobrze! %n punkt</numerusform>
            <numerusform>Dobrze! %n punkty</numerusform>
            <numerusform>Dobrze! %n punktów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::ButtonStrip</name>
    <message>
        <source>Benutzer</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>zweifarbige Fenster</source>
        <translation>dwukolorowe okna</translation>
    </message>
    <message>
        <source>Abc kleiner</source>
        <translation>Abc mniejsze</translation>
    </message>
    <message>
        <source>Schrift kleiner</source>
        <translation>Mniejsza czcionka</translation>
    </message>
    <message>
        <source>Abc größer</source>
        <translation>Abc większe</translation>
    </message>
    <message>
        <source>Schrift größer</source>
        <translation>Większa czcionka</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Pogrubione</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Zwykłe</translation>
    </message>
</context>
<context>
    <name>duplikon::CardBoard</name>
    <message>
        <source>Karte %1, %2</source>
        <translation>Karta %1, %2</translation>
    </message>
    <message>
        <source>verdeckt</source>
        <translation>zakryta</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>Nie pasuje</translation>
    </message>
    <message>
        <source>Mannschaft %1 ist dran</source>
        <translation>Kolej drużyny %1</translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paar</source>
        <translation>
            <numerusform>Drużyna %1
%n para</numerusform>
            <numerusform>Drużyna %1
%n pary</numerusform>
            <numerusform>Drużyna %1
%n par</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paare</source>
        <translation>
            <numerusform>Drużyna %1
%n para</numerusform>
            <numerusform>Drużyna %1
%n pary</numerusform>
            <numerusform>Drużyna %1
%n par</numerusform>
        </translation>
    </message>
    <message>
        <source>Beide Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>Obie drużyny mają tyle samo par.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Alle Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>Wszystkie drużyny mają tyle samo par.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Mannschaft %1 hat gewonnen!<byte value="xd" /></source>
        <translation>Drużyna %1 wygrała!<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Mannschaften %1 und %2 haben gewonnen!<byte value="xd" /></source>
        <translation>Drużyny %1 i %2 wygrały!<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::CardPlay</name>
    <message>
        <source>Mannschaften</source>
        <translation>Drużyny</translation>
    </message>
</context>
<context>
    <name>duplikon::CheckWindow</name>
    <message>
        <source>Duplikon: Kontrolle</source>
        <translation>Duplikon: Kontrola</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Gelöste Aufgaben</source>
        <translation>Rozwiązane zadania</translation>
    </message>
    <message>
        <source>Uhrzeit der Lösung</source>
        <translation>Godzina rozwiązania</translation>
    </message>
    <message>
        <source>Zeilen der gewählten Aufgabe</source>
        <translation>Wiersze wybranego zadania</translation>
    </message>
    <message>
        <source>Bild der gewählten Zeile</source>
        <translation>Obraz wybranego wiersza</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>Nie można odczytać pliku %1.<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ChildrenModel</name>
    <message>
        <source>%1 gelöst, %2 falsch</source>
        <translation>rozwiązane: %1, błędy: %2</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Dziecko</translation>
    </message>
    <message>
        <source>Kartei</source>
        <translation>Fiszki</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassList</name>
    <message>
        <source>Die Klassenliste ist keine Textdatei.</source>
        <translation>Lista klasy nie jest plikiem tekstowym.</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassListDialog</name>
    <message>
        <source>&amp;Hinzufügen ...</source>
        <translation>&amp;Dodaj ...</translation>
    </message>
    <message>
        <source>&amp;Umbenennen ...</source>
        <translation>Zmień &amp;nazwę ...</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>S&amp;ortieren</source>
        <translation>&amp;Sortuj</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Klassenliste</source>
        <translation>Lista klasy</translation>
    </message>
    <message>
        <source>Die Vornamen der Kinder, wie sie unter „Benutzer“ erscheinen:</source>
        <translation>Imiona dzieci, tak jak pojawiają się po kliknięciu „Użytkownik”:</translation>
    </message>
    <message>
        <source>Die Klassenliste „%1“ kann nicht gelesen werden: %2<byte value="xd" /></source>
        <translation>Nie można odczytać listy klasy „%1”: %2<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Zeilen der Klassenliste werden übergangen (zu lang, Steuerzeichen oder mehr als %1 Namen).<byte value="xd" /></source>
        <translation>
            <numerusform>%n wiersz listy klasy zostanie pominięty (za długi, ze znakami sterującymi lub ponad %1 imion).<byte value="xd" /></numerusform>
            <numerusform>%n wiersze listy klasy zostaną pominięte (za długie, ze znakami sterującymi lub ponad %1 imion).<byte value="xd" /></numerusform>
            <numerusform>%n wierszy listy klasy zostanie pominiętych (za długie, ze znakami sterującymi lub ponad %1 imion).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ein Name hat höchstens %n Zeichen.<byte value="xd" /></source>
        <translation>
            <numerusform>Imię może mieć najwyżej %n znak.<byte value="xd" /></numerusform>
            <numerusform>Imię może mieć najwyżej %n znaki.<byte value="xd" /></numerusform>
            <numerusform>Imię może mieć najwyżej %n znaków.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>Ein Name darf keine Steuerzeichen enthalten.<byte value="xd" /></source>
        <translation>Imię nie może zawierać znaków sterujących.<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Die Klassenliste hat höchstens %n Namen.<byte value="xd" /></source>
        <translation>
            <numerusform>Lista klasy może zawierać najwyżej %n imię.<byte value="xd" /></numerusform>
            <numerusform>Lista klasy może zawierać najwyżej %n imiona.<byte value="xd" /></numerusform>
            <numerusform>Lista klasy może zawierać najwyżej %n imion.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ steht schon in der Liste.<byte value="xd" /></source>
        <translation>„%1” jest już na liście.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Vorname des Kindes:</source>
        <translation>Imię dziecka:</translation>
    </message>
    <message>
        <source>Die Klassenliste kann nicht gespeichert werden: %1<byte value="xd" /></source>
        <translation>Nie można zapisać listy klasy: %1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ClassroomConfig</name>
    <message>
        <source> oder </source>
        <translation> lub </translation>
    </message>
    <message>
        <source>true oder false</source>
        <translation>true lub false</translation>
    </message>
    <message>
        <source>100, 150, 200 oder Bildschirm</source>
        <translation>100, 150, 200 lub Bildschirm</translation>
    </message>
    <message>
        <source>eine ganze Zahl von -100 bis 100</source>
        <translation>liczba całkowita od -100 do 100</translation>
    </message>
    <message>
        <source>ein Text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>%1: %2 Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: %2 Plik jest traktowany jak nieistniejący.</translation>
    </message>
    <message>
        <source>%1: Das ist keine Textdatei. Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: To nie jest plik tekstowy. Plik jest traktowany jak nieistniejący.</translation>
    </message>
    <message>
        <source>[Fest] gilt nur in der Datei des Administrators, der Abschnitt wird übergangen.</source>
        <translation>[Fest] obowiązuje tylko w pliku administratora, sekcja zostanie pominięta.</translation>
    </message>
    <message>
        <source>Unbekannter Abschnitt „[%1]“ wird übergangen.</source>
        <translation>Nieznana sekcja „[%1]” zostanie pominięta.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“, der Abschnitt wird übergangen.</source>
        <translation>Uszkodzony wiersz „%1”, sekcja zostanie pominięta.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“ wird übergangen.</source>
        <translation>Uszkodzony wiersz „%1” zostanie pominięty.</translation>
    </message>
    <message>
        <source>„%1“ steht in keinem Abschnitt und wird übergangen.</source>
        <translation>Wiersz „%1” nie należy do żadnej sekcji i zostanie pominięty.</translation>
    </message>
    <message>
        <source>Unbekannter Schlüssel „%1“ wird übergangen.</source>
        <translation>Nieznany klucz „%1” zostanie pominięty.</translation>
    </message>
    <message>
        <source>%1 gilt nur im Abschnitt [Fest] und wird übergangen.</source>
        <translation>Klucz %1 obowiązuje tylko w sekcji [Fest] i zostanie pominięty.</translation>
    </message>
    <message>
        <source>„%1“ ist kein Wert für %2 (%3) und wird übergangen.</source>
        <translation>Wartość „%1” jest nieprawidłowa dla %2 (%3) i zostanie pominięta.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt oder nicht lesbar.</source>
        <translation>Plik %1 jest uszkodzony lub nie można go odczytać.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Nie można zapisać pliku %1.</translation>
    </message>
    <message>
        <source>eingebaute Vorgabe</source>
        <translation>wartość wbudowana</translation>
    </message>
    <message>
        <source>, fest</source>
        <translation>, ustalone</translation>
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
        <translation>Tak</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>duplikon::EditorWindow</name>
    <message>
        <source>Mit Strg+G kommt das Bild in die grüne Liste, mit Strg+B in die blaue ...</source>
        <translation>Ctrl+G przenosi obraz na zieloną listę, Ctrl+B – na niebieską ...</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;aktuelle Datei</source>
        <translation>&amp;Bieżący plik</translation>
    </message>
    <message>
        <source>&amp;neue Datei ...</source>
        <translation>&amp;Nowy plik ...</translation>
    </message>
    <message>
        <source>Datei &amp;sichern</source>
        <translation>&amp;Zapisz plik</translation>
    </message>
    <message>
        <source>A&amp;rbeitsblatt ...</source>
        <translation>&amp;Karta pracy ...</translation>
    </message>
    <message>
        <source>Aufgabe &amp;weitergeben ...</source>
        <translation>&amp;Przekaż zadanie ...</translation>
    </message>
    <message>
        <source>Aufgabe üb&amp;ernehmen ...</source>
        <translation>Przy&amp;jmij zadanie ...</translation>
    </message>
    <message>
        <source>&amp;Klassenliste ...</source>
        <translation>&amp;Lista klasy ...</translation>
    </message>
    <message>
        <source>&amp;Bilder einfügen ...</source>
        <translation>&amp;Wstaw obrazy ...</translation>
    </message>
    <message>
        <source>&amp;Lösungsbilder einfügen ...</source>
        <translation>Wstaw &amp;obrazy nagrody ...</translation>
    </message>
    <message>
        <source>&amp;Großbild</source>
        <translation>&amp;Duży obraz</translation>
    </message>
    <message>
        <source>In dieser grünen Liste stehen die linken Teilpaare oder Aufgaben ...</source>
        <translation>Na tej zielonej liście są lewe połówki par albo zadania ...</translation>
    </message>
    <message>
        <source>In dieser blauen Liste stehen die rechten Teilpaare oder Lösungen ...</source>
        <translation>Na tej niebieskiej liście są prawe połówki par albo rozwiązania ...</translation>
    </message>
    <message>
        <source>Hier die gewünschten Texte eingeben und mit den Symbolen einsetzen ...</source>
        <translation>Tutaj wpisz teksty i wstaw je za pomocą symboli ...</translation>
    </message>
    <message>
        <source>In dieser roten Liste stehen die Quelldateien mit den Daten ...</source>
        <translation>Na tej czerwonej liście są pliki źródłowe z danymi ...</translation>
    </message>
    <message>
        <source>Aus dieser Ordnerliste einen Ordner durch Anklicken auswählen ...</source>
        <translation>Z tej listy folderów wybierz folder, klikając go ...</translation>
    </message>
    <message>
        <source>Aus dieser Bildliste ein aktuelles Bild durch Anklicken auswählen ...</source>
        <translation>Z tej listy obrazów wybierz obraz, klikając go ...</translation>
    </message>
    <message>
        <source>Das Vorschaubild mit Drag&amp;Drop in das grüne oder blaue Fenster ziehen ...</source>
        <translation>Przeciągnij obraz podglądu do zielonego lub niebieskiego okna ...</translation>
    </message>
    <message>
        <source>Duplikon: Editor</source>
        <translation>Duplikon: Edytor</translation>
    </message>
    <message>
        <source>Hilfetexte</source>
        <translation>Teksty pomocy</translation>
    </message>
</context>
<context>
    <name>duplikon::ExtraSettingsDialog</name>
    <message>
        <source>Vom Administrator festgelegt</source>
        <translation>Ustalone przez administratora</translation>
    </message>
    <message>
        <source>Weitere Einstellungen</source>
        <translation>Więcej ustawień</translation>
    </message>
    <message>
        <source>Antippen statt Ziehen</source>
        <translation>Dotykanie zamiast przeciągania</translation>
    </message>
    <message>
        <source>Fenstergröße</source>
        <translation>Rozmiar okna</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Die neue Fenstergröße gilt ab dem nächsten Start.</source>
        <translation>Nowy rozmiar okna będzie obowiązywał od następnego uruchomienia.</translation>
    </message>
    <message>
        <source>Ergebnisse aufbewahren</source>
        <translation>Przechowuj wyniki</translation>
    </message>
    <message>
        <source>Sp&amp;rache:</source>
        <translation>&amp;Język:</translation>
    </message>
    <message>
        <source>Wie das System</source>
        <translation>Jak w systemie</translation>
    </message>
    <message>
        <source>Vorlesen</source>
        <translation>Czytanie na głos</translation>
    </message>
    <message>
        <source>Keine Sprachausgabe gefunden</source>
        <translation>Nie znaleziono syntezatora mowy</translation>
    </message>
    <message>
        <source>&amp;Stimme:</source>
        <translation>&amp;Głos:</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>Spielart</source>
        <translation>Rodzaj gry</translation>
    </message>
    <message>
        <source>Zuordnen</source>
        <translation>Dopasowywanie</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>Odkrywanie</translation>
    </message>
    <message>
        <source>&amp;Paare:</source>
        <translation>&amp;Pary:</translation>
    </message>
    <message>
        <source>&amp;Zudecken:</source>
        <translation>&amp;Zakrywanie:</translation>
    </message>
    <message>
        <source>&amp;Mannschaften:</source>
        <translation>&amp;Drużyny:</translation>
    </message>
    <message>
        <source>Getrennt: erste Hälften oben, zweite unten</source>
        <translation>Osobno: pierwsze połówki u góry, drugie na dole</translation>
    </message>
    <message>
        <source>beim nächsten Tippen</source>
        <translation>przy następnym dotknięciu</translation>
    </message>
    <message>
        <source>nach 1 Sekunde</source>
        <translation>po 1 sekundzie</translation>
    </message>
    <message>
        <source>nach 2 Sekunden</source>
        <translation>po 2 sekundach</translation>
    </message>
    <message>
        <source>nach 3 Sekunden</source>
        <translation>po 3 sekundach</translation>
    </message>
    <message>
        <source>nach 4 Sekunden</source>
        <translation>po 4 sekundach</translation>
    </message>
    <message>
        <source>nach 5 Sekunden</source>
        <translation>po 5 sekundach</translation>
    </message>
    <message>
        <source>Vom Administrator abgeschaltet</source>
        <translation>Wyłączone przez administratora</translation>
    </message>
    <message>
        <source>Für diese Sprache gibt es keine Stimme: Meldungen werden nur gezeigt, nicht vorgelesen.</source>
        <translation>Dla tego języka nie ma głosu: komunikaty będą tylko wyświetlane, a nie czytane na głos.</translation>
    </message>
    <message>
        <source>Deutsch (Vorgabe)</source>
        <translation>Niemiecki (domyślny)</translation>
    </message>
    <message>
        <source>%1 (nicht installiert)</source>
        <translation>%1 (niezainstalowany)</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Nie udało się zapisać ustawień.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Lernkartei</source>
        <translation>Pudełko z fiszkami</translation>
    </message>
    <message>
        <source>Die Lernkartei braucht „Ergebnisse aufbewahren“.</source>
        <translation>Pudełko z fiszkami wymaga opcji „Przechowuj wyniki”.</translation>
    </message>
</context>
<context>
    <name>duplikon::FileLists</name>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>To nie jest plik.</translation>
    </message>
</context>
<context>
    <name>duplikon::Folders</name>
    <message>
        <source>Der Ordner „%1“ fehlt.</source>
        <translation>Brak folderu „%1”.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>Nie można utworzyć folderu „%1”.</translation>
    </message>
    <message>
        <source>Im Ordner „%1“ kann nichts angelegt werden.</source>
        <translation>W folderze „%1” nie można niczego utworzyć.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht nach „%2“ kopiert werden.</source>
        <translation>Nie można skopiować „%1” do „%2”.</translation>
    </message>
</context>
<context>
    <name>duplikon::LessonRules</name>
    <message>
        <source>Die Aufgaben werden wiederholt, rufe das nächste Kind.<byte value="xd" /><byte value="xd" /></source>
        <translation>Zadania będą powtarzane, zawołaj następne dziecko.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>Powtórka</translation>
    </message>
    <message>
        <source>Dies ist eine Pflichtaufgabe für dich!<byte value="xd" /><byte value="xd" /></source>
        <translation>To jest twoje zadanie obowiązkowe!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <source>Benutzername eingeben:</source>
        <translation>Wpisz swoje imię:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Die Einstellungen wurden vom Administrator gesperrt.<byte value="xd" /></source>
        <translation>Ustawienia zostały zablokowane przez administratora.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Geben Sie das Passwort für diese Funktion ein:</source>
        <translation>Podaj hasło do tej funkcji:</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Der Editor wurde im Zusatzmenü deaktiviert.<byte value="xd" /><byte value="xd" /></source>
        <translation>Edytor został zablokowany w ustawieniach.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung verweigert</source>
        <translation>Powtórka niedostępna</translation>
    </message>
    <message>
        <source>Es müssen erst Pflichtaufgaben gewählt werden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Najpierw trzeba wybrać zadania obowiązkowe!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Programmordner antwortet nicht.</source>
        <translation>Folder programu nie odpowiada.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Nie udało się zapisać ustawień.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::MainWindow</name>
    <message>
        <source>Ordner 'DUPBILDER' fehlt:</source>
        <translation>Brak folderu „DUPBILDER”:</translation>
    </message>
    <message>
        <source>Der Bildordner für die Lösungsbilder wurde nicht gefunden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Nie znaleziono folderu z obrazami nagrody!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Duplikon 1.0 – Paare finden, für Kinder der Grundschule.<byte value="xd" />https://duplikon.example/</source>
        <translation>Duplikon 1.0 – szukanie par dla dzieci ze szkoły podstawowej.<byte value="xd" />https://duplikon.example/</translation>
    </message>
    <message>
        <source>&amp;Programm</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Autor ...</source>
        <translation>&amp;Autor ...</translation>
    </message>
    <message>
        <source>&amp;Laden</source>
        <translation>&amp;Wczytaj</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>&amp;Edytor</translation>
    </message>
    <message>
        <source>E&amp;instellungen</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>Wollen Sie die aktuelle Seite drucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>Czy wydrukować bieżącą stronę?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Dieses Programm jetzt beenden?<byte value="xd" /><byte value="xd" /></source>
        <translation>Czy zakończyć program?<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::Metafile</name>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>Brak miejsca na obraz.</translation>
    </message>
    <message>
        <source>Die Metadatei kann nicht gelesen werden.</source>
        <translation>Nie można odczytać metapliku.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu viel Speicher.</source>
        <translation>Metaplik wymaga zbyt dużo pamięci.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>Obraz jest za duży.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu lange.</source>
        <translation>Przetwarzanie metapliku trwa zbyt długo.</translation>
    </message>
    <message>
        <source>Windows-Metadateien werden nicht unterstützt.</source>
        <translation>Metapliki Windows nie są obsługiwane.</translation>
    </message>
    <message>
        <source>Die Metadatei ist beschädigt.</source>
        <translation>Metaplik jest uszkodzony.</translation>
    </message>
</context>
<context>
    <name>duplikon::MetafileRecords</name>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>Plik obrazu jest za duży.</translation>
    </message>
    <message>
        <source>Die Metadatei hat zu viele Einträge.</source>
        <translation>Metaplik ma zbyt wiele rekordów.</translation>
    </message>
</context>
<context>
    <name>duplikon::NamePicker</name>
    <message>
        <source>Tippe auf deinen Namen:</source>
        <translation>Kliknij swoje imię:</translation>
    </message>
    <message>
        <source>Anderer Name ...</source>
        <translation>Inne imię ...</translation>
    </message>
</context>
<context>
    <name>duplikon::PageOutput</name>
    <message>
        <source>Zwischenablage</source>
        <translation>Schowek</translation>
    </message>
    <message>
        <source>Die Seite wurde in die Ablage kopiert ...<byte value="xd" /><byte value="xd" /></source>
        <translation>Stronę skopiowano do schowka ...<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Drucker hat den Auftrag nicht angenommen.</source>
        <translation>Drukarka nie przyjęła zadania.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>Die Seite konnte nicht gedruckt werden.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></source>
        <translation>Nie udało się wydrukować strony.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Seite wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>Trwa drukowanie bieżącej strony ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::PairLists</name>
    <message>
        <source>Text einsetzen</source>
        <translation>Wstaw tekst</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>Przesuń w górę</translation>
    </message>
    <message>
        <source>Text ersetzen</source>
        <translation>Zastąp tekst</translation>
    </message>
    <message>
        <source>Text holen</source>
        <translation>Pobierz tekst</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>Przesuń w dół</translation>
    </message>
    <message>
        <source>Text löschen</source>
        <translation>Usuń tekst</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> Podgląd:</translation>
    </message>
    <message>
        <source>Vorschau der Listen</source>
        <translation>Podgląd list</translation>
    </message>
    <message>
        <source>Text eingeben</source>
        <translation>Wpisz tekst</translation>
    </message>
    <message>
        <source>Liste %1 hat mehr als %2 Elemente.</source>
        <translation>Lista %1 ma więcej niż %2 elementów.</translation>
    </message>
</context>
<context>
    <name>duplikon::PairsModel</name>
    <message>
        <source>Aufgabe</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>Połówka 1</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>Połówka 2</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Źle</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureBrowser</name>
    <message>
        <source>Vorschaubild mit Mausklick schließen ...</source>
        <translation>Kliknij, aby zamknąć podgląd ...</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> Podgląd:</translation>
    </message>
    <message>
        <source>Drag&amp;Drop ins Farbfeld</source>
        <translation>Przeciągnij na kolorowe pole</translation>
    </message>
    <message>
        <source>So würde das ausgewählte Bild im Großformat für ein Lösungsbild am Ende der Spielreihe aussehen . . .</source>
        <translation>Tak wyglądałby wybrany obraz w dużym formacie jako obraz nagrody na końcu serii zadań . . .</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImport</name>
    <message>
        <source>Die Datei ist kein Bild, das Duplikon lesen kann.</source>
        <translation>Plik nie jest obrazem, który Duplikon potrafi odczytać.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>Plik nie jest dźwiękiem, który Duplikon potrafi odtworzyć.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>Obraz jest uszkodzony lub niekompletny.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (mehr als 16384 Bildpunkte an einer Seite oder mehr als 256 MB im Speicher).</source>
        <translation>Obraz jest za duży (ponad 16384 pikseli na jednym boku lub ponad 256 MB w pamięci).</translation>
    </message>
    <message>
        <source>Das Bild kann nicht umgewandelt werden.</source>
        <translation>Nie można przekonwertować obrazu.</translation>
    </message>
    <message>
        <source>Bild aus der Zwischenablage</source>
        <translation>Obraz ze schowka</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Plik jest pusty.</translation>
    </message>
    <message>
        <source>Das Bild ist im Format HEIC/HEIF gespeichert, das Duplikon nicht lesen kann. Bitte speichern Sie es als JPEG und fügen Sie es dann ein.</source>
        <translation>Obraz jest zapisany w formacie HEIC/HEIF, którego Duplikon nie potrafi odczytać. Zapisz go jako JPEG i dopiero wtedy wstaw.</translation>
    </message>
    <message>
        <source>Es gibt schon zu viele Bilder mit diesem Namen.</source>
        <translation>Istnieje już zbyt wiele obrazów o tej nazwie.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>Nie można utworzyć folderu „%1”.</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImportActions</name>
    <message>
        <source>Bilder (%1)</source>
        <translation>Obrazy (%1)</translation>
    </message>
    <message>
        <source>Bilder einfügen</source>
        <translation>Wstaw obrazy</translation>
    </message>
    <message>
        <source>Lösungsbilder einfügen</source>
        <translation>Wstaw obrazy nagrody</translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n Lösungsbildern sind im Ordner %2.<byte value="xd" />Neue Lösungsbilder kommen beim nächsten Start von Duplikon dazu.</source>
        <translation>
            <numerusform>Zapisano w folderze %2: %1 z %n obrazu nagrody.<byte value="xd" />Nowe obrazy nagrody zostaną dodane przy następnym uruchomieniu programu Duplikon.</numerusform>
            <numerusform>Zapisano w folderze %2: %1 z %n obrazów nagrody.<byte value="xd" />Nowe obrazy nagrody zostaną dodane przy następnym uruchomieniu programu Duplikon.</numerusform>
            <numerusform>Zapisano w folderze %2: %1 z %n obrazów nagrody.<byte value="xd" />Nowe obrazy nagrody zostaną dodane przy następnym uruchomieniu programu Duplikon.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bild %1 von %2 ...</source>
        <translation>Obraz %1 z %2 ...</translation>
    </message>
    <message>
        <source>Diese Dateien wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>Te pliki nie zostały dodane:<byte value="xd" />%1</translation>
    </message>
    <message>
        <source>Diese Bilder wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>Te obrazy nie zostały dodane:<byte value="xd" />%1</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureLoader</name>
    <message>
        <source>Das Bild kann nicht gelesen werden.</source>
        <translation>Nie można odczytać obrazu.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>Obraz jest za duży.</translation>
    </message>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>Brak miejsca na obraz.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist leer.</source>
        <translation>Plik obrazu jest pusty.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist unvollständig.</source>
        <translation>Plik obrazu jest niekompletny.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist nicht vorhanden.</source>
        <translation>Plik obrazu nie istnieje.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>Plik obrazu jest za duży.</translation>
    </message>
    <message>
        <source>Die Bilddatei kann nicht geöffnet werden.</source>
        <translation>Nie można otworzyć pliku obrazu.</translation>
    </message>
</context>
<context>
    <name>duplikon::PlaySession</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>Nie można odczytać pliku %1.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Prima, du hast die Aufgabe gelöst.<byte value="xd" />Wähle dir eine neue Aufgabe aus!<byte value="xd" />Klicke dazu im Menü auf 'Laden' ...<byte value="xd" /></source>
        <translation>Super, zadanie rozwiązane!<byte value="xd" />Wybierz sobie nowe zadanie!<byte value="xd" />Kliknij w menu na „Wczytaj” ...<byte value="xd" /></translation>
    </message>
    <message>
        <source>Kontrolle</source>
        <translation>Sprawdzone</translation>
    </message>
</context>
<context>
    <name>duplikon::PrintSpooler</name>
    <message>
        <source>Der Drucker "%1" ist nicht erreichbar.</source>
        <translation>Drukarka „%1” jest niedostępna.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt zurzeit keine Aufträge an.</source>
        <translation>Drukarka „%1” nie przyjmuje obecnie zadań.</translation>
    </message>
</context>
<context>
    <name>duplikon::QtRecorder</name>
    <message>
        <source>Es läuft schon eine Aufnahme.</source>
        <translation>Nagrywanie już trwa.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es schon.</source>
        <translation>Plik „%1” już istnieje.</translation>
    </message>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>Nie podłączono mikrofonu.</translation>
    </message>
    <message>
        <source>Die Aufnahme kann nicht beginnen: %1</source>
        <translation>Nie można rozpocząć nagrywania: %1</translation>
    </message>
</context>
<context>
    <name>duplikon::RegularFile</name>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>To nie jest plik.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation>Plik jest za duży.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>Nie można odczytać pliku.</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsTables</name>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Dziecko</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Fehlversuche</source>
        <translation>Błędne próby</translation>
    </message>
    <message>
        <source>Spielweise</source>
        <translation>Sposób gry</translation>
    </message>
    <message>
        <source>Pflicht</source>
        <translation>Obowiązkowe</translation>
    </message>
    <message>
        <source>Züge</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Mannschaften</source>
        <translation>Drużyny</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>Połówka 1</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>Połówka 2</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Źle</translation>
    </message>
    <message>
        <source>Maus</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Antippen</source>
        <translation>Dotykanie</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>Odkrywanie</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>nie</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsWindow</name>
    <message>
        <source>Ergebnisse</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>&amp;Zeitraum:</source>
        <translation>&amp;Okres:</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Diese Woche</source>
        <translation>Ten tydzień</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>Wszystko</translation>
    </message>
    <message>
        <source>Als &amp;Tabelle speichern ...</source>
        <translation>Zapisz jako &amp;tabelę ...</translation>
    </message>
    <message>
        <source>&amp;Kinder</source>
        <translation>&amp;Dzieci</translation>
    </message>
    <message>
        <source>&amp;Paare</source>
        <translation>&amp;Pary</translation>
    </message>
    <message>
        <source>&amp;Lernkartei</source>
        <translation>Pudełko z &amp;fiszkami</translation>
    </message>
    <message>
        <source>Für die ganze Klasse üben:</source>
        <translation>Do ćwiczenia z całą klasą:</translation>
    </message>
    <message>
        <source>Als A&amp;ufgabe speichern ...</source>
        <translation>Zapisz jako &amp;zadanie ...</translation>
    </message>
    <message>
        <source>Ein falsches Ablegen zählt beim Paar der gezogenen Hälfte und beim Paar der Hälfte, auf die sie gelegt wurde. Je kräftiger die Farbe, desto größer der Anteil falscher Züge.</source>
        <translation>Błędne odłożenie liczy się dla pary przeciągniętej połówki i dla pary połówki, na którą ją położono. Im mocniejszy kolor, tym większy udział błędnych ruchów.</translation>
    </message>
    <message>
        <source>&amp;Alle Ergebnisse löschen ...</source>
        <translation>Usuń &amp;wszystkie wyniki ...</translation>
    </message>
    <message>
        <source>Die Ergebnisse werden gelesen ...</source>
        <translation>Wczytywanie wyników ...</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien gelesen</source>
        <translation>
            <numerusform>Wczytano %n plik</numerusform>
            <numerusform>Wczytano %n pliki</numerusform>
            <numerusform>Wczytano %n plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Zeilen</source>
        <translation>
            <numerusform>%n uszkodzony wiersz</numerusform>
            <numerusform>%n uszkodzone wiersze</numerusform>
            <numerusform>%n uszkodzonych wierszy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Dateien</source>
        <translation>
            <numerusform>%n uszkodzony plik</numerusform>
            <numerusform>%n uszkodzone pliki</numerusform>
            <numerusform>%n uszkodzonych plików</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 übersprungen</source>
        <translation>Pominięto: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>Die Ergebnisse werden gelesen: %1 von %n Dateien</source>
        <translation>
            <numerusform>Wczytywanie wyników: %1 z %n pliku</numerusform>
            <numerusform>Wczytywanie wyników: %1 z %n plików</numerusform>
            <numerusform>Wczytywanie wyników: %1 z %n plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 – %2 (%3): %n Kinder</source>
        <translation>
            <numerusform>%1 – %2 (%3): %n dziecko</numerusform>
            <numerusform>%1 – %2 (%3): %n dzieci</numerusform>
            <numerusform>%1 – %2 (%3): %n dzieci</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufgabe konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Nie udało się zapisać zadania.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Paare stehen jetzt in der Aufgabe „%1“.<byte value="xd" /></source>
        <translation>Pary są teraz w zadaniu „%1”.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ergebnisse &amp;von %1 löschen ...</source>
        <translation>&amp;Usuń wyniki dziecka %1 ...</translation>
    </message>
    <message>
        <source>Als Tabelle speichern</source>
        <translation>Zapisz jako tabelę</translation>
    </message>
    <message>
        <source>Tabellen (*.csv)</source>
        <translation>Tabele (*.csv)</translation>
    </message>
    <message>
        <source>Zur Tabelle „%1“ gehört die Tabelle der Paare „%2“.<byte value="xd" />„%2“ gibt es schon. Soll sie ersetzt werden?</source>
        <translation>Do tabeli „%1” należy tabela par „%2”.<byte value="xd" />Plik „%2” już istnieje. Czy go zastąpić?</translation>
    </message>
    <message>
        <source>Die Tabelle konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Nie udało się zapisać tabeli.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse von %1 gelöscht werden?</source>
        <translation>Czy usunąć wszystkie wyniki dziecka %1?</translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse aller Kinder gelöscht werden?</source>
        <translation>Czy usunąć wszystkie wyniki wszystkich dzieci?</translation>
    </message>
    <message>
        <source>Diese Einträge sind Verknüpfungen oder keine gewöhnlichen Dateien. Sie wurden übersprungen, nichts dahinter wurde gelöscht:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Te pozycje są dowiązaniami lub nie są zwykłymi plikami. Zostały pominięte, niczego, na co wskazują, nie usunięto:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien konnten nicht gelöscht werden (sie gehören einer anderen Anmeldung).<byte value="xd" /></source>
        <translation>
            <numerusform>Nie udało się usunąć %n pliku (należy do innego konta).<byte value="xd" /></numerusform>
            <numerusform>Nie udało się usunąć %n plików (należą do innego konta).<byte value="xd" /></numerusform>
            <numerusform>Nie udało się usunąć %n plików (należą do innego konta).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 – %2 (%3): 1 Kind</source>
        <translation>%1 – %2 (%3): 1 dziecko</translation>
    </message>
</context>
<context>
    <name>duplikon::RunsModel</name>
    <message>
        <source>dd.MM.yyyy hh:mm</source>
        <comment>date and time of a run</comment>
        <translation>dd.MM.yyyy hh:mm</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Źle</translation>
    </message>
</context>
<context>
    <name>duplikon::Services</name>
    <message>
        <source>Es ist kein Drucker eingerichtet.</source>
        <translation>Nie skonfigurowano żadnej drukarki.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>Das PDF konnte nicht angelegt werden.</source>
        <translation>Nie udało się utworzyć pliku PDF.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt keinen Auftrag an.</source>
        <translation>Drukarka „%1” nie przyjmuje zadania.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht übergeben werden.</source>
        <translation>Nie udało się przekazać zadania drukowania.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" hat den Auftrag abgelehnt.</source>
        <translation>Drukarka „%1” odrzuciła zadanie.</translation>
    </message>
    <message>
        <source>Der Druckauftrag wurde abgelehnt.</source>
        <translation>Zadanie drukowania zostało odrzucone.</translation>
    </message>
</context>
<context>
    <name>duplikon::SettingsPanel</name>
    <message>
        <source>Vom Administrator gesperrt</source>
        <translation>Zablokowane przez administratora</translation>
    </message>
    <message>
        <source>Einstellungen für das Programm:</source>
        <translation>Ustawienia programu:</translation>
    </message>
    <message>
        <source>Pflichtaufgaben</source>
        <translation>Zadania obowiązkowe</translation>
    </message>
    <message>
        <source>Editor sperren</source>
        <translation>Zablokuj edytor</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>Krótki wybór plików</translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>Powtórka</translation>
    </message>
    <message>
        <source>Fragen</source>
        <translation>Pytania</translation>
    </message>
    <message>
        <source>Antworten</source>
        <translation>Odpowiedzi</translation>
    </message>
    <message>
        <source>Quellaufgaben</source>
        <translation>Zadania źródłowe</translation>
    </message>
    <message>
        <source>O k a y</source>
        <translation>O K</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Ablage ...</source>
        <translation>Do schowka ...</translation>
    </message>
    <message>
        <source>Drucken ...</source>
        <translation>Drukuj ...</translation>
    </message>
    <message>
        <source>Weitere ...</source>
        <translation>Więcej ...</translation>
    </message>
    <message>
        <source>Weitere Einstellungen (Alt+J)</source>
        <translation>Więcej ustawień (Alt+J)</translation>
    </message>
    <message>
        <source>Ergebnisse ...</source>
        <translation>Wyniki ...</translation>
    </message>
    <message>
        <source>Ergebnisse der Kinder (Alt+Q)</source>
        <translation>Wyniki dzieci (Alt+Q)</translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <source>Der Hintergrund wird durch fortwährenden Klick auf die<byte value="xd" />beiden Farbflächen 'Fragen' und 'Antworten' eingestellt.<byte value="xd" /></source>
        <translation>Tło ustawia się, klikając wielokrotnie<byte value="xd" />dwa kolorowe pola „Pytania” i „Odpowiedzi”.<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SolutionPicture</name>
    <message>
        <source>Bildfehler</source>
        <translation>Błąd obrazu</translation>
    </message>
    <message>
        <source>Es ist kein Lösungbild (PAARE*.*) vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Nie ma żadnego obrazu nagrody (PAARE*.*)!<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SoundRecording</name>
    <message>
        <source>&amp;Ton aufnehmen ...</source>
        <translation>Nagraj &amp;dźwięk ...</translation>
    </message>
    <message>
        <source>&amp;Tonaufnahme beenden</source>
        <translation>Zakończ nagrywanie &amp;dźwięku</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>Nie można utworzyć folderu „%1”.</translation>
    </message>
    <message>
        <source>Ton aufnehmen</source>
        <translation>Nagraj dźwięk</translation>
    </message>
    <message numerus="yes">
        <source>Die Aufnahme läuft, höchstens %n Sekunden ...</source>
        <translation>
            <numerusform>Trwa nagrywanie, najwyżej %n sekunda ...</numerusform>
            <numerusform>Trwa nagrywanie, najwyżej %n sekundy ...</numerusform>
            <numerusform>Trwa nagrywanie, najwyżej %n sekund ...</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufnahme ist nicht gelungen.</source>
        <translation>Nagranie się nie udało.</translation>
    </message>
</context>
<context>
    <name>duplikon::StartFolder</name>
    <message>
        <source>unbekannte Sprache „%1“</source>
        <translation>nieznany język „%1”</translation>
    </message>
    <message>
        <source>unbekannte Option „%1“</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>nur ein Ordner oder eine Aufgabendatei, nicht auch „%1“</source>
        <translation>tylko jeden folder lub plik zadania, nie także „%1”</translation>
    </message>
    <message>
        <source>Die Aufgabendatei „%1“ wurde nicht gefunden.</source>
        <translation>Nie znaleziono pliku zadania „%1”.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ wurde nicht gefunden.</source>
        <translation>Nie znaleziono folderu „%1”.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.
%2</source>
        <translation>Nie można utworzyć folderu „%1”.
%2</translation>
    </message>
    <message>
        <source>„%1“ ist eine Datei, kein Ordner.</source>
        <translation>„%1” jest plikiem, a nie folderem.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht gelesen werden.</source>
        <translation>Nie można odczytać folderu „%1”.</translation>
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
        <translation>Użycie: duplikon [FOLDER | PLIK.TXT | PAKIET.duplikon]
Duplikon – znajdowanie i dopasowywanie par, program do ćwiczeń dla dzieci.

Duplikon pracuje w jednym folderze: pliki zadań *.TXT i ich obrazy,
obrazy nagrody w DUPBILDER/, ustawienia w DUPLIKON.INI.

  FOLDER       pracuj w tym folderze
  PLIK.TXT     pracuj w folderze tego pliku zadania
  PAKIET.duplikon
               przyjmij przekazane zadanie z tego pakietu wraz z jego
               obrazami i dźwiękami, a potem graj: do bieżącego folderu,
               z --menue do folderu „Duplikon” w Dokumentach
  (bez)        pracuj w bieżącym folderze
  --menue      jak z menu Start: bez FOLDERU pracuj w folderze „Duplikon”
               w Dokumentach, tworzonym przy pierwszym uruchomieniu jako kopia
               przykładowych zadań; błędy pokazuj także w oknie komunikatu
  --einstellungen
               pokaż wartości z duplikon.conf, każdą z jej pochodzeniem,
               a potem pominięte wiersze
  --sprache KOD
               pracuj w tym języku, tylko tym razem: de, en, uk, ar, tr,
               ru, pl, fa lub System (język pulpitu)
  --help       pokaż tę pomoc
  --version    pokaż wersję

Kod wyjścia: 0, gdy wszystko jest w porządku; 1, gdy brakuje folderu lub
nie można go odczytać; 2 przy błędnym wywołaniu.
</translation>
    </message>
    <message>
        <source>Duplikon %1
Lizenz: GPL-3.0 oder neuer &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</source>
        <translation>Duplikon %1
Licencja: GPL-3.0 lub nowsza &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
To jest wolne oprogramowanie: wolno je zmieniać i rozpowszechniać.
Nie ma ŻADNEJ GWARANCJI w granicach dopuszczalnych przez prawo.
</translation>
    </message>
</context>
<context>
    <name>duplikon::SvgCheck</name>
    <message>
        <source>Das SVG-Bild verweist auf andere Dateien; es wird nicht übernommen.</source>
        <translation>Obraz SVG odwołuje się do innych plików; nie zostanie dodany.</translation>
    </message>
    <message>
        <source>Das SVG-Bild erklärt eigene Entitäten; es wird nicht übernommen.</source>
        <translation>Obraz SVG deklaruje własne encje; nie zostanie dodany.</translation>
    </message>
    <message>
        <source>Das SVG-Bild wiederholt seine Teile zu oft; es wird nicht übernommen.</source>
        <translation>Obraz SVG zbyt często powtarza swoje części; nie zostanie dodany.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>Obraz jest uszkodzony lub niekompletny.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchive</name>
    <message>
        <source>Die Datei ist kein Duplikon-Paket oder ist beschädigt.</source>
        <translation>Plik nie jest pakietem Duplikon albo jest uszkodzony.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden.</source>
        <translation>Nie można odczytać „%1”.</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt.</source>
        <translation>Plik „%1” jest uszkodzony.</translation>
    </message>
    <message>
        <source>„%1“ ist größer als 32 MB.</source>
        <translation>Plik „%1” jest większy niż 32 MB.</translation>
    </message>
    <message>
        <source>Das Paket ist ausgepackt größer als 256 MB.</source>
        <translation>Pakiet po rozpakowaniu ma ponad 256 MB.</translation>
    </message>
    <message>
        <source>„%1“ ist verdächtig stark gepackt.</source>
        <translation>Plik „%1” jest podejrzanie mocno skompresowany.</translation>
    </message>
    <message>
        <source>„%1“ ist größer, als das Paket angibt.</source>
        <translation>Plik „%1” jest większy, niż podaje pakiet.</translation>
    </message>
    <message>
        <source>„%1“ ist kleiner, als das Paket angibt.</source>
        <translation>Plik „%1” jest mniejszy, niż podaje pakiet.</translation>
    </message>
    <message>
        <source>manifest.json ist beschädigt.</source>
        <translation>Plik manifest.json jest uszkodzony.</translation>
    </message>
    <message>
        <source>Das Paket hat eine Version, die Duplikon nicht kennt.</source>
        <translation>Pakiet ma wersję, której Duplikon nie zna.</translation>
    </message>
    <message>
        <source>manifest.json ist unvollständig.</source>
        <translation>Plik manifest.json jest niekompletny.</translation>
    </message>
    <message>
        <source>Die Aufgabe im Paket ist zu lang.</source>
        <translation>Zadanie w pakiecie jest za długie.</translation>
    </message>
    <message>
        <source>Eine Zeile der Aufgabe enthält Steuerzeichen.</source>
        <translation>Jeden z wierszy zadania zawiera znaki sterujące.</translation>
    </message>
    <message>
        <source>Die Endung „%1“ gehört zu keinem Bild und keinem Ton.</source>
        <translation>Rozszerzenie „%1” nie należy do żadnego obrazu ani dźwięku.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Plik jest pusty.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>Plik nie jest dźwiękiem, który Duplikon potrafi odtworzyć.</translation>
    </message>
    <message>
        <source>Der Ton ist kein %1.</source>
        <translation>Dźwięk nie jest w formacie %1.</translation>
    </message>
    <message>
        <source>Das Bild ist kein %1.</source>
        <translation>Obraz nie jest w formacie %1.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>Obraz jest za duży.</translation>
    </message>
    <message numerus="yes">
        <source>Das Paket hat mehr als %n Einträge.</source>
        <translation>
            <numerusform>Pakiet ma więcej niż %n wpis.</numerusform>
            <numerusform>Pakiet ma więcej niż %n wpisy.</numerusform>
            <numerusform>Pakiet ma więcej niż %n wpisów.</numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ ist verschlüsselt.</source>
        <translation>Plik „%1” jest zaszyfrowany.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal im Paket.</source>
        <translation>Plik „%1” występuje w pakiecie dwa razy.</translation>
    </message>
    <message>
        <source>manifest.json ist zu groß.</source>
        <translation>Plik manifest.json jest za duży.</translation>
    </message>
    <message>
        <source>Im Paket fehlt manifest.json.</source>
        <translation>W pakiecie brakuje pliku manifest.json.</translation>
    </message>
    <message>
        <source>Im Paket fehlt „%1“.</source>
        <translation>W pakiecie brakuje pliku „%1”.</translation>
    </message>
    <message>
        <source>Die Zeile „%1“ nennt eine Datei, die nicht im Paket ist.</source>
        <translation>Wiersz „%1” wskazuje plik, którego nie ma w pakiecie.</translation>
    </message>
    <message>
        <source>Die Datei passt nicht zu ihrer Prüfsumme.</source>
        <translation>Plik nie zgadza się ze swoją sumą kontrolną.</translation>
    </message>
    <message>
        <source>Die Bilder des Pakets sind zusammen zu groß.</source>
        <translation>Obrazy z pakietu są razem za duże.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveActions</name>
    <message>
        <source>Duplikon-Aufgaben (*.duplikon *.DUPLIKON)</source>
        <translation>Zadania Duplikon (*.duplikon *.DUPLIKON)</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>Przyjmij zadanie</translation>
    </message>
    <message>
        <source>Aufgabe weitergeben</source>
        <translation>Przekaż zadanie</translation>
    </message>
    <message>
        <source>Bitte zuerst unter „Lerndateien“ eine Aufgabe wählen.<byte value="xd" /></source>
        <translation>Najpierw wybierz zadanie na liście „Pliki zadań”.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Bilder oder Töne fehlen oder sind beschädigt:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />Soll die Aufgabe ohne sie weitergegeben werden?<byte value="xd" />(An ihrer Stelle steht dann ihr Name als Text.)</source>
        <translation>Te obrazy lub dźwięki nie istnieją albo są uszkodzone:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />Czy przekazać zadanie bez nich?<byte value="xd" />(W ich miejscu pojawi się wtedy ich nazwa jako tekst.)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Nie udało się zapisać pliku %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Aufgabe %1 wurde als %2 gespeichert.<byte value="xd" /></source>
        <translation>Zadanie %1 zapisano jako %2.<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveFolder</name>
    <message>
        <source>Es gibt schon zu viele Aufgaben mit diesem Namen.</source>
        <translation>Istnieje już zbyt wiele zadań o tej nazwie.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden:<byte value="xd" />%2</source>
        <translation>Nie można odczytać „%1”:<byte value="xd" />%2</translation>
    </message>
    <message numerus="yes">
        <source>„%1“ hat mehr als %n Zeilen.</source>
        <translation>
            <numerusform>Plik „%1” ma więcej niż %n wiersz.</numerusform>
            <numerusform>Plik „%1” ma więcej niż %n wiersze.</numerusform>
            <numerusform>Plik „%1” ma więcej niż %n wierszy.</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Bilder und Töne von „%1“ sind zusammen größer als 256 MB.</source>
        <translation>Obrazy i dźwięki zadania „%1” mają razem ponad 256 MB.</translation>
    </message>
    <message>
        <source>Das Paket kann nicht gepackt werden.</source>
        <translation>Nie udało się utworzyć pakietu.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht übernommen werden:<byte value="xd" />%2</source>
        <translation>Nie można przyjąć „%1”:<byte value="xd" />%2</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>Nie można utworzyć folderu „%1”.</translation>
    </message>
    <message>
        <source>Die Aufgabe „%1“ wurde übernommen.</source>
        <translation>Zadanie „%1” zostało przyjęte.</translation>
    </message>
    <message>
        <source>Bilder: %1</source>
        <translation>Obrazy: %1</translation>
    </message>
    <message>
        <source>Töne: %1</source>
        <translation>Dźwięki: %1</translation>
    </message>
    <message>
        <source>Nicht übernommen, weil sie zu keiner Aufgabe gehören: %1</source>
        <translation>Nie przyjęto, bo nie należą do żadnego zadania: %1</translation>
    </message>
    <message>
        <source>Die Hälfte „%1“ hat keinen Partner: So kann die Aufgabe nicht gelöst werden.</source>
        <translation>Połówka „%1” nie ma pary: w takiej postaci zadania nie da się rozwiązać.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskChoice</name>
    <message>
        <source>Datei-Wahl:</source>
        <translation>Wybór pliku:</translation>
    </message>
    <message>
        <source>Datei-Inhalt:</source>
        <translation>Zawartość pliku:</translation>
    </message>
    <message>
        <source>Vorschau:</source>
        <translation>Podgląd:</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>L a d e n</source>
        <translation>W c z y t a j</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>Krótki wybór plików</translation>
    </message>
    <message>
        <source>Es sind keine Dateien vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Nie ma żadnych plików!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Meine Kartei
%n Karten</source>
        <translation>
            <numerusform>Moje fiszki
%n fiszka</numerusform>
            <numerusform>Moje fiszki
%n fiszki</numerusform>
            <numerusform>Moje fiszki
%n fiszek</numerusform>
        </translation>
    </message>
    <message>
        <source>Meine Kartei
Keine Karte fällig</source>
        <translation>Moje fiszki
Nic do powtórki</translation>
    </message>
    <message>
        <source>Meine Kartei
1 Karte</source>
        <translation>Moje fiszki
1 fiszka</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskFilePanel</name>
    <message>
        <source>Datei kopieren</source>
        <translation>Kopiuj plik</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Alt letter of Datei kopieren</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>Datei drucken</source>
        <translation>Drukuj plik</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Alt letter of Datei drucken</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>Datei löschen</source>
        <translation>Usuń plik</translation>
    </message>
    <message>
        <source>L</source>
        <comment>Alt letter of Datei löschen</comment>
        <translation>U</translation>
    </message>
    <message>
        <source> Lerndateien:</source>
        <translation> Pliki zadań:</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>%1 konnte nicht gelesen werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Nie udało się odczytać pliku %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Aktuelle Datei</source>
        <translation>Bieżący plik</translation>
    </message>
    <message>
        <source>Es ist keine Datei ausgewählt.<byte value="xd" /></source>
        <translation>Nie wybrano żadnego pliku.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Neue Datei</source>
        <translation>Nowy plik</translation>
    </message>
    <message>
        <source>Sie können nun eine neue Datei erstellen.<byte value="xd" /></source>
        <translation>Można teraz utworzyć nowy plik.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>Błąd w listach</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>Obie listy mają różną długość.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind zu lang.,<byte value="xd" />nur 20 Einträge sind zulässig.<byte value="xd" /></source>
        <translation>Listy są za długie,<byte value="xd" />dozwolonych jest tylko 20 wpisów.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Datei sichern</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Namen für die Datei eingeben:<byte value="xd" />(Nur Endung '.TXT' akzeptiert)</source>
        <translation>Wpisz nazwę pliku:<byte value="xd" />(Akceptowane jest tylko rozszerzenie „.TXT”)</translation>
    </message>
    <message>
        <source>Dieser Name ist für eine Datei nicht zulässig.<byte value="xd" />Bitte einen einfachen Namen ohne "/", "\" und ".." eingeben.<byte value="xd" /></source>
        <translation>Ta nazwa pliku jest niedozwolona.<byte value="xd" />Wpisz prostą nazwę bez „/”, „\” i „..”.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Name %1 gehört zu den Einstellungen.<byte value="xd" />Bitte einen anderen Namen eingeben.<byte value="xd" /></source>
        <translation>Nazwa %1 jest zarezerwowana dla ustawień.<byte value="xd" />Wpisz inną nazwę.<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 sichern</source>
        <translation>Zapisywanie pliku %1</translation>
    </message>
    <message>
        <source>Die Datei ist schon vorhanden,<byte value="xd" />soll sie überschrieben werden?<byte value="xd" /></source>
        <translation>Plik już istnieje,<byte value="xd" />czy go zastąpić?<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Nie udało się zapisać pliku %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 wurde gespeichert.<byte value="xd" /></source>
        <translation>Zapisano plik %1.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ablage</source>
        <translation>Schowek</translation>
    </message>
    <message>
        <source>Die Datei wurde in die Ablage kopiert.<byte value="xd" /><byte value="xd" /></source>
        <translation>Plik skopiowano do schowka.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Datei jetzt ausdrucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>Wydrukować teraz ten plik?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Nie udało się wydrukować pliku:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Datei wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>Trwa drukowanie bieżącego pliku ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Soll diese Datei gelöscht werden?<byte value="xd" /><byte value="xd" /></source>
        <translation>Czy usunąć ten plik?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gelöscht werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Nie udało się usunąć pliku %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TextFiles</name>
    <message>
        <source>In den Ordner kann nicht geschrieben werden.</source>
        <translation>Nie można zapisywać w tym folderze.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht vollständig geschrieben werden; der Datenträger ist voll.</source>
        <translation>Nie można zapisać całego pliku: nośnik jest pełny.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht angelegt werden.</source>
        <translation>Nie można utworzyć pliku.</translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetDialog</name>
    <message>
        <source>&amp;Zuordnen</source>
        <translation>Dopas&amp;owywanie</translation>
    </message>
    <message>
        <source>Paar&amp;karten</source>
        <translation>Karty do gry w pa&amp;ry</translation>
    </message>
    <message>
        <source>&amp;Lösungsblatt</source>
        <translation>&amp;Klucz odpowiedzi</translation>
    </message>
    <message>
        <source>&amp;Neu mischen</source>
        <translation>&amp;Wymieszaj ponownie</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>&amp;Drukuj ...</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern ...</source>
        <translation>Zapisz jako &amp;PDF ...</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Arbeitsblatt</source>
        <translation>Karta pracy</translation>
    </message>
    <message>
        <source>Art des Blattes</source>
        <translation>Rodzaj karty</translation>
    </message>
    <message>
        <source>Ein Ton ist auf Papier nicht zu hören: Auf dem Blatt steht für ihn ein Lautsprecher mit dem Namen der Datei.</source>
        <translation>Dźwięku nie słychać na papierze: na karcie w jego miejscu jest głośnik z nazwą pliku.</translation>
    </message>
    <message>
        <source>Das Blatt „%1“ wird gedruckt.</source>
        <translation>Drukowanie karty „%1”.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Zapisano: %1</translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>Błąd w listach</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>Obie listy mają różną długość.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind leer.<byte value="xd" /></source>
        <translation>Listy są puste.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>Das Blatt konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Nie udało się wydrukować karty:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Nie udało się zapisać pliku %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetLayout</name>
    <message>
        <source>Name:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Mischung Nr. %1</source>
        <translation>Układ nr %1</translation>
    </message>
    <message>
        <source>Lösungsblatt: %1</source>
        <translation>Klucz odpowiedzi: %1</translation>
    </message>
    <message>
        <source>Zum Blatt "Zuordnen" mit Mischung Nr. %1</source>
        <translation>Do karty „Dopasowywanie” – układ nr %1</translation>
    </message>
</context>
<context>
    <name>duplikon::main</name>
    <message>
        <source>duplikon: %1
Mehr mit „duplikon --help“.
</source>
        <translation>duplikon: %1
Więcej: „duplikon --help”.
</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>Przyjmij zadanie</translation>
    </message>
</context>
</TS>
