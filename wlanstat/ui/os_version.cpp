#include "wlanstat/ui/os_version.h"

#include <windows.h>
#include <lm.h>

#include "framework/system_dll.h"

std::optional<unsigned> QueryWindowsMajorVersion() noexcept {
    // netapi32 is not a Known DLL: resolve it from System32 only.
    using GetInfoFn = NET_API_STATUS(WINAPI*)(LMSTR, DWORD, LPBYTE*);
    using FreeFn = NET_API_STATUS(WINAPI*)(LPVOID);
    auto getInfo = fw::SystemProc<GetInfoFn>(L"netapi32.dll", "NetWkstaGetInfo");
    auto freeBuffer = fw::SystemProc<FreeFn>(L"netapi32.dll", "NetApiBufferFree");
    if (getInfo == nullptr || freeBuffer == nullptr) return std::nullopt;
    LPBYTE buffer = nullptr;
    if (getInfo(nullptr, 100, &buffer) != NERR_Success || buffer == nullptr) return std::nullopt;
    const unsigned major = reinterpret_cast<const WKSTA_INFO_100*>(buffer)->wki100_ver_major;
    freeBuffer(buffer);
    return major;
}
