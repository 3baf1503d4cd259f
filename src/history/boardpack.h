// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>

#include <optional>

namespace history {

// The packed form of the `positions` column of table `boards`: the centres of
// every number of a game's range as they stood at one click, in twips.
//   byte 0      bytes per coordinate: 2 (every coordinate in 0 .. 65535) or 4
//   then        x, y of each number, the lowest number of the range first,
//               little-endian: unsigned 16-bit with 2, signed 32-bit with 4
// so that a board of n numbers takes 1 + 4n bytes (201 for 50 numbers).
QByteArray packPositions(const QList<QPoint>& positions);
// The positions of a blob packed for `count` numbers; nullopt when its size
// is not 1 + 2 * count * width or its width is neither 2 nor 4.
std::optional<QList<QPoint>> unpackPositions(const QByteArray& blob, int count);

} // namespace history
