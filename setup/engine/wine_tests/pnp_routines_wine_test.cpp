// The Win32 side in-process, against Wine's real SetupAPI, Configuration
// Manager and network management; the card removal against the simulated
// card's device nodes planted in this prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/ascii.h"
#include "framework/system_dll.h"
#include "setup/engine/installer_hold.h"
#include "setup/engine/pnp_routines.h"
#include "setup/engine/win32_install_system.h"
#include "setup/engine/win32_installer_files.h"
#include "tools/harness/simcard/devices/simcard_nodes.h"

namespace {

// The simulated card's nodes in this prefix's device tree for one test: the card
// and two near misses, all gone again afterwards.
class PlantedDevices : public ::testing::Test {
protected:
    void SetUp() override {
        for (const simcard::Node* node : kAll) ASSERT_TRUE(simcard::Add(*node)) << "cannot plant a device node";
    }
    void TearDown() override {
        for (const simcard::Node* node : kAll) EXPECT_TRUE(simcard::Remove(*node));
    }
    static constexpr const simcard::Node* kAll[] = {&simcard::kCard, &simcard::kPciDecoy, &simcard::kUsbDecoy};
};

TEST_F(PlantedDevices, RemovalTakesTheCardAndNothingThatMerelyResemblesIt) {
    RescanHardware();  // the rescan leaves every node where it is
    ASSERT_TRUE(simcard::Exists(simcard::kCard));
    EXPECT_EQ(RemoveCardDevice(), 0);
    EXPECT_FALSE(simcard::Exists(simcard::kCard));
    EXPECT_TRUE(simcard::Exists(simcard::kPciDecoy));  // listed first, its description only begins like the card's
    EXPECT_TRUE(simcard::Exists(simcard::kUsbDecoy));  // the card's description, but not on PCI
    // Without the card the walk still ends cleanly and takes nothing.
    EXPECT_EQ(RemoveCardDevice(), 0);
    EXPECT_TRUE(simcard::Exists(simcard::kPciDecoy));
    EXPECT_TRUE(simcard::Exists(simcard::kUsbDecoy));
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

TEST(Win32InstallSystemUnderWine, StartsNothingMissingOrUnsigned) {
    engine::Win32InstallSystem system(nullptr);
    std::wstring missing = L"\"C:\\no such folder\\dpinst_x64.exe\" /q";
    EXPECT_FALSE(system.LaunchAndWait(L"C:\\no such folder\\dpinst_x64.exe", missing).has_value());
    // Wine's cmd.exe carries no signature: it would exit 258 if it ran.
    std::wstring cmd = L"cmd.exe /c exit 258";
    EXPECT_FALSE(system.LaunchAndWait(fw::SystemFolder() + L"\\cmd.exe", cmd).has_value());
}

// Between the check and the start nobody may change, replace or move the file.
TEST(Win32InstallSystemUnderWine, HeldInstallerCannotBeChangedOrMoved) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"held dpinst.exe";
    const std::wstring moved = path + L".moved";
    {
        fw::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file);
    }
    {
        engine::Win32InstallerFiles held(path);
        ASSERT_TRUE(engine::HoldInstaller(held));
        EXPECT_FALSE(fw::UniqueHandle(
            CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)));
        EXPECT_FALSE(DeleteFileW(path.c_str()));
        EXPECT_FALSE(MoveFileW(path.c_str(), moved.c_str()));
        // A second reader is fine: the loader opens the file to start it.
        EXPECT_TRUE(fw::UniqueHandle(
            CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)));
    }
    // Already open for writing elsewhere: not even opened.
    {
        fw::UniqueHandle writer(
            CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(writer);
        engine::Win32InstallerFiles files(path);
        EXPECT_FALSE(engine::HoldInstaller(files));
    }
    // A folder is no program.
    engine::Win32InstallerFiles folder{std::wstring(temp)};
    EXPECT_FALSE(engine::HoldInstaller(folder));
    DeleteFileW(path.c_str());
}

// The real seam answers in the forms the launch's decisions expect (\\?\X:\...,
// \\?\Volume{...}\..., \Device\...), and a file on a lettered volume starts by
// its drive form.
TEST(Win32InstallSystemUnderWine, FileQueriesAnswerInTheFormsTheLaunchReads) {
    const std::wstring path = fw::SystemFolder() + L"\\cmd.exe";
    engine::Win32InstallerFiles files(path);
    const auto held = engine::HoldInstaller(files);
    ASSERT_EQ(held, engine::InstallerOpenAs::File);
    using engine::VolumeForm;
    const std::wstring guid = files.FinalName(*held, VolumeForm::Guid, true);
    // Windows gives the folder's own case ("System32"), the system folder may not.
    const auto same = [](const std::wstring& a, const std::wstring& b) { return fw::SameIgnoringAsciiCase(a, b); };
    EXPECT_PRED2(same, files.FinalName(*held, VolumeForm::Dos, true), L"\\\\?\\" + path);
    EXPECT_TRUE(guid.starts_with(L"\\\\?\\Volume{")) << guid;
    EXPECT_TRUE(files.FinalName(*held, VolumeForm::Nt, false).starts_with(L"\\Device\\"));
    const std::wstring root = files.VolumeAtRoot(path.substr(0, 3));
    EXPECT_TRUE(!root.empty() && guid.starts_with(root)) << root;
    EXPECT_PRED2(same, engine::InstallerLaunchName(files, *held), path);
}

}  // namespace
