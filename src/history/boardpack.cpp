// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/boardpack.h"

#include <QtEndian>

#include <algorithm>

namespace history {

QByteArray packPositions(const QList<QPoint>& positions) {
    const bool narrow = std::all_of(positions.begin(), positions.end(), [](QPoint p) {
        return p.x() >= 0 && p.x() <= 65535 && p.y() >= 0 && p.y() <= 65535;
    });
    const int width = narrow ? 2 : 4;
    QByteArray blob(1 + 2 * width * positions.size(), Qt::Uninitialized);
    blob[0] = char(width);
    char* out = blob.data() + 1;
    for (QPoint p : positions)
        for (int v : {p.x(), p.y()}) {
            if (narrow)
                qToLittleEndian<quint16>(quint16(v), out);
            else
                qToLittleEndian<qint32>(v, out);
            out += width;
        }
    return blob;
}

std::optional<QList<QPoint>> unpackPositions(const QByteArray& blob, int count) {
    const int width = blob.isEmpty() ? 0 : blob[0];
    if ((width != 2 && width != 4) || blob.size() != 1 + 2 * qsizetype(count) * width)
        return std::nullopt;
    QList<QPoint> positions;
    positions.reserve(count);
    const char* in = blob.constData() + 1;
    const auto next = [&] {
        const int v =
            width == 2 ? int(qFromLittleEndian<quint16>(in)) : qFromLittleEndian<qint32>(in);
        in += width;
        return v;
    };
    for (int i = 0; i < count; ++i) {
        const int x = next();
        positions.append(QPoint(x, next()));
    }
    return positions;
}

} // namespace history
