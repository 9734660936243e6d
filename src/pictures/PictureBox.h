// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "pictures/PictureLoader.h"

#include <QFrame>
#include <QImage>

namespace duplikon {

// A box that shows a picture: unscaled from its top-left corner and cut off at
// its edges (Clip), or stretched over the whole box (Stretch). It decodes only
// what it shows. It can also carry a line of text written at its top-left
// corner (previews of text halves) and, when a picture cannot be loaded, the
// picture's name in small type so the teacher sees what to fix. For a sound
// half it shows the loudspeaker with the file's name under it.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr, PictureFit fit = PictureFit::Clip);

    void setFit(PictureFit fit) { m_fit = fit; }
    PictureFit fit() const { return m_fit; }
    void setBorder(bool on);

    // Loads the file for this box's current size. On failure the box is
    // cleared and false is returned (error gets the reason).
    bool loadFile(const QString &path, QString *error = nullptr);
    void setImage(const QImage &image, const QString &path = QString());
    // Removes the picture and any text written on the box.
    void clearPicture();
    // Writes a line of text at the top-left corner in the box's font.
    void writeText(const QString &text);
    // Shows a name in small type (a picture that could not be loaded).
    void setNote(const QString &note);
    // Shows the loudspeaker with name under it; crossed: the file cannot play.
    void showSound(const QString &name, bool crossed);

    bool hasPicture() const { return !m_image.isNull(); }
    QImage image() const { return m_image; }
    QString picturePath() const { return m_path; }
    QString writtenText() const { return m_text; }
    QString note() const { return m_note; }
    bool showsSound() const { return m_sound; }
    bool soundCrossed() const { return m_soundCrossed; }
    QString soundName() const { return m_sound ? m_soundName : QString(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    PictureFit m_fit;
    QImage m_image;
    QString m_path;
    QString m_text;
    QString m_note;
    bool m_sound = false;
    bool m_soundCrossed = false;
    QString m_soundName;
};

} // namespace duplikon
