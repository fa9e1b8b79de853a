#pragma once
// The application object and the framework's global helpers.
//
// A program defines exactly one global object of a CWinApp subclass; the
// framework's wWinMain (app_main.cpp) calls its InitInstance, which runs the
// program's window modally, and then ends the process with ExitInstance's result.
#include <winsock2.h>
#include <windows.h>

#include <string>

#include "framework/object.h"

class CWnd;

class CWinApp : public CObject {
public:
    explicit CWinApp(const wchar_t* appName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    // Caption of every AfxMessageBox; until set, the executable's name without extension.
    const wchar_t* m_pszAppName = nullptr;
    const wchar_t* m_pszRegistryKey = nullptr;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    CWnd* GetMainWnd() const noexcept { return m_pMainWnd; }
    // Replaces the application name with a copy of `name`.
    void SetAppName(const wchar_t* name);
    // Remembers the key; the programs keep no settings, so nothing is written.
    void SetRegistryKey(const wchar_t* key);
    // Called once by wWinMain before InitInstance.
    void AttachInstance(HINSTANCE instance);

    int DoMessageBox(const wchar_t* text, UINT type);

private:
    std::wstring m_appName;
    std::wstring m_registryKey;
};

CWinApp* AfxGetApp() noexcept;
HINSTANCE AfxGetResourceHandle() noexcept;
// Message box owned by the main window, captioned with the application name;
// adds the exclamation icon to MB_OK and the question icon to MB_YESNO when
// `type` names no icon.
int AfxMessageBox(const wchar_t* text, UINT type = MB_OK);
// The same with the text of string resource `stringId`.
int AfxMessageBox(UINT stringId, UINT type = MB_OK);
// Starts Windows Sockets 1.1; FALSE when it cannot.
BOOL AfxSocketInit(WSADATA* data = nullptr);
