// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/game.h"

#include <QAbstractTableModel>
#include <QList>

namespace history {

// The model of the history window's table: the games of one filter, newest first, one
// column per figure (date and time, name, range, count, radius, time, rate).
// The texts are made when a cell is shown, so that ten thousand games cost
// only their list.
class GamesModel final : public QAbstractTableModel {
public:
    enum Column { Finished, Name, Range, Count, Radius, Time, Rate, Columns };

    using QAbstractTableModel::QAbstractTableModel;

    // The games in the order they were played; the table shows them reversed.
    void setGames(QList<Game> games);
    const QList<Game>& games() const { return games_; }
    // The game shown in `row`.
    const Game& gameAt(int row) const { return games_[games_.size() - 1 - row]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The text of one cell of a game.
    static QString text(const Game& game, int column);

private:
    QList<Game> games_;
};

} // namespace history
