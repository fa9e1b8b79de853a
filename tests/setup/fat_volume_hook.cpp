// Loaded into a running setup.exe by fat_volume_launcher: from then on setup's
// own calls of GetFileInformationByHandleEx answer, for files on setup's drive,
// as FAT32, exFAT and the CD file system do on Windows: the tag, id, stream and
// compression classes fail with ERROR_INVALID_PARAMETER. Wine answers them on
// every Unix file system, so without this no whole-program run could meet them.
// Each call it sees is a line in fat_volume_hook.log beside this DLL.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

namespace {

using InfoByHandleEx = BOOL(WINAPI*)(HANDLE, FILE_INFO_BY_HANDLE_CLASS, LPVOID, DWORD);
InfoByHandleEx real = nullptr;
wchar_t drive[8] = {};      // L"\\\\?\\F:", the final-name prefix of setup's own drive
wchar_t logPath[MAX_PATH] = {};

bool Refused(FILE_INFO_BY_HANDLE_CLASS c) {
    // FileStreamInfo 7, FileCompressionInfo 8, FileAttributeTagInfo 9, FileIdInfo 18.
    const int n = static_cast<int>(c);
    return n == 7 || n == 8 || n == 9 || n == 18;
}

bool OnSetupsDrive(HANDLE file) {
    wchar_t name[MAX_PATH] = {};
    const DWORD length = GetFinalPathNameByHandleW(file, name, MAX_PATH, VOLUME_NAME_DOS);
    return length > 0 && length < MAX_PATH && _wcsnicmp(name, drive, 6) == 0;
}

void Log(int infoClass, bool refused) {
    FILE* log = _wfopen(logPath, L"ab");
    if (log == nullptr) return;
    std::fprintf(log, "class %d %s\n", infoClass, refused ? "refused" : "answered");
    std::fclose(log);
}

BOOL WINAPI AsFat(HANDLE file, FILE_INFO_BY_HANDLE_CLASS c, LPVOID buffer, DWORD size) {
    const bool refused = Refused(c) && OnSetupsDrive(file);
    Log(static_cast<int>(c), refused);
    if (refused) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return real(file, c, buffer, size);
}

// Points setup.exe's import of GetFileInformationByHandleEx at AsFat.
bool PatchImport() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0) return false;
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name != 0; ++imp) {
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + (imp->OriginalFirstThunk ? imp->OriginalFirstThunk
                                                                                          : imp->FirstThunk));
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char*>(byName->Name), "GetFileInformationByHandleEx") != 0) continue;
            DWORD old = 0;
            if (!VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old)) return false;
            real = reinterpret_cast<InfoByHandleEx>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(&AsFat);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
            return true;
        }
    }
    return false;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t setupPath[MAX_PATH] = {};
    if (GetModuleFileNameW(nullptr, setupPath, MAX_PATH) == 0 || setupPath[1] != L':') return FALSE;
    std::swprintf(drive, 8, L"\\\\?\\%lc:", setupPath[0]);
    const DWORD length = GetModuleFileNameW(self, logPath, MAX_PATH - 4);
    if (length == 0 || length >= MAX_PATH - 4) return FALSE;
    std::wcscpy(logPath + length - 3, L"log");  // fat_volume_hook.dll -> .log
    // Failing the load tells the launcher that nothing was modelled.
    return PatchImport() ? TRUE : FALSE;
}
