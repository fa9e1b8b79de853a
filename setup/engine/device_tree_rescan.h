#pragma once
// The hardware rescan's steps over the Configuration Manager calls they make, so
// their order and the closing of the connection are testable without Windows.

namespace engine {

// One connection to the local machine's device tree.
class DeviceTree {
public:
    // Connects to the local machine; false when that fails.
    virtual bool Connect() = 0;
    // Locates the root of the device tree; false when that fails.
    virtual bool LocateRoot() = 0;
    // Asks Plug and Play to re-enumerate from the located root; result ignored.
    virtual void ReenumerateRoot() = 0;
    // Closes the connection; nothing to do when the connect gave no machine handle.
    virtual void Disconnect() = 0;

protected:
    ~DeviceTree() = default;
};

// Connects, re-enumerates from the root when it can be located, and closes the
// connection whether or not it could. Every failure is ignored.
void RescanDeviceTree(DeviceTree& tree);

}  // namespace engine
