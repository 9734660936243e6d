// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QStringList>

class QFileSystemWatcher;

namespace duplikon {

// The files of the program folder that the program offers: its task files,
// its pictures and sounds, and the solution pictures of its DUPBILDER folder.
// Read once, and again on refresh(). On a local file system a watcher marks
// the lists stale when the folder changes; nothing is read on that notice, so
// no list changes in the middle of play. On a network share a watcher would
// see only this machine's changes, so none is used there.
class TaskFolder : public QObject {
    Q_OBJECT
public:
    explicit TaskFolder(const QString &folder, QObject *parent = nullptr);

    // The watcher is set up this long after the model is made: the first
    // watch of a process costs milliseconds that the start does not wait for.
    static constexpr int kWatchDelayMilliseconds = 1500;

    QString folder() const { return m_folder; }
    const QStringList &taskFiles() const { return m_taskFiles; }
    const QStringList &pictures() const { return m_pictures; }
    const QStringList &sounds() const { return m_sounds; }
    // The pictures of DUPBILDER; when that folder is missing, the pictures of
    // the program folder itself.
    const QStringList &solutionPictures() const { return m_solutionPictures; }
    bool hasSolutionFolder() const { return m_hasSolutionFolder; }
    // DUPBILDER with a trailing separator, as found in the folder.
    QString solutionFolder() const { return m_solutionFolder; }

    // A watcher looks after the folder (a local file system that allows it,
    // from kWatchDelayMilliseconds on).
    bool watched() const { return m_watcher != nullptr; }
    // The watcher saw a change since the last reading.
    bool stale() const { return m_stale; }

    // Reads the folder again; `changed` follows when any list differs.
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
    QStringList m_solutionPictures;
    bool m_hasSolutionFolder = false;
    bool m_stale = false;
    QFileSystemWatcher *m_watcher = nullptr;
};

} // namespace duplikon
