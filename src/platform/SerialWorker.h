#pragma once
// A thread that runs tasks one after another, and a hand-off through which the
// interface thread waits for one result no longer than it can afford to. Used
// for the printer system, whose calls can block for minutes when the scheduler
// hangs: the window must never wait on them beyond a deadline.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace quorvane {

using SteadyClock = std::chrono::steady_clock;

class SerialWorker {
public:
    SerialWorker();
    // Returns at once, even while a task is blocked: the thread finishes that
    // task on its own and drops the ones still queued, so a hung call never
    // holds up the end of the program.
    ~SerialWorker();
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;

    void post(std::function<void()> task);

private:
    struct Queue {
        std::mutex m;
        std::condition_variable cv;
        std::deque<std::function<void()>> tasks;
        bool stopping = false;
    };
    std::shared_ptr<Queue> queue_;
};

// One result passed from a worker to a waiter. A waiter whose deadline passes
// gives up for good; the worker learns it from wanted() or deliver() and undoes
// what it did (a job already created is cancelled).
template <typename T>
class Handoff {
public:
    // Worker side: whether the waiter still waits.
    bool wanted() {
        std::lock_guard lock(m_);
        return !abandoned_;
    }
    // Worker side: false when the waiter had already given up.
    bool deliver(T value) {
        std::lock_guard lock(m_);
        if (abandoned_) return false;
        value_ = std::move(value);
        cv_.notify_all();
        return true;
    }
    // Waiter side: the result, or nothing once the deadline has passed.
    std::optional<T> await(SteadyClock::time_point deadline) {
        std::unique_lock lock(m_);
        if (!cv_.wait_until(lock, deadline, [&] { return value_.has_value(); })) abandoned_ = true;
        return value_;
    }

private:
    std::mutex m_;
    std::condition_variable cv_;
    std::optional<T> value_;
    bool abandoned_ = false;
};

// Runs work(handoff) on the worker and waits for its result until the deadline.
// Work still queued when the waiter gives up is skipped.
template <typename T, typename Work>
std::optional<T> runWithDeadline(SerialWorker& worker, SteadyClock::time_point deadline, Work work) {
    auto handoff = std::make_shared<Handoff<T>>();
    worker.post([handoff, work = std::move(work)]() mutable {
        if (handoff->wanted()) work(*handoff);
    });
    return handoff->await(deadline);
}

}  // namespace quorvane
