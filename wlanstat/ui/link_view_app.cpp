#include "wlanstat/ui/link_view_app.h"

#include <commctrl.h>

#include "framework/single_instance.h"
#include "framework/windows_version.h"
#include "wlanstat/ui/link_view_dlg.h"

namespace {

constexpr wchar_t kTitle[] = L"Quorix WiFi 상태보기";
constexpr wchar_t kMutexName[] = L"wlanstat_{04A537B4-22EB-4199-851D-190F05DC1682}";

// Held until the process ends; a second start finds the name taken.
fw::UniqueHandle singleInstanceMutex;

void Notice(const wchar_t* text) { ::MessageBoxW(nullptr, text, kTitle, MB_OK | MB_ICONINFORMATION); }

}  // namespace

CLinkViewApp::CLinkViewApp() : CWinApp(kTitle) {}

BOOL CLinkViewApp::InitInstance() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);

    CWinApp::InitInstance();
    SetRegistryKey(L"로컬 응용 프로그램 마법사에서 생성된 응용 프로그램");

    // A version that cannot be read does not stop the program.
    if (const fw::WindowsVersion version = fw::QueryWindowsVersion(); version.status == 0 && version.major < 6) {
        Notice(L"Windows7 또는 상위 버전에서 실행 가능합니다.");
        return FALSE;
    }

    // A mutex that cannot be made counts as the first instance.
    if (fw::AnotherInstanceRuns(kMutexName, singleInstanceMutex)) {
        Notice(L"프로그램이 실행 중입니다.");
        return FALSE;
    }

    CLinkViewDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
