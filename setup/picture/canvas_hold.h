#pragma once
// Holds the canvas for one step, on either thread. Windows batches a thread's
// GDI calls and runs them later; the batch is flushed before the canvas is let
// go, so the other thread finds every drawing or copy of the step done and never
// a half-finished one (Wine does not batch; Windows does).
#include <chrono>
#include <mutex>

namespace picture {

template <class Mutex, auto Flush>
class FlushingHold {
public:
    explicit FlushingHold(Mutex& mutex) : lock_(mutex) {}
    // Gives up after `patience`: see Held().
    FlushingHold(Mutex& mutex, std::chrono::milliseconds patience) : lock_(mutex, patience) {}
    FlushingHold(const FlushingHold&) = delete;
    FlushingHold& operator=(const FlushingHold&) = delete;
    ~FlushingHold() {
        if (lock_.owns_lock()) Flush();
    }  // the lock is released after this body, so the flush happens while held

    bool Held() const noexcept { return lock_.owns_lock(); }

private:
    std::unique_lock<Mutex> lock_;
};

}  // namespace picture
