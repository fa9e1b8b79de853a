// The Win32 side in-process, against Wine's real SetupAPI, Configuration
// Manager and network management.
#include <windows.h>

#include <gtest/gtest.h>

#include "setup/engine/pnp_routines.h"
#include "setup/engine/win32_install_system.h"

namespace {

TEST(PnpRoutinesUnderWine, RescanAndRemovalRunWithoutHarm) {
    RescanHardware();
    // Wine lists no network-class device: the walk ends with ERROR_NO_MORE_ITEMS.
    EXPECT_EQ(RemoveCardDevice(), 0);
    EXPECT_EQ(RemoveCardDevice(), 0);
    RescanHardware();
}

TEST(Win32InstallSystemUnderWine, ReadsOwnPathArchitectureAndVersion) {
    engine::Win32InstallSystem system(nullptr);
    std::wstring path;
    ASSERT_TRUE(system.ModulePath(path));
    EXPECT_NE(path.find(L"engine_wine_test.exe"), std::wstring::npos) << path.size();
    EXPECT_EQ(system.NativeArchitecture(), PROCESSOR_ARCHITECTURE_AMD64);
    const engine::WindowsVersion version = system.QueryVersion();
    EXPECT_EQ(version.status, 0u);
    EXPECT_GE(version.major, 5u);
}

TEST(Win32InstallSystemUnderWine, ReportsExitCodeOrFailedStart) {
    engine::Win32InstallSystem system(nullptr);
    std::wstring missing = L"\"C:\\no such folder\\dpinst_x64.exe\" /q";
    EXPECT_FALSE(system.LaunchAndWait(missing).has_value());
    // cmd.exe is in every prefix and returns what it is told to.
    std::wstring cmd = L"cmd.exe /c exit 258";
    EXPECT_EQ(system.LaunchAndWait(cmd), std::optional<std::uint32_t>(258));
}

}  // namespace
