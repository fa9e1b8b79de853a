#pragma once
// The few oleacc, ole32 and oleaut32 entry points the accessible object needs,
// taken from System32 at first use: oleacc is no Known DLL, and neither program
// imports any of the three, so a copy planted beside a program is never used.
#include <windows.h>

#include <oleacc.h>

#include <string>

namespace fw::ole {

// Each fails (E_NOTIMPL, or nullptr) when the system lacks the entry point.
LRESULT LresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object) noexcept;
HRESULT AccessibleObjectFromWindow(HWND hwnd, DWORD objectId, REFIID iid, void** out) noexcept;
HRESULT CreateStdAccessibleObject(HWND hwnd, LONG objectId, REFIID iid, void** out) noexcept;
BSTR AllocString(const std::wstring& text) noexcept;

// Joins this thread to a single-threaded apartment once, so that objects can be
// handed to other processes; false when that is impossible.
bool EnterApartment() noexcept;

}  // namespace fw::ole
