// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListReadAhead.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace tavolin {

namespace {

// Players read and not yet stored: a few megabytes at most.
constexpr std::size_t kMostPlayersAhead = 16384;

// The players read between two reports of the reading, and the report after them; none for
// the players read after the last report.
struct Batch {
    std::vector<FideListLine> players;
    std::optional<std::pair<qint64, qint64>> progress;
};

// What the reading thread hands to the caller's thread.
class Handover {
public:
    // Waits for room; false once the caller no longer takes any.
    bool push(Batch batch) {
        std::unique_lock lock(mutex_);
        roomOrAbandon_.wait(lock, [this] { return abandoned_ || ahead_ < kMostPlayersAhead; });
        if (abandoned_) {
            return false;
        }
        ahead_ += batch.players.size();
        batches_.push_back(std::move(batch));
        batchOrEnd_.notify_one();
        return true;
    }

    void finish(FideListReading reading, std::exception_ptr failure) {
        const std::lock_guard lock(mutex_);
        reading_ = std::move(reading);
        failure_ = std::move(failure);
        finished_ = true;
        batchOrEnd_.notify_one();
    }

    // The next batch; none once the reading ended and every batch was taken.
    std::optional<Batch> pop() {
        std::unique_lock lock(mutex_);
        batchOrEnd_.wait(lock, [this] { return finished_ || !batches_.empty(); });
        if (batches_.empty()) {
            return std::nullopt;
        }
        Batch batch = std::move(batches_.front());
        batches_.pop_front();
        ahead_ -= batch.players.size();
        roomOrAbandon_.notify_one();
        return batch;
    }

    void abandon() {
        const std::lock_guard lock(mutex_);
        abandoned_ = true;
        roomOrAbandon_.notify_one();
    }

    // After pop() gave none.
    FideListReading result() {
        const std::lock_guard lock(mutex_);
        if (failure_) {
            std::rethrow_exception(failure_);
        }
        return reading_;
    }

private:
    std::mutex mutex_;
    std::condition_variable batchOrEnd_;
    std::condition_variable roomOrAbandon_;
    std::deque<Batch> batches_;
    std::size_t ahead_ = 0;
    bool finished_ = false;
    bool abandoned_ = false;
    FideListReading reading_;
    std::exception_ptr failure_;
};

void readInto(Handover& handover, const QString& path) {
    Batch batch;
    FideListReading reading;
    std::exception_ptr failure;
    try {
        reading = readFideListFile(
            path, [&batch](const FideListLine& player) { batch.players.push_back(player); },
            [&batch, &handover](qint64 read, qint64 total) {
                batch.progress = std::pair(read, total);
                return handover.push(std::exchange(batch, Batch{}));
            });
        if (!reading.stopped) {
            handover.push(std::move(batch));
        }
    } catch (...) {
        failure = std::current_exception();
    }
    handover.finish(std::move(reading), std::move(failure));
}

// The reading thread, ended on every way out of the caller's loop, a failure included.
class ReadingThread {
public:
    ReadingThread(Handover& handover, const QString& path)
        : handover_(handover), thread_([&handover, path] { readInto(handover, path); }) {}
    ~ReadingThread() {
        handover_.abandon();
        thread_.join();
    }
    ReadingThread(const ReadingThread&) = delete;
    ReadingThread& operator=(const ReadingThread&) = delete;

private:
    Handover& handover_;
    std::thread thread_;
};

}  // namespace

FideListReading readFideListFileAhead(const QString& path,
                                      const FideListReader::PlayerHandler& handle,
                                      const FideListProgress& progress) {
    Handover handover;
    const ReadingThread reading(handover, path);
    while (std::optional<Batch> batch = handover.pop()) {
        for (const FideListLine& player : batch->players) {
            handle(player);
        }
        if (batch->progress && progress &&
            !progress(batch->progress->first, batch->progress->second)) {
            FideListReading stopped;
            stopped.stopped = true;
            return stopped;
        }
    }
    return handover.result();
}

}  // namespace tavolin
