// A netapi32.dll planted beside setup must never answer the version query.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/unique_handle.h"
#include "setup/engine/win32_install_system.h"

namespace {

constexpr wchar_t kChildFlag[] = L"QUORIX_PLANT_CHILD";

// Wine prefers its own netapi32 whatever lies beside the program; this makes it
// search like Windows does. Read at process start, hence the child process.
std::wstring OverrideKey(const std::wstring& exeName) {
    return L"Software\\Wine\\AppDefaults\\" + exeName + L"\\DllOverrides";
}

void CheckPlantIsIgnored() {
    // The plant is real: a plain load by name picks it.
    HMODULE plain = LoadLibraryW(L"netapi32.dll");
    ASSERT_NE(plain, nullptr);
    EXPECT_NE(GetProcAddress(plain, "QuorixPlanted"), nullptr);
    FreeLibrary(plain);

    engine::Win32InstallSystem system(nullptr);
    const engine::WindowsVersion version = system.QueryVersion();
    EXPECT_EQ(version.status, 0u);
    EXPECT_FALSE(version.major == 5 && version.minor == 1);  // what the plant claims
}

TEST(PlantedDll, PlantedNetapi32BesideTheProgramIsIgnored) {
    if (GetEnvironmentVariableW(kChildFlag, nullptr, 0) != 0) {
        CheckPlantIsIgnored();
        return;
    }
    wchar_t self[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    ASSERT_TRUE(n > 0 && n < MAX_PATH);
    const std::wstring path(self, n);
    const std::wstring key = OverrideKey(path.substr(path.rfind(L'\\') + 1));
    static constexpr wchar_t kNativeFirst[] = L"native,builtin";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"netapi32", REG_SZ, kNativeFirst, sizeof kNativeFirst),
              ERROR_SUCCESS);

    SetEnvironmentVariableW(kChildFlag, L"1");
    std::wstring commandLine = L"\"" + path + L"\" --gtest_filter=PlantedDll.*";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const BOOL ok = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &started);
    SetEnvironmentVariableW(kChildFlag, nullptr);
    DWORD code = 1;
    if (ok) {
        const fw::UniqueHandle process(started.hProcess);
        const fw::UniqueHandle thread(started.hThread);
        WaitForSingleObject(process.get(), 60000);
        GetExitCodeProcess(process.get(), &code);
    }
    RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
    ASSERT_TRUE(ok);
    EXPECT_EQ(code, 0u) << "the child's checks failed; its output is above";
}

}  // namespace
