<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="de_DE">
<context>
    <name>duplikon::AudioModule</name>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>لا يوجد ميكروفون موصول.</translation>
    </message>
</context>
<context>
    <name>duplikon::Board</name>
    <message>
        <source>Passt nicht</source>
        <translation>ليسا زوجًا</translation>
    </message>
    <message numerus="yes">
        <source> %n Punkte</source>
        <translation>
            <numerusform> %n نقطة</numerusform>
            <numerusform> نقطة واحدة</numerusform>
            <numerusform> نقطتان</numerusform>
            <numerusform> %n نقاط</numerusform>
            <numerusform> %n نقطة</numerusform>
            <numerusform> %n نقطة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::BoardKeyboard</name>
    <message>
        <source>Reihe %1, Spalte %2</source>
        <translation>الصف %1، العمود %2</translation>
    </message>
    <message>
        <source>Bild, %1</source>
        <translation>صورة، %1</translation>
    </message>
    <message>
        <source>Ton, %1</source>
        <translation>صوت، %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>aufgenommen</source>
        <translation>تم التقاطه</translation>
    </message>
    <message>
        <source>abgelegt</source>
        <translation>تم وضعه</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>ليسا زوجًا</translation>
    </message>
    <message>
        <source>zurückgelegt</source>
        <translation>أُعيد إلى مكانه</translation>
    </message>
    <message numerus="yes">
        <source>Richtig! %n Punkte</source>
        <translation>
            <numerusform>صحيح! %n نقطة</numerusform>
            <numerusform>صحيح! نقطة واحدة</numerusform>
            <numerusform>صحيح! نقطتان</numerusform>
            <numerusform>صحيح! %n نقاط</numerusform>
            <numerusform>صحيح! %n نقطة</numerusform>
            <numerusform>صحيح! %n نقطة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::ButtonStrip</name>
    <message>
        <source>Benutzer</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>zweifarbige Fenster</source>
        <translation>نوافذ بلونين</translation>
    </message>
    <message>
        <source>Abc kleiner</source>
        <translation>Abc أصغر</translation>
    </message>
    <message>
        <source>Schrift kleiner</source>
        <translation>خط أصغر</translation>
    </message>
    <message>
        <source>Abc größer</source>
        <translation>Abc أكبر</translation>
    </message>
    <message>
        <source>Schrift größer</source>
        <translation>خط أكبر</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>عريض</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
</context>
<context>
    <name>duplikon::CardBoard</name>
    <message>
        <source>Karte %1, %2</source>
        <translation>البطاقة %1، %2</translation>
    </message>
    <message>
        <source>verdeckt</source>
        <translation>مخفية</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>صحيح</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>ليسا زوجًا</translation>
    </message>
    <message>
        <source>Mannschaft %1 ist dran</source>
        <translation>دور الفريق %1</translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paar</source>
        <translation>
            <numerusform>الفريق %1
الأزواج: %n</numerusform>
            <numerusform>الفريق %1
الأزواج: %n</numerusform>
            <numerusform>الفريق %1
الأزواج: %n</numerusform>
            <numerusform>الفريق %1
الأزواج: %n</numerusform>
            <numerusform>الفريق %1
الأزواج: %n</numerusform>
            <numerusform>الفريق %1
الأزواج: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paare</source>
        <translation>
            <numerusform>الفريق %1
الأزواج: %n</numerusform>
            <numerusform>الفريق %1
الأزواج: %n</numerusform>
            <numerusform>الفريق %1
الأزواج: %n</numerusform>
            <numerusform>الفريق %1
الأزواج: %n</numerusform>
            <numerusform>الفريق %1
الأزواج: %n</numerusform>
            <numerusform>الفريق %1
الأزواج: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Beide Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>للفريقين عدد الأزواج نفسه.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Alle Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>لكل الفرق عدد الأزواج نفسه.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Mannschaft %1 hat gewonnen!<byte value="xd" /></source>
        <translation>فاز الفريق %1!<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Mannschaften %1 und %2 haben gewonnen!<byte value="xd" /></source>
        <translation>فازت الفرق %1 و%2!<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::CardPlay</name>
    <message>
        <source>Mannschaften</source>
        <translation>الفرق</translation>
    </message>
</context>
<context>
    <name>duplikon::CheckWindow</name>
    <message>
        <source>Duplikon: Kontrolle</source>
        <translation>Duplikon: المراجعة</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Gelöste Aufgaben</source>
        <translation>التمارين المحلولة</translation>
    </message>
    <message>
        <source>Uhrzeit der Lösung</source>
        <translation>وقت الحل</translation>
    </message>
    <message>
        <source>Zeilen der gewählten Aufgabe</source>
        <translation>أسطر التمرين المختار</translation>
    </message>
    <message>
        <source>Bild der gewählten Zeile</source>
        <translation>صورة السطر المختار</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>تعذّرت قراءة الملف %1.<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ChildrenModel</name>
    <message>
        <source>%1 gelöst, %2 falsch</source>
        <translation>محلول: %1، خطأ: %2</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>الطفل</translation>
    </message>
    <message>
        <source>Kartei</source>
        <translation>صندوق البطاقات</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassList</name>
    <message>
        <source>Die Klassenliste ist keine Textdatei.</source>
        <translation>قائمة الصف ليست ملفًا نصيًا.</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassListDialog</name>
    <message>
        <source>&amp;Hinzufügen ...</source>
        <translation>إضافة ...</translation>
    </message>
    <message>
        <source>&amp;Umbenennen ...</source>
        <translation>إعادة تسمية ...</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>S&amp;ortieren</source>
        <translation>فرز</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Klassenliste</source>
        <translation>قائمة الصف</translation>
    </message>
    <message>
        <source>Die Vornamen der Kinder, wie sie unter „Benutzer“ erscheinen:</source>
        <translation>الأسماء الأولى للأطفال كما تظهر في «المستخدم»:</translation>
    </message>
    <message>
        <source>Die Klassenliste „%1“ kann nicht gelesen werden: %2<byte value="xd" /></source>
        <translation>تعذّرت قراءة قائمة الصف «%1»: %2<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Zeilen der Klassenliste werden übergangen (zu lang, Steuerzeichen oder mehr als %1 Namen).<byte value="xd" /></source>
        <translation>
            <numerusform>سيتم تجاوز %n سطر من قائمة الصف (طول زائد، أو أحرف تحكم، أو أكثر من %1 اسم).<byte value="xd" /></numerusform>
            <numerusform>سيتم تجاوز سطر واحد من قائمة الصف (طول زائد، أو أحرف تحكم، أو أكثر من %1 اسم).<byte value="xd" /></numerusform>
            <numerusform>سيتم تجاوز سطرين من قائمة الصف (طول زائد، أو أحرف تحكم، أو أكثر من %1 اسم).<byte value="xd" /></numerusform>
            <numerusform>سيتم تجاوز %n أسطر من قائمة الصف (طول زائد، أو أحرف تحكم، أو أكثر من %1 اسم).<byte value="xd" /></numerusform>
            <numerusform>سيتم تجاوز %n سطرًا من قائمة الصف (طول زائد، أو أحرف تحكم، أو أكثر من %1 اسم).<byte value="xd" /></numerusform>
            <numerusform>سيتم تجاوز %n سطر من قائمة الصف (طول زائد، أو أحرف تحكم، أو أكثر من %1 اسم).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ein Name hat höchstens %n Zeichen.<byte value="xd" /></source>
        <translation>
            <numerusform>يتكوّن الاسم من %n حرف على الأكثر.<byte value="xd" /></numerusform>
            <numerusform>يتكوّن الاسم من حرف واحد على الأكثر.<byte value="xd" /></numerusform>
            <numerusform>يتكوّن الاسم من حرفين على الأكثر.<byte value="xd" /></numerusform>
            <numerusform>يتكوّن الاسم من %n أحرف على الأكثر.<byte value="xd" /></numerusform>
            <numerusform>يتكوّن الاسم من %n حرفًا على الأكثر.<byte value="xd" /></numerusform>
            <numerusform>يتكوّن الاسم من %n حرف على الأكثر.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>Ein Name darf keine Steuerzeichen enthalten.<byte value="xd" /></source>
        <translation>لا يجوز أن يحتوي الاسم على أحرف تحكم.<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Die Klassenliste hat höchstens %n Namen.<byte value="xd" /></source>
        <translation>
            <numerusform>تتسع قائمة الصف لـ %n اسم على الأكثر.<byte value="xd" /></numerusform>
            <numerusform>تتسع قائمة الصف لاسم واحد على الأكثر.<byte value="xd" /></numerusform>
            <numerusform>تتسع قائمة الصف لاسمين على الأكثر.<byte value="xd" /></numerusform>
            <numerusform>تتسع قائمة الصف لـ %n أسماء على الأكثر.<byte value="xd" /></numerusform>
            <numerusform>تتسع قائمة الصف لـ %n اسمًا على الأكثر.<byte value="xd" /></numerusform>
            <numerusform>تتسع قائمة الصف لـ %n اسم على الأكثر.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ steht schon in der Liste.<byte value="xd" /></source>
        <translation>«%1» موجود في القائمة مسبقًا.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Vorname des Kindes:</source>
        <translation>الاسم الأول للطفل:</translation>
    </message>
    <message>
        <source>Die Klassenliste kann nicht gespeichert werden: %1<byte value="xd" /></source>
        <translation>تعذّر حفظ قائمة الصف: %1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ClassroomConfig</name>
    <message>
        <source> oder </source>
        <translation> أو </translation>
    </message>
    <message>
        <source>true oder false</source>
        <translation>true أو false</translation>
    </message>
    <message>
        <source>100, 150, 200 oder Bildschirm</source>
        <translation>100 أو 150 أو 200 أو Bildschirm</translation>
    </message>
    <message>
        <source>eine ganze Zahl von -100 bis 100</source>
        <translation>عدد صحيح من -100 إلى 100</translation>
    </message>
    <message>
        <source>ein Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>%1: %2 Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: %2 يُعامَل الملف كأنه غير موجود.</translation>
    </message>
    <message>
        <source>%1: Das ist keine Textdatei. Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: هذا ليس ملفًا نصيًا. يُعامَل الملف كأنه غير موجود.</translation>
    </message>
    <message>
        <source>[Fest] gilt nur in der Datei des Administrators, der Abschnitt wird übergangen.</source>
        <translation>لا يصلح [Fest] إلا في ملف المسؤول، وسيُتجاوز هذا القسم.</translation>
    </message>
    <message>
        <source>Unbekannter Abschnitt „[%1]“ wird übergangen.</source>
        <translation>سيُتجاوز القسم غير المعروف «[%1]».</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“, der Abschnitt wird übergangen.</source>
        <translation>السطر «%1» تالف، وسيُتجاوز هذا القسم.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“ wird übergangen.</source>
        <translation>سيُتجاوز السطر التالف «%1».</translation>
    </message>
    <message>
        <source>„%1“ steht in keinem Abschnitt und wird übergangen.</source>
        <translation>«%1» ليس في أي قسم وسيُتجاوز.</translation>
    </message>
    <message>
        <source>Unbekannter Schlüssel „%1“ wird übergangen.</source>
        <translation>سيُتجاوز المفتاح غير المعروف «%1».</translation>
    </message>
    <message>
        <source>%1 gilt nur im Abschnitt [Fest] und wird übergangen.</source>
        <translation>لا يصلح %1 إلا في القسم [Fest] وسيُتجاوز.</translation>
    </message>
    <message>
        <source>„%1“ ist kein Wert für %2 (%3) und wird übergangen.</source>
        <translation>«%1» ليست قيمة صالحة لـ %2 (%3) وستُتجاوز.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt oder nicht lesbar.</source>
        <translation>الملف %1 تالف أو غير قابل للقراءة.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>تعذّرت الكتابة في الملف %1.</translation>
    </message>
    <message>
        <source>eingebaute Vorgabe</source>
        <translation>القيمة الافتراضية المضمّنة</translation>
    </message>
    <message>
        <source>, fest</source>
        <translation>، ثابتة</translation>
    </message>
</context>
<context>
    <name>duplikon::Dialogs</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>duplikon::EditorWindow</name>
    <message>
        <source>Mit Strg+G kommt das Bild in die grüne Liste, mit Strg+B in die blaue ...</source>
        <translation>بالمفتاحين Ctrl+G توضع الصورة في القائمة الخضراء، وبالمفتاحين Ctrl+B في الزرقاء ...</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>&amp;aktuelle Datei</source>
        <translation>الملف الحالي</translation>
    </message>
    <message>
        <source>&amp;neue Datei ...</source>
        <translation>ملف جديد ...</translation>
    </message>
    <message>
        <source>Datei &amp;sichern</source>
        <translation>حفظ الملف</translation>
    </message>
    <message>
        <source>A&amp;rbeitsblatt ...</source>
        <translation>ورقة عمل ...</translation>
    </message>
    <message>
        <source>Aufgabe &amp;weitergeben ...</source>
        <translation>تصدير التمرين ...</translation>
    </message>
    <message>
        <source>Aufgabe üb&amp;ernehmen ...</source>
        <translation>استيراد تمرين ...</translation>
    </message>
    <message>
        <source>&amp;Klassenliste ...</source>
        <translation>قائمة الصف ...</translation>
    </message>
    <message>
        <source>&amp;Bilder einfügen ...</source>
        <translation>إدراج صور ...</translation>
    </message>
    <message>
        <source>&amp;Lösungsbilder einfügen ...</source>
        <translation>إدراج صور المكافأة ...</translation>
    </message>
    <message>
        <source>&amp;Großbild</source>
        <translation>صورة كبيرة</translation>
    </message>
    <message>
        <source>In dieser grünen Liste stehen die linken Teilpaare oder Aufgaben ...</source>
        <translation>في هذه القائمة الخضراء الأنصاف الأولى من الأزواج أو الأسئلة ...</translation>
    </message>
    <message>
        <source>In dieser blauen Liste stehen die rechten Teilpaare oder Lösungen ...</source>
        <translation>في هذه القائمة الزرقاء الأنصاف الثانية من الأزواج أو الحلول ...</translation>
    </message>
    <message>
        <source>Hier die gewünschten Texte eingeben und mit den Symbolen einsetzen ...</source>
        <translation>أدخل النصوص المطلوبة هنا ثم أدرجها بالرموز ...</translation>
    </message>
    <message>
        <source>In dieser roten Liste stehen die Quelldateien mit den Daten ...</source>
        <translation>في هذه القائمة الحمراء الملفات المصدر مع البيانات ...</translation>
    </message>
    <message>
        <source>Aus dieser Ordnerliste einen Ordner durch Anklicken auswählen ...</source>
        <translation>اختر مجلدًا من قائمة المجلدات هذه بالنقر عليه ...</translation>
    </message>
    <message>
        <source>Aus dieser Bildliste ein aktuelles Bild durch Anklicken auswählen ...</source>
        <translation>اختر صورة من قائمة الصور هذه بالنقر عليها ...</translation>
    </message>
    <message>
        <source>Das Vorschaubild mit Drag&amp;Drop in das grüne oder blaue Fenster ziehen ...</source>
        <translation>اسحب صورة المعاينة وأفلتها في النافذة الخضراء أو الزرقاء ...</translation>
    </message>
    <message>
        <source>Duplikon: Editor</source>
        <translation>Duplikon: المحرر</translation>
    </message>
    <message>
        <source>Hilfetexte</source>
        <translation>نصوص المساعدة</translation>
    </message>
</context>
<context>
    <name>duplikon::ExtraSettingsDialog</name>
    <message>
        <source>Vom Administrator festgelegt</source>
        <translation>محدد من قِبل المسؤول</translation>
    </message>
    <message>
        <source>Weitere Einstellungen</source>
        <translation>إعدادات إضافية</translation>
    </message>
    <message>
        <source>Antippen statt Ziehen</source>
        <translation>اللمس بدلًا من السحب</translation>
    </message>
    <message>
        <source>Fenstergröße</source>
        <translation>حجم النافذة</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>ملء الشاشة</translation>
    </message>
    <message>
        <source>Die neue Fenstergröße gilt ab dem nächsten Start.</source>
        <translation>يسري حجم النافذة الجديد بدءًا من التشغيل القادم.</translation>
    </message>
    <message>
        <source>Ergebnisse aufbewahren</source>
        <translation>الاحتفاظ بالنتائج</translation>
    </message>
    <message>
        <source>Sp&amp;rache:</source>
        <translation>اللغة:</translation>
    </message>
    <message>
        <source>Wie das System</source>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>Vorlesen</source>
        <translation>القراءة بصوت عالٍ</translation>
    </message>
    <message>
        <source>Keine Sprachausgabe gefunden</source>
        <translation>لم يُعثر على محرك لتحويل النص إلى كلام</translation>
    </message>
    <message>
        <source>&amp;Stimme:</source>
        <translation>الصوت:</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Spielart</source>
        <translation>نوع اللعبة</translation>
    </message>
    <message>
        <source>Zuordnen</source>
        <translation>المطابقة</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>كشف البطاقات</translation>
    </message>
    <message>
        <source>&amp;Paare:</source>
        <translation>الأزواج:</translation>
    </message>
    <message>
        <source>&amp;Zudecken:</source>
        <translation>إخفاء البطاقات:</translation>
    </message>
    <message>
        <source>&amp;Mannschaften:</source>
        <translation>الفرق:</translation>
    </message>
    <message>
        <source>Getrennt: erste Hälften oben, zweite unten</source>
        <translation>منفصلة: الأنصاف الأولى في الأعلى، والثانية في الأسفل</translation>
    </message>
    <message>
        <source>beim nächsten Tippen</source>
        <translation>عند اللمسة التالية</translation>
    </message>
    <message>
        <source>nach 1 Sekunde</source>
        <translation>بعد ثانية واحدة</translation>
    </message>
    <message>
        <source>nach 2 Sekunden</source>
        <translation>بعد ثانيتين</translation>
    </message>
    <message>
        <source>nach 3 Sekunden</source>
        <translation>بعد 3 ثوانٍ</translation>
    </message>
    <message>
        <source>nach 4 Sekunden</source>
        <translation>بعد 4 ثوانٍ</translation>
    </message>
    <message>
        <source>nach 5 Sekunden</source>
        <translation>بعد 5 ثوانٍ</translation>
    </message>
    <message>
        <source>Vom Administrator abgeschaltet</source>
        <translation>معطَّل من قِبل المسؤول</translation>
    </message>
    <message>
        <source>Für diese Sprache gibt es keine Stimme: Meldungen werden nur gezeigt, nicht vorgelesen.</source>
        <translation>لا يوجد صوت لهذه اللغة: ستُعرض الرسائل فقط ولن تُقرأ بصوت عالٍ.</translation>
    </message>
    <message>
        <source>Deutsch (Vorgabe)</source>
        <translation>الألمانية (الافتراضية)</translation>
    </message>
    <message>
        <source>%1 (nicht installiert)</source>
        <translation>%1 (غير مثبّت)</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>تعذّر حفظ الإعدادات.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Lernkartei</source>
        <translation>صندوق البطاقات</translation>
    </message>
    <message>
        <source>Die Lernkartei braucht „Ergebnisse aufbewahren“.</source>
        <translation>يحتاج صندوق البطاقات إلى «الاحتفاظ بالنتائج».</translation>
    </message>
</context>
<context>
    <name>duplikon::FileLists</name>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>الملف غير موجود.</translation>
    </message>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>هذا ليس ملفًا.</translation>
    </message>
</context>
<context>
    <name>duplikon::Folders</name>
    <message>
        <source>Der Ordner „%1“ fehlt.</source>
        <translation>المجلد «%1» مفقود.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>تعذّر إنشاء المجلد «%1».</translation>
    </message>
    <message>
        <source>Im Ordner „%1“ kann nichts angelegt werden.</source>
        <translation>لا يمكن إنشاء أي شيء في المجلد «%1».</translation>
    </message>
    <message>
        <source>„%1“ kann nicht nach „%2“ kopiert werden.</source>
        <translation>تعذّر نسخ «%1» إلى «%2».</translation>
    </message>
</context>
<context>
    <name>duplikon::LessonRules</name>
    <message>
        <source>Die Aufgaben werden wiederholt, rufe das nächste Kind.<byte value="xd" /><byte value="xd" /></source>
        <translation>ستُعاد التمارين، نادِ الطفل التالي.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>التكرار</translation>
    </message>
    <message>
        <source>Dies ist eine Pflichtaufgabe für dich!<byte value="xd" /><byte value="xd" /></source>
        <translation>هذا تمرين عليك أن تحلّه!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>اسم المستخدم</translation>
    </message>
    <message>
        <source>Benutzername eingeben:</source>
        <translation>أدخل اسم المستخدم:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Die Einstellungen wurden vom Administrator gesperrt.<byte value="xd" /></source>
        <translation>الإعدادات مقفلة من قِبل المسؤول.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Geben Sie das Passwort für diese Funktion ein:</source>
        <translation>أدخل كلمة المرور لهذه الوظيفة:</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Der Editor wurde im Zusatzmenü deaktiviert.<byte value="xd" /><byte value="xd" /></source>
        <translation>تم تعطيل المحرر في القائمة الإضافية.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung verweigert</source>
        <translation>رُفض التكرار</translation>
    </message>
    <message>
        <source>Es müssen erst Pflichtaufgaben gewählt werden!<byte value="xd" /><byte value="xd" /></source>
        <translation>يجب اختيار التمارين الإلزامية أولًا!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Programmordner antwortet nicht.</source>
        <translation>مجلد البرنامج لا يستجيب.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>تعذّر حفظ الإعدادات.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::MainWindow</name>
    <message>
        <source>Ordner 'DUPBILDER' fehlt:</source>
        <translation>المجلد «DUPBILDER» مفقود:</translation>
    </message>
    <message>
        <source>Der Bildordner für die Lösungsbilder wurde nicht gefunden!<byte value="xd" /><byte value="xd" /></source>
        <translation>لم يُعثر على مجلد صور المكافأة!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Duplikon 1.0 – Paare finden, für Kinder der Grundschule.<byte value="xd" />https://duplikon.example/</source>
        <translation>Duplikon 1.0 – ابحث عن الأزواج، لأطفال المرحلة الابتدائية.<byte value="xd" />https://duplikon.example/</translation>
    </message>
    <message>
        <source>&amp;Programm</source>
        <translation>البرنامج</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>&amp;Autor ...</source>
        <translation>المؤلف ...</translation>
    </message>
    <message>
        <source>&amp;Laden</source>
        <translation>تحميل</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>المحرر</translation>
    </message>
    <message>
        <source>E&amp;instellungen</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Wollen Sie die aktuelle Seite drucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>هل تريد طباعة الصفحة الحالية؟<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Dieses Programm jetzt beenden?<byte value="xd" /><byte value="xd" /></source>
        <translation>هل تريد إنهاء هذا البرنامج الآن؟<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::Metafile</name>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>لا توجد مساحة للصورة.</translation>
    </message>
    <message>
        <source>Die Metadatei kann nicht gelesen werden.</source>
        <translation>تعذّرت قراءة ملف الرسم (Metafile).</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu viel Speicher.</source>
        <translation>يحتاج ملف الرسم إلى ذاكرة كبيرة جدًا.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>الصورة كبيرة جدًا.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu lange.</source>
        <translation>يستغرق ملف الرسم وقتًا طويلًا جدًا.</translation>
    </message>
    <message>
        <source>Windows-Metadateien werden nicht unterstützt.</source>
        <translation>ملفات Windows Metafile غير مدعومة.</translation>
    </message>
    <message>
        <source>Die Metadatei ist beschädigt.</source>
        <translation>ملف الرسم تالف.</translation>
    </message>
</context>
<context>
    <name>duplikon::MetafileRecords</name>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>ملف الصورة كبير جدًا.</translation>
    </message>
    <message>
        <source>Die Metadatei hat zu viele Einträge.</source>
        <translation>في ملف الرسم إدخالات كثيرة جدًا.</translation>
    </message>
</context>
<context>
    <name>duplikon::NamePicker</name>
    <message>
        <source>Tippe auf deinen Namen:</source>
        <translation>اضغط على اسمك:</translation>
    </message>
    <message>
        <source>Anderer Name ...</source>
        <translation>اسم آخر ...</translation>
    </message>
</context>
<context>
    <name>duplikon::PageOutput</name>
    <message>
        <source>Zwischenablage</source>
        <translation>الحافظة</translation>
    </message>
    <message>
        <source>Die Seite wurde in die Ablage kopiert ...<byte value="xd" /><byte value="xd" /></source>
        <translation>نُسخت الصفحة إلى الحافظة ...<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Drucker hat den Auftrag nicht angenommen.</source>
        <translation>لم تقبل الطابعة المهمة.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Die Seite konnte nicht gedruckt werden.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></source>
        <translation>تعذّرت طباعة الصفحة.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Seite wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>جارٍ طباعة الصفحة الحالية ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::PairLists</name>
    <message>
        <source>Text einsetzen</source>
        <translation>إدراج النص</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>نقل إلى الأعلى</translation>
    </message>
    <message>
        <source>Text ersetzen</source>
        <translation>استبدال النص</translation>
    </message>
    <message>
        <source>Text holen</source>
        <translation>جلب النص</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>نقل إلى الأسفل</translation>
    </message>
    <message>
        <source>Text löschen</source>
        <translation>حذف النص</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> معاينة:</translation>
    </message>
    <message>
        <source>Vorschau der Listen</source>
        <translation>معاينة القوائم</translation>
    </message>
    <message>
        <source>Text eingeben</source>
        <translation>أدخل النص</translation>
    </message>
    <message>
        <source>Liste %1 hat mehr als %2 Elemente.</source>
        <translation>في القائمة %1 أكثر من %2 عناصر.</translation>
    </message>
</context>
<context>
    <name>duplikon::PairsModel</name>
    <message>
        <source>Aufgabe</source>
        <translation>التمرين</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>النصف 1</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>النصف 2</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>صحيح</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>خطأ</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureBrowser</name>
    <message>
        <source>Vorschaubild mit Mausklick schließen ...</source>
        <translation>انقر بالفأرة لإغلاق صورة المعاينة ...</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> معاينة:</translation>
    </message>
    <message>
        <source>Drag&amp;Drop ins Farbfeld</source>
        <translation>اسحب وأفلت في الحقل الملوّن</translation>
    </message>
    <message>
        <source>So würde das ausgewählte Bild im Großformat für ein Lösungsbild am Ende der Spielreihe aussehen . . .</source>
        <translation>هكذا ستبدو الصورة المختارة بالحجم الكبير لو استُخدمت صورةَ مكافأة في نهاية جولة اللعب . . .</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImport</name>
    <message>
        <source>Die Datei ist kein Bild, das Duplikon lesen kann.</source>
        <translation>الملف ليس صورة يستطيع Duplikon قراءتها.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>الملف ليس صوتًا يستطيع Duplikon تشغيله.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>الصورة تالفة أو غير مكتملة.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (mehr als 16384 Bildpunkte an einer Seite oder mehr als 256 MB im Speicher).</source>
        <translation>الصورة كبيرة جدًا (أكثر من 16384 بكسل في أحد الجوانب أو أكثر من 256 ميغابايت في الذاكرة).</translation>
    </message>
    <message>
        <source>Das Bild kann nicht umgewandelt werden.</source>
        <translation>تعذّر تحويل الصورة.</translation>
    </message>
    <message>
        <source>Bild aus der Zwischenablage</source>
        <translation>صورة من الحافظة</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>الملف فارغ.</translation>
    </message>
    <message>
        <source>Das Bild ist im Format HEIC/HEIF gespeichert, das Duplikon nicht lesen kann. Bitte speichern Sie es als JPEG und fügen Sie es dann ein.</source>
        <translation>الصورة محفوظة بتنسيق HEIC/HEIF الذي لا يستطيع Duplikon قراءته. يُرجى حفظها بتنسيق JPEG ثم إدراجها.</translation>
    </message>
    <message>
        <source>Es gibt schon zu viele Bilder mit diesem Namen.</source>
        <translation>توجد صور كثيرة جدًا بهذا الاسم.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>تعذّر إنشاء المجلد «%1».</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImportActions</name>
    <message>
        <source>Bilder (%1)</source>
        <translation>الصور (%1)</translation>
    </message>
    <message>
        <source>Bilder einfügen</source>
        <translation>إدراج صور</translation>
    </message>
    <message>
        <source>Lösungsbilder einfügen</source>
        <translation>إدراج صور المكافأة</translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n Lösungsbildern sind im Ordner %2.<byte value="xd" />Neue Lösungsbilder kommen beim nächsten Start von Duplikon dazu.</source>
        <translation>
            <numerusform>%1 من %n من صور المكافأة موجودة في المجلد %2.<byte value="xd" />ستُضاف صور المكافأة الجديدة عند تشغيل Duplikon في المرة القادمة.</numerusform>
            <numerusform>%1 من %n من صور المكافأة موجودة في المجلد %2.<byte value="xd" />ستُضاف صور المكافأة الجديدة عند تشغيل Duplikon في المرة القادمة.</numerusform>
            <numerusform>%1 من %n من صور المكافأة موجودة في المجلد %2.<byte value="xd" />ستُضاف صور المكافأة الجديدة عند تشغيل Duplikon في المرة القادمة.</numerusform>
            <numerusform>%1 من %n من صور المكافأة موجودة في المجلد %2.<byte value="xd" />ستُضاف صور المكافأة الجديدة عند تشغيل Duplikon في المرة القادمة.</numerusform>
            <numerusform>%1 من %n من صور المكافأة موجودة في المجلد %2.<byte value="xd" />ستُضاف صور المكافأة الجديدة عند تشغيل Duplikon في المرة القادمة.</numerusform>
            <numerusform>%1 من %n من صور المكافأة موجودة في المجلد %2.<byte value="xd" />ستُضاف صور المكافأة الجديدة عند تشغيل Duplikon في المرة القادمة.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bild %1 von %2 ...</source>
        <translation>الصورة %1 من %2 ...</translation>
    </message>
    <message>
        <source>Diese Dateien wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>لم تُستورد هذه الملفات:<byte value="xd" />%1</translation>
    </message>
    <message>
        <source>Diese Bilder wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>لم تُستورد هذه الصور:<byte value="xd" />%1</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureLoader</name>
    <message>
        <source>Das Bild kann nicht gelesen werden.</source>
        <translation>تعذّرت قراءة الصورة.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>الصورة كبيرة جدًا.</translation>
    </message>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>لا توجد مساحة للصورة.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist leer.</source>
        <translation>ملف الصورة فارغ.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist unvollständig.</source>
        <translation>ملف الصورة غير مكتمل.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist nicht vorhanden.</source>
        <translation>ملف الصورة غير موجود.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>ملف الصورة كبير جدًا.</translation>
    </message>
    <message>
        <source>Die Bilddatei kann nicht geöffnet werden.</source>
        <translation>تعذّر فتح ملف الصورة.</translation>
    </message>
</context>
<context>
    <name>duplikon::PlaySession</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>تعذّرت قراءة الملف %1.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Prima, du hast die Aufgabe gelöst.<byte value="xd" />Wähle dir eine neue Aufgabe aus!<byte value="xd" />Klicke dazu im Menü auf 'Laden' ...<byte value="xd" /></source>
        <translation>أحسنت! لقد حللت التمرين.<byte value="xd" />اختر تمرينًا جديدًا!<byte value="xd" />اضغط في القائمة على «تحميل» ...<byte value="xd" /></translation>
    </message>
    <message>
        <source>Kontrolle</source>
        <translation>المراجعة</translation>
    </message>
</context>
<context>
    <name>duplikon::PrintSpooler</name>
    <message>
        <source>Der Drucker "%1" ist nicht erreichbar.</source>
        <translation>تعذّر الوصول إلى الطابعة «%1».</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt zurzeit keine Aufträge an.</source>
        <translation>الطابعة «%1» لا تقبل مهام طباعة حاليًا.</translation>
    </message>
</context>
<context>
    <name>duplikon::QtRecorder</name>
    <message>
        <source>Es läuft schon eine Aufnahme.</source>
        <translation>هناك تسجيل جارٍ بالفعل.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es schon.</source>
        <translation>الملف «%1» موجود مسبقًا.</translation>
    </message>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>لا يوجد ميكروفون موصول.</translation>
    </message>
    <message>
        <source>Die Aufnahme kann nicht beginnen: %1</source>
        <translation>تعذّر بدء التسجيل: %1</translation>
    </message>
</context>
<context>
    <name>duplikon::RegularFile</name>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>هذا ليس ملفًا.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation>الملف كبير جدًا.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>الملف غير موجود.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>تعذّرت قراءة الملف.</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsTables</name>
    <message>
        <source>Datum</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>الطفل</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>التمرين</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>الثواني</translation>
    </message>
    <message>
        <source>Fehlversuche</source>
        <translation>المحاولات الخاطئة</translation>
    </message>
    <message>
        <source>Spielweise</source>
        <translation>طريقة اللعب</translation>
    </message>
    <message>
        <source>Pflicht</source>
        <translation>إلزامي</translation>
    </message>
    <message>
        <source>Züge</source>
        <translation>الأدوار</translation>
    </message>
    <message>
        <source>Mannschaften</source>
        <translation>الفرق</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>النصف 1</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>النصف 2</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>صحيح</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Maus</source>
        <translation>الفأرة</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Antippen</source>
        <translation>اللمس</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>كشف البطاقات</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>لا</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsWindow</name>
    <message>
        <source>Ergebnisse</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>&amp;Zeitraum:</source>
        <translation>الفترة:</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Diese Woche</source>
        <translation>هذا الأسبوع</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>Als &amp;Tabelle speichern ...</source>
        <translation>حفظ كجدول ...</translation>
    </message>
    <message>
        <source>&amp;Kinder</source>
        <translation>الأطفال</translation>
    </message>
    <message>
        <source>&amp;Paare</source>
        <translation>الأزواج</translation>
    </message>
    <message>
        <source>&amp;Lernkartei</source>
        <translation>صندوق البطاقات</translation>
    </message>
    <message>
        <source>Für die ganze Klasse üben:</source>
        <translation>تدريب للصف كله:</translation>
    </message>
    <message>
        <source>Als A&amp;ufgabe speichern ...</source>
        <translation>حفظ كتمرين ...</translation>
    </message>
    <message>
        <source>Ein falsches Ablegen zählt beim Paar der gezogenen Hälfte und beim Paar der Hälfte, auf die sie gelegt wurde. Je kräftiger die Farbe, desto größer der Anteil falscher Züge.</source>
        <translation>يُحتسب الوضع الخاطئ لزوج النصف المسحوب ولزوج النصف الذي وُضع عليه. كلما كان اللون أقوى، كانت نسبة الحركات الخاطئة أكبر.</translation>
    </message>
    <message>
        <source>&amp;Alle Ergebnisse löschen ...</source>
        <translation>حذف كل النتائج ...</translation>
    </message>
    <message>
        <source>Die Ergebnisse werden gelesen ...</source>
        <translation>جارٍ قراءة النتائج ...</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien gelesen</source>
        <translation>
            <numerusform>تمت قراءة %n ملف</numerusform>
            <numerusform>تمت قراءة ملف واحد</numerusform>
            <numerusform>تمت قراءة ملفين</numerusform>
            <numerusform>تمت قراءة %n ملفات</numerusform>
            <numerusform>تمت قراءة %n ملفًا</numerusform>
            <numerusform>تمت قراءة %n ملف</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Zeilen</source>
        <translation>
            <numerusform>%n سطر تالف</numerusform>
            <numerusform>سطر تالف واحد</numerusform>
            <numerusform>سطرين تالفين</numerusform>
            <numerusform>%n أسطر تالفة</numerusform>
            <numerusform>%n سطرًا تالفًا</numerusform>
            <numerusform>%n سطر تالف</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Dateien</source>
        <translation>
            <numerusform>%n ملف تالف</numerusform>
            <numerusform>ملف تالف واحد</numerusform>
            <numerusform>ملفين تالفين</numerusform>
            <numerusform>%n ملفات تالفة</numerusform>
            <numerusform>%n ملفًا تالفًا</numerusform>
            <numerusform>%n ملف تالف</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 übersprungen</source>
        <translation>تم تجاوز %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message numerus="yes">
        <source>Die Ergebnisse werden gelesen: %1 von %n Dateien</source>
        <translation>
            <numerusform>جارٍ قراءة النتائج: الملف %1 من %n</numerusform>
            <numerusform>جارٍ قراءة النتائج: الملف %1 من %n</numerusform>
            <numerusform>جارٍ قراءة النتائج: الملف %1 من %n</numerusform>
            <numerusform>جارٍ قراءة النتائج: الملف %1 من %n</numerusform>
            <numerusform>جارٍ قراءة النتائج: الملف %1 من %n</numerusform>
            <numerusform>جارٍ قراءة النتائج: الملف %1 من %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 – %2 (%3): %n Kinder</source>
        <translation>
            <numerusform>%1 – %2 (%3): %n طفل</numerusform>
            <numerusform>%1 – %2 (%3): طفل واحد</numerusform>
            <numerusform>%1 – %2 (%3): طفلان</numerusform>
            <numerusform>%1 – %2 (%3): %n أطفال</numerusform>
            <numerusform>%1 – %2 (%3): %n طفلًا</numerusform>
            <numerusform>%1 – %2 (%3): %n طفل</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufgabe konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>تعذّر حفظ التمرين.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Paare stehen jetzt in der Aufgabe „%1“.<byte value="xd" /></source>
        <translation>الأزواج موجودة الآن في التمرين «%1».<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ergebnisse &amp;von %1 löschen ...</source>
        <translation>حذف نتائج %1 ...</translation>
    </message>
    <message>
        <source>Als Tabelle speichern</source>
        <translation>حفظ كجدول</translation>
    </message>
    <message>
        <source>Tabellen (*.csv)</source>
        <translation>الجداول (*.csv)</translation>
    </message>
    <message>
        <source>Zur Tabelle „%1“ gehört die Tabelle der Paare „%2“.<byte value="xd" />„%2“ gibt es schon. Soll sie ersetzt werden?</source>
        <translation>يرتبط بالجدول «%1» جدول الأزواج «%2».<byte value="xd" />«%2» موجود مسبقًا. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Die Tabelle konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>تعذّر حفظ الجدول.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse von %1 gelöscht werden?</source>
        <translation>هل تريد حذف كل نتائج %1؟</translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse aller Kinder gelöscht werden?</source>
        <translation>هل تريد حذف كل نتائج جميع الأطفال؟</translation>
    </message>
    <message>
        <source>Diese Einträge sind Verknüpfungen oder keine gewöhnlichen Dateien. Sie wurden übersprungen, nichts dahinter wurde gelöscht:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>هذه الإدخالات اختصارات أو ليست ملفات عادية. تم تجاوزها، ولم يُحذف شيء مما تشير إليه:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien konnten nicht gelöscht werden (sie gehören einer anderen Anmeldung).<byte value="xd" /></source>
        <translation>
            <numerusform>تعذّر حذف %n ملف (لأنها تخص حساب مستخدم آخر).<byte value="xd" /></numerusform>
            <numerusform>تعذّر حذف ملف واحد (لأنه يخص حساب مستخدم آخر).<byte value="xd" /></numerusform>
            <numerusform>تعذّر حذف ملفين (لأنهما يخصان حساب مستخدم آخر).<byte value="xd" /></numerusform>
            <numerusform>تعذّر حذف %n ملفات (لأنها تخص حساب مستخدم آخر).<byte value="xd" /></numerusform>
            <numerusform>تعذّر حذف %n ملفًا (لأنها تخص حساب مستخدم آخر).<byte value="xd" /></numerusform>
            <numerusform>تعذّر حذف %n ملف (لأنها تخص حساب مستخدم آخر).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 – %2 (%3): 1 Kind</source>
        <translation>%1 – %2 (%3): طفل واحد</translation>
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
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>التمرين</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>المدة</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>خطأ</translation>
    </message>
</context>
<context>
    <name>duplikon::Services</name>
    <message>
        <source>Es ist kein Drucker eingerichtet.</source>
        <translation>لم يتم إعداد أي طابعة.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Das PDF konnte nicht angelegt werden.</source>
        <translation>تعذّر إنشاء ملف PDF.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt keinen Auftrag an.</source>
        <translation>الطابعة «%1» لا تقبل المهمة.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht übergeben werden.</source>
        <translation>تعذّر إرسال مهمة الطباعة.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" hat den Auftrag abgelehnt.</source>
        <translation>رفضت الطابعة «%1» المهمة.</translation>
    </message>
    <message>
        <source>Der Druckauftrag wurde abgelehnt.</source>
        <translation>رُفضت مهمة الطباعة.</translation>
    </message>
</context>
<context>
    <name>duplikon::SettingsPanel</name>
    <message>
        <source>Vom Administrator gesperrt</source>
        <translation>مقفل من قِبل المسؤول</translation>
    </message>
    <message>
        <source>Einstellungen für das Programm:</source>
        <translation>إعدادات البرنامج:</translation>
    </message>
    <message>
        <source>Pflichtaufgaben</source>
        <translation>التمارين الإلزامية</translation>
    </message>
    <message>
        <source>Editor sperren</source>
        <translation>قفل المحرر</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>اختيار سريع للملفات</translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>التكرار</translation>
    </message>
    <message>
        <source>Fragen</source>
        <translation>الأسئلة</translation>
    </message>
    <message>
        <source>Antworten</source>
        <translation>الأجوبة</translation>
    </message>
    <message>
        <source>Quellaufgaben</source>
        <translation>التمارين المتاحة</translation>
    </message>
    <message>
        <source>O k a y</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>الألوان</translation>
    </message>
    <message>
        <source>Ablage ...</source>
        <translation>نسخ إلى الحافظة ...</translation>
    </message>
    <message>
        <source>Drucken ...</source>
        <translation>طباعة ...</translation>
    </message>
    <message>
        <source>Weitere ...</source>
        <translation>المزيد ...</translation>
    </message>
    <message>
        <source>Weitere Einstellungen (Alt+J)</source>
        <translation>إعدادات إضافية (Alt+J)</translation>
    </message>
    <message>
        <source>Ergebnisse ...</source>
        <translation>النتائج ...</translation>
    </message>
    <message>
        <source>Ergebnisse der Kinder (Alt+Q)</source>
        <translation>نتائج الأطفال (Alt+Q)</translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <translation>لون الخلفية</translation>
    </message>
    <message>
        <source>Der Hintergrund wird durch fortwährenden Klick auf die<byte value="xd" />beiden Farbflächen 'Fragen' und 'Antworten' eingestellt.<byte value="xd" /></source>
        <translation>تُضبط الخلفية بالنقر المتكرر على<byte value="xd" />مساحتي اللون «الأسئلة» و«الأجوبة».<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SolutionPicture</name>
    <message>
        <source>Bildfehler</source>
        <translation>خطأ في الصورة</translation>
    </message>
    <message>
        <source>Es ist kein Lösungbild (PAARE*.*) vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>لا توجد صورة مكافأة (PAARE*.*)!<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SoundRecording</name>
    <message>
        <source>&amp;Ton aufnehmen ...</source>
        <translation>تسجيل صوت ...</translation>
    </message>
    <message>
        <source>&amp;Tonaufnahme beenden</source>
        <translation>إيقاف تسجيل الصوت</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>تعذّر إنشاء المجلد «%1».</translation>
    </message>
    <message>
        <source>Ton aufnehmen</source>
        <translation>تسجيل صوت</translation>
    </message>
    <message numerus="yes">
        <source>Die Aufnahme läuft, höchstens %n Sekunden ...</source>
        <translation>
            <numerusform>التسجيل جارٍ، %n ثانية على الأكثر ...</numerusform>
            <numerusform>التسجيل جارٍ، ثانية واحدة على الأكثر ...</numerusform>
            <numerusform>التسجيل جارٍ، ثانيتان على الأكثر ...</numerusform>
            <numerusform>التسجيل جارٍ، %n ثوانٍ على الأكثر ...</numerusform>
            <numerusform>التسجيل جارٍ، %n ثانيةً على الأكثر ...</numerusform>
            <numerusform>التسجيل جارٍ، %n ثانية على الأكثر ...</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufnahme ist nicht gelungen.</source>
        <translation>لم ينجح التسجيل.</translation>
    </message>
</context>
<context>
    <name>duplikon::StartFolder</name>
    <message>
        <source>unbekannte Sprache „%1“</source>
        <translation>لغة غير معروفة «%1»</translation>
    </message>
    <message>
        <source>unbekannte Option „%1“</source>
        <translation>خيار غير معروف «%1»</translation>
    </message>
    <message>
        <source>nur ein Ordner oder eine Aufgabendatei, nicht auch „%1“</source>
        <translation>مجلد واحد أو ملف تمرين واحد فقط، وليس «%1» أيضًا</translation>
    </message>
    <message>
        <source>Die Aufgabendatei „%1“ wurde nicht gefunden.</source>
        <translation>لم يُعثر على ملف التمرين «%1».</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ wurde nicht gefunden.</source>
        <translation>لم يُعثر على المجلد «%1».</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.
%2</source>
        <translation>تعذّر إنشاء المجلد «%1».
%2</translation>
    </message>
    <message>
        <source>„%1“ ist eine Datei, kein Ordner.</source>
        <translation>«%1» ملف وليس مجلدًا.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht gelesen werden.</source>
        <translation>تعذّرت قراءة المجلد «%1».</translation>
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
        <translation>الاستخدام: duplikon [مجلد | ملف.TXT | حزمة.duplikon]
Duplikon – ابحث عن الأزواج وطابقها، برنامج تمارين للأطفال.

يعمل Duplikon في مجلد: ملفات التمارين *.TXT وصورها،
وصور المكافأة في DUPBILDER/، والإعدادات في DUPLIKON.INI.

  مجلد         العمل في هذا المجلد
  ملف.TXT      العمل في مجلد ملف التمرين هذا
  حزمة.duplikon
               استيراد التمرين المُصدَّر في هذه الحزمة مع صوره
               وأصواته ولعبه: إلى المجلد الحالي،
               ومع --menue إلى المجلد «Duplikon» ضمن المستندات
  (بدون)       العمل في المجلد الحالي
  --menue      كما من قائمة ابدأ: دون مجلد، العمل في المجلد «Duplikon» ضمن
               المستندات، الذي يُنشأ عند التشغيل الأول نسخةً من
               التمارين النموذجية؛ وعرض الأخطاء أيضًا في رسالة
  --einstellungen
               عرض القيم من duplikon.conf، كلٌّ منها مع مصدره،
               ثم الأسطر التي تم تجاوزها
  --sprache رمز
               العمل بهذه اللغة، هذه المرة فقط: de، en، uk، ar، tr،
               ru، pl، fa أو System (لغة سطح المكتب)
  --help       عرض هذه المساعدة
  --version    عرض الإصدار

قيمة الإرجاع: 0 إذا كان كل شيء سليمًا؛ 1 إذا كان المجلد مفقودًا أو
تعذّرت قراءته؛ 2 عند الاستدعاء الخاطئ.
</translation>
    </message>
    <message>
        <source>Duplikon %1
Lizenz: GPL-3.0 oder neuer &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</source>
        <translation>Duplikon %1
الترخيص: GPL-3.0 أو أحدث &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
هذا برنامج حر: يحق لك تعديله وإعادة توزيعه.
لا يوجد أي ضمان، في الحدود التي يسمح بها القانون.
</translation>
    </message>
</context>
<context>
    <name>duplikon::SvgCheck</name>
    <message>
        <source>Das SVG-Bild verweist auf andere Dateien; es wird nicht übernommen.</source>
        <translation>تشير صورة SVG إلى ملفات أخرى؛ لذلك لن تُستورد.</translation>
    </message>
    <message>
        <source>Das SVG-Bild erklärt eigene Entitäten; es wird nicht übernommen.</source>
        <translation>تعرّف صورة SVG كيانات خاصة بها؛ لذلك لن تُستورد.</translation>
    </message>
    <message>
        <source>Das SVG-Bild wiederholt seine Teile zu oft; es wird nicht übernommen.</source>
        <translation>تكرّر صورة SVG أجزاءها مرات كثيرة جدًا؛ لذلك لن تُستورد.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>الصورة تالفة أو غير مكتملة.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchive</name>
    <message>
        <source>Die Datei ist kein Duplikon-Paket oder ist beschädigt.</source>
        <translation>الملف ليس حزمة Duplikon أو أنه تالف.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden.</source>
        <translation>تعذّرت قراءة «%1».</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt.</source>
        <translation>«%1» تالف.</translation>
    </message>
    <message>
        <source>„%1“ ist größer als 32 MB.</source>
        <translation>حجم «%1» أكبر من 32 ميغابايت.</translation>
    </message>
    <message>
        <source>Das Paket ist ausgepackt größer als 256 MB.</source>
        <translation>حجم الحزمة بعد فك الضغط أكبر من 256 ميغابايت.</translation>
    </message>
    <message>
        <source>„%1“ ist verdächtig stark gepackt.</source>
        <translation>«%1» مضغوط بدرجة عالية مريبة.</translation>
    </message>
    <message>
        <source>„%1“ ist größer, als das Paket angibt.</source>
        <translation>«%1» أكبر مما تذكره الحزمة.</translation>
    </message>
    <message>
        <source>„%1“ ist kleiner, als das Paket angibt.</source>
        <translation>«%1» أصغر مما تذكره الحزمة.</translation>
    </message>
    <message>
        <source>manifest.json ist beschädigt.</source>
        <translation>manifest.json تالف.</translation>
    </message>
    <message>
        <source>Das Paket hat eine Version, die Duplikon nicht kennt.</source>
        <translation>إصدار الحزمة غير معروف لدى Duplikon.</translation>
    </message>
    <message>
        <source>manifest.json ist unvollständig.</source>
        <translation>manifest.json غير مكتمل.</translation>
    </message>
    <message>
        <source>Die Aufgabe im Paket ist zu lang.</source>
        <translation>التمرين في الحزمة طويل جدًا.</translation>
    </message>
    <message>
        <source>Eine Zeile der Aufgabe enthält Steuerzeichen.</source>
        <translation>يحتوي سطر من التمرين على أحرف تحكم.</translation>
    </message>
    <message>
        <source>Die Endung „%1“ gehört zu keinem Bild und keinem Ton.</source>
        <translation>الامتداد «%1» لا يخص أي صورة أو صوت.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>الملف فارغ.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>الملف ليس صوتًا يستطيع Duplikon تشغيله.</translation>
    </message>
    <message>
        <source>Der Ton ist kein %1.</source>
        <translation>الصوت ليس %1.</translation>
    </message>
    <message>
        <source>Das Bild ist kein %1.</source>
        <translation>الصورة ليست %1.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>الصورة كبيرة جدًا.</translation>
    </message>
    <message numerus="yes">
        <source>Das Paket hat mehr als %n Einträge.</source>
        <translation>
            <numerusform>في الحزمة أكثر من %n إدخال.</numerusform>
            <numerusform>في الحزمة أكثر من إدخال واحد.</numerusform>
            <numerusform>في الحزمة أكثر من إدخالين.</numerusform>
            <numerusform>في الحزمة أكثر من %n إدخالات.</numerusform>
            <numerusform>في الحزمة أكثر من %n إدخالًا.</numerusform>
            <numerusform>في الحزمة أكثر من %n إدخال.</numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ ist verschlüsselt.</source>
        <translation>«%1» مشفّر.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal im Paket.</source>
        <translation>«%1» موجود مرتين في الحزمة.</translation>
    </message>
    <message>
        <source>manifest.json ist zu groß.</source>
        <translation>manifest.json كبير جدًا.</translation>
    </message>
    <message>
        <source>Im Paket fehlt manifest.json.</source>
        <translation>الملف manifest.json مفقود في الحزمة.</translation>
    </message>
    <message>
        <source>Im Paket fehlt „%1“.</source>
        <translation>«%1» مفقود في الحزمة.</translation>
    </message>
    <message>
        <source>Die Zeile „%1“ nennt eine Datei, die nicht im Paket ist.</source>
        <translation>السطر «%1» يذكر ملفًا غير موجود في الحزمة.</translation>
    </message>
    <message>
        <source>Die Datei passt nicht zu ihrer Prüfsumme.</source>
        <translation>الملف لا يطابق مجموع التحقق الخاص به.</translation>
    </message>
    <message>
        <source>Die Bilder des Pakets sind zusammen zu groß.</source>
        <translation>صور الحزمة كبيرة جدًا مجتمعةً.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveActions</name>
    <message>
        <source>Duplikon-Aufgaben (*.duplikon *.DUPLIKON)</source>
        <translation>تمارين Duplikon (*.duplikon *.DUPLIKON)</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>استيراد تمرين</translation>
    </message>
    <message>
        <source>Aufgabe weitergeben</source>
        <translation>تصدير التمرين</translation>
    </message>
    <message>
        <source>Bitte zuerst unter „Lerndateien“ eine Aufgabe wählen.<byte value="xd" /></source>
        <translation>يُرجى اختيار تمرين أولًا من «ملفات التعلّم».<byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Bilder oder Töne fehlen oder sind beschädigt:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />Soll die Aufgabe ohne sie weitergegeben werden?<byte value="xd" />(An ihrer Stelle steht dann ihr Name als Text.)</source>
        <translation>هذه الصور أو الأصوات مفقودة أو تالفة:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />هل تريد تصدير التمرين بدونها؟<byte value="xd" />(سيظهر اسمها نصًّا في مكانها.)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>تعذّر حفظ %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Aufgabe %1 wurde als %2 gespeichert.<byte value="xd" /></source>
        <translation>حُفظ التمرين %1 باسم %2.<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveFolder</name>
    <message>
        <source>Es gibt schon zu viele Aufgaben mit diesem Namen.</source>
        <translation>توجد تمارين كثيرة جدًا بهذا الاسم.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden:<byte value="xd" />%2</source>
        <translation>تعذّرت قراءة «%1»:<byte value="xd" />%2</translation>
    </message>
    <message numerus="yes">
        <source>„%1“ hat mehr als %n Zeilen.</source>
        <translation>
            <numerusform>في «%1» أكثر من %n سطر.</numerusform>
            <numerusform>في «%1» أكثر من سطر واحد.</numerusform>
            <numerusform>في «%1» أكثر من سطرين.</numerusform>
            <numerusform>في «%1» أكثر من %n أسطر.</numerusform>
            <numerusform>في «%1» أكثر من %n سطرًا.</numerusform>
            <numerusform>في «%1» أكثر من %n سطر.</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Bilder und Töne von „%1“ sind zusammen größer als 256 MB.</source>
        <translation>حجم صور «%1» وأصواته مجتمعةً أكبر من 256 ميغابايت.</translation>
    </message>
    <message>
        <source>Das Paket kann nicht gepackt werden.</source>
        <translation>تعذّر إنشاء الحزمة.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht übernommen werden:<byte value="xd" />%2</source>
        <translation>تعذّر استيراد «%1»:<byte value="xd" />%2</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>تعذّر إنشاء المجلد «%1».</translation>
    </message>
    <message>
        <source>Die Aufgabe „%1“ wurde übernommen.</source>
        <translation>تم استيراد التمرين «%1».</translation>
    </message>
    <message>
        <source>Bilder: %1</source>
        <translation>الصور: %1</translation>
    </message>
    <message>
        <source>Töne: %1</source>
        <translation>الأصوات: %1</translation>
    </message>
    <message>
        <source>Nicht übernommen, weil sie zu keiner Aufgabe gehören: %1</source>
        <translation>لم تُستورد لأنها لا تخص أي تمرين: %1</translation>
    </message>
    <message>
        <source>Die Hälfte „%1“ hat keinen Partner: So kann die Aufgabe nicht gelöst werden.</source>
        <translation>النصف «%1» ليس له شريك: لا يمكن حل التمرين بهذا الشكل.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskChoice</name>
    <message>
        <source>Datei-Wahl:</source>
        <translation>اختيار الملف:</translation>
    </message>
    <message>
        <source>Datei-Inhalt:</source>
        <translation>محتوى الملف:</translation>
    </message>
    <message>
        <source>Vorschau:</source>
        <translation>معاينة:</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>L a d e n</source>
        <translation>تحميل</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>اختيار سريع للملفات</translation>
    </message>
    <message>
        <source>Es sind keine Dateien vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>لا توجد أي ملفات!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Meine Kartei
%n Karten</source>
        <translation>
            <numerusform>صندوق بطاقاتي
%n بطاقة</numerusform>
            <numerusform>صندوق بطاقاتي
بطاقة واحدة</numerusform>
            <numerusform>صندوق بطاقاتي
بطاقتان</numerusform>
            <numerusform>صندوق بطاقاتي
%n بطاقات</numerusform>
            <numerusform>صندوق بطاقاتي
%n بطاقةً</numerusform>
            <numerusform>صندوق بطاقاتي
%n بطاقة</numerusform>
        </translation>
    </message>
    <message>
        <source>Meine Kartei
Keine Karte fällig</source>
        <translation>صندوق بطاقاتي
لا بطاقات للتدريب الآن</translation>
    </message>
    <message>
        <source>Meine Kartei
1 Karte</source>
        <translation>صندوق بطاقاتي
بطاقة واحدة</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskFilePanel</name>
    <message>
        <source>Datei kopieren</source>
        <translation>نسخ الملف</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Alt letter of Datei kopieren</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>Datei drucken</source>
        <translation>طباعة الملف</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Alt letter of Datei drucken</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>Datei löschen</source>
        <translation>حذف الملف</translation>
    </message>
    <message>
        <source>L</source>
        <comment>Alt letter of Datei löschen</comment>
        <translation>L</translation>
    </message>
    <message>
        <source> Lerndateien:</source>
        <translation> ملفات التعلّم:</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>فتح الملف</translation>
    </message>
    <message>
        <source>%1 konnte nicht gelesen werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>تعذّرت قراءة %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Aktuelle Datei</source>
        <translation>الملف الحالي</translation>
    </message>
    <message>
        <source>Es ist keine Datei ausgewählt.<byte value="xd" /></source>
        <translation>لم يتم اختيار أي ملف.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Neue Datei</source>
        <translation>ملف جديد</translation>
    </message>
    <message>
        <source>Sie können nun eine neue Datei erstellen.<byte value="xd" /></source>
        <translation>يمكنك الآن إنشاء ملف جديد.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>خطأ في القوائم</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>طولا القائمتين مختلفان.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind zu lang.,<byte value="xd" />nur 20 Einträge sind zulässig.<byte value="xd" /></source>
        <translation>القائمتان طويلتان جدًا،<byte value="xd" />لا يُسمح إلا بـ 20 إدخالًا.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Datei sichern</source>
        <translation>حفظ الملف</translation>
    </message>
    <message>
        <source>Namen für die Datei eingeben:<byte value="xd" />(Nur Endung '.TXT' akzeptiert)</source>
        <translation>أدخل اسمًا للملف:<byte value="xd" />(لا يُقبل إلا الامتداد «.TXT»)</translation>
    </message>
    <message>
        <source>Dieser Name ist für eine Datei nicht zulässig.<byte value="xd" />Bitte einen einfachen Namen ohne "/", "\" und ".." eingeben.<byte value="xd" /></source>
        <translation>هذا الاسم غير مسموح به لملف.<byte value="xd" />يُرجى إدخال اسم بسيط دون "/" و"\" و"..".<byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Name %1 gehört zu den Einstellungen.<byte value="xd" />Bitte einen anderen Namen eingeben.<byte value="xd" /></source>
        <translation>الاسم %1 محجوز للإعدادات.<byte value="xd" />يُرجى إدخال اسم آخر.<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 sichern</source>
        <translation>حفظ %1</translation>
    </message>
    <message>
        <source>Die Datei ist schon vorhanden,<byte value="xd" />soll sie überschrieben werden?<byte value="xd" /></source>
        <translation>الملف موجود مسبقًا،<byte value="xd" />هل تريد استبداله؟<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>تعذّر حفظ %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 wurde gespeichert.<byte value="xd" /></source>
        <translation>تم حفظ %1.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ablage</source>
        <translation>الحافظة</translation>
    </message>
    <message>
        <source>Die Datei wurde in die Ablage kopiert.<byte value="xd" /><byte value="xd" /></source>
        <translation>نُسخ الملف إلى الحافظة.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Datei jetzt ausdrucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>هل تريد طباعة هذا الملف الآن؟<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>تعذّرت طباعة الملف:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Datei wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>جارٍ طباعة الملف الحالي ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Soll diese Datei gelöscht werden?<byte value="xd" /><byte value="xd" /></source>
        <translation>هل تريد حذف هذا الملف؟<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gelöscht werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>تعذّر حذف %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TextFiles</name>
    <message>
        <source>In den Ordner kann nicht geschrieben werden.</source>
        <translation>لا يمكن الكتابة في المجلد.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht vollständig geschrieben werden; der Datenträger ist voll.</source>
        <translation>تعذّرت كتابة الملف كاملًا؛ وسيط التخزين ممتلئ.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht angelegt werden.</source>
        <translation>تعذّر إنشاء الملف.</translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetDialog</name>
    <message>
        <source>&amp;Zuordnen</source>
        <translation>مطابقة</translation>
    </message>
    <message>
        <source>Paar&amp;karten</source>
        <translation>بطاقات الأزواج</translation>
    </message>
    <message>
        <source>&amp;Lösungsblatt</source>
        <translation>ورقة الحلول</translation>
    </message>
    <message>
        <source>&amp;Neu mischen</source>
        <translation>خلط من جديد</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>طباعة ...</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern ...</source>
        <translation>حفظ بصيغة PDF ...</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Arbeitsblatt</source>
        <translation>ورقة عمل</translation>
    </message>
    <message>
        <source>Art des Blattes</source>
        <translation>نوع الورقة</translation>
    </message>
    <message>
        <source>Ein Ton ist auf Papier nicht zu hören: Auf dem Blatt steht für ihn ein Lautsprecher mit dem Namen der Datei.</source>
        <translation>لا يُسمع الصوت على الورق: تظهر مكانه على الورقة سماعة مع اسم الملف.</translation>
    </message>
    <message>
        <source>Das Blatt „%1“ wird gedruckt.</source>
        <translation>جارٍ طباعة الورقة «%1».</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>تم الحفظ: %1</translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>خطأ في القوائم</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>طولا القائمتين مختلفان.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind leer.<byte value="xd" /></source>
        <translation>القوائم فارغة.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Das Blatt konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>تعذّرت طباعة الورقة:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>حفظ بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>ملفات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>تعذّر حفظ %1:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetLayout</name>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <source>Mischung Nr. %1</source>
        <translation>الخلط رقم %1</translation>
    </message>
    <message>
        <source>Lösungsblatt: %1</source>
        <translation>ورقة الحلول: %1</translation>
    </message>
    <message>
        <source>Zum Blatt "Zuordnen" mit Mischung Nr. %1</source>
        <translation>لورقة «مطابقة» وفق الخلط رقم %1</translation>
    </message>
</context>
<context>
    <name>duplikon::main</name>
    <message>
        <source>duplikon: %1
Mehr mit „duplikon --help“.
</source>
        <translation>duplikon: %1
للمزيد: «duplikon --help».
</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>استيراد تمرين</translation>
    </message>
</context>
</TS>
