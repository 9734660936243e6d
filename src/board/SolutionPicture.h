// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "pictures/PictureLoader.h"
#include "platform/OffThread.h"
#include "platform/Services.h"

#include <QObject>
#include <QStringList>

class QWidget;

namespace duplikon {

class PictureBox;
class TaskFolder;

// The solution picture loesungsbild, stretched over the whole board when a
// task is solved, with the pool List8 of pictures not yet shown in this run.
// It is never raised: made after the cells and before the panels, it covers
// the board and stays under the panels.
class SolutionPicture : public QObject {
    Q_OBJECT
public:
    SolutionPicture(QWidget *client, Platform platform);

    static constexpr int kShown = 240;
    // How long the praise waits for a picture that is still being decoded,
    // from a server that stalls; then it comes without the picture.
    static constexpr int kWaitMilliseconds = 750;

    // Takes the solution pictures of the folder (once, at start-up); false
    // when its picture folder is missing.
    bool setFolder(const TaskFolder &folder);
    // File3: the pictures of that folder; List8: those not yet shown in this run.
    const QStringList &File3() const { return m_file3; }
    const QStringList &List8() const { return m_list8; }

    // At set-up, after the shuffle's draws: chooses the picture that the
    // completion of this task will draw, by the value it will draw (nothing
    // draws in between), and decodes it in the background, so the praise
    // needs nothing from the folder. The completion still draws itself.
    void prepare();
    // The picture chosen at set-up, and whether it is decoded (waiting at most ms).
    QString preparedPicture() const { return m_preparedPath; }
    bool preparedReady(int ms) const { return m_prepared.waitFor(ms); }
    void LoesungsbildZeigen();
    // Parks the picture and clears it (a new task is coming).
    void park();
    bool shown() const;
    // The picture box, which lies over the board while it is shown.
    PictureBox *loesungsbild() const { return m_box; }

private:
    int choose(const QStringList &pool, double r) const;
    OffThread<LoadedPicture> decode(const QString &path) const;

    Platform m_platform;
    QString m_preparedPath;
    OffThread<LoadedPicture> m_prepared;
    QString m_folder;
    QStringList m_file3;
    QStringList m_list8;
    PictureBox *m_box;
};

} // namespace duplikon
