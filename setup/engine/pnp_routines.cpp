#include "setup/engine/pnp_routines.h"

#include <windows.h>
#include <cfgmgr32.h>

#include "framework/system_dll.h"
#include "setup/engine/device_tree_rescan.h"
#include "setup/engine/net_device_list.h"

namespace {

// The Configuration Manager's calls, loaded from System32 once; without every
// one of them there is no rescan.
struct CfgMgrCalls {
    static constexpr wchar_t kDll[] = L"cfgmgr32.dll";
    decltype(&::CM_Connect_MachineW) connect = FW_SYSTEM_PROC(kDll, CM_Connect_MachineW);
    decltype(&::CM_Locate_DevNode_ExW) locate = FW_SYSTEM_PROC(kDll, CM_Locate_DevNode_ExW);
    decltype(&::CM_Reenumerate_DevNode_Ex) reenumerate = FW_SYSTEM_PROC(kDll, CM_Reenumerate_DevNode_Ex);
    decltype(&::CM_Disconnect_Machine) disconnect = FW_SYSTEM_PROC(kDll, CM_Disconnect_Machine);

    bool Complete() const { return fw::AllResolved(connect, locate, reenumerate, disconnect); }
};

const CfgMgrCalls& CfgMgr() {
    static const CfgMgrCalls calls;
    return calls;
}

class CfgMgrDeviceTree final : public engine::DeviceTree {
public:
    explicit CfgMgrDeviceTree(const CfgMgrCalls& cm) : cm_(cm) {}

    bool Connect() override { return cm_.connect(nullptr, &machine_) == CR_SUCCESS; }
    bool LocateRoot() override {
        return cm_.locate(&root_, nullptr, CM_LOCATE_DEVNODE_NORMAL, machine_) == CR_SUCCESS;
    }
    void ReenumerateRoot() override { cm_.reenumerate(root_, CM_REENUMERATE_NORMAL, machine_); }
    void Disconnect() override {
        if (machine_ != nullptr) cm_.disconnect(machine_);
    }

private:
    const CfgMgrCalls& cm_;
    HMACHINE machine_ = nullptr;
    DEVINST root_ = 0;
};

}  // namespace

void RescanHardware() {
    if (!CfgMgr().Complete()) return;
    CfgMgrDeviceTree tree(CfgMgr());
    engine::RescanDeviceTree(tree);
}

int RemoveCardDevice() {
    engine::SetupApiNetDeviceList devices;
    return engine::RemoveCardDevice(devices);
}
