// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchSupport.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>

namespace duplikon::bench {

QImage cameraPhoto(int w, int h, quint32 seed)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(30, 90, 200));
    g.setColorAt(1, QColor(240, 200, 60));
    p.fillRect(img.rect(), g);
    QRandomGenerator gen(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 400; ++i) {
        p.setBrush(QColor::fromRgb(gen.generate() | 0xFF000000u));
        const int r = int(gen.bounded(w / 20 + 2));
        p.drawEllipse(QPoint(int(gen.bounded(w)), int(gen.bounded(h))), r, r);
    }
    p.end();
    // Sensor noise: a camera's JPEG of this size holds some megabytes, and
    // reading its coefficients is most of the decoding.
    quint32 x = seed * 2654435761u + 1;
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int i = 0; i < w; ++i) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            const int n = int(x & 31) - 16;
            const QRgb c = line[i];
            line[i] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255), qBound(0, qBlue(c) - n, 255));
        }
    }
    return img;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace duplikon::bench
