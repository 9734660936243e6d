// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/SolutionPicture.h"
#include "tasks/TaskFolder.h"

#include "platform/Dialogs.h"
#include "platform/FileLists.h"
#include "platform/Geometry.h"
#include "pictures/PictureBox.h"

#include <cmath>

namespace duplikon {

SolutionPicture::SolutionPicture(QWidget *client, Platform platform)
    : QObject(client), m_platform(platform)
{
    m_box = new PictureBox(client, PictureFit::Stretch);
    m_box->setObjectName(QStringLiteral("loesungsbild"));
    placeTwips(m_box, kParkedLeft, 240, 12495, 7575);
    m_box->hide();
}

bool SolutionPicture::setFolder(const TaskFolder &folder)
{
    // Without DUPBILDER the list holds the working folder's pictures: they
    // are drawn as before, and loading them from the missing DUPBILDER
    // folder fails with the picture error at each completion.
    m_folder = folder.solutionFolder();
    m_file3 = folder.solutionPictures();
    return folder.hasSolutionFolder();
}

void SolutionPicture::LoesungsbildZeigen()
{
    if (m_list8.isEmpty())
        m_list8 = m_file3;
    if (m_list8.isEmpty())
        return;
    const int n = m_list8.size();
    int i = int(std::floor(n * m_platform.random->next()));
    i = qBound(0, i, n - 1);
    const QString path = m_folder + m_list8.at(i);
    // A picture that cannot be loaded leaves the box as it was.
    const LoadedPicture pic = m_folder.isEmpty() ? LoadedPicture() : loadPicture(path, m_box->size(), PictureFit::Stretch);
    if (!pic.ok) {
        m_platform.dialogs->message(QStringLiteral("Bildfehler"),
                                    QStringLiteral("Es ist kein Lösungbild (PAARE*.*) vorhanden!\r\r"));
        return;
    }
    m_box->setImage(pic.image, path);
    m_box->setAccessibleName(m_list8.at(i));
    // Shown where it was stacked, above the cells and below the panels: a
    // short list or panel that is open stays in front of it.
    m_box->move(px(kShown), m_box->y());
    m_box->show();
    m_list8.removeAt(i);
}

void SolutionPicture::park()
{
    moveLeftTwips(m_box, kParkedLeft);
    m_box->clearPicture();
}

bool SolutionPicture::shown() const
{
    return leftTwips(m_box) == kShown;
}

} // namespace duplikon
