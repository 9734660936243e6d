<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="de_DE">
<context>
    <name>duplikon::AudioModule</name>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>Bağlı bir mikrofon yok.</translation>
    </message>
</context>
<context>
    <name>duplikon::Board</name>
    <message>
        <source>Passt nicht</source>
        <translation>Uymuyor</translation>
    </message>
    <message numerus="yes">
        <source> %n Punkte</source>
        <translation>
            <numerusform> %n puan</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::BoardKeyboard</name>
    <message>
        <source>Reihe %1, Spalte %2</source>
        <translation>Satır %1, sütun %2</translation>
    </message>
    <message>
        <source>Bild, %1</source>
        <translation>Resim, %1</translation>
    </message>
    <message>
        <source>Ton, %1</source>
        <translation>Ses, %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>aufgenommen</source>
        <translation>alındı</translation>
    </message>
    <message>
        <source>abgelegt</source>
        <translation>bırakıldı</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>Uymuyor</translation>
    </message>
    <message>
        <source>zurückgelegt</source>
        <translation>yerine kondu</translation>
    </message>
    <message numerus="yes">
        <source>Richtig! %n Punkte</source>
        <translation>
            <numerusform>Doğru! %n puan</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>duplikon::ButtonStrip</name>
    <message>
        <source>Benutzer</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>zweifarbige Fenster</source>
        <translation>iki renkli pencereler</translation>
    </message>
    <message>
        <source>Abc kleiner</source>
        <translation>Abc daha küçük</translation>
    </message>
    <message>
        <source>Schrift kleiner</source>
        <translation>Yazıyı küçült</translation>
    </message>
    <message>
        <source>Abc größer</source>
        <translation>Abc daha büyük</translation>
    </message>
    <message>
        <source>Schrift größer</source>
        <translation>Yazıyı büyüt</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Kalın</translation>
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
        <translation>Kart %1, %2</translation>
    </message>
    <message>
        <source>verdeckt</source>
        <translation>kapalı</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Doğru</translation>
    </message>
    <message>
        <source>Passt nicht</source>
        <translation>Uymuyor</translation>
    </message>
    <message>
        <source>Mannschaft %1 ist dran</source>
        <translation>Sıra %1. takımda</translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paar</source>
        <translation>
            <numerusform>Takım %1
%n çift</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mannschaft %1
%n Paare</source>
        <translation>
            <numerusform>Takım %1
%n çift</numerusform>
        </translation>
    </message>
    <message>
        <source>Beide Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>İki takım da eşit sayıda çift buldu.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Alle Mannschaften haben gleich viele Paare.<byte value="xd" /></source>
        <translation>Bütün takımlar eşit sayıda çift buldu.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Mannschaft %1 hat gewonnen!<byte value="xd" /></source>
        <translation>%1. takım kazandı!<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Mannschaften %1 und %2 haben gewonnen!<byte value="xd" /></source>
        <translation>%1 ve %2. takımlar kazandı!<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::CardPlay</name>
    <message>
        <source>Mannschaften</source>
        <translation>Takımlar</translation>
    </message>
</context>
<context>
    <name>duplikon::CheckWindow</name>
    <message>
        <source>Duplikon: Kontrolle</source>
        <translation>Duplikon: Kontrol</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>İ&amp;ptal</translation>
    </message>
    <message>
        <source>Gelöste Aufgaben</source>
        <translation>Çözülen alıştırmalar</translation>
    </message>
    <message>
        <source>Uhrzeit der Lösung</source>
        <translation>Çözüm saati</translation>
    </message>
    <message>
        <source>Zeilen der gewählten Aufgabe</source>
        <translation>Seçilen alıştırmanın satırları</translation>
    </message>
    <message>
        <source>Bild der gewählten Zeile</source>
        <translation>Seçilen satırın resmi</translation>
    </message>
    <message>
        <source>Benutzer</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>%1 dosyası okunamıyor.<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ChildrenModel</name>
    <message>
        <source>%1 gelöst, %2 falsch</source>
        <translation>%1 çözüldü, %2 yanlış</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Çocuk</translation>
    </message>
    <message>
        <source>Kartei</source>
        <translation>Kart kutusu</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassList</name>
    <message>
        <source>Die Klassenliste ist keine Textdatei.</source>
        <translation>Sınıf listesi bir metin dosyası değil.</translation>
    </message>
</context>
<context>
    <name>duplikon::ClassListDialog</name>
    <message>
        <source>&amp;Hinzufügen ...</source>
        <translation>&amp;Ekle ...</translation>
    </message>
    <message>
        <source>&amp;Umbenennen ...</source>
        <translation>&amp;Yeniden adlandır ...</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>&amp;Kaldır</translation>
    </message>
    <message>
        <source>S&amp;ortieren</source>
        <translation>&amp;Sırala</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>Kay&amp;det</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>İp&amp;tal</translation>
    </message>
    <message>
        <source>Klassenliste</source>
        <translation>Sınıf listesi</translation>
    </message>
    <message>
        <source>Die Vornamen der Kinder, wie sie unter „Benutzer“ erscheinen:</source>
        <translation>Çocukların “Kullanıcı” altında görünen adları:</translation>
    </message>
    <message>
        <source>Die Klassenliste „%1“ kann nicht gelesen werden: %2<byte value="xd" /></source>
        <translation>“%1” sınıf listesi okunamıyor: %2<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Zeilen der Klassenliste werden übergangen (zu lang, Steuerzeichen oder mehr als %1 Namen).<byte value="xd" /></source>
        <translation>
            <numerusform>Sınıf listesinin %n satırı atlanıyor (çok uzun, denetim karakteri içeriyor ya da %1 addan fazla).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ein Name hat höchstens %n Zeichen.<byte value="xd" /></source>
        <translation>
            <numerusform>Bir ad en fazla %n karakter olabilir.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>Ein Name darf keine Steuerzeichen enthalten.<byte value="xd" /></source>
        <translation>Bir ad denetim karakteri içeremez.<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Die Klassenliste hat höchstens %n Namen.<byte value="xd" /></source>
        <translation>
            <numerusform>Sınıf listesinde en fazla %n ad olabilir.<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ steht schon in der Liste.<byte value="xd" /></source>
        <translation>“%1” zaten listede var.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Vorname des Kindes:</source>
        <translation>Çocuğun adı:</translation>
    </message>
    <message>
        <source>Die Klassenliste kann nicht gespeichert werden: %1<byte value="xd" /></source>
        <translation>Sınıf listesi kaydedilemiyor: %1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::ClassroomConfig</name>
    <message>
        <source> oder </source>
        <translation> veya </translation>
    </message>
    <message>
        <source>true oder false</source>
        <translation>true veya false</translation>
    </message>
    <message>
        <source>100, 150, 200 oder Bildschirm</source>
        <translation>100, 150, 200 veya Bildschirm</translation>
    </message>
    <message>
        <source>eine ganze Zahl von -100 bis 100</source>
        <translation>-100 ile 100 arasında bir tam sayı</translation>
    </message>
    <message>
        <source>ein Text</source>
        <translation>bir metin</translation>
    </message>
    <message>
        <source>%1: %2 Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: %2 Dosya yok sayılıyor.</translation>
    </message>
    <message>
        <source>%1: Das ist keine Textdatei. Die Datei gilt als nicht vorhanden.</source>
        <translation>%1: Bu bir metin dosyası değil. Dosya yok sayılıyor.</translation>
    </message>
    <message>
        <source>[Fest] gilt nur in der Datei des Administrators, der Abschnitt wird übergangen.</source>
        <translation>[Fest] yalnızca yöneticinin dosyasında geçerlidir, bölüm atlanıyor.</translation>
    </message>
    <message>
        <source>Unbekannter Abschnitt „[%1]“ wird übergangen.</source>
        <translation>Bilinmeyen “[%1]” bölümü atlanıyor.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“, der Abschnitt wird übergangen.</source>
        <translation>Bozuk satır “%1”, bölüm atlanıyor.</translation>
    </message>
    <message>
        <source>Beschädigte Zeile „%1“ wird übergangen.</source>
        <translation>Bozuk satır “%1” atlanıyor.</translation>
    </message>
    <message>
        <source>„%1“ steht in keinem Abschnitt und wird übergangen.</source>
        <translation>“%1” hiçbir bölümde değil, atlanıyor.</translation>
    </message>
    <message>
        <source>Unbekannter Schlüssel „%1“ wird übergangen.</source>
        <translation>Bilinmeyen anahtar “%1” atlanıyor.</translation>
    </message>
    <message>
        <source>%1 gilt nur im Abschnitt [Fest] und wird übergangen.</source>
        <translation>%1 yalnızca [Fest] bölümünde geçerlidir, atlanıyor.</translation>
    </message>
    <message>
        <source>„%1“ ist kein Wert für %2 (%3) und wird übergangen.</source>
        <translation>“%1”, %2 için geçerli bir değer değil (%3), atlanıyor.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist beschädigt oder nicht lesbar.</source>
        <translation>%1 dosyası bozuk ya da okunamıyor.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>%1 dosyasına yazılamıyor.</translation>
    </message>
    <message>
        <source>eingebaute Vorgabe</source>
        <translation>yerleşik varsayılan</translation>
    </message>
    <message>
        <source>, fest</source>
        <translation>, sabit</translation>
    </message>
</context>
<context>
    <name>duplikon::Dialogs</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>duplikon::EditorWindow</name>
    <message>
        <source>Mit Strg+G kommt das Bild in die grüne Liste, mit Strg+B in die blaue ...</source>
        <translation>Ctrl+G ile resim yeşil listeye, Ctrl+B ile mavi listeye eklenir ...</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>İ&amp;ptal</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;aktuelle Datei</source>
        <translation>&amp;Geçerli dosya</translation>
    </message>
    <message>
        <source>&amp;neue Datei ...</source>
        <translation>&amp;Yeni dosya ...</translation>
    </message>
    <message>
        <source>Datei &amp;sichern</source>
        <translation>Dosyayı &amp;kaydet</translation>
    </message>
    <message>
        <source>A&amp;rbeitsblatt ...</source>
        <translation>Ç&amp;alışma kâğıdı ...</translation>
    </message>
    <message>
        <source>Aufgabe &amp;weitergeben ...</source>
        <translation>Alıştırmayı &amp;dışa aktar ...</translation>
    </message>
    <message>
        <source>Aufgabe üb&amp;ernehmen ...</source>
        <translation>Alıştırmayı &amp;içe aktar ...</translation>
    </message>
    <message>
        <source>&amp;Klassenliste ...</source>
        <translation>Sınıf &amp;listesi ...</translation>
    </message>
    <message>
        <source>&amp;Bilder einfügen ...</source>
        <translation>&amp;Resim ekle ...</translation>
    </message>
    <message>
        <source>&amp;Lösungsbilder einfügen ...</source>
        <translation>&amp;Ödül resimleri ekle ...</translation>
    </message>
    <message>
        <source>&amp;Großbild</source>
        <translation>&amp;Büyük resim</translation>
    </message>
    <message>
        <source>In dieser grünen Liste stehen die linken Teilpaare oder Aufgaben ...</source>
        <translation>Bu yeşil listede sol yarılar ya da sorular bulunur ...</translation>
    </message>
    <message>
        <source>In dieser blauen Liste stehen die rechten Teilpaare oder Lösungen ...</source>
        <translation>Bu mavi listede sağ yarılar ya da cevaplar bulunur ...</translation>
    </message>
    <message>
        <source>Hier die gewünschten Texte eingeben und mit den Symbolen einsetzen ...</source>
        <translation>İstediğiniz metinleri buraya yazın ve simgelerle ekleyin ...</translation>
    </message>
    <message>
        <source>In dieser roten Liste stehen die Quelldateien mit den Daten ...</source>
        <translation>Bu kırmızı listede verileri içeren kaynak dosyalar bulunur ...</translation>
    </message>
    <message>
        <source>Aus dieser Ordnerliste einen Ordner durch Anklicken auswählen ...</source>
        <translation>Bu klasör listesinden tıklayarak bir klasör seçin ...</translation>
    </message>
    <message>
        <source>Aus dieser Bildliste ein aktuelles Bild durch Anklicken auswählen ...</source>
        <translation>Bu resim listesinden tıklayarak bir resim seçin ...</translation>
    </message>
    <message>
        <source>Das Vorschaubild mit Drag&amp;Drop in das grüne oder blaue Fenster ziehen ...</source>
        <translation>Önizleme resmini sürükleyip yeşil ya da mavi pencereye bırakın ...</translation>
    </message>
    <message>
        <source>Duplikon: Editor</source>
        <translation>Duplikon: Düzenleyici</translation>
    </message>
    <message>
        <source>Hilfetexte</source>
        <translation>Yardım metinleri</translation>
    </message>
</context>
<context>
    <name>duplikon::ExtraSettingsDialog</name>
    <message>
        <source>Vom Administrator festgelegt</source>
        <translation>Yönetici tarafından belirlendi</translation>
    </message>
    <message>
        <source>Weitere Einstellungen</source>
        <translation>Diğer ayarlar</translation>
    </message>
    <message>
        <source>Antippen statt Ziehen</source>
        <translation>Sürükleme yerine dokunma</translation>
    </message>
    <message>
        <source>Fenstergröße</source>
        <translation>Pencere boyutu</translation>
    </message>
    <message>
        <source>Bildschirm</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Die neue Fenstergröße gilt ab dem nächsten Start.</source>
        <translation>Yeni pencere boyutu bir sonraki açılışta geçerli olur.</translation>
    </message>
    <message>
        <source>Ergebnisse aufbewahren</source>
        <translation>Sonuçları sakla</translation>
    </message>
    <message>
        <source>Sp&amp;rache:</source>
        <translation>&amp;Dil:</translation>
    </message>
    <message>
        <source>Wie das System</source>
        <translation>Sistem dili</translation>
    </message>
    <message>
        <source>Vorlesen</source>
        <translation>Sesli okuma</translation>
    </message>
    <message>
        <source>Keine Sprachausgabe gefunden</source>
        <translation>Sesli okuma hizmeti bulunamadı</translation>
    </message>
    <message>
        <source>&amp;Stimme:</source>
        <translation>&amp;Ses:</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>&amp;Hız:</translation>
    </message>
    <message>
        <source>Spielart</source>
        <translation>Oyun türü</translation>
    </message>
    <message>
        <source>Zuordnen</source>
        <translation>Eşleştirme</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>Kart açma</translation>
    </message>
    <message>
        <source>&amp;Paare:</source>
        <translation>&amp;Çift sayısı:</translation>
    </message>
    <message>
        <source>&amp;Zudecken:</source>
        <translation>Kartları &amp;kapat:</translation>
    </message>
    <message>
        <source>&amp;Mannschaften:</source>
        <translation>&amp;Takım sayısı:</translation>
    </message>
    <message>
        <source>Getrennt: erste Hälften oben, zweite unten</source>
        <translation>Ayrı: ilk yarılar üstte, ikinciler altta</translation>
    </message>
    <message>
        <source>beim nächsten Tippen</source>
        <translation>bir sonraki dokunuşta</translation>
    </message>
    <message>
        <source>nach 1 Sekunde</source>
        <translation>1 saniye sonra</translation>
    </message>
    <message>
        <source>nach 2 Sekunden</source>
        <translation>2 saniye sonra</translation>
    </message>
    <message>
        <source>nach 3 Sekunden</source>
        <translation>3 saniye sonra</translation>
    </message>
    <message>
        <source>nach 4 Sekunden</source>
        <translation>4 saniye sonra</translation>
    </message>
    <message>
        <source>nach 5 Sekunden</source>
        <translation>5 saniye sonra</translation>
    </message>
    <message>
        <source>Vom Administrator abgeschaltet</source>
        <translation>Yönetici tarafından kapatıldı</translation>
    </message>
    <message>
        <source>Für diese Sprache gibt es keine Stimme: Meldungen werden nur gezeigt, nicht vorgelesen.</source>
        <translation>Bu dil için okuma sesi yok: İletiler yalnızca gösterilir, sesli okunmaz.</translation>
    </message>
    <message>
        <source>Deutsch (Vorgabe)</source>
        <translation>Almanca (varsayılan)</translation>
    </message>
    <message>
        <source>%1 (nicht installiert)</source>
        <translation>%1 (yüklü değil)</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Ayarlar kaydedilemedi.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Lernkartei</source>
        <translation>Kart kutusu</translation>
    </message>
    <message>
        <source>Die Lernkartei braucht „Ergebnisse aufbewahren“.</source>
        <translation>Kart kutusu için “Sonuçları sakla” açık olmalıdır.</translation>
    </message>
</context>
<context>
    <name>duplikon::FileLists</name>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Dosya mevcut değil.</translation>
    </message>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>Bu bir dosya değil.</translation>
    </message>
</context>
<context>
    <name>duplikon::Folders</name>
    <message>
        <source>Der Ordner „%1“ fehlt.</source>
        <translation>“%1” klasörü eksik.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>“%1” klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Im Ordner „%1“ kann nichts angelegt werden.</source>
        <translation>“%1” klasöründe hiçbir şey oluşturulamıyor.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht nach „%2“ kopiert werden.</source>
        <translation>“%1”, “%2” konumuna kopyalanamıyor.</translation>
    </message>
</context>
<context>
    <name>duplikon::LessonRules</name>
    <message>
        <source>Die Aufgaben werden wiederholt, rufe das nächste Kind.<byte value="xd" /><byte value="xd" /></source>
        <translation>Alıştırmalar baştan başlıyor, sıradaki arkadaşını çağır.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>Tekrar</translation>
    </message>
    <message>
        <source>Dies ist eine Pflichtaufgabe für dich!<byte value="xd" /><byte value="xd" /></source>
        <translation>Bu alıştırmayı yapman gerekiyor!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Benutzername</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>Benutzername eingeben:</source>
        <translation>Kullanıcı adını yaz:</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Die Einstellungen wurden vom Administrator gesperrt.<byte value="xd" /></source>
        <translation>Ayarlar yönetici tarafından kilitlendi.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Geben Sie das Passwort für diese Funktion ein:</source>
        <translation>Bu işlev için parolayı girin:</translation>
    </message>
    <message>
        <source>Passwort</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Der Editor wurde im Zusatzmenü deaktiviert.<byte value="xd" /><byte value="xd" /></source>
        <translation>Düzenleyici ek menüde devre dışı bırakıldı.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Wiederholung verweigert</source>
        <translation>Tekrar yapılamıyor</translation>
    </message>
    <message>
        <source>Es müssen erst Pflichtaufgaben gewählt werden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Önce zorunlu alıştırmalar seçilmelidir!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Programmordner antwortet nicht.</source>
        <translation>Program klasörü yanıt vermiyor.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Ayarlar kaydedilemedi.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::MainWindow</name>
    <message>
        <source>Ordner 'DUPBILDER' fehlt:</source>
        <translation>'DUPBILDER' klasörü eksik:</translation>
    </message>
    <message>
        <source>Der Bildordner für die Lösungsbilder wurde nicht gefunden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Ödül resimlerinin klasörü bulunamadı!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Duplikon 1.0 – Paare finden, für Kinder der Grundschule.<byte value="xd" />https://duplikon.example/</source>
        <translation>Duplikon 1.0 – Çiftleri bul, ilkokul çocukları için.<byte value="xd" />https://duplikon.example/</translation>
    </message>
    <message>
        <source>&amp;Programm</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Autor ...</source>
        <translation>&amp;Yazar ...</translation>
    </message>
    <message>
        <source>&amp;Laden</source>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>&amp;Düzenleyici</translation>
    </message>
    <message>
        <source>E&amp;instellungen</source>
        <translation>Ayar&amp;lar</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Wollen Sie die aktuelle Seite drucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>Geçerli sayfayı yazdırmak istiyor musunuz?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Dieses Programm jetzt beenden?<byte value="xd" /><byte value="xd" /></source>
        <translation>Program şimdi kapatılsın mı?<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::Metafile</name>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>Resim için yer yok.</translation>
    </message>
    <message>
        <source>Die Metadatei kann nicht gelesen werden.</source>
        <translation>Meta dosya okunamıyor.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu viel Speicher.</source>
        <translation>Meta dosya çok fazla bellek gerektiriyor.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>Resim çok büyük.</translation>
    </message>
    <message>
        <source>Die Metadatei braucht zu lange.</source>
        <translation>Meta dosya çok uzun sürüyor.</translation>
    </message>
    <message>
        <source>Windows-Metadateien werden nicht unterstützt.</source>
        <translation>Windows meta dosyaları desteklenmiyor.</translation>
    </message>
    <message>
        <source>Die Metadatei ist beschädigt.</source>
        <translation>Meta dosya bozuk.</translation>
    </message>
</context>
<context>
    <name>duplikon::MetafileRecords</name>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>Resim dosyası çok büyük.</translation>
    </message>
    <message>
        <source>Die Metadatei hat zu viele Einträge.</source>
        <translation>Meta dosyada çok fazla kayıt var.</translation>
    </message>
</context>
<context>
    <name>duplikon::NamePicker</name>
    <message>
        <source>Tippe auf deinen Namen:</source>
        <translation>Adına dokun:</translation>
    </message>
    <message>
        <source>Anderer Name ...</source>
        <translation>Başka bir ad ...</translation>
    </message>
</context>
<context>
    <name>duplikon::PageOutput</name>
    <message>
        <source>Zwischenablage</source>
        <translation>Pano</translation>
    </message>
    <message>
        <source>Die Seite wurde in die Ablage kopiert ...<byte value="xd" /><byte value="xd" /></source>
        <translation>Sayfa panoya kopyalandı ...<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Drucker hat den Auftrag nicht angenommen.</source>
        <translation>Yazıcı işi kabul etmedi.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Die Seite konnte nicht gedruckt werden.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></source>
        <translation>Sayfa yazdırılamadı.<byte value="xd" /><byte value="xd" />%1<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Seite wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>Geçerli sayfa yazdırılıyor ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::PairLists</name>
    <message>
        <source>Text einsetzen</source>
        <translation>Metni ekle</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>Yukarı taşı</translation>
    </message>
    <message>
        <source>Text ersetzen</source>
        <translation>Metni değiştir</translation>
    </message>
    <message>
        <source>Text holen</source>
        <translation>Metni al</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>Aşağı taşı</translation>
    </message>
    <message>
        <source>Text löschen</source>
        <translation>Metni sil</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> Önizleme:</translation>
    </message>
    <message>
        <source>Vorschau der Listen</source>
        <translation>Listelerin önizlemesi</translation>
    </message>
    <message>
        <source>Text eingeben</source>
        <translation>Metni yazın</translation>
    </message>
    <message>
        <source>Liste %1 hat mehr als %2 Elemente.</source>
        <translation>Liste %1’de %2’dan fazla öğe var.</translation>
    </message>
</context>
<context>
    <name>duplikon::PairsModel</name>
    <message>
        <source>Aufgabe</source>
        <translation>Alıştırma</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>1. yarı</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>2. yarı</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Doğru</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Yanlış</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureBrowser</name>
    <message>
        <source>Vorschaubild mit Mausklick schließen ...</source>
        <translation>Önizlemeyi fareyle tıklayarak kapatın ...</translation>
    </message>
    <message>
        <source> Vorschau:</source>
        <translation> Önizleme:</translation>
    </message>
    <message>
        <source>Drag&amp;Drop ins Farbfeld</source>
        <translation>Renkli alana sürükleyip bırakın</translation>
    </message>
    <message>
        <source>So würde das ausgewählte Bild im Großformat für ein Lösungsbild am Ende der Spielreihe aussehen . . .</source>
        <translation>Seçilen resim, oyunun sonunda ödül resmi olarak büyük boyutta böyle görünürdü . . .</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImport</name>
    <message>
        <source>Die Datei ist kein Bild, das Duplikon lesen kann.</source>
        <translation>Dosya, Duplikon’un okuyabileceği bir resim değil.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>Dosya, Duplikon’un çalabileceği bir ses değil.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>Resim bozuk ya da tam değil.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß (mehr als 16384 Bildpunkte an einer Seite oder mehr als 256 MB im Speicher).</source>
        <translation>Resim çok büyük (bir kenarda 16384 pikselden fazla ya da bellekte 256 MB’tan fazla).</translation>
    </message>
    <message>
        <source>Das Bild kann nicht umgewandelt werden.</source>
        <translation>Resim dönüştürülemiyor.</translation>
    </message>
    <message>
        <source>Bild aus der Zwischenablage</source>
        <translation>Panodan resim</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Dosya boş.</translation>
    </message>
    <message>
        <source>Das Bild ist im Format HEIC/HEIF gespeichert, das Duplikon nicht lesen kann. Bitte speichern Sie es als JPEG und fügen Sie es dann ein.</source>
        <translation>Resim, Duplikon’un okuyamadığı HEIC/HEIF biçiminde kaydedilmiş. Lütfen resmi JPEG olarak kaydedin ve sonra ekleyin.</translation>
    </message>
    <message>
        <source>Es gibt schon zu viele Bilder mit diesem Namen.</source>
        <translation>Bu adla zaten çok fazla resim var.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>“%1” klasörü oluşturulamıyor.</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureImportActions</name>
    <message>
        <source>Bilder (%1)</source>
        <translation>Resimler (%1)</translation>
    </message>
    <message>
        <source>Bilder einfügen</source>
        <translation>Resim ekle</translation>
    </message>
    <message>
        <source>Lösungsbilder einfügen</source>
        <translation>Ödül resimleri ekle</translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n Lösungsbildern sind im Ordner %2.<byte value="xd" />Neue Lösungsbilder kommen beim nächsten Start von Duplikon dazu.</source>
        <translation>
            <numerusform>%n ödül resminden %1 tanesi %2 klasöründe.<byte value="xd" />Yeni ödül resimleri, Duplikon’un bir sonraki açılışında eklenir.</numerusform>
        </translation>
    </message>
    <message>
        <source>Bild %1 von %2 ...</source>
        <translation>Resim %1 / %2 ...</translation>
    </message>
    <message>
        <source>Diese Dateien wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>Şu dosyalar eklenmedi:<byte value="xd" />%1</translation>
    </message>
    <message>
        <source>Diese Bilder wurden nicht übernommen:<byte value="xd" />%1</source>
        <translation>Şu resimler eklenmedi:<byte value="xd" />%1</translation>
    </message>
</context>
<context>
    <name>duplikon::PictureLoader</name>
    <message>
        <source>Das Bild kann nicht gelesen werden.</source>
        <translation>Resim okunamıyor.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>Resim çok büyük.</translation>
    </message>
    <message>
        <source>Kein Platz für das Bild.</source>
        <translation>Resim için yer yok.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist leer.</source>
        <translation>Resim dosyası boş.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist unvollständig.</source>
        <translation>Resim dosyası tam değil.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist nicht vorhanden.</source>
        <translation>Resim dosyası mevcut değil.</translation>
    </message>
    <message>
        <source>Die Bilddatei ist zu groß.</source>
        <translation>Resim dosyası çok büyük.</translation>
    </message>
    <message>
        <source>Die Bilddatei kann nicht geöffnet werden.</source>
        <translation>Resim dosyası açılamıyor.</translation>
    </message>
</context>
<context>
    <name>duplikon::PlaySession</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.<byte value="xd" /><byte value="xd" /></source>
        <translation>%1 dosyası okunamıyor.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Prima, du hast die Aufgabe gelöst.<byte value="xd" />Wähle dir eine neue Aufgabe aus!<byte value="xd" />Klicke dazu im Menü auf 'Laden' ...<byte value="xd" /></source>
        <translation>Harika, alıştırmayı çözdün.<byte value="xd" />Kendine yeni bir alıştırma seç!<byte value="xd" />Bunun için menüde 'Aç' yazısına tıkla ...<byte value="xd" /></translation>
    </message>
    <message>
        <source>Kontrolle</source>
        <translation>Kontrol</translation>
    </message>
</context>
<context>
    <name>duplikon::PrintSpooler</name>
    <message>
        <source>Der Drucker "%1" ist nicht erreichbar.</source>
        <translation>“%1” yazıcısına ulaşılamıyor.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt zurzeit keine Aufträge an.</source>
        <translation>“%1” yazıcısı şu anda iş kabul etmiyor.</translation>
    </message>
</context>
<context>
    <name>duplikon::QtRecorder</name>
    <message>
        <source>Es läuft schon eine Aufnahme.</source>
        <translation>Zaten bir kayıt sürüyor.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es schon.</source>
        <translation>“%1” dosyası zaten var.</translation>
    </message>
    <message>
        <source>Es ist kein Mikrofon angeschlossen.</source>
        <translation>Bağlı bir mikrofon yok.</translation>
    </message>
    <message>
        <source>Die Aufnahme kann nicht beginnen: %1</source>
        <translation>Kayıt başlatılamıyor: %1</translation>
    </message>
</context>
<context>
    <name>duplikon::RegularFile</name>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>Bu bir dosya değil.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation>Dosya çok büyük.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Dosya mevcut değil.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden.</source>
        <translation>Dosya okunamıyor.</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsTables</name>
    <message>
        <source>Datum</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Çocuk</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Alıştırma</translation>
    </message>
    <message>
        <source>Sekunden</source>
        <translation>Saniye</translation>
    </message>
    <message>
        <source>Fehlversuche</source>
        <translation>Yanlış denemeler</translation>
    </message>
    <message>
        <source>Spielweise</source>
        <translation>Oynama biçimi</translation>
    </message>
    <message>
        <source>Pflicht</source>
        <translation>Zorunlu</translation>
    </message>
    <message>
        <source>Züge</source>
        <translation>Hamle</translation>
    </message>
    <message>
        <source>Mannschaften</source>
        <translation>Takımlar</translation>
    </message>
    <message>
        <source>Hälfte 1</source>
        <translation>1. yarı</translation>
    </message>
    <message>
        <source>Hälfte 2</source>
        <translation>2. yarı</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Doğru</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Yanlış</translation>
    </message>
    <message>
        <source>Maus</source>
        <translation>Fare</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>Klavye</translation>
    </message>
    <message>
        <source>Antippen</source>
        <translation>Dokunma</translation>
    </message>
    <message>
        <source>Aufdecken</source>
        <translation>Kart açma</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>evet</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>hayır</translation>
    </message>
</context>
<context>
    <name>duplikon::ResultsWindow</name>
    <message>
        <source>Ergebnisse</source>
        <translation>Sonuçlar</translation>
    </message>
    <message>
        <source>&amp;Zeitraum:</source>
        <translation>&amp;Zaman aralığı:</translation>
    </message>
    <message>
        <source>Heute</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Diese Woche</source>
        <translation>Bu hafta</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>Als &amp;Tabelle speichern ...</source>
        <translation>&amp;Tablo olarak kaydet ...</translation>
    </message>
    <message>
        <source>&amp;Kinder</source>
        <translation>&amp;Çocuklar</translation>
    </message>
    <message>
        <source>&amp;Paare</source>
        <translation>Çi&amp;ftler</translation>
    </message>
    <message>
        <source>&amp;Lernkartei</source>
        <translation>&amp;Kart kutusu</translation>
    </message>
    <message>
        <source>Für die ganze Klasse üben:</source>
        <translation>Tüm sınıfla çalışmak için:</translation>
    </message>
    <message>
        <source>Als A&amp;ufgabe speichern ...</source>
        <translation>&amp;Alıştırma olarak kaydet ...</translation>
    </message>
    <message>
        <source>Ein falsches Ablegen zählt beim Paar der gezogenen Hälfte und beim Paar der Hälfte, auf die sie gelegt wurde. Je kräftiger die Farbe, desto größer der Anteil falscher Züge.</source>
        <translation>Yanlış bırakma, hem sürüklenen yarının çiftine hem de üzerine bırakıldığı yarının çiftine sayılır. Renk ne kadar koyuysa yanlış hamlelerin oranı o kadar yüksektir.</translation>
    </message>
    <message>
        <source>&amp;Alle Ergebnisse löschen ...</source>
        <translation>Tü&amp;m sonuçları sil ...</translation>
    </message>
    <message>
        <source>Die Ergebnisse werden gelesen ...</source>
        <translation>Sonuçlar okunuyor ...</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien gelesen</source>
        <translation>
            <numerusform>%n dosya okundu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Zeilen</source>
        <translation>
            <numerusform>%n bozuk satır</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beschädigte Dateien</source>
        <translation>
            <numerusform>%n bozuk dosya</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 übersprungen</source>
        <translation>%1 atlandı</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>Die Ergebnisse werden gelesen: %1 von %n Dateien</source>
        <translation>
            <numerusform>Sonuçlar okunuyor: %1 / %n dosya</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 – %2 (%3): %n Kinder</source>
        <translation>
            <numerusform>%1 – %2 (%3): %n çocuk</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufgabe konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Alıştırma kaydedilemedi.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Paare stehen jetzt in der Aufgabe „%1“.<byte value="xd" /></source>
        <translation>Çiftler artık “%1” alıştırmasında.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ergebnisse &amp;von %1 löschen ...</source>
        <translation>Sonuçları &amp;sil: %1 ...</translation>
    </message>
    <message>
        <source>Als Tabelle speichern</source>
        <translation>Tablo olarak kaydet</translation>
    </message>
    <message>
        <source>Tabellen (*.csv)</source>
        <translation>Tablolar (*.csv)</translation>
    </message>
    <message>
        <source>Zur Tabelle „%1“ gehört die Tabelle der Paare „%2“.<byte value="xd" />„%2“ gibt es schon. Soll sie ersetzt werden?</source>
        <translation>“%1” tablosunun çiftler tablosu “%2” dosyasıdır.<byte value="xd" />“%2” zaten var. Üzerine yazılsın mı?</translation>
    </message>
    <message>
        <source>Die Tabelle konnte nicht gespeichert werden.<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Tablo kaydedilemedi.<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse von %1 gelöscht werden?</source>
        <translation>%1 adlı çocuğun tüm sonuçları silinsin mi?</translation>
    </message>
    <message>
        <source>Sollen alle Ergebnisse aller Kinder gelöscht werden?</source>
        <translation>Bütün çocukların tüm sonuçları silinsin mi?</translation>
    </message>
    <message>
        <source>Diese Einträge sind Verknüpfungen oder keine gewöhnlichen Dateien. Sie wurden übersprungen, nichts dahinter wurde gelöscht:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Bu girdiler kısayol ya da normal dosya değil. Atlandılar, gösterdikleri hiçbir şey silinmedi:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien konnten nicht gelöscht werden (sie gehören einer anderen Anmeldung).<byte value="xd" /></source>
        <translation>
            <numerusform>%n dosya silinemedi (başka bir kullanıcı hesabına ait).<byte value="xd" /></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 – %2 (%3): 1 Kind</source>
        <translation>%1 – %2 (%3): 1 çocuk</translation>
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
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Alıştırma</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Yanlış</translation>
    </message>
</context>
<context>
    <name>duplikon::Services</name>
    <message>
        <source>Es ist kein Drucker eingerichtet.</source>
        <translation>Kurulu bir yazıcı yok.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Das PDF konnte nicht angelegt werden.</source>
        <translation>PDF oluşturulamadı.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" nimmt keinen Auftrag an.</source>
        <translation>“%1” yazıcısı iş kabul etmiyor.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht übergeben werden.</source>
        <translation>Yazdırma işi gönderilemedi.</translation>
    </message>
    <message>
        <source>Der Drucker "%1" hat den Auftrag abgelehnt.</source>
        <translation>“%1” yazıcısı işi reddetti.</translation>
    </message>
    <message>
        <source>Der Druckauftrag wurde abgelehnt.</source>
        <translation>Yazdırma işi reddedildi.</translation>
    </message>
</context>
<context>
    <name>duplikon::SettingsPanel</name>
    <message>
        <source>Vom Administrator gesperrt</source>
        <translation>Yönetici tarafından kilitlendi</translation>
    </message>
    <message>
        <source>Einstellungen für das Programm:</source>
        <translation>Program ayarları:</translation>
    </message>
    <message>
        <source>Pflichtaufgaben</source>
        <translation>Zorunlu alıştırmalar</translation>
    </message>
    <message>
        <source>Editor sperren</source>
        <translation>Düzenleyiciyi kilitle</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>Hızlı dosya seçimi</translation>
    </message>
    <message>
        <source>Wiederholung</source>
        <translation>Tekrar</translation>
    </message>
    <message>
        <source>Fragen</source>
        <translation>Sorular</translation>
    </message>
    <message>
        <source>Antworten</source>
        <translation>Cevaplar</translation>
    </message>
    <message>
        <source>Quellaufgaben</source>
        <translation>Kaynak alıştırmalar</translation>
    </message>
    <message>
        <source>O k a y</source>
        <translation>T a m a m</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Renkler</translation>
    </message>
    <message>
        <source>Ablage ...</source>
        <translation>Panoya kopyala ...</translation>
    </message>
    <message>
        <source>Drucken ...</source>
        <translation>Yazdır ...</translation>
    </message>
    <message>
        <source>Weitere ...</source>
        <translation>Diğer ...</translation>
    </message>
    <message>
        <source>Weitere Einstellungen (Alt+J)</source>
        <translation>Diğer ayarlar (Alt+J)</translation>
    </message>
    <message>
        <source>Ergebnisse ...</source>
        <translation>Sonuçlar ...</translation>
    </message>
    <message>
        <source>Ergebnisse der Kinder (Alt+Q)</source>
        <translation>Çocukların sonuçları (Alt+Q)</translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <translation>Arka plan rengi</translation>
    </message>
    <message>
        <source>Der Hintergrund wird durch fortwährenden Klick auf die<byte value="xd" />beiden Farbflächen 'Fragen' und 'Antworten' eingestellt.<byte value="xd" /></source>
        <translation>Arka plan, 'Sorular' ve 'Cevaplar' renk alanlarına<byte value="xd" />art arda tıklanarak ayarlanır.<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SolutionPicture</name>
    <message>
        <source>Bildfehler</source>
        <translation>Resim hatası</translation>
    </message>
    <message>
        <source>Es ist kein Lösungbild (PAARE*.*) vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Hiç ödül resmi (PAARE*.*) yok!<byte value="xd" /><byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::SoundRecording</name>
    <message>
        <source>&amp;Ton aufnehmen ...</source>
        <translation>&amp;Ses kaydet ...</translation>
    </message>
    <message>
        <source>&amp;Tonaufnahme beenden</source>
        <translation>&amp;Ses kaydını bitir</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>“%1” klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Ton aufnehmen</source>
        <translation>Ses kaydet</translation>
    </message>
    <message numerus="yes">
        <source>Die Aufnahme läuft, höchstens %n Sekunden ...</source>
        <translation>
            <numerusform>Kayıt sürüyor, en fazla %n saniye ...</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Aufnahme ist nicht gelungen.</source>
        <translation>Kayıt başarısız oldu.</translation>
    </message>
</context>
<context>
    <name>duplikon::StartFolder</name>
    <message>
        <source>unbekannte Sprache „%1“</source>
        <translation>bilinmeyen dil “%1”</translation>
    </message>
    <message>
        <source>unbekannte Option „%1“</source>
        <translation>bilinmeyen seçenek “%1”</translation>
    </message>
    <message>
        <source>nur ein Ordner oder eine Aufgabendatei, nicht auch „%1“</source>
        <translation>yalnızca bir klasör ya da bir alıştırma dosyası verilebilir, “%1” fazla</translation>
    </message>
    <message>
        <source>Die Aufgabendatei „%1“ wurde nicht gefunden.</source>
        <translation>“%1” alıştırma dosyası bulunamadı.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ wurde nicht gefunden.</source>
        <translation>“%1” klasörü bulunamadı.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.
%2</source>
        <translation>“%1” klasörü oluşturulamıyor.
%2</translation>
    </message>
    <message>
        <source>„%1“ ist eine Datei, kein Ordner.</source>
        <translation>“%1” bir klasör değil, bir dosya.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht gelesen werden.</source>
        <translation>“%1” klasörü okunamıyor.</translation>
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
        <translation>Kullanım: duplikon [KLASÖR | DOSYA.TXT | PAKET.duplikon]
Duplikon – çiftleri bul ve eşleştir, çocuklar için bir alıştırma programı.

Duplikon bir klasörde çalışır: alıştırma dosyaları *.TXT ve resimleri,
DUPBILDER/ içinde ödül resimleri, DUPLIKON.INI içinde ayarlar.

  KLASÖR       bu klasörde çalış
  DOSYA.TXT    bu alıştırma dosyasının klasöründe çalış
  PAKET.duplikon
               bu paketteki dışa aktarılmış alıştırmayı resimleri ve
               sesleriyle birlikte içe aktar ve oyna: geçerli klasöre,
               --menue ile Belgeler altındaki “Duplikon” klasörüne
  (yok)        geçerli klasörde çalış
  --menue      Başlat menüsünden açılmış gibi: KLASÖR verilmezse Belgeler
               altındaki “Duplikon” klasöründe çalış (ilk açılışta örnek
               alıştırmalar buraya kopyalanır); hataları ileti olarak da göster
  --einstellungen
               duplikon.conf değerlerini her birinin kaynağıyla birlikte
               göster, ardından atlanan satırları göster
  --sprache KOD
               bu dilde çalış (yalnızca bu açılışta): de, en, uk, ar, tr,
               ru, pl, fa ya da System (masaüstünün dili)
  --help       bu yardımı göster
  --version    sürümü göster

Çıkış kodu: her şey yolundaysa 0; klasör yoksa ya da okunamıyorsa 1;
yanlış kullanımda 2.
</translation>
    </message>
    <message>
        <source>Duplikon %1
Lizenz: GPL-3.0 oder neuer &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</source>
        <translation>Duplikon %1
Lisans: GPL-3.0 veya daha yeni bir sürüm &lt;https://www.gnu.org/licenses/gpl-3.0.html&gt;
Bu özgür bir yazılımdır: değiştirebilir ve dağıtabilirsiniz.
Yasaların izin verdiği ölçüde HİÇBİR GARANTİ yoktur.
</translation>
    </message>
</context>
<context>
    <name>duplikon::SvgCheck</name>
    <message>
        <source>Das SVG-Bild verweist auf andere Dateien; es wird nicht übernommen.</source>
        <translation>SVG resmi başka dosyalara başvuruyor; eklenmiyor.</translation>
    </message>
    <message>
        <source>Das SVG-Bild erklärt eigene Entitäten; es wird nicht übernommen.</source>
        <translation>SVG resmi kendi varlıklarını tanımlıyor; eklenmiyor.</translation>
    </message>
    <message>
        <source>Das SVG-Bild wiederholt seine Teile zu oft; es wird nicht übernommen.</source>
        <translation>SVG resmi parçalarını çok fazla tekrarlıyor; eklenmiyor.</translation>
    </message>
    <message>
        <source>Das Bild ist beschädigt oder unvollständig.</source>
        <translation>Resim bozuk ya da tam değil.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchive</name>
    <message>
        <source>Die Datei ist kein Duplikon-Paket oder ist beschädigt.</source>
        <translation>Dosya bir Duplikon paketi değil ya da bozuk.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden.</source>
        <translation>“%1” okunamıyor.</translation>
    </message>
    <message>
        <source>„%1“ ist beschädigt.</source>
        <translation>“%1” bozuk.</translation>
    </message>
    <message>
        <source>„%1“ ist größer als 32 MB.</source>
        <translation>“%1” 32 MB’tan büyük.</translation>
    </message>
    <message>
        <source>Das Paket ist ausgepackt größer als 256 MB.</source>
        <translation>Paket açıldığında 256 MB’tan büyük.</translation>
    </message>
    <message>
        <source>„%1“ ist verdächtig stark gepackt.</source>
        <translation>“%1” şüpheli derecede yüksek oranda sıkıştırılmış.</translation>
    </message>
    <message>
        <source>„%1“ ist größer, als das Paket angibt.</source>
        <translation>“%1”, paketin belirttiğinden büyük.</translation>
    </message>
    <message>
        <source>„%1“ ist kleiner, als das Paket angibt.</source>
        <translation>“%1”, paketin belirttiğinden küçük.</translation>
    </message>
    <message>
        <source>manifest.json ist beschädigt.</source>
        <translation>manifest.json bozuk.</translation>
    </message>
    <message>
        <source>Das Paket hat eine Version, die Duplikon nicht kennt.</source>
        <translation>Paketin sürümü Duplikon tarafından tanınmıyor.</translation>
    </message>
    <message>
        <source>manifest.json ist unvollständig.</source>
        <translation>manifest.json tam değil.</translation>
    </message>
    <message>
        <source>Die Aufgabe im Paket ist zu lang.</source>
        <translation>Paketteki alıştırma çok uzun.</translation>
    </message>
    <message>
        <source>Eine Zeile der Aufgabe enthält Steuerzeichen.</source>
        <translation>Alıştırmanın bir satırı denetim karakterleri içeriyor.</translation>
    </message>
    <message>
        <source>Die Endung „%1“ gehört zu keinem Bild und keinem Ton.</source>
        <translation>“%1” uzantısı hiçbir resme ya da sese ait değil.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Dosya boş.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Ton, den Duplikon abspielen kann.</source>
        <translation>Dosya, Duplikon’un çalabileceği bir ses değil.</translation>
    </message>
    <message>
        <source>Der Ton ist kein %1.</source>
        <translation>Ses %1 biçiminde değil.</translation>
    </message>
    <message>
        <source>Das Bild ist kein %1.</source>
        <translation>Resim %1 biçiminde değil.</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß.</source>
        <translation>Resim çok büyük.</translation>
    </message>
    <message numerus="yes">
        <source>Das Paket hat mehr als %n Einträge.</source>
        <translation>
            <numerusform>Paketteki girdi sayısı %n sınırını aşıyor.</numerusform>
        </translation>
    </message>
    <message>
        <source>„%1“ ist verschlüsselt.</source>
        <translation>“%1” şifrelenmiş.</translation>
    </message>
    <message>
        <source>„%1“ steht zweimal im Paket.</source>
        <translation>“%1” pakette iki kez bulunuyor.</translation>
    </message>
    <message>
        <source>manifest.json ist zu groß.</source>
        <translation>manifest.json çok büyük.</translation>
    </message>
    <message>
        <source>Im Paket fehlt manifest.json.</source>
        <translation>Pakette manifest.json eksik.</translation>
    </message>
    <message>
        <source>Im Paket fehlt „%1“.</source>
        <translation>Pakette “%1” eksik.</translation>
    </message>
    <message>
        <source>Die Zeile „%1“ nennt eine Datei, die nicht im Paket ist.</source>
        <translation>“%1” satırı pakette olmayan bir dosyayı gösteriyor.</translation>
    </message>
    <message>
        <source>Die Datei passt nicht zu ihrer Prüfsumme.</source>
        <translation>Dosya sağlama toplamıyla uyuşmuyor.</translation>
    </message>
    <message>
        <source>Die Bilder des Pakets sind zusammen zu groß.</source>
        <translation>Paketteki resimler toplamda çok büyük.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveActions</name>
    <message>
        <source>Duplikon-Aufgaben (*.duplikon *.DUPLIKON)</source>
        <translation>Duplikon alıştırmaları (*.duplikon *.DUPLIKON)</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>Alıştırmayı içe aktar</translation>
    </message>
    <message>
        <source>Aufgabe weitergeben</source>
        <translation>Alıştırmayı dışa aktar</translation>
    </message>
    <message>
        <source>Bitte zuerst unter „Lerndateien“ eine Aufgabe wählen.<byte value="xd" /></source>
        <translation>Lütfen önce “Alıştırma dosyaları” altından bir alıştırma seçin.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Bilder oder Töne fehlen oder sind beschädigt:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />Soll die Aufgabe ohne sie weitergegeben werden?<byte value="xd" />(An ihrer Stelle steht dann ihr Name als Text.)</source>
        <translation>Şu resimler ya da sesler eksik veya bozuk:<byte value="xd" />%1<byte value="xd" /><byte value="xd" />Alıştırma bunlar olmadan dışa aktarılsın mı?<byte value="xd" />(Bunların yerine adları metin olarak görünür.)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 kaydedilemedi:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Aufgabe %1 wurde als %2 gespeichert.<byte value="xd" /></source>
        <translation>%1 alıştırması %2 olarak kaydedildi.<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TaskArchiveFolder</name>
    <message>
        <source>Es gibt schon zu viele Aufgaben mit diesem Namen.</source>
        <translation>Bu adla zaten çok fazla alıştırma var.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht gelesen werden:<byte value="xd" />%2</source>
        <translation>“%1” okunamıyor:<byte value="xd" />%2</translation>
    </message>
    <message numerus="yes">
        <source>„%1“ hat mehr als %n Zeilen.</source>
        <translation>
            <numerusform>“%1” içinde %n satırdan fazla var.</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Bilder und Töne von „%1“ sind zusammen größer als 256 MB.</source>
        <translation>“%1” alıştırmasının resimleri ve sesleri toplamda 256 MB’tan büyük.</translation>
    </message>
    <message>
        <source>Das Paket kann nicht gepackt werden.</source>
        <translation>Paket oluşturulamıyor.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht übernommen werden:<byte value="xd" />%2</source>
        <translation>“%1” içe aktarılamıyor:<byte value="xd" />%2</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ kann nicht angelegt werden.</source>
        <translation>“%1” klasörü oluşturulamıyor.</translation>
    </message>
    <message>
        <source>Die Aufgabe „%1“ wurde übernommen.</source>
        <translation>“%1” alıştırması içe aktarıldı.</translation>
    </message>
    <message>
        <source>Bilder: %1</source>
        <translation>Resimler: %1</translation>
    </message>
    <message>
        <source>Töne: %1</source>
        <translation>Sesler: %1</translation>
    </message>
    <message>
        <source>Nicht übernommen, weil sie zu keiner Aufgabe gehören: %1</source>
        <translation>Hiçbir alıştırmaya ait olmadıkları için içe aktarılmadı: %1</translation>
    </message>
    <message>
        <source>Die Hälfte „%1“ hat keinen Partner: So kann die Aufgabe nicht gelöst werden.</source>
        <translation>“%1” yarısının eşi yok: Alıştırma bu hâliyle çözülemez.</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskChoice</name>
    <message>
        <source>Datei-Wahl:</source>
        <translation>Dosya seçimi:</translation>
    </message>
    <message>
        <source>Datei-Inhalt:</source>
        <translation>Dosya içeriği:</translation>
    </message>
    <message>
        <source>Vorschau:</source>
        <translation>Önizleme:</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>L a d e n</source>
        <translation>A ç</translation>
    </message>
    <message>
        <source>Kurze Dateiwahl</source>
        <translation>Hızlı dosya seçimi</translation>
    </message>
    <message>
        <source>Es sind keine Dateien vorhanden!<byte value="xd" /><byte value="xd" /></source>
        <translation>Hiç dosya yok!<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message numerus="yes">
        <source>Meine Kartei
%n Karten</source>
        <translation>
            <numerusform>Kart kutum
%n kart</numerusform>
        </translation>
    </message>
    <message>
        <source>Meine Kartei
Keine Karte fällig</source>
        <translation>Kart kutum
Şimdilik kart yok</translation>
    </message>
    <message>
        <source>Meine Kartei
1 Karte</source>
        <translation>Kart kutum
1 kart</translation>
    </message>
</context>
<context>
    <name>duplikon::TaskFilePanel</name>
    <message>
        <source>Datei kopieren</source>
        <translation>Dosyayı kopyala</translation>
    </message>
    <message>
        <source>K</source>
        <comment>Alt letter of Datei kopieren</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>Datei drucken</source>
        <translation>Dosyayı yazdır</translation>
    </message>
    <message>
        <source>R</source>
        <comment>Alt letter of Datei drucken</comment>
        <translation>Y</translation>
    </message>
    <message>
        <source>Datei löschen</source>
        <translation>Dosyayı sil</translation>
    </message>
    <message>
        <source>L</source>
        <comment>Alt letter of Datei löschen</comment>
        <translation>S</translation>
    </message>
    <message>
        <source> Lerndateien:</source>
        <translation> Alıştırma dosyaları:</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Dosyayı aç</translation>
    </message>
    <message>
        <source>%1 konnte nicht gelesen werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 okunamadı:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>Aktuelle Datei</source>
        <translation>Geçerli dosya</translation>
    </message>
    <message>
        <source>Es ist keine Datei ausgewählt.<byte value="xd" /></source>
        <translation>Hiçbir dosya seçilmedi.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Neue Datei</source>
        <translation>Yeni dosya</translation>
    </message>
    <message>
        <source>Sie können nun eine neue Datei erstellen.<byte value="xd" /></source>
        <translation>Şimdi yeni bir dosya oluşturabilirsiniz.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>Listelerde hata</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>İki listenin uzunluğu farklı.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind zu lang.,<byte value="xd" />nur 20 Einträge sind zulässig.<byte value="xd" /></source>
        <translation>Listeler çok uzun,<byte value="xd" />yalnızca 20 girişe izin verilir.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Datei sichern</source>
        <translation>Dosyayı kaydet</translation>
    </message>
    <message>
        <source>Namen für die Datei eingeben:<byte value="xd" />(Nur Endung '.TXT' akzeptiert)</source>
        <translation>Dosya için bir ad girin:<byte value="xd" />(Yalnızca '.TXT' uzantısı kabul edilir)</translation>
    </message>
    <message>
        <source>Dieser Name ist für eine Datei nicht zulässig.<byte value="xd" />Bitte einen einfachen Namen ohne "/", "\" und ".." eingeben.<byte value="xd" /></source>
        <translation>Bu ad bir dosya için geçerli değil.<byte value="xd" />Lütfen "/", "\" ve ".." içermeyen basit bir ad girin.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Der Name %1 gehört zu den Einstellungen.<byte value="xd" />Bitte einen anderen Namen eingeben.<byte value="xd" /></source>
        <translation>%1 adı ayarlar için ayrılmıştır.<byte value="xd" />Lütfen başka bir ad girin.<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 sichern</source>
        <translation>%1 dosyasını kaydet</translation>
    </message>
    <message>
        <source>Die Datei ist schon vorhanden,<byte value="xd" />soll sie überschrieben werden?<byte value="xd" /></source>
        <translation>Dosya zaten var,<byte value="xd" />üzerine yazılsın mı?<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 kaydedilemedi:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 wurde gespeichert.<byte value="xd" /></source>
        <translation>%1 kaydedildi.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Ablage</source>
        <translation>Pano</translation>
    </message>
    <message>
        <source>Die Datei wurde in die Ablage kopiert.<byte value="xd" /><byte value="xd" /></source>
        <translation>Dosya panoya kopyalandı.<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Diese Datei jetzt ausdrucken?<byte value="xd" /><byte value="xd" /></source>
        <translation>Bu dosya şimdi yazdırılsın mı?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Dosya yazdırılamadı:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die aktuelle Datei wird gedruckt ...  <byte value="xd" /><byte value="xd" /></source>
        <translation>Geçerli dosya yazdırılıyor ...  <byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>Soll diese Datei gelöscht werden?<byte value="xd" /><byte value="xd" /></source>
        <translation>Bu dosya silinsin mi?<byte value="xd" /><byte value="xd" /></translation>
    </message>
    <message>
        <source>%1 konnte nicht gelöscht werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 silinemedi:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::TextFiles</name>
    <message>
        <source>In den Ordner kann nicht geschrieben werden.</source>
        <translation>Klasöre yazılamıyor.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht vollständig geschrieben werden; der Datenträger ist voll.</source>
        <translation>Dosyanın tamamı yazılamıyor; disk dolu.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht angelegt werden.</source>
        <translation>Dosya oluşturulamıyor.</translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetDialog</name>
    <message>
        <source>&amp;Zuordnen</source>
        <translation>&amp;Eşleştirme</translation>
    </message>
    <message>
        <source>Paar&amp;karten</source>
        <translation>Çift &amp;kartlar</translation>
    </message>
    <message>
        <source>&amp;Lösungsblatt</source>
        <translation>&amp;Cevap anahtarı</translation>
    </message>
    <message>
        <source>&amp;Neu mischen</source>
        <translation>&amp;Yeniden karıştır</translation>
    </message>
    <message>
        <source>&amp;Drucken ...</source>
        <translation>Ya&amp;zdır ...</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern ...</source>
        <translation>&amp;PDF olarak kaydet ...</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>Kapa&amp;t</translation>
    </message>
    <message>
        <source>Arbeitsblatt</source>
        <translation>Çalışma kâğıdı</translation>
    </message>
    <message>
        <source>Art des Blattes</source>
        <translation>Kâğıt türü</translation>
    </message>
    <message>
        <source>Ein Ton ist auf Papier nicht zu hören: Auf dem Blatt steht für ihn ein Lautsprecher mit dem Namen der Datei.</source>
        <translation>Ses kâğıt üzerinde duyulamaz: Kâğıtta sesin yerine dosyanın adıyla birlikte bir hoparlör simgesi görünür.</translation>
    </message>
    <message>
        <source>Das Blatt „%1“ wird gedruckt.</source>
        <translation>“%1” kâğıdı yazdırılıyor.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Kaydedildi: %1</translation>
    </message>
    <message>
        <source>Fehler in Listen</source>
        <translation>Listelerde hata</translation>
    </message>
    <message>
        <source>Die zwei Listen sind verschieden lang.<byte value="xd" /></source>
        <translation>İki listenin uzunluğu farklı.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Die Listen sind leer.<byte value="xd" /></source>
        <translation>Listeler boş.<byte value="xd" /></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Das Blatt konnte nicht gedruckt werden:<byte value="xd" />%1<byte value="xd" /></source>
        <translation>Kâğıt yazdırılamadı:<byte value="xd" />%1<byte value="xd" /></translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>PDF olarak kaydet</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF dosyaları (*.pdf)</translation>
    </message>
    <message>
        <source>%1 konnte nicht gespeichert werden:<byte value="xd" />%2<byte value="xd" /></source>
        <translation>%1 kaydedilemedi:<byte value="xd" />%2<byte value="xd" /></translation>
    </message>
</context>
<context>
    <name>duplikon::WorksheetLayout</name>
    <message>
        <source>Name:</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Tarih:</translation>
    </message>
    <message>
        <source>Mischung Nr. %1</source>
        <translation>Karıştırma No. %1</translation>
    </message>
    <message>
        <source>Lösungsblatt: %1</source>
        <translation>Cevap anahtarı: %1</translation>
    </message>
    <message>
        <source>Zum Blatt "Zuordnen" mit Mischung Nr. %1</source>
        <translation>“Eşleştirme” kâğıdı için: Karıştırma No. %1</translation>
    </message>
</context>
<context>
    <name>duplikon::main</name>
    <message>
        <source>duplikon: %1
Mehr mit „duplikon --help“.
</source>
        <translation>duplikon: %1
Ayrıntılar için: “duplikon --help”.
</translation>
    </message>
    <message>
        <source>Aufgabe übernehmen</source>
        <translation>Alıştırmayı içe aktar</translation>
    </message>
</context>
</TS>
