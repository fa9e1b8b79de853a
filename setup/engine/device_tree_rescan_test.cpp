#include "setup/engine/device_tree_rescan.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace engine {
namespace {

using ::testing::ElementsAre;

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

TEST(RescanDeviceTree, ReenumeratesFromTheRootAndDisconnects) {
    RecordingTree tree;
    RescanDeviceTree(tree);
    EXPECT_THAT(tree.calls, ElementsAre("connect", "locate", "reenumerate", "disconnect"));
}

TEST(RescanDeviceTree, RootNotFoundStillDisconnects) {
    RecordingTree tree;
    tree.locates = false;
    RescanDeviceTree(tree);
    EXPECT_THAT(tree.calls, ElementsAre("connect", "locate", "disconnect"));
}

TEST(RescanDeviceTree, NoConnectionNoFurtherCalls) {
    RecordingTree tree;
    tree.connects = false;
    RescanDeviceTree(tree);
    EXPECT_THAT(tree.calls, ElementsAre("connect"));
}

}  // namespace
}  // namespace engine
