// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifEncoder.h"

namespace duplikon {

namespace {

void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

int level(int c) { return (c * 5 + 127) / 255; }

} // namespace

QByteArray encodeGif(const QImage &source)
{
    const QImage img = source.convertToFormat(QImage::Format_RGB32);
    QByteArray out("GIF89a");
    put16(out, img.width());
    put16(out, img.height());
    out.append(char(0xF7)); // global colour table of 256 entries
    out.append('\0');
    out.append('\0');
    for (int i = 0; i < 256; ++i) {
        const int r = i / 36 % 6, g = i / 6 % 6, b = i % 6;
        out.append(char(i < 216 ? r * 51 : 0));
        out.append(char(i < 216 ? g * 51 : 0));
        out.append(char(i < 216 ? b * 51 : 0));
    }
    out.append(',');
    put16(out, 0);
    put16(out, 0);
    put16(out, img.width());
    put16(out, img.height());
    out.append('\0');
    out.append(char(8)); // minimum code size

    QByteArray codes;
    quint32 acc = 0;
    int bits = 0;
    const auto put = [&](int code) {
        acc |= quint32(code) << bits;
        bits += 9;
        while (bits >= 8) {
            codes.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    int sinceClear = 0;
    put(256);
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (sinceClear == 250) {
                put(256);
                sinceClear = 0;
            }
            const QRgb c = line[x];
            put(level(qRed(c)) * 36 + level(qGreen(c)) * 6 + level(qBlue(c)));
            ++sinceClear;
        }
    }
    put(257);
    if (bits > 0)
        codes.append(char(acc & 0xFF));
    for (int i = 0; i < codes.size(); i += 255) {
        const int n = qMin(255, int(codes.size()) - i);
        out.append(char(n));
        out.append(codes.constData() + i, n);
    }
    out.append('\0');
    out.append(';');
    return out;
}

} // namespace duplikon
