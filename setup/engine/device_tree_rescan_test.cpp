#include "setup/engine/device_tree_rescan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace engine {
namespace {

class RecordingTree final : public DeviceTree {
public:
    bool connects = true;
    bool locates = true;
    std::vector<std::string> calls;

    bool Connect() override {
        calls.push_back("connect");
        return connects;
    }
    bool LocateRoot() override {
        calls.push_back("locate");
        return locates;
    }
    void ReenumerateRoot() override { calls.push_back("reenumerate"); }
    void Disconnect() override { calls.push_back("disconnect"); }
};

// Reenumerates from the root; a connection made is always closed again.
TEST(RescanDeviceTree, StopsAtTheFirstFailureAndDisconnectsWhatItConnected) {
    const struct { const char* name; bool connects, locates; std::vector<std::string> calls; } rows[] = {
        {"rescan", true, true, {"connect", "locate", "reenumerate", "disconnect"}},
        {"root not found", true, false, {"connect", "locate", "disconnect"}},
        {"no connection", false, true, {"connect"}},
    };
    for (const auto& row : rows) {
        RecordingTree tree;
        tree.connects = row.connects;
        tree.locates = row.locates;
        RescanDeviceTree(tree);
        EXPECT_EQ(tree.calls, row.calls) << row.name;
    }
}

}  // namespace
}  // namespace engine
