// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/gamesmodel.h"

#include "results/gametext.h"

using namespace Qt::Literals::StringLiterals;

namespace history {

void GamesModel::setGames(QList<Game> games) {
    beginResetModel();
    games_ = std::move(games);
    endResetModel();
}

int GamesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(games_.size());
}

int GamesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant GamesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return text(gameAt(index.row()), index.column());
    if (role == Qt::TextAlignmentRole && index.column() != Name)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

QVariant GamesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QString titles[Columns] = {u"日時"_s,     u"名前"_s,     u"範囲"_s,  u"個数"_s,
                                            u"的中範囲"_s, u"所要時間"_s, u"正解率"_s};
    return section >= 0 && section < Columns ? titles[section] : QVariant();
}

QString GamesModel::text(const Game& game, int column) {
    switch (column) {
    case Finished:
        return results::finishedText(game.finished);
    case Name:
        return game.name;
    case Range:
        return results::rangeText(game.firstNumber, game.count);
    case Count:
        return QString::number(game.count);
    case Radius:
        return results::radiusWord(game.radius);
    case Time:
        return results::gameTimeText(game.elapsedMs);
    case Rate:
        return QString::number(results::correctRate(game.hits, game.clicks)) + u" % ("_s +
               QString::number(game.hits) + u'/' + QString::number(game.clicks) + u')';
    default:
        return {};
    }
}

} // namespace history
