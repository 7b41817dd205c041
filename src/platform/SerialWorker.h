#pragma once
// A thread that runs tasks one after another, and a hand-off through which the
// interface thread waits for one result no longer than it can afford to. Used
// for the printer system, whose calls can block for minutes when the scheduler
// hangs: the window must never wait on them beyond a deadline, and the program
// must not end while one still runs on code that ending unloads.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace quorvane {

using SteadyClock = std::chrono::steady_clock;

class SerialWorker {
public:
    // name: the thread's name, as debuggers and /proc show it (at most 15 bytes).
    explicit SerialWorker(const char* name = "quorvane-worker");
    // Stops the thread (see stop()).
    ~SerialWorker();
    SerialWorker(const SerialWorker&) = delete;
    SerialWorker& operator=(const SerialWorker&) = delete;

    // Queues a task; false once the worker is stopping, and the task is dropped.
    bool post(std::function<void()> task);
    // Drops the queued tasks and joins the thread. While a task still runs,
    // interrupt is called every few milliseconds to break off what blocks it.
    void stop(const std::function<void()>& interrupt = {});

private:
    std::mutex m_;
    std::condition_variable cv_;
    std::deque<std::function<void()>> tasks_;
    bool stopping_ = false;
    bool ended_ = false;  // the thread's loop has returned
    std::thread thread_;
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
// Work still queued when the waiter gives up is skipped; a stopped worker runs
// nothing and gives nothing at once.
template <typename T, typename Work>
std::optional<T> runWithDeadline(SerialWorker& worker, SteadyClock::time_point deadline, Work work) {
    auto handoff = std::make_shared<Handoff<T>>();
    if (!worker.post([handoff, work = std::move(work)]() mutable {
            if (handoff->wanted()) work(*handoff);
        }))
        return std::nullopt;
    return handoff->await(deadline);
}

}  // namespace quorvane
