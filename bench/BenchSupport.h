// SPDX-License-Identifier: GPL-3.0-or-later
// What several benchmarks share: a photo as a camera takes it, and the median.
#pragma once
#include <QImage>

#include <vector>

namespace duplikon::bench {

// A w × h picture with a gradient, 400 coloured discs and sensor noise, so
// that its JPEG holds as many megabytes as a camera's; the same for a seed.
QImage cameraPhoto(int w, int h, quint32 seed);

double median(std::vector<double> v);

} // namespace duplikon::bench
