#pragma once
// Runs a copy of a real program from a folder full of planted DLLs, as a user
// who downloaded it next to an attacker's files would, and tells which plants
// were loaded. Wine prefers its own DLLs; a per-program DllOverrides entry of
// "native,builtin" makes it search like Windows does, so a plant that the search
// reaches is taken.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/unique_handle.h"
#include "tests/support/build_output.h"
#include "tests/support/message_pump.h"

namespace plant {

// DLLs that the programs or system code load after start-up by name, none of
// them a Known DLL. Not here: uxtheme, version and Wine's display driver, which
// Wine loads while it binds the programs' static imports, before any code of
// the program runs (Wine has no Known DLLs either); a plant of one of those is
// taken whatever the program does.
inline const std::vector<std::wstring> kNames = {
    L"dwmapi",   L"msimg32",  L"cryptbase", L"userenv", L"profapi",  L"propsys",  L"oleacc",
    L"netapi32", L"netutils", L"srvcli",    L"wkscli",  L"wlanapi",  L"iphlpapi", L"dnsapi",
    L"cfgmgr32", L"setupapi", L"devobj",    L"newdev",  L"secur32",  L"sspicli",  L"wtsapi32",
    L"winmm",    L"comctl32", L"windowscodecs",
};

// A build output: beside this test in the Windows test pack, else in the build tree.
inline std::wstring FromHost(const char* path) { return testfiles::BuildOutput(path); }

inline std::wstring Join(const std::wstring& dir, const std::wstring& name) { return dir + L"\\" + name; }

// Looks at another process, which is slow: ten times a second is enough.
inline bool WaitUntil(DWORD ms, const auto& done) { return testpump::WaitUntil(done, ms, 100); }

// A fresh folder holding the program, one plant per name, and the overrides
// that let Wine take them; all of it goes again with the object.
class PlantedFolder {
public:
    PlantedFolder(const std::wstring& program, const std::wstring& marker) {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        dir_ = std::wstring(temp) + L"quorix-plant-" + std::to_wstring(GetCurrentProcessId());
        exeName_ = program.substr(program.find_last_of(L"\\/") + 1);
        CreateDirectoryW(dir_.c_str(), nullptr);
        Copy(program, exeName_);
        const std::wstring key = AppKey() + L"\\DllOverrides";
        static constexpr wchar_t kNativeFirst[] = L"native,builtin";
        for (const std::wstring& name : kNames) {
            Copy(marker, name + L".dll");
            RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), REG_SZ, kNativeFirst, sizeof kNativeFirst);
        }
        // The test display has no window manager to wait for.
        RegSetKeyValueW(HKEY_CURRENT_USER, (AppKey() + L"\\X11 Driver").c_str(), L"Managed", REG_SZ, L"N",
                        2 * sizeof(wchar_t));
    }
    ~PlantedFolder() {
        RegDeleteTreeW(HKEY_CURRENT_USER, (AppKey() + L"\\DllOverrides").c_str());
        for (auto it = files_.rbegin(); it != files_.rend(); ++it) {
            DeleteFileW((*it + L".loaded").c_str());
            if (!DeleteFileW(it->c_str())) RemoveDirectoryW(it->c_str());
        }
        RemoveDirectoryW(dir_.c_str());
    }
    PlantedFolder(const PlantedFolder&) = delete;
    PlantedFolder& operator=(const PlantedFolder&) = delete;

    const std::wstring& Dir() const noexcept { return dir_; }
    std::wstring Exe() const { return Join(dir_, exeName_); }
    // A file that the program leaves, removed with the folder.
    void Track(const std::wstring& name) { files_.push_back(Join(dir_, name)); }
    void AddFolder(const std::wstring& name) {
        CreateDirectoryW(Join(dir_, name).c_str(), nullptr);
        files_.push_back(Join(dir_, name));
    }
    void Copy(const std::wstring& from, const std::wstring& as) {
        DeleteFileW((Join(dir_, as) + L".loaded").c_str());  // left by a run that was stopped
        ASSERT_TRUE(CopyFileW(from.c_str(), Join(dir_, as).c_str(), FALSE)) << "cannot copy to " << testing::PrintToString(as);
        files_.push_back(Join(dir_, as));
    }
    // The plants that left their mark.
    std::vector<std::wstring> Loaded() const {
        std::vector<std::wstring> loaded;
        for (const std::wstring& name : kNames) {
            if (GetFileAttributesW(Join(dir_, name + L".dll.loaded").c_str()) != INVALID_FILE_ATTRIBUTES) {
                loaded.push_back(name);
            }
        }
        return loaded;
    }

private:
    std::wstring AppKey() const { return L"Software\\Wine\\AppDefaults\\" + exeName_; }

    std::wstring dir_;
    std::wstring exeName_;
    std::vector<std::wstring> files_;
};

// The program started from its folder; ended (not closed) with the object, since
// only what it loaded counts.
class Child {
public:
    explicit Child(const PlantedFolder& folder) {
        std::wstring commandLine = L"\"" + folder.Exe() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (CreateProcessW(folder.Exe().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           folder.Dir().c_str(), &startup, &started)) {
            process_.reset(started.hProcess);
            CloseHandle(started.hThread);
            pid_ = started.dwProcessId;
        }
    }
    ~Child() {
        if (!process_) return;
        TerminateProcess(process_.get(), 0);
        WaitForSingleObject(process_.get(), 10000);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const noexcept { return static_cast<bool>(process_); }
    bool Running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

    // A visible top-level window of the program, or nullptr.
    HWND Window() const {
        Search search{pid_, nullptr};
        EnumWindows(&Child::Visit, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // Whether the program has a module of this file name loaded.
    bool HasModule(const wchar_t* name) const {
        HMODULE modules[512];
        DWORD bytes = 0;
        if (!EnumProcessModules(process_.get(), modules, sizeof modules, &bytes)) return false;
        for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
            wchar_t base[MAX_PATH];
            if (GetModuleBaseNameW(process_.get(), modules[i], base, MAX_PATH) && lstrcmpiW(base, name) == 0) {
                return true;
            }
        }
        return false;
    }

private:
    struct Search {
        DWORD pid;
        HWND found;
    };
    static BOOL CALLBACK Visit(HWND w, LPARAM p) {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner != s->pid || !IsWindowVisible(w)) return TRUE;
        s->found = w;
        return FALSE;
    }

    fw::UniqueHandle process_;
    DWORD pid_ = 0;
};

struct LabelSearch {
    const wchar_t* text;
    HWND found;
};
inline BOOL CALLBACK VisitLabel(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<LabelSearch*>(p);
    wchar_t label[64];
    if (!IsWindowVisible(w) || GetWindowTextW(w, label, 64) == 0 || lstrcmpW(label, s->text) != 0) return TRUE;
    s->found = w;
    return FALSE;
}

// A visible child window of `top` showing `text` (a push button's label).
inline HWND FindControl(HWND top, const wchar_t* text) {
    LabelSearch search{text, nullptr};
    EnumChildWindows(top, VisitLabel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The marker works for this build's width: loaded under a name of its own, it
// leaves its mark.
inline void ExpectMarkerWorks(PlantedFolder& folder, const std::wstring& marker) {
    folder.Copy(marker, L"quorix_probe.dll");
    const std::wstring probe = Join(folder.Dir(), L"quorix_probe.dll");
    HMODULE loaded = LoadLibraryW(probe.c_str());
    ASSERT_NE(loaded, nullptr);
    FreeLibrary(loaded);
    EXPECT_NE(GetFileAttributesW((probe + L".loaded").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace plant
