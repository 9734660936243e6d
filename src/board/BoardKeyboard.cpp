// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardKeyboard.h"

#include "board/BoardState.h"
#include "platform/InWindowDrag.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace duplikon {

namespace {
constexpr int kColumns = 5;
constexpr int kCells = BoardState::kCells;
constexpr int kRows = kCells / kColumns;
// The frame lies in the gap around the focused cell (the cells stand 7 pixels
// apart) and on the cell's own border line.
constexpr int kFrameGap = 4;
constexpr int kFrameWidth = kFrameGap + 1;
} // namespace

void drawFocusFrame(QPainter &p, const QRect &r)
{
    const QColor yellow(255, 200, 0);
    const QColor rings[kFrameWidth] = {Qt::black, yellow, yellow, yellow, Qt::black};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < kFrameWidth; ++i) {
        p.setPen(rings[i]);
        p.drawRect(r.adjusted(i, i, -1 - i, -1 - i));
    }
}

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
        drawFocusFrame(p, rect());
    }
};

// Watches the whole program for what puts a tapped cell back.
class TapWatch : public QObject {
public:
    explicit TapWatch(BoardKeyboard *keys) : QObject(keys), m_keys(keys) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override { return m_keys->tapCancels(watched, event); }

private:
    BoardKeyboard *m_keys;
};

BoardKeyboard::BoardKeyboard(BoardState *state, QWidget *client, InWindowDrag *drag,
                             const QVector<QWidget *> &pictures, const QVector<QWidget *> &labels)
    : QObject(state), m_state(state), m_client(client), m_pictures(pictures), m_labels(labels), m_drag(drag),
      m_frame(new FocusFrame(client))
{
    for (int i = 0; i < kCells; ++i) {
        for (QWidget *cell : {m_pictures.at(i), m_labels.at(i)}) {
            cell->setFocusPolicy(Qt::TabFocus);
            cell->installEventFilter(this);
            setDescription(cell, QString());
        }
    }
    connect(drag, &InWindowDrag::tapped, this, &BoardKeyboard::tap);
    connect(state, &BoardState::aboutToClear, this, &BoardKeyboard::boardEmptying);
    connect(state, &BoardState::pairMatching, this, &BoardKeyboard::pairLeaving);
    // A mouse or finger drag puts a carried cell back; the frame waits for the next key.
    connect(drag, &InWindowDrag::aboutToStart, this, [this] {
        if (QWidget *cell = m_carried) {
            putBack();
            setDescription(cell, QString());
        }
        m_keyboardUsed = false;
        m_mouseSinceKeys = true;
        updateFrame();
    });
}

int BoardKeyboard::cellIndex(const QWidget *w) const
{
    for (int i = 0; i < kCells; ++i)
        if (w == m_pictures.at(i) || w == m_labels.at(i))
            return i;
    return -1;
}

QString BoardKeyboard::place(int cell)
{
    return tr("Reihe %1, Spalte %2").arg(cell / kColumns + 1).arg(cell % kColumns + 1);
}

void BoardKeyboard::setDescription(QWidget *cell, const QString &what)
{
    const int i = cellIndex(cell);
    QString text = place(i);
    if (cell == m_pictures.at(i))
        text = tr("Bild, %1").arg(text);
    else if (m_state->cell(i).sound)
        text = tr("Ton, %1").arg(text);
    if (!what.isEmpty())
        text = tr("%1, %2").arg(what, text);
    cell->setAccessibleDescription(text);
}

QWidget *BoardKeyboard::focusedCell() const
{
    QWidget *focus = m_client->window()->focusWidget();
    return focus && cellIndex(focus) >= 0 ? focus : nullptr;
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
    if (cell < 0 || cell >= kCells || !m_state->cell(cell).shown)
        return nullptr;
    return m_state->cell(cell).picture ? m_pictures.at(cell) : m_labels.at(cell);
}

int arrowNeighbour(int place, int key, int rows, int columns, const std::function<bool(int)> &present)
{
    const int row = place / columns;
    const int column = place % columns;
    const auto at = [columns](int r, int c) { return r * columns + c; };
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        const int step = key == Qt::Key_Left ? -1 : 1;
        for (int c = column + step; c >= 0 && c < columns; c += step)
            if (present(at(row, c)))
                return at(row, c);
        return -1;
    }
    const int step = key == Qt::Key_Up ? -1 : 1;
    for (int r = row + step; r >= 0 && r < rows; r += step) {
        for (int d = 0; d < columns; ++d) {
            if (column - d >= 0 && present(at(r, column - d)))
                return at(r, column - d);
            if (column + d < columns && present(at(r, column + d)))
                return at(r, column + d);
        }
    }
    return -1;
}

int BoardKeyboard::neighbour(int cell, int key) const
{
    return arrowNeighbour(cell, key, kRows, kColumns, [this](int i) { return visibleControl(i) != nullptr; });
}

QWidget *BoardKeyboard::nextCell(int cell, int skip1, int skip2) const
{
    for (int i = 1; i <= kCells; ++i) {
        const int n = (cell + i) % kCells;
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
    setDescription(cell, tr("aufgenommen"));
    emit pickedUp(cellIndex(cell));
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
    const int source = cellIndex(m_carried);
    putBack();
    m_droppingByKey = true;
    const BoardState::DropResult result =
        m_state->drop(source, cellIndex(cell), m_tapping ? PlayWay::Tap : PlayWay::Keys);
    m_droppingByKey = false;
    if (result == BoardState::DropResult::Itself)
        setDescription(cell, tr("abgelegt"));
    else if (result == BoardState::DropResult::Mismatch)
        setDescription(cell, tr("Passt nicht"));
    // a match is told with the points
}

void BoardKeyboard::setTapPlay(bool on)
{
    if (on == m_tapPlay)
        return;
    m_tapPlay = on;
    m_drag->setTapMode(on);
    delete m_tapWatch;
    m_tapWatch = on ? new TapWatch(this) : nullptr;
    putBack();
}

void BoardKeyboard::tap(QWidget *cell)
{
    m_keyboardUsed = false;
    m_mouseSinceKeys = true;
    // The tapped cell takes the focus, so a screen reader hears it as with keys.
    if (focusedCell() != cell && !m_covered)
        cell->setFocus(Qt::MouseFocusReason);
    updateFrame();
    if (!m_carried) {
        pickUp(cell);
    } else if (cell == m_carried) {
        putBack();
        setDescription(cell, tr("zurückgelegt"));
    } else {
        m_tapping = true;
        dropOn(cell);
        m_tapping = false;
    }
}

bool BoardKeyboard::tapCancels(QObject *watched, QEvent *event)
{
    auto *w = qobject_cast<QWidget *>(watched);
    if (!m_carried || !w || cellIndex(w) >= 0)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        if (w->window() == m_client->window())
            putBack();
        return false;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape || w->window() != m_client->window())
            return false;
        putBack();
        return true;
    case QEvent::Show:
        if (w->isWindow() && w != m_client->window() && w->windowType() != Qt::ToolTip)
            putBack(); // a menu, a message or another window
        return false;
    case QEvent::WindowDeactivate:
        if (w == m_client->window())
            putBack();
        return false;
    default:
        return false;
    }
}

bool BoardKeyboard::keyPress(QWidget *cell, int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        m_keyboardUsed = true;
        m_mouseSinceKeys = false;
        if (const int n = neighbour(cellIndex(cell), key); n >= 0)
            focusCell(visibleControl(n));
        updateFrame();
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_mouseSinceKeys)
            return true; // pressed by accident after mouse play
        m_keyboardUsed = true;
        updateFrame();
        if (m_carried)
            dropOn(cell);
        else
            pickUp(cell);
        return true;
    case Qt::Key_L:
        emit listenPressed(cellIndex(cell));
        return true;
    case Qt::Key_Escape:
        if (!m_carried)
            return false;
        putBack();
        setDescription(cell, tr("zurückgelegt"));
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
    if (w && cellIndex(w) >= 0 && event->type() == QEvent::LanguageChange) {
        setDescription(w, QString()); // the place in the new language
        return false;
    }
    if (!w || cellIndex(w) < 0)
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
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            m_keyboardUsed = true;
            m_mouseSinceKeys = false;
        }
        updateFrame();
        // Keys moved it here; a click, a tap or the window's activation did not.
        if (m_keyboardUsed && reason != Qt::MouseFocusReason && reason != Qt::ActiveWindowFocusReason
            && reason != Qt::PopupFocusReason)
            emit focusReached(cellIndex(w));
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

void BoardKeyboard::announcePoints(int points)
{
    announce(tr("Richtig! %n Punkte", nullptr, points));
}

void BoardKeyboard::boardDrawn()
{
    // A sound half says so with its place ("Ton, Reihe 1, Spalte 5").
    for (QWidget *label : std::as_const(m_labels))
        setDescription(label, QString());
    if (!m_covered)
        focusCell(nextCell(kCells - 1));
}

void BoardKeyboard::pairLeaving(int target, int source)
{
    QWidget *focus = focusedCell();
    if (!focus || (cellIndex(focus) != target && cellIndex(focus) != source))
        return;
    if (QWidget *next = nextCell(target, target, source))
        focusCell(next);
    else if (m_droppingByKey)
        emit lastPairMatched();
    else
        m_client->setFocus(Qt::OtherFocusReason); // never onto a button a stray key would press
}

void BoardKeyboard::updateCover()
{
    const QRect board = m_pictures.first()->geometry().united(m_pictures.last()->geometry());
    bool covered = false;
    for (QWidget *c : qAsConst(m_covers))
        covered = covered || (!c->isHidden() && c->geometry().intersects(board));
    if (covered == m_covered)
        return;
    m_covered = covered;
    for (int i = 0; i < kCells; ++i) {
        m_pictures.at(i)->setFocusPolicy(covered ? Qt::NoFocus : Qt::TabFocus);
        m_labels.at(i)->setFocusPolicy(covered ? Qt::NoFocus : Qt::TabFocus);
    }
    QWidget *focus = focusedCell();
    const bool onBoard = focus != nullptr;
    if (!covered) {
        if (!onBoard)
            focusCell(nextCell(kCells - 1));
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
