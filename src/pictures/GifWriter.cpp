// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/GifWriter.h"

#include "pictures/LittleEndian.h"
#include "platform/TextFiles.h"

#include <QHash>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <map>
#include <vector>

namespace duplikon {

namespace {

struct ColourCount {
    QRgb colour;
    quint32 count;
};

int channel(QRgb c, int axis)
{
    switch (axis) {
    case 0: return qRed(c);
    case 1: return qGreen(c);
    default: return qBlue(c);
    }
}

// A box of median cut: a range [begin, end) of the colour list.
struct Box {
    int begin = 0;
    int end = 0;
    quint64 pixels = 0;
    int longestAxis = 0;
    int longestRange = 0;
};

void measure(Box &box, const std::vector<ColourCount> &colours)
{
    int lo[3] = {255, 255, 255};
    int hi[3] = {0, 0, 0};
    box.pixels = 0;
    for (int i = box.begin; i < box.end; ++i) {
        for (int a = 0; a < 3; ++a) {
            const int v = channel(colours[i].colour, a);
            lo[a] = std::min(lo[a], v);
            hi[a] = std::max(hi[a], v);
        }
        box.pixels += colours[i].count;
    }
    box.longestAxis = 0;
    box.longestRange = -1;
    for (int a = 0; a < 3; ++a) {
        if (hi[a] - lo[a] > box.longestRange) {
            box.longestRange = hi[a] - lo[a];
            box.longestAxis = a;
        }
    }
}

QRgb average(const Box &box, const std::vector<ColourCount> &colours)
{
    quint64 sum[3] = {0, 0, 0};
    quint64 n = 0;
    for (int i = box.begin; i < box.end; ++i) {
        for (int a = 0; a < 3; ++a)
            sum[a] += quint64(channel(colours[i].colour, a)) * colours[i].count;
        n += colours[i].count;
    }
    if (n == 0)
        return qRgb(0, 0, 0);
    return qRgb(int((sum[0] + n / 2) / n), int((sum[1] + n / 2) / n), int((sum[2] + n / 2) / n));
}

QVector<QRgb> medianCut(std::vector<ColourCount> colours, int maxColours)
{
    std::vector<Box> boxes;
    Box all;
    all.begin = 0;
    all.end = int(colours.size());
    measure(all, colours);
    boxes.push_back(all);

    while (int(boxes.size()) < maxColours) {
        // Split the box whose spread, weighted by its pixels, costs most.
        int best = -1;
        double bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            const Box &b = boxes[i];
            if (b.end - b.begin < 2 || b.longestRange == 0)
                continue;
            const double score = double(b.longestRange) * std::sqrt(double(b.pixels));
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (best < 0)
            break;
        Box b = boxes[best];
        const int axis = b.longestAxis;
        std::stable_sort(colours.begin() + b.begin, colours.begin() + b.end,
                         [axis](const ColourCount &x, const ColourCount &y) {
                             const int vx = channel(x.colour, axis), vy = channel(y.colour, axis);
                             return vx != vy ? vx < vy : x.colour < y.colour;
                         });
        // Weighted median, keeping at least one colour on each side.
        quint64 acc = 0;
        int cut = b.begin + 1;
        for (int i = b.begin; i < b.end - 1; ++i) {
            acc += colours[i].count;
            cut = i + 1;
            if (acc * 2 >= b.pixels)
                break;
        }
        Box left, right;
        left.begin = b.begin;
        left.end = cut;
        right.begin = cut;
        right.end = b.end;
        measure(left, colours);
        measure(right, colours);
        boxes[best] = left;
        boxes.push_back(right);
    }

    QVector<QRgb> palette;
    for (const Box &b : boxes)
        palette.append(average(b, colours));
    return palette;
}

int nearest(QRgb c, const QVector<QRgb> &palette)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]);
        const int dg = qGreen(c) - qGreen(palette[i]);
        const int db = qBlue(c) - qBlue(palette[i]);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// Writes variable-length codes, least significant bit first, as GIF wants.
class BitWriter {
public:
    void write(int code, int bits)
    {
        m_accumulator |= quint32(code) << m_bits;
        m_bits += bits;
        while (m_bits >= 8) {
            m_bytes.append(char(m_accumulator & 0xFF));
            m_accumulator >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bits > 0)
            m_bytes.append(char(m_accumulator & 0xFF));
        m_accumulator = 0;
        m_bits = 0;
        return m_bytes;
    }

private:
    quint32 m_accumulator = 0;
    int m_bits = 0;
    QByteArray m_bytes;
};

constexpr int kMaxCode = 4095;

QByteArray lzw(const QByteArray &pixels, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    // children[prefix * 256 + pixel] = code of prefix followed by pixel, 0 = none.
    std::vector<quint16> children(size_t(kMaxCode + 1) * 256, 0);
    BitWriter bits;
    int codeSize = minCodeSize + 1;
    int lastAssigned = endCode;

    bits.write(clearCode, codeSize);
    if (pixels.isEmpty()) {
        bits.write(endCode, codeSize);
        return bits.finish();
    }
    int current = quint8(pixels[0]);
    for (int i = 1; i < pixels.size(); ++i) {
        const int next = quint8(pixels[i]);
        const quint16 child = children[size_t(current) * 256 + size_t(next)];
        if (child != 0) {
            current = child;
            continue;
        }
        bits.write(current, codeSize);
        ++lastAssigned;
        children[size_t(current) * 256 + size_t(next)] = quint16(lastAssigned);
        // The reader adds its entry one code later; when the entry just made
        // no longer fits the width, the next code is one bit wider.
        if (lastAssigned >= (1 << codeSize) && codeSize < 12)
            ++codeSize;
        if (lastAssigned == kMaxCode) {
            bits.write(clearCode, codeSize);
            std::fill(children.begin(), children.end(), quint16(0));
            codeSize = minCodeSize + 1;
            lastAssigned = endCode;
        }
        current = next;
    }
    bits.write(current, codeSize);
    // The reader adds an entry for that last code too (unless it directly
    // follows a clear code), which may widen the end code.
    if (lastAssigned > endCode && lastAssigned + 1 >= (1 << codeSize) && codeSize < 12)
        ++codeSize;
    bits.write(endCode, codeSize);
    return bits.finish();
}

} // namespace

IndexedImage quantise(const QImage &image, int maxColours)
{
    maxColours = std::clamp(maxColours, 2, 256);
    IndexedImage result;
    if (image.isNull())
        return result;
    QImage source = image.convertToFormat(QImage::Format_ARGB32);
    if (source.hasAlphaChannel()) {
        QImage flat(source.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, source);
        source = flat;
    }
    result.width = source.width();
    result.height = source.height();

    std::map<QRgb, quint32> histogram;
    for (int y = 0; y < source.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x)
            ++histogram[line[x] | 0xFF000000u];
    }

    QHash<QRgb, int> indexOf;
    if (int(histogram.size()) <= maxColours) {
        for (const auto &entry : histogram) {
            indexOf.insert(entry.first, result.palette.size());
            result.palette.append(entry.first);
        }
    } else {
        std::vector<ColourCount> colours;
        colours.reserve(histogram.size());
        for (const auto &entry : histogram)
            colours.push_back({entry.first, entry.second});
        result.palette = medianCut(colours, maxColours);
        for (const auto &entry : histogram)
            indexOf.insert(entry.first, nearest(entry.first, result.palette));
    }

    result.pixels.resize(result.width * result.height);
    char *out = result.pixels.data();
    for (int y = 0; y < source.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x)
            *out++ = char(indexOf.value(line[x] | 0xFF000000u));
    }
    return result;
}

QByteArray encodeGif(const IndexedImage &indexed)
{
    QByteArray out;
    if (indexed.width <= 0 || indexed.height <= 0 || indexed.width > 0xFFFF || indexed.height > 0xFFFF
        || indexed.palette.isEmpty() || indexed.palette.size() > 256
        || indexed.pixels.size() != indexed.width * indexed.height)
        return out;

    int tableBits = 1;
    while ((1 << tableBits) < indexed.palette.size())
        ++tableBits;

    out.append("GIF89a", 6);
    // Logical screen: size, global colour table of 2^tableBits entries.
    appendLe16(out, quint16(indexed.width));
    appendLe16(out, quint16(indexed.height));
    out.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));
    out.append(char(0));   // background colour index
    out.append(char(0));   // no aspect ratio
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < indexed.palette.size() ? indexed.palette[i] : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    // Image descriptor: the whole screen, no local table, not interlaced.
    out.append(char(0x2C));
    appendLe16(out, 0);
    appendLe16(out, 0);
    appendLe16(out, quint16(indexed.width));
    appendLe16(out, quint16(indexed.height));
    out.append(char(0));

    const int minCodeSize = std::max(2, tableBits);
    out.append(char(minCodeSize));
    const QByteArray data = lzw(indexed.pixels, minCodeSize);
    for (int pos = 0; pos < data.size(); pos += 255) {
        const int n = std::min(255, int(data.size()) - pos);
        out.append(char(n));
        out.append(data.constData() + pos, n);
    }
    out.append(char(0));      // end of the picture's data
    out.append(char(0x3B));   // trailer
    return out;
}

bool writeGif(const QImage &image, const QString &path, QString *error)
{
    const QByteArray bytes = encodeGif(quantise(image));
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("cannot encode an empty or oversized picture");
        return false;
    }
    // Replaced in one step, and a new file gets the mode of the umask.
    return writeFileAtomically(path, bytes, error);
}

} // namespace duplikon
