// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"
#include "LanguageSwitch.h"
#include "editor/EditorHost.h"
#include "editor/EditorSymbols.h"
#include "editor/EditorWindow.h"
#include "editor/HelpLine.h"
#include "editor/PairLists.h"
#include "editor/SoundRecording.h"
#include "pictures/PictureBox.h"
#include "platform/ClassroomConfig.h"
#include "platform/FileLists.h"
#include "platform/Geometry.h"
#include "platform/ListBox.h"
#include "tasks/TaskFolder.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace duplikon;
using namespace duplikon::test;

namespace {

// A control of the window by its design name.
template<class T>
T *child(QObject *root, const char *name)
{
    T *found = root->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// The main window as the editor sees it: the folder's model, and its File1
// with the row `selected` chosen.
class FakeHost : public EditorHost {
public:
    QString folder;
    std::unique_ptr<TaskFolder> model;
    QStringList files; // File1 as listed at the start
    int selected = -1;
    int refreshes = 0; // readings of the folder that found it changed
    int left = 0;
    ClassroomConfig *extra = nullptr;

    QString programFolder() const override { return folder; }
    ClassroomConfig *classroomConfig() const override { return extra; }
    TaskFolder *taskFolder() const override { return model.get(); }
    QString chosenTaskFile() const override { return files.value(selected); }
    void editorLeft() override { ++left; }
};

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

void writePicture(const QString &path, const QColor &colour, const char *format)
{
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(colour);
    QVERIFY(img.save(path, format));
}

QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

int selectedRow(const QListWidget *list)
{
    const auto rows = list->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void hover(QWidget *w)
{
    QWidget *target = w;
    if (auto *area = qobject_cast<QAbstractScrollArea *>(w))
        target = area->viewport();
    const QPoint pos = target->rect().center();
    QMouseEvent move(QEvent::MouseMove, pos, target->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

void clickRow(QListWidget *list, int row)
{
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowHasItsDesignFrameAndControls();
    void symbolButtonsWorkOnTheSelectedEntryOnly();
    void movesExchangeWithWrapAroundAndPreviewTheMovedEntry();
    void text1NeverHoldsALineBreak();
    void listClickPreviewsPicturesWhateverTheirLetterCase();
    void helpLineAndLengthWarnings();
    void savingRefusesUnequalOrTooLongListsAndBadNames();
    void savingWritesPairsAsCrLfLinesAndRefreshesBothFileLists();
    void overwriteQuestionAndItsNo();
    void failedSaveSaysSoAndWritesNothing();
    void openingByFile2KeepsEmptyEntriesAndCurrentFileDropsThem();
    void unreadableFileLeavesTheListsAlone();
    void newFileCopyAndPrint();
    void deletingATaskFile();
    void folderListOffersProgramFolderAndDirectSubfolders();
    void droppingThePreviewAppendsTheRelativePath();
    void largePreviewCyclesAndClosesEveryWay();
    void keysPutThePictureIntoEitherListAndBrowseTheLargePreview();
    void ownPicturesComeInByMenuDropAndPasteAndBadFilesAreNamed();
    void soundsAreListedPlayedDroppedAndImported();
    void aTaskIsPassedOnAndComesBackByMenuAndDrop();
    void recordingAddsNumberedSoundsToTheFocusedList();
    // the parts alone, without the window
    void helpLineGoesBackToTheTextBeforeUnlessAnotherCame();
    void recordingTakesTheNextFreeNameAndTouchesNoOtherFile();
    void abbruchKeepsListsAndCloseBoxStartsAfresh();
    void returningFromAnotherWindowActivatesButAMessageBoxDoesNot();

private:
    EditorWindow *open();
    ListBox *list(const char *name) { return child<ListBox>(m_win, name); }
    QLabel *label(const char *name) { return child<QLabel>(m_win, name); }
    PictureBox *box(const char *name) { return child<PictureBox>(m_win, name); }
    QLineEdit *text1() { return child<QLineEdit>(m_win, "Text1"); }
    void button(const char *name) { QTest::mouseClick(child<SymbolButton>(m_win, name), Qt::LeftButton); }
    void trigger(const char *name) { child<QAction>(m_win, name)->trigger(); }
    // Fills a list as the program does, without a click.
    void fillList(const char *name, const QStringList &entries) { list(name)->setEntries(entries); }
    QString hilfe() { return label("hilfe")->text(); }
    // The large preview is open exactly when vorschau stands at Left 240.
    bool largePreviewOpen() { return child<QWidget>(m_win, "vorschau")->x() == 240 / 15; }

    QTemporaryDir *m_dir = nullptr;
    QString m_folder;
    FakePlatform *m_fake = nullptr;
    FakeHost m_host;
    QPointer<EditorWindow> m_win;
};

void EditorWindowTest::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + QStringLiteral("/Prog");
    QDir().mkpath(m_folder + QStringLiteral("/Bilder/Tief"));
    QDir().mkpath(m_folder + QStringLiteral("/Leer"));
    writePicture(m_folder + QStringLiteral("/HUND.BMP"), Qt::red, "BMP");
    writePicture(m_folder + QStringLiteral("/katze.jpg"), Qt::blue, "JPG");
    writePicture(m_folder + QStringLiteral("/Bilder/a.bmp"), Qt::green, "BMP");
    writePicture(m_folder + QStringLiteral("/Bilder/b.bmp"), Qt::yellow, "BMP");
    writePicture(m_folder + QStringLiteral("/Bilder/c.bmp"), Qt::cyan, "BMP");
    writePicture(m_folder + QStringLiteral("/Bilder/Tief/d.bmp"), Qt::gray, "BMP");
    writeBytes(m_folder + QStringLiteral("/TIERE.TXT"), "Hund\r\nHUND.BMP\r\nKatze\r\nkatze.jpg\r\n");
    writeBytes(m_folder + QStringLiteral("/luecken.txt"), "Hund\r\n\r\n\r\nKatze.bmp\nMaus\rMaus.bmp\r\nIgel");
    m_fake = new FakePlatform;
    m_host = FakeHost();
    m_host.folder = m_folder + QLatin1Char('/');
    m_host.model = std::make_unique<TaskFolder>(m_folder);
    m_host.files = m_host.model->taskFiles();
    QObject::connect(m_host.model.get(), &TaskFolder::changed, [this] { ++m_host.refreshes; });
}

void EditorWindowTest::cleanup()
{
    delete m_win;
    delete m_fake;
    delete m_dir;
}

EditorWindow *EditorWindowTest::open()
{
    m_win = new EditorWindow(m_fake->platform(), &m_host);
    m_win->show();
    return m_win;
}

void EditorWindowTest::windowHasItsDesignFrameAndControls()
{
    open();
    QCOMPARE(m_win->objectName(), QStringLiteral("Form2"));
    QCOMPARE(m_win->windowTitle(), QStringLiteral("Duplikon: Editor"));
    QCOMPARE(m_win->centralWidget()->size(), QSize(864, 576));
    QCOMPARE(m_win->minimumSize(), m_win->maximumSize());
    QCOMPARE(list("List1")->geometry(), QRect(240, 168, 193, 274));
    QCOMPARE(list("File2")->geometry(), QRect(448, 40, 193, 402));
    QCOMPARE(box("Lupe2")->geometry(), QRect(672, 40, 161, 121));
    QCOMPARE(m_win->findChild<QWidget *>("Picture13")->geometry(), QRect(720, 448, 33, 33));
    QCOMPARE(m_win->findChild<QWidget *>("Picture13")->toolTip(), QStringLiteral("Text ersetzen"));
    QCOMPARE(box("Lupe1")->toolTip(), QStringLiteral("Vorschau der Listen"));
    QCOMPARE(text1()->text(), QStringLiteral("Text eingeben"));
    QCOMPARE(hilfe(), QStringLiteral("Hilfetexte"));
    QCOMPARE(label("Label4")->text(), QStringLiteral("0"));
    QCOMPARE(label("Label9")->text(), QStringLiteral("2"));
    QCOMPARE(items(list("File2")), (QStringList{"luecken.txt", "TIERE.TXT"}));
    QCOMPARE(list("List1")->palette().color(QPalette::Base), QColor(192, 255, 192));
    QCOMPARE(list("List1")->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(text1()->font().pointSizeF(), 12.0);
    // like buttons of the two columns show the same symbol
    QCOMPARE(m_win->findChild<SymbolButton *>("Picture2")->symbol(), m_win->findChild<SymbolButton *>("Picture9")->symbol());
    QVERIFY(m_win->findChild<SymbolButton *>("Picture5")->symbol() != m_win->findChild<SymbolButton *>("Picture6")->symbol());
    QStringList menus;
    for (QAction *a : m_win->menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus, (QStringList{"&Abbruch", "&Datei", "&Großbild"})); // Alt and the marked letter
    QVERIFY(!largePreviewOpen());
    QCOMPARE(m_win->findChild<QWidget *>("vorschau")->x(), 13080 / 15);
    // Every text follows a change of language at once, and German comes back unchanged.
    QCOMPARE(textsNotFollowingLanguage(m_win), QStringList());

    if (qEnvironmentVariableIsSet("DUPLIKON_EDITOR_SHOT")) {
        clickRow(list("File2"), 1);
        clickRow(list("List3"), 1);
        m_win->grab().save(qEnvironmentVariable("DUPLIKON_EDITOR_SHOT"));
        trigger("menu3");
        m_win->grab().save(qEnvironmentVariable("DUPLIKON_EDITOR_SHOT") + QStringLiteral(".gross.png"));
    }
}

void EditorWindowTest::symbolButtonsWorkOnTheSelectedEntryOnly()
{
    open();
    struct Column { const char *list, *label, *insert, *up, *replace, *take, *down, *del; };
    const Column columns[] = {
        {"List1", "Label4", "Picture2", "Picture5", "Picture4", "Picture3", "Picture6", "Picture7"},
        {"List2", "Label5", "Picture9", "Picture8", "Picture13", "Picture11", "Picture10", "Picture12"},
    };
    for (const Column &c : columns) {
        QListWidget *l = list(c.list);
        // insert appends whatever Text1 holds, an empty text too; the selection stays
        text1()->setText(QStringLiteral("eins"));
        button(c.insert);
        text1()->clear();
        button(c.insert);
        text1()->setText(QStringLiteral("drei"));
        button(c.insert);
        QCOMPARE(items(l), (QStringList{"eins", "", "drei"}));
        QCOMPARE(selectedRow(l), -1);
        QCOMPARE(label(c.label)->text(), QStringLiteral("3"));

        // without a selection take, replace, delete and the moves do nothing
        text1()->setText(QStringLiteral("neu"));
        button(c.take);
        button(c.replace);
        button(c.del);
        button(c.up);
        button(c.down);
        QCOMPARE(items(l), (QStringList{"eins", "", "drei"}));
        QCOMPARE(text1()->text(), QStringLiteral("neu"));

        clickRow(l, 0);
        button(c.take);
        QCOMPARE(text1()->text(), QStringLiteral("eins"));
        text1()->setText(QStringLiteral("EINS"));
        button(c.replace);
        QCOMPARE(items(l), (QStringList{"EINS", "", "drei"}));
        QCOMPARE(selectedRow(l), 0);

        // delete removes the selected entry; the count waits for ListenPruefen
        clickRow(l, 1);
        button(c.del);
        QCOMPARE(items(l), (QStringList{"EINS", "drei"}));
        QCOMPARE(selectedRow(l), -1);
        QCOMPARE(label(c.label)->text(), QStringLiteral("3"));
        hover(l);
        QCOMPARE(label(c.label)->text(), QStringLiteral("2"));
    }
    // neither column touched the other
    QCOMPARE(items(list("List1")), (QStringList{"EINS", "drei"}));
    QCOMPARE(items(list("List2")), (QStringList{"EINS", "drei"}));
}

void EditorWindowTest::movesExchangeWithWrapAroundAndPreviewTheMovedEntry()
{
    open();
    fillList("List2", {"erstes", "zweites", "HUND.BMP"});
    clickRow(list("List2"), 0);
    button("Picture8"); // up from the first: exchanged with the last
    QCOMPARE(items(list("List2")), (QStringList{"HUND.BMP", "zweites", "erstes"}));
    QCOMPARE(selectedRow(list("List2")), 2);
    QVERIFY(!box("Lupe2")->hasPicture());
    button("Picture10"); // down from the last: exchanged with the first
    QCOMPARE(items(list("List2")), (QStringList{"erstes", "zweites", "HUND.BMP"}));
    QCOMPARE(selectedRow(list("List2")), 0);
    button("Picture10");
    button("Picture10");
    QCOMPARE(items(list("List2")), (QStringList{"zweites", "HUND.BMP", "erstes"}));
    // selecting the moved entry previews it, as a click would
    clickRow(list("List2"), 1);
    button("Picture8");
    QCOMPARE(items(list("List2")), (QStringList{"HUND.BMP", "zweites", "erstes"}));
    QCOMPARE(selectedRow(list("List2")), 0);
    QVERIFY(box("Lupe2")->hasPicture());
    clickRow(list("List2"), 1);
    QVERIFY(!box("Lupe2")->hasPicture());
    QCOMPARE(items(list("List1")), QStringList());

    // a single entry does not move
    fillList("List1", {"allein"});
    clickRow(list("List1"), 0);
    button("Picture5");
    button("Picture6");
    QCOMPARE(items(list("List1")), QStringList{"allein"});
}

void EditorWindowTest::text1NeverHoldsALineBreak()
{
    open();
    text1()->setText(QStringLiteral("Hund\r\nKatze\nMaus"));
    QVERIFY(!text1()->text().contains(QLatin1Char('\n')));
    QVERIFY(!text1()->text().contains(QLatin1Char('\r')));
    button("Picture2");
    QCOMPARE(items(list("List1")), QStringList{"Hund Katze Maus"});
}

void EditorWindowTest::listClickPreviewsPicturesWhateverTheirLetterCase()
{
    open();
    fillList("List1", {"hund.bmp", "HUND.BMP", "Hund", "Bilder\\A.BMP", "fehlt.gif", "KATZE.JPG"});
    clickRow(list("List1"), 0);
    QVERIFY(box("Lupe1")->hasPicture());
    QCOMPARE(box("Lupe1")->image().pixelColor(0, 0), QColor(Qt::red));
    clickRow(list("List1"), 2); // a text entry clears the preview, even with a file HUND
    QVERIFY(!box("Lupe1")->hasPicture());
    clickRow(list("List1"), 3);
    QCOMPARE(box("Lupe1")->image().pixelColor(0, 0), QColor(Qt::green));
    clickRow(list("List1"), 4); // a missing picture shows its name
    QVERIFY(!box("Lupe1")->hasPicture());
    QCOMPARE(box("Lupe1")->note(), QStringLiteral("fehlt.gif"));
    clickRow(list("List1"), 5);
    QVERIFY(box("Lupe1")->hasPicture());
    QVERIFY(!box("Lupe2")->hasPicture());
    clickRow(list("List1"), 2);
    button("Picture7"); // deleting "Hund" does not preview the picture moving up
    QVERIFY(!box("Lupe1")->hasPicture());
}

void EditorWindowTest::helpLineAndLengthWarnings()
{
    open();
    const struct { const char *control; QString text; } table[] = {
        {"List1", QStringLiteral("In dieser grünen Liste stehen die linken Teilpaare oder Aufgaben ...")},
        {"List2", QStringLiteral("In dieser blauen Liste stehen die rechten Teilpaare oder Lösungen ...")},
        {"Text1", QStringLiteral("Hier die gewünschten Texte eingeben und mit den Symbolen einsetzen ...")},
        {"File2", QStringLiteral("In dieser roten Liste stehen die Quelldateien mit den Daten ...")},
        {"List3", QStringLiteral("Aus dieser Ordnerliste einen Ordner durch Anklicken auswählen ...")},
        {"File1", QStringLiteral("Aus dieser Bildliste ein aktuelles Bild durch Anklicken auswählen ...")},
        {"Picture1", QStringLiteral("Das Vorschaubild mit Drag&Drop in das grüne oder blaue Fenster ziehen ...")},
    };
    for (const auto &row : table) {
        hover(m_win->findChild<QWidget *>(QLatin1String(row.control)));
        QCOMPARE(hilfe(), row.text);
    }
    // other parts of the window leave the text alone
    hover(label("Label8"));
    QCOMPARE(hilfe(), table[6].text);

    QStringList eleven;
    for (int i = 0; i < 11; ++i)
        eleven << QString::number(i);
    fillList("List1", eleven);
    fillList("List2", {"a", "b", "c"});
    hover(list("List2"));
    QCOMPARE(hilfe(), QStringLiteral("Liste 1 hat mehr als 10 Elemente."));
    QCOMPARE(label("Label4")->text(), QStringLiteral("11"));
    fillList("List2", eleven);
    hover(list("List1"));
    QCOMPARE(hilfe(), QStringLiteral("Liste 2 hat mehr als 10 Elemente."));
    // the warning stays after deleting back to 10, until another help text replaces it
    clickRow(list("List1"), 0);
    button("Picture7");
    clickRow(list("List2"), 0);
    button("Picture12");
    hover(list("List1"));
    QCOMPARE(hilfe(), table[0].text);
    fillList("List2", eleven);
    hover(list("List1"));
    QCOMPARE(hilfe(), QStringLiteral("Liste 2 hat mehr als 10 Elemente."));
    fillList("List2", {});
    hover(list("List2"));
    QCOMPARE(hilfe(), table[1].text);
    QStringList twelve = eleven;
    twelve << "x";
    fillList("List2", twelve);
    hover(text1());
    QCOMPARE(hilfe(), table[2].text);
    // an insert checks the lists again
    button("Picture9");
    QCOMPARE(hilfe(), QStringLiteral("Liste 2 hat mehr als 10 Elemente."));
}

void EditorWindowTest::savingRefusesUnequalOrTooLongListsAndBadNames()
{
    open();
    fillList("List1", {"a", "b", "c"});
    fillList("List2", {"1", "2", "3", "4"});
    trigger("menu2d");
    QCOMPARE(m_fake->dialogs.shown.size(), 1);
    QCOMPARE(m_fake->dialogs.shown[0].title, QStringLiteral("Fehler in Listen"));
    QCOMPARE(m_fake->dialogs.shown[0].text, QStringLiteral("Die zwei Listen sind verschieden lang.\r"));
    // a worksheet is refused the same way, and no dialog opens
    trigger("worksheet");
    QCOMPARE(m_fake->dialogs.shown.size(), 2);
    QCOMPARE(m_fake->dialogs.shown[1].text, m_fake->dialogs.shown[0].text);
    m_fake->dialogs.clear();

    QStringList many;
    for (int i = 0; i < 21; ++i)
        many << QString::number(i);
    fillList("List1", many);
    fillList("List2", many);
    m_fake->dialogs.clear();
    trigger("menu2d");
    QCOMPARE(m_fake->dialogs.shown.size(), 1);
    QCOMPARE(m_fake->dialogs.shown[0].text, QStringLiteral("Die Listen sind zu lang.,\rnur 20 Einträge sind zulässig.\r"));

    fillList("List1", {"a"});
    fillList("List2", {"1"});
    const QStringList before = QDir(m_folder).entryList(QDir::Files);
    for (const QString &bad : {QStringLiteral("../weg"), QStringLiteral("Bilder\\neu"), QStringLiteral("  ")}) {
        m_fake->dialogs.clear();
        m_fake->dialogs.inputAnswers = QStringList{bad};
        trigger("menu2d");
        QCOMPARE(m_fake->dialogs.titles(), (QStringList{"Datei sichern", "Datei sichern"}));
        QCOMPARE(m_fake->dialogs.shown[1].kind, ShownDialog::Message);
        QVERIFY(m_fake->dialogs.shown[1].text.contains(QStringLiteral("nicht zulässig")));
    }
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), before);
    QVERIFY(!QFile::exists(m_dir->path() + QStringLiteral("/WEG.TXT")));
    // a cancelled name box ends silently
    m_fake->dialogs.clear();
    trigger("menu2d");
    QCOMPARE(m_fake->dialogs.shown.size(), 1);
    QCOMPARE(m_fake->dialogs.shown[0].text, QStringLiteral("Namen für die Datei eingeben:\r(Nur Endung '.TXT' akzeptiert)"));
    QCOMPARE(m_host.refreshes, 0);
}

void EditorWindowTest::savingWritesPairsAsCrLfLinesAndRefreshesBothFileLists()
{
    open();
    QStringList left, right;
    QByteArray expected;
    for (int i = 0; i < 11; ++i) {
        left << QStringLiteral("Wort %1").arg(i);
        right << (i == 3 ? QStringLiteral("Bilder\\a.bmp") : i == 5 ? QString() : QStringLiteral("Größe %1").arg(i));
        expected += left.last().toLatin1() + "\r\n" + right.last().toLatin1() + "\r\n";
    }
    expected.replace("Gr\xc3\xb6\xc3\x9f" "e", "Gr\xf6\xdf" "e"); // Windows-1252
    fillList("List1", left);
    fillList("List2", right);
    m_fake->dialogs.inputAnswers = QStringList{"tiere2"};
    int refreshesDuringMessage = 0;
    m_fake->dialogs.onShow = [&](const ShownDialog &d) {
        if (d.title == QLatin1String("Datei sichern") && d.kind == ShownDialog::Message)
            refreshesDuringMessage = m_host.refreshes;
    };
    trigger("menu2d");
    QCOMPARE(m_fake->dialogs.shown.last().text, QStringLiteral("TIERE2.TXT wurde gespeichert.\r"));
    QCOMPARE(refreshesDuringMessage, 1);
    QCOMPARE(m_host.refreshes, 1);
    const QByteArray bytes = readBytes(m_folder + QStringLiteral("/TIERE2.TXT"));
    QCOMPARE(bytes, expected);
    QCOMPARE(bytes.count("\r\n"), 22);
    QVERIFY(items(list("File2")).contains(QStringLiteral("TIERE2.TXT")));
    QCOMPARE(label("Label9")->text(), QStringLiteral("3"));
    QVERIFY(m_host.model->taskFiles().contains(QStringLiteral("TIERE2.TXT")));
    // the lists are left as they were
    QCOMPARE(items(list("List1")), left);

    // 0 pairs: an empty file; a name with another ending keeps it
    fillList("List1", {});
    fillList("List2", {});
    m_fake->dialogs.inputAnswers = QStringList{"leer.txt"};
    trigger("menu2d");
    QCOMPARE(readBytes(m_folder + QStringLiteral("/LEER.TXT")), QByteArray());
    m_fake->dialogs.inputAnswers = QStringList{"notiz.doc"};
    trigger("menu2d");
    QVERIFY(QFile::exists(m_folder + QStringLiteral("/NOTIZ.DOC")));
    QVERIFY(!items(list("File2")).contains(QStringLiteral("NOTIZ.DOC")));
}

void EditorWindowTest::overwriteQuestionAndItsNo()
{
    open();
    fillList("List1", {"x"});
    fillList("List2", {"y"});
    m_fake->dialogs.inputAnswers = QStringList{"Tiere"};
    m_fake->dialogs.yesNoAnswers = {false};
    trigger("menu2d");
    QCOMPARE(m_fake->dialogs.shown.size(), 2);
    QCOMPARE(m_fake->dialogs.shown[1].kind, ShownDialog::Question);
    QCOMPARE(m_fake->dialogs.shown[1].title, QStringLiteral("TIERE.TXT sichern"));
    QCOMPARE(m_fake->dialogs.shown[1].text, QStringLiteral("Die Datei ist schon vorhanden,\rsoll sie überschrieben werden?\r"));
    QCOMPARE(readBytes(m_folder + QStringLiteral("/TIERE.TXT")), QByteArray("Hund\r\nHUND.BMP\r\nKatze\r\nkatze.jpg\r\n"));
    QCOMPARE(m_host.refreshes, 0);

    // Yes replaces it; a file listed in small letters is the same file
    m_fake->dialogs.clear();
    m_fake->dialogs.inputAnswers = QStringList{"luecken"};
    m_fake->dialogs.yesNoAnswers = {true};
    trigger("menu2d");
    QCOMPARE(m_fake->dialogs.shown[1].title, QStringLiteral("LUECKEN.TXT sichern"));
    QCOMPARE(readBytes(m_folder + QStringLiteral("/luecken.txt")), QByteArray("x\r\ny\r\n"));
    QCOMPARE(QDir(m_folder).entryList({"*.txt"}, QDir::Files).size(), 2);

    // the settings file's name is refused; a picture that File1 does not list is asked about
    writeBytes(m_folder + QStringLiteral("/duplikon.ini"), " 0 \r\n");
    const QByteArray picture = readBytes(m_folder + QStringLiteral("/HUND.BMP"));
    m_fake->dialogs.clear();
    m_fake->dialogs.inputAnswers = QStringList{"Duplikon.ini", "hund.bmp"};
    m_fake->dialogs.yesNoAnswers = {false};
    trigger("menu2d");
    trigger("menu2d");
    QCOMPARE(m_fake->dialogs.titles(), (QStringList{"Datei sichern", "Datei sichern", "Datei sichern", "HUND.BMP sichern"}));
    QCOMPARE(m_fake->dialogs.shown[1].text,
             QStringLiteral("Der Name DUPLIKON.INI gehört zu den Einstellungen.\rBitte einen anderen Namen eingeben.\r"));
    QCOMPARE(m_fake->dialogs.shown[3].kind, ShownDialog::Question);
    QCOMPARE(m_fake->dialogs.shown[3].text, QStringLiteral("Die Datei ist schon vorhanden,\rsoll sie überschrieben werden?\r"));
    QCOMPARE(readBytes(m_folder + QStringLiteral("/duplikon.ini")), QByteArray(" 0 \r\n"));
    QCOMPARE(readBytes(m_folder + QStringLiteral("/HUND.BMP")), picture);
}

void EditorWindowTest::failedSaveSaysSoAndWritesNothing()
{
    open();
    fillList("List1", {"x"});
    fillList("List2", {"y"});
    // the program folder has gone: nothing can be written there
    QVERIFY(QDir(m_folder).removeRecursively());
    m_fake->dialogs.inputAnswers = QStringList{"neu"};
    trigger("menu2d");
    QCOMPARE(m_fake->dialogs.shown.size(), 2);
    QCOMPARE(m_fake->dialogs.shown[1].title, QStringLiteral("Datei sichern"));
    QVERIFY(m_fake->dialogs.shown[1].text.startsWith(QStringLiteral("NEU.TXT konnte nicht gespeichert werden:\r")));
    QVERIFY(!m_fake->dialogs.shown[1].text.contains(QStringLiteral("wurde gespeichert")));
    QCOMPARE(m_host.refreshes, 0);
}

void EditorWindowTest::openingByFile2KeepsEmptyEntriesAndCurrentFileDropsThem()
{
    open();
    // lines end at CR LF, CR or LF; an odd last line goes to the green list
    clickRow(list("File2"), 0);
    QCOMPARE(items(list("List1")), (QStringList{"Hund", "", "Maus", "Igel"}));
    QCOMPARE(items(list("List2")), (QStringList{"", "Katze.bmp", "Maus.bmp"}));
    QCOMPARE(selectedRow(list("List1")), 0);
    QCOMPARE(selectedRow(list("List2")), 0);
    QCOMPARE(label("Label4")->text(), QStringLiteral("4"));
    QCOMPARE(label("Label5")->text(), QStringLiteral("3"));

    clickRow(list("File2"), 1);
    QCOMPARE(items(list("List2")), (QStringList{"HUND.BMP", "katze.jpg"}));
    QVERIFY(box("Lupe2")->hasPicture()); // the first entry is previewed
    QVERIFY(!box("Lupe1")->hasPicture());

    // "aktuelle Datei" without a chosen task
    trigger("menu2a");
    QCOMPARE(m_fake->dialogs.shown.last().title, QStringLiteral("Aktuelle Datei"));
    QCOMPARE(m_fake->dialogs.shown.last().text, QStringLiteral("Es ist keine Datei ausgewählt.\r"));
    QCOMPARE(items(list("List1")), (QStringList{"Hund", "Katze"}));

    m_host.selected = 0; // luecken.txt
    trigger("menu2a");
    QCOMPARE(items(list("List1")), (QStringList{"Hund", "Maus", "Igel"}));
    QCOMPARE(items(list("List2")), (QStringList{"Katze.bmp", "Maus.bmp"}));
    QCOMPARE(selectedRow(list("List1")), -1);
    QVERIFY(box("Lupe2")->hasPicture()); // previews and counts wait
    QCOMPARE(label("Label4")->text(), QStringLiteral("2"));
    hover(list("List1"));
    QCOMPARE(label("Label4")->text(), QStringLiteral("3"));
}

void EditorWindowTest::unreadableFileLeavesTheListsAlone()
{
    open();
    fillList("List1", {"bleibt"});
    QVERIFY(QFile::remove(m_folder + QStringLiteral("/TIERE.TXT")));
    clickRow(list("File2"), 1);
    QCOMPARE(m_fake->dialogs.shown.size(), 1);
    QVERIFY(m_fake->dialogs.shown[0].text.startsWith(QStringLiteral("TIERE.TXT konnte nicht gelesen werden:\r")));
    QCOMPARE(items(list("List1")), QStringList{"bleibt"});

    m_host.selected = 1;
    trigger("menu2a");
    QCOMPARE(m_fake->dialogs.shown.size(), 2);
    QCOMPARE(m_fake->dialogs.shown[1].title, QStringLiteral("Aktuelle Datei"));
    QVERIFY(m_fake->dialogs.shown[1].text.contains(QStringLiteral("TIERE.TXT")));
    QCOMPARE(items(list("List1")), QStringList{"bleibt"});
}

void EditorWindowTest::newFileCopyAndPrint()
{
    open();
    clickRow(list("File2"), 1);
    QVERIFY(box("Lupe2")->hasPicture());
    fillList("List2", {"1", "2", "3", "4", "5"});
    fillList("List1", {"a", "b", "c"});

    QTest::mouseClick(label("Label10"), Qt::LeftButton);
    QCOMPARE(m_fake->clipboard.text, QStringLiteral("a\r\n1\r\nb\r\n2\r\nc\r\n3\r\n"));
    QCOMPARE(m_fake->dialogs.shown.last().title, QStringLiteral("Ablage"));
    QCOMPARE(m_fake->dialogs.shown.last().text, QStringLiteral("Die Datei wurde in die Ablage kopiert.\r\r"));

    // printing asks about the selected task file and prints the lists
    m_fake->dialogs.clear();
    m_fake->dialogs.yesNoAnswers = {false};
    QTest::mouseClick(label("Label11"), Qt::LeftButton);
    QCOMPARE(m_fake->dialogs.shown.size(), 1);
    QCOMPARE(m_fake->dialogs.shown[0].title, QStringLiteral("TIERE.TXT"));
    QCOMPARE(m_fake->dialogs.shown[0].text, QStringLiteral("Diese Datei jetzt ausdrucken?\r\r"));
    QCOMPARE(m_fake->printer.pages.size(), 0);
    m_fake->dialogs.yesNoAnswers = {true};
    QTest::mouseClick(label("Label11"), Qt::LeftButton);
    QCOMPARE(m_fake->printer.pages.size(), 1);
    QCOMPARE(m_fake->dialogs.shown.last().title, QStringLiteral("Drucken"));
    QCOMPARE(m_fake->dialogs.shown.last().text, QStringLiteral("Die aktuelle Datei wird gedruckt ...  \r\r"));
    // six lines from the top-left corner: ink at the top, none below them
    const QImage page = m_fake->printer.pages[0];
    auto inkInRows = [&](int from, int to) {
        for (int y = from; y < to; ++y)
            for (int x = 0; x < page.width(); x += 2)
                if (qGray(page.pixel(x, y)) < 128)
                    return true;
        return false;
    };
    QVERIFY(inkInRows(0, 100));
    QVERIFY(!inkInRows(1000, page.height()));

    // 40 lines still fit on the page
    QStringList forty;
    for (int i = 0; i < 20; ++i)
        forty << QStringLiteral("Zeile %1").arg(i);
    fillList("List1", forty);
    fillList("List2", forty);
    m_fake->dialogs.yesNoAnswers = {true};
    QTest::mouseClick(label("Label11"), Qt::LeftButton);
    QCOMPARE(m_fake->printer.pages.size(), 2);
    const QImage full = m_fake->printer.pages[1];
    bool inkNearBottom = false;
    for (int y = full.height() - 200; y < full.height() && !inkNearBottom; ++y)
        for (int x = 0; x < 400; ++x)
            if (qGray(full.pixel(x, y)) < 128)
                inkNearBottom = true;
    QVERIFY(inkNearBottom);

    // no printer: a clear message, the lists unchanged
    m_fake->printer.fail = true;
    m_fake->dialogs.clear();
    m_fake->dialogs.yesNoAnswers = {true};
    QTest::mouseClick(label("Label11"), Qt::LeftButton);
    QCOMPARE(m_fake->dialogs.shown.last().title, QStringLiteral("Drucken"));
    QVERIFY(m_fake->dialogs.shown.last().text.contains(QStringLiteral("Es ist kein Drucker eingerichtet.")));
    QCOMPARE(items(list("List1")), forty);

    // "neue Datei ..." empties everything without asking
    m_fake->dialogs.clear();
    trigger("menu2b");
    QCOMPARE(items(list("List1")), QStringList());
    QCOMPARE(items(list("List2")), QStringList());
    QVERIFY(!box("Lupe2")->hasPicture());
    QCOMPARE(text1()->text(), QString());
    QCOMPARE(m_fake->dialogs.titles(), QStringList{"Neue Datei"});
    QCOMPARE(m_fake->dialogs.shown[0].text, QStringLiteral("Sie können nun eine neue Datei erstellen.\r"));
    // a click on the task file that is still selected opens it again
    QCOMPARE(selectedRow(list("File2")), 1);
    clickRow(list("File2"), 1);
    QCOMPARE(items(list("List1")), (QStringList{"Hund", "Katze"}));

    // without a selected task file printing and deleting do nothing
    m_win->findChild<QListWidget *>("File2")->clearSelection();
    m_fake->dialogs.clear();
    QTest::mouseClick(label("Label11"), Qt::LeftButton);
    QTest::mouseClick(label("Label12"), Qt::LeftButton);
    QCOMPARE(m_fake->dialogs.shown.size(), 0);
}

void EditorWindowTest::deletingATaskFile()
{
    open();
    clickRow(list("File2"), 1);
    const QStringList lists = items(list("List1"));
    m_fake->dialogs.clear();
    m_fake->dialogs.yesNoAnswers = {false};
    QTest::mouseClick(label("Label12"), Qt::LeftButton);
    QCOMPARE(m_fake->dialogs.shown[0].title, QStringLiteral("TIERE.TXT"));
    QCOMPARE(m_fake->dialogs.shown[0].text, QStringLiteral("Soll diese Datei gelöscht werden?\r\r"));
    QVERIFY(QFile::exists(m_folder + QStringLiteral("/TIERE.TXT")));

    m_fake->dialogs.yesNoAnswers = {true};
    QTest::mouseClick(label("Label12"), Qt::LeftButton);
    QVERIFY(!QFile::exists(m_folder + QStringLiteral("/TIERE.TXT")));
    QCOMPARE(items(list("File2")), QStringList{"luecken.txt"});
    QCOMPARE(label("Label9")->text(), QStringLiteral("1"));
    QCOMPARE(items(list("List1")), lists);

    // a delete that fails says so
    clickRow(list("File2"), 0);
    QVERIFY(QFile::remove(m_folder + QStringLiteral("/luecken.txt")));
    m_fake->dialogs.clear();
    m_fake->dialogs.yesNoAnswers = {true};
    QTest::mouseClick(label("Label12"), Qt::LeftButton);
    QCOMPARE(m_fake->dialogs.shown.size(), 2);
    QCOMPARE(m_fake->dialogs.shown[1].title, QStringLiteral("Datei löschen"));
    QVERIFY(m_fake->dialogs.shown[1].text.startsWith(QStringLiteral("luecken.txt konnte nicht gelöscht werden:\r")));
}

void EditorWindowTest::folderListOffersProgramFolderAndDirectSubfolders()
{
    open();
    QCOMPARE(items(list("List3")), (QStringList{"Prog\\", "Prog\\Bilder", "Prog\\Leer"}));
    QCOMPARE(selectedRow(list("List3")), 0);
    QCOMPARE(label("langname")->text(), m_folder + QLatin1Char('/'));
    QCOMPARE(label("pfadname")->text(), m_dir->path() + QLatin1Char('/'));
    // at the first opening the picture list shows the program folder, nothing chosen
    QCOMPARE(items(list("File1")), (QStringList{"HUND.BMP", "katze.jpg"}));
    QCOMPARE(selectedRow(list("File1")), -1);
    QVERIFY(!box("Picture1")->hasPicture());

    clickRow(list("List3"), 1);
    QCOMPARE(items(list("File1")), (QStringList{"a.bmp", "b.bmp", "c.bmp"}));
    QCOMPARE(selectedRow(list("File1")), 0);
    QCOMPARE(box("Picture1")->image().pixelColor(0, 0), QColor(Qt::green));
    QVERIFY(box("Image1")->hasPicture());

    // an empty folder leaves the previews as they were
    clickRow(list("List3"), 2);
    QCOMPARE(items(list("File1")), QStringList());
    QVERIFY(box("Picture1")->hasPicture());

    // each activation goes back to the program folder and its first picture
    m_win->Form_Activate();
    QCOMPARE(selectedRow(list("List3")), 0);
    QCOMPARE(items(list("File1")), (QStringList{"HUND.BMP", "katze.jpg"}));
    QCOMPARE(selectedRow(list("File1")), 0);
    QCOMPARE(box("Picture1")->image().pixelColor(0, 0), QColor(Qt::red));
}

void EditorWindowTest::droppingThePreviewAppendsTheRelativePath()
{
    open();
    auto dragTo = [this](QWidget *target) {
        QWidget *pic = box("Picture1");
        const QPoint start = pic->rect().center();
        const QPoint end = pic->mapFromGlobal(target->mapToGlobal(target->rect().center()));
        QTest::mousePress(pic, Qt::LeftButton, {}, start);
        QTest::mouseMove(pic, (start + end) / 2);
        QTest::mouseMove(pic, end);
        QTest::mouseRelease(pic, Qt::LeftButton, {}, end);
    };
    // nothing chosen in File1: nothing is appended
    dragTo(list("List2"));
    QCOMPARE(items(list("List2")), QStringList());

    clickRow(list("File1"), 1);
    dragTo(list("List2"));
    QCOMPARE(items(list("List2")), QStringList{"katze.jpg"});
    QVERIFY(box("Lupe2")->hasPicture());
    QCOMPARE(label("Label5")->text(), QStringLiteral("1"));

    clickRow(list("List3"), 1);
    clickRow(list("File1"), 2);
    dragTo(box("Lupe2"));
    QCOMPARE(items(list("List2")), (QStringList{"katze.jpg", "Bilder\\c.bmp"}));
    QCOMPARE(box("Lupe2")->image().pixelColor(0, 0), QColor(Qt::cyan));
    dragTo(box("Lupe1"));
    dragTo(list("List1"));
    QCOMPARE(items(list("List1")), (QStringList{"Bilder\\c.bmp", "Bilder\\c.bmp"}));
    QCOMPARE(selectedRow(list("List1")), -1);
    // a release elsewhere adds nothing
    dragTo(label("hilfe"));
    QCOMPARE(list("List1")->count() + list("List2")->count(), 4);
    // the entry written is found again by the list's preview
    clickRow(list("List2"), 1);
    QCOMPARE(box("Lupe2")->image().pixelColor(0, 0), QColor(Qt::cyan));

    // an empty folder: nothing to add
    clickRow(list("List3"), 2);
    dragTo(list("List1"));
    QCOMPARE(list("List1")->count(), 2);
}

void EditorWindowTest::largePreviewCyclesAndClosesEveryWay()
{
    open();
    clickRow(list("List3"), 1);
    QWidget *client = m_win->centralWidget();
    const QColor normal = client->palette().color(QPalette::Window);
    trigger("menu3");
    QVERIFY(largePreviewOpen());
    QCOMPARE(m_win->findChild<QWidget *>("vorschau")->x(), 16);
    QCOMPARE(client->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(box("Image1")->toolTip(), QStringLiteral("Vorschaubild mit Mausklick schließen ..."));

    auto *back = m_win->findChild<QPushButton *>("Command1");
    auto *next = m_win->findChild<QPushButton *>("Command2");
    QTest::mouseClick(back, Qt::LeftButton); // from the first to the last
    QCOMPARE(selectedRow(list("File1")), 2);
    QCOMPARE(box("Image1")->image().pixelColor(5, 5), QColor(Qt::cyan));
    QTest::mouseClick(next, Qt::LeftButton); // from the last to the first
    QCOMPARE(selectedRow(list("File1")), 0);
    QCOMPARE(box("Picture1")->image().pixelColor(0, 0), QColor(Qt::green));
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(selectedRow(list("File1")), 1);

    // clicks on the caption and the buttons keep it open; the bottom bar closes it
    QTest::mouseClick(label("Label7"), Qt::LeftButton);
    QVERIFY(largePreviewOpen());
    QTest::mouseClick(m_win->findChild<QWidget *>("Shape4"), Qt::LeftButton, {}, QPoint(300, 12));
    QVERIFY(!largePreviewOpen());
    QCOMPARE(client->palette().color(QPalette::Window), normal);

    trigger("menu3");
    QTest::mouseClick(box("Image1"), Qt::LeftButton);
    QVERIFY(!largePreviewOpen());
    QCOMPARE(client->palette().color(QPalette::Window), normal);

    trigger("menu3");
    trigger("menu3");
    QVERIFY(!largePreviewOpen());

    // with an empty picture list the buttons do nothing
    clickRow(list("List3"), 2);
    trigger("menu3");
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(selectedRow(list("File1")), -1);

    trigger("menu1");
    QVERIFY(!largePreviewOpen());
    QCOMPARE(client->palette().color(QPalette::Window), normal);
    QVERIFY(!box("Image1")->hasPicture());
    QVERIFY(!box("Picture1")->hasPicture());
}

void EditorWindowTest::keysPutThePictureIntoEitherListAndBrowseTheLargePreview()
{
    open();
    m_win->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_win));
    clickRow(list("List3"), 1);
    clickRow(list("File1"), 2);
    // the mouse leaves the help line alone; the keyboard's focus shows the keys
    QCOMPARE(QApplication::focusWidget(), list("File1"));
    QCOMPARE(hilfe(), QStringLiteral("Hilfetexte"));
    QTest::keyClick(list("File1"), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), list("List3"));
    QTest::keyClick(list("List3"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list("File1"));
    QVERIFY(hilfe().contains(QStringLiteral("Strg+G")));
    // Ctrl+G and Ctrl+B drop as the mouse does: the entry with its folder, the preview box
    QTest::keyClick(list("File1"), Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(items(list("List1")), QStringList{"Bilder\\c.bmp"});
    QCOMPARE(box("Lupe1")->image().pixelColor(0, 0), QColor(Qt::cyan));
    QCOMPARE(label("Label4")->text(), QStringLiteral("1"));
    QTest::keyClick(list("File1"), Qt::Key_Up);
    QTest::keyClick(list("File1"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box("Picture1"));
    QTest::keyClick(box("Picture1"), Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(items(list("List2")), QStringList{"Bilder\\b.bmp"});
    QCOMPARE(box("Lupe2")->image().pixelColor(0, 0), QColor(Qt::yellow));
    QCOMPARE(items(list("List1")).size(), 1);
    // Tab goes on from Picture1 through the green column, the task files and the blue column to Text1
    QStringList chain;
    for (QWidget *w = box("Picture1")->nextInFocusChain(); chain.size() < 19; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(m_win))
            chain << w->objectName();
    QCOMPARE(chain.join(' '), QStringLiteral("List1 Picture2 Picture5 Picture4 Picture3 Picture6 Picture7 File2 Label10 "
                                             "Label11 Label12 List2 Picture9 Picture8 Picture13 Picture11 Picture10 "
                                             "Picture12 Text1"));

    // the large preview takes the arrow keys while it is open
    hover(text1());
    trigger("menu3");
    QTest::keyClick(m_win, Qt::Key_Right);
    QCOMPARE(selectedRow(list("File1")), 2);
    QTest::keyClick(m_win, Qt::Key_Right);
    QCOMPARE(selectedRow(list("File1")), 0);
    QTest::keyClick(m_win, Qt::Key_Left);
    QCOMPARE(selectedRow(list("File1")), 2);
    trigger("menu3");
    QCOMPARE(QApplication::focusWidget(), box("Picture1")); // the focus comes back
    QTest::keyClick(m_win, Qt::Key_Left);
    QCOMPARE(selectedRow(list("File1")), 2);
    // the focus coming back after the large preview, a message box or a menu leaves the help line alone
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(m_win);
    child<QMenu>(m_win, "menu2")->popup(QPoint());
    child<QMenu>(m_win, "menu2")->close();
    QVERIFY(hilfe().startsWith(QStringLiteral("Hier die")));
}

void EditorWindowTest::aTaskIsPassedOnAndComesBackByMenuAndDrop()
{
    writeBytes(m_folder + QStringLiteral("/LUECKE.TXT"), "Hund\r\nweg.gif\r\n");
    open();
    trigger("passOnTask"); // nothing chosen in File2: a message, no dialog
    QCOMPARE(m_fake->dialogs.shown.takeLast().kind, ShownDialog::Message);
    clickRow(list("File2"), int(items(list("File2")).indexOf(QStringLiteral("LUECKE.TXT"))));
    trigger("passOnTask"); // a missing picture is named first; No writes nothing
    QVERIFY(m_fake->dialogs.shown.takeLast().text.contains(QStringLiteral("„weg.gif“")));
    clickRow(list("File2"), int(items(list("File2")).indexOf(QStringLiteral("TIERE.TXT"))));
    // the dialog adds the ending before it asks about replacing: the name it approved is kept
    const QString archive = m_dir->filePath(QStringLiteral("weiter.duplikon"));
    m_fake->dialogs.saveAnswers = {m_dir->filePath(QStringLiteral("weiter")), archive};
    trigger("passOnTask");
    QVERIFY(QFileInfo::exists(m_dir->filePath(QStringLiteral("weiter"))) && !QFileInfo::exists(archive));
    trigger("passOnTask");
    QCOMPARE(m_fake->dialogs.shown.at(0).defaultText, m_folder + QStringLiteral("/TIERE.duplikon"));
    QCOMPARE(m_fake->dialogs.shown.at(0).defaultSuffix, QStringLiteral("duplikon"));
    QVERIFY(QFileInfo::exists(archive));

    // Taken in by the menu: a free name, the media in "Eigene Bilder", opened in the lists.
    m_fake->dialogs.fileAnswers = {{archive}};
    trigger("takeInTask");
    QCOMPARE(m_fake->dialogs.shown.last().icon, MsgIcon::Information);
    QCOMPARE(list("File2")->selectedText(), QStringLiteral("TIERE-2.TXT"));
    QVERIFY(m_host.model->taskFiles().contains(QStringLiteral("TIERE-2.TXT"))); // every list of the folder follows
    QCOMPARE(items(list("List2")), (QStringList{"Eigene Bilder\\HUND.BMP", "Eigene Bilder\\katze.JPG"}));
    QCOMPARE(readBytes(m_folder + "/Eigene Bilder/HUND.BMP"), readBytes(m_folder + "/HUND.BMP"));
    // Dropped onto a pair list or the window: taken in, never imported as a picture.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(archive)});
    for (QWidget *target : {static_cast<QWidget *>(list("List1")->viewport()), static_cast<QWidget *>(m_win)}) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
    }
    QTRY_COMPARE(list("File2")->selectedText(), QStringLiteral("TIERE-4.TXT"));
    QCOMPARE(items(list("List1")), (QStringList{"Hund", "Katze"}));
    QCOMPARE(QDir(m_folder + "/Eigene Bilder").entryList(QDir::Files).size(), 2);
}

void EditorWindowTest::ownPicturesComeInByMenuDropAndPasteAndBadFilesAreNamed()
{
    open();
    const QString photo = m_dir->filePath(QStringLiteral("Mein Foto.png"));
    const QString broken = m_dir->filePath(QStringLiteral("kaputt.jpg"));
    writePicture(photo, Qt::red, "PNG");
    writeBytes(broken, QByteArray("\xFF\xD8\xFF\xE0 nur der Anfang"));
    // the menu entry after "Datei sichern": the good file comes in, the bad one is named
    m_fake->dialogs.fileAnswers = {{photo, broken}};
    trigger("importPictures");
    QCOMPARE(m_fake->dialogs.shown[0].kind, ShownDialog::Files);
    QVERIFY(m_fake->dialogs.shown[0].text.contains(QStringLiteral("*.png")));
    QCOMPARE(items(list("List1")), QStringList{"Eigene Bilder\\MeinFoto.GIF"});
    QCOMPARE(box("Lupe1")->image().pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(label("Label4")->text(), QStringLiteral("1"));
    QCOMPARE(m_fake->dialogs.shown[1].icon, MsgIcon::Exclamation);
    QVERIFY2(m_fake->dialogs.shown[1].text.contains(QStringLiteral("„kaputt.jpg“: Das Bild ist beschädigt")), qPrintable(m_fake->dialogs.shown[1].text));
    QVERIFY(items(list("List3")).contains(QStringLiteral("Prog\\Eigene Bilder")));
    // a file dropped from the file manager onto Lupe2: the same picture is used again
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(photo)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(box("Lupe2"), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(box("Lupe2"), &drop);
    QCOMPARE(items(list("List2")), QStringList{"Eigene Bilder\\MeinFoto.GIF"});
    QDragEnterEvent enterList(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(list("List1")->viewport(), &enterList);
    QDropEvent ontoList(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(list("List1")->viewport(), &ontoList);
    QCOMPARE(list("List1")->count(), 2);
    QCOMPARE(QDir(m_folder + "/Eigene Bilder").entryList(QDir::Files).size(), 1);
    // Ctrl+V with image data into the focused blue list; in Text1 it stays a text paste
    QImage blue(400, 100, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    m_fake->clipboard.held.setImageData(blue);
    m_win->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_win));
    list("List2")->setFocus();
    QTest::keyClick(list("List2"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(items(list("List2")).last(), QStringLiteral("Eigene Bilder\\Bild.GIF"));
    text1()->setFocus();
    QTest::keyClick(text1(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(list("List1")->count() + list("List2")->count(), 4);
    // more than five files: the help line is painted with the progress between batches
    struct PaintedTexts : QObject {
        QStringList texts;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                texts << static_cast<QLabel *>(o)->text();
            return false;
        }
    } painted;
    QStringList six;
    for (int i = 0; i < 6; ++i) {
        six << m_dir->filePath(QStringLiteral("f%1.png").arg(i));
        writePicture(six.last(), QColor(i * 40, 0, 0), "PNG");
    }
    label("hilfe")->installEventFilter(&painted);
    m_fake->dialogs.fileAnswers = {six};
    trigger("importPictures");
    QCOMPARE(list("List1")->count(), 8);
    QCOMPARE(painted.texts.value(0), QStringLiteral("Bild 1 von 6 ..."));
    QVERIFY(painted.texts.filter(QRegularExpression("^Bild [2-6] von 6 \\.\\.\\.$")).size() > 0);
    // solution pictures go into the solution folder as it is spelled, at the solution size
    QDir().mkpath(m_folder + "/Dupbilder");
    m_fake->dialogs.fileAnswers = {{photo}};
    trigger("importSolutionPictures");
    QCOMPARE(QImage(m_folder + "/Dupbilder/MeinFoto.GIF").size(), QSize(833, 505));
    QCOMPARE(listSubfolders(m_folder).filter("dupbilder", Qt::CaseInsensitive), QStringList{"Dupbilder"});
    QVERIFY(m_fake->dialogs.shown.last().text.contains(QStringLiteral("nächsten Start")));
}

void EditorWindowTest::soundsAreListedPlayedDroppedAndImported()
{
    const QString muh = m_folder + QStringLiteral("/Leer/Muh.wav");
    writeBytes(muh, silentWav());
    open();
    // choosing the folder chooses its sound without playing it; a click plays it
    clickRow(list("List3"), 2);
    QCOMPARE(items(list("File1")), QStringList{"Muh.wav"});
    QVERIFY(box("Picture1")->hasPicture());
    QVERIFY(m_fake->sound.played.isEmpty());
    clickRow(list("File1"), 0);
    QCOMPARE(m_fake->sound.played, QStringList{muh});
    QTest::keyClick(list("File1"), Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(items(list("List1")), QStringList{"Leer\\Muh.wav"});
    QCOMPARE(box("Lupe1")->image(), box("Picture1")->image());
    // a sound file from the file manager is copied unchanged into the sound
    // folder as spelled; a file that only has a sound's name is refused
    QDir().mkpath(m_folder + QStringLiteral("/eigene toene"));
    const QString bad = m_dir->filePath(QStringLiteral("Stumm.mp3"));
    writeBytes(bad, "kein Ton");
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(muh), QUrl::fromLocalFile(bad)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(list("List2")->viewport(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, {});
    const int shownBefore = m_fake->dialogs.shown.size();
    QApplication::sendEvent(list("List2")->viewport(), &drop);
    QCOMPARE(items(list("List2")), QStringList{"eigene toene\\Muh.WAV"});
    QCOMPARE(m_fake->dialogs.shown.size(), shownBefore); // the drop returns before its message
    QTRY_COMPARE(m_fake->dialogs.shown.size(), shownBefore + 1);
    QCOMPARE(readBytes(m_folder + QStringLiteral("/eigene toene/Muh.WAV")), silentWav());
    QVERIFY(!isFolder(m_folder + QStringLiteral("/Eigene Toene")));
    const QString refused = m_fake->dialogs.shown.last().text;
    QVERIFY2(refused.contains(QStringLiteral("Diese Dateien")) && refused.contains(QStringLiteral("„Stumm.mp3“: Die Datei ist kein Ton")),
             qPrintable(refused));
    clickRow(list("List2"), 0);
    QVERIFY(box("Lupe2")->hasPicture());
}

void EditorWindowTest::recordingAddsNumberedSoundsToTheFocusedList()
{
    open();
    m_win->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_win));
    auto *entry = child<QAction>(m_win, "recordSound");
    auto *menu = child<QMenu>(m_win, "menu2");
    emit menu->aboutToShow();
    QVERIFY(entry->isEnabled());
    QCOMPARE(entry->text(), QStringLiteral("&Ton aufnehmen ..."));
    // into the focused blue list; the second choice ends the recording
    list("List2")->setFocus();
    text1()->setFocus();
    const QString helpBefore = hilfe();
    entry->trigger();
    QCOMPARE(m_fake->recorder.maxMilliseconds, 10000);
    QCOMPARE(entry->text(), QStringLiteral("&Tonaufnahme beenden"));
    QCOMPARE(hilfe(), QStringLiteral("Die Aufnahme läuft, höchstens 10 Sekunden ..."));
    entry->trigger();
    QCOMPARE(items(list("List2")), QStringList{"Eigene Toene\\Aufnahme.WAV"});
    QCOMPARE(entry->text(), QStringLiteral("&Ton aufnehmen ..."));
    QCOMPARE(hilfe(), helpBefore);
    QVERIFY(items(list("List3")).contains(QStringLiteral("Prog\\Eigene Toene")));
    // a failed recording is named and adds nothing
    entry->trigger();
    m_fake->recorder.finish(false);
    QCOMPARE(m_fake->dialogs.shown.last().text, QStringLiteral("Die Aufnahme ist nicht gelungen."));
    QCOMPARE(list("List2")->count(), 1);
    // no microphone: greyed, and nothing starts
    m_fake->recorder.input = false;
    emit menu->aboutToShow();
    QVERIFY(!entry->isEnabled());
    // [Fest] AufnahmeAus=true: no entry at all
    const QString conf = m_dir->filePath(QStringLiteral("duplikon.conf"));
    writeBytes(conf, "[Fest]\nAufnahmeAus=true\n");
    ClassroomConfig locked(ClassroomConfigFiles{{}, {conf}});
    m_host.extra = &locked;
    delete m_win;
    open();
    QVERIFY(!m_win->findChild<QAction *>("recordSound"));
    delete m_win;
    m_host.extra = nullptr;
}

void EditorWindowTest::helpLineGoesBackToTheTextBeforeUnlessAnotherCame()
{
    QLabel label(QStringLiteral("Hilfetexte"));
    HelpLine help(&label);
    help.push(QStringLiteral("Aufnahme"));
    help.push(QStringLiteral("Bild 1 von 6 ..."));
    help.pop();
    QCOMPARE(label.text(), QStringLiteral("Aufnahme"));
    label.setText(QStringLiteral("Zeiger")); // the pointer moved on
    help.pop(), help.pop(); // the second: nothing left
    QCOMPARE(label.text(), QStringLiteral("Zeiger"));
}

void EditorWindowTest::recordingTakesTheNextFreeNameAndTouchesNoOtherFile()
{
    const QString sounds = m_folder + QStringLiteral("/Eigene Toene");
    QWidget client;
    QMenu menu;
    SoundRecording recording(&client, m_fake->platform(), m_host.folder, &menu);
    QStringList added;
    connect(&recording, &SoundRecording::fileAdded, this, [&](PairSide side, const QString &entry, const QString &path) {
        added << QStringLiteral("%1 %2 %3").arg(side == PairSide::Left ? "links" : "rechts", entry, path);
    });
    QAction *entry = menu.actions().value(0);
    emit menu.aboutToShow(); // the entry asks for a microphone
    const auto record = [&](const char *meanwhile, bool ok) {
        entry->trigger();
        QVERIFY(QFileInfo(m_fake->recorder.path).fileName().startsWith(QLatin1Char('.'))); // private, hidden
        writeBytes(sounds + QLatin1Char('/') + QLatin1String(meanwhile), "importiert"); // imported meanwhile
        m_fake->recorder.finish(ok);
    };
    record("Aufnahme.WAV", true);
    QCOMPARE(added, QStringList{"links Eigene Toene\\Aufnahme-2.WAV " + sounds + "/Aufnahme-2.WAV"});
    // a failed recording removes its own file and no other; names taken in
    // any letter case are passed over
    record("Aufnahme-3.WAV", false);
    QCOMPARE(QDir(sounds).entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{"Aufnahme-2.WAV", "Aufnahme-3.WAV", "Aufnahme.WAV"}));
    QCOMPARE(added.size(), 1);
    record("aufnahme-4.wav", true);
    QVERIFY(added.last().startsWith(QStringLiteral("links Eigene Toene\\Aufnahme-5.WAV ")));
}

void EditorWindowTest::abbruchKeepsListsAndCloseBoxStartsAfresh()
{
    open();
    text1()->setText(QStringLiteral("Hund"));
    button("Picture2");
    button("Picture9");
    list("File1")->setCurrentRow(1); // the teacher picks katze.jpg
    QVERIFY(box("Picture1")->hasPicture());
    trigger("menu1");
    QVERIFY(!m_win->isVisible());
    QVERIFY(!box("Picture1")->hasPicture());
    QVERIFY(!box("Image1")->hasPicture());
    QCOMPARE(m_host.left, 1);
    QVERIFY(m_win);
    m_win->show();
    QCOMPARE(items(list("List1")), QStringList{"Hund"});
    QCOMPARE(text1()->text(), QStringLiteral("Hund"));
    // The next activation shows the chosen picture again.
    QVERIFY(box("Picture1")->hasPicture());
    QVERIFY(box("Image1")->hasPicture());

    m_win->close();
    QCOMPARE(m_host.left, 2);
    QTRY_VERIFY(!m_win); // deleted
    open();
    QCOMPARE(items(list("List1")), QStringList());
    QCOMPARE(text1()->text(), QStringLiteral("Text eingeben"));
}

void EditorWindowTest::returningFromAnotherWindowActivatesButAMessageBoxDoesNot()
{
    open();
    QApplication::setActiveWindow(m_win);
    clickRow(list("List3"), 1);
    QCOMPARE(items(list("File1")).size(), 3);

    // a message box in between is no activation: the browser keeps its folder
    QDialog box;
    box.show();
    QApplication::setActiveWindow(&box);
    box.hide();
    QApplication::setActiveWindow(m_win);
    QCOMPARE(selectedRow(list("List3")), 1);

    // back from another window of the program: the activation steps run
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(m_win);
    QCOMPARE(selectedRow(list("List3")), 0);
    QCOMPARE(items(list("File1")), (QStringList{"HUND.BMP", "katze.jpg"}));
}

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
