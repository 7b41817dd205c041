#include "platform/SerialWorker.h"

#include <pthread.h>

namespace quorvane {

using namespace std::chrono_literals;

SerialWorker::SerialWorker(const char* name) {
    thread_ = std::thread([this] {
        for (;;) {
            std::function<void()> task;
            {
                std::unique_lock lock(m_);
                cv_.wait(lock, [&] { return stopping_ || !tasks_.empty(); });
                if (stopping_) break;
                task = std::move(tasks_.front());
                tasks_.pop_front();
            }
            task();
        }
        std::lock_guard lock(m_);
        ended_ = true;
        cv_.notify_all();
    });
    pthread_setname_np(thread_.native_handle(), name);
}

SerialWorker::~SerialWorker() { stop(); }

bool SerialWorker::post(std::function<void()> task) {
    std::lock_guard lock(m_);
    if (stopping_) return false;
    tasks_.push_back(std::move(task));
    cv_.notify_all();
    return true;
}

void SerialWorker::stop(const std::function<void()>& interrupt) {
    if (!thread_.joinable()) return;
    std::unique_lock lock(m_);
    stopping_ = true;
    tasks_.clear();
    cv_.notify_all();
    while (!cv_.wait_for(lock, 20ms, [&] { return ended_; }))
        if (interrupt) {
            lock.unlock();
            interrupt();
            lock.lock();
        }
    lock.unlock();
    thread_.join();
}

}  // namespace quorvane
