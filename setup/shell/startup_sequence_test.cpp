#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/shell/startup_sequence.h"

using startup::MutexOutcome;

namespace {

class RecordingSystem final : public startup::StartupSystem {
public:
    bool socketsWork = true;
    MutexOutcome mutex = MutexOutcome::Created;
    std::vector<std::string> calls;

    void InitCommonControls() override { calls.push_back("controls"); }
    void InitFramework() override { calls.push_back("framework"); }
    bool InitSockets() override {
        calls.push_back("sockets");
        return socketsWork;
    }
    void ShowSocketsFailed() override { calls.push_back("box:sockets"); }
    MutexOutcome CreateInstanceMutex() override {
        calls.push_back("mutex");
        return mutex;
    }
    void ShowAlreadyRunning() override { calls.push_back("box:running"); }
    void SetApplicationName() override { calls.push_back("name"); }
    void RunFrame() override { calls.push_back("frame"); }
    void CleanupSockets() override { calls.push_back("cleanup"); }
};

using Calls = std::vector<std::string>;

}  // namespace

TEST(Startup, ANormalRunNamesTheAppBeforeTheFrameAndCleansUpAfterIt) {
    RecordingSystem system;
    EXPECT_FALSE(startup::RunInstaller(system));
    EXPECT_EQ(system.calls,
              (Calls{"controls", "framework", "sockets", "mutex", "name", "frame", "cleanup"}));
}

TEST(Startup, SocketsAreCheckedBeforeTheMutexSoTheirBoxWinsOverARunningInstaller) {
    RecordingSystem system;
    system.socketsWork = false;
    system.mutex = MutexOutcome::AlreadyExists;
    EXPECT_FALSE(startup::RunInstaller(system));
    EXPECT_EQ(system.calls, (Calls{"controls", "framework", "sockets", "box:sockets"}));
}

TEST(Startup, ASecondInstallerShowsOnlyItsBox) {
    RecordingSystem system;
    system.mutex = MutexOutcome::AlreadyExists;
    EXPECT_FALSE(startup::RunInstaller(system));
    EXPECT_EQ(system.calls, (Calls{"controls", "framework", "sockets", "mutex", "box:running"}));
}

TEST(Startup, AMutexThatCannotBeMadeDoesNotStopTheInstaller) {
    RecordingSystem system;
    system.mutex = MutexOutcome::Failed;
    EXPECT_FALSE(startup::RunInstaller(system));
    EXPECT_EQ(system.calls,
              (Calls{"controls", "framework", "sockets", "mutex", "name", "frame", "cleanup"}));
}
