// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SoundRecording.h"

#include "editor/EditorSymbols.h"
#include "editor/PairLists.h"
#include "editor/PictureBrowser.h"
#include "pictures/PictureBox.h"
#include "pictures/PictureImport.h"
#include "pictures/SoundHalf.h"
#include "platform/Audio.h"
#include "platform/Dialogs.h"
#include "platform/ListBox.h"
#include "platform/FileLists.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

#include <algorithm>

namespace duplikon {

namespace {
const QString kIdle = QStringLiteral("&Ton aufnehmen ...");
const QString kRecording = QStringLiteral("&Tonaufnahme beenden");
const QString kTitle = QStringLiteral("Ton aufnehmen");
const QString kRunning = QStringLiteral("Die Aufnahme läuft, höchstens 10 Sekunden ...");
} // namespace

SoundRecording::SoundRecording(QWidget *client, Platform platform, const QString &programFolder, PairLists *pairs,
                               PictureBrowser *browser, QLabel *hilfe, QMenu *menu)
    : QObject(client), m_client(client), m_platform(platform), m_programFolder(programFolder), m_pairs(pairs),
      m_browser(browser), m_hilfe(hilfe)
{
    m_entry = menu->addAction(kIdle);
    m_entry->setObjectName(QStringLiteral("recordSound"));
    connect(m_entry, &QAction::triggered, this, &SoundRecording::choose);
    // Asking for a microphone may take a moment: only when the menu opens.
    connect(menu, &QMenu::aboutToShow, this, &SoundRecording::updateEntry);
    m_entry->setEnabled(false);

    m_lastList = m_pairs->List1();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        for (QWidget *w = now; w && w != m_client; w = w->parentWidget()) {
            if (w == m_pairs->List1() || w == m_pairs->List2()) {
                m_lastList = w;
                return;
            }
        }
    });
    if (m_platform.recorder)
        connect(m_platform.recorder, &SoundRecorder::finished, this, &SoundRecording::finished);
}

SoundRecording::~SoundRecording()
{
    // A window closed while recording: the recording ends and is not added.
    if (m_platform.recorder && !m_path.isEmpty()) {
        disconnect(m_platform.recorder, nullptr, this, nullptr);
        m_platform.recorder->stop();
    }
}

QString SoundRecording::freeName(const QString &folder)
{
    const QStringList taken = listFiles(folder, QStringLiteral("Aufnahme*.WAV"));
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? QStringLiteral("Aufnahme.WAV") : QStringLiteral("Aufnahme-%1.WAV").arg(n);
        const bool used = std::any_of(taken.begin(), taken.end(),
                                      [&name](const QString &t) { return t.compare(name, Qt::CaseInsensitive) == 0; });
        if (!used)
            return name;
    }
}

void SoundRecording::updateEntry()
{
    const bool recording = !m_path.isEmpty();
    m_entry->setText(recording ? kRecording : kIdle);
    m_entry->setEnabled(recording || (m_platform.recorder && m_platform.recorder->hasInput()));
}

void SoundRecording::choose()
{
    SoundRecorder *recorder = m_platform.recorder;
    if (!recorder)
        return;
    if (!m_path.isEmpty()) {
        recorder->stop(); // finished() follows
        return;
    }
    const QString folder = QDir(m_programFolder).filePath(soundFolderName());
    if (!QDir().mkpath(folder)) {
        const QString reason = QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(soundFolderName());
        m_platform.dialogs->message(kTitle, reason, MsgIcon::Exclamation);
        return;
    }
    const QString path = folder + QLatin1Char('/') + freeName(folder);
    QString error;
    if (!recorder->start(path, kMaxMilliseconds, &error)) {
        m_platform.dialogs->message(kTitle, error, MsgIcon::Exclamation);
        return;
    }
    m_path = path;
    m_hilfeBefore = m_hilfe->text();
    m_hilfe->setText(kRunning);
    updateEntry();
}

void SoundRecording::finished(const QString &path, bool ok)
{
    if (path.isEmpty() || path != m_path)
        return;
    m_path.clear();
    if (m_hilfe->text() == kRunning)
        m_hilfe->setText(m_hilfeBefore);
    updateEntry();
    if (!ok || checkSoundFile(path) != SoundFileState::Playable) {
        QFile::remove(path); // nothing usable was recorded
        m_platform.dialogs->message(kTitle, QStringLiteral("Die Aufnahme ist nicht gelungen."), MsgIcon::Exclamation);
        return;
    }
    // The same as an imported sound.
    const QString name = QFileInfo(path).fileName();
    m_pairs->dropPicture(m_lastList, soundFolderName() + QLatin1Char('\\') + name,
                         soundPreview(kCellPictureSize, path, name), path);
    m_browser->OrdnerEinrichten(); // the browser lists the new subfolder
}

} // namespace duplikon
