// A netapi32.dll planted beside setup must never answer the version query, and
// no DLL planted beside the real setup.exe may be loaded while it installs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/unique_handle.h"
#include "setup/engine/win32_install_system.h"
#include "tests/support/msaa_client.h"
#include "tests/support/planted_program.h"

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
    std::wstring commandLine = L"\"" + path + L"\" --gtest_filter=PlantedDll.PlantedNetapi32BesideTheProgramIsIgnored";
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

// The whole installation from a folder of plants: start-up, the intro page, the
// version query, the rescans, DPInst (our stand-in), the removal of the card's
// node on Windows 10, the result page.
TEST(PlantedDll, NothingPlantedBesideSetupIsLoaded) {
    plant::PlantedFolder folder(plant::FromHost(QX_SETUP_EXE), plant::FromHost(QX_MARKER_DLL));
    plant::ExpectMarkerWorks(folder, plant::FromHost(QX_MARKER_DLL));
    folder.AddFolder(L"drivers");
    folder.Copy(plant::FromHost(QX_DPINST_EXE), L"drivers\\dpinst_x64.exe");
    folder.Track(L"drivers\\dpinst.log");
    {
        plant::Child setup(folder);
        ASSERT_TRUE(setup.Started());
        HWND frame = nullptr;
        ASSERT_TRUE(plant::WaitUntil(30000, [&] { return (frame = setup.Window()) != nullptr; }))
            << "setup never showed its window (a plant taken while binding its imports?)";
        HWND next = nullptr;
        ASSERT_TRUE(plant::WaitUntil(10000, [&] { return (next = plant::FindControl(frame, L"다음 >")) != nullptr; }));
        {
            // A screen reader's question makes it load oleacc, which must come from System32.
            msaa::Apartment apartment;
            fw::ComPtr<IAccessible> intro = msaa::ClientObject(GetParent(next));
            ASSERT_TRUE(intro);
            EXPECT_EQ(msaa::ChildCount(intro.Get()), 8);
            EXPECT_TRUE(setup.HasModule(L"oleacc.dll"));
        }
        PostMessageW(GetParent(next), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(next), BN_CLICKED),
                     reinterpret_cast<LPARAM>(next));
        EXPECT_TRUE(plant::WaitUntil(60000, [&] { return plant::FindControl(frame, L"마침") != nullptr; }))
            << "the installation did not reach the result page";
        EXPECT_TRUE(setup.Running());
    }
    EXPECT_EQ(folder.Loaded(), std::vector<std::wstring>{});
}

}  // namespace
