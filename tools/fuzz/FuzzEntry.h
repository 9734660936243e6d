// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entry points of a fuzz target, called by libFuzzer or, in the normal
// build, by the replay program (replay.cpp) for every file of the corpora.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
