// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSpeech.h"

namespace duplikon {

QtSpeech::QtSpeech(QObject *parent) : Speech(parent) {}
QtSpeech::~QtSpeech() = default;
void QtSpeech::start() {}
void QtSpeech::say(const QString &) {}
void QtSpeech::stop() {}
void QtSpeech::setVoice(const QString &, int) {}

} // namespace duplikon
