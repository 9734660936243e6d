<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="de_DE">
<context>
    <name>duplikon::AudioModule</name>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>هیچ میکروفونی وصل نیست.</translation>
    </message>
</context>
<context>
    <name>duplikon::Board</name>
    <message>
        <source>Passt nicht</source>
        <translation>جور نیست</translation>
    </message>
    <message numerus="yes">
        <source> %n Punkte</source>
        <translation>
            <numerusform> %n امتیاز</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::BoardKeyboard</name>
    <message>
        <source>Reihe %1, Spalte %2</source>
        <translation>ردیف %1، ستون %2</translation>
    </message>
    <message>
        <source>Bild, %1</source>
        <translation>تصویر، %1</translation>
    </message>
    <message>
        <source>Ton, %1</source>
        <translation>صدا، %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>aufgenommen</source>
        <translation>برداشته شد</translation>
    </message>
    <message>
        <source>abgelegt</source>
        <translation>گذاشته شد</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>جور نیست</translation>
    </message>
    <message>
        <source>zurückgelegt</source>
        <translation>سر جایش برگشت</translation>
    </message>
    <message numerus="yes">
        <source>Richtig! %n Punkte</source>
        <translation>
            <numerusform>درست است! %n امتیاز</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::ButtonStrip</name>
    <message>
        <source>Benutzer</source>
        <translation>کاربر</translation>
    </message>
    <message>
        <source>zweifarbige Fenster</source>
        <translation>پنجره‌های دورنگ</translation>
    </message>
    <message>
        <source>Abc kleiner</source>
        <translation>Abc کوچک‌تر</translation>
    </message>
    <message>
        <source>Schrift kleiner</source>
        <translation>قلم کوچک‌تر</translation>
    </message>
    <message>
        <source>Abc größer</source>
        <translation>Abc بزرگ‌تر</translation>
    </message>
    <message>
        <source>Schrift größer</source>
        <translation>قلم بزرگ‌تر</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>پررنگ</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>معمولی</translation>
    </message>
</context>
<context>
    <name>duplikon::CardBoard</name>
    <message>
        <source>Karte %1, %2</source>
        <translation>کارت %1، %2</translation>
    </message>
    <message>
        <source>verdeckt</source>
        <translation>به پشت</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>درست</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>جور نیست</translation>
    </message>
    <message>
        <source>Mannschaft %1 ist dran</source>
        <translation>نوبت تیم %1 است</translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paar</source>
        <translation>
            <numerusform>تیم %1
%n جفت</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paare</source>
        <translation>
            <numerusform>تیم %1
%n جفت</numerusform>
        </translation>
    </message>
    <message>
        <source>Beide Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>هر دو تیم به یک اندازه جفت پیدا کرده‌اند.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Alle Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>همهٔ تیم‌ها به یک اندازه جفت پیدا کرده‌اند.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Mannschaft %1 hat gewonnen!<byte value="xd" /></source>
        <translation>تیم %1 برنده شد!<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Mannschaften %1 und %2 haben gewonnen!<byte value="xd" /></source>
        <translation>تیم‌های %1 و %2 برنده شدند!<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::CardPlay</name>
    <message>
        <source>Mannschaften</source>
        <translation>تیم‌ها</translation>
    </message>
</context>
<context>
    <name>duplikon::CheckWindow</name>
    <message>
        <source>Duplikon: Kontrolle</source>
        <translation>Duplikon: بررسی</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Gelöste Aufgaben</source>
        <translation>تمرین‌های حل‌شده</translation>
    </message>
    <message>
        <source>Uhrzeit der Lösung</source>
        <translation>ساعت حل</translation>
    </message>
    <message>
        <source>Zeilen der gewählten Aufgabe</source>
        <translation>سطرهای تمرین انتخاب‌شده</translation>
    </message>
    <message>
        <source>Bild der gewählten Zeile</source>
        <translation>تصویر سطر انتخاب‌شده</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>کاربر</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>فایل %1 را نمی‌توان خواند.<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ChildrenModel</name>
    <message>
        <source>%1 gelöst, %2 falsch</source>
        <translation>%1 حل‌شده، %2 نادرست</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>کودک</translation>
    </message>
    <message>
        <source>Kartei</source>
        <translation>جعبهٔ کارت</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassList</name>
    <message>
        <source>Die Klassenliste ist keine Textdatei.</source>
        <translation>فهرست کلاس فایل متنی نیست.</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassListDialog</name>
    <message>
        <source>&amp;Hinzufügen ...</source>
        <translation>افزودن ...</translation>
    </message>
    <message>
        <source>&amp;Umbenennen ...</source>
        <translation>تغییر نام ...</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>S&amp;ortieren</source>
        <translation>مرتب‌سازی</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Klassenliste</source>
        <translation>فهرست کلاس</translation>
    </message>
    <message>
        <source>Die Vornamen der Kinder, wie sie unter „Benutzer“ erscheinen:</source>
        <translation>نام کوچک کودکان، همان‌طور که زیر «کاربر» دیده می‌شود:</translation>
    </message>
    <message>
        <source>Die Klassenliste „%1“ kann nicht gelesen werden: %2<byte value="xd" /></source>
        <translation>فهرست کلاس «%1» را نمی‌توان خواند: %2<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Zeilen der Klassenliste werden übergangen (zu lang, Steuerzeichen oder mehr als %1 Namen).<byte value="xd" /></source>
        <translation>
            <numerusform>%n سطر از فهرست کلاس نادیده گرفته می‌شود (بیش از حد بلند، دارای نویسهٔ کنترلی یا بیش از %1 نام).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ein Name hat höchstens %n Zeichen.<byte value="xd" /></source>
        <translation>
            <numerusform>هر نام حداکثر می‌تواند %n نویسه داشته باشد.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>Ein Name darf keine Steuerzeichen enthalten.<byte value="xd" /></source>
        <translation>نام نباید نویسهٔ کنترلی داشته باشد.<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Die Klassenliste hat höchstens %n Namen.<byte value="xd" /></source>
        <translation>
            <numerusform>فهرست کلاس حداکثر می‌تواند %n نام داشته باشد.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ steht schon in der Liste.<byte value="xd" /></source>
        <translation>«%1» از قبل در فهرست هست.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Vorname des Kindes:</source>
        <translation>نام کوچک کودک:</translation>
    </message>
    <message>
        <source>Die Klassenliste kann nicht gespeichert werden: %1<byte value="xd" /></source>
        <translation>فهرست کلاس را نمی‌توان ذخیره کرد: %1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ClassroomConfig</name>
    <message>
        <source> oder </source>
        <translation> یا </translation>
    </message>
    <message>
        <source>true oder false</source>
        <translation>true یا false</translation>
    </message>
    <message>
        <source>100, 150, 200 oder Bildschirm</source>
        <translation>100، 150، 200 یا Bildschirm</translation>
    </message>
    <message>
        <source>eine ganze Zahl von -100 bis 100</source>
        <translation>یک عدد صحیح از ‎-100 تا 100</translation>
    </message>
    <message>
        <source>ein Text</source>
        <translation>یک متن</translation>
    </message>
    <message>
        <source>%1: %2 Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: %2 این فایل ناموجود به حساب می‌آید.</translation>
    </message>
    <message>
        <source>%1: Das ist keine Textdatei. Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: این فایل متنی نیست. این فایل ناموجود به حساب می‌آید.</translation>
    </message>
    <message>
        <source>[Fest] gilt nur in der Datei des Administrators, der Abschnitt wird übergangen.</source>
        <translation>[Fest] فقط در فایل مدیر سیستم معتبر است؛ این بخش نادیده گرفته می‌شود.</translation>
    </message>
    <message>
        <source>Unbekannter Abschnitt „[%1]“ wird übergangen.</source>
        <translation>بخش ناشناختهٔ «[%1]» نادیده گرفته می‌شود.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“, der Abschnitt wird übergangen.</source>
        <translation>سطر آسیب‌دیدهٔ «%1»؛ این بخش نادیده گرفته می‌شود.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“ wird übergangen.</source>
        <translation>سطر آسیب‌دیدهٔ «%1» نادیده گرفته می‌شود.</translation>
    </message>
    <message>
        <source>„%1“ steht in keinem Abschnitt und wird übergangen.</source>
        <translation>«%1» در هیچ بخشی نیست و نادیده گرفته می‌شود.</translation>
    </message>
    <message>
        <source>Unbekannter Schlüssel „%1“ wird übergangen.</source>
        <translation>کلید ناشناختهٔ «%1» نادیده گرفته می‌شود.</translation>
    </message>
    <message>
        <source>%1 gilt nur im Abschnitt [Fest] und wird übergangen.</source>
        <translation>%1 فقط در بخش [Fest] معتبر است و نادیده گرفته می‌شود.</translation>
    </message>
    <message>
        <source>„%1“ ist kein Wert für %2 (%3) und wird übergangen.</source>
        <translation>«%1» مقدار معتبری برای %2 (%3) نیست و نادیده گرفته می‌شود.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt oder nicht lesbar.</source>
        <translation>فایل %1 آسیب دیده است یا خوانده نمی‌شود.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>در فایل %1 نمی‌توان نوشت.</translation>
    </message>
    <message>
        <source>eingebaute Vorgabe</source>
        <translation>پیش‌فرض داخلی</translation>
    </message>
    <message>
        <source>, fest</source>
        <translation>، ثابت</translation>
    </message>
</context>
<context>
    <name>duplikon::Dialogs</name>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>بله</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>خیر</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>لغو</translation>
    </message>
</context>
<context>
    <name>duplikon::EditorWindow</name>
    <message>
        <source>Mit Strg+G kommt das Bild in die grüne Liste, mit Strg+B in die blaue ...</source>
        <translation>با Ctrl+G تصویر به فهرست سبز می‌رود و با Ctrl+B به فهرست آبی ...</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>فایل</translation>
    </message>
    <message>
        <source>&amp;aktuelle Datei</source>
        <translation>فایل جاری</translation>
    </message>
    <message>
        <source>&amp;neue Datei ...</source>
        <translation>فایل جدید ...</translation>
    </message>
    <message>
        <source>Datei &amp;sichern</source>
        <translation>ذخیرهٔ فایل</translation>
    </message>
    <message>
        <source>A&amp;rbeitsblatt ...</source>
        <translation>کاربرگ ...</translation>
    </message>
    <message>
        <source>Aufgabe &amp;weitergeben ...</source>
        <translation>فرستادن تمرین ...</translation>
    </message>
    <message>
        <source>Aufgabe üb&amp;ernehmen ...</source>
        <translation>وارد کردن تمرین ...</translation>
    </message>
    <message>
        <source>&amp;Klassenliste ...</source>
        <translation>فهرست کلاس ...</translation>
    </message>
    <message>
        <source>&amp;Bilder einfügen ...</source>
        <translation>درج تصویرها ...</translation>
    </message>
    <message>
        <source>&amp;Lösungsbilder einfügen ...</source>
        <translation>درج تصویرهای جایزه ...</translation>
    </message>
    <message>
        <source>&amp;Großbild</source>
        <translation>تصویر بزرگ</translation>
    </message>
    <message>
        <source>In dieser grünen Liste stehen die linken Teilpaare oder Aufgaben ...</source>
        <translation>در این فهرست سبز، نیمه‌های چپ جفت‌ها یا پرسش‌ها هستند ...</translation>
    </message>
    <message>
        <source>In dieser blauen Liste stehen die rechten Teilpaare oder Lösungen ...</source>
        <translation>در این فهرست آبی، نیمه‌های راست جفت‌ها یا پاسخ‌ها هستند ...</translation>
    </message>
    <message>
        <source>Hier die gewünschten Texte eingeben und mit den Symbolen einsetzen ...</source>
        <translation>متن‌های دلخواه را اینجا بنویسید و با نمادها درج کنید ...</translation>
    </message>
    <message>
        <source>In dieser roten Liste stehen die Quelldateien mit den Daten ...</source>
        <translation>در این فهرست قرمز، فایل‌های منبع با داده‌هایشان هستند ...</translation>
    </message>
    <message>
        <source>Aus dieser Ordnerliste einen Ordner durch Anklicken auswählen ...</source>
        <translation>از این فهرست پوشه‌ها، با کلیک یک پوشه را انتخاب کنید ...</translation>
    </message>
    <message>
        <source>Aus dieser Bildliste ein aktuelles Bild durch Anklicken auswählen ...</source>
        <translation>از این فهرست تصویرها، با کلیک یک تصویر را انتخاب کنید ...</translation>
    </message>
    <message>
        <source>Das Vorschaubild mit Drag&amp;Drop in das grüne oder blaue Fenster ziehen ...</source>
        <translation>تصویر پیش‌نمایش را بکشید و در پنجرهٔ سبز یا آبی رها کنید ...</translation>
    </message>
    <message>
        <source>Duplikon: Editor</source>
        <translation>Duplikon: ویرایشگر</translation>
    </message>
    <message>
        <source>Hilfetexte</source>
        <translation>متن‌های راهنما</translation>
    </message>
</context>
<context>
    <name>duplikon::ExtraSettingsDialog</name>
    <message>
        <source>Vom Administrator festgelegt</source>
        <translation>تعیین‌شده از سوی مدیر سیستم</translation>
    </message>
    <message>
        <source>Weitere Einstellungen</source>
        <translation>تنظیمات بیشتر</translation>
    </message>
    <message>
        <source>Antippen statt Ziehen</source>
        <translation>ضربه زدن به‌جای کشیدن</translation>
    </message>
    <message>
        <source>Fenstergröße</source>
        <translation>اندازهٔ پنجره</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>تمام صفحه</translation>
    </message>
    <message>
        <source>Die neue Fenstergröße gilt ab dem nächsten Start.</source>
        <translation>اندازهٔ تازهٔ پنجره از اجرای بعدی اعمال می‌شود.</translation>
    </message>
    <message>
        <source>Ergebnisse aufbewahren</source>
        <translation>نگه‌داشتن نتایج</translation>
    </message>
    <message>
        <source>Sp&amp;rache:</source>
        <translation>زبان:</translation>
    </message>
    <message>
        <source>Wie das System</source>
        <translation>پیش‌فرض سیستم</translation>
    </message>
    <message>
        <source>Vorlesen</source>
        <translation>خواندن با صدای بلند</translation>
    </message>
    <message>
        <source>Keine Sprachausgabe gefunden</source>
        <translation>هیچ موتور گفتاری پیدا نشد</translation>
    </message>
    <message>
        <source>&amp;Stimme:</source>
        <translation>گوینده:</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>سرعت:</translation>
    </message>
    <message>
        <source>Spielart</source>
        <translation>نوع بازی</translation>
    </message>
    <message>
        <source>Zuordnen</source>
        <translation>جور کردن</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>رو کردن کارت‌ها</translation>
    </message>
    <message>
        <source>&amp;Paare:</source>
        <translation>تعداد جفت‌ها:</translation>
    </message>
    <message>
        <source>&amp;Zudecken:</source>
        <translation>به پشت برگرداندن:</translation>
    </message>
    <message>
        <source>&amp;Mannschaften:</source>
        <translation>تعداد تیم‌ها:</translation>
    </message>
    <message>
        <source>Getrennt: erste Hälften oben, zweite unten</source>
        <translation>جدا: نیمه‌های اول بالا، نیمه‌های دوم پایین</translation>
    </message>
    <message>
        <source>beim nächsten Tippen</source>
        <translation>با ضربهٔ بعدی</translation>
    </message>
    <message>
        <source>nach 1 Sekunde</source>
        <translation>پس از ۱ ثانیه</translation>
    </message>
    <message>
        <source>nach 2 Sekunden</source>
        <translation>پس از ۲ ثانیه</translation>
    </message>
    <message>
        <source>nach 3 Sekunden</source>
        <translation>پس از ۳ ثانیه</translation>
    </message>
    <message>
        <source>nach 4 Sekunden</source>
        <translation>پس از ۴ ثانیه</translation>
    </message>
    <message>
        <source>nach 5 Sekunden</source>
        <translation>پس از ۵ ثانیه</translation>
    </message>
    <message>
        <source>Vom Administrator abgeschaltet</source>
        <translation>غیرفعال‌شده از سوی مدیر سیستم</translation>
    </message>
    <message>
        <source>Für diese Sprache gibt es keine Stimme: Meldungen werden nur gezeigt, nicht vorgelesen.</source>
        <translation>برای این زبان گوینده‌ای نیست: پیام‌ها فقط نشان داده می‌شوند و با صدای بلند خوانده نمی‌شوند.</translation>
    </message>
    <message>
        <source>Deutsch (Vorgabe)</source>
        <translation>آلمانی (پیش‌فرض)</translation>
    </message>
    <message>
        <source>%1 (nicht installiert)</source>
        <translation>%1 (نصب نشده)</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>تنظیمات ذخیره نشد.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Lernkartei</source>
        <translation>جعبهٔ کارت</translation>
    </message>
    <message>
        <source>Die Lernkartei braucht „Ergebnisse aufbewahren“.</source>
        <translation>جعبهٔ کارت به «نگه‌داشتن نتایج» نیاز دارد.</translation>
    </message>
</context>
<context>
    <name>duplikon::FileLists</name>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>فایل وجود ندارد.</translation>
    </message>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>این یک فایل نیست.</translation>
    </message>
</context>
<context>
    <name>duplikon::Folders</name>
    <message>
        <source>Der Ordner „%1“ fehlt.</source>
        <translation>پوشهٔ «%1» وجود ندارد.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>پوشهٔ «%1» را نمی‌توان ساخت.</translation>
    </message>
    <message>
        <source>Im Ordner „%1“ kann nichts angelegt werden.</source>
        <translation>در پوشهٔ «%1» نمی‌توان چیزی ساخت.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht nach „%2“ kopiert werden.</source>
        <translation>«%1» را نمی‌توان در «%2» کپی کرد.</translation>
    </message>
</context>
<context>
    <name>duplikon::LessonRules</name>
    <message>
        <source>Die Aufgaben werden wiederholt, rufe das nächste Kind.<byte value="xd" /><byte value="xd" /></source>
        <translation>تمرین‌ها از نو شروع می‌شوند. بچهٔ بعدی را صدا کن.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>تکرار</translation>
    </message>
    <message>
        <source>Dies ist eine Pflichtaufgabe für dich!<byte value="xd" /><byte value="xd" /></source>
        <translation>این تمرین را حتماً باید انجام بدهی!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>نام کاربر</translation>
    </message>
    <message>
        <source>Benutzername eingeben:</source>
        <translation>نام کاربر را وارد کنید:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Die Einstellungen wurden vom Administrator gesperrt.<byte value="xd" /></source>
        <translation>تنظیمات را مدیر سیستم قفل کرده است.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Geben Sie das Passwort für diese Funktion ein:</source>
        <translation>گذرواژهٔ این بخش را وارد کنید:</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>گذرواژه</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Der Editor wurde im Zusatzmenü deaktiviert.<byte value="xd" /><byte value="xd" /></source>
        <translation>ویرایشگر در منوی تکمیلی غیرفعال شده است.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung verweigert</source>
        <translation>تکرار ممکن نیست</translation>
    </message>
    <message>
        <source>Es müssen erst Pflichtaufgaben gewählt werden!<byte value="xd" /><byte value="xd" /></source>
        <translation>نخست باید تمرین‌های اجباری انتخاب شوند!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Programmordner antwortet nicht.</source>
        <translation>پوشهٔ برنامه پاسخ نمی‌دهد.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>تنظیمات ذخیره نشد.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::MainWindow</name>
    <message>
        <source>Ordner 'DUPBILDER' fehlt:</source>
        <translation>پوشهٔ «DUPBILDER» وجود ندارد:</translation>
    </message>
    <message>
        <source>Der Bildordner für die Lösungsbilder wurde nicht gefunden!<byte value="xd" /><byte value="xd" /></source>
        <translation>پوشهٔ تصویرهای جایزه پیدا نشد!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Duplikon 1.0 – Paare finden, für Kinder der Grundschule.<byte value="xd" />https://duplikon.example/</source>
        <translation>Duplikon 1.0 – پیدا کردن جفت‌ها، برای کودکان دبستانی.<byte value="xd" />https://duplikon.example/</translation>
    </message>
    <message>
        <source>&amp;Programm</source>
        <translation>برنامه</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>&amp;Autor ...</source>
        <translation>سازنده ...</translation>
    </message>
    <message>
        <source>&amp;Laden</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>ویرایشگر</translation>
    </message>
    <message>
        <source>E&amp;instellungen</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>چاپ</translation>
    </message>
    <message>
        <source>Wollen Sie die aktuelle Seite drucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>آیا می‌خواهید صفحهٔ جاری را چاپ کنید؟<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Dieses Programm jetzt beenden?<byte value="xd" /><byte value="xd" /></source>
        <translation>آیا می‌خواهید اکنون از برنامه خارج شوید؟<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::Metafile</name>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>برای تصویر جایی نیست.</translation>
    </message>
    <message>
        <source>Die Metadatei kann nicht gelesen werden.</source>
        <translation>متافایل را نمی‌توان خواند.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu viel Speicher.</source>
        <translation>متافایل به حافظهٔ بیش از حد نیاز دارد.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>تصویر بیش از حد بزرگ است.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu lange.</source>
        <translation>پردازش متافایل بیش از حد طول می‌کشد.</translation>
    </message>
    <message>
        <source>Windows-Metadateien werden nicht unterstützt.</source>
        <translation>متافایل‌های Windows پشتیبانی نمی‌شوند.</translation>
    </message>
    <message>
        <source>Die Metadatei ist beschädigt.</source>
        <translation>متافایل آسیب دیده است.</translation>
    </message>
</context>
<context>
    <name>duplikon::MetafileRecords</name>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>فایل تصویر بیش از حد بزرگ است.</translation>
    </message>
    <message>
        <source>Die Metadatei hat zu viele Einträge.</source>
        <translation>تعداد رکوردهای متافایل بیش از حد است.</translation>
    </message>
</context>
<context>
    <name>duplikon::NamePicker</name>
    <message>
        <source>Tippe auf deinen Namen:</source>
        <translation>روی اسمت بزن:</translation>
    </message>
    <message>
        <source>Anderer Name ...</source>
        <translation>اسم دیگر ...</translation>
    </message>
</context>
<context>
    <name>duplikon::PageOutput</name>
    <message>
        <source>Zwischenablage</source>
        <translation>کلیپ‌بورد</translation>
    </message>
    <message>
        <source>Die Seite wurde in die Ablage kopiert ...<byte value="xd" /><byte value="xd" /></source>
        <translation>صفحه در کلیپ‌بورد کپی شد ...<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Drucker hat den Auftrag nicht angenommen.</source>
        <translation>چاپگر کار چاپ را نپذیرفت.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>چاپ</translation>
    </message>
    <message>
        <source>Die Seite konnte nicht gedruckt werden.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></source>
        <translation>صفحه چاپ نشد.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Seite wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>صفحهٔ جاری در حال چاپ است ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::PairLists</name>
    <message>
        <source>Text einsetzen</source>
        <translation>درج متن</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>انتقال به بالا</translation>
    </message>
    <message>
        <source>Text ersetzen</source>
        <translation>جایگزینی متن</translation>
    </message>
    <message>
        <source>Text holen</source>
        <translation>آوردن متن</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>انتقال به پایین</translation>
    </message>
    <message>
        <source>Text löschen</source>
        <translation>حذف متن</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> پیش‌نمایش:</translation>
    </message>
    <message>
        <source>Vorschau der Listen</source>
        <translation>پیش‌نمایش فهرست‌ها</translation>
    </message>
    <message>
        <source>Text eingeben</source>
        <translation>نوشتن متن</translation>
    </message>
    <message>
        <source>Liste %1 hat mehr als %2 Elemente.</source>
        <translation>فهرست %1 بیش از %2 مورد دارد.</translation>
    </message>
</context>
<context>
    <name>duplikon::PairsModel</name>
    <message>
        <source>Aufgabe</source>
        <translation>تمرین</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>نیمهٔ ۱</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>نیمهٔ ۲</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>درست</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>نادرست</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureBrowser</name>
    <message>
        <source>Vorschaubild mit Mausklick schließen ...</source>
        <translation>برای بستن پیش‌نمایش کلیک کنید ...</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> پیش‌نمایش:</translation>
    </message>
    <message>
        <source>Drag&amp;Drop ins Farbfeld</source>
        <translation>بکشید و در کادر رنگی رها کنید</translation>
    </message>
    <message>
        <source>So würde das ausgewählte Bild im Großformat für ein Lösungsbild am Ende der Spielreihe aussehen . . .</source>
        <translation>تصویر انتخاب‌شده در اندازهٔ بزرگ، به‌عنوان تصویر جایزه در پایان دور بازی، این‌گونه دیده می‌شود . . .</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImport</name>
    <message>
        <source>Die Datei ist kein Bild, das Duplikon lesen kann.</source>
        <translation>این فایل تصویری نیست که Duplikon بتواند بخواند.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>این فایل صدایی نیست که Duplikon بتواند پخش کند.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>تصویر آسیب دیده یا ناقص است.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (mehr als 16384 Bildpunkte an einer Seite oder mehr als 256 MB im Speicher).</source>
        <translation>تصویر بیش از حد بزرگ است (بیش از ۱۶۳۸۴ پیکسل در یک ضلع یا بیش از ۲۵۶ مگابایت در حافظه).</translation>
    </message>
    <message>
        <source>Das Bild kann nicht umgewandelt werden.</source>
        <translation>تصویر را نمی‌توان تبدیل کرد.</translation>
    </message>
    <message>
        <source>Bild aus der Zwischenablage</source>
        <translation>تصویر از کلیپ‌بورد</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>فایل خالی است.</translation>
    </message>
    <message>
        <source>Das Bild ist im Format HEIC/HEIF gespeichert, das Duplikon nicht lesen kann. Bitte speichern Sie es als JPEG und fügen Sie es dann ein.</source>
        <translation>این تصویر با قالب HEIC/HEIF ذخیره شده است که Duplikon نمی‌تواند آن را بخواند. لطفاً آن را به‌صورت JPEG ذخیره کنید و سپس درج کنید.</translation>
    </message>
    <message>
        <source>Es gibt schon zu viele Bilder mit diesem Namen.</source>
        <translation>از قبل تصویرهای زیادی با این نام وجود دارد.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>پوشهٔ «%1» را نمی‌توان ساخت.</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImportActions</name>
    <message>
        <source>Bilder (%1)</source>
        <translation>تصویرها (%1)</translation>
    </message>
    <message>
        <source>Bilder einfügen</source>
        <translation>درج تصویرها</translation>
    </message>
    <message>
        <source>Lösungsbilder einfügen</source>
        <translation>درج تصویرهای جایزه</translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n Lösungsbildern sind im Ordner %2.<byte value="xd" />Neue Lösungsbilder kommen beim nächsten Start von Duplikon dazu.</source>
        <translation>
            <numerusform>%1 از %n تصویر جایزه در پوشهٔ %2 قرار دارد.<byte value="xd" />تصویرهای جایزهٔ تازه در اجرای بعدی Duplikon اضافه می‌شوند.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bild %1 von %2 ...</source>
        <translation>تصویر %1 از %2 ...</translation>
    </message>
    <message>
        <source>Diese Dateien wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>این فایل‌ها وارد نشدند:<byte value="xd" />%1</translation>
    </message>
    <message>
        <source>Diese Bilder wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>این تصویرها وارد نشدند:<byte value="xd" />%1</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureLoader</name>
    <message>
        <source>Das Bild kann nicht gelesen werden.</source>
        <translation>تصویر را نمی‌توان خواند.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>تصویر بیش از حد بزرگ است.</translation>
    </message>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>برای تصویر جایی نیست.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist leer.</source>
        <translation>فایل تصویر خالی است.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist unvollständig.</source>
        <translation>فایل تصویر ناقص است.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist nicht vorhanden.</source>
        <translation>فایل تصویر وجود ندارد.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>فایل تصویر بیش از حد بزرگ است.</translation>
    </message>
    <message>
        <source>Die Bilddatei kann nicht geöffnet werden.</source>
        <translation>فایل تصویر را نمی‌توان باز کرد.</translation>
    </message>
</context>
<context>
    <name>duplikon::PlaySession</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>فایل %1 را نمی‌توان خواند.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Prima, du hast die Aufgabe gelöst.<byte value="xd" />Wähle dir eine neue Aufgabe aus!<byte value="xd" />Klicke dazu im Menü auf 'Laden' ...<byte value="xd" /></source>
        <translation>آفرین، تمرین را حل کردی.<byte value="xd" />حالا یک تمرین تازه انتخاب کن!<byte value="xd" />برای این کار، در منو روی «باز کردن» کلیک کن ...<byte value="xd" /></translation>
    </message>
    <message>
        <source>Kontrolle</source>
        <translation>بررسی</translation>
    </message>
</context>
<context>
    <name>duplikon::PrintSpooler</name>
    <message>
        <source>Der Drucker "%1" ist nicht erreichbar.</source>
        <translation>چاپگر «%1» در دسترس نیست.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt zurzeit keine Aufträge an.</source>
        <translation>چاپگر «%1» در حال حاضر کار چاپی نمی‌پذیرد.</translation>
    </message>
</context>
<context>
    <name>duplikon::QtRecorder</name>
    <message>
        <source>Es läuft schon eine Aufnahme.</source>
        <translation>یک ضبط دیگر در حال انجام است.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es schon.</source>
        <translation>فایل «%1» از قبل وجود دارد.</translation>
    </message>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>هیچ میکروفونی وصل نیست.</translation>
    </message>
    <message>
        <source>Die Aufnahme kann nicht beginnen: %1</source>
        <translation>ضبط را نمی‌توان آغاز کرد: %1</translation>
    </message>
</context>
<context>
    <name>duplikon::RegularFile</name>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>این یک فایل نیست.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation>فایل بیش از حد بزرگ است.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>فایل وجود ندارد.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>فایل را نمی‌توان خواند.</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsTables</name>
    <message>
        <source>Datum</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>ساعت</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>کودک</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>تمرین</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>ثانیه</translation>
    </message>
    <message>
        <source>Fehlversuche</source>
        <translation>تلاش‌های نادرست</translation>
    </message>
    <message>
        <source>Spielweise</source>
        <translation>شیوهٔ بازی</translation>
    </message>
    <message>
        <source>Pflicht</source>
        <translation>اجباری</translation>
    </message>
    <message>
        <source>Züge</source>
        <translation>نوبت‌ها</translation>
    </message>
    <message>
        <source>Mannschaften</source>
        <translation>تیم‌ها</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>نیمهٔ ۱</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>نیمهٔ ۲</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>درست</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>نادرست</translation>
    </message>
    <message>
        <source>Maus</source>
        <translation>ماوس</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>صفحه‌کلید</translation>
    </message>
    <message>
        <source>Antippen</source>
        <translation>ضربه زدن</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>رو کردن کارت‌ها</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>بله</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>خیر</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsWindow</name>
    <message>
        <source>Ergebnisse</source>
        <translation>نتایج</translation>
    </message>
    <message>
        <source>&amp;Zeitraum:</source>
        <translation>بازهٔ زمانی:</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>امروز</translation>
    </message>
    <message>
        <source>Diese Woche</source>
        <translation>این هفته</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>همه</translation>
    </message>
    <message>
        <source>Als &amp;Tabelle speichern ...</source>
        <translation>ذخیره به‌صورت جدول ...</translation>
    </message>
    <message>
        <source>&amp;Kinder</source>
        <translation>کودکان</translation>
    </message>
    <message>
        <source>&amp;Paare</source>
        <translation>جفت‌ها</translation>
    </message>
    <message>
        <source>&amp;Lernkartei</source>
        <translation>جعبهٔ کارت</translation>
    </message>
    <message>
        <source>Für die ganze Klasse üben:</source>
        <translation>برای تمرین با همهٔ کلاس:</translation>
    </message>
    <message>
        <source>Als A&amp;ufgabe speichern ...</source>
        <translation>ذخیره به‌صورت تمرین ...</translation>
    </message>
    <message>
        <source>Ein falsches Ablegen zählt beim Paar der gezogenen Hälfte und beim Paar der Hälfte, auf die sie gelegt wurde. Je kräftiger die Farbe, desto größer der Anteil falscher Züge.</source>
        <translation>هر رها کردن نادرست، هم برای جفت نیمهٔ کشیده‌شده شمرده می‌شود و هم برای جفت نیمه‌ای که روی آن گذاشته شده است. هرچه رنگ پررنگ‌تر باشد، سهم حرکت‌های نادرست بیشتر است.</translation>
    </message>
    <message>
        <source>&amp;Alle Ergebnisse löschen ...</source>
        <translation>حذف همهٔ نتایج ...</translation>
    </message>
    <message>
        <source>Die Ergebnisse werden gelesen ...</source>
        <translation>در حال خواندن نتایج ...</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien gelesen</source>
        <translation>
            <numerusform>%n فایل خوانده شد</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Zeilen</source>
        <translation>
            <numerusform>%n سطر آسیب‌دیده</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Dateien</source>
        <translation>
            <numerusform>%n فایل آسیب‌دیده</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 übersprungen</source>
        <translation>%1 نادیده گرفته شد</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message numerus="yes">
        <source>Die Ergebnisse werden gelesen: %1 von %n Dateien</source>
        <translation>
            <numerusform>در حال خواندن نتایج: %1 از %n فایل</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 – %2 (%3): %n Kinder</source>
        <translation>
            <numerusform>%1 – %2 (%3): %n کودک</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufgabe konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>تمرین ذخیره نشد.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Paare stehen jetzt in der Aufgabe „%1“.<byte value="xd" /></source>
        <translation>جفت‌ها اکنون در تمرین «%1» هستند.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ergebnisse &amp;von %1 löschen ...</source>
        <translation>حذف نتایج %1 ...</translation>
    </message>
    <message>
        <source>Als Tabelle speichern</source>
        <translation>ذخیره به‌صورت جدول</translation>
    </message>
    <message>
        <source>Tabellen (*.csv)</source>
        <translation>جدول‌ها (*.csv)</translation>
    </message>
    <message>
        <source>Zur Tabelle „%1“ gehört die Tabelle der Paare „%2“.<byte value="xd" />„%2“ gibt es schon. Soll sie ersetzt werden?</source>
        <translation>جدول جفت‌های «%2» همراه جدول «%1» است.<byte value="xd" />«%2» از قبل وجود دارد. جایگزین شود؟</translation>
    </message>
    <message>
        <source>Die Tabelle konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>جدول ذخیره نشد.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse von %1 gelöscht werden?</source>
        <translation>همهٔ نتایج %1 حذف شود؟</translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse aller Kinder gelöscht werden?</source>
        <translation>همهٔ نتایج همهٔ کودکان حذف شود؟</translation>
    </message>
    <message>
        <source>Diese Einträge sind Verknüpfungen oder keine gewöhnlichen Dateien. Sie wurden übersprungen, nichts dahinter wurde gelöscht:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>این موارد میان‌بر هستند یا فایل معمولی نیستند. نادیده گرفته شدند و هیچ چیزی که به آن‌ها اشاره دارند حذف نشد:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien konnten nicht gelöscht werden (sie gehören einer anderen Anmeldung).<byte value="xd" /></source>
        <translation>
            <numerusform>%n فایل حذف نشد (به حساب کاربری دیگری تعلق دارد).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 – %2 (%3): 1 Kind</source>
        <translation>%1 – %2 (%3): ۱ کودک</translation>
    </message>
</context>
<context>
    <name>duplikon::RunsModel</name>
    <message>
        <source>dd.MM.yyyy hh:mm</source>
        <comment>date and time of a run</comment>
        <translation>yyyy/MM/dd hh:mm</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>تاریخ</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>تمرین</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>مدت</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>نادرست</translation>
    </message>
</context>
<context>
    <name>duplikon::Services</name>
    <message>
        <source>Es ist kein Drucker eingerichtet.</source>
        <translation>هیچ چاپگری نصب نشده است.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>چاپ</translation>
    </message>
    <message>
        <source>Das PDF konnte nicht angelegt werden.</source>
        <translation>فایل PDF ساخته نشد.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt keinen Auftrag an.</source>
        <translation>چاپگر «%1» کار چاپ را نمی‌پذیرد.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht übergeben werden.</source>
        <translation>کار چاپ به چاپگر فرستاده نشد.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" hat den Auftrag abgelehnt.</source>
        <translation>چاپگر «%1» کار چاپ را رد کرد.</translation>
    </message>
    <message>
        <source>Der Druckauftrag wurde abgelehnt.</source>
        <translation>کار چاپ رد شد.</translation>
    </message>
</context>
<context>
    <name>duplikon::SettingsPanel</name>
    <message>
        <source>Vom Administrator gesperrt</source>
        <translation>قفل‌شده از سوی مدیر سیستم</translation>
    </message>
    <message>
        <source>Einstellungen für das Programm:</source>
        <translation>تنظیمات برنامه:</translation>
    </message>
    <message>
        <source>Pflichtaufgaben</source>
        <translation>تمرین‌های اجباری</translation>
    </message>
    <message>
        <source>Editor sperren</source>
        <translation>قفل کردن ویرایشگر</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>انتخاب سریع فایل</translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>تکرار</translation>
    </message>
    <message>
        <source>Fragen</source>
        <translation>پرسش‌ها</translation>
    </message>
    <message>
        <source>Antworten</source>
        <translation>پاسخ‌ها</translation>
    </message>
    <message>
        <source>Quellaufgaben</source>
        <translation>تمرین‌های منبع</translation>
    </message>
    <message>
        <source>O k a y</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>رنگ‌ها</translation>
    </message>
    <message>
        <source>Ablage ...</source>
        <translation>کلیپ‌بورد ...</translation>
    </message>
    <message>
        <source>Drucken ...</source>
        <translation>چاپ ...</translation>
    </message>
    <message>
        <source>Weitere ...</source>
        <translation>بیشتر ...</translation>
    </message>
    <message>
        <source>Weitere Einstellungen (Alt+J)</source>
        <translation>تنظیمات بیشتر (Alt+J)</translation>
    </message>
    <message>
        <source>Ergebnisse ...</source>
        <translation>نتایج ...</translation>
    </message>
    <message>
        <source>Ergebnisse der Kinder (Alt+Q)</source>
        <translation>نتایج کودکان (Alt+Q)</translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <translation>رنگ پس‌زمینه</translation>
    </message>
    <message>
        <source>Der Hintergrund wird durch fortwährenden Klick auf die<byte value="xd" />beiden Farbflächen 'Fragen' und 'Antworten' eingestellt.<byte value="xd" /></source>
        <translation>پس‌زمینه با کلیک پی‌درپی روی<byte value="xd" />دو کادر رنگی «پرسش‌ها» و «پاسخ‌ها» تنظیم می‌شود.<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SolutionPicture</name>
    <message>
        <source>Bildfehler</source>
        <translation>خطای تصویر</translation>
    </message>
    <message>
        <source>Es ist kein Lösungbild (PAARE*.*) vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>هیچ تصویر جایزه‌ای (PAARE*.*) وجود ندارد!<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SoundRecording</name>
    <message>
        <source>&amp;Ton aufnehmen ...</source>
        <translation>ضبط صدا ...</translation>
    </message>
    <message>
        <source>&amp;Tonaufnahme beenden</source>
        <translation>پایان ضبط صدا</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>پوشهٔ «%1» را نمی‌توان ساخت.</translation>
    </message>
    <message>
        <source>Ton aufnehmen</source>
        <translation>ضبط صدا</translation>
    </message>
    <message numerus="yes">
        <source>Die Aufnahme läuft, höchstens %n Sekunden ...</source>
        <translation>
            <numerusform>در حال ضبط، حداکثر %n ثانیه ...</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufnahme ist nicht gelungen.</source>
        <translation>ضبط انجام نشد.</translation>
    </message>
</context>
<context>
    <name>duplikon::StartFolder</name>
    <message>
        <source>unbekannte Sprache „%1“</source>
        <translation>زبان ناشناختهٔ «%1»</translation>
    </message>
    <message>
        <source>unbekannte Option „%1“</source>
        <translation>گزینهٔ ناشناختهٔ «%1»</translation>
    </message>
    <message>
        <source>nur ein Ordner oder eine Aufgabendatei, nicht auch „%1“</source>
        <translation>فقط یک پوشه یا یک فایل تمرین، نه «%1» هم</translation>
    </message>
    <message>
        <source>Die Aufgabendatei „%1“ wurde nicht gefunden.</source>
        <translation>فایل تمرین «%1» پیدا نشد.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ wurde nicht gefunden.</source>
        <translation>پوشهٔ «%1» پیدا نشد.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.
%2</source>
        <translation>پوشهٔ «%1» را نمی‌توان ساخت.
%2</translation>
    </message>
    <message>
        <source>„%1“ ist eine Datei, kein Ordner.</source>
        <translation>«%1» یک فایل است، نه پوشه.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht gelesen werden.</source>
        <translation>پوشهٔ «%1» را نمی‌توان خواند.</translation>
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
        <translation>استفاده: duplikon [پوشه | فایل.TXT | بسته.duplikon]
Duplikon – پیدا کردن و جور کردن جفت‌ها، یک برنامهٔ تمرینی برای کودکان.

Duplikon در یک پوشه کار می‌کند: فایل‌های تمرین *.TXT و تصویرهایشان،
تصویرهای جایزه در DUPBILDER/، تنظیمات در DUPLIKON.INI.

  پوشه         در این پوشه کار می‌کند
  فایل.TXT     در پوشهٔ این فایل تمرین کار می‌کند
  بسته.duplikon
               تمرین فرستاده‌شدهٔ این بسته را با تصویرها و صداهایش
               وارد و اجرا می‌کند: در پوشهٔ جاری،
               یا با --menue در پوشهٔ «Duplikon» زیر «اسناد»
  (بدون)       در پوشهٔ جاری کار می‌کند
  --menue      مانند اجرا از منوی شروع: بدون پوشه، در پوشهٔ «Duplikon» زیر
               «اسناد» کار می‌کند که در نخستین اجرا به‌صورت رونوشتی از
               تمرین‌های نمونه ساخته می‌شود؛ خطاها را به‌صورت پیام هم نشان می‌دهد
  --einstellungen
               مقدارهای duplikon.conf را هر یک با منبعش نشان می‌دهد،
               سپس سطرهای نادیده‌گرفته‌شده را
  --sprache کد
               فقط این بار به این زبان کار می‌کند: de، en، uk، ar، tr،
               ru، pl، fa یا System (زبان دسکتاپ)
  --help       این راهنما را نشان می‌دهد
  --version    نسخه را نشان می‌دهد

مقدار بازگشتی: 0 اگر همه‌چیز درست باشد؛ 1 اگر پوشه وجود نداشته باشد یا
خوانده نشود؛ 2 در صورت فراخوانی نادرست.
</translation>
    </message>
    <message>
        <source>Duplikon %1
Lizenz: GPL-3.0 oder neuer &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</source>
        <translation>Duplikon %1
مجوز: GPL-3.0 یا نسخه‌های بعدی &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
این یک نرم‌افزار آزاد است: می‌توانید آن را تغییر دهید و بازتوزیع کنید.
تا جایی که قانون اجازه می‌دهد، هیچ ضمانتی وجود ندارد.
</translation>
    </message>
</context>
<context>
    <name>duplikon::SvgCheck</name>
    <message>
        <source>Das SVG-Bild verweist auf andere Dateien; es wird nicht übernommen.</source>
        <translation>تصویر SVG به فایل‌های دیگر ارجاع می‌دهد؛ وارد نمی‌شود.</translation>
    </message>
    <message>
        <source>Das SVG-Bild erklärt eigene Entitäten; es wird nicht übernommen.</source>
        <translation>تصویر SVG موجودیت‌های خودش را تعریف می‌کند؛ وارد نمی‌شود.</translation>
    </message>
    <message>
        <source>Das SVG-Bild wiederholt seine Teile zu oft; es wird nicht übernommen.</source>
        <translation>تصویر SVG بخش‌هایش را بیش از حد تکرار می‌کند؛ وارد نمی‌شود.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>تصویر آسیب دیده یا ناقص است.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchive</name>
    <message>
        <source>Die Datei ist kein Duplikon-Paket oder ist beschädigt.</source>
        <translation>این فایل بستهٔ Duplikon نیست یا آسیب دیده است.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden.</source>
        <translation>«%1» را نمی‌توان خواند.</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt.</source>
        <translation>«%1» آسیب دیده است.</translation>
    </message>
    <message>
        <source>„%1“ ist größer als 32 MB.</source>
        <translation>«%1» بزرگ‌تر از ۳۲ مگابایت است.</translation>
    </message>
    <message>
        <source>Das Paket ist ausgepackt größer als 256 MB.</source>
        <translation>این بسته پس از باز شدن بزرگ‌تر از ۲۵۶ مگابایت است.</translation>
    </message>
    <message>
        <source>„%1“ ist verdächtig stark gepackt.</source>
        <translation>«%1» به‌طرز مشکوکی زیاد فشرده شده است.</translation>
    </message>
    <message>
        <source>„%1“ ist größer, als das Paket angibt.</source>
        <translation>«%1» بزرگ‌تر از اندازه‌ای است که بسته اعلام می‌کند.</translation>
    </message>
    <message>
        <source>„%1“ ist kleiner, als das Paket angibt.</source>
        <translation>«%1» کوچک‌تر از اندازه‌ای است که بسته اعلام می‌کند.</translation>
    </message>
    <message>
        <source>manifest.json ist beschädigt.</source>
        <translation>فایل manifest.json آسیب دیده است.</translation>
    </message>
    <message>
        <source>Das Paket hat eine Version, die Duplikon nicht kennt.</source>
        <translation>نسخهٔ این بسته برای Duplikon ناشناخته است.</translation>
    </message>
    <message>
        <source>manifest.json ist unvollständig.</source>
        <translation>فایل manifest.json ناقص است.</translation>
    </message>
    <message>
        <source>Die Aufgabe im Paket ist zu lang.</source>
        <translation>تمرین درون بسته بیش از حد طولانی است.</translation>
    </message>
    <message>
        <source>Eine Zeile der Aufgabe enthält Steuerzeichen.</source>
        <translation>یکی از سطرهای تمرین نویسهٔ کنترلی دارد.</translation>
    </message>
    <message>
        <source>Die Endung „%1“ gehört zu keinem Bild und keinem Ton.</source>
        <translation>پسوند «%1» مربوط به هیچ تصویر یا صدایی نیست.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>فایل خالی است.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>این فایل صدایی نیست که Duplikon بتواند پخش کند.</translation>
    </message>
    <message>
        <source>Der Ton ist kein %1.</source>
        <translation>این صدا %1 نیست.</translation>
    </message>
    <message>
        <source>Das Bild ist kein %1.</source>
        <translation>این تصویر %1 نیست.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>تصویر بیش از حد بزرگ است.</translation>
    </message>
    <message numerus="yes">
        <source>Das Paket hat mehr als %n Einträge.</source>
        <translation>
            <numerusform>بسته بیش از %n مورد دارد.</numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ ist verschlüsselt.</source>
        <translation>«%1» رمزگذاری شده است.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal im Paket.</source>
        <translation>«%1» دو بار در بسته آمده است.</translation>
    </message>
    <message>
        <source>manifest.json ist zu groß.</source>
        <translation>فایل manifest.json بیش از حد بزرگ است.</translation>
    </message>
    <message>
        <source>Im Paket fehlt manifest.json.</source>
        <translation>فایل manifest.json در بسته نیست.</translation>
    </message>
    <message>
        <source>Im Paket fehlt „%1“.</source>
        <translation>«%1» در بسته نیست.</translation>
    </message>
    <message>
        <source>Die Zeile „%1“ nennt eine Datei, die nicht im Paket ist.</source>
        <translation>سطر «%1» به فایلی اشاره می‌کند که در بسته نیست.</translation>
    </message>
    <message>
        <source>Die Datei passt nicht zu ihrer Prüfsumme.</source>
        <translation>فایل با جمع کنترلی خود مطابقت ندارد.</translation>
    </message>
    <message>
        <source>Die Bilder des Pakets sind zusammen zu groß.</source>
        <translation>تصویرهای بسته روی هم بیش از حد بزرگ‌اند.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveActions</name>
    <message>
        <source>Duplikon-Aufgaben (*.duplikon *.DUPLIKON)</source>
        <translation>تمرین‌های Duplikon (*.duplikon *.DUPLIKON)</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>وارد کردن تمرین</translation>
    </message>
    <message>
        <source>Aufgabe weitergeben</source>
        <translation>فرستادن تمرین</translation>
    </message>
    <message>
        <source>Bitte zuerst unter „Lerndateien“ eine Aufgabe wählen.<byte value="xd" /></source>
        <translation>لطفاً نخست از «فایل‌های آموزشی» یک تمرین انتخاب کنید.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Bilder oder Töne fehlen oder sind beschädigt:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />Soll die Aufgabe ohne sie weitergegeben werden?<byte value="xd" />(An ihrer Stelle steht dann ihr Name als Text.)</source>
        <translation>این تصویرها یا صداها پیدا نمی‌شوند یا آسیب دیده‌اند:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />تمرین بدون آن‌ها فرستاده شود؟<byte value="xd" />(به‌جای آن‌ها، نامشان به‌صورت متن می‌آید.)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 ذخیره نشد:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Aufgabe %1 wurde als %2 gespeichert.<byte value="xd" /></source>
        <translation>تمرین %1 با نام %2 ذخیره شد.<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveFolder</name>
    <message>
        <source>Es gibt schon zu viele Aufgaben mit diesem Namen.</source>
        <translation>از قبل تمرین‌های زیادی با این نام وجود دارد.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden:<byte value="xd" />%2</source>
        <translation>«%1» را نمی‌توان خواند:<byte value="xd" />%2</translation>
    </message>
    <message numerus="yes">
        <source>„%1“ hat mehr als %n Zeilen.</source>
        <translation>
            <numerusform>«%1» بیش از %n سطر دارد.</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Bilder und Töne von „%1“ sind zusammen größer als 256 MB.</source>
        <translation>تصویرها و صداهای «%1» روی هم بزرگ‌تر از ۲۵۶ مگابایت هستند.</translation>
    </message>
    <message>
        <source>Das Paket kann nicht gepackt werden.</source>
        <translation>بسته را نمی‌توان ساخت.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht übernommen werden:<byte value="xd" />%2</source>
        <translation>«%1» را نمی‌توان وارد کرد:<byte value="xd" />%2</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>پوشهٔ «%1» را نمی‌توان ساخت.</translation>
    </message>
    <message>
        <source>Die Aufgabe „%1“ wurde übernommen.</source>
        <translation>تمرین «%1» وارد شد.</translation>
    </message>
    <message>
        <source>Bilder: %1</source>
        <translation>تصویرها: %1</translation>
    </message>
    <message>
        <source>Töne: %1</source>
        <translation>صداها: %1</translation>
    </message>
    <message>
        <source>Nicht übernommen, weil sie zu keiner Aufgabe gehören: %1</source>
        <translation>وارد نشدند، چون به هیچ تمرینی تعلق ندارند: %1</translation>
    </message>
    <message>
        <source>Die Hälfte „%1“ hat keinen Partner: So kann die Aufgabe nicht gelöst werden.</source>
        <translation>نیمهٔ «%1» جفتی ندارد: پس این تمرین را نمی‌توان حل کرد.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskChoice</name>
    <message>
        <source>Datei-Wahl:</source>
        <translation>انتخاب فایل:</translation>
    </message>
    <message>
        <source>Datei-Inhalt:</source>
        <translation>محتوای فایل:</translation>
    </message>
    <message>
        <source>Vorschau:</source>
        <translation>پیش‌نمایش:</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>L a d e n</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>انتخاب سریع فایل</translation>
    </message>
    <message>
        <source>Es sind keine Dateien vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>هیچ فایلی وجود ندارد!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Meine Kartei
%n Karten</source>
        <translation>
            <numerusform>جعبهٔ کارت من
%n کارت</numerusform>
        </translation>
    </message>
    <message>
        <source>Meine Kartei
Keine Karte fällig</source>
        <translation>جعبهٔ کارت من
امروز کارتی نیست</translation>
    </message>
    <message>
        <source>Meine Kartei
1 Karte</source>
        <translation>جعبهٔ کارت من
۱ کارت</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskFilePanel</name>
    <message>
        <source>Datei kopieren</source>
        <translation>کپی فایل</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Alt letter of Datei kopieren</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>Datei drucken</source>
        <translation>چاپ فایل</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Alt letter of Datei drucken</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>Datei löschen</source>
        <translation>حذف فایل</translation>
    </message>
    <message>
        <source>L</source>
        <comment>Alt letter of Datei löschen</comment>
        <translation>L</translation>
    </message>
    <message>
        <source> Lerndateien:</source>
        <translation> فایل‌های آموزشی:</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>باز کردن فایل</translation>
    </message>
    <message>
        <source>%1 konnte nicht gelesen werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 خوانده نشد:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Aktuelle Datei</source>
        <translation>فایل جاری</translation>
    </message>
    <message>
        <source>Es ist keine Datei ausgewählt.<byte value="xd" /></source>
        <translation>هیچ فایلی انتخاب نشده است.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Neue Datei</source>
        <translation>فایل جدید</translation>
    </message>
    <message>
        <source>Sie können nun eine neue Datei erstellen.<byte value="xd" /></source>
        <translation>اکنون می‌توانید یک فایل جدید بسازید.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>خطا در فهرست‌ها</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>طول دو فهرست یکسان نیست.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind zu lang.,<byte value="xd" />nur 20 Einträge sind zulässig.<byte value="xd" /></source>
        <translation>فهرست‌ها بیش از حد بلند هستند؛<byte value="xd" />فقط ۲۰ مورد مجاز است.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Datei sichern</source>
        <translation>ذخیرهٔ فایل</translation>
    </message>
    <message>
        <source>Namen für die Datei eingeben:<byte value="xd" />(Nur Endung '.TXT' akzeptiert)</source>
        <translation>نامی برای فایل وارد کنید:<byte value="xd" />(فقط پسوند «.TXT» پذیرفته می‌شود)</translation>
    </message>
    <message>
        <source>Dieser Name ist für eine Datei nicht zulässig.<byte value="xd" />Bitte einen einfachen Namen ohne "/", "\" und ".." eingeben.<byte value="xd" /></source>
        <translation>این نام برای فایل مجاز نیست.<byte value="xd" />لطفاً یک نام ساده بدون "/"، "\" و ".." وارد کنید.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Name %1 gehört zu den Einstellungen.<byte value="xd" />Bitte einen anderen Namen eingeben.<byte value="xd" /></source>
        <translation>نام %1 مخصوص فایل تنظیمات است.<byte value="xd" />لطفاً نام دیگری وارد کنید.<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 sichern</source>
        <translation>ذخیرهٔ %1</translation>
    </message>
    <message>
        <source>Die Datei ist schon vorhanden,<byte value="xd" />soll sie überschrieben werden?<byte value="xd" /></source>
        <translation>این فایل از قبل وجود دارد؛<byte value="xd" />جایگزین شود؟<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 ذخیره نشد:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 wurde gespeichert.<byte value="xd" /></source>
        <translation>%1 ذخیره شد.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ablage</source>
        <translation>کلیپ‌بورد</translation>
    </message>
    <message>
        <source>Die Datei wurde in die Ablage kopiert.<byte value="xd" /><byte value="xd" /></source>
        <translation>فایل در کلیپ‌بورد کپی شد.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Datei jetzt ausdrucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>این فایل اکنون چاپ شود؟<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>چاپ</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>فایل چاپ نشد:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Datei wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>فایل جاری در حال چاپ است ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Soll diese Datei gelöscht werden?<byte value="xd" /><byte value="xd" /></source>
        <translation>این فایل حذف شود؟<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gelöscht werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 حذف نشد:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TextFiles</name>
    <message>
        <source>In den Ordner kann nicht geschrieben werden.</source>
        <translation>در این پوشه نمی‌توان نوشت.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht vollständig geschrieben werden; der Datenträger ist voll.</source>
        <translation>فایل را نمی‌توان کامل نوشت؛ دیسک پر است.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht angelegt werden.</source>
        <translation>فایل را نمی‌توان ساخت.</translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetDialog</name>
    <message>
        <source>&amp;Zuordnen</source>
        <translation>جور کردن</translation>
    </message>
    <message>
        <source>Paar&amp;karten</source>
        <translation>کارت‌های جفت</translation>
    </message>
    <message>
        <source>&amp;Lösungsblatt</source>
        <translation>برگهٔ پاسخ</translation>
    </message>
    <message>
        <source>&amp;Neu mischen</source>
        <translation>درهم‌ریختن دوباره</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>چاپ ...</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern ...</source>
        <translation>ذخیره به‌صورت PDF ...</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Arbeitsblatt</source>
        <translation>کاربرگ</translation>
    </message>
    <message>
        <source>Art des Blattes</source>
        <translation>نوع برگه</translation>
    </message>
    <message>
        <source>Ein Ton ist auf Papier nicht zu hören: Auf dem Blatt steht für ihn ein Lautsprecher mit dem Namen der Datei.</source>
        <translation>صدا روی کاغذ شنیده نمی‌شود: به‌جای آن، روی برگه یک بلندگو با نام فایل می‌آید.</translation>
    </message>
    <message>
        <source>Das Blatt „%1“ wird gedruckt.</source>
        <translation>برگهٔ «%1» در حال چاپ است.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>ذخیره شد: %1</translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>خطا در فهرست‌ها</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>طول دو فهرست یکسان نیست.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind leer.<byte value="xd" /></source>
        <translation>فهرست‌ها خالی هستند.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>چاپ</translation>
    </message>
    <message>
        <source>Das Blatt konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>برگه چاپ نشد:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>ذخیره به‌صورت PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>فایل‌های PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 ذخیره نشد:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetLayout</name>
    <message>
        <source>Name:</source>
        <translation>نام:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>تاریخ:</translation>
    </message>
    <message>
        <source>Mischung Nr. %1</source>
        <translation>چیدمان شمارهٔ %1</translation>
    </message>
    <message>
        <source>Lösungsblatt: %1</source>
        <translation>برگهٔ پاسخ: %1</translation>
    </message>
    <message>
        <source>Zum Blatt "Zuordnen" mit Mischung Nr. %1</source>
        <translation>برای برگهٔ «جور کردن» با چیدمان شمارهٔ %1</translation>
    </message>
</context>
<context>
    <name>duplikon::main</name>
    <message>
        <source>duplikon: %1
Mehr mit „duplikon --help“.
</source>
        <translation>duplikon: %1
برای اطلاعات بیشتر: «duplikon --help».
</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>وارد کردن تمرین</translation>
    </message>
</context>
</TS>
