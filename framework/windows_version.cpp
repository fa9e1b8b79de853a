#include "framework/windows_version.h"

#include <windows.h>
#include <lm.h>

#include "framework/system_dll.h"

namespace fw {

WindowsVersion QueryWindowsVersion() noexcept {
    // netapi32 is not a Known DLL: resolve it from System32 only.
    static const auto getInfo = FW_SYSTEM_PROC(L"netapi32.dll", NetWkstaGetInfo);
    static const auto freeBuffer = FW_SYSTEM_PROC(L"netapi32.dll", NetApiBufferFree);
    if (!AllResolved(getInfo, freeBuffer)) return {ERROR_PROC_NOT_FOUND, 0, 0};
    LPBYTE buffer = nullptr;
    const NET_API_STATUS status = getInfo(nullptr, 100, &buffer);
    if (status != NERR_Success) return {status, 0, 0};
    // A success without an answer reads as a failed query, never as version 0.0.
    if (buffer == nullptr) return {ERROR_INVALID_DATA, 0, 0};
    const auto* info = reinterpret_cast<const WKSTA_INFO_100*>(buffer);
    const WindowsVersion version{0, info->wki100_ver_major, info->wki100_ver_minor};
    freeBuffer(buffer);
    return version;
}

}  // namespace fw
