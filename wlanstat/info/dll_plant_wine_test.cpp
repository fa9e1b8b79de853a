// A wlanapi.dll planted beside this program must never be what the worker calls.
#include <windows.h>

#include <gtest/gtest.h>

#include "wlanstat/info/system_wlan_client.h"

namespace wlanstat {
namespace {

TEST(PlantedDll, PlantedWlanapiBesideTheProgramIsIgnored) {
    // The plant is real: a plain load by name picks it.
    HMODULE plain = LoadLibraryW(L"wlanapi.dll");
    ASSERT_NE(plain, nullptr);
    EXPECT_NE(GetProcAddress(plain, "QuorixPlanted"), nullptr);
    FreeLibrary(plain);

    SystemWlanClient wlan;
    EXPECT_EQ(wlan.Open(), 0u);  // the planted one answers 4242
    std::vector<InterfaceInfo> list;
    EXPECT_TRUE(wlan.EnumInterfaces(list));
    wlan.Close();
}

}  // namespace
}  // namespace wlanstat
