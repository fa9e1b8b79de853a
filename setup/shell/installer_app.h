#pragma once
// CNorvikApp: setup's application object. All of setup's life is inside
// InitInstance, which always returns FALSE.
#include "framework/afxwin.h"
#include "framework/single_instance.h"

inline constexpr wchar_t kInstallerName[] = L"Quorix LanCard Installer";
inline constexpr wchar_t kInstallerMutexName[] = L"Quorix_Driver_Installer_{0C99DF9C-2283-41f1-B34F-324AB76F76AC}";
inline constexpr wchar_t kAlreadyRunningText[] = L"Quorix LanCard Installer가 이미 실행 중 입니다.";

class CNorvikApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override { return CWinApp::ExitInstance(); }

private:
    // Held until the process ends.
    fw::UniqueHandle m_instanceMutex;
};
