// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardKeyboard.h"

#include "board/Board.h"
#include "platform/InWindowDrag.h"
#include "pictures/PictureBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace duplikon {

namespace {
constexpr int kColumns = 5;
constexpr int kRows = Board::kCells / kColumns;
// The frame lies in the gap around the focused cell (the cells stand 7 pixels
// apart) and on the cell's own border line.
constexpr int kFrameGap = 4;
constexpr int kFrameWidth = kFrameGap + 1;
} // namespace

// The frame around the focused cell: black, yellow, black, seen on every cell
// colour and on the window's background. It takes no mouse input.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_TranslucentBackground);
        hide();
    }

    void around(const QRect &cell)
    {
        setGeometry(cell.adjusted(-kFrameGap, -kFrameGap, kFrameGap, kFrameGap));
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QColor yellow(255, 200, 0);
        const QColor rings[kFrameWidth] = {Qt::black, yellow, yellow, yellow, Qt::black};
        for (int i = 0; i < kFrameWidth; ++i) {
            p.setPen(rings[i]);
            p.drawRect(rect().adjusted(i, i, -1 - i, -1 - i));
        }
    }
};

BoardKeyboard::BoardKeyboard(Board *board, QWidget *client, InWindowDrag *drag)
    : QObject(board), m_board(board), m_client(client), m_drag(drag), m_frame(new FocusFrame(client))
{
    for (int n = 1; n <= Board::kCells; ++n) {
        for (QWidget *cell : {static_cast<QWidget *>(board->picture(n)), static_cast<QWidget *>(board->label(n))}) {
            cell->setFocusPolicy(Qt::TabFocus);
            cell->installEventFilter(this);
            setDescription(cell, QString());
        }
    }
    // A mouse or finger drag puts a carried cell back; the frame waits for the next key.
    connect(drag, &InWindowDrag::aboutToStart, this, [this] {
        if (QWidget *cell = m_carried) {
            putBack();
            setDescription(cell, QString());
        }
        m_keyboardUsed = false;
        updateFrame();
    });
}

QString BoardKeyboard::place(int cell)
{
    return QStringLiteral("Reihe %1, Spalte %2").arg((cell - 1) / kColumns + 1).arg((cell - 1) % kColumns + 1);
}

void BoardKeyboard::setDescription(QWidget *cell, const QString &what)
{
    const int n = m_board->cellNumber(cell);
    QString text = place(n);
    if (cell == m_board->picture(n))
        text = QStringLiteral("Bild, ") + text;
    if (!what.isEmpty())
        text = what + QStringLiteral(", ") + text;
    cell->setAccessibleDescription(text);
}

QWidget *BoardKeyboard::focusedCell() const
{
    QWidget *focus = m_client->window()->focusWidget();
    return focus && m_board->cellNumber(focus) != 0 ? focus : nullptr;
}

void BoardKeyboard::announce(const QString &what)
{
    if (QWidget *cell = focusedCell())
        setDescription(cell, what);
}

bool BoardKeyboard::frameVisible() const
{
    return m_frame->isVisible();
}

void BoardKeyboard::addCover(QWidget *panel)
{
    if (!panel)
        return;
    m_covers.append(panel);
    panel->installEventFilter(this);
    updateCover();
}

QWidget *BoardKeyboard::visibleControl(int cell) const
{
    if (cell < 1 || cell > Board::kCells)
        return nullptr;
    if (!m_board->picture(cell)->isHidden())
        return m_board->picture(cell);
    if (!m_board->label(cell)->isHidden())
        return m_board->label(cell);
    return nullptr;
}

int BoardKeyboard::neighbour(int cell, int key) const
{
    const int row = (cell - 1) / kColumns;
    const int column = (cell - 1) % kColumns;
    const auto at = [](int r, int c) { return r * kColumns + c + 1; };
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        const int step = key == Qt::Key_Left ? -1 : 1;
        for (int c = column + step; c >= 0 && c < kColumns; c += step)
            if (visibleControl(at(row, c)))
                return at(row, c);
        return 0;
    }
    // Up and down go to the next row that holds a visible cell, to the one
    // nearest to the column (the left one of two as near).
    const int step = key == Qt::Key_Up ? -1 : 1;
    for (int r = row + step; r >= 0 && r < kRows; r += step) {
        for (int d = 0; d < kColumns; ++d) {
            if (column - d >= 0 && visibleControl(at(r, column - d)))
                return at(r, column - d);
            if (column + d < kColumns && visibleControl(at(r, column + d)))
                return at(r, column + d);
        }
    }
    return 0;
}

QWidget *BoardKeyboard::nextCell(int cell, int skip1, int skip2) const
{
    for (int i = 1; i <= Board::kCells; ++i) {
        const int n = (cell - 1 + i) % Board::kCells + 1;
        if (n != skip1 && n != skip2 && visibleControl(n))
            return visibleControl(n);
    }
    return nullptr;
}

void BoardKeyboard::focusCell(QWidget *cell)
{
    if (cell)
        cell->setFocus(Qt::OtherFocusReason);
}

void BoardKeyboard::updateFrame()
{
    QWidget *focus = focusedCell();
    if (m_keyboardUsed && focus && !m_covered)
        m_frame->around(focus->geometry());
    else
        m_frame->hide();
}

void BoardKeyboard::pickUp(QWidget *cell)
{
    m_drag->cancel(); // a mouse drag under way ends
    m_carried = cell;
    m_drag->lift(cell);
    setDescription(cell, QStringLiteral("aufgenommen"));
}

void BoardKeyboard::putBack()
{
    QWidget *cell = m_carried;
    if (!cell)
        return;
    m_carried = nullptr;
    m_drag->cancel();
    // The focused cell says next what happened; any other forgets "aufgenommen".
    if (cell != focusedCell())
        setDescription(cell, QString());
}

void BoardKeyboard::dropOn(QWidget *cell)
{
    QPointer<QWidget> source = m_carried;
    QPointer<QWidget> target = cell;
    putBack();
    m_board->drop(source, target);
    if (!target || target->isHidden())
        return; // a match, told with the points
    setDescription(target, source == target ? QStringLiteral("abgelegt") : QStringLiteral("Passt nicht"));
}

bool BoardKeyboard::keyPress(QWidget *cell, int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        m_keyboardUsed = true;
        if (const int n = neighbour(m_board->cellNumber(cell), key))
            focusCell(visibleControl(n));
        updateFrame();
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_keyboardUsed = true;
        updateFrame();
        if (m_carried)
            dropOn(cell);
        else
            pickUp(cell);
        return true;
    case Qt::Key_Escape:
        if (!m_carried)
            return false;
        putBack();
        setDescription(cell, QStringLiteral("zurückgelegt"));
        return true;
    default:
        return false;
    }
}

bool BoardKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    auto *w = qobject_cast<QWidget *>(watched);
    if (m_covers.contains(w)) {
        if (event->type() == QEvent::Move || event->type() == QEvent::Show || event->type() == QEvent::Hide)
            updateCover();
        return false;
    }
    if (!w || m_board->cellNumber(w) == 0)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *ke = static_cast<QKeyEvent *>(event);
        if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const int key = ke->key();
        // A held Space or Enter picks up or drops once.
        if (ke->isAutoRepeat() && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter))
            return true;
        return keyPress(w, key);
    }
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            m_keyboardUsed = true;
        updateFrame();
        return false;
    }
    case QEvent::FocusOut: {
        // Leaving the board, for another control or window or a menu, puts a
        // carried cell back; what was said on this cell is over.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (!focusedCell() || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
            putBack();
            m_frame->hide();
        }
        if (w != m_carried)
            setDescription(w, QString());
        return false;
    }
    default:
        return false;
    }
}

// ---- the board's set-up, matches and panels -------------------------------------

void BoardKeyboard::boardEmptying()
{
    putBack();
    if (QWidget *focus = focusedCell())
        focus->clearFocus();
}

void BoardKeyboard::boardFilled()
{
    if (!m_covered)
        focusCell(nextCell(Board::kCells));
}

void BoardKeyboard::pairLeaving(QWidget *source, QWidget *target)
{
    QWidget *focus = focusedCell();
    if (!focus || (focus != source && focus != target))
        return;
    const int n = m_board->cellNumber(target);
    if (QWidget *next = nextCell(n, n, m_board->cellNumber(source)))
        focusCell(next);
    else if (m_board->pointsButton())
        m_board->pointsButton()->setFocus(Qt::OtherFocusReason);
}

void BoardKeyboard::updateCover()
{
    const QRect board = m_board->picture(1)->geometry().united(m_board->picture(Board::kCells)->geometry());
    bool covered = false;
    for (QWidget *c : qAsConst(m_covers))
        covered = covered || (!c->isHidden() && c->geometry().intersects(board));
    if (covered == m_covered)
        return;
    m_covered = covered;
    for (int n = 1; n <= Board::kCells; ++n) {
        m_board->picture(n)->setFocusPolicy(covered ? Qt::NoFocus : Qt::TabFocus);
        m_board->label(n)->setFocusPolicy(covered ? Qt::NoFocus : Qt::TabFocus);
    }
    QWidget *focus = focusedCell();
    const bool onBoard = focus != nullptr;
    if (!covered) {
        if (!onBoard)
            focusCell(nextCell(Board::kCells));
        updateFrame();
        return;
    }
    putBack();
    m_frame->hide();
    if (!onBoard)
        return;
    // The focus goes into the panel that came over the board.
    for (QWidget *c : qAsConst(m_covers)) {
        if (c->isHidden() || !c->geometry().intersects(board))
            continue;
        const auto children = c->findChildren<QWidget *>();
        for (QWidget *w : children) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->isHidden()) {
                w->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    }
    focus->clearFocus();
}

} // namespace duplikon
