// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/gamestable.h"

#include "results/gametext.h"

using namespace Qt::Literals::StringLiterals;

namespace history {

void GamesTable::setGames(QList<Game> games) {
    beginResetModel();
    games_ = std::move(games);
    endResetModel();
}

int GamesTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(games_.size());
}

int GamesTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant GamesTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return text(gameAt(index.row()), index.column());
    if (role == Qt::TextAlignmentRole && index.column() != Name)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

QVariant GamesTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QString titles[Columns] = {u"日時"_s,     u"名前"_s,     u"範囲"_s,  u"個数"_s,
                                            u"的中範囲"_s, u"所要時間"_s, u"正解率"_s};
    return section >= 0 && section < Columns ? titles[section] : QVariant();
}

QString GamesTable::text(const Game& game, int column) {
    switch (column) {
    case Finished:
        return game.finished.toString(u"yyyy-MM-dd HH:mm:ss"_s);
    case Name:
        return game.name;
    case Range:
        return QString::number(game.firstNumber) + u"–"_s +
               QString::number(game.firstNumber + game.count - 1);
    case Count:
        return QString::number(game.count);
    case Radius:
        switch (game.radius) {
        case 350:
            return u"狭"_s;
        case 500:
            return u"中"_s;
        case 700:
            return u"広"_s;
        default:
            return QString::number(game.radius);
        }
    case Time:
        return results::summaryTimeText(results::elapsedSeconds(0, game.elapsedMs));
    case Rate:
        return QString::number(results::correctRate(game.hits, game.clicks)) + u" % ("_s +
               QString::number(game.hits) + u'/' + QString::number(game.clicks) + u')';
    default:
        return {};
    }
}

} // namespace history
