// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SoundRecording.h"

#include "editor/PairLists.h"
#include "tasks/ProgramFolder.h"
#include "pictures/PictureImport.h"
#include "pictures/SoundHalf.h"
#include "platform/Audio.h"
#include "platform/Dialogs.h"
#include "platform/FileLists.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QRandomGenerator>

#include <algorithm>

namespace duplikon {


SoundRecording::SoundRecording(QWidget *client, Platform platform, const QString &programFolder, QMenu *menu,
                               const PairControls &lists)
    : QObject(client), m_client(client), m_platform(platform), m_programFolder(programFolder),
      m_lastList(PairSide::Left)
{
    m_entry = menu->addAction(QString());
    retranslate();
    m_entry->setObjectName(QStringLiteral("recordSound"));
    connect(m_entry, &QAction::triggered, this, &SoundRecording::choose);
    // Asking for a microphone may take a moment: only when the menu opens.
    connect(menu, &QMenu::aboutToShow, this, &SoundRecording::updateEntry);
    m_entry->setEnabled(false);

    connect(qApp, &QApplication::focusChanged, this, [this, lists](QWidget *, QWidget *now) {
        for (QWidget *w = now; w && w != m_client; w = w->parentWidget()) {
            if (w == lists.list1 || w == lists.list2) {
                m_lastList = w == lists.list1 ? PairSide::Left : PairSide::Right;
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

QString SoundRecording::privateName(const QString &folder)
{
    for (;;) {
        const QString path = QStringLiteral("%1/.Aufnahme-%2.wav")
                                 .arg(folder, QString::number(QRandomGenerator::global()->generate64(), 36));
        if (!QFileInfo::exists(path))
            return path;
    }
}

QString SoundRecording::takeFreeName(const QString &recorded)
{
    const QString folder = QFileInfo(recorded).path();
    // Renaming never replaces a file: a name taken meanwhile is passed over.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = freeName(folder);
        if (QFile::rename(recorded, folder + QLatin1Char('/') + name))
            return name;
        if (!QFileInfo::exists(folder + QLatin1Char('/') + name))
            break;
    }
    return {};
}

void SoundRecording::retranslate()
{
    m_entry->setText(m_path.isEmpty() ? tr("&Ton aufnehmen ...") : tr("&Tonaufnahme beenden"));
}

void SoundRecording::updateEntry()
{
    const bool recording = !m_path.isEmpty();
    retranslate();
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
    // "eigene toene" from a stick is the same folder, kept as it is spelled.
    const QString folder = ProgramFolder::ownSoundsFolder(m_programFolder);
    if (!QDir().mkpath(folder)) {
        const QString reason
            = tr("Der Ordner „%1“ kann nicht angelegt werden.").arg(ProgramFolder::ownSoundsFolderName());
        m_platform.dialogs->message(tr("Ton aufnehmen"), reason, MsgIcon::Exclamation);
        return;
    }
    // A private name while recording: a file that comes into the folder
    // meanwhile, an import of "Aufnahme.wav" say, is never written over.
    const QString path = privateName(folder);
    QString error;
    if (!recorder->start(path, kMaxMilliseconds, &error)) {
        m_platform.dialogs->message(tr("Ton aufnehmen"), error, MsgIcon::Exclamation);
        return;
    }
    m_path = path;
    emit progress(tr("Die Aufnahme läuft, höchstens %n Sekunden ...", nullptr, kMaxMilliseconds / 1000));
    updateEntry();
}

void SoundRecording::finished(const QString &path, bool ok)
{
    if (path.isEmpty() || path != m_path)
        return;
    m_path.clear();
    emit progress(QString());
    updateEntry();
    const QString folder = QFileInfo(path).path();
    const QString name = ok && checkSoundFile(path) == SoundFileState::Playable ? takeFreeName(path) : QString();
    if (name.isEmpty()) {
        QFile::remove(path); // the private file: nothing usable was recorded
        m_platform.dialogs->message(tr("Ton aufnehmen"), tr("Die Aufnahme ist nicht gelungen."), MsgIcon::Exclamation);
        return;
    }
    // Named as an imported sound is.
    emit fileAdded(m_lastList, QFileInfo(folder).fileName() + QLatin1Char('\\') + name,
                   folder + QLatin1Char('/') + name);
}

} // namespace duplikon
