#include "setup/engine/installer_launch.h"

#include <gtest/gtest.h>

#include <string>

namespace engine {
namespace {

TEST(InstallerLaunch, OnlyLinksAndFoldersAreRefused) {
    struct Row {
        std::uint32_t attributes, tag;
        InstallerOpen open;
    };
    for (const Row& r : {Row{0x20, 0, InstallerOpen::Plain}, Row{0x80, 0, InstallerOpen::Plain},
                         Row{0x10, 0, InstallerOpen::Refuse},
                         Row{0x400, 0xA000000C, InstallerOpen::Refuse},   // symbolic link
                         Row{0x400, 0xA0000003, InstallerOpen::Refuse},   // junction, mount point
                         Row{0x400, 0xA000001D, InstallerOpen::Refuse},   // WSL symbolic link
                         Row{0x400, 0x8000001B, InstallerOpen::Refuse},   // app execution alias
                         Row{0x410, 0x80000017, InstallerOpen::Refuse},   // a folder, whatever its tag
                         Row{0x420, 0x80000017, InstallerOpen::Reopen},   // compressed (WOF)
                         Row{0x400, 0x80000013, InstallerOpen::Reopen},   // deduplicated
                         Row{0x400, 0x9000001A, InstallerOpen::Reopen}}) {  // cloud file
        EXPECT_EQ(InstallerOpenFor(r.attributes, r.tag), r.open) << std::hex << r.attributes << " " << r.tag;
    }
}

TEST(InstallerLaunch, StartsByTheOrdinaryFormWhereOneNamesTheFile) {
    const std::wstring drive = L"\\\\?\\Z:\\media 설치\\drivers\\dpinst_x64.exe";
    const std::wstring unc = L"\\\\?\\UNC\\server\\share\\drivers\\dpinst_x64.exe";
    EXPECT_EQ(LaunchName(drive, L""), L"Z:\\media 설치\\drivers\\dpinst_x64.exe");
    EXPECT_EQ(LaunchName(unc, L""), L"\\\\server\\share\\drivers\\dpinst_x64.exe");
    // 259 characters fit MAX_PATH with the terminator; 260 do not.
    const std::wstring fits = L"C:\\" + std::wstring(241, L'd') + L"\\dpinst_x64.exe";
    ASSERT_EQ(fits.size(), 259u);
    EXPECT_EQ(LaunchName(L"\\\\?\\" + fits, L""), fits);
    EXPECT_EQ(LaunchName(L"\\\\?\\" + fits + L"x", L""), L"\\\\?\\" + fits + L"x");
    const std::wstring longShare = L"\\\\?\\UNC\\s\\h\\" + std::wstring(250, L'd') + L"\\dpinst_x64.exe";
    EXPECT_EQ(LaunchName(longShare, L""), longShare);
    // No drive letter, or a name Win32 would parse into another file: kept as resolved.
    for (const std::wstring kept : {L"\\\\?\\Volume{2f1c7a2e-0000-0000-0000-100000000000}\\drivers\\dpinst_x64.exe",
                                    L"\\\\?\\GLOBALROOT\\Device\\HarddiskVolume7\\drivers\\dpinst_x64.exe",
                                    L"\\\\?\\C:\\media.\\drivers\\dpinst_x64.exe",
                                    L"\\\\?\\C:\\media \\drivers\\dpinst_x64.exe",
                                    L"\\\\?\\C:\\media\\..\\dpinst_x64.exe", L"\\\\?\\C:\\media\\\\dpinst_x64.exe",
                                    L"\\\\?\\C:\\media/x\\dpinst_x64.exe", L"\\\\?\\C:\\drivers\\nul.exe",
                                    L"\\\\?\\C:\\drivers\\COM1", L"\\\\?\\UNC\\server\\dpinst_x64.exe"}) {
        EXPECT_EQ(LaunchName(kept, L""), kept);
    }
}

TEST(InstallerLaunch, FallsBackToTheOpenedNameThenFails) {
    const std::wstring opened = L"\\\\?\\R:\\MEDIA~1\\drivers\\dpinst_x64.exe";
    EXPECT_EQ(LaunchName(L"", opened), L"R:\\MEDIA~1\\drivers\\dpinst_x64.exe");
    EXPECT_EQ(LaunchName(L"\\\\?\\R:\\media\\drivers\\dpinst_x64.exe", opened), L"R:\\media\\drivers\\dpinst_x64.exe");
    // Nothing that names a file: never a relative or searched name.
    for (const std::wstring odd : {L"", L"\\\\?\\", L"dpinst_x64.exe", L"C:\\drivers\\dpinst_x64.exe"}) {
        EXPECT_EQ(LaunchName(odd, L""), L"") << odd;
        EXPECT_EQ(LaunchName(odd, opened), L"R:\\MEDIA~1\\drivers\\dpinst_x64.exe") << odd;
    }
}

}  // namespace
}  // namespace engine
