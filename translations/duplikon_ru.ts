<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="de_DE">
<context>
    <name>duplikon::AudioModule</name>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>Микрофон не подключён.</translation>
    </message>
</context>
<context>
    <name>duplikon::Board</name>
    <message>
        <source>Passt nicht</source>
        <translation>Не подходит</translation>
    </message>
    <message numerus="yes">
        <source> %n Punkte</source>
        <translation>
            <numerusform> Очки: %n</numerusform>
            <numerusform> Очки: %n</numerusform>
            <numerusform> Очки: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::BoardKeyboard</name>
    <message>
        <source>Reihe %1, Spalte %2</source>
        <translation>Ряд %1, столбец %2</translation>
    </message>
    <message>
        <source>Bild, %1</source>
        <translation>Картинка, %1</translation>
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
        <translation>положено</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>Не подходит</translation>
    </message>
    <message>
        <source>zurückgelegt</source>
        <translation>возвращено на место</translation>
    </message>
    <message numerus="yes">
        <source>Richtig! %n Punkte</source>
        <translation>
            <numerusform>Правильно! Очки: %n</numerusform>
            <numerusform>Правильно! Очки: %n</numerusform>
            <numerusform>Правильно! Очки: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::ButtonStrip</name>
    <message>
        <source>Benutzer</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>zweifarbige Fenster</source>
        <translation>Двухцветные окна</translation>
    </message>
    <message>
        <source>Abc kleiner</source>
        <translation>Абв меньше</translation>
    </message>
    <message>
        <source>Schrift kleiner</source>
        <translation>Уменьшить шрифт</translation>
    </message>
    <message>
        <source>Abc größer</source>
        <translation>Абв больше</translation>
    </message>
    <message>
        <source>Schrift größer</source>
        <translation>Увеличить шрифт</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Жирный</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
</context>
<context>
    <name>duplikon::CardBoard</name>
    <message>
        <source>Karte %1, %2</source>
        <translation>Карточка %1, %2</translation>
    </message>
    <message>
        <source>verdeckt</source>
        <translation>закрыта</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Правильно</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>Не подходит</translation>
    </message>
    <message>
        <source>Mannschaft %1 ist dran</source>
        <translation>Ходит команда %1</translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paar</source>
        <translation>
            <numerusform>Команда %1
%n пара</numerusform>
            <numerusform>Команда %1
%n пары</numerusform>
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
%n пары</numerusform>
            <numerusform>Команда %1
%n пар</numerusform>
        </translation>
    </message>
    <message>
        <source>Beide Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>У обеих команд поровну пар.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Alle Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>У всех команд поровну пар.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Mannschaft %1 hat gewonnen!<byte value="xd" /></source>
        <translation>Команда %1 победила!<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Mannschaften %1 und %2 haben gewonnen!<byte value="xd" /></source>
        <translation>Победили команды %1 и %2!<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::CardPlay</name>
    <message>
        <source>Mannschaften</source>
        <translation>Команды</translation>
    </message>
</context>
<context>
    <name>duplikon::CheckWindow</name>
    <message>
        <source>Duplikon: Kontrolle</source>
        <translation>Duplikon: проверка</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Gelöste Aufgaben</source>
        <translation>Решённые задания</translation>
    </message>
    <message>
        <source>Uhrzeit der Lösung</source>
        <translation>Время решения</translation>
    </message>
    <message>
        <source>Zeilen der gewählten Aufgabe</source>
        <translation>Строки выбранного задания</translation>
    </message>
    <message>
        <source>Bild der gewählten Zeile</source>
        <translation>Картинка выбранной строки</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>Не удаётся прочитать файл %1.<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ChildrenModel</name>
    <message>
        <source>%1 gelöst, %2 falsch</source>
        <translation>Решено: %1, ошибок: %2</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Ребёнок</translation>
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
        <translation>Список класса не является текстовым файлом.</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassListDialog</name>
    <message>
        <source>&amp;Hinzufügen ...</source>
        <translation>&amp;Добавить ...</translation>
    </message>
    <message>
        <source>&amp;Umbenennen ...</source>
        <translation>&amp;Переименовать ...</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>S&amp;ortieren</source>
        <translation>Сор&amp;тировать</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Klassenliste</source>
        <translation>Список класса</translation>
    </message>
    <message>
        <source>Die Vornamen der Kinder, wie sie unter „Benutzer“ erscheinen:</source>
        <translation>Имена детей в том виде, в каком они показываются на кнопке «Пользователь»:</translation>
    </message>
    <message>
        <source>Die Klassenliste „%1“ kann nicht gelesen werden: %2<byte value="xd" /></source>
        <translation>Не удаётся прочитать список класса «%1»: %2<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Zeilen der Klassenliste werden übergangen (zu lang, Steuerzeichen oder mehr als %1 Namen).<byte value="xd" /></source>
        <translation>
            <numerusform>Пропущена %n строка списка класса (слишком длинная, с управляющими символами или после первых %1 имён).<byte value="xd" /></numerusform>
            <numerusform>Пропущены %n строки списка класса (слишком длинные, с управляющими символами или после первых %1 имён).<byte value="xd" /></numerusform>
            <numerusform>Пропущено %n строк списка класса (слишком длинные, с управляющими символами или после первых %1 имён).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ein Name hat höchstens %n Zeichen.<byte value="xd" /></source>
        <translation>
            <numerusform>Имя может быть не длиннее %n символа.<byte value="xd" /></numerusform>
            <numerusform>Имя может быть не длиннее %n символов.<byte value="xd" /></numerusform>
            <numerusform>Имя может быть не длиннее %n символов.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>Ein Name darf keine Steuerzeichen enthalten.<byte value="xd" /></source>
        <translation>Имя не может содержать управляющие символы.<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Die Klassenliste hat höchstens %n Namen.<byte value="xd" /></source>
        <translation>
            <numerusform>В списке класса может быть не больше %n имени.<byte value="xd" /></numerusform>
            <numerusform>В списке класса может быть не больше %n имён.<byte value="xd" /></numerusform>
            <numerusform>В списке класса может быть не больше %n имён.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ steht schon in der Liste.<byte value="xd" /></source>
        <translation>«%1» уже есть в списке.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Vorname des Kindes:</source>
        <translation>Имя ребёнка:</translation>
    </message>
    <message>
        <source>Die Klassenliste kann nicht gespeichert werden: %1<byte value="xd" /></source>
        <translation>Не удаётся сохранить список класса: %1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ClassroomConfig</name>
    <message>
        <source> oder </source>
        <translation> или </translation>
    </message>
    <message>
        <source>true oder false</source>
        <translation>true или false</translation>
    </message>
    <message>
        <source>100, 150, 200 oder Bildschirm</source>
        <translation>100, 150, 200 или Bildschirm</translation>
    </message>
    <message>
        <source>eine ganze Zahl von -100 bis 100</source>
        <translation>целое число от -100 до 100</translation>
    </message>
    <message>
        <source>ein Text</source>
        <translation>текст</translation>
    </message>
    <message>
        <source>%1: %2 Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: %2 Файл считается отсутствующим.</translation>
    </message>
    <message>
        <source>%1: Das ist keine Textdatei. Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: это не текстовый файл. Файл считается отсутствующим.</translation>
    </message>
    <message>
        <source>[Fest] gilt nur in der Datei des Administrators, der Abschnitt wird übergangen.</source>
        <translation>[Fest] действует только в файле администратора, раздел пропускается.</translation>
    </message>
    <message>
        <source>Unbekannter Abschnitt „[%1]“ wird übergangen.</source>
        <translation>Неизвестный раздел «[%1]» пропускается.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“, der Abschnitt wird übergangen.</source>
        <translation>Повреждённая строка «%1», раздел пропускается.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“ wird übergangen.</source>
        <translation>Повреждённая строка «%1» пропускается.</translation>
    </message>
    <message>
        <source>„%1“ steht in keinem Abschnitt und wird übergangen.</source>
        <translation>«%1» не относится ни к одному разделу и пропускается.</translation>
    </message>
    <message>
        <source>Unbekannter Schlüssel „%1“ wird übergangen.</source>
        <translation>Неизвестный ключ «%1» пропускается.</translation>
    </message>
    <message>
        <source>%1 gilt nur im Abschnitt [Fest] und wird übergangen.</source>
        <translation>%1 действует только в разделе [Fest] и пропускается.</translation>
    </message>
    <message>
        <source>„%1“ ist kein Wert für %2 (%3) und wird übergangen.</source>
        <translation>«%1» — недопустимое значение для %2 (%3), строка пропускается.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt oder nicht lesbar.</source>
        <translation>Файл %1 повреждён или не читается.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Не удаётся записать файл %1.</translation>
    </message>
    <message>
        <source>eingebaute Vorgabe</source>
        <translation>встроенное значение по умолчанию</translation>
    </message>
    <message>
        <source>, fest</source>
        <translation>, закреплено</translation>
    </message>
</context>
<context>
    <name>duplikon::Dialogs</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>duplikon::EditorWindow</name>
    <message>
        <source>Mit Strg+G kommt das Bild in die grüne Liste, mit Strg+B in die blaue ...</source>
        <translation>Ctrl+G — картинка попадёт в зелёный список, Ctrl+B — в синий ...</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;aktuelle Datei</source>
        <translation>&amp;Текущий файл</translation>
    </message>
    <message>
        <source>&amp;neue Datei ...</source>
        <translation>&amp;Новый файл ...</translation>
    </message>
    <message>
        <source>Datei &amp;sichern</source>
        <translation>&amp;Сохранить файл</translation>
    </message>
    <message>
        <source>A&amp;rbeitsblatt ...</source>
        <translation>&amp;Рабочий лист ...</translation>
    </message>
    <message>
        <source>Aufgabe &amp;weitergeben ...</source>
        <translation>Пере&amp;дать задание ...</translation>
    </message>
    <message>
        <source>Aufgabe üb&amp;ernehmen ...</source>
        <translation>&amp;Принять задание ...</translation>
    </message>
    <message>
        <source>&amp;Klassenliste ...</source>
        <translation>Список кл&amp;асса ...</translation>
    </message>
    <message>
        <source>&amp;Bilder einfügen ...</source>
        <translation>Вставить &amp;картинки ...</translation>
    </message>
    <message>
        <source>&amp;Lösungsbilder einfügen ...</source>
        <translation>&amp;Вставить картинки-награды ...</translation>
    </message>
    <message>
        <source>&amp;Großbild</source>
        <translation>&amp;Большая картинка</translation>
    </message>
    <message>
        <source>In dieser grünen Liste stehen die linken Teilpaare oder Aufgaben ...</source>
        <translation>В этом зелёном списке — левые половины пар или вопросы ...</translation>
    </message>
    <message>
        <source>In dieser blauen Liste stehen die rechten Teilpaare oder Lösungen ...</source>
        <translation>В этом синем списке — правые половины пар или ответы ...</translation>
    </message>
    <message>
        <source>Hier die gewünschten Texte eingeben und mit den Symbolen einsetzen ...</source>
        <translation>Введите здесь нужный текст и вставьте его кнопками со значками ...</translation>
    </message>
    <message>
        <source>In dieser roten Liste stehen die Quelldateien mit den Daten ...</source>
        <translation>В этом красном списке — исходные файлы с данными ...</translation>
    </message>
    <message>
        <source>Aus dieser Ordnerliste einen Ordner durch Anklicken auswählen ...</source>
        <translation>Выберите папку в этом списке щелчком мыши ...</translation>
    </message>
    <message>
        <source>Aus dieser Bildliste ein aktuelles Bild durch Anklicken auswählen ...</source>
        <translation>Выберите картинку в этом списке щелчком мыши ...</translation>
    </message>
    <message>
        <source>Das Vorschaubild mit Drag&amp;Drop in das grüne oder blaue Fenster ziehen ...</source>
        <translation>Перетащите картинку из окна просмотра в зелёное или синее окно ...</translation>
    </message>
    <message>
        <source>Duplikon: Editor</source>
        <translation>Duplikon: редактор</translation>
    </message>
    <message>
        <source>Hilfetexte</source>
        <translation>Подсказки</translation>
    </message>
</context>
<context>
    <name>duplikon::ExtraSettingsDialog</name>
    <message>
        <source>Vom Administrator festgelegt</source>
        <translation>Задано администратором</translation>
    </message>
    <message>
        <source>Weitere Einstellungen</source>
        <translation>Дополнительные настройки</translation>
    </message>
    <message>
        <source>Antippen statt Ziehen</source>
        <translation>Касание вместо перетаскивания</translation>
    </message>
    <message>
        <source>Fenstergröße</source>
        <translation>Размер окна</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>Весь экран</translation>
    </message>
    <message>
        <source>Die neue Fenstergröße gilt ab dem nächsten Start.</source>
        <translation>Новый размер окна будет применён при следующем запуске.</translation>
    </message>
    <message>
        <source>Ergebnisse aufbewahren</source>
        <translation>Сохранять результаты</translation>
    </message>
    <message>
        <source>Sp&amp;rache:</source>
        <translation>&amp;Язык:</translation>
    </message>
    <message>
        <source>Wie das System</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Vorlesen</source>
        <translation>Читать вслух</translation>
    </message>
    <message>
        <source>Keine Sprachausgabe gefunden</source>
        <translation>Синтезатор речи не найден</translation>
    </message>
    <message>
        <source>&amp;Stimme:</source>
        <translation>&amp;Голос:</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>&amp;Скорость:</translation>
    </message>
    <message>
        <source>Spielart</source>
        <translation>Вид игры</translation>
    </message>
    <message>
        <source>Zuordnen</source>
        <translation>Сопоставление</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>Открывание карточек</translation>
    </message>
    <message>
        <source>&amp;Paare:</source>
        <translation>&amp;Пары:</translation>
    </message>
    <message>
        <source>&amp;Zudecken:</source>
        <translation>&amp;Закрывать:</translation>
    </message>
    <message>
        <source>&amp;Mannschaften:</source>
        <translation>&amp;Команды:</translation>
    </message>
    <message>
        <source>Getrennt: erste Hälften oben, zweite unten</source>
        <translation>Раздельно: первые половины сверху, вторые снизу</translation>
    </message>
    <message>
        <source>beim nächsten Tippen</source>
        <translation>при следующем нажатии</translation>
    </message>
    <message>
        <source>nach 1 Sekunde</source>
        <translation>через 1 секунду</translation>
    </message>
    <message>
        <source>nach 2 Sekunden</source>
        <translation>через 2 секунды</translation>
    </message>
    <message>
        <source>nach 3 Sekunden</source>
        <translation>через 3 секунды</translation>
    </message>
    <message>
        <source>nach 4 Sekunden</source>
        <translation>через 4 секунды</translation>
    </message>
    <message>
        <source>nach 5 Sekunden</source>
        <translation>через 5 секунд</translation>
    </message>
    <message>
        <source>Vom Administrator abgeschaltet</source>
        <translation>Отключено администратором</translation>
    </message>
    <message>
        <source>Für diese Sprache gibt es keine Stimme: Meldungen werden nur gezeigt, nicht vorgelesen.</source>
        <translation>Для этого языка нет голоса: сообщения будут только показываться, но не читаться вслух.</translation>
    </message>
    <message>
        <source>Deutsch (Vorgabe)</source>
        <translation>Немецкий (по умолчанию)</translation>
    </message>
    <message>
        <source>%1 (nicht installiert)</source>
        <translation>%1 (не установлен)</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Не удалось сохранить настройки.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Lernkartei</source>
        <translation>Картотека</translation>
    </message>
    <message>
        <source>Die Lernkartei braucht „Ergebnisse aufbewahren“.</source>
        <translation>Для картотеки нужно включить «Сохранять результаты».</translation>
    </message>
</context>
<context>
    <name>duplikon::FileLists</name>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Файл отсутствует.</translation>
    </message>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>Это не файл.</translation>
    </message>
</context>
<context>
    <name>duplikon::Folders</name>
    <message>
        <source>Der Ordner „%1“ fehlt.</source>
        <translation>Папка «%1» отсутствует.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>Не удаётся создать папку «%1».</translation>
    </message>
    <message>
        <source>Im Ordner „%1“ kann nichts angelegt werden.</source>
        <translation>В папке «%1» ничего нельзя создать.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht nach „%2“ kopiert werden.</source>
        <translation>Не удаётся скопировать «%1» в «%2».</translation>
    </message>
</context>
<context>
    <name>duplikon::LessonRules</name>
    <message>
        <source>Die Aufgaben werden wiederholt, rufe das nächste Kind.<byte value="xd" /><byte value="xd" /></source>
        <translation>Задания начинаются сначала. Позови следующего ребёнка.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>Повторение</translation>
    </message>
    <message>
        <source>Dies ist eine Pflichtaufgabe für dich!<byte value="xd" /><byte value="xd" /></source>
        <translation>Это обязательное задание для тебя!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>Твоё имя</translation>
    </message>
    <message>
        <source>Benutzername eingeben:</source>
        <translation>Напиши своё имя:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Die Einstellungen wurden vom Administrator gesperrt.<byte value="xd" /></source>
        <translation>Настройки заблокированы администратором.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Geben Sie das Passwort für diese Funktion ein:</source>
        <translation>Введите пароль для этой функции:</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Der Editor wurde im Zusatzmenü deaktiviert.<byte value="xd" /><byte value="xd" /></source>
        <translation>Редактор отключён в дополнительном меню.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung verweigert</source>
        <translation>Повторение невозможно</translation>
    </message>
    <message>
        <source>Es müssen erst Pflichtaufgaben gewählt werden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Сначала нужно выбрать обязательные задания!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Programmordner antwortet nicht.</source>
        <translation>Папка программы не отвечает.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Не удалось сохранить настройки.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::MainWindow</name>
    <message>
        <source>Ordner 'DUPBILDER' fehlt:</source>
        <translation>Папка «DUPBILDER» отсутствует:</translation>
    </message>
    <message>
        <source>Der Bildordner für die Lösungsbilder wurde nicht gefunden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Папка с картинками-наградами не найдена!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Duplikon 1.0 – Paare finden, für Kinder der Grundschule.<byte value="xd" />https://duplikon.example/</source>
        <translation>Duplikon 1.0 — найди пару! Программа для учеников начальной школы.<byte value="xd" />https://duplikon.example/</translation>
    </message>
    <message>
        <source>&amp;Programm</source>
        <translation>&amp;Программа</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Autor ...</source>
        <translation>&amp;Об авторе ...</translation>
    </message>
    <message>
        <source>&amp;Laden</source>
        <translation>&amp;Загрузить</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>&amp;Редактор</translation>
    </message>
    <message>
        <source>E&amp;instellungen</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Wollen Sie die aktuelle Seite drucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>Напечатать текущую страницу?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Dieses Programm jetzt beenden?<byte value="xd" /><byte value="xd" /></source>
        <translation>Завершить работу программы?<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::Metafile</name>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>Недостаточно места для картинки.</translation>
    </message>
    <message>
        <source>Die Metadatei kann nicht gelesen werden.</source>
        <translation>Не удаётся прочитать метафайл.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu viel Speicher.</source>
        <translation>Метафайлу требуется слишком много памяти.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>Картинка слишком большая.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu lange.</source>
        <translation>Метафайл обрабатывается слишком долго.</translation>
    </message>
    <message>
        <source>Windows-Metadateien werden nicht unterstützt.</source>
        <translation>Метафайлы Windows не поддерживаются.</translation>
    </message>
    <message>
        <source>Die Metadatei ist beschädigt.</source>
        <translation>Метафайл повреждён.</translation>
    </message>
</context>
<context>
    <name>duplikon::MetafileRecords</name>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>Файл картинки слишком большой.</translation>
    </message>
    <message>
        <source>Die Metadatei hat zu viele Einträge.</source>
        <translation>В метафайле слишком много записей.</translation>
    </message>
</context>
<context>
    <name>duplikon::NamePicker</name>
    <message>
        <source>Tippe auf deinen Namen:</source>
        <translation>Нажми на своё имя:</translation>
    </message>
    <message>
        <source>Anderer Name ...</source>
        <translation>Другое имя ...</translation>
    </message>
</context>
<context>
    <name>duplikon::PageOutput</name>
    <message>
        <source>Zwischenablage</source>
        <translation>Буфер обмена</translation>
    </message>
    <message>
        <source>Die Seite wurde in die Ablage kopiert ...<byte value="xd" /><byte value="xd" /></source>
        <translation>Страница скопирована в буфер обмена ...<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Drucker hat den Auftrag nicht angenommen.</source>
        <translation>Принтер не принял задание печати.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Die Seite konnte nicht gedruckt werden.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></source>
        <translation>Не удалось напечатать страницу.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Seite wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>Текущая страница печатается ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::PairLists</name>
    <message>
        <source>Text einsetzen</source>
        <translation>Вставить текст</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Text ersetzen</source>
        <translation>Заменить текст</translation>
    </message>
    <message>
        <source>Text holen</source>
        <translation>Взять текст</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Text löschen</source>
        <translation>Удалить текст</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> Просмотр:</translation>
    </message>
    <message>
        <source>Vorschau der Listen</source>
        <translation>Просмотр списков</translation>
    </message>
    <message>
        <source>Text eingeben</source>
        <translation>Введите текст</translation>
    </message>
    <message>
        <source>Liste %1 hat mehr als %2 Elemente.</source>
        <translation>В списке %1 больше %2 элементов.</translation>
    </message>
</context>
<context>
    <name>duplikon::PairsModel</name>
    <message>
        <source>Aufgabe</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>Половина 1</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>Половина 2</translation>
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
        <translation>Закройте просмотр щелчком мыши ...</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> Просмотр:</translation>
    </message>
    <message>
        <source>Drag&amp;Drop ins Farbfeld</source>
        <translation>Перетащите в цветное поле</translation>
    </message>
    <message>
        <source>So würde das ausgewählte Bild im Großformat für ein Lösungsbild am Ende der Spielreihe aussehen . . .</source>
        <translation>Так выбранная картинка будет выглядеть в крупном формате как картинка-награда в конце серии игр . . .</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImport</name>
    <message>
        <source>Die Datei ist kein Bild, das Duplikon lesen kann.</source>
        <translation>Duplikon не может прочитать этот файл как картинку.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>Duplikon не может воспроизвести этот файл как звук.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>Картинка повреждена или неполная.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (mehr als 16384 Bildpunkte an einer Seite oder mehr als 256 MB im Speicher).</source>
        <translation>Картинка слишком большая (больше 16384 пикселей по одной из сторон или больше 256 МБ в памяти).</translation>
    </message>
    <message>
        <source>Das Bild kann nicht umgewandelt werden.</source>
        <translation>Не удаётся преобразовать картинку.</translation>
    </message>
    <message>
        <source>Bild aus der Zwischenablage</source>
        <translation>Картинка из буфера обмена</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Файл пуст.</translation>
    </message>
    <message>
        <source>Das Bild ist im Format HEIC/HEIF gespeichert, das Duplikon nicht lesen kann. Bitte speichern Sie es als JPEG und fügen Sie es dann ein.</source>
        <translation>Картинка сохранена в формате HEIC/HEIF, который Duplikon не может прочитать. Сохраните её в формате JPEG, а затем вставьте.</translation>
    </message>
    <message>
        <source>Es gibt schon zu viele Bilder mit diesem Namen.</source>
        <translation>Картинок с таким именем уже слишком много.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>Не удаётся создать папку «%1».</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImportActions</name>
    <message>
        <source>Bilder (%1)</source>
        <translation>Картинки (%1)</translation>
    </message>
    <message>
        <source>Bilder einfügen</source>
        <translation>Вставить картинки</translation>
    </message>
    <message>
        <source>Lösungsbilder einfügen</source>
        <translation>Вставить картинки-награды</translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n Lösungsbildern sind im Ordner %2.<byte value="xd" />Neue Lösungsbilder kommen beim nächsten Start von Duplikon dazu.</source>
        <translation>
            <numerusform>Картинок-наград в папке %2: %1 из %n.<byte value="xd" />Новые картинки-награды появятся при следующем запуске Duplikon.</numerusform>
            <numerusform>Картинок-наград в папке %2: %1 из %n.<byte value="xd" />Новые картинки-награды появятся при следующем запуске Duplikon.</numerusform>
            <numerusform>Картинок-наград в папке %2: %1 из %n.<byte value="xd" />Новые картинки-награды появятся при следующем запуске Duplikon.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bild %1 von %2 ...</source>
        <translation>Картинка %1 из %2 ...</translation>
    </message>
    <message>
        <source>Diese Dateien wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>Эти файлы не были добавлены:<byte value="xd" />%1</translation>
    </message>
    <message>
        <source>Diese Bilder wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>Эти картинки не были добавлены:<byte value="xd" />%1</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureLoader</name>
    <message>
        <source>Das Bild kann nicht gelesen werden.</source>
        <translation>Не удаётся прочитать картинку.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>Картинка слишком большая.</translation>
    </message>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>Недостаточно места для картинки.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist leer.</source>
        <translation>Файл картинки пуст.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist unvollständig.</source>
        <translation>Файл картинки неполный.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist nicht vorhanden.</source>
        <translation>Файл картинки отсутствует.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>Файл картинки слишком большой.</translation>
    </message>
    <message>
        <source>Die Bilddatei kann nicht geöffnet werden.</source>
        <translation>Не удаётся открыть файл картинки.</translation>
    </message>
</context>
<context>
    <name>duplikon::PlaySession</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>Не удаётся прочитать файл %1.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Prima, du hast die Aufgabe gelöst.<byte value="xd" />Wähle dir eine neue Aufgabe aus!<byte value="xd" />Klicke dazu im Menü auf 'Laden' ...<byte value="xd" /></source>
        <translation>Молодец, задание выполнено!<byte value="xd" />Выбери себе новое задание!<byte value="xd" />Для этого нажми в меню на «Загрузить» ...<byte value="xd" /></translation>
    </message>
    <message>
        <source>Kontrolle</source>
        <translation>Проверка</translation>
    </message>
</context>
<context>
    <name>duplikon::PrintSpooler</name>
    <message>
        <source>Der Drucker "%1" ist nicht erreichbar.</source>
        <translation>Принтер «%1» недоступен.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt zurzeit keine Aufträge an.</source>
        <translation>Принтер «%1» сейчас не принимает задания печати.</translation>
    </message>
</context>
<context>
    <name>duplikon::QtRecorder</name>
    <message>
        <source>Es läuft schon eine Aufnahme.</source>
        <translation>Запись уже идёт.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es schon.</source>
        <translation>Файл «%1» уже существует.</translation>
    </message>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>Микрофон не подключён.</translation>
    </message>
    <message>
        <source>Die Aufnahme kann nicht beginnen: %1</source>
        <translation>Не удаётся начать запись: %1</translation>
    </message>
</context>
<context>
    <name>duplikon::RegularFile</name>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>Это не файл.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation>Файл слишком большой.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Файл отсутствует.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>Не удаётся прочитать файл.</translation>
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
        <translation>Время</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Ребёнок</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>Fehlversuche</source>
        <translation>Ошибки</translation>
    </message>
    <message>
        <source>Spielweise</source>
        <translation>Способ игры</translation>
    </message>
    <message>
        <source>Pflicht</source>
        <translation>Обязательное</translation>
    </message>
    <message>
        <source>Züge</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Mannschaften</source>
        <translation>Команды</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>Половина 1</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>Половина 2</translation>
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
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Antippen</source>
        <translation>Касание</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>Открывание карточек</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsWindow</name>
    <message>
        <source>Ergebnisse</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>&amp;Zeitraum:</source>
        <translation>&amp;Период:</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Diese Woche</source>
        <translation>Эта неделя</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>За всё время</translation>
    </message>
    <message>
        <source>Als &amp;Tabelle speichern ...</source>
        <translation>Сохранить как &amp;таблицу ...</translation>
    </message>
    <message>
        <source>&amp;Kinder</source>
        <translation>&amp;Дети</translation>
    </message>
    <message>
        <source>&amp;Paare</source>
        <translation>П&amp;ары</translation>
    </message>
    <message>
        <source>&amp;Lernkartei</source>
        <translation>&amp;Картотека</translation>
    </message>
    <message>
        <source>Für die ganze Klasse üben:</source>
        <translation>Повторить со всем классом:</translation>
    </message>
    <message>
        <source>Als A&amp;ufgabe speichern ...</source>
        <translation>Сохранить как &amp;задание ...</translation>
    </message>
    <message>
        <source>Ein falsches Ablegen zählt beim Paar der gezogenen Hälfte und beim Paar der Hälfte, auf die sie gelegt wurde. Je kräftiger die Farbe, desto größer der Anteil falscher Züge.</source>
        <translation>Неверное перетаскивание засчитывается и паре перетащенной половины, и паре той половины, на которую её положили. Чем ярче цвет, тем больше доля неверных ходов.</translation>
    </message>
    <message>
        <source>&amp;Alle Ergebnisse löschen ...</source>
        <translation>Удалить &amp;все результаты ...</translation>
    </message>
    <message>
        <source>Die Ergebnisse werden gelesen ...</source>
        <translation>Чтение результатов ...</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien gelesen</source>
        <translation>
            <numerusform>Прочитан %n файл</numerusform>
            <numerusform>Прочитано %n файла</numerusform>
            <numerusform>Прочитано %n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Zeilen</source>
        <translation>
            <numerusform>%n повреждённая строка</numerusform>
            <numerusform>%n повреждённые строки</numerusform>
            <numerusform>%n повреждённых строк</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Dateien</source>
        <translation>
            <numerusform>%n повреждённый файл</numerusform>
            <numerusform>%n повреждённых файла</numerusform>
            <numerusform>%n повреждённых файлов</numerusform>
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
            <numerusform>Чтение результатов: файл %1 из %n</numerusform>
            <numerusform>Чтение результатов: файл %1 из %n</numerusform>
            <numerusform>Чтение результатов: файл %1 из %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 – %2 (%3): %n Kinder</source>
        <translation>
            <numerusform>%1 – %2 (%3): %n ребёнок</numerusform>
            <numerusform>%1 – %2 (%3): %n ребёнка</numerusform>
            <numerusform>%1 – %2 (%3): %n детей</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufgabe konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Не удалось сохранить задание.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Paare stehen jetzt in der Aufgabe „%1“.<byte value="xd" /></source>
        <translation>Пары сохранены в задании «%1».<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ergebnisse &amp;von %1 löschen ...</source>
        <translation>&amp;Удалить результаты (%1) ...</translation>
    </message>
    <message>
        <source>Als Tabelle speichern</source>
        <translation>Сохранить как таблицу</translation>
    </message>
    <message>
        <source>Tabellen (*.csv)</source>
        <translation>Таблицы (*.csv)</translation>
    </message>
    <message>
        <source>Zur Tabelle „%1“ gehört die Tabelle der Paare „%2“.<byte value="xd" />„%2“ gibt es schon. Soll sie ersetzt werden?</source>
        <translation>К таблице «%1» относится таблица пар «%2».<byte value="xd" />Файл «%2» уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>Die Tabelle konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Не удалось сохранить таблицу.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse von %1 gelöscht werden?</source>
        <translation>Удалить все результаты (%1)?</translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse aller Kinder gelöscht werden?</source>
        <translation>Удалить все результаты всех детей?</translation>
    </message>
    <message>
        <source>Diese Einträge sind Verknüpfungen oder keine gewöhnlichen Dateien. Sie wurden übersprungen, nichts dahinter wurde gelöscht:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Эти элементы — ссылки или особые файлы, а не обычные. Они пропущены; то, на что они указывают, не удалено:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien konnten nicht gelöscht werden (sie gehören einer anderen Anmeldung).<byte value="xd" /></source>
        <translation>
            <numerusform>Не удалось удалить %n файл (владелец — другая учётная запись).<byte value="xd" /></numerusform>
            <numerusform>Не удалось удалить %n файла (владелец — другая учётная запись).<byte value="xd" /></numerusform>
            <numerusform>Не удалось удалить %n файлов (владелец — другая учётная запись).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 – %2 (%3): 1 Kind</source>
        <translation>%1 – %2 (%3): 1 ребёнок</translation>
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
        <translation>Задание</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Длительность</translation>
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
        <translation>Принтер не настроен.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Das PDF konnte nicht angelegt werden.</source>
        <translation>Не удалось создать файл PDF.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt keinen Auftrag an.</source>
        <translation>Принтер «%1» не принимает задание печати.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht übergeben werden.</source>
        <translation>Не удалось передать задание печати.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" hat den Auftrag abgelehnt.</source>
        <translation>Принтер «%1» отклонил задание печати.</translation>
    </message>
    <message>
        <source>Der Druckauftrag wurde abgelehnt.</source>
        <translation>Задание печати отклонено.</translation>
    </message>
</context>
<context>
    <name>duplikon::SettingsPanel</name>
    <message>
        <source>Vom Administrator gesperrt</source>
        <translation>Заблокировано администратором</translation>
    </message>
    <message>
        <source>Einstellungen für das Programm:</source>
        <translation>Настройки программы:</translation>
    </message>
    <message>
        <source>Pflichtaufgaben</source>
        <translation>Обязательные задания</translation>
    </message>
    <message>
        <source>Editor sperren</source>
        <translation>Заблокировать редактор</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>Быстрый выбор файла</translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>Повторение</translation>
    </message>
    <message>
        <source>Fragen</source>
        <translation>Вопросы</translation>
    </message>
    <message>
        <source>Antworten</source>
        <translation>Ответы</translation>
    </message>
    <message>
        <source>Quellaufgaben</source>
        <translation>Исходные задания</translation>
    </message>
    <message>
        <source>O k a y</source>
        <translation>Г о т о в о</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Ablage ...</source>
        <translation>Буфер обмена ...</translation>
    </message>
    <message>
        <source>Drucken ...</source>
        <translation>Печать ...</translation>
    </message>
    <message>
        <source>Weitere ...</source>
        <translation>Дополнительно ...</translation>
    </message>
    <message>
        <source>Weitere Einstellungen (Alt+J)</source>
        <translation>Дополнительные настройки (Alt+J)</translation>
    </message>
    <message>
        <source>Ergebnisse ...</source>
        <translation>Результаты ...</translation>
    </message>
    <message>
        <source>Ergebnisse der Kinder (Alt+Q)</source>
        <translation>Результаты детей (Alt+Q)</translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>Der Hintergrund wird durch fortwährenden Klick auf die<byte value="xd" />beiden Farbflächen 'Fragen' und 'Antworten' eingestellt.<byte value="xd" /></source>
        <translation>Цвет фона выбирается повторными щелчками по<byte value="xd" />двум цветным полям «Вопросы» и «Ответы».<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SolutionPicture</name>
    <message>
        <source>Bildfehler</source>
        <translation>Ошибка картинки</translation>
    </message>
    <message>
        <source>Es ist kein Lösungbild (PAARE*.*) vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Нет ни одной картинки-награды (PAARE*.*)!<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SoundRecording</name>
    <message>
        <source>&amp;Ton aufnehmen ...</source>
        <translation>&amp;Записать звук ...</translation>
    </message>
    <message>
        <source>&amp;Tonaufnahme beenden</source>
        <translation>&amp;Завершить запись звука</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>Не удаётся создать папку «%1».</translation>
    </message>
    <message>
        <source>Ton aufnehmen</source>
        <translation>Запись звука</translation>
    </message>
    <message numerus="yes">
        <source>Die Aufnahme läuft, höchstens %n Sekunden ...</source>
        <translation>
            <numerusform>Идёт запись, не дольше %n секунды ...</numerusform>
            <numerusform>Идёт запись, не дольше %n секунд ...</numerusform>
            <numerusform>Идёт запись, не дольше %n секунд ...</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufnahme ist nicht gelungen.</source>
        <translation>Запись не удалась.</translation>
    </message>
</context>
<context>
    <name>duplikon::StartFolder</name>
    <message>
        <source>unbekannte Sprache „%1“</source>
        <translation>неизвестный язык «%1»</translation>
    </message>
    <message>
        <source>unbekannte Option „%1“</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>nur ein Ordner oder eine Aufgabendatei, nicht auch „%1“</source>
        <translation>можно указать только одну папку или один файл задания, лишнее: «%1»</translation>
    </message>
    <message>
        <source>Die Aufgabendatei „%1“ wurde nicht gefunden.</source>
        <translation>Файл задания «%1» не найден.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ wurde nicht gefunden.</source>
        <translation>Папка «%1» не найдена.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.
%2</source>
        <translation>Не удаётся создать папку «%1».
%2</translation>
    </message>
    <message>
        <source>„%1“ ist eine Datei, kein Ordner.</source>
        <translation>«%1» — это файл, а не папка.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht gelesen werden.</source>
        <translation>Не удаётся прочитать папку «%1».</translation>
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
        <translation>Использование: duplikon [ПАПКА | ФАЙЛ.TXT | ПАКЕТ.duplikon]
Duplikon — найди пару и сопоставь, программа-тренажёр для детей.

Duplikon работает в папке: файлы заданий *.TXT и их картинки,
картинки-награды в DUPBILDER/, настройки в DUPLIKON.INI.

  ПАПКА        работать в этой папке
  ФАЙЛ.TXT     работать в папке этого файла задания
  ПАКЕТ.duplikon
               принять переданное задание из этого пакета вместе с его
               картинками и звуками и запустить его: в текущую папку,
               с --menue — в папку «Duplikon» в «Документах»
  (без)        работать в текущей папке
  --menue      как из меню «Пуск»: если ПАПКА не указана, работать в папке
               «Duplikon» в «Документах», созданной при первом запуске как
               копия примеров заданий; ошибки показывать и в окне сообщения
  --einstellungen
               показать значения из duplikon.conf, каждое с указанием
               источника, затем пропущенные строки
  --sprache КОД
               работать на этом языке, только в этот раз: de, en, uk,
               ar, tr, ru, pl, fa или System (язык рабочего стола)
  --help       показать эту справку
  --version    показать версию

Код возврата: 0, если всё в порядке; 1, если папка отсутствует или
не может быть прочитана; 2 при неверном вызове.
</translation>
    </message>
    <message>
        <source>Duplikon %1
Lizenz: GPL-3.0 oder neuer &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</source>
        <translation>Duplikon %1
Лицензия: GPL-3.0 или более поздняя версия &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
Это свободное программное обеспечение: вы можете изменять и распространять его.
Нет НИКАКИХ ГАРАНТИЙ в пределах, допускаемых законом.
</translation>
    </message>
</context>
<context>
    <name>duplikon::SvgCheck</name>
    <message>
        <source>Das SVG-Bild verweist auf andere Dateien; es wird nicht übernommen.</source>
        <translation>SVG-картинка ссылается на другие файлы; она не будет добавлена.</translation>
    </message>
    <message>
        <source>Das SVG-Bild erklärt eigene Entitäten; es wird nicht übernommen.</source>
        <translation>SVG-картинка объявляет собственные сущности; она не будет добавлена.</translation>
    </message>
    <message>
        <source>Das SVG-Bild wiederholt seine Teile zu oft; es wird nicht übernommen.</source>
        <translation>SVG-картинка слишком часто повторяет свои части; она не будет добавлена.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>Картинка повреждена или неполная.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchive</name>
    <message>
        <source>Die Datei ist kein Duplikon-Paket oder ist beschädigt.</source>
        <translation>Файл не является пакетом Duplikon или повреждён.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden.</source>
        <translation>Не удаётся прочитать «%1».</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt.</source>
        <translation>Файл «%1» повреждён.</translation>
    </message>
    <message>
        <source>„%1“ ist größer als 32 MB.</source>
        <translation>Файл «%1» больше 32 МБ.</translation>
    </message>
    <message>
        <source>Das Paket ist ausgepackt größer als 256 MB.</source>
        <translation>В распакованном виде пакет больше 256 МБ.</translation>
    </message>
    <message>
        <source>„%1“ ist verdächtig stark gepackt.</source>
        <translation>Файл «%1» подозрительно сильно сжат.</translation>
    </message>
    <message>
        <source>„%1“ ist größer, als das Paket angibt.</source>
        <translation>Файл «%1» больше, чем указано в пакете.</translation>
    </message>
    <message>
        <source>„%1“ ist kleiner, als das Paket angibt.</source>
        <translation>Файл «%1» меньше, чем указано в пакете.</translation>
    </message>
    <message>
        <source>manifest.json ist beschädigt.</source>
        <translation>Файл manifest.json повреждён.</translation>
    </message>
    <message>
        <source>Das Paket hat eine Version, die Duplikon nicht kennt.</source>
        <translation>Версия пакета неизвестна программе Duplikon.</translation>
    </message>
    <message>
        <source>manifest.json ist unvollständig.</source>
        <translation>Файл manifest.json неполный.</translation>
    </message>
    <message>
        <source>Die Aufgabe im Paket ist zu lang.</source>
        <translation>Задание в пакете слишком длинное.</translation>
    </message>
    <message>
        <source>Eine Zeile der Aufgabe enthält Steuerzeichen.</source>
        <translation>Строка задания содержит управляющие символы.</translation>
    </message>
    <message>
        <source>Die Endung „%1“ gehört zu keinem Bild und keinem Ton.</source>
        <translation>Расширение «%1» не относится ни к картинкам, ни к звукам.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Файл пуст.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>Duplikon не может воспроизвести этот файл как звук.</translation>
    </message>
    <message>
        <source>Der Ton ist kein %1.</source>
        <translation>Звук не в формате %1.</translation>
    </message>
    <message>
        <source>Das Bild ist kein %1.</source>
        <translation>Картинка не в формате %1.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>Картинка слишком большая.</translation>
    </message>
    <message numerus="yes">
        <source>Das Paket hat mehr als %n Einträge.</source>
        <translation>
            <numerusform>Число записей в пакете превышает %n.</numerusform>
            <numerusform>Число записей в пакете превышает %n.</numerusform>
            <numerusform>Число записей в пакете превышает %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ ist verschlüsselt.</source>
        <translation>Файл «%1» зашифрован.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal im Paket.</source>
        <translation>Файл «%1» встречается в пакете дважды.</translation>
    </message>
    <message>
        <source>manifest.json ist zu groß.</source>
        <translation>Файл manifest.json слишком большой.</translation>
    </message>
    <message>
        <source>Im Paket fehlt manifest.json.</source>
        <translation>В пакете нет файла manifest.json.</translation>
    </message>
    <message>
        <source>Im Paket fehlt „%1“.</source>
        <translation>В пакете нет «%1».</translation>
    </message>
    <message>
        <source>Die Zeile „%1“ nennt eine Datei, die nicht im Paket ist.</source>
        <translation>Строка «%1» ссылается на файл, которого нет в пакете.</translation>
    </message>
    <message>
        <source>Die Datei passt nicht zu ihrer Prüfsumme.</source>
        <translation>Файл не соответствует своей контрольной сумме.</translation>
    </message>
    <message>
        <source>Die Bilder des Pakets sind zusammen zu groß.</source>
        <translation>Картинки пакета в сумме слишком большие.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveActions</name>
    <message>
        <source>Duplikon-Aufgaben (*.duplikon *.DUPLIKON)</source>
        <translation>Задания Duplikon (*.duplikon *.DUPLIKON)</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>Принять задание</translation>
    </message>
    <message>
        <source>Aufgabe weitergeben</source>
        <translation>Передать задание</translation>
    </message>
    <message>
        <source>Bitte zuerst unter „Lerndateien“ eine Aufgabe wählen.<byte value="xd" /></source>
        <translation>Сначала выберите задание в списке «Учебные файлы».<byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Bilder oder Töne fehlen oder sind beschädigt:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />Soll die Aufgabe ohne sie weitergegeben werden?<byte value="xd" />(An ihrer Stelle steht dann ihr Name als Text.)</source>
        <translation>Эти картинки или звуки отсутствуют или повреждены:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />Передать задание без них?<byte value="xd" />(Вместо них будут указаны их имена в виде текста.)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Не удалось сохранить %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Aufgabe %1 wurde als %2 gespeichert.<byte value="xd" /></source>
        <translation>Задание %1 сохранено как %2.<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveFolder</name>
    <message>
        <source>Es gibt schon zu viele Aufgaben mit diesem Namen.</source>
        <translation>Заданий с таким именем уже слишком много.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden:<byte value="xd" />%2</source>
        <translation>Не удаётся прочитать «%1»:<byte value="xd" />%2</translation>
    </message>
    <message numerus="yes">
        <source>„%1“ hat mehr als %n Zeilen.</source>
        <translation>
            <numerusform>Число строк в «%1» превышает %n.</numerusform>
            <numerusform>Число строк в «%1» превышает %n.</numerusform>
            <numerusform>Число строк в «%1» превышает %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Bilder und Töne von „%1“ sind zusammen größer als 256 MB.</source>
        <translation>Картинки и звуки задания «%1» в сумме больше 256 МБ.</translation>
    </message>
    <message>
        <source>Das Paket kann nicht gepackt werden.</source>
        <translation>Не удаётся создать пакет.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht übernommen werden:<byte value="xd" />%2</source>
        <translation>Не удаётся принять «%1»:<byte value="xd" />%2</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>Не удаётся создать папку «%1».</translation>
    </message>
    <message>
        <source>Die Aufgabe „%1“ wurde übernommen.</source>
        <translation>Задание «%1» принято.</translation>
    </message>
    <message>
        <source>Bilder: %1</source>
        <translation>Картинки: %1</translation>
    </message>
    <message>
        <source>Töne: %1</source>
        <translation>Звуки: %1</translation>
    </message>
    <message>
        <source>Nicht übernommen, weil sie zu keiner Aufgabe gehören: %1</source>
        <translation>Не приняты, так как не относятся ни к одному заданию: %1</translation>
    </message>
    <message>
        <source>Die Hälfte „%1“ hat keinen Partner: So kann die Aufgabe nicht gelöst werden.</source>
        <translation>У половины «%1» нет пары: такое задание решить нельзя.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskChoice</name>
    <message>
        <source>Datei-Wahl:</source>
        <translation>Выбор файла:</translation>
    </message>
    <message>
        <source>Datei-Inhalt:</source>
        <translation>Что в файле:</translation>
    </message>
    <message>
        <source>Vorschau:</source>
        <translation>Просмотр:</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>L a d e n</source>
        <translation>З а г р у з и т ь</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>Быстрый выбор файла</translation>
    </message>
    <message>
        <source>Es sind keine Dateien vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Файлов нет!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Meine Kartei
%n Karten</source>
        <translation>
            <numerusform>Мои карточки
%n карточка ждёт</numerusform>
            <numerusform>Мои карточки
%n карточки ждут</numerusform>
            <numerusform>Мои карточки
%n карточек ждут</numerusform>
        </translation>
    </message>
    <message>
        <source>Meine Kartei
Keine Karte fällig</source>
        <translation>Мои карточки
Сегодня повторять нечего</translation>
    </message>
    <message>
        <source>Meine Kartei
1 Karte</source>
        <translation>Мои карточки
1 карточка ждёт</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskFilePanel</name>
    <message>
        <source>Datei kopieren</source>
        <translation>Копировать файл</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Alt letter of Datei kopieren</comment>
        <translation>К</translation>
    </message>
    <message>
        <source>Datei drucken</source>
        <translation>Напечатать файл</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Alt letter of Datei drucken</comment>
        <translation>Н</translation>
    </message>
    <message>
        <source>Datei löschen</source>
        <translation>Удалить файл</translation>
    </message>
    <message>
        <source>L</source>
        <comment>Alt letter of Datei löschen</comment>
        <translation>У</translation>
    </message>
    <message>
        <source> Lerndateien:</source>
        <translation> Учебные файлы:</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>%1 konnte nicht gelesen werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Не удалось прочитать %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Aktuelle Datei</source>
        <translation>Текущий файл</translation>
    </message>
    <message>
        <source>Es ist keine Datei ausgewählt.<byte value="xd" /></source>
        <translation>Файл не выбран.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Neue Datei</source>
        <translation>Новый файл</translation>
    </message>
    <message>
        <source>Sie können nun eine neue Datei erstellen.<byte value="xd" /></source>
        <translation>Теперь можно создать новый файл.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>Ошибка в списках</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>Списки имеют разную длину.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind zu lang.,<byte value="xd" />nur 20 Einträge sind zulässig.<byte value="xd" /></source>
        <translation>Списки слишком длинные,<byte value="xd" />допускается не более 20 записей.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Datei sichern</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Namen für die Datei eingeben:<byte value="xd" />(Nur Endung '.TXT' akzeptiert)</source>
        <translation>Введите имя файла:<byte value="xd" />(допускается только расширение «.TXT»)</translation>
    </message>
    <message>
        <source>Dieser Name ist für eine Datei nicht zulässig.<byte value="xd" />Bitte einen einfachen Namen ohne "/", "\" und ".." eingeben.<byte value="xd" /></source>
        <translation>Это имя недопустимо для файла.<byte value="xd" />Введите простое имя без «/», «\» и «..».<byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Name %1 gehört zu den Einstellungen.<byte value="xd" />Bitte einen anderen Namen eingeben.<byte value="xd" /></source>
        <translation>Имя %1 зарезервировано для настроек.<byte value="xd" />Введите другое имя.<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 sichern</source>
        <translation>%1 — сохранение</translation>
    </message>
    <message>
        <source>Die Datei ist schon vorhanden,<byte value="xd" />soll sie überschrieben werden?<byte value="xd" /></source>
        <translation>Файл уже существует,<byte value="xd" />перезаписать его?<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Не удалось сохранить %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 wurde gespeichert.<byte value="xd" /></source>
        <translation>Файл %1 сохранён.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ablage</source>
        <translation>Буфер обмена</translation>
    </message>
    <message>
        <source>Die Datei wurde in die Ablage kopiert.<byte value="xd" /><byte value="xd" /></source>
        <translation>Файл скопирован в буфер обмена.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Datei jetzt ausdrucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>Напечатать этот файл сейчас?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Не удалось напечатать файл:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Datei wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>Текущий файл печатается ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Soll diese Datei gelöscht werden?<byte value="xd" /><byte value="xd" /></source>
        <translation>Удалить этот файл?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gelöscht werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Не удалось удалить %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TextFiles</name>
    <message>
        <source>In den Ordner kann nicht geschrieben werden.</source>
        <translation>Запись в папку невозможна.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht vollständig geschrieben werden; der Datenträger ist voll.</source>
        <translation>Не удаётся полностью записать файл: диск заполнен.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht angelegt werden.</source>
        <translation>Не удаётся создать файл.</translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetDialog</name>
    <message>
        <source>&amp;Zuordnen</source>
        <translation>&amp;Сопоставление</translation>
    </message>
    <message>
        <source>Paar&amp;karten</source>
        <translation>Парные &amp;карточки</translation>
    </message>
    <message>
        <source>&amp;Lösungsblatt</source>
        <translation>Лист с &amp;ответами</translation>
    </message>
    <message>
        <source>&amp;Neu mischen</source>
        <translation>Пере&amp;мешать заново</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>&amp;Печать ...</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern ...</source>
        <translation>Сохранить &amp;в PDF ...</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Arbeitsblatt</source>
        <translation>Рабочий лист</translation>
    </message>
    <message>
        <source>Art des Blattes</source>
        <translation>Вид листа</translation>
    </message>
    <message>
        <source>Ein Ton ist auf Papier nicht zu hören: Auf dem Blatt steht für ihn ein Lautsprecher mit dem Namen der Datei.</source>
        <translation>Звук на бумаге не услышать: вместо него на листе будет значок динамика с именем файла.</translation>
    </message>
    <message>
        <source>Das Blatt „%1“ wird gedruckt.</source>
        <translation>Лист «%1» отправлен на печать.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Сохранено: %1</translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>Ошибка в списках</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>Списки имеют разную длину.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind leer.<byte value="xd" /></source>
        <translation>Списки пусты.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Das Blatt konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Не удалось напечатать лист:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>Не удалось сохранить %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetLayout</name>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Mischung Nr. %1</source>
        <translation>Вариант № %1</translation>
    </message>
    <message>
        <source>Lösungsblatt: %1</source>
        <translation>Лист с ответами: %1</translation>
    </message>
    <message>
        <source>Zum Blatt "Zuordnen" mit Mischung Nr. %1</source>
        <translation>К листу «Сопоставление» — вариант № %1</translation>
    </message>
</context>
<context>
    <name>duplikon::main</name>
    <message>
        <source>duplikon: %1
Mehr mit „duplikon --help“.
</source>
        <translation>duplikon: %1
Подробнее: «duplikon --help».
</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>Принять задание</translation>
    </message>
</context>
</TS>
