#pragma once
// The status worker: about once a second one collection, handed to the dialog
// with a synchronous WM_STATUS_UPDATED. Win32 only.
#include <windows.h>

#include <functional>
#include <memory>

#include "wlanstat/info/status_members.h"

namespace wlanstat {

// Starts a worker thread for the dialog (call on every show: only the first
// thread collects) and closes its handle at once.
void StartStatusWorker(StatusMembers& dialog);

class WorkerSystem;

// Builds, on the worker thread, what it collects with; empty means the real system.
using SystemFactory = std::function<std::unique_ptr<WorkerSystem>(WorkerLink&)>;
void StartStatusWorker(StatusMembers& dialog, SystemFactory makeSystem);

// Thread procedure; its argument is a start block made by StartStatusWorker.
DWORD WINAPI StatusWorkerProc(LPVOID start);

// Call on the dialog's thread first thing in WM_DESTROY. Returns promptly: it lets
// a hand-off that is already under way finish (running OnStatusUpdated once more),
// and wakes the worker from its pause or the service wait. Afterwards the worker
// sends nothing and never touches `dialog` again; it ends by itself, or with the
// process.
void StopStatusWorker(StatusMembers& dialog);

}  // namespace wlanstat
