// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Board.h"

#include "board/BoardKeyboard.h"
#include "board/ColourCycle.h"
#include "board/TaskFile.h"
#include "platform/Dialogs.h"
#include "platform/FileLists.h"
#include "platform/Geometry.h"
#include "platform/InWindowDrag.h"
#include "pictures/PictureBox.h"
#include "platform/TextFiles.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace duplikon {

namespace {
const int kColumnLefts[5] = {240, 2760, 5280, 7800, 10320};
const int kRowTops[4] = {240, 2160, 4080, 6000};
}

Board::Board(QWidget *client, Platform platform)
    : QObject(client), m_platform(platform)
{
    m_drag = new InWindowDrag(client, [this](QWidget *s, QWidget *t) { drop(s, t); });
    QFont cellFont(QStringLiteral("Courier New"));
    cellFont.setPointSizeF(12);
    for (int i = 0; i < kCells; ++i) {
        const int n = i + 1;
        const int left = kColumnLefts[i % 5];
        const int top = kRowTops[i / 5];
        auto *b = new PictureBox(client, PictureFit::Clip);
        b->setObjectName(QStringLiteral("Bild%1").arg(n));
        b->setBorder(true);
        placeTwips(b, left, top, 2415, 1815);
        b->hide();
        auto *t = new QLabel(client);
        t->setObjectName(QStringLiteral("Text%1").arg(n));
        t->setFrameShape(QFrame::Box);
        t->setLineWidth(1);
        t->setWordWrap(true);
        t->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        t->setTextFormat(Qt::PlainText);
        t->setAutoFillBackground(true);
        t->setFont(cellFont);
        t->setMargin(1);
        placeTwips(t, left, top, 2415, 1815);
        t->hide();
        m_pictures[i] = b;
        m_labels[i] = t;
        m_drag->addSource(b);
        m_drag->addSource(t);
        m_drag->addTarget(b);
        m_drag->addTarget(t);
    }
    m_keyboard = new BoardKeyboard(this, client, m_drag);
}

int Board::cellNumber(const QWidget *w) const
{
    for (int i = 0; i < kCells; ++i)
        if (w == m_pictures[i] || w == m_labels[i])
            return i + 1;
    return 0;
}

int Board::hiddenControls() const
{
    int hidden = 0;
    for (int i = 0; i < kCells; ++i) {
        hidden += m_pictures[i]->isHidden() ? 1 : 0;
        hidden += m_labels[i]->isHidden() ? 1 : 0;
    }
    return hidden;
}

void Board::FelderVerstecken()
{
    m_keyboard->boardEmptying();
    for (int i = 0; i < kCells; ++i) {
        m_pictures[i]->hide();
        m_labels[i]->hide();
    }
}

void Board::AufgabeLaden(const QString &fileName)
{
    FelderVerstecken();
    if (fileName.isEmpty())
        return;
    const TextFileResult file = readTextLines(resolvePath(m_programFolder, fileName));
    if (!file.ok) {
        m_platform.dialogs->message(QStringLiteral("Duplikon"),
                                    QStringLiteral("Die Datei %1 kann nicht gelesen werden.\r\r").arg(fileName));
        return;
    }
    m_list1 = usedLines(file.lines);
    m_platform.random->seed(quint32(m_platform.clock->millisecondsSinceMidnight()));
    const Shuffled s = shuffleHalves(m_list1, *m_platform.random);
    m_list2 = s.halves;
    m_list3 = s.keys;
    FelderVerteilen();
    Check4_Click();
    m_keyboard->boardFilled();
}

void Board::FelderVerteilen()
{
    // The board's pictures are decoded together, on all cores, before the
    // first cell is filled; each cell then takes its picture from the cache.
    QVector<PictureRequest> pictures;
    for (int j = 0; j < m_list2.size() && j < kCells; ++j) {
        if (isPictureName(m_list2.at(j)))
            pictures.append({resolvePath(m_programFolder, m_list2.at(j)), m_pictures[j]->contentsRect().size(), m_pictures[j]->fit()});
    }
    if (pictures.size() > 1)
        loadPictures(pictures);
    for (int j = 0; j < m_list2.size() && j < kCells; ++j)
        FeldBelegen(j);
}

void Board::FeldBelegen(int j)
{
    const QString h = m_list2.at(j);
    PictureBox *b = m_pictures[j];
    QLabel *t = m_labels[j];
    if (isPictureName(h)) {
        // A picture that cannot be loaded keeps the cell a picture cell, so
        // the pair stays playable, and shows its name in small type.
        if (!b->loadFile(resolveHalf(m_programFolder, h)))
            b->setNote(h);
        b->setAccessibleName(spokenPictureName(h));
        b->setToolTip(QString());
        b->show();
    } else {
        t->setText(h);
        t->setAccessibleName(h);
        t->show();
    }
}

void Board::drop(QWidget *source, QWidget *target)
{
    const int k = cellNumber(source);
    const int n = cellNumber(target);
    if (k == 0 || n == 0 || k == n)
        return;
    if (n > m_list3.size() || k > m_list3.size())
        return;
    const QString a = m_list3.at(n - 1);
    const QString b = m_list3.at(k - 1);
    if (b.left(2) != a.left(2))
        return;
    m_keyboard->pairLeaving(source, target);
    target->hide();
    source->hide();
    PunktZaehlen();
}

int Board::points() const
{
    if (!m_punkte)
        return 0;
    const QString caption = m_punkte->text();
    int i = 0;
    while (i < caption.size() && caption.at(i) == QLatin1Char(' '))
        ++i;
    int p = 0;
    while (i < caption.size() && caption.at(i).isDigit() && p < 100000000)
        p = p * 10 + caption.at(i++).digitValue();
    return p;
}

void Board::PunktZaehlen()
{
    const int p = points() + 1;
    if (m_punkte)
        m_punkte->setText(QStringLiteral(" %1 Punkte").arg(p));
    m_keyboard->announce(QStringLiteral("Richtig! %1 Punkte").arg(p));
    emit pointScored();
}

void Board::Check4_Click()
{
    if (m_check4 && m_check4->isChecked())
        FarblisteZweifarbig();
    else
        FarblisteEinfarbig();
}

void Board::FarblisteEinfarbig()
{
    m_farblist = singleColourList(m_questionColour);
    FarbenSetzen();
}

void Board::FarblisteZweifarbig()
{
    m_farblist = twoColourList(m_list3, m_questionColour, m_answerColour);
    FarbenSetzen();
    emit answerColourChanged(m_answerColour);
}

void Board::FarbenSetzen()
{
    for (int i = 0; i < kCells; ++i) {
        const ColourValue c = i < m_farblist.size() ? colourFromText(m_farblist.at(i)) : 0;
        setBackground(m_pictures[i], c);
        setBackground(m_labels[i], c);
        m_pictures[i]->setProperty("colourValue", c);
        m_labels[i]->setProperty("colourValue", c);
    }
}

bool Board::toggleBold()
{
    const bool bold = !textBold();
    for (int i = 0; i < kCells; ++i) {
        QFont f = m_labels[i]->font();
        f.setBold(bold);
        m_labels[i]->setFont(f);
    }
    return bold;
}

void Board::setTextSize(qreal points)
{
    for (int i = 0; i < kCells; ++i) {
        QFont f = m_labels[i]->font();
        f.setPointSizeF(points);
        m_labels[i]->setFont(f);
    }
}

qreal Board::textSize() const
{
    return m_labels[0]->font().pointSizeF();
}

bool Board::textBold() const
{
    return m_labels[0]->font().bold();
}

QFont Board::textFont() const
{
    return m_labels[0]->font();
}

} // namespace duplikon
