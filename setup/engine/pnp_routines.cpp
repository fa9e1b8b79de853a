#include "setup/engine/pnp_routines.h"

#include <windows.h>
#include <cfgmgr32.h>

#include "framework/system_dll.h"
#include "setup/engine/net_device_list.h"

void RescanHardware() {
    static constexpr wchar_t kCfgMgr[] = L"cfgmgr32.dll";
    static const auto connect = fw::SystemProc<decltype(&CM_Connect_MachineW)>(kCfgMgr, "CM_Connect_MachineW");
    static const auto locate = fw::SystemProc<decltype(&CM_Locate_DevNode_ExW)>(kCfgMgr, "CM_Locate_DevNode_ExW");
    static const auto reenumerate =
        fw::SystemProc<decltype(&CM_Reenumerate_DevNode_Ex)>(kCfgMgr, "CM_Reenumerate_DevNode_Ex");
    static const auto disconnect = fw::SystemProc<decltype(&CM_Disconnect_Machine)>(kCfgMgr, "CM_Disconnect_Machine");
    if (connect == nullptr || locate == nullptr || reenumerate == nullptr || disconnect == nullptr) return;

    HMACHINE machine = nullptr;
    if (connect(nullptr, &machine) != CR_SUCCESS) return;
    DEVINST root = 0;
    if (locate(&root, nullptr, CM_LOCATE_DEVNODE_NORMAL, machine) == CR_SUCCESS) {
        reenumerate(root, CM_REENUMERATE_NORMAL, machine);
    }
    if (machine != nullptr) disconnect(machine);
}

int RemoveCardDevice() {
    engine::SetupApiNetDeviceList devices;
    return engine::RemoveCardDevice(devices);
}
