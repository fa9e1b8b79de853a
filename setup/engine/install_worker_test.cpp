#include "setup/engine/install_worker.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/engine/install_result.h"

namespace engine {
namespace {

using ::testing::ElementsAre;

// Answers the worker from fixed values and records every call in order.
class RecordingSystem final : public InstallSystem {
public:
    bool modulePathReadable = true;
    std::wstring modulePath = L"C:\\Quorix Setup\\setup.exe";
    std::uint16_t architecture = kArchitectureAmd64;
    WindowsVersion version{0, 10, 0};
    std::optional<std::uint32_t> exitCode = 1u;

    std::vector<std::string> calls;
    std::wstring checkedInstaller;
    std::wstring launchedLine;
    std::vector<unsigned int> posted;

    bool ModulePath(std::wstring& path) override {
        calls.push_back("module");
        if (!modulePathReadable) return false;
        path = modulePath;
        return true;
    }
    std::uint16_t NativeArchitecture() override {
        calls.push_back("arch");
        return architecture;
    }
    WindowsVersion QueryVersion() override {
        calls.push_back("version");
        return version;
    }
    void RescanHardware() override { calls.push_back("rescan"); }
    std::optional<std::uint32_t> LaunchAndWait(const std::wstring& installerPath, std::wstring& commandLine) override {
        calls.push_back("launch");
        checkedInstaller = installerPath;
        launchedLine = commandLine;
        return exitCode;
    }
    void RemoveCardDevice() override { calls.push_back("remove"); }
    void PostOutcome(InstallOutcome outcome) override {
        calls.push_back("post " + std::to_string(outcome));
        posted.push_back(outcome);
    }
};

RecordingSystem RunWith(WindowsVersion version, std::optional<std::uint32_t> exitCode) {
    RecordingSystem s;
    s.version = version;
    s.exitCode = exitCode;
    RunInstall(s);
    return s;
}

TEST(InstallWorker, Windows10RemovesCardAndSucceedsWhateverDpinstReturns) {
    for (std::uint32_t code : {0u, 1u, 0x80010000u, 0xFFFFFFFFu}) {
        const auto s = RunWith({0, 10, 0}, code);
        EXPECT_THAT(s.calls, ElementsAre("module", "arch", "version", "rescan", "launch", "remove", "rescan",
                                         "post 0"))
            << code;
    }
}

TEST(InstallWorker, Windows10LaunchesTheLineWithoutSh) {
    const auto s = RunWith({0, 10, 0}, 0u);
    // The file checked is the one the line's first token names.
    EXPECT_EQ(s.checkedInstaller, L"C:\\Quorix Setup\\drivers\\dpinst_x64.exe");
    EXPECT_EQ(s.launchedLine,
              L"\"C:\\Quorix Setup\\drivers\\dpinst_x64.exe\" /q /a /se /f /path \"C:\\Quorix Setup\\drivers\\Win10X64\"");
}

// A zero low byte fails without the second rescan: 0x100 has the second byte set
// but installed nothing; an unreadable exit code arrives as 0.
TEST(InstallWorker, OlderWindowsSucceedsOnlyOnNonZeroLowByte) {
    const struct { const char* name; std::vector<std::uint32_t> codes; std::vector<std::string> calls; } rows[] = {
        {"succeeds", {1u, 0x80000001u, 0xFFu, 0x40000102u},
         {"module", "arch", "version", "rescan", "launch", "rescan", "post 0"}},
        {"fails", {0u, 0x100u, 0x80000000u, 0xFFFFFF00u}, {"module", "arch", "version", "rescan", "launch", "post 1"}},
    };
    for (const auto& row : rows)
        for (WindowsVersion v : {WindowsVersion{0, 6, 1}, WindowsVersion{0, 6, 2}, WindowsVersion{0, 6, 3}})
            for (std::uint32_t code : row.codes)
                EXPECT_EQ(RunWith(v, code).calls, row.calls) << row.name << " " << v.minor << " " << code;
}

TEST(InstallWorker, OlderWindowsLaunchesTheLineWithSh) {
    auto s = RecordingSystem{};
    s.version = {0, 6, 3};
    s.architecture = 0;
    RunInstall(s);
    EXPECT_EQ(s.launchedLine,
              L"\"C:\\Quorix Setup\\drivers\\dpinst_x86.exe\" /q /a /se /sh /f /path \"C:\\Quorix Setup\\drivers\\Win81X86\"");
}

// nullopt stands for every launch that cannot be trusted to have run: DPInst
// refused (unsigned, altered, foreign, locked), not started, or its end unknown.
TEST(InstallWorker, LaunchThatDoesNotStartFailsAtOnce) {
    for (WindowsVersion v : {WindowsVersion{0, 10, 0}, WindowsVersion{0, 6, 1}}) {
        const auto s = RunWith(v, std::nullopt);
        EXPECT_THAT(s.calls, ElementsAre("module", "arch", "version", "rescan", "launch", "post 1"));
    }
}

TEST(InstallWorker, UnsupportedVersionTouchesNothing) {
    for (WindowsVersion v : {WindowsVersion{0, 6, 0}, WindowsVersion{0, 5, 1}, WindowsVersion{0, 11, 0},
                             WindowsVersion{2102, 10, 0}}) {
        const auto s = RunWith(v, 1u);
        EXPECT_THAT(s.calls, ElementsAre("module", "arch", "version", "post 2")) << v.status << " " << v.major;
    }
}

TEST(InstallWorker, UnreadableModulePathFailsWithoutLaunching) {
    RecordingSystem s;
    s.modulePathReadable = false;
    RunInstall(s);
    EXPECT_THAT(s.calls, ElementsAre("module", "post 1"));
}

TEST(InstallWorker, PathWithoutBackslashStillLaunchesFromWhatSelectionGives) {
    RecordingSystem s;
    s.modulePath = L"setup.exe";
    RunInstall(s);
    EXPECT_EQ(s.launchedLine, L"\"\\drivers\\dpinst_x64.exe\" /q /a /se /f /path \"\\drivers\\Win10X64\"");
}

}  // namespace
}  // namespace engine
