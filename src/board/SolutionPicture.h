// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
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

    // Takes the solution pictures of the folder (once, at start-up); false
    // when its picture folder is missing.
    bool setFolder(const TaskFolder &folder);
    // File3: the pictures of that folder; List8: those not yet shown in this run.
    const QStringList &File3() const { return m_file3; }
    const QStringList &List8() const { return m_list8; }

    void LoesungsbildZeigen();
    // Parks the picture and clears it (a new task is coming).
    void park();
    bool shown() const;
    // The picture box, which lies over the board while it is shown.
    PictureBox *loesungsbild() const { return m_box; }

private:
    Platform m_platform;
    QString m_folder;
    QStringList m_file3;
    QStringList m_list8;
    PictureBox *m_box;
};

} // namespace duplikon
