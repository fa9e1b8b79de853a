#pragma once
// One running copy of a program: a named mutex, held for the life of the process.
#include <windows.h>

#include "framework/unique_handle.h"

namespace fw {

// Whether another instance holds `name` already. `held` keeps the mutex, also
// when it was there before; one that cannot be made leaves `held` empty and
// answers false.
inline bool AnotherInstanceRuns(const wchar_t* name, UniqueHandle& held) noexcept {
    HANDLE mutex = ::CreateMutexW(nullptr, TRUE, name);
    const bool taken = ::GetLastError() == ERROR_ALREADY_EXISTS;
    held.reset(mutex);
    return taken;
}

}  // namespace fw
