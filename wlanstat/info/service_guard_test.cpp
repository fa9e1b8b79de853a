#include "wlanstat/info/service_guard.h"

#include <gtest/gtest.h>

#include "wlanstat/info/test_support/info_fakes.h"

namespace wlanstat {
namespace {

using fakes::CallLog;

struct Guard : ::testing::Test {
    fakes::FakeSystem sys;
    int Run() { return EnsureWlanService(sys.scm, sys.clock); }
};

TEST_F(Guard, AlreadyRunningQueriesOnceAndDoesNotStart) {
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(sys.log, (CallLog{"scm.manager", "scm.service", "scm.query", "scm.close"}));
    EXPECT_EQ(sys.scm.serviceName, L"WlanSvc");
}

TEST_F(Guard, ManagerOrServiceCannotBeOpened) {
    sys.scm.managerOk = false;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(sys.log, (CallLog{"scm.manager"}));
    sys.log.clear();
    sys.scm.managerOk = true;
    sys.scm.serviceOk = false;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(sys.log, (CallLog{"scm.manager", "scm.service", "scm.close"}));
}

TEST_F(Guard, StoppedServiceStartsWithinTheWait) {
    sys.scm.states = {{1, 0}, {2, 500}, {2, 300}, {kServiceRunning, 0}};
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(sys.log, (CallLog{"scm.manager", "scm.service", "scm.query", "scm.start", "scm.query",
                                "sleep 500", "scm.query", "sleep 300", "scm.query", "scm.close"}));
}

TEST_F(Guard, StartRefusedGivesZero) {
    // Also the case of a service that started by itself after the first query.
    sys.scm.states = {{1, 0}};
    sys.scm.startOk = false;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(sys.log, (CallLog{"scm.manager", "scm.service", "scm.query", "scm.start", "scm.close"}));
}

TEST_F(Guard, NeverRunningTimesOutOnlyAfter15000TickMs) {
    sys.scm.states = {{1, 0}, {2, 1000}};
    EXPECT_EQ(Run(), 0);
    // Tested before each sleep: 15 sleeps of 1000 ms reach 15000 exactly.
    EXPECT_EQ(sys.clock.sleeps.size(), 15u);
    EXPECT_EQ(sys.clock.now, 15000u);
    EXPECT_EQ(sys.log.back(), "scm.close");
}

TEST_F(Guard, OneMillisecondShortOfTheTimeOutStillWaits) {
    sys.scm.states = {{1, 0}, {2, 14999}, {2, 1}, {kServiceRunning, 0}};
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(sys.clock.sleeps, (std::vector<std::uint32_t>{14999, 1}));
}

TEST_F(Guard, WaitHintIsBoundedByAFloorAndTheTimeOut) {
    // A hint of 0 pauses the floor, not a busy loop: 300 queries in 15 s.
    sys.scm.states = {{1, 0}, {2, 0}};
    sys.clock.ticksPerCall = 1;  // so that a busy loop ends too
    EXPECT_EQ(Run(), 0);
    EXPECT_LE(sys.clock.sleeps.size(), 15000 / kServiceWaitFloorMs);
    EXPECT_EQ(sys.clock.sleeps.front(), kServiceWaitFloorMs);
    sys.clock.ticksPerCall = 0;
    // A hint of weeks sleeps only to the time-out, then looks once more.
    for (std::uint32_t hint : {4000000000u, 0xFFFFFFFFu}) {
        sys.clock.sleeps.clear();
        sys.scm.queries = 0;
        sys.scm.states = {{1, 0}, {2, 200}, {2, hint}, {kServiceRunning, 0}};
        EXPECT_EQ(Run(), 1);
        EXPECT_EQ(sys.clock.sleeps, (std::vector<std::uint32_t>{200, 14800}));
    }
}

TEST_F(Guard, TickCounterWrapDoesNotEndTheWaitEarly) {
    sys.clock.now = 0xFFFFF000u;  // wraps 4096 ms into the wait
    sys.scm.states = {{1, 0}, {2, 1000}};
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(sys.clock.sleeps.size(), 15u);
}

TEST_F(Guard, FailedQueryBeforeTheStartCountsAsNotRunning) {
    // The fake fills garbage "running" into a failed query; it must not be believed.
    sys.scm.queryOk = {false, true};
    sys.scm.states = {{1, 0}, {kServiceRunning, 0}};
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(sys.Count("scm.start"), 1);
}

TEST_F(Guard, FailedQueryWhileWaitingEndsTheWaitWithZero) {
    // Right after the start, and after a sleep: no busy polling until the time-out.
    for (std::vector<bool> ok : {std::vector<bool>{true, false}, std::vector<bool>{true, true, false}}) {
        sys.log.clear();
        sys.scm.queries = 0;
        sys.clock.sleeps.clear();
        sys.scm.queryOk = ok;
        sys.scm.states = {{1, 0}, {2, 0}, {2, 0}};
        EXPECT_EQ(Run(), 0);
        EXPECT_EQ(sys.Count("scm.query"), static_cast<int>(ok.size()));
        EXPECT_EQ(sys.clock.sleeps.size(), ok.size() - 2);
        EXPECT_EQ(sys.log.back(), "scm.close");
    }
}

TEST_F(Guard, ClosingEndsTheWaitAtOnce) {
    sys.scm.states = {{1, 0}, {2, 2000}};
    sys.clock.closing = true;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(sys.clock.sleeps.size(), 1u);
    EXPECT_EQ(sys.log.back(), "scm.close");
}

}  // namespace
}  // namespace wlanstat
