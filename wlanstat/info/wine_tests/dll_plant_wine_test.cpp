// A wlanapi.dll planted beside this program must never be what the worker calls,
// and no DLL planted beside the real wlanstat.exe may be loaded while it runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "framework/system_dll.h"
#include "tests/support/msaa_client.h"
#include "tests/support/planted_program.h"
#include "wlanstat/info/system_wlan_client.h"

namespace wlanstat {
namespace {

TEST(PlantedDll, PlantedWlanapiBesideTheProgramIsIgnored) {
    // The plant is real: a plain load by name picks it.
    HMODULE plain = LoadLibraryW(L"wlanapi.dll");
    ASSERT_NE(plain, nullptr);
    EXPECT_NE(GetProcAddress(plain, "QuorixPlanted"), nullptr);
    FreeLibrary(plain);

    // Narrowed as the programs narrow it when they start, the same plain load
    // takes System32's.
    ASSERT_EQ(fw::HardenDllSearch(), fw::DllSearch::System32Only);
    HMODULE narrowed = LoadLibraryW(L"wlanapi.dll");
    ASSERT_NE(narrowed, nullptr);
    EXPECT_EQ(GetProcAddress(narrowed, "QuorixPlanted"), nullptr);
    FreeLibrary(narrowed);

    SystemWlanClient wlan;
    EXPECT_EQ(wlan.Open(), 0u);  // the planted one answers 4242
    std::vector<InterfaceInfo> list;
    EXPECT_TRUE(wlan.EnumInterfaces(list));
    wlan.Close();
}

// Start-up (the version gate), the dialog, and the worker's first cycles.
TEST(PlantedDll, NothingPlantedBesideWlanstatIsLoaded) {
    plant::PlantedFolder folder(plant::FromHost(QX_WLANSTAT_EXE), plant::FromHost(QX_MARKER_DLL));
    plant::ExpectMarkerWorks(folder, plant::FromHost(QX_MARKER_DLL));
    {
        plant::Child wlanstat(folder);
        ASSERT_TRUE(wlanstat.Started());
        ASSERT_TRUE(plant::WaitUntil(30000, [&] { return wlanstat.Window() != nullptr; }))
            << "wlanstat never showed its window (a plant taken while binding its imports?)";
        // The worker starts when the dialog shows; its cycle opens the WLAN client.
        EXPECT_TRUE(plant::WaitUntil(30000, [&] { return wlanstat.HasModule(L"wlanapi.dll"); }));
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));  // two more cycles
        EXPECT_TRUE(wlanstat.Running());
        // A screen reader's question makes it load oleacc, which must come from System32.
        msaa::Apartment apartment;
        fw::ComPtr<IAccessible> face = msaa::ClientObject(wlanstat.Window());
        ASSERT_TRUE(face);
        EXPECT_EQ(msaa::ChildCount(face.Get()), 24);
        EXPECT_TRUE(wlanstat.HasModule(L"oleacc.dll"));
    }
    EXPECT_EQ(folder.Loaded(), std::vector<std::wstring>{});
}

}  // namespace
}  // namespace wlanstat
