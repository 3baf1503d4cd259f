// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/recorder.h"

#include "history/store.h"

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

    // On `thread`: writes the games kept back, then `game`, in order of play;
    // whatever cannot be written now stays kept.
    void write(const std::optional<Game>& game) {
        if (!store) {
            store = std::make_unique<Store>(path);
            QMutexLocker lock(&mutex);
            notice = store->notice();
        }
        if (game)
            kept.append(*game);
        while (!kept.isEmpty() && store->record(kept.constFirst()))
            kept.removeFirst();
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
        },
        Qt::BlockingQueuedConnection);
    d->thread.quit();
    d->thread.wait();
    delete d->worker;
}

QString Recorder::path() const {
    return d->path;
}

void Recorder::record(const Game& game) {
    if (!d->worker) {
        d->worker = new QObject;
        d->worker->moveToThread(&d->thread);
        d->thread.setObjectName(QStringLiteral("history"));
        d->thread.start(QThread::LowPriority);
    }
    QMetaObject::invokeMethod(
        d->worker,
        [this, game] {
            d->write(game);
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

} // namespace history
