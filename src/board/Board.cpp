// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Board.h"

#include "board/BoardKeyboard.h"
#include "board/BoardVoice.h"
#include "board/CellLabel.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/InWindowDrag.h"
#include "pictures/PictureBox.h"
#include "tasks/Task.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace duplikon {

namespace {
const int kColumnLefts[5] = {240, 2760, 5280, 7800, 10320};
const int kRowTops[4] = {240, 2160, 4080, 6000};
}

Board::Board(QWidget *client, Platform platform)
    : QObject(client), m_platform(platform), m_state(new BoardState(this))
{
    m_drag = new InWindowDrag(client);
    const QFont cellFont = textFont(12, false);
    for (int i = 0; i < kCells; ++i) {
        const int n = i + 1;
        const int left = kColumnLefts[i % 5];
        const int top = kRowTops[i / 5];
        PictureBox *b = newPictureCell(client);
        b->setObjectName(QStringLiteral("Bild%1").arg(n));
        placeTwips(b, left, top, 2415, 1815);
        CellLabel *t = newTextCell(client, cellFont);
        t->setObjectName(QStringLiteral("Text%1").arg(n));
        placeTwips(t, left, top, 2415, 1815);
        // A half is German, the language the child learns: never mirrored.
        t->setLayoutDirection(Qt::LeftToRight);
        m_pictures[i] = b;
        m_labels[i] = t;
        m_drag->addSource(b);
        m_drag->addSource(t);
        m_drag->addTarget(b);
        m_drag->addTarget(t);
    }
    connect(m_drag, &InWindowDrag::dropped, this, &Board::drop);
    connect(m_state, &BoardState::filled, this, &Board::FelderVerteilen);
    connect(m_state, &BoardState::pairMatched, this, &Board::hidePair);
    connect(m_state, &BoardState::coloursChanged, this, &Board::FarbenSetzen);
    QVector<QWidget *> pictures, labels;
    for (int i = 0; i < kCells; ++i) {
        pictures << m_pictures[i];
        labels << m_labels[i];
    }
    m_keyboard = new BoardKeyboard(m_state, client, m_drag, pictures, labels);
    // The keyboard puts the focus on a set-up once it is drawn, and tells the
    // points once they show.
    connect(this, &Board::cellsDrawn, m_keyboard, &BoardKeyboard::boardDrawn);
    connect(m_state, &BoardState::pointsChanged, this, [this](int points) {
        if (m_punkte)
            m_punkte->setText(pointsCaption(points));
        m_keyboard->announcePoints(points);
    });

    // Hearing: a pick-up by mouse, tap or key, the focus, the key L and a
    // wrong drop.
    m_voice = new BoardVoice(m_state, m_platform, this);
    connect(this, &Board::cellsDrawn, m_voice, &BoardVoice::prepareSounds);
    connect(m_drag, &InWindowDrag::aboutToStart, m_voice, [this](QWidget *source) {
        if (const int i = cellIndex(source); i >= 0)
            m_voice->pickedUp(i);
    });
    connect(m_keyboard, &BoardKeyboard::pickedUp, m_voice, &BoardVoice::pickedUp);
    connect(m_keyboard, &BoardKeyboard::focusReached, m_voice, &BoardVoice::focusReached);
    connect(m_keyboard, &BoardKeyboard::listenPressed, m_voice, &BoardVoice::listen);
    connect(m_state, &BoardState::mismatched, m_voice,
            [this] { m_voice->sayMessage(tr("Passt nicht")); });
}

QString Board::pointsCaption(int points)
{
    // German keeps " 1 Punkte".
    return tr(" %n Punkte", nullptr, points);
}

void Board::setPointsButton(QPushButton *button)
{
    m_punkte = button;
}

int Board::cellIndex(const QWidget *w) const
{
    for (int i = 0; i < kCells; ++i)
        if (w == m_pictures[i] || w == m_labels[i])
            return i;
    return -1;
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
    m_state->clear();
}

void Board::AufgabeLaden(const Task &task)
{
    FelderVerstecken();
    if (task.name.isEmpty())
        return;
    m_platform.random->seed(quint32(m_platform.clock->millisecondsSinceMidnight()));
    m_state->load(task, m_programFolder, *m_platform.random);
}

void Board::FelderVerteilen()
{
    // The board's pictures are decoded together, on all cores, and each cell
    // takes its own picture from the result.
    QVector<PictureRequest> requests;
    QVector<int> cells;
    for (int j = 0; j < kCells; ++j) {
        const BoardCell &c = m_state->cell(j);
        if (c.shown && c.picture) {
            requests.append({c.file, m_pictures[j]->contentsRect().size(), m_pictures[j]->fit()});
            cells << j;
        }
    }
    const QVector<LoadedPicture> loaded = loadPictures(requests);
    m_decoded.fill(LoadedPicture(), kCells);
    for (int k = 0; k < cells.size(); ++k)
        m_decoded[cells.at(k)] = loaded.at(k);
    m_decodedReady = true;
    for (int j = 0; j < kCells; ++j)
        FeldBelegen(j);
    m_decodedReady = false;
    m_decoded.clear();
    emit cellsDrawn();
}

void Board::FeldBelegen(int j)
{
    const BoardCell &c = m_state->cell(j);
    PictureBox *b = m_pictures[j];
    CellLabel *t = m_labels[j];
    if (!c.shown) {
        b->hide();
        t->hide();
        return;
    }
    showHalf(c, m_decodedReady || !c.picture ? m_decoded.value(j) : loadPicture(c.file, b->contentsRect().size(), b->fit()),
             b, t);
}

PictureBox *Board::newPictureCell(QWidget *parent)
{
    auto *b = new PictureBox(parent, PictureFit::Clip);
    b->setBorder(true);
    b->hide();
    return b;
}

CellLabel *Board::newTextCell(QWidget *parent, const QFont &font)
{
    auto *t = new CellLabel(parent);
    t->setFrameShape(QFrame::Box);
    t->setLineWidth(1);
    t->setWordWrap(true);
    t->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    t->setTextFormat(Qt::PlainText);
    t->setAutoFillBackground(true);
    t->setFont(font);
    t->setMargin(1);
    t->hide();
    return t;
}

void Board::showHalf(const BoardCell &c, const LoadedPicture &pic, PictureBox *b, CellLabel *t)
{
    if (c.picture) {
        // A picture that cannot be loaded keeps the cell a picture cell, so
        // the pair stays playable, and shows its name in small type.
        if (pic.ok) {
            b->setImage(pic.image, c.file);
        } else {
            b->clearPicture();
            b->setNote(c.half);
        }
        b->setAccessibleName(Half::of(c.half).spokenName());
        b->setToolTip(QString());
        t->hide();
        b->show();
    } else if (c.sound) {
        // A file that is missing or damaged keeps the cell a sound cell, so
        // the pair stays playable, and shows the loudspeaker crossed out.
        t->showSound(c.soundFile.isEmpty());
        const QString spoken = Half::of(c.half).spokenName();
        t->setAccessibleName(spoken);
        t->setToolTip(spoken);
        b->hide();
        t->show();
    } else {
        t->clearSound();
        t->setText(c.half);
        t->setAccessibleName(c.half);
        t->setToolTip(QString());
        b->hide();
        t->show();
    }
}

void Board::drop(QWidget *source, QWidget *target)
{
    m_state->drop(cellIndex(source), cellIndex(target), PlayWay::Mouse);
}

void Board::hidePair(int target, int source)
{
    for (int i : {target, source}) {
        m_pictures[i]->hide();
        m_labels[i]->hide();
    }
}

void Board::FarbenSetzen()
{
    for (int i = 0; i < kCells; ++i) {
        const ColourValue c = m_state->cell(i).colour;
        setBackground(m_pictures[i], c);
        setBackground(m_labels[i], c);
    }
}

QFont Board::textFont(qreal points, bool bold)
{
    QFont f(cellFontFamily());
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void Board::setTextStyle(qreal points, bool bold)
{
    const QFont f = textFont(points, bold);
    for (CellLabel *label : m_labels)
        label->setFont(f);
}

} // namespace duplikon
