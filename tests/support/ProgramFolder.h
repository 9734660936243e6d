// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace duplikon::test {

// A temporary program folder that a test fills with task files and pictures.
class ProgramFolder {
public:
    ProgramFolder();
    QString path() const { return m_dir.path(); }
    // The folder with a trailing separator, as the program shows it.
    QString folder() const;
    QString file(const QString &relative) const;

    // Writes bytes as they are (subfolders are made as needed).
    void write(const QString &relative, const QByteArray &bytes) const;
    // Writes lines with CR LF in Windows-1252.
    void writeTask(const QString &name, const QStringList &lines) const;
    // A picture of one colour (size in pixels), format by the file's ending.
    void writePicture(const QString &relative, const QColor &colour, QSize size = QSize(161, 121)) const;
    void makeFolder(const QString &relative) const;
    QByteArray read(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};

// The bytes of a picture file in format: GIF by the project's encoder (Qt
// writes no GIF), the others by Qt with its quality (-1: Qt's default).
QByteArray encodePicture(const QImage &image, const char *format, int quality = -1);

// A WAV file of a sine tone: 16-bit mono PCM at 22,050 Hz.
QByteArray toneWave(int milliseconds, int frequency = 660);

} // namespace duplikon::test
