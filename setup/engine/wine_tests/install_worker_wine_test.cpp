// The real worker in a child process, run from a media folder with a blank and
// Hangul in its path, against the DPInst stand-in, under several Windows versions.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/system_dll.h"
#include "framework/unique_handle.h"
#include "setup/engine/install_result.h"
#include "setup/engine/wine_tests/probe_codes.h"
#include "setup/engine/wine_tests/wine_media.h"
#include "tests/support/under_wine.h"

namespace {

const std::wstring kAllSwitches = L" /q /a /se /sh /f /path ";
const std::wstring kWin10Switches = L" /q /a /se /f /path ";

std::wstring Quoted(const std::wstring& s) { return L"\"" + s + L"\""; }

struct VersionCase {
    const wchar_t* wineVersion;
    const wchar_t* package;
    bool withSh;
};

class SupportedWindows : public ::testing::TestWithParam<VersionCase> {};

TEST_P(SupportedWindows, LaunchesStandInWithExactLineAndPostsSuccess) {
    const VersionCase v = GetParam();
    WineMedia media(std::wstring(L"ok_") + v.wineVersion, v.wineVersion);
    const std::wstring cwd = media.MakeFolder(L"작업 폴더");
    EXPECT_EQ(media.RunProbe(cwd), static_cast<int>(INSTALL_RESULT_SUCCESS));

    const std::wstring expectedLine = Quoted(media.Root() + L"\\drivers\\dpinst_x64.exe") +
                                      (v.withSh ? kAllSwitches : kWin10Switches) +
                                      Quoted(media.Root() + L"\\drivers\\" + v.package);
    // Whatever folder setup was started from, DPInst runs in one no standard user can fill.
    EXPECT_EQ(media.ReadLog(), L"command line: " + expectedLine + L"\r\ndirectory: " + fw::SystemFolder() + L"\r\n");
}

INSTANTIATE_TEST_SUITE_P(Wine, SupportedWindows,
                         ::testing::Values(VersionCase{L"win7", L"Win7X64", true},
                                           VersionCase{L"win81", L"Win81X64", true},
                                           VersionCase{L"win10", L"Win10X64", false}),
                         [](const auto& info) {
                             std::string name;
                             for (const wchar_t* p = info.param.wineVersion; *p; ++p) name += static_cast<char>(*p);
                             return name;
                         });

TEST(InstallWorkerUnderWine, Windows7WithNothingInstalledFails) {
    WineMedia media(L"none_win7", L"win7");
    media.SetStandInExitCode("0x100");
    EXPECT_EQ(media.RunProbe(), static_cast<int>(INSTALL_RESULT_FAILED));
    EXPECT_NE(media.ReadLog(), L"");
}

TEST(InstallWorkerUnderWine, Windows10SucceedsWhenNothingWasInstalled) {
    WineMedia media(L"none_win10", L"win10");
    media.SetStandInExitCode("0");
    EXPECT_EQ(media.RunProbe(), static_cast<int>(INSTALL_RESULT_SUCCESS));
}

TEST(InstallWorkerUnderWine, WindowsXpLaunchesNothing) {
    WineMedia media(L"xp", L"winxp");
    EXPECT_EQ(media.RunProbe(), static_cast<int>(INSTALL_RESULT_UNSUPPORTED_OS));
    EXPECT_FALSE(media.StandInRan());
}

TEST(InstallWorkerUnderWine, MissingDpinstFailsAtOnce) {
    WineMedia media(L"missing", L"win10", StandIn::None);
    EXPECT_EQ(media.RunProbe(), static_cast<int>(INSTALL_RESULT_FAILED));
}

// Setup runs elevated from a folder the user can write to: only an intact
// DPInst signed by Microsoft may start. (Wine accepts any root, so the test
// root stands in for Microsoft's; the root check itself is Windows' own.)
TEST(InstallWorkerUnderWine, StartsNoDpinstButMicrosoftsIntactOne) {
    for (const auto& [name, standIn] : {std::pair{L"unsigned", StandIn::Unsigned},
                                        std::pair{L"foreign", StandIn::Foreign},
                                        std::pair{L"altered", StandIn::Altered}}) {
        WineMedia media(name, L"win10", standIn);
        EXPECT_EQ(media.RunProbe(), static_cast<int>(INSTALL_RESULT_FAILED)) << name;
        EXPECT_FALSE(media.StandInRan()) << name;
    }
}

// Only Windows checks the root: Wine accepts a chain whose root no store holds
// (which is why the test root can stand in for Microsoft's here), so there the
// stray root's stand-in starts, and on Windows it must not.
TEST(InstallWorkerUnderWine, StartsNoDpinstWhoseRootNoOneTrusts) {
    WineMedia media(L"stray", L"win10", StandIn::StrayRoot);
    const bool rootChecked = !testfiles::UnderWine();
    EXPECT_EQ(media.RunProbe(), static_cast<int>(rootChecked ? INSTALL_RESULT_FAILED : INSTALL_RESULT_SUCCESS));
    EXPECT_EQ(media.StandInRan(), !rootChecked);
}

TEST(InstallWorkerUnderWine, StartsNoDpinstThatSomeoneIsWriting) {
    WineMedia media(L"locked", L"win7");
    // Another process holds it open for writing at the moment of launch.
    fw::UniqueHandle writer(CreateFileW(media.StandInPath().c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    EXPECT_EQ(media.RunProbe(), static_cast<int>(INSTALL_RESULT_FAILED));
    EXPECT_FALSE(media.StandInRan());
    // Nor does the system itself start a file open for writing (Wine refuses).
    std::wstring line = L"\"" + media.StandInPath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const BOOL ran = CreateProcessW(media.StandInPath().c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    media.Root().c_str(), &startup, &started);
    EXPECT_FALSE(ran) << "the system started a program that another process is writing";
    if (ran) {
        const fw::UniqueHandle process(started.hProcess), thread(started.hThread);
        WaitForSingleObject(process.get(), 20000);
    }
    writer.reset();
    EXPECT_EQ(media.RunProbe(), static_cast<int>(INSTALL_RESULT_SUCCESS));
}

TEST(InstallWorkerUnderWine, WaitsForDpinstHoweverLongItRuns) {
    WineMedia media(L"hold", L"win10");
    media.HoldStandIn(true);
    ProcessHandle probe = media.StartProbe();
    ASSERT_TRUE(media.WaitForStandIn(20000));
    // Well past any reasonable time-out a worker might have: still waiting.
    EXPECT_EQ(WaitForSingleObject(probe.get(), 1500), static_cast<DWORD>(WAIT_TIMEOUT));
    media.HoldStandIn(false);
    EXPECT_EQ(WaitProbe(probe, 20000), static_cast<int>(INSTALL_RESULT_SUCCESS));
}

}  // namespace
