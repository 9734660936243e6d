// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PairLists.h"

#include "tasks/Task.h"
#include "editor/EditorControls.h"
#include "editor/EditorRules.h"
#include "editor/EditorSymbols.h"
#include "pictures/PictureImport.h"
#include "pictures/PictureLoader.h"
#include "pictures/SoundHalf.h"
#include "platform/FileLists.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>

namespace duplikon {

namespace {
QString withoutLineBreaks(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar c : {QChar(0x0D), QChar(0x0A), QChar(0x2028), QChar(0x2029), QChar(0x85)})
        t.replace(c, QLatin1Char(' '));
    return t;
}
} // namespace

std::optional<PairSide> PairControls::sideOf(const QWidget *w) const
{
    if (w && (w == list1 || w == lupe1))
        return PairSide::Left;
    if (w && (w == list2 || w == lupe2))
        return PairSide::Right;
    return std::nullopt;
}

PairControls PairLists::controls() const
{
    return {m_list1, m_lupe1, m_list2, m_lupe2};
}

PairLists::PairLists(QWidget *client, const QString &programFolder)
    : QObject(client), m_langname(withTrailingSeparator(programFolder))
{
    const QColor black(Qt::black);
    const QColor greenText(128, 255, 128), cyanText(128, 255, 255);
    const QFont font = designFont(9.75);

    m_label2 = editorLabel(client, "Label2", QString(), {3600, 240, 2175, 255}, black, greenText, font);
    m_label4 = editorLabel(client, "Label4", QStringLiteral("0"), {5760, 240, 735, 255}, black, greenText, font);
    editorShape(client, "Shape2", {3600, 480, 2895, 2055});
    m_lupe1 = editorPictureBox(client, "Lupe1", {3840, 600, 2415, 1815}, PictureFit::Clip);
    m_list1 = new ListBox(client);
    styleEditorList(m_list1, "List1", {3600, 2520, 2895, 4110}, QColor(192, 255, 192), black);

    m_label3 = editorLabel(client, "Label3", QString(), {9840, 240, 2175, 255}, black, cyanText, font);
    m_label5 = editorLabel(client, "Label5", QStringLiteral("0"), {12000, 240, 735, 255}, black, cyanText, font);
    editorShape(client, "Shape3", {9840, 480, 2895, 2055});
    m_lupe2 = editorPictureBox(client, "Lupe2", {10080, 600, 2415, 1815}, PictureFit::Clip);
    m_list2 = new ListBox(client);
    styleEditorList(m_list2, "List2", {9840, 2520, 2895, 4110}, QColor(192, 255, 255), black);

    connect(m_list1, &ListBox::clicked, this, &PairLists::List1_Click);
    connect(m_list2, &ListBox::clicked, this, &PairLists::List2_Click);

    // Symbol buttons, left to right under each list; like buttons of the two
    // columns do the same on their own list.
    struct Button { const char *green, *blue; EditorSymbol kind; int left; const char *tip; };
    const Button buttons[] = {
        {"Picture2", "Picture9", EditorSymbol::Insert, 3600, QT_TR_NOOP("Text einsetzen")},
        {"Picture5", "Picture8", EditorSymbol::MoveUp, 4080, QT_TR_NOOP("nach oben")},
        {"Picture4", "Picture13", EditorSymbol::Replace, 4560, QT_TR_NOOP("Text ersetzen")},
        {"Picture3", "Picture11", EditorSymbol::Take, 5040, QT_TR_NOOP("Text holen")},
        {"Picture6", "Picture10", EditorSymbol::MoveDown, 5520, QT_TR_NOOP("nach unten")},
        {"Picture7", "Picture12", EditorSymbol::Delete, 6000, QT_TR_NOOP("Text löschen")},
    };
    m_greenColumn = {m_list1};
    m_blueColumn = {m_list2};
    for (const Button &b : buttons) {
        for (ListBox *list : {m_list1, m_list2}) {
            auto *button = new SymbolButton(b.kind, client);
            (list == m_list1 ? m_greenColumn : m_blueColumn).append(button);
            button->setObjectName(QLatin1String(list == m_list1 ? b.green : b.blue));
            m_tips.append({button, b.tip});
            placeTwips(button, b.left + (list == m_list1 ? 0 : 6240), 6720, 495, 495);
            connect(button, &SymbolButton::clicked, this, [this, list, kind = b.kind] { symbolClick(list, kind); });
        }
    }

    m_text1 = new QLineEdit(client);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFont(designFont(12));
    setBackground(m_text1, QColor(255, 255, 192));
    placeTwips(m_text1, 3600, 7320, 9135, 735);
    // An entry is one line of the task file: a pasted line break becomes a blank.
    connect(m_text1, &QLineEdit::textChanged, this, [this](const QString &t) {
        const QString clean = withoutLineBreaks(t);
        if (clean != t) {
            const int pos = m_text1->cursorPosition();
            m_text1->setText(clean);
            m_text1->setCursorPosition(qMin(pos, int(clean.size())));
        }
    });
}

void PairLists::retranslate()
{
    m_label2->setText(tr(" Vorschau:"));
    m_label3->setText(tr(" Vorschau:"));
    m_lupe1->setToolTip(tr("Vorschau der Listen"));
    for (const auto &[button, tip] : std::as_const(m_tips))
        button->setToolTip(tr(tip));
    // The text field's first words follow the language until someone types.
    const QString hint = tr("Text eingeben");
    if (m_text1Hint.isNull() || m_text1->text() == m_text1Hint)
        m_text1->setText(hint);
    m_text1Hint = hint;
    showCounts();
}

void PairLists::showCounts()
{
    m_label4->setText(QLocale().toString(m_list1->count()));
    m_label5->setText(QLocale().toString(m_list2->count()));
}

void PairLists::ListenPruefen()
{
    showCounts();
    if (m_list1->count() > 10)
        emit lengthWarning(tr("Liste %1 hat mehr als %2 Elemente.").arg(QLocale().toString(1), QLocale().toString(10)));
    if (m_list2->count() > 10)
        emit lengthWarning(tr("Liste %1 hat mehr als %2 Elemente.").arg(QLocale().toString(2), QLocale().toString(10)));
}

QStringList PairLists::leftHalves() const { return m_list1->entries(); }
QStringList PairLists::rightHalves() const { return m_list2->entries(); }

void PairLists::openPairs(const QStringList &left, const QStringList &right)
{
    m_list1->setEntries(left);
    m_list2->setEntries(right);
    // Selecting raises the click, which previews the entry.
    if (m_list1->count() > 0)
        m_list1->setListIndex(0);
    if (m_list2->count() > 0)
        m_list2->setListIndex(0);
    ListenPruefen();
}

void PairLists::takeOverPairs(const QStringList &left, const QStringList &right)
{
    m_list1->setEntries(left);
    m_list2->setEntries(right);
}

void PairLists::startNew()
{
    m_list1->setEntries({});
    m_list2->setEntries({});
    m_lupe1->clearPicture();
    m_lupe2->clearPicture();
    m_text1->setText(QString());
}

void PairLists::dropPicture(QWidget *target, const QString &entry, const QImage &image, const QString &path)
{
    ListBox *list = (target == m_list1 || target == m_lupe1) ? m_list1
                  : (target == m_list2 || target == m_lupe2) ? m_list2 : nullptr;
    if (!list)
        return;
    showCounts();
    // Without a chosen picture there is nothing to add.
    if (!entry.isEmpty()) {
        list->addItem(entry);
        (list == m_list1 ? m_lupe1 : m_lupe2)->setImage(image, path);
    }
    ListenPruefen();
}

void PairLists::addFile(PairSide side, const QString &entry, const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const QImage shown = isSoundName(name) ? soundPreview(kCellPictureSize, path, name)
                                           : loadPicture(path, kCellPictureSize, PictureFit::Clip).image;
    dropPicture(side == PairSide::Left ? m_list1 : m_list2, entry, shown, path);
}

void PairLists::List1_Click() { listClick(m_list1, m_lupe1); }
void PairLists::List2_Click() { listClick(m_list2, m_lupe2); }

void PairLists::listClick(ListBox *list, PictureBox *lupe)
{
    showCounts();
    const QString entry = list->selectedText();
    // A picture file is found whatever the letter case of its name: the path
    // is matched part by part without regard to case.
    if (isSoundName(entry)) {
        // the loudspeaker, struck through when the sound is missing or damaged
        const QString path = resolveHalf(m_langname, entry);
        lupe->setImage(soundPreview(lupe->contentsRect().size(), path, entry), path);
    } else if (isPictureName(m_langname + entry)) {
        if (!lupe->loadFile(resolveHalf(m_langname, entry)))
            lupe->setNote(entry); // the teacher sees which picture is missing
    } else {
        lupe->clearPicture();
    }
    ListenPruefen();
}

QString PairLists::text1() const
{
    return withoutLineBreaks(m_text1->text());
}

void PairLists::symbolClick(ListBox *list, EditorSymbol kind)
{
    const int i = list->listIndex();
    if (kind == EditorSymbol::Insert) {
        // whatever Text1 holds, an empty text too; the selection stays
        list->addItem(text1());
        ListenPruefen();
    } else if (i < 0) {
        return; // the other operations need a selected entry
    } else if (kind == EditorSymbol::Take) {
        m_text1->setText(list->selectedText());
    } else if (kind == EditorSymbol::Replace) {
        list->item(i)->setText(text1());
    } else if (kind == EditorSymbol::Delete) {
        // afterwards nothing is selected and the previews stay; the counts
        // wait for ListenPruefen
        list->removeEntry(i);
    } else {
        // a move exchanges two texts, wrapping around at both ends
        const int j = editor::moveTarget(i, list->count(), kind == EditorSymbol::MoveUp ? -1 : +1);
        if (j < 0)
            return;
        const QString a = list->item(i)->text();
        list->item(i)->setText(list->item(j)->text());
        list->item(j)->setText(a);
        list->setListIndex(j); // raises the click, which previews the moved entry
    }
}

} // namespace duplikon
