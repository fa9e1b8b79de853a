#include "setup/engine/pnp_routines.h"

#include <windows.h>
#include <cfgmgr32.h>

#include "framework/system_dll.h"
#include "setup/engine/device_tree_rescan.h"
#include "setup/engine/net_device_list.h"

namespace {

// The Configuration Manager's calls, loaded from System32 once.
struct CfgMgrCalls {
    decltype(&CM_Connect_MachineW) connect;
    decltype(&CM_Locate_DevNode_ExW) locate;
    decltype(&CM_Reenumerate_DevNode_Ex) reenumerate;
    decltype(&CM_Disconnect_Machine) disconnect;

    bool Loaded() const { return connect && locate && reenumerate && disconnect; }
};

const CfgMgrCalls& CfgMgr() {
    static constexpr wchar_t kCfgMgr[] = L"cfgmgr32.dll";
    static const CfgMgrCalls calls{
        fw::SystemProc<decltype(&CM_Connect_MachineW)>(kCfgMgr, "CM_Connect_MachineW"),
        fw::SystemProc<decltype(&CM_Locate_DevNode_ExW)>(kCfgMgr, "CM_Locate_DevNode_ExW"),
        fw::SystemProc<decltype(&CM_Reenumerate_DevNode_Ex)>(kCfgMgr, "CM_Reenumerate_DevNode_Ex"),
        fw::SystemProc<decltype(&CM_Disconnect_Machine)>(kCfgMgr, "CM_Disconnect_Machine"),
    };
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
    if (!CfgMgr().Loaded()) return;
    CfgMgrDeviceTree tree(CfgMgr());
    engine::RescanDeviceTree(tree);
}

int RemoveCardDevice() {
    engine::SetupApiNetDeviceList devices;
    return engine::RemoveCardDevice(devices);
}
