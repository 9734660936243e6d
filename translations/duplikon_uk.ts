<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="de_DE">
<context>
    <name>duplikon::AudioModule</name>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>Мікрофон не під’єднано.</translation>
    </message>
</context>
<context>
    <name>duplikon::Board</name>
    <message>
        <source>Passt nicht</source>
        <translation>Не підходить</translation>
    </message>
    <message numerus="yes">
        <source> %n Punkte</source>
        <translation>
            <numerusform> %n бал</numerusform>
            <numerusform> %n бали</numerusform>
            <numerusform> %n балів</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::BoardKeyboard</name>
    <message>
        <source>Reihe %1, Spalte %2</source>
        <translation>Рядок %1, стовпчик %2</translation>
    </message>
    <message>
        <source>Bild, %1</source>
        <translation>Малюнок, %1</translation>
    </message>
    <message>
        <source>Ton, %1</source>
        <translation>Звук, %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>aufgenommen</source>
        <translation>взято</translation>
    </message>
    <message>
        <source>abgelegt</source>
        <translation>покладено</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>Не підходить</translation>
    </message>
    <message>
        <source>zurückgelegt</source>
        <translation>покладено назад</translation>
    </message>
    <message numerus="yes">
        <source>Richtig! %n Punkte</source>
        <translation>
            <numerusform>Правильно! %n бал</numerusform>
            <numerusform>Правильно! %n бали</numerusform>
            <numerusform>Правильно! %n балів</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::ButtonStrip</name>
    <message>
        <source>Benutzer</source>
        <translation>Користувач</translation>
    </message>
    <message>
        <source>zweifarbige Fenster</source>
        <translation>двоколірні вікна</translation>
    </message>
    <message>
        <source>Abc kleiner</source>
        <translation>Абв менше</translation>
    </message>
    <message>
        <source>Schrift kleiner</source>
        <translation>Менший шрифт</translation>
    </message>
    <message>
        <source>Abc größer</source>
        <translation>Абв більше</translation>
    </message>
    <message>
        <source>Schrift größer</source>
        <translation>Більший шрифт</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Жирний</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Звичайний</translation>
    </message>
</context>
<context>
    <name>duplikon::CardBoard</name>
    <message>
        <source>Karte %1, %2</source>
        <translation>Картка %1, %2</translation>
    </message>
    <message>
        <source>verdeckt</source>
        <translation>закрита</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Правильно</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>Не підходить</translation>
    </message>
    <message>
        <source>Mannschaft %1 ist dran</source>
        <translation>Ходить команда %1</translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paar</source>
        <translation>
            <numerusform>Команда %1
%n пара</numerusform>
            <numerusform>Команда %1
%n пари</numerusform>
            <numerusform>Команда %1
%n пар</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paare</source>
        <translation>
            <numerusform>Команда %1
%n пара</numerusform>
            <numerusform>Команда %1
%n пари</numerusform>
            <numerusform>Команда %1
%n пар</numerusform>
        </translation>
    </message>
    <message>
        <source>Beide Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>В обох команд порівну пар.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Alle Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>У всіх команд порівну пар.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Mannschaft %1 hat gewonnen!<byte value="xd" /></source>
        <translation>Команда %1 перемогла!<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Mannschaften %1 und %2 haben gewonnen!<byte value="xd" /></source>
        <translation>Команди %1 і %2 перемогли!<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::CardPlay</name>
    <message>
        <source>Mannschaften</source>
        <translation>Команди</translation>
    </message>
</context>
<context>
    <name>duplikon::CheckWindow</name>
    <message>
        <source>Duplikon: Kontrolle</source>
        <translation>Duplikon: Перевірка</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>Gelöste Aufgaben</source>
        <translation>Розв’язані завдання</translation>
    </message>
    <message>
        <source>Uhrzeit der Lösung</source>
        <translation>Час розв’язання</translation>
    </message>
    <message>
        <source>Zeilen der gewählten Aufgabe</source>
        <translation>Рядки вибраного завдання</translation>
    </message>
    <message>
        <source>Bild der gewählten Zeile</source>
        <translation>Зображення вибраного рядка</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>Користувач</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>Неможливо прочитати файл %1.<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ChildrenModel</name>
    <message>
        <source>%1 gelöst, %2 falsch</source>
        <translation>розв’язано: %1, помилок: %2</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Дитина</translation>
    </message>
    <message>
        <source>Kartei</source>
        <translation>Картотека</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassList</name>
    <message>
        <source>Die Klassenliste ist keine Textdatei.</source>
        <translation>Список класу не є текстовим файлом.</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassListDialog</name>
    <message>
        <source>&amp;Hinzufügen ...</source>
        <translation>&amp;Додати ...</translation>
    </message>
    <message>
        <source>&amp;Umbenennen ...</source>
        <translation>Перей&amp;менувати ...</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>&amp;Вилучити</translation>
    </message>
    <message>
        <source>S&amp;ortieren</source>
        <translation>&amp;Сортувати</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>Ск&amp;асувати</translation>
    </message>
    <message>
        <source>Klassenliste</source>
        <translation>Список класу</translation>
    </message>
    <message>
        <source>Die Vornamen der Kinder, wie sie unter „Benutzer“ erscheinen:</source>
        <translation>Імена дітей, як вони з’являються на кнопці «Користувач»:</translation>
    </message>
    <message>
        <source>Die Klassenliste „%1“ kann nicht gelesen werden: %2<byte value="xd" /></source>
        <translation>Неможливо прочитати список класу «%1»: %2<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Zeilen der Klassenliste werden übergangen (zu lang, Steuerzeichen oder mehr als %1 Namen).<byte value="xd" /></source>
        <translation>
            <numerusform>Пропущено %n рядок списку класу (задовгий, з керівними символами або понад %1 імен).<byte value="xd" /></numerusform>
            <numerusform>Пропущено %n рядки списку класу (задовгі, з керівними символами або понад %1 імен).<byte value="xd" /></numerusform>
            <numerusform>Пропущено %n рядків списку класу (задовгі, з керівними символами або понад %1 імен).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ein Name hat höchstens %n Zeichen.<byte value="xd" /></source>
        <translation>
            <numerusform>Ім’я може мати щонайбільше %n символ.<byte value="xd" /></numerusform>
            <numerusform>Ім’я може мати щонайбільше %n символи.<byte value="xd" /></numerusform>
            <numerusform>Ім’я може мати щонайбільше %n символів.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>Ein Name darf keine Steuerzeichen enthalten.<byte value="xd" /></source>
        <translation>Ім’я не може містити керівних символів.<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Die Klassenliste hat höchstens %n Namen.<byte value="xd" /></source>
        <translation>
            <numerusform>Список класу може мати щонайбільше %n ім’я.<byte value="xd" /></numerusform>
            <numerusform>Список класу може мати щонайбільше %n імені.<byte value="xd" /></numerusform>
            <numerusform>Список класу може мати щонайбільше %n імен.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ steht schon in der Liste.<byte value="xd" /></source>
        <translation>«%1» уже є в списку.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Vorname des Kindes:</source>
        <translation>Ім’я дитини:</translation>
    </message>
    <message>
        <source>Die Klassenliste kann nicht gespeichert werden: %1<byte value="xd" /></source>
        <translation>Неможливо зберегти список класу: %1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ClassroomConfig</name>
    <message>
        <source> oder </source>
        <translation> або </translation>
    </message>
    <message>
        <source>true oder false</source>
        <translation>true або false</translation>
    </message>
    <message>
        <source>100, 150, 200 oder Bildschirm</source>
        <translation>100, 150, 200 або Bildschirm</translation>
    </message>
    <message>
        <source>eine ganze Zahl von -100 bis 100</source>
        <translation>ціле число від -100 до 100</translation>
    </message>
    <message>
        <source>ein Text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>%1: %2 Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: %2 Файл вважається відсутнім.</translation>
    </message>
    <message>
        <source>%1: Das ist keine Textdatei. Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: Це не текстовий файл. Файл вважається відсутнім.</translation>
    </message>
    <message>
        <source>[Fest] gilt nur in der Datei des Administrators, der Abschnitt wird übergangen.</source>
        <translation>[Fest] діє лише у файлі адміністратора, розділ пропущено.</translation>
    </message>
    <message>
        <source>Unbekannter Abschnitt „[%1]“ wird übergangen.</source>
        <translation>Невідомий розділ «[%1]» пропущено.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“, der Abschnitt wird übergangen.</source>
        <translation>Пошкоджений рядок «%1», розділ пропущено.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“ wird übergangen.</source>
        <translation>Пошкоджений рядок «%1» пропущено.</translation>
    </message>
    <message>
        <source>„%1“ steht in keinem Abschnitt und wird übergangen.</source>
        <translation>«%1» не належить до жодного розділу, його пропущено.</translation>
    </message>
    <message>
        <source>Unbekannter Schlüssel „%1“ wird übergangen.</source>
        <translation>Невідомий ключ «%1» пропущено.</translation>
    </message>
    <message>
        <source>%1 gilt nur im Abschnitt [Fest] und wird übergangen.</source>
        <translation>%1 діє лише в розділі [Fest], його пропущено.</translation>
    </message>
    <message>
        <source>„%1“ ist kein Wert für %2 (%3) und wird übergangen.</source>
        <translation>«%1» не є значенням для %2 (%3), його пропущено.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt oder nicht lesbar.</source>
        <translation>Файл %1 пошкоджено або його неможливо прочитати.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Неможливо записати файл %1.</translation>
    </message>
    <message>
        <source>eingebaute Vorgabe</source>
        <translation>вбудоване типове значення</translation>
    </message>
    <message>
        <source>, fest</source>
        <translation>, фіксовано</translation>
    </message>
</context>
<context>
    <name>duplikon::Dialogs</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>duplikon::EditorWindow</name>
    <message>
        <source>Mit Strg+G kommt das Bild in die grüne Liste, mit Strg+B in die blaue ...</source>
        <translation>Ctrl+G — зображення потрапить до зеленого списку, Ctrl+B — до синього ...</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;aktuelle Datei</source>
        <translation>&amp;Поточний файл</translation>
    </message>
    <message>
        <source>&amp;neue Datei ...</source>
        <translation>&amp;Новий файл ...</translation>
    </message>
    <message>
        <source>Datei &amp;sichern</source>
        <translation>&amp;Зберегти файл</translation>
    </message>
    <message>
        <source>A&amp;rbeitsblatt ...</source>
        <translation>&amp;Робочий аркуш ...</translation>
    </message>
    <message>
        <source>Aufgabe &amp;weitergeben ...</source>
        <translation>Пере&amp;дати завдання ...</translation>
    </message>
    <message>
        <source>Aufgabe üb&amp;ernehmen ...</source>
        <translation>При&amp;йняти завдання ...</translation>
    </message>
    <message>
        <source>&amp;Klassenliste ...</source>
        <translation>Список &amp;класу ...</translation>
    </message>
    <message>
        <source>&amp;Bilder einfügen ...</source>
        <translation>Вставити з&amp;ображення ...</translation>
    </message>
    <message>
        <source>&amp;Lösungsbilder einfügen ...</source>
        <translation>Вставити на&amp;городні зображення ...</translation>
    </message>
    <message>
        <source>&amp;Großbild</source>
        <translation>&amp;Велике зображення</translation>
    </message>
    <message>
        <source>In dieser grünen Liste stehen die linken Teilpaare oder Aufgaben ...</source>
        <translation>У цьому зеленому списку — ліві половинки пар або завдання ...</translation>
    </message>
    <message>
        <source>In dieser blauen Liste stehen die rechten Teilpaare oder Lösungen ...</source>
        <translation>У цьому синьому списку — праві половинки пар або відповіді ...</translation>
    </message>
    <message>
        <source>Hier die gewünschten Texte eingeben und mit den Symbolen einsetzen ...</source>
        <translation>Введіть тут потрібні тексти й вставте їх кнопками із символами ...</translation>
    </message>
    <message>
        <source>In dieser roten Liste stehen die Quelldateien mit den Daten ...</source>
        <translation>У цьому червоному списку — вихідні файли з даними ...</translation>
    </message>
    <message>
        <source>Aus dieser Ordnerliste einen Ordner durch Anklicken auswählen ...</source>
        <translation>Виберіть теку в цьому списку тек, клацнувши на ній ...</translation>
    </message>
    <message>
        <source>Aus dieser Bildliste ein aktuelles Bild durch Anklicken auswählen ...</source>
        <translation>Виберіть поточне зображення в цьому списку, клацнувши на ньому ...</translation>
    </message>
    <message>
        <source>Das Vorschaubild mit Drag&amp;Drop in das grüne oder blaue Fenster ziehen ...</source>
        <translation>Перетягніть мініатюру в зелене або синє вікно ...</translation>
    </message>
    <message>
        <source>Duplikon: Editor</source>
        <translation>Duplikon: Редактор</translation>
    </message>
    <message>
        <source>Hilfetexte</source>
        <translation>Підказки</translation>
    </message>
</context>
<context>
    <name>duplikon::ExtraSettingsDialog</name>
    <message>
        <source>Vom Administrator festgelegt</source>
        <translation>Встановлено адміністратором</translation>
    </message>
    <message>
        <source>Weitere Einstellungen</source>
        <translation>Додаткові налаштування</translation>
    </message>
    <message>
        <source>Antippen statt Ziehen</source>
        <translation>Торкання замість перетягування</translation>
    </message>
    <message>
        <source>Fenstergröße</source>
        <translation>Розмір вікна</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>Увесь екран</translation>
    </message>
    <message>
        <source>Die neue Fenstergröße gilt ab dem nächsten Start.</source>
        <translation>Новий розмір вікна діятиме після наступного запуску.</translation>
    </message>
    <message>
        <source>Ergebnisse aufbewahren</source>
        <translation>Зберігати результати</translation>
    </message>
    <message>
        <source>Sp&amp;rache:</source>
        <translation>&amp;Мова:</translation>
    </message>
    <message>
        <source>Wie das System</source>
        <translation>Як у системі</translation>
    </message>
    <message>
        <source>Vorlesen</source>
        <translation>Читати вголос</translation>
    </message>
    <message>
        <source>Keine Sprachausgabe gefunden</source>
        <translation>Синтезатор мовлення не знайдено</translation>
    </message>
    <message>
        <source>&amp;Stimme:</source>
        <translation>&amp;Голос:</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>&amp;Темп:</translation>
    </message>
    <message>
        <source>Spielart</source>
        <translation>Вид гри</translation>
    </message>
    <message>
        <source>Zuordnen</source>
        <translation>Зіставлення</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>Відкривання карток</translation>
    </message>
    <message>
        <source>&amp;Paare:</source>
        <translation>&amp;Пари:</translation>
    </message>
    <message>
        <source>&amp;Zudecken:</source>
        <translation>&amp;Закривати:</translation>
    </message>
    <message>
        <source>&amp;Mannschaften:</source>
        <translation>&amp;Команди:</translation>
    </message>
    <message>
        <source>Getrennt: erste Hälften oben, zweite unten</source>
        <translation>Окремо: перші половинки вгорі, другі внизу</translation>
    </message>
    <message>
        <source>beim nächsten Tippen</source>
        <translation>після наступного торкання</translation>
    </message>
    <message>
        <source>nach 1 Sekunde</source>
        <translation>через 1 секунду</translation>
    </message>
    <message>
        <source>nach 2 Sekunden</source>
        <translation>через 2 секунди</translation>
    </message>
    <message>
        <source>nach 3 Sekunden</source>
        <translation>через 3 секунди</translation>
    </message>
    <message>
        <source>nach 4 Sekunden</source>
        <translation>через 4 секунди</translation>
    </message>
    <message>
        <source>nach 5 Sekunden</source>
        <translation>через 5 секунд</translation>
    </message>
    <message>
        <source>Vom Administrator abgeschaltet</source>
        <translation>Вимкнено адміністратором</translation>
    </message>
    <message>
        <source>Für diese Sprache gibt es keine Stimme: Meldungen werden nur gezeigt, nicht vorgelesen.</source>
        <translation>Для цієї мови немає голосу: повідомлення буде лише показано, але не прочитано вголос.</translation>
    </message>
    <message>
        <source>Deutsch (Vorgabe)</source>
        <translation>Німецька (типово)</translation>
    </message>
    <message>
        <source>%1 (nicht installiert)</source>
        <translation>%1 (не встановлено)</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Не вдалося зберегти налаштування.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Lernkartei</source>
        <translation>Навчальна картотека</translation>
    </message>
    <message>
        <source>Die Lernkartei braucht „Ergebnisse aufbewahren“.</source>
        <translation>Для навчальної картотеки потрібно ввімкнути «Зберігати результати».</translation>
    </message>
</context>
<context>
    <name>duplikon::FileLists</name>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Файл відсутній.</translation>
    </message>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>Це не файл.</translation>
    </message>
</context>
<context>
    <name>duplikon::Folders</name>
    <message>
        <source>Der Ordner „%1“ fehlt.</source>
        <translation>Теки «%1» немає.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>Неможливо створити теку «%1».</translation>
    </message>
    <message>
        <source>Im Ordner „%1“ kann nichts angelegt werden.</source>
        <translation>У теці «%1» неможливо нічого створити.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht nach „%2“ kopiert werden.</source>
        <translation>Неможливо скопіювати «%1» до «%2».</translation>
    </message>
</context>
<context>
    <name>duplikon::LessonRules</name>
    <message>
        <source>Die Aufgaben werden wiederholt, rufe das nächste Kind.<byte value="xd" /><byte value="xd" /></source>
        <translation>Завдання повторюються. Поклич наступну дитину.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>Повторення</translation>
    </message>
    <message>
        <source>Dies ist eine Pflichtaufgabe für dich!<byte value="xd" /><byte value="xd" /></source>
        <translation>Це обов’язкове завдання для тебе!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>Ім’я користувача</translation>
    </message>
    <message>
        <source>Benutzername eingeben:</source>
        <translation>Напиши своє ім’я:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Die Einstellungen wurden vom Administrator gesperrt.<byte value="xd" /></source>
        <translation>Налаштування заблоковано адміністратором.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Geben Sie das Passwort für diese Funktion ein:</source>
        <translation>Введіть пароль для цієї функції:</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Der Editor wurde im Zusatzmenü deaktiviert.<byte value="xd" /><byte value="xd" /></source>
        <translation>Редактор вимкнено в додатковому меню.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung verweigert</source>
        <translation>Повторення неможливе</translation>
    </message>
    <message>
        <source>Es müssen erst Pflichtaufgaben gewählt werden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Спочатку потрібно вибрати обов’язкові завдання!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Programmordner antwortet nicht.</source>
        <translation>Тека програми не відповідає.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Не вдалося зберегти налаштування.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::MainWindow</name>
    <message>
        <source>Ordner 'DUPBILDER' fehlt:</source>
        <translation>Немає теки «DUPBILDER»:</translation>
    </message>
    <message>
        <source>Der Bildordner für die Lösungsbilder wurde nicht gefunden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Теку нагородних зображень не знайдено!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Duplikon 1.0 – Paare finden, für Kinder der Grundschule.<byte value="xd" />https://duplikon.example/</source>
        <translation>Duplikon 1.0 – знайди пари, для учнів початкової школи.<byte value="xd" />https://duplikon.example/</translation>
    </message>
    <message>
        <source>&amp;Programm</source>
        <translation>&amp;Програма</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Вийти</translation>
    </message>
    <message>
        <source>&amp;Autor ...</source>
        <translation>&amp;Автор ...</translation>
    </message>
    <message>
        <source>&amp;Laden</source>
        <translation>&amp;Завантажити</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>&amp;Редактор</translation>
    </message>
    <message>
        <source>E&amp;instellungen</source>
        <translation>&amp;Налаштування</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Wollen Sie die aktuelle Seite drucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>Надрукувати поточну сторінку?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Dieses Programm jetzt beenden?<byte value="xd" /><byte value="xd" /></source>
        <translation>Вийти з програми зараз?<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::Metafile</name>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>Немає місця для зображення.</translation>
    </message>
    <message>
        <source>Die Metadatei kann nicht gelesen werden.</source>
        <translation>Неможливо прочитати метафайл.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu viel Speicher.</source>
        <translation>Метафайлу потрібно забагато пам’яті.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>Зображення завелике.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu lange.</source>
        <translation>Метафайл обробляється задовго.</translation>
    </message>
    <message>
        <source>Windows-Metadateien werden nicht unterstützt.</source>
        <translation>Метафайли Windows не підтримуються.</translation>
    </message>
    <message>
        <source>Die Metadatei ist beschädigt.</source>
        <translation>Метафайл пошкоджено.</translation>
    </message>
</context>
<context>
    <name>duplikon::MetafileRecords</name>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>Файл зображення завеликий.</translation>
    </message>
    <message>
        <source>Die Metadatei hat zu viele Einträge.</source>
        <translation>Метафайл містить забагато записів.</translation>
    </message>
</context>
<context>
    <name>duplikon::NamePicker</name>
    <message>
        <source>Tippe auf deinen Namen:</source>
        <translation>Натисни на своє ім’я:</translation>
    </message>
    <message>
        <source>Anderer Name ...</source>
        <translation>Інше ім’я ...</translation>
    </message>
</context>
<context>
    <name>duplikon::PageOutput</name>
    <message>
        <source>Zwischenablage</source>
        <translation>Буфер обміну</translation>
    </message>
    <message>
        <source>Die Seite wurde in die Ablage kopiert ...<byte value="xd" /><byte value="xd" /></source>
        <translation>Сторінку скопійовано до буфера обміну ...<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Drucker hat den Auftrag nicht angenommen.</source>
        <translation>Принтер не прийняв завдання.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Die Seite konnte nicht gedruckt werden.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></source>
        <translation>Не вдалося надрукувати сторінку.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Seite wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>Друкується поточна сторінка ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::PairLists</name>
    <message>
        <source>Text einsetzen</source>
        <translation>Вставити текст</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Text ersetzen</source>
        <translation>Замінити текст</translation>
    </message>
    <message>
        <source>Text holen</source>
        <translation>Взяти текст</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Text löschen</source>
        <translation>Видалити текст</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> Перегляд:</translation>
    </message>
    <message>
        <source>Vorschau der Listen</source>
        <translation>Перегляд списків</translation>
    </message>
    <message>
        <source>Text eingeben</source>
        <translation>Введіть текст</translation>
    </message>
    <message>
        <source>Liste %1 hat mehr als %2 Elemente.</source>
        <translation>Список %1 містить понад %2 елементів.</translation>
    </message>
</context>
<context>
    <name>duplikon::PairsModel</name>
    <message>
        <source>Aufgabe</source>
        <translation>Завдання</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>Половинка 1</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>Половинка 2</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Правильно</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Неправильно</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureBrowser</name>
    <message>
        <source>Vorschaubild mit Mausklick schließen ...</source>
        <translation>Клацніть мишею, щоб закрити перегляд ...</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> Перегляд:</translation>
    </message>
    <message>
        <source>Drag&amp;Drop ins Farbfeld</source>
        <translation>Перетягніть у кольорове поле</translation>
    </message>
    <message>
        <source>So würde das ausgewählte Bild im Großformat für ein Lösungsbild am Ende der Spielreihe aussehen . . .</source>
        <translation>Ось так вибране зображення виглядатиме у великому форматі як нагородне зображення в кінці гри . . .</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImport</name>
    <message>
        <source>Die Datei ist kein Bild, das Duplikon lesen kann.</source>
        <translation>Файл не є зображенням, яке Duplikon може прочитати.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>Файл не є звуком, який Duplikon може відтворити.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>Зображення пошкоджене або неповне.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (mehr als 16384 Bildpunkte an einer Seite oder mehr als 256 MB im Speicher).</source>
        <translation>Зображення завелике (понад 16384 пікселі з одного боку або понад 256 МБ у пам’яті).</translation>
    </message>
    <message>
        <source>Das Bild kann nicht umgewandelt werden.</source>
        <translation>Неможливо перетворити зображення.</translation>
    </message>
    <message>
        <source>Bild aus der Zwischenablage</source>
        <translation>Зображення з буфера обміну</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Файл порожній.</translation>
    </message>
    <message>
        <source>Das Bild ist im Format HEIC/HEIF gespeichert, das Duplikon nicht lesen kann. Bitte speichern Sie es als JPEG und fügen Sie es dann ein.</source>
        <translation>Зображення збережено у форматі HEIC/HEIF, який Duplikon не може прочитати. Збережіть його як JPEG, а потім вставте.</translation>
    </message>
    <message>
        <source>Es gibt schon zu viele Bilder mit diesem Namen.</source>
        <translation>Зображень із такою назвою вже забагато.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>Неможливо створити теку «%1».</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImportActions</name>
    <message>
        <source>Bilder (%1)</source>
        <translation>Зображення (%1)</translation>
    </message>
    <message>
        <source>Bilder einfügen</source>
        <translation>Вставити зображення</translation>
    </message>
    <message>
        <source>Lösungsbilder einfügen</source>
        <translation>Вставити нагородні зображення</translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n Lösungsbildern sind im Ordner %2.<byte value="xd" />Neue Lösungsbilder kommen beim nächsten Start von Duplikon dazu.</source>
        <translation>
            <numerusform>Нагородних зображень у теці %2: %1 з %n.<byte value="xd" />Нові нагородні зображення з’являться під час наступного запуску Duplikon.</numerusform>
            <numerusform>Нагородних зображень у теці %2: %1 з %n.<byte value="xd" />Нові нагородні зображення з’являться під час наступного запуску Duplikon.</numerusform>
            <numerusform>Нагородних зображень у теці %2: %1 з %n.<byte value="xd" />Нові нагородні зображення з’являться під час наступного запуску Duplikon.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bild %1 von %2 ...</source>
        <translation>Зображення %1 з %2 ...</translation>
    </message>
    <message>
        <source>Diese Dateien wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>Ці файли не додано:<byte value="xd" />%1</translation>
    </message>
    <message>
        <source>Diese Bilder wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>Ці зображення не додано:<byte value="xd" />%1</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureLoader</name>
    <message>
        <source>Das Bild kann nicht gelesen werden.</source>
        <translation>Неможливо прочитати зображення.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>Зображення завелике.</translation>
    </message>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>Немає місця для зображення.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist leer.</source>
        <translation>Файл зображення порожній.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist unvollständig.</source>
        <translation>Файл зображення неповний.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist nicht vorhanden.</source>
        <translation>Файлу зображення немає.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>Файл зображення завеликий.</translation>
    </message>
    <message>
        <source>Die Bilddatei kann nicht geöffnet werden.</source>
        <translation>Неможливо відкрити файл зображення.</translation>
    </message>
</context>
<context>
    <name>duplikon::PlaySession</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>Неможливо прочитати файл %1.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Prima, du hast die Aufgabe gelöst.<byte value="xd" />Wähle dir eine neue Aufgabe aus!<byte value="xd" />Klicke dazu im Menü auf 'Laden' ...<byte value="xd" /></source>
        <translation>Чудово, завдання розв’язано!<byte value="xd" />Вибери собі нове завдання!<byte value="xd" />Для цього натисни в меню «Завантажити» ...<byte value="xd" /></translation>
    </message>
    <message>
        <source>Kontrolle</source>
        <translation>Перевірка</translation>
    </message>
</context>
<context>
    <name>duplikon::PrintSpooler</name>
    <message>
        <source>Der Drucker "%1" ist nicht erreichbar.</source>
        <translation>Принтер «%1» недоступний.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt zurzeit keine Aufträge an.</source>
        <translation>Принтер «%1» зараз не приймає завдань.</translation>
    </message>
</context>
<context>
    <name>duplikon::QtRecorder</name>
    <message>
        <source>Es läuft schon eine Aufnahme.</source>
        <translation>Запис уже триває.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es schon.</source>
        <translation>Файл «%1» уже існує.</translation>
    </message>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>Мікрофон не під’єднано.</translation>
    </message>
    <message>
        <source>Die Aufnahme kann nicht beginnen: %1</source>
        <translation>Неможливо почати запис: %1</translation>
    </message>
</context>
<context>
    <name>duplikon::RegularFile</name>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>Це не файл.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation>Файл завеликий.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Файл відсутній.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>Неможливо прочитати файл.</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsTables</name>
    <message>
        <source>Datum</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Дитина</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Завдання</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>Секунди</translation>
    </message>
    <message>
        <source>Fehlversuche</source>
        <translation>Помилкові спроби</translation>
    </message>
    <message>
        <source>Spielweise</source>
        <translation>Спосіб гри</translation>
    </message>
    <message>
        <source>Pflicht</source>
        <translation>Обов’язкове</translation>
    </message>
    <message>
        <source>Züge</source>
        <translation>Ходи</translation>
    </message>
    <message>
        <source>Mannschaften</source>
        <translation>Команди</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>Половинка 1</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>Половинка 2</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Правильно</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Неправильно</translation>
    </message>
    <message>
        <source>Maus</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Antippen</source>
        <translation>Торкання</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>Відкривання карток</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>так</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>ні</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsWindow</name>
    <message>
        <source>Ergebnisse</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>&amp;Zeitraum:</source>
        <translation>&amp;Період:</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>Diese Woche</source>
        <translation>Цього тижня</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>Усе</translation>
    </message>
    <message>
        <source>Als &amp;Tabelle speichern ...</source>
        <translation>Зберегти як &amp;таблицю ...</translation>
    </message>
    <message>
        <source>&amp;Kinder</source>
        <translation>&amp;Діти</translation>
    </message>
    <message>
        <source>&amp;Paare</source>
        <translation>П&amp;ари</translation>
    </message>
    <message>
        <source>&amp;Lernkartei</source>
        <translation>Навчальна &amp;картотека</translation>
    </message>
    <message>
        <source>Für die ganze Klasse üben:</source>
        <translation>Повторити всім класом:</translation>
    </message>
    <message>
        <source>Als A&amp;ufgabe speichern ...</source>
        <translation>Зберегти як &amp;завдання ...</translation>
    </message>
    <message>
        <source>Ein falsches Ablegen zählt beim Paar der gezogenen Hälfte und beim Paar der Hälfte, auf die sie gelegt wurde. Je kräftiger die Farbe, desto größer der Anteil falscher Züge.</source>
        <translation>Неправильне розміщення зараховується і парі перетягнутої половинки, і парі половинки, на яку її поклали. Що насиченіший колір, то більша частка неправильних ходів.</translation>
    </message>
    <message>
        <source>&amp;Alle Ergebnisse löschen ...</source>
        <translation>Видалити &amp;всі результати ...</translation>
    </message>
    <message>
        <source>Die Ergebnisse werden gelesen ...</source>
        <translation>Читання результатів ...</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien gelesen</source>
        <translation>
            <numerusform>Прочитано %n файл</numerusform>
            <numerusform>Прочитано %n файли</numerusform>
            <numerusform>Прочитано %n файлів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Zeilen</source>
        <translation>
            <numerusform>%n пошкоджений рядок</numerusform>
            <numerusform>%n пошкоджені рядки</numerusform>
            <numerusform>%n пошкоджених рядків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Dateien</source>
        <translation>
            <numerusform>%n пошкоджений файл</numerusform>
            <numerusform>%n пошкоджені файли</numerusform>
            <numerusform>%n пошкоджених файлів</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 übersprungen</source>
        <translation>Пропущено: %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>Die Ergebnisse werden gelesen: %1 von %n Dateien</source>
        <translation>
            <numerusform>Читання результатів: %1 з %n файлу</numerusform>
            <numerusform>Читання результатів: %1 з %n файлів</numerusform>
            <numerusform>Читання результатів: %1 з %n файлів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 – %2 (%3): %n Kinder</source>
        <translation>
            <numerusform>%1 – %2 (%3): %n дитина</numerusform>
            <numerusform>%1 – %2 (%3): %n дитини</numerusform>
            <numerusform>%1 – %2 (%3): %n дітей</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufgabe konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Не вдалося зберегти завдання.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Paare stehen jetzt in der Aufgabe „%1“.<byte value="xd" /></source>
        <translation>Пари збережено в завданні «%1».<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ergebnisse &amp;von %1 löschen ...</source>
        <translation>В&amp;идалити результати дитини %1 ...</translation>
    </message>
    <message>
        <source>Als Tabelle speichern</source>
        <translation>Зберегти як таблицю</translation>
    </message>
    <message>
        <source>Tabellen (*.csv)</source>
        <translation>Таблиці (*.csv)</translation>
    </message>
    <message>
        <source>Zur Tabelle „%1“ gehört die Tabelle der Paare „%2“.<byte value="xd" />„%2“ gibt es schon. Soll sie ersetzt werden?</source>
        <translation>До таблиці «%1» належить таблиця пар «%2».<byte value="xd" />«%2» уже існує. Замінити її?</translation>
    </message>
    <message>
        <source>Die Tabelle konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Не вдалося зберегти таблицю.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse von %1 gelöscht werden?</source>
        <translation>Видалити всі результати дитини %1?</translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse aller Kinder gelöscht werden?</source>
        <translation>Видалити всі результати всіх дітей?</translation>
    </message>
    <message>
        <source>Diese Einträge sind Verknüpfungen oder keine gewöhnlichen Dateien. Sie wurden übersprungen, nichts dahinter wurde gelöscht:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Ці записи є посиланнями або не є звичайними файлами. Їх пропущено, нічого за ними не видалено:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien konnten nicht gelöscht werden (sie gehören einer anderen Anmeldung).<byte value="xd" /></source>
        <translation>
            <numerusform>Не вдалося видалити %n файл (він належить іншому обліковому запису).<byte value="xd" /></numerusform>
            <numerusform>Не вдалося видалити %n файли (вони належать іншому обліковому запису).<byte value="xd" /></numerusform>
            <numerusform>Не вдалося видалити %n файлів (вони належать іншому обліковому запису).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 – %2 (%3): 1 Kind</source>
        <translation>%1 – %2 (%3): 1 дитина</translation>
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
        <translation>Дата</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Завдання</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Тривалість</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Неправильно</translation>
    </message>
</context>
<context>
    <name>duplikon::Services</name>
    <message>
        <source>Es ist kein Drucker eingerichtet.</source>
        <translation>Принтер не налаштовано.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Das PDF konnte nicht angelegt werden.</source>
        <translation>Не вдалося створити PDF.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt keinen Auftrag an.</source>
        <translation>Принтер «%1» не приймає завдання.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht übergeben werden.</source>
        <translation>Не вдалося передати завдання друку.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" hat den Auftrag abgelehnt.</source>
        <translation>Принтер «%1» відхилив завдання.</translation>
    </message>
    <message>
        <source>Der Druckauftrag wurde abgelehnt.</source>
        <translation>Завдання друку відхилено.</translation>
    </message>
</context>
<context>
    <name>duplikon::SettingsPanel</name>
    <message>
        <source>Vom Administrator gesperrt</source>
        <translation>Заблоковано адміністратором</translation>
    </message>
    <message>
        <source>Einstellungen für das Programm:</source>
        <translation>Налаштування програми:</translation>
    </message>
    <message>
        <source>Pflichtaufgaben</source>
        <translation>Обов’язкові завдання</translation>
    </message>
    <message>
        <source>Editor sperren</source>
        <translation>Заблокувати редактор</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>Швидкий вибір файлу</translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>Повторення</translation>
    </message>
    <message>
        <source>Fragen</source>
        <translation>Запитання</translation>
    </message>
    <message>
        <source>Antworten</source>
        <translation>Відповіді</translation>
    </message>
    <message>
        <source>Quellaufgaben</source>
        <translation>Наявні завдання</translation>
    </message>
    <message>
        <source>O k a y</source>
        <translation>Г а р а з д</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Кольори</translation>
    </message>
    <message>
        <source>Ablage ...</source>
        <translation>Буфер обміну ...</translation>
    </message>
    <message>
        <source>Drucken ...</source>
        <translation>Друк ...</translation>
    </message>
    <message>
        <source>Weitere ...</source>
        <translation>Додатково ...</translation>
    </message>
    <message>
        <source>Weitere Einstellungen (Alt+J)</source>
        <translation>Додаткові налаштування (Alt+J)</translation>
    </message>
    <message>
        <source>Ergebnisse ...</source>
        <translation>Результати ...</translation>
    </message>
    <message>
        <source>Ergebnisse der Kinder (Alt+Q)</source>
        <translation>Результати дітей (Alt+Q)</translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <translation>Колір тла</translation>
    </message>
    <message>
        <source>Der Hintergrund wird durch fortwährenden Klick auf die<byte value="xd" />beiden Farbflächen 'Fragen' und 'Antworten' eingestellt.<byte value="xd" /></source>
        <translation>Тло налаштовується повторними клацаннями на<byte value="xd" />двох кольорових полях «Запитання» і «Відповіді».<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SolutionPicture</name>
    <message>
        <source>Bildfehler</source>
        <translation>Помилка зображення</translation>
    </message>
    <message>
        <source>Es ist kein Lösungbild (PAARE*.*) vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Немає жодного нагородного зображення (PAARE*.*)!<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SoundRecording</name>
    <message>
        <source>&amp;Ton aufnehmen ...</source>
        <translation>Записати з&amp;вук ...</translation>
    </message>
    <message>
        <source>&amp;Tonaufnahme beenden</source>
        <translation>З&amp;упинити запис</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>Неможливо створити теку «%1».</translation>
    </message>
    <message>
        <source>Ton aufnehmen</source>
        <translation>Записати звук</translation>
    </message>
    <message numerus="yes">
        <source>Die Aufnahme läuft, höchstens %n Sekunden ...</source>
        <translation>
            <numerusform>Триває запис, щонайбільше %n секунду ...</numerusform>
            <numerusform>Триває запис, щонайбільше %n секунди ...</numerusform>
            <numerusform>Триває запис, щонайбільше %n секунд ...</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufnahme ist nicht gelungen.</source>
        <translation>Запис не вдався.</translation>
    </message>
</context>
<context>
    <name>duplikon::StartFolder</name>
    <message>
        <source>unbekannte Sprache „%1“</source>
        <translation>невідома мова «%1»</translation>
    </message>
    <message>
        <source>unbekannte Option „%1“</source>
        <translation>невідомий параметр «%1»</translation>
    </message>
    <message>
        <source>nur ein Ordner oder eine Aufgabendatei, nicht auch „%1“</source>
        <translation>лише одна тека або один файл завдання, а не ще й «%1»</translation>
    </message>
    <message>
        <source>Die Aufgabendatei „%1“ wurde nicht gefunden.</source>
        <translation>Файл завдання «%1» не знайдено.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ wurde nicht gefunden.</source>
        <translation>Теку «%1» не знайдено.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.
%2</source>
        <translation>Неможливо створити теку «%1».
%2</translation>
    </message>
    <message>
        <source>„%1“ ist eine Datei, kein Ordner.</source>
        <translation>«%1» — це файл, а не тека.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht gelesen werden.</source>
        <translation>Неможливо прочитати теку «%1».</translation>
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
        <translation>Використання: duplikon [ТЕКА | ФАЙЛ.TXT | ПАКЕТ.duplikon]
Duplikon – знайди й зістав пари, програма вправ для дітей.

Duplikon працює в теці: файли завдань *.TXT і їхні зображення,
нагородні зображення в DUPBILDER/, налаштування в DUPLIKON.INI.

  ТЕКА         працювати в цій теці
  ФАЙЛ.TXT     працювати в теці цього файлу завдання
  ПАКЕТ.duplikon
               прийняти передане завдання з цього пакета разом із його
               зображеннями і звуками та грати: у поточну теку,
               з --menue — у теку «Duplikon» у документах
  (без)        працювати в поточній теці
  --menue      як зі стартового меню: без ТЕКИ працювати в теці «Duplikon»
               у документах, яку під час першого запуску створено як копію
               прикладів завдань; помилки показувати також у вікні
  --einstellungen
               показати значення з duplikon.conf, кожне з його джерелом,
               потім пропущені рядки
  --sprache КОД
               працювати цією мовою, лише цього разу: de, en, uk, ar, tr,
               ru, pl, fa або System (мова стільниці)
  --help       показати цю довідку
  --version    показати версію

Код повернення: 0, якщо все гаразд; 1, якщо теки немає або її
неможливо прочитати; 2 у разі неправильного виклику.
</translation>
    </message>
    <message>
        <source>Duplikon %1
Lizenz: GPL-3.0 oder neuer &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</source>
        <translation>Duplikon %1
Ліцензія: GPL-3.0 або новіша &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
Це вільне програмне забезпечення: ви можете змінювати й поширювати його.
БЕЗ ЖОДНИХ ГАРАНТІЙ у межах, дозволених законом.
</translation>
    </message>
</context>
<context>
    <name>duplikon::SvgCheck</name>
    <message>
        <source>Das SVG-Bild verweist auf andere Dateien; es wird nicht übernommen.</source>
        <translation>SVG-зображення посилається на інші файли; його не додано.</translation>
    </message>
    <message>
        <source>Das SVG-Bild erklärt eigene Entitäten; es wird nicht übernommen.</source>
        <translation>SVG-зображення оголошує власні сутності; його не додано.</translation>
    </message>
    <message>
        <source>Das SVG-Bild wiederholt seine Teile zu oft; es wird nicht übernommen.</source>
        <translation>SVG-зображення надто часто повторює свої частини; його не додано.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>Зображення пошкоджене або неповне.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchive</name>
    <message>
        <source>Die Datei ist kein Duplikon-Paket oder ist beschädigt.</source>
        <translation>Файл не є пакетом Duplikon або пошкоджений.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden.</source>
        <translation>Неможливо прочитати «%1».</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt.</source>
        <translation>«%1» пошкоджено.</translation>
    </message>
    <message>
        <source>„%1“ ist größer als 32 MB.</source>
        <translation>«%1» більший за 32 МБ.</translation>
    </message>
    <message>
        <source>Das Paket ist ausgepackt größer als 256 MB.</source>
        <translation>Розпакований пакет більший за 256 МБ.</translation>
    </message>
    <message>
        <source>„%1“ ist verdächtig stark gepackt.</source>
        <translation>«%1» підозріло сильно стиснуто.</translation>
    </message>
    <message>
        <source>„%1“ ist größer, als das Paket angibt.</source>
        <translation>«%1» більший, ніж зазначено в пакеті.</translation>
    </message>
    <message>
        <source>„%1“ ist kleiner, als das Paket angibt.</source>
        <translation>«%1» менший, ніж зазначено в пакеті.</translation>
    </message>
    <message>
        <source>manifest.json ist beschädigt.</source>
        <translation>manifest.json пошкоджено.</translation>
    </message>
    <message>
        <source>Das Paket hat eine Version, die Duplikon nicht kennt.</source>
        <translation>Пакет має версію, якої Duplikon не знає.</translation>
    </message>
    <message>
        <source>manifest.json ist unvollständig.</source>
        <translation>manifest.json неповний.</translation>
    </message>
    <message>
        <source>Die Aufgabe im Paket ist zu lang.</source>
        <translation>Завдання в пакеті задовге.</translation>
    </message>
    <message>
        <source>Eine Zeile der Aufgabe enthält Steuerzeichen.</source>
        <translation>Рядок завдання містить керівні символи.</translation>
    </message>
    <message>
        <source>Die Endung „%1“ gehört zu keinem Bild und keinem Ton.</source>
        <translation>Розширення «%1» не належить ні до зображення, ні до звуку.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Файл порожній.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>Файл не є звуком, який Duplikon може відтворити.</translation>
    </message>
    <message>
        <source>Der Ton ist kein %1.</source>
        <translation>Звук не у форматі %1.</translation>
    </message>
    <message>
        <source>Das Bild ist kein %1.</source>
        <translation>Зображення не у форматі %1.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>Зображення завелике.</translation>
    </message>
    <message numerus="yes">
        <source>Das Paket hat mehr als %n Einträge.</source>
        <translation>
            <numerusform>Пакет містить понад %n запис.</numerusform>
            <numerusform>Пакет містить понад %n записи.</numerusform>
            <numerusform>Пакет містить понад %n записів.</numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ ist verschlüsselt.</source>
        <translation>«%1» зашифровано.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal im Paket.</source>
        <translation>«%1» трапляється в пакеті двічі.</translation>
    </message>
    <message>
        <source>manifest.json ist zu groß.</source>
        <translation>manifest.json завеликий.</translation>
    </message>
    <message>
        <source>Im Paket fehlt manifest.json.</source>
        <translation>У пакеті немає manifest.json.</translation>
    </message>
    <message>
        <source>Im Paket fehlt „%1“.</source>
        <translation>У пакеті немає «%1».</translation>
    </message>
    <message>
        <source>Die Zeile „%1“ nennt eine Datei, die nicht im Paket ist.</source>
        <translation>Рядок «%1» посилається на файл, якого немає в пакеті.</translation>
    </message>
    <message>
        <source>Die Datei passt nicht zu ihrer Prüfsumme.</source>
        <translation>Файл не відповідає своїй контрольній сумі.</translation>
    </message>
    <message>
        <source>Die Bilder des Pakets sind zusammen zu groß.</source>
        <translation>Зображення пакета разом завеликі.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveActions</name>
    <message>
        <source>Duplikon-Aufgaben (*.duplikon *.DUPLIKON)</source>
        <translation>Завдання Duplikon (*.duplikon *.DUPLIKON)</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>Прийняти завдання</translation>
    </message>
    <message>
        <source>Aufgabe weitergeben</source>
        <translation>Передати завдання</translation>
    </message>
    <message>
        <source>Bitte zuerst unter „Lerndateien“ eine Aufgabe wählen.<byte value="xd" /></source>
        <translation>Спочатку виберіть завдання в списку «Файли завдань».<byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Bilder oder Töne fehlen oder sind beschädigt:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />Soll die Aufgabe ohne sie weitergegeben werden?<byte value="xd" />(An ihrer Stelle steht dann ihr Name als Text.)</source>
        <translation>Ці зображення чи звуки відсутні або пошкоджені:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />Передати завдання без них?<byte value="xd" />(Замість них буде написано їхні назви.)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Не вдалося зберегти %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Aufgabe %1 wurde als %2 gespeichert.<byte value="xd" /></source>
        <translation>Завдання %1 збережено як %2.<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveFolder</name>
    <message>
        <source>Es gibt schon zu viele Aufgaben mit diesem Namen.</source>
        <translation>Завдань із такою назвою вже забагато.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden:<byte value="xd" />%2</source>
        <translation>Неможливо прочитати «%1»:<byte value="xd" />%2</translation>
    </message>
    <message numerus="yes">
        <source>„%1“ hat mehr als %n Zeilen.</source>
        <translation>
            <numerusform>«%1» містить понад %n рядок.</numerusform>
            <numerusform>«%1» містить понад %n рядки.</numerusform>
            <numerusform>«%1» містить понад %n рядків.</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Bilder und Töne von „%1“ sind zusammen größer als 256 MB.</source>
        <translation>Зображення і звуки «%1» разом більші за 256 МБ.</translation>
    </message>
    <message>
        <source>Das Paket kann nicht gepackt werden.</source>
        <translation>Не вдалося створити пакет.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht übernommen werden:<byte value="xd" />%2</source>
        <translation>Неможливо прийняти «%1»:<byte value="xd" />%2</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>Неможливо створити теку «%1».</translation>
    </message>
    <message>
        <source>Die Aufgabe „%1“ wurde übernommen.</source>
        <translation>Завдання «%1» прийнято.</translation>
    </message>
    <message>
        <source>Bilder: %1</source>
        <translation>Зображення: %1</translation>
    </message>
    <message>
        <source>Töne: %1</source>
        <translation>Звуки: %1</translation>
    </message>
    <message>
        <source>Nicht übernommen, weil sie zu keiner Aufgabe gehören: %1</source>
        <translation>Не прийнято, бо вони не належать до жодного завдання: %1</translation>
    </message>
    <message>
        <source>Die Hälfte „%1“ hat keinen Partner: So kann die Aufgabe nicht gelöst werden.</source>
        <translation>Половинка «%1» не має пари: так завдання неможливо розв’язати.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskChoice</name>
    <message>
        <source>Datei-Wahl:</source>
        <translation>Вибір файлу:</translation>
    </message>
    <message>
        <source>Datei-Inhalt:</source>
        <translation>Вміст файлу:</translation>
    </message>
    <message>
        <source>Vorschau:</source>
        <translation>Перегляд:</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>L a d e n</source>
        <translation>З а в а н т а ж и т и</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>Швидкий вибір файлу</translation>
    </message>
    <message>
        <source>Es sind keine Dateien vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Немає жодного файлу!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Meine Kartei
%n Karten</source>
        <translation>
            <numerusform>Мої картки
%n картка</numerusform>
            <numerusform>Мої картки
%n картки</numerusform>
            <numerusform>Мої картки
%n карток</numerusform>
        </translation>
    </message>
    <message>
        <source>Meine Kartei
Keine Karte fällig</source>
        <translation>Мої картки
Поки що нічого повторювати</translation>
    </message>
    <message>
        <source>Meine Kartei
1 Karte</source>
        <translation>Мої картки
1 картка</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskFilePanel</name>
    <message>
        <source>Datei kopieren</source>
        <translation>Копіювати файл</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Alt letter of Datei kopieren</comment>
        <translation>К</translation>
    </message>
    <message>
        <source>Datei drucken</source>
        <translation>Друкувати файл</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Alt letter of Datei drucken</comment>
        <translation>Д</translation>
    </message>
    <message>
        <source>Datei löschen</source>
        <translation>Видалити файл</translation>
    </message>
    <message>
        <source>L</source>
        <comment>Alt letter of Datei löschen</comment>
        <translation>В</translation>
    </message>
    <message>
        <source> Lerndateien:</source>
        <translation> Файли завдань:</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Відкрити файл</translation>
    </message>
    <message>
        <source>%1 konnte nicht gelesen werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Не вдалося прочитати %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Aktuelle Datei</source>
        <translation>Поточний файл</translation>
    </message>
    <message>
        <source>Es ist keine Datei ausgewählt.<byte value="xd" /></source>
        <translation>Жоден файл не вибрано.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Neue Datei</source>
        <translation>Новий файл</translation>
    </message>
    <message>
        <source>Sie können nun eine neue Datei erstellen.<byte value="xd" /></source>
        <translation>Тепер можна створити новий файл.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>Помилка в списках</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>Два списки мають різну довжину.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind zu lang.,<byte value="xd" />nur 20 Einträge sind zulässig.<byte value="xd" /></source>
        <translation>Списки задовгі.<byte value="xd" />Дозволено лише 20 записів.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Datei sichern</source>
        <translation>Зберегти файл</translation>
    </message>
    <message>
        <source>Namen für die Datei eingeben:<byte value="xd" />(Nur Endung '.TXT' akzeptiert)</source>
        <translation>Введіть назву файлу:<byte value="xd" />(Приймається лише розширення «.TXT»)</translation>
    </message>
    <message>
        <source>Dieser Name ist für eine Datei nicht zulässig.<byte value="xd" />Bitte einen einfachen Namen ohne "/", "\" und ".." eingeben.<byte value="xd" /></source>
        <translation>Така назва файлу неприпустима.<byte value="xd" />Введіть просту назву без «/», «\» і «..».<byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Name %1 gehört zu den Einstellungen.<byte value="xd" />Bitte einen anderen Namen eingeben.<byte value="xd" /></source>
        <translation>Назва %1 належить до налаштувань.<byte value="xd" />Введіть іншу назву.<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 sichern</source>
        <translation>%1 — збереження</translation>
    </message>
    <message>
        <source>Die Datei ist schon vorhanden,<byte value="xd" />soll sie überschrieben werden?<byte value="xd" /></source>
        <translation>Файл уже існує,<byte value="xd" />перезаписати його?<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Не вдалося зберегти %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 wurde gespeichert.<byte value="xd" /></source>
        <translation>%1 збережено.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ablage</source>
        <translation>Буфер обміну</translation>
    </message>
    <message>
        <source>Die Datei wurde in die Ablage kopiert.<byte value="xd" /><byte value="xd" /></source>
        <translation>Файл скопійовано до буфера обміну.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Datei jetzt ausdrucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>Надрукувати цей файл зараз?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Не вдалося надрукувати файл:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Datei wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>Друкується поточний файл ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Soll diese Datei gelöscht werden?<byte value="xd" /><byte value="xd" /></source>
        <translation>Видалити цей файл?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gelöscht werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Не вдалося видалити %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TextFiles</name>
    <message>
        <source>In den Ordner kann nicht geschrieben werden.</source>
        <translation>Неможливо записати в теку.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht vollständig geschrieben werden; der Datenträger ist voll.</source>
        <translation>Неможливо повністю записати файл: носій заповнено.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht angelegt werden.</source>
        <translation>Неможливо створити файл.</translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetDialog</name>
    <message>
        <source>&amp;Zuordnen</source>
        <translation>&amp;Зіставлення</translation>
    </message>
    <message>
        <source>Paar&amp;karten</source>
        <translation>&amp;Картки-пари</translation>
    </message>
    <message>
        <source>&amp;Lösungsblatt</source>
        <translation>Аркуш &amp;відповідей</translation>
    </message>
    <message>
        <source>&amp;Neu mischen</source>
        <translation>&amp;Перемішати знову</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>&amp;Друк ...</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern ...</source>
        <translation>З&amp;берегти як PDF ...</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>Закр&amp;ити</translation>
    </message>
    <message>
        <source>Arbeitsblatt</source>
        <translation>Робочий аркуш</translation>
    </message>
    <message>
        <source>Art des Blattes</source>
        <translation>Тип аркуша</translation>
    </message>
    <message>
        <source>Ein Ton ist auf Papier nicht zu hören: Auf dem Blatt steht für ihn ein Lautsprecher mit dem Namen der Datei.</source>
        <translation>Звук на папері не почути: на аркуші замість нього намальовано гучномовець із назвою файлу.</translation>
    </message>
    <message>
        <source>Das Blatt „%1“ wird gedruckt.</source>
        <translation>Аркуш «%1» друкується.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Збережено: %1</translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>Помилка в списках</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>Два списки мають різну довжину.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind leer.<byte value="xd" /></source>
        <translation>Списки порожні.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Das Blatt konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Не вдалося надрукувати аркуш:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Зберегти як PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Файли PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Не вдалося зберегти %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetLayout</name>
    <message>
        <source>Name:</source>
        <translation>Ім’я:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Mischung Nr. %1</source>
        <translation>Перемішування № %1</translation>
    </message>
    <message>
        <source>Lösungsblatt: %1</source>
        <translation>Аркуш відповідей: %1</translation>
    </message>
    <message>
        <source>Zum Blatt "Zuordnen" mit Mischung Nr. %1</source>
        <translation>До аркуша «Зіставлення» з перемішуванням № %1</translation>
    </message>
</context>
<context>
    <name>duplikon::main</name>
    <message>
        <source>duplikon: %1
Mehr mit „duplikon --help“.
</source>
        <translation>duplikon: %1
Докладніше: «duplikon --help».
</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>Прийняти завдання</translation>
    </message>
</context>
</TS>
