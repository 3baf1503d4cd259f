// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/recorder.h"

#include "history/store.h"
#include "history/unsaved.h"

#include <QMutex>
#include <QThread>

namespace history {

// The store lives on a thread of its own, opened there at the first game: a
// database connection belongs to the thread that made it, and neither the
// driver's loading nor a write (nor a wait on another running copy) may hold
// up the board.
struct Recorder::Private {
    QString path;
    QThread thread;
    QObject* worker = nullptr; // lives on `thread` once the first game came
    // Touched only on `thread`.
    std::unique_ptr<Store> store;
    QList<Game> kept;
    // Read from the owner's thread.
    mutable QMutex mutex;
    QString notice;
    int heldBack = 0;

    // On `thread`: writes the games kept back, then `game`, in order of play;
    // whatever cannot be written now stays kept, and the notice says why.
    void write(std::optional<Game> game) {
        if (!store)
            store = std::make_unique<Store>(path);
        if (game)
            kept.append(std::move(*game));
        QString why;
        while (!kept.isEmpty() && store->record(kept.constFirst(), &why))
            kept.removeFirst();
        QMutexLocker lock(&mutex);
        heldBack = int(kept.size());
        notice = kept.isEmpty()
                     ? store->notice()
                     : QStringLiteral(
                           "%1。%2 回のゲームを記録できず、保存を待っています"
                           "（書き込めるようになれば保存し、終了までに書けなければ %3 に残します）")
                           .arg(why)
                           .arg(heldBack)
                           .arg(unsavedPath(path));
    }
};

Recorder::Recorder(const QString& path, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>()) {
    d->path = path;
}

Recorder::~Recorder() {
    if (!d->worker)
        return;
    // At exit: one more try for the games kept back, then the connection
    // closes on the thread that opened it.
    QMetaObject::invokeMethod(
        d->worker,
        [this] {
            d->write(std::nullopt);
            d->store.reset();
            if (!d->kept.isEmpty())
                appendUnsaved(d->path, d->kept);
        },
        Qt::BlockingQueuedConnection);
    d->thread.quit();
    d->thread.wait();
    delete d->worker;
}

QString Recorder::path() const {
    return d->path;
}

void Recorder::record(Game game) {
    if (!d->worker) {
        d->worker = new QObject;
        d->worker->moveToThread(&d->thread);
        d->thread.setObjectName(QStringLiteral("history"));
        d->thread.start(QThread::LowPriority);
    }
    QMetaObject::invokeMethod(
        d->worker,
        [this, game = std::move(game)]() mutable {
            d->write(std::move(game));
            QMetaObject::invokeMethod(this, &Recorder::recorded, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void Recorder::flush() {
    if (d->worker)
        QMetaObject::invokeMethod(
            d->worker, [] {}, Qt::BlockingQueuedConnection);
}

QString Recorder::notice() const {
    QMutexLocker lock(&d->mutex);
    return d->notice;
}

int Recorder::heldBack() const {
    QMutexLocker lock(&d->mutex);
    return d->heldBack;
}

} // namespace history
