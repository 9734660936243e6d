// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSet>

class QWidget;

namespace duplikon {

class DragOutline;

// Drag of a control onto another control of the same window, built on mouse
// press, move and release: pressing the button on a source starts the drag at
// once, a dashed outline of the source follows the pointer, releasing over a
// target drops there (a plain click is a drop on the source itself), anywhere
// else does nothing. The controls never move. A finger on a touch screen does
// the same through the mouse events Qt makes from touch. Losing the window's
// focus or the grab cancels the drag and removes the outline.
class InWindowDrag : public QObject {
    Q_OBJECT
public:
    explicit InWindowDrag(QWidget *window);
    ~InWindowDrag() override;

    void addSource(QWidget *w);
    void addTarget(QWidget *w);

    bool isDragging() const { return m_source != nullptr; }
    QWidget *source() const { return m_source; }
    // The outline is shown while dragging (for tests and screenshots).
    bool outlineVisible() const;

    // Ends a drag without a drop (also used when the window loses focus).
    void cancel();

    // Shows the outline over w, where it stays, without a drag: the look of a
    // cell picked up by the keyboard. cancel() or the next drag removes it.
    void lift(QWidget *w);

    // Tap mode: a press no longer starts the drag at once. A press and
    // release on one source is a tap, however far the pointer moved inside
    // it; the drag starts as usual once the pointer leaves the source.
    void setTapMode(bool on) { m_tapMode = on; }
    bool tapMode() const { return m_tapMode; }

signals:
    // A mouse or finger press on a source is about to start a drag.
    void aboutToStart(QWidget *source);
    // The dragged control was released over a target (itself, for a click).
    void dropped(QWidget *source, QWidget *target);
    // Tap mode: a source was tapped.
    void tapped(QWidget *source);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start(QWidget *source, const QPoint &globalPos);
    void moveTo(const QPoint &globalPos);
    void finish(const QPoint &globalPos);
    QWidget *targetAt(const QPoint &globalPos) const;

    QWidget *m_window;
    QSet<QWidget *> m_sources;
    QSet<QWidget *> m_targets;
    QPointer<QWidget> m_source;
    QPointer<QWidget> m_pressed; // tap mode: pressed, not yet a drag
    QPoint m_pressPos;
    bool m_tapMode = false;
    QPoint m_grabOffset;
    DragOutline *m_outline = nullptr;
};

} // namespace duplikon
