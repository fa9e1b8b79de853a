#include "wlanstat/info/worker_link.h"

namespace wlanstat {

std::unique_lock<std::mutex> WorkerLink::Enter() {
    std::unique_lock<std::mutex> section(gate_);
    if (stopped_) section.unlock();
    return section;
}

void WorkerLink::BeginSend(std::unique_lock<std::mutex>& section) {
    sending_ = true;
    section.unlock();
}

void WorkerLink::EndSend() {
    {
        std::lock_guard<std::mutex> lock(gate_);
        sending_ = false;
    }
    wake_.notify_all();
}

bool WorkerLink::Pause(std::chrono::milliseconds ms) {
    std::unique_lock<std::mutex> lock(gate_);
    return !wake_.wait_for(lock, ms, [this] { return stopped_; });
}

void WorkerLink::MarkExited() {
    {
        std::lock_guard<std::mutex> lock(gate_);
        exited_ = true;
    }
    wake_.notify_all();
}

void WorkerLink::Stop() {
    {
        std::lock_guard<std::mutex> lock(gate_);
        stopped_ = true;
    }
    wake_.notify_all();
}

bool WorkerLink::Stopped() const {
    std::lock_guard<std::mutex> lock(gate_);
    return stopped_;
}

bool WorkerLink::Sending() const {
    std::lock_guard<std::mutex> lock(gate_);
    return sending_;
}

bool WorkerLink::Exited() const {
    std::lock_guard<std::mutex> lock(gate_);
    return exited_;
}

}  // namespace wlanstat
