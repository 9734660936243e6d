// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtRecorder.h"

#include <QCoreApplication>
#include <QAudioDevice>
#include <QAudioInput>
#include <QFile>
#include <QFileInfo>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QMediaFormat>
#include <QMediaRecorder>
#include <QTimer>
#include <QUrl>

namespace duplikon {

QtRecorder::QtRecorder(QObject *parent) : SoundRecorder(parent) {}

QtRecorder::~QtRecorder()
{
    if (m_recorder)
        m_recorder->disconnect(this);
}

bool QtRecorder::hasInput() const
{
    return !QMediaDevices::audioInputs().isEmpty();
}

void QtRecorder::make()
{
    if (m_session)
        return;
    m_session = std::make_unique<QMediaCaptureSession>();
    m_input = new QAudioInput(this);
    m_recorder = new QMediaRecorder(this);
    m_session->setAudioInput(m_input);
    m_session->setRecorder(m_recorder);
    QMediaFormat format(QMediaFormat::Wave);
    format.setAudioCodec(QMediaFormat::AudioCodec::Wave); // PCM
    m_recorder->setMediaFormat(format);
    m_recorder->setQuality(QMediaRecorder::HighQuality);
    m_limit = new QTimer(this);
    m_limit->setSingleShot(true);
    connect(m_limit, &QTimer::timeout, this, &QtRecorder::stop);
    connect(m_recorder, &QMediaRecorder::durationChanged, this, &QtRecorder::durationChanged);
    connect(m_recorder, &QMediaRecorder::recorderStateChanged, this, &QtRecorder::stateChanged);
    connect(m_recorder, &QMediaRecorder::errorOccurred, this,
            [this](QMediaRecorder::Error, const QString &reason) { failed(reason); });
}

bool QtRecorder::start(const QString &path, int maxMilliseconds, QString *error)
{
    const auto refuse = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (isRecording())
        return refuse(QCoreApplication::translate("duplikon::QtRecorder", "Es läuft schon eine Aufnahme."));
    if (QFileInfo::exists(path))
        return refuse(QCoreApplication::translate("duplikon::QtRecorder", "Die Datei „%1“ gibt es schon.").arg(QFileInfo(path).fileName()));
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        return refuse(QCoreApplication::translate("duplikon::QtRecorder", "Es ist kein Mikrofon angeschlossen."));
    make();
    m_input->setDevice(device);
    m_recorder->setOutputLocation(QUrl::fromLocalFile(path));
    m_path = path;
    m_max = maxMilliseconds;
    m_failed = false;
    m_recorder->record();
    if (m_recorder->error() != QMediaRecorder::NoError) {
        const QString reason = m_recorder->errorString();
        m_path.clear();
        return refuse(QCoreApplication::translate("duplikon::QtRecorder", "Die Aufnahme kann nicht beginnen: %1").arg(reason));
    }
    m_limit->start(maxMilliseconds + 1000);
    return true;
}

void QtRecorder::stop()
{
    if (!m_recorder || !isRecording())
        return;
    if (m_recorder->recorderState() == QMediaRecorder::StoppedState)
        end(false); // it never began
    else
        m_recorder->stop(); // the stopped state ends it
}

void QtRecorder::durationChanged(qint64 milliseconds)
{
    if (isRecording() && milliseconds >= m_max)
        stop();
}

void QtRecorder::stateChanged()
{
    if (isRecording() && m_recorder->recorderState() == QMediaRecorder::StoppedState)
        end(true);
}

void QtRecorder::failed(const QString &reason)
{
    qWarning("duplikon: recording failed: %s", qPrintable(reason));
    m_failed = true;
    if (isRecording() && m_recorder->recorderState() == QMediaRecorder::StoppedState)
        end(false);
}

void QtRecorder::end(bool ok)
{
    m_limit->stop();
    const QString path = m_path;
    m_path.clear();
    // The backend may add its own ending to the name it was given. Its file
    // takes that name only while no other file has it (a rename never
    // replaces); otherwise the recording is lost, and nothing else is touched.
    const QString actual = m_recorder->actualLocation().toLocalFile();
    bool atPath = true;
    if (!actual.isEmpty() && actual != path && QFile::exists(actual)) {
        atPath = QFile::rename(actual, path);
        if (!atPath)
            QFile::remove(actual);
    }
    ok = ok && atPath && !m_failed && QFileInfo(path).size() > 0;
    emit finished(path, ok);
}

} // namespace duplikon
