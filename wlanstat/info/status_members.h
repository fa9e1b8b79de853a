#pragma once
// What the status dialog shares with the status worker.
//
// How the dialog (CLinkViewDlg) uses it:
//   class CLinkViewDlg : public CDialog, protected wlanstat::StatusHost,
//                        protected wlanstat::StatusMembers {
//       CLinkViewDlg() : CDialog(...), StatusMembers(static_cast<wlanstat::StatusHost&>(*this)) {}
//       HWND__* StatusWindow() const override { return m_hWnd; }
//       std::wstring AdapterItemText(int i) override;   // GetLBText of the adapter combo
//   };
//   - OnShowWindow(show != 0): wlanstat::StartStatusWorker(*this) (status_worker.h),
//     on every show; only the first worker collects (ClaimWorker).
//   - message WM_STATUS_UPDATED -> OnStatusUpdated: only while the worker's hand-off
//     is under way (workerLink->Sending(); anyone can send the number), read
//     liveStatus, interfaceList and selectedIndex without taking statusLock (the
//     worker is blocked in the send), copy liveStatus into shownStatus, invalidate;
//     return 0.
//   - OnAdapterSelected: SyncSelection(0, comboIndex).
//   - WM_DESTROY, first thing: wlanstat::StopStatusWorker(*this). From then on no
//     WM_STATUS_UPDATED arrives and the worker never touches these members again.
//     (This object's destructor stops the link too, as a safety net.)
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "wlanstat/info/adapter_status.h"
#include "wlanstat/info/guid.h"
#include "wlanstat/info/interface_info.h"
#include "wlanstat/info/worker_link.h"

struct HWND__;  // the window handle type, without <windows.h>

namespace wlanstat {

// Refresh message from the worker to the dialog: WM_USER + 1001, wParam 0, lParam 0, result 0.
inline constexpr unsigned WM_STATUS_UPDATED = 0x0400 + 1001;

// What the worker needs of the dialog.
class StatusHost {
public:
    // The dialog window that receives WM_STATUS_UPDATED.
    virtual HWND__* StatusWindow() const = 0;
    // Text of item `index` of the adapter combo box (GetLBText); called on the UI thread.
    virtual std::wstring AdapterItemText(int index) = 0;

protected:
    ~StatusHost() = default;
};

class StatusMembers {
public:
    explicit StatusMembers(StatusHost& host);
    ~StatusMembers();
    StatusMembers(const StatusMembers&) = delete;
    StatusMembers& operator=(const StatusMembers&) = delete;

    // fromWorker != 0: apply the user's pending pick. fromWorker == 0 (UI thread):
    // record the first adapter whose description equals combo item comboIndex as
    // pending; the worker applies it at the start of its next cycle.
    void SyncSelection(int fromWorker, int comboIndex);

    AdapterStatus liveStatus;   // written by the worker; read in OnStatusUpdated only
    AdapterStatus shownStatus;  // UI thread only: what the dialog paints
    std::atomic<std::int32_t> workerStarted{0};
    std::int32_t selectedIndex = 0;
    std::vector<InterfaceInfo> interfaceList;
    Guid selectedGuid;
    Guid pendingGuid;
    std::mutex statusLock;  // guards pendingGuid, selectedGuid, selectedIndex, interfaceList

    StatusHost& host;
    const std::shared_ptr<WorkerLink> workerLink = std::make_shared<WorkerLink>();
};

}  // namespace wlanstat
