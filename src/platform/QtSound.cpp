// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSound.h"

namespace duplikon {

QtSound::QtSound(QObject *parent) : SoundOutput(parent) {}
QtSound::~QtSound() = default;
void QtSound::prepare(const QStringList &) {}
void QtSound::play(const QString &) {}
void QtSound::stop() {}

} // namespace duplikon
