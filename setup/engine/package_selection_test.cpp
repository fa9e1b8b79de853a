#include "setup/engine/package_selection.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

constexpr std::uint16_t kIntel = 0;
constexpr std::uint16_t kArm64 = 12;

WindowsVersion Version(std::uint32_t major, std::uint32_t minor) { return {0, major, minor}; }

struct Row {
    std::uint32_t major, minor;
    const wchar_t* folder64;
    const wchar_t* folder32;
    int versionCode;
};

class SupportedVersion : public ::testing::TestWithParam<Row> {};

TEST_P(SupportedVersion, ChoosesFolderAndCodeForBothWidths) {
    const Row r = GetParam();
    const auto x64 = SelectPackage(L"C:\\Setup\\setup.exe", kArchitectureAmd64, Version(r.major, r.minor));
    EXPECT_FALSE(x64.unsupported);
    EXPECT_EQ(x64.VersionCode, r.versionCode);
    EXPECT_EQ(x64.PackageFolder, std::wstring(L"C:\\Setup") + r.folder64);
    EXPECT_EQ(x64.InstallerPath, L"C:\\Setup\\drivers\\dpinst_x64.exe");

    const auto x86 = SelectPackage(L"C:\\Setup\\setup.exe", kIntel, Version(r.major, r.minor));
    EXPECT_FALSE(x86.unsupported);
    EXPECT_EQ(x86.VersionCode, r.versionCode);
    EXPECT_EQ(x86.PackageFolder, std::wstring(L"C:\\Setup") + r.folder32);
    EXPECT_EQ(x86.InstallerPath, L"C:\\Setup\\drivers\\dpinst_x86.exe");
}

INSTANTIATE_TEST_SUITE_P(Table, SupportedVersion,
                         ::testing::Values(Row{10, 0, L"\\drivers\\Win10X64", L"\\drivers\\Win10X86", 10},
                                           Row{10, 5, L"\\drivers\\Win10X64", L"\\drivers\\Win10X86", 10},
                                           Row{6, 1, L"\\drivers\\Win7X64", L"\\drivers\\Win7X86", 7},
                                           Row{6, 2, L"\\drivers\\Win81X64", L"\\drivers\\Win81X86", 8},
                                           Row{6, 3, L"\\drivers\\Win81X64", L"\\drivers\\Win81X86", 81}));

TEST(PackageSelection, VersionsWithoutPackageAreUnsupported) {
    for (auto [major, minor] : {std::pair{6u, 0u}, {6u, 4u}, {5u, 1u}, {5u, 2u}, {11u, 0u}, {0u, 0u}, {7u, 1u}}) {
        const auto s = SelectPackage(L"C:\\Setup\\setup.exe", kArchitectureAmd64, Version(major, minor));
        EXPECT_TRUE(s.unsupported) << major << "." << minor;
        EXPECT_TRUE(s.PackageFolder.empty());
    }
}

TEST(PackageSelection, FailedVersionQueryIsUnsupportedWhateverTheNumbers) {
    const auto s = SelectPackage(L"C:\\Setup\\setup.exe", kArchitectureAmd64, {53, 10, 0});
    EXPECT_TRUE(s.unsupported);
    EXPECT_TRUE(s.PackageFolder.empty());
}

TEST(PackageSelection, OnlyAmd64AndIa64CountAs64Bit) {
    const struct {
        std::uint16_t arch;
        const wchar_t* installer;
        const wchar_t* folder;
    } cases[] = {
        {kArchitectureAmd64, L"C:\\S\\drivers\\dpinst_x64.exe", L"C:\\S\\drivers\\Win7X64"},
        {kArchitectureIa64, L"C:\\S\\drivers\\dpinst_x64.exe", L"C:\\S\\drivers\\Win7X64"},
        {kIntel, L"C:\\S\\drivers\\dpinst_x86.exe", L"C:\\S\\drivers\\Win7X86"},
        {kArm64, L"C:\\S\\drivers\\dpinst_x86.exe", L"C:\\S\\drivers\\Win7X86"},
        {0xFFFF, L"C:\\S\\drivers\\dpinst_x86.exe", L"C:\\S\\drivers\\Win7X86"},
    };
    for (const auto& c : cases) {
        const auto s = SelectPackage(L"C:\\S\\setup.exe", c.arch, Version(6, 1));
        EXPECT_EQ(s.InstallerPath, c.installer) << c.arch;
        EXPECT_EQ(s.PackageFolder, c.folder) << c.arch;
    }
}

TEST(PackageSelection, InstallerIsChosenEvenWhenUnsupported) {
    const auto s = SelectPackage(L"C:\\S\\setup.exe", kIntel, Version(5, 1));
    EXPECT_EQ(s.InstallerPath, L"C:\\S\\drivers\\dpinst_x86.exe");
}

TEST(ModuleDirectory, CutsAtLastBackslash) {
    EXPECT_EQ(ModuleDirectoryOf(L"C:\\a b\\setup.exe"), L"C:\\a b");
    EXPECT_EQ(ModuleDirectoryOf(L"C:\\x\\y\\z\\setup.exe"), L"C:\\x\\y\\z");
    EXPECT_EQ(ModuleDirectoryOf(L"C:\\setup.exe"), L"C:");
    EXPECT_EQ(ModuleDirectoryOf(L"\\\\server\\share\\setup.exe"), L"\\\\server\\share");
    EXPECT_EQ(ModuleDirectoryOf(L"C:/fwd/setup.exe"), L"");  // only backslashes separate
    EXPECT_EQ(ModuleDirectoryOf(L"setup.exe"), L"");
    EXPECT_EQ(ModuleDirectoryOf(L""), L"");
}

TEST(PackageSelection, PathWithoutBackslashGivesRootRelativePaths) {
    const auto s = SelectPackage(L"setup.exe", kArchitectureAmd64, Version(10, 0));
    EXPECT_EQ(s.ModuleDirectory, L"");
    EXPECT_EQ(s.InstallerPath, L"\\drivers\\dpinst_x64.exe");
    EXPECT_EQ(s.PackageFolder, L"\\drivers\\Win10X64");
}

TEST(CommandLine, Windows7LineOnTheDocumentedExample) {
    const auto s = SelectPackage(L"C:\\Setup\\setup.exe", kArchitectureAmd64, Version(6, 1));
    EXPECT_EQ(DpinstCommandLine(s),
              L"\"C:\\Setup\\drivers\\dpinst_x64.exe\" /q /a /se /sh /f /path \"C:\\Setup\\drivers\\Win7X64\"");
}

TEST(CommandLine, OnlyWindows10OmitsSh) {
    const wchar_t* with = L"\"C:\\a b\\drivers\\dpinst_x86.exe\" /q /a /se /sh /f /path \"C:\\a b\\drivers\\Win81X86\"";
    EXPECT_EQ(DpinstCommandLine(SelectPackage(L"C:\\a b\\setup.exe", kIntel, Version(6, 2))), with);
    EXPECT_EQ(DpinstCommandLine(SelectPackage(L"C:\\a b\\setup.exe", kIntel, Version(6, 3))), with);
    EXPECT_EQ(DpinstCommandLine(SelectPackage(L"C:\\a b\\setup.exe", kIntel, Version(10, 5))),
              L"\"C:\\a b\\drivers\\dpinst_x86.exe\" /q /a /se /f /path \"C:\\a b\\drivers\\Win10X86\"");
}

TEST(CommandLine, HangulPathIsInsertedUnchanged) {
    const auto s = SelectPackage(L"D:\\설치 파일\\setup.exe", kArchitectureAmd64, Version(10, 0));
    EXPECT_EQ(DpinstCommandLine(s),
              L"\"D:\\설치 파일\\drivers\\dpinst_x64.exe\" /q /a /se /f /path \"D:\\설치 파일\\drivers\\Win10X64\"");
}

}  // namespace
}  // namespace engine
