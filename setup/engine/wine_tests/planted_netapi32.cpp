// A netapi32.dll planted beside the test program, as an attacker would in a
// download folder. It claims Windows XP, and says who it is.
#include <windows.h>

namespace {
struct WkstaInfo100 {
    DWORD platform;
    LPWSTR computer;
    LPWSTR domain;
    DWORD major;
    DWORD minor;
};
WkstaInfo100 planted{500, nullptr, nullptr, 5, 1};
}  // namespace

extern "C" {
__declspec(dllexport) DWORD WINAPI QuorixPlanted() { return 4242; }
__declspec(dllexport) DWORD WINAPI NetWkstaGetInfo(LPWSTR, DWORD, LPBYTE* buffer) {
    *buffer = reinterpret_cast<LPBYTE>(&planted);
    return 0;
}
__declspec(dllexport) DWORD WINAPI NetApiBufferFree(LPVOID) { return 0; }
}
