// The simulated card's WLAN service, registered as "WlanSvc": reports start
// pending (with the scenario's wait hint) for the scenario's time, then running,
// or stays pending for ever; stops when asked.
#include <windows.h>

#include "tools/harness/simcard/wlan/card_files.h"

namespace {

SERVICE_STATUS_HANDLE g_status = nullptr;
HANDLE g_stop = nullptr;
SERVICE_STATUS g_state{};

void Report(DWORD state, DWORD waitHint) {
    g_state.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    g_state.dwCurrentState = state;
    g_state.dwControlsAccepted = state == SERVICE_START_PENDING ? 0 : SERVICE_ACCEPT_STOP;
    g_state.dwWaitHint = waitHint;
    g_state.dwCheckPoint = state == SERVICE_START_PENDING ? g_state.dwCheckPoint + 1 : 0;
    SetServiceStatus(g_status, &g_state);
}

DWORD WINAPI Control(DWORD control, DWORD, LPVOID, LPVOID) {
    if (control == SERVICE_CONTROL_STOP || control == SERVICE_CONTROL_SHUTDOWN) {
        SetEvent(g_stop);
        return NO_ERROR;
    }
    return control == SERVICE_CONTROL_INTERROGATE ? NO_ERROR : ERROR_CALL_NOT_IMPLEMENTED;
}

void WINAPI ServiceMain(DWORD, LPWSTR*) {
    g_status = RegisterServiceCtrlHandlerExW(L"WlanSvc", Control, nullptr);
    if (g_status == nullptr) return;
    const simcard::Service mode = simcard::LoadScenario().service;
    Report(SERVICE_START_PENDING, mode.waitHintMs);
    simcard::Log("WlanSvc start pending, hint %u", static_cast<unsigned>(mode.waitHintMs));
    // Never running: only a stop request ends the wait (or the prefix's end).
    const DWORD pending = mode.pendingMs ? *mode.pendingMs : INFINITE;
    if (WaitForSingleObject(g_stop, pending) == WAIT_TIMEOUT) {
        Report(SERVICE_RUNNING, 0);
        simcard::Log("WlanSvc running");
        WaitForSingleObject(g_stop, INFINITE);
    }
    Report(SERVICE_STOPPED, 0);
    simcard::Log("WlanSvc stopped");
}

}  // namespace

int wmain() {
    g_stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (g_stop == nullptr) return 1;
    wchar_t name[] = L"WlanSvc";
    SERVICE_TABLE_ENTRYW table[] = {{name, ServiceMain}, {nullptr, nullptr}};
    const BOOL ok = StartServiceCtrlDispatcherW(table);
    CloseHandle(g_stop);
    return ok ? 0 : 1;
}
