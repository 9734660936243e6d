// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InWindowDrag.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace duplikon {

// The dashed outline that follows the pointer; it takes no mouse input.
class DragOutline : public QWidget {
public:
    explicit DragOutline(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_TranslucentBackground);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QPen pen(Qt::black, 2, Qt::DashLine);
        p.setPen(pen);
        p.drawRect(rect().adjusted(1, 1, -1, -1));
        QPen inner(Qt::white, 1, Qt::DashLine);
        inner.setDashOffset(2);
        p.setPen(inner);
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
};

InWindowDrag::InWindowDrag(QWidget *window)
    : QObject(window), m_window(window)
{
    m_outline = new DragOutline(window);
    window->installEventFilter(this);
}

InWindowDrag::~InWindowDrag() = default;

void InWindowDrag::addSource(QWidget *w)
{
    m_sources.insert(w);
    w->installEventFilter(this);
}

void InWindowDrag::addTarget(QWidget *w)
{
    m_targets.insert(w);
}

bool InWindowDrag::outlineVisible() const
{
    return m_outline && m_outline->isVisible();
}

void InWindowDrag::cancel()
{
    if (m_source) {
        m_source->releaseMouse();
    }
    m_source = nullptr;
    m_pressed = nullptr;
    if (m_outline)
        m_outline->hide();
}

bool InWindowDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            cancel();
            break;
        default:
            break;
        }
        return false;
    }
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || !m_sources.contains(w))
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() != Qt::LeftButton)
            return false;
        if (m_tapMode) {
            m_pressed = w;
            m_pressPos = me->globalPosition().toPoint();
        } else {
            start(w, me->globalPosition().toPoint());
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto *me = static_cast<QMouseEvent *>(event);
        const QPoint at = me->globalPosition().toPoint();
        // A finger slides a little on most taps: only leaving the pressed
        // control makes a tap a drag.
        if (m_pressed == w && !m_source && !w->rect().contains(w->mapFromGlobal(at))) {
            m_pressed = nullptr;
            start(w, m_pressPos);
        }
        if (m_source != w)
            return m_pressed == w;
        moveTo(at);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() != Qt::LeftButton)
            return false;
        if (m_pressed == w && !m_source) {
            m_pressed = nullptr;
            if (w->rect().contains(w->mapFromGlobal(me->globalPosition().toPoint())))
                emit tapped(w);
            return true;
        }
        if (m_source != w)
            return false;
        finish(me->globalPosition().toPoint());
        return true;
    }
    case QEvent::UngrabMouse:
    case QEvent::Hide:
        if (m_source == w || m_pressed == w)
            cancel();
        return false;
    default:
        return false;
    }
}

void InWindowDrag::lift(QWidget *w)
{
    cancel();
    m_outline->setGeometry(QRect(w->mapTo(m_window, QPoint(0, 0)), w->size()));
    m_outline->raise();
    m_outline->show();
}

void InWindowDrag::start(QWidget *source, const QPoint &globalPos)
{
    emit aboutToStart(source);
    cancel();
    m_source = source;
    const QPoint topLeft = source->mapTo(m_window, QPoint(0, 0));
    m_grabOffset = m_window->mapFromGlobal(globalPos) - topLeft;
    m_outline->setGeometry(QRect(topLeft, source->size()));
    m_outline->raise();
    m_outline->show();
}

void InWindowDrag::moveTo(const QPoint &globalPos)
{
    if (!m_source)
        return;
    m_outline->move(m_window->mapFromGlobal(globalPos) - m_grabOffset);
}

QWidget *InWindowDrag::targetAt(const QPoint &globalPos) const
{
    const QPoint local = m_window->mapFromGlobal(globalPos);
    if (!m_window->rect().contains(local))
        return nullptr;
    QWidget *w = m_window->childAt(local);
    while (w && w != m_window) {
        if (m_targets.contains(w) && w->isVisible())
            return w;
        w = w->parentWidget();
    }
    return nullptr;
}

void InWindowDrag::finish(const QPoint &globalPos)
{
    QPointer<QWidget> source = m_source;
    m_outline->hide();
    QWidget *target = targetAt(globalPos);
    m_source = nullptr;
    if (source && target)
        emit dropped(source, target);
}

} // namespace duplikon
