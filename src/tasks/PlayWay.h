// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace duplikon {

// How a child played a move: the board takes it with each drop, and the
// results keep it with each recorded drop and solved task.
// Cards: two cards turned in the card game "Aufdecken" (by click, tap or key).
enum class PlayWay { Mouse, Keys, Tap, Cards };

} // namespace duplikon
