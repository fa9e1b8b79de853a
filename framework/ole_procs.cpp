#include "framework/ole_procs.h"

#include "framework/system_dll.h"

namespace fw::ole {

LRESULT LresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object) noexcept {
    static const auto fn = FW_SYSTEM_PROC(L"oleacc.dll", LresultFromObject);
    return fn ? fn(iid, wParam, object) : E_NOTIMPL;
}

HRESULT AccessibleObjectFromWindow(HWND hwnd, DWORD objectId, REFIID iid, void** out) noexcept {
    static const auto fn = FW_SYSTEM_PROC(L"oleacc.dll", AccessibleObjectFromWindow);
    *out = nullptr;
    return fn ? fn(hwnd, objectId, iid, out) : E_NOTIMPL;
}

HRESULT CreateStdAccessibleObject(HWND hwnd, LONG objectId, REFIID iid, void** out) noexcept {
    static const auto fn = FW_SYSTEM_PROC(L"oleacc.dll", CreateStdAccessibleObject);
    *out = nullptr;
    return fn ? fn(hwnd, objectId, iid, out) : E_NOTIMPL;
}

BSTR AllocString(const std::wstring& text) noexcept {
    static const auto fn = FW_SYSTEM_PROC(L"oleaut32.dll", SysAllocStringLen);
    return fn ? fn(text.data(), static_cast<UINT>(text.size())) : nullptr;
}

bool EnterApartment() noexcept {
    // Once per thread and never left: objects handed out stay reachable for as
    // long as the thread runs its message loop.
    thread_local bool entered = false;
    if (entered) return true;
    static const auto fn = FW_SYSTEM_PROC(L"ole32.dll", CoInitializeEx);
    if (fn == nullptr) return false;
    const HRESULT hr = fn(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE: someone already entered it; RPC_E_CHANGED_MODE: a multithreaded
    // apartment, in which the object refuses calls from other threads.
    entered = SUCCEEDED(hr) || hr == RPC_E_CHANGED_MODE;
    return entered;
}

}  // namespace fw::ole
