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

int SolutionPicture::choose(const QStringList &pool, double r) const
{
    const int n = int(pool.size());
    return qBound(0, int(std::floor(n * r)), n - 1);
}

OffThread<LoadedPicture> SolutionPicture::decode(const QString &path) const
{
    const QSize size = m_box->size();
    return OffThread<LoadedPicture>([path, size] { return loadPicture(path, size, PictureFit::Stretch); });
}

void SolutionPicture::prepare()
{
    if (m_file3.isEmpty() || m_folder.isEmpty())
        return;
    // The pool and the value are those the completion will find: nothing
    // between set-up and completion changes List8 or draws.
    const QStringList &pool = m_list8.isEmpty() ? m_file3 : m_list8;
    const QString path = m_folder + pool.at(choose(pool, m_platform.random->peek()));
    if (path == m_preparedPath)
        return;
    m_preparedPath = path;
    m_prepared = decode(path);
}

void SolutionPicture::LoesungsbildZeigen()
{
    if (m_list8.isEmpty())
        m_list8 = m_file3;
    if (m_list8.isEmpty())
        return;
    const int i = choose(m_list8, m_platform.random->next());
    const QString path = m_folder + m_list8.at(i);
    // A picture that cannot be loaded leaves the box as it was.
    LoadedPicture pic;
    if (!m_folder.isEmpty()) {
        const OffThread<LoadedPicture> job = path == m_preparedPath ? m_prepared : decode(path);
        m_preparedPath.clear();
        m_prepared = {};
        // A server that does not answer: the praise comes without the
        // picture, which stays in the pool.
        if (!job.waitFor(kWaitMilliseconds))
            return;
        pic = job.result();
    }
    if (!pic.ok) {
        m_platform.dialogs->message(tr("Bildfehler"),
                                    tr("Es ist kein Lösungbild (PAARE*.*) vorhanden!\r\r"));
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
