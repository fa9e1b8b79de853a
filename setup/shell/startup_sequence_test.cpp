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

TEST(Startup, EachAnswerLeadsToItsRefusalAfterItsChecks) {
    const struct { const char* name; bool socketsWork; MutexOutcome mutex; Refusal refusal; Calls calls; } rows[] = {
        {"a normal run goes on to the wizard", true, MutexOutcome::Created, Refusal::None, {"sockets", "mutex"}},
        // Sockets are checked before the mutex, so their box wins over a running installer.
        {"sockets fail", false, MutexOutcome::AlreadyExists, Refusal::SocketsFailed, {"sockets"}},
        {"a second installer", true, MutexOutcome::AlreadyExists, Refusal::AlreadyRunning, {"sockets", "mutex"}},
        {"a mutex that cannot be made", true, MutexOutcome::Failed, Refusal::None, {"sockets", "mutex"}},
    };
    for (const auto& row : rows) {
        Calls calls;
        EXPECT_EQ(CheckWith(row.socketsWork, row.mutex, calls), row.refusal) << row.name;
        EXPECT_EQ(calls, row.calls) << row.name;
    }
}
