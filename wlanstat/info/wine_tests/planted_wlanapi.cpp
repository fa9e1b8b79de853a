// A wlanapi.dll planted beside the test program, as an attacker would in a
// download folder. Every entry answers with a mark the real DLL never gives.
#include <windows.h>

extern "C" {
__declspec(dllexport) DWORD WINAPI WlanOpenHandle(DWORD, PVOID, PDWORD, PHANDLE) { return 4242; }
__declspec(dllexport) DWORD WINAPI WlanCloseHandle(HANDLE, PVOID) { return 4242; }
__declspec(dllexport) DWORD WINAPI WlanEnumInterfaces(HANDLE, PVOID, PVOID*) { return 4242; }
__declspec(dllexport) DWORD WINAPI WlanQueryInterface(HANDLE, const GUID*, int, PVOID, PDWORD, PVOID*, PVOID) {
    return 4242;
}
__declspec(dllexport) DWORD WINAPI WlanIhvControl(HANDLE, const GUID*, int, DWORD, PVOID, DWORD, PVOID, PDWORD) {
    return 4242;
}
__declspec(dllexport) VOID WINAPI WlanFreeMemory(PVOID) {}
__declspec(dllexport) DWORD WINAPI QuorixPlanted() { return 4242; }
}
