// The Win32 side in-process, against Wine's real SetupAPI, Configuration
// Manager and network management; the card removal against the simulated
// card's device nodes planted in this prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include "setup/engine/pnp_routines.h"
#include "setup/engine/win32_install_system.h"
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

TEST(Win32InstallSystemUnderWine, ReportsExitCodeOrFailedStart) {
    engine::Win32InstallSystem system(nullptr);
    std::wstring missing = L"\"C:\\no such folder\\dpinst_x64.exe\" /q";
    EXPECT_FALSE(system.LaunchAndWait(missing).has_value());
    // cmd.exe is in every prefix and returns what it is told to.
    std::wstring cmd = L"cmd.exe /c exit 258";
    EXPECT_EQ(system.LaunchAndWait(cmd), std::optional<std::uint32_t>(258));
}

}  // namespace
