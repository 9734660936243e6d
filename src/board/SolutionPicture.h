// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QObject>
#include <QStringList>

class QWidget;

namespace duplikon {

class PictureBox;

// The solution picture loesungsbild, stretched over the whole board when a
// task is solved, with the pool List8 of pictures not yet shown in this run.
class SolutionPicture : public QObject {
    Q_OBJECT
public:
    SolutionPicture(QWidget *client, Platform platform);

    static constexpr int kParked = 13200;
    static constexpr int kShown = 240;

    // Reads the picture folder (once, at start-up); false when it is missing.
    bool setFolder(const QString &programFolder);
    QStringList File3() const { return m_file3; }

    void LoesungsbildZeigen();
    // Parks the picture and clears it (a new task is coming).
    void park();
    bool shown() const;

    PictureBox *loesungsbild() const { return m_box; }
    QStringList List8;

private:
    Platform m_platform;
    QString m_folder;
    QStringList m_file3;
    PictureBox *m_box;
};

} // namespace duplikon
