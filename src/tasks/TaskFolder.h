// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractListModel>
#include <QStringList>

class QFileSystemWatcher;
class QTimer;

namespace duplikon {

struct Task;
struct TakenInTask;

// The files of the program folder that the program offers: its task files,
// its pictures and sounds, and the solution pictures of its DUPBILDER folder.
// As an item model it lists the task files, one row each. It reads the folder
// again whenever it learns of a change: a task file written, deleted or taken
// in through it, or, on a local file system, its watcher's notice. On a
// network share a watcher would see only this machine's changes, so none is
// used there: the lists that are filled anew (the task choice at activation,
// the settings panel when shown, the editor when it loads) ask it to read.
// Views show it and follow `changed`.
class TaskFolder : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TaskFolder(const QString &folder, QObject *parent = nullptr);

    // The watcher is set up this long after the model is made: the first
    // watch of a process costs milliseconds that the start does not wait for.
    static constexpr int kWatchDelayMilliseconds = 1500;
    // A watcher's notices within this time are read as one change.
    static constexpr int kSettleMilliseconds = 100;

    QString folder() const { return m_folder; }
    const QStringList &taskFiles() const { return m_taskFiles; }
    const QStringList &pictures() const { return m_pictures; }
    const QStringList &sounds() const { return m_sounds; }
    // The pictures and sounds together, as one file list of the folder shows them.
    const QStringList &media() const { return m_media; }
    // The pictures of DUPBILDER; when that folder is missing, the pictures of
    // the program folder itself.
    const QStringList &solutionPictures() const { return m_solutionPictures; }
    bool hasSolutionFolder() const { return m_hasSolutionFolder; }
    // DUPBILDER with a trailing separator, as found in the folder.
    QString solutionFolder() const { return m_solutionFolder; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Writes the task file name (a name without folder; an existing file of
    // that name in another letter case is replaced), then reads the folder.
    bool writeTask(const QString &name, const Task &task, QString *error);
    // Deletes the task file name of the folder, then reads the folder.
    bool deleteTaskFile(const QString &name, QString *error);
    // Takes a task archive into the folder, then reads the folder.
    TakenInTask takeIn(const QString &archivePath);

    // Reads the folder now; `changed` follows when any list differs. The
    // watcher and the writes above call it.
    void refresh();

    // statfs types of network shares: NFS, CIFS and SMB.
    static bool isNetworkFileSystem(qint64 type);

signals:
    void changed();

private:
    void read();
    void watch();

    QString m_folder;
    QString m_solutionFolder;
    QStringList m_taskFiles;
    QStringList m_pictures;
    QStringList m_sounds;
    QStringList m_media;
    QStringList m_solutionPictures;
    bool m_hasSolutionFolder = false;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_settle = nullptr;
};

} // namespace duplikon
