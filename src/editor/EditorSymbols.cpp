// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorSymbols.h"

#include "pictures/SoundHalf.h"
#include "platform/KeyboardAccess.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

namespace duplikon {

namespace {
const QColor kInk(40, 40, 40);
const QColor kArrow(30, 90, 200);
const QColor kGreen(30, 150, 50);
const QColor kRed(200, 30, 30);

// A small list: a white sheet with three text lines, the middle one marked.
void drawSheet(QPainter &p, const QRectF &r, bool markMiddle)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    const double step = r.height() / 4.0;
    for (int i = 1; i <= 3; ++i) {
        const double y = r.top() + i * step;
        if (markMiddle && i == 2) {
            p.fillRect(QRectF(r.left() + 2, y - 2, r.width() - 3, 4), QColor(255, 220, 80));
        }
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    }
}

// A solid arrow from tail to tip.
void drawArrow(QPainter &p, QPointF tail, QPointF tip, const QColor &colour, double shaft = 4, double head = 12)
{
    const QLineF line(tail, tip);
    const double len = line.length();
    if (len <= 0)
        return;
    const QPointF u = (tip - tail) / len;
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - u * qMin(head * 0.9, len);
    QPainterPath path;
    path.moveTo(tail + n * shaft / 2);
    path.lineTo(base + n * shaft / 2);
    path.lineTo(base + n * head / 2);
    path.lineTo(tip);
    path.lineTo(base - n * head / 2);
    path.lineTo(base - n * shaft / 2);
    path.lineTo(tail - n * shaft / 2);
    path.closeSubpath();
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(colour);
    p.drawPath(path);
}
} // namespace

QImage editorSymbol(EditorSymbol kind)
{
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case EditorSymbol::Insert: {
        // a text line goes up into the list: sheet, arrow from below, plus
        drawSheet(p, QRectF(3.5, 3.5, 18, 16), false);
        drawArrow(p, QPointF(12.5, 30), QPointF(12.5, 15), kGreen, 4, 10);
        p.setPen(QPen(kGreen.darker(120), 3.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(25, 18), QPointF(25, 30));
        p.drawLine(QPointF(19, 24), QPointF(31, 24));
        break;
    }
    case EditorSymbol::MoveUp:
        drawArrow(p, QPointF(16, 29), QPointF(16, 3), kArrow, 7, 20);
        break;
    case EditorSymbol::MoveDown:
        drawArrow(p, QPointF(16, 3), QPointF(16, 29), kArrow, 7, 20);
        break;
    case EditorSymbol::Replace: {
        // the marked entry is exchanged for the text: two opposite arrows
        drawSheet(p, QRectF(2.5, 2.5, 27, 14), true);
        drawArrow(p, QPointF(9, 30), QPointF(9, 18), kGreen, 3.5, 9);
        drawArrow(p, QPointF(23, 18), QPointF(23, 30), kArrow, 3.5, 9);
        break;
    }
    case EditorSymbol::Take: {
        // the marked entry comes down into the text field
        drawSheet(p, QRectF(2.5, 2.5, 18, 16), true);
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(255, 255, 192));
        p.drawRect(QRectF(2.5, 23.5, 27, 7));
        QPainterPath bend;
        bend.moveTo(20, 10.5);
        bend.quadTo(28, 10.5, 27, 19);
        p.setPen(QPen(kArrow, 3.2, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bend);
        drawArrow(p, QPointF(27, 17), QPointF(24, 26), kArrow, 3.2, 9);
        break;
    }
    case EditorSymbol::Delete:
        p.setPen(QPen(kRed, 5.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 7), QPointF(25, 25));
        p.drawLine(QPointF(25, 7), QPointF(7, 25));
        break;
    }
    return img;
}

SymbolButton::SymbolButton(EditorSymbol kind, QWidget *parent)
    : QWidget(parent), m_symbol(editorSymbol(kind))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus); // Space or Enter clicks it
}

void SymbolButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, palette().color(QPalette::Button));
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    p.setPen(m_down ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(m_down ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    const QPoint at((width() - m_symbol.width()) / 2 + (m_down ? 1 : 0),
                    (height() - m_symbol.height()) / 2 + (m_down ? 1 : 0));
    p.drawImage(at, m_symbol);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = r.adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void SymbolButton::keyPressEvent(QKeyEvent *event)
{
    if (isPressKey(event) && !event->isAutoRepeat()) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SymbolButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_down = true;
        update();
    }
}

void SymbolButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    m_down = false;
    update();
    if (inside)
        emit clicked();
}

QImage soundPreview(const QSize &size, const QString &path, const QString &name)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont font = p.font();
    font.setPixelSize(qBound(10, size.height() / 10, 24));
    p.setFont(font);
    const QFontMetrics metrics(font);
    const QRect text(4, size.height() - metrics.height() - 4, size.width() - 8, metrics.height());
    p.setPen(kInk);
    p.drawText(text, Qt::AlignHCenter | Qt::AlignVCenter, metrics.elidedText(name, Qt::ElideMiddle, text.width()));
    drawSoundSymbol(p, QRectF(0, 0, size.width(), text.top()), kInk,
                    checkSoundFile(path) != SoundFileState::Playable);
    return image;
}

} // namespace duplikon
