// A bounded hand-off of filled buffers from one thread to another. Emptied
// buffers come back for reuse, so the memory in flight stays at `depth`
// buffers and no buffer is allocated per chunk. Either side may cancel;
// the other then sees its calls fail.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>

#include "outcome.h"

namespace cli {

template <class Buffer>
class ChunkQueue {
public:
    explicit ChunkQueue(std::size_t depth) : free_(depth) {}

    // Producer: an empty buffer to fill.
    bool acquire(Buffer& buffer) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return cancelled_ || !free_.empty(); });
        if (cancelled_) {
            return false;
        }
        buffer = std::move(free_.front());
        free_.pop_front();
        buffer.clear();
        return true;
    }

    void send(Buffer&& buffer) {
        std::lock_guard<std::mutex> lock(mutex_);
        filled_.push_back(std::move(buffer));
        changed_.notify_all();
    }

    // Producer: nothing more comes.
    void close() {
        std::lock_guard<std::mutex> lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }

    // Consumer: the next filled buffer; false once the queue is closed and
    // drained, or cancelled.
    bool receive(Buffer& buffer) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return cancelled_ || closed_ || !filled_.empty(); });
        if (cancelled_ || filled_.empty()) {
            return false;
        }
        buffer = std::move(filled_.front());
        filled_.pop_front();
        return true;
    }

    void release(Buffer&& buffer) {
        std::lock_guard<std::mutex> lock(mutex_);
        free_.push_back(std::move(buffer));
        changed_.notify_all();
    }

    void cancel() {
        std::lock_guard<std::mutex> lock(mutex_);
        cancelled_ = true;
        changed_.notify_all();
    }

    bool cancelled() {
        std::lock_guard<std::mutex> lock(mutex_);
        return cancelled_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Buffer> free_;
    std::deque<Buffer> filled_;
    bool closed_ = false;
    bool cancelled_ = false;
};

// Runs `consume` on a second thread while `produce` fills the queue on this
// one, so that (for example) compressing and writing overlap. A failing
// side cancels the queue, which stops the other; the consumer's failure
// wins, as the producer then fails only for want of a consumer. The
// consumer tells a finished input from a cancelled one by cancelled().
template <class Buffer, class Produce, class Consume>
Outcome runTwoStages(std::size_t depth, Produce produce, Consume consume) {
    ChunkQueue<Buffer> queue(depth);
    Outcome consumed;
    std::thread consumer([&] {
        consumed = consume(queue);
        if (!consumed.ok()) {
            queue.cancel();
        }
    });
    const Outcome produced = produce(queue);
    if (produced.ok()) {
        queue.close();
    } else {
        queue.cancel();
    }
    consumer.join();
    return consumed.ok() ? produced : consumed;
}

}  // namespace cli
