#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/shell/startup_sequence.h"

using startup::MutexOutcome;
using startup::Refusal;

namespace {

using Calls = std::vector<std::string>;

// Runs the checks against fixed answers and records which were asked.
Refusal CheckWith(bool socketsWork, MutexOutcome mutex, Calls& calls) {
    return startup::CheckStartup(
        [&] {
            calls.push_back("sockets");
            return socketsWork;
        },
        [&] {
            calls.push_back("mutex");
            return mutex;
        });
}

}  // namespace

TEST(Startup, ANormalRunGoesOnToTheWizard) {
    Calls calls;
    EXPECT_EQ(CheckWith(true, MutexOutcome::Created, calls), Refusal::None);
    EXPECT_EQ(calls, (Calls{"sockets", "mutex"}));
}

TEST(Startup, SocketsAreCheckedBeforeTheMutexSoTheirBoxWinsOverARunningInstaller) {
    Calls calls;
    EXPECT_EQ(CheckWith(false, MutexOutcome::AlreadyExists, calls), Refusal::SocketsFailed);
    EXPECT_EQ(calls, (Calls{"sockets"}));
}

TEST(Startup, ASecondInstallerShowsOnlyItsBox) {
    Calls calls;
    EXPECT_EQ(CheckWith(true, MutexOutcome::AlreadyExists, calls), Refusal::AlreadyRunning);
    EXPECT_EQ(calls, (Calls{"sockets", "mutex"}));
}

TEST(Startup, AMutexThatCannotBeMadeDoesNotStopTheInstaller) {
    Calls calls;
    EXPECT_EQ(CheckWith(true, MutexOutcome::Failed, calls), Refusal::None);
    EXPECT_EQ(calls, (Calls{"sockets", "mutex"}));
}
