// time_limit.exe SECONDS PROGRAM [ARGUMENTS...]
// Runs PROGRAM (by the path given, never searched for) with the rest of the
// command line as it stands and the same standard handles, and exits with its
// exit code. Past SECONDS it ends the program and everything it started, says
// so on stderr and exits 124: a test stuck on a Windows box fails instead of
// hanging the whole run, as under ctest.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "framework/unique_handle.h"

namespace {

constexpr DWORD kTimedOut = 124;
constexpr DWORD kCannotRun = 125;

// Skips one argument as the C run-time reads it (blanks, or a quoted part).
const wchar_t* SkipArgument(const wchar_t* p, std::wstring* value) {
    while (*p == L' ' || *p == L'\t') ++p;
    bool quoted = false;
    for (; *p != L'\0' && (quoted || (*p != L' ' && *p != L'\t')); ++p) {
        if (*p == L'"') {
            quoted = !quoted;
        } else if (value != nullptr) {
            value->push_back(*p);
        }
    }
    return p;
}

}  // namespace

int wmain() {
    const wchar_t* rest = SkipArgument(GetCommandLineW(), nullptr);
    std::wstring seconds, program;
    rest = SkipArgument(rest, &seconds);
    rest = SkipArgument(rest, &program);
    wchar_t* end = nullptr;
    const unsigned long limit = std::wcstoul(seconds.c_str(), &end, 10);
    if (program.empty() || end == seconds.c_str() || *end != L'\0' || limit == 0 || limit > 86400) {
        std::fprintf(stderr, "usage: time_limit SECONDS PROGRAM [ARGUMENTS...]\n");
        return kCannotRun;
    }
    std::wstring commandLine = L"\"" + program + L"\"" + rest;

    // Whatever the test starts joins its job, and goes with it: at the limit, and
    // when this helper itself is ended.
    fw::UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
    if (job) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION started{};
    // Suspended until it is in the job, so nothing it starts escapes.
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &started)) {
        std::fprintf(stderr, "time_limit: cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
        return kCannotRun;
    }
    // Windows 7 refuses a second job to a process already in one (a console
    // host may hold one): then only the test itself can be ended.
    const fw::UniqueHandle process(started.hProcess);
    if (!job || !AssignProcessToJobObject(job.get(), process.get())) {
        std::fprintf(stderr, "time_limit: no job for the test (error %lu): at the limit only the test is ended\n",
                     GetLastError());
        job.reset();
    }
    const fw::UniqueHandle thread(started.hThread);
    ResumeThread(thread.get());

    DWORD code = 0;
    if (WaitForSingleObject(process.get(), limit * 1000) == WAIT_TIMEOUT) {
        std::fprintf(stderr, "\ntime_limit: %ls still ran after %lu s: ended, with what it started\n",
                     program.c_str(), limit);
        std::fflush(stderr);
        if (!job || !TerminateJobObject(job.get(), kTimedOut)) TerminateProcess(process.get(), kTimedOut);
        WaitForSingleObject(process.get(), 10000);
        code = kTimedOut;
    } else if (!GetExitCodeProcess(process.get(), &code)) {
        code = kCannotRun;
    }
    return static_cast<int>(code);  // closing the job ends whatever the test left running
}
