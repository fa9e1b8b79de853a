#include "setup/engine/device_tree_rescan.h"

namespace engine {

void RescanDeviceTree(DeviceTree& tree) {
    if (!tree.Connect()) return;
    if (tree.LocateRoot()) tree.ReenumerateRoot();
    tree.Disconnect();
}

}  // namespace engine
