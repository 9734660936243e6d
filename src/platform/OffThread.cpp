// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OffThread.h"

#include <atomic>

namespace duplikon::offthread {

namespace {
std::atomic<int> g_running{0};
}

int running()
{
    return g_running.load();
}

void started()
{
    ++g_running;
}

void ended()
{
    --g_running;
}

} // namespace duplikon::offthread
