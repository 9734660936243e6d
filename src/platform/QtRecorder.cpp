// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtRecorder.h"

namespace duplikon {

QtRecorder::QtRecorder(QObject *parent) : SoundRecorder(parent) {}
QtRecorder::~QtRecorder() = default;
bool QtRecorder::hasInput() const { return false; }
bool QtRecorder::start(const QString &, int, QString *) { return false; }
void QtRecorder::stop() {}

} // namespace duplikon
