// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QObject>
#include <QPointer>

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace duplikon {

class PairLists;
class PictureBrowser;

// The entry "Ton aufnehmen ..." of the menu "Datei": records from the default
// microphone into a new WAV file in "Eigene Toene" for at most ten seconds and
// adds it, when done, to the pair list that has (or last had) the focus, as an
// imported picture is added. Chosen again while recording ("Tonaufnahme
// beenden"), it ends the recording early. Greyed without a microphone.
class SoundRecording : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxMilliseconds = 10000;

    // Appends the entry to menu.
    SoundRecording(QWidget *client, Platform platform, const QString &programFolder, PairLists *pairs,
                   PictureBrowser *browser, QLabel *hilfe, QMenu *menu);
    ~SoundRecording() override;

    // "Aufnahme.WAV", or "Aufnahme-2.WAV" … when folder holds that name in any
    // letter case.
    static QString freeName(const QString &folder);
    // A hidden name in folder that no file has, to record into.
    static QString privateName(const QString &folder);
    // Renames the recorded file to the next free name beside it, without ever
    // replacing a file; the new name, or empty when it cannot be renamed.
    static QString takeFreeName(const QString &recorded);

private:
    void updateEntry();
    void choose();
    void finished(const QString &path, bool ok);

    QWidget *m_client;
    Platform m_platform;
    QString m_programFolder;
    PairLists *m_pairs;
    PictureBrowser *m_browser;
    QLabel *m_hilfe;
    QAction *m_entry;
    QPointer<QWidget> m_lastList; // the pair list that last had the focus
    QString m_path;               // the private file being recorded into
    QString m_hilfeBefore;
};

} // namespace duplikon
