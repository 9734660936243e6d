// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureBox.h"

#include "pictures/SoundHalf.h"

#include <QMouseEvent>
#include <QPainter>

namespace duplikon {

PictureBox::PictureBox(QWidget *parent, PictureFit fit)
    : QFrame(parent), m_fit(fit)
{
    setAutoFillBackground(true);
    setFrameShape(QFrame::NoFrame);
}

void PictureBox::setBorder(bool on)
{
    setFrameShape(on ? QFrame::Box : QFrame::NoFrame);
    setLineWidth(1);
}

bool PictureBox::loadFile(const QString &path, QString *error)
{
    const QRect area = contentsRect();
    const LoadedPicture pic = loadPicture(path, area.size(), m_fit);
    if (!pic.ok) {
        clearPicture();
        if (error)
            *error = pic.error;
        return false;
    }
    m_image = pic.image;
    m_path = path;
    m_text.clear();
    m_note.clear();
    m_sound = false;
    update();
    return true;
}

void PictureBox::setImage(const QImage &image, const QString &path)
{
    m_image = image;
    m_path = path;
    m_text.clear();
    m_note.clear();
    m_sound = false;
    update();
}

void PictureBox::clearPicture()
{
    m_image = QImage();
    m_path.clear();
    m_text.clear();
    m_note.clear();
    m_sound = false;
    update();
}

void PictureBox::writeText(const QString &text)
{
    m_text = text;
    update();
}

void PictureBox::setNote(const QString &note)
{
    m_note = note;
    update();
}

void PictureBox::showSound(const QString &name, bool crossed)
{
    clearPicture();
    m_sound = true;
    m_soundCrossed = crossed;
    m_soundName = name;
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    const QRect area = contentsRect();
    p.setClipRect(area);
    if (!m_image.isNull()) {
        if (m_fit == PictureFit::Stretch && m_image.size() != area.size())
            p.drawImage(area, m_image);
        else
            p.drawImage(area.topLeft(), m_image);
    }
    if (!m_text.isEmpty()) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_text);
    }
    if (m_sound) {
        // The name on the bottom line, the loudspeaker centred above it.
        p.setFont(font());
        const QFontMetrics metrics(font());
        const QRect line(area.left() + 2, area.bottom() - metrics.height() - 2, area.width() - 4, metrics.height());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                   metrics.elidedText(m_soundName, Qt::ElideMiddle, line.width()));
        drawSoundSymbol(p, QRect(area.left(), area.top() + 2, area.width(), line.top() - area.top() - 2),
                        palette().color(QPalette::WindowText), m_soundCrossed);
    }
    if (!m_note.isEmpty()) {
        QFont f = font();
        f.setBold(false);
        f.setPointSizeF(7.5);
        p.setFont(f);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(area.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, m_note);
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace duplikon
