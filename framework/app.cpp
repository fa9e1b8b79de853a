#include "framework/app.h"

#include "framework/message_box_style.h"
#include "framework/wnd.h"

namespace {

CWinApp* g_app = nullptr;

// The executable's file name without folder and extension.
std::wstring ModuleBaseName() {
    wchar_t path[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, n < MAX_PATH ? n : 0);
    if (auto slash = name.find_last_of(L"\\/"); slash != std::wstring::npos) name.erase(0, slash + 1);
    if (auto dot = name.find_last_of(L'.'); dot != std::wstring::npos) name.erase(dot);
    return name;
}

}  // namespace

CWinApp::CWinApp(const wchar_t* appName) {
    if (g_app == nullptr) g_app = this;
    if (appName != nullptr) SetAppName(appName);
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

void CWinApp::AttachInstance(HINSTANCE instance) {
    m_hInstance = instance;
    if (m_pszAppName == nullptr) SetAppName(ModuleBaseName().c_str());
}

void CWinApp::SetAppName(const wchar_t* name) {
    m_appName = name ? name : L"";
    m_pszAppName = m_appName.c_str();
}

void CWinApp::SetRegistryKey(const wchar_t* key) {
    m_registryKey = key ? key : L"";
    m_pszRegistryKey = m_registryKey.c_str();
}

int CWinApp::DoMessageBox(const wchar_t* text, UINT type) {
    HWND owner = nullptr;
    if (m_pMainWnd != nullptr && ::IsWindow(m_pMainWnd->m_hWnd)) owner = ::GetLastActivePopup(m_pMainWnd->m_hWnd);
    if (m_pszAppName == nullptr) SetAppName(ModuleBaseName().c_str());
    return ::MessageBoxW(owner, text, m_pszAppName, fw::MessageBoxStyle(type));
}

CWinApp* AfxGetApp() noexcept { return g_app; }

HINSTANCE AfxGetResourceHandle() noexcept {
    if (g_app != nullptr && g_app->m_hInstance != nullptr) return g_app->m_hInstance;
    return ::GetModuleHandleW(nullptr);
}

int AfxMessageBox(const wchar_t* text, UINT type) {
    if (CWinApp* app = AfxGetApp()) return app->DoMessageBox(text, type);
    return ::MessageBoxW(nullptr, text, ModuleBaseName().c_str(), fw::MessageBoxStyle(type));
}

int AfxMessageBox(UINT stringId, UINT type) {
    const wchar_t* text = nullptr;
    int n = ::LoadStringW(AfxGetResourceHandle(), stringId, reinterpret_cast<LPWSTR>(&text), 0);
    std::wstring copy(text != nullptr && n > 0 ? text : L"", n > 0 ? static_cast<size_t>(n) : 0);
    return AfxMessageBox(copy.c_str(), type);
}

BOOL AfxSocketInit(WSADATA* data) {
    WSADATA local;
    return ::WSAStartup(MAKEWORD(1, 1), data ? data : &local) == 0;
}
