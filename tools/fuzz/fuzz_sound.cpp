// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the check of a sound half's header (WAV chunks, Ogg
// page, MP3 tag or frame), which reads only the start of a file.
#include "FuzzEntry.h"
#include "pictures/SoundHalf.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray head(reinterpret_cast<const char *>(data), int(qMin<size_t>(size, duplikon::kSoundHeaderBytes)));
    if (!duplikon::isSoundHeader(head))
        return 0;
    // Only the three kinds pass, each told by its first bytes.
    if (!head.startsWith("RIFF") && !head.startsWith("OggS") && !head.startsWith("ID3") && quint8(head.at(0)) != 0xFF)
        std::abort();
    return 0;
}
