// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultEvent.h"

namespace duplikon {

// Where the recorder's events go: the ResultsWriter, or a test's list.
class ResultsSink {
public:
    virtual ~ResultsSink() = default;
    virtual void record(const ResultEvent &event) = 0;
};

} // namespace duplikon
