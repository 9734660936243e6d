// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editor/PairLists.h"
#include "platform/Services.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace duplikon {

// The entry "Ton aufnehmen ..." of the menu "Datei": records from the default
// microphone into a new WAV file in "Eigene Toene" for at most ten seconds and
// reports it, when done, for the pair list that has (or last had) the focus,
// as an imported picture is reported. Chosen again while recording
// ("Tonaufnahme beenden"), it ends the recording early. Greyed without a
// microphone.
class SoundRecording : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxMilliseconds = 10000;

    // Appends the entry to menu; client holds the pair lists, whose focus
    // lists tells (without them the recording goes to the left list).
    SoundRecording(QWidget *client, Platform platform, const QString &programFolder, QMenu *menu,
                   const PairControls &lists = {});
    ~SoundRecording() override;

    // "Aufnahme.WAV", or "Aufnahme-2.WAV" … when folder holds that name in any
    // letter case.
    static QString freeName(const QString &folder);
    // A hidden name in folder that no file has, to record into.
    static QString privateName(const QString &folder);
    // Renames the recorded file to the next free name beside it, without ever
    // replacing a file; the new name, or empty when it cannot be renamed.
    static QString takeFreeName(const QString &recorded);
    // The menu entry's text, after a change of language too.
    void retranslate();

signals:
    // The recording, stored: entry as a task file names it, path where it is.
    void fileAdded(PairSide side, const QString &entry, const QString &path);
    // A message while recording; empty when the recording has ended.
    void progress(const QString &message);

private:
    void updateEntry();
    void choose();
    void finished(const QString &path, bool ok);

    QWidget *m_client;
    Platform m_platform;
    QString m_programFolder;
    QAction *m_entry;
    PairSide m_lastList;  // the pair list that last had the focus
    QString m_path;       // the private file being recorded into
};

} // namespace duplikon
