#pragma once
// Runs a call when its scope ends, on every path: the guard for what no handle
// type owns (a seam's Close, a table's release, memory freed by a loaded call).
// Portable: the decisions use it natively too.
#include <utility>

namespace fw {

template <typename Fn>
class ScopeExit {
public:
    explicit ScopeExit(Fn fn) noexcept : fn_(std::move(fn)) {}
    ~ScopeExit() { fn_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Fn fn_;
};

}  // namespace fw
