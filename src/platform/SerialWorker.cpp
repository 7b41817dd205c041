#include "platform/SerialWorker.h"

#include <thread>

namespace quorvane {

SerialWorker::SerialWorker() : queue_(std::make_shared<Queue>()) {
    // The thread shares the queue, so it may outlive this object.
    std::thread([q = queue_] {
        for (;;) {
            std::function<void()> task;
            {
                std::unique_lock lock(q->m);
                q->cv.wait(lock, [&] { return q->stopping || !q->tasks.empty(); });
                if (q->stopping) return;
                task = std::move(q->tasks.front());
                q->tasks.pop_front();
            }
            task();
        }
    }).detach();
}

SerialWorker::~SerialWorker() {
    std::lock_guard lock(queue_->m);
    queue_->stopping = true;
    queue_->tasks.clear();
    queue_->cv.notify_all();
}

void SerialWorker::post(std::function<void()> task) {
    std::lock_guard lock(queue_->m);
    queue_->tasks.push_back(std::move(task));
    queue_->cv.notify_all();
}

}  // namespace quorvane
