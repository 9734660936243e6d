// SPDX-License-Identifier: GPL-3.0-or-later
// The entry points of duplikon-audio.so, which platform/AudioModule.h loads.
#include "platform/QtRecorder.h"
#include "platform/QtSound.h"
#include "platform/QtSpeech.h"

#include <cstring>

extern "C" {

// Makes the speech ("speech"), the sound output ("sound") or the recorder
// ("recorder"), as a child of parent; null for any other kind.
Q_DECL_EXPORT QObject *duplikon_audio_make(const char *kind, QObject *parent);
// Ends the speech made above, waiting at most milliseconds (QtSpeech::finish).
Q_DECL_EXPORT bool duplikon_audio_finish_speech(QObject *speech, int milliseconds);

Q_DECL_EXPORT QObject *duplikon_audio_make(const char *kind, QObject *parent)
{
    if (std::strcmp(kind, "speech") == 0)
        return new duplikon::QtSpeech(parent);
    if (std::strcmp(kind, "sound") == 0)
        return new duplikon::QtSound(parent);
    if (std::strcmp(kind, "recorder") == 0)
        return new duplikon::QtRecorder(parent);
    return nullptr;
}

Q_DECL_EXPORT bool duplikon_audio_finish_speech(QObject *speech, int milliseconds)
{
    auto *qtSpeech = qobject_cast<duplikon::QtSpeech *>(speech);
    return !qtSpeech || qtSpeech->finish(milliseconds);
}

} // extern "C"
