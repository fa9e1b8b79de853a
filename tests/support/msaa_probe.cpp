// A screen reader's first look from another process: finds a top-level window
// by its title, takes the accessible object of its painted client area (or of
// its visible child page) through oleacc, as assistive technology does, and
// prints "role<TAB>name<TAB>default action" for the window and each child (a
// real control says "control" there), one line each, in UTF-8. With "press N" it does child N's default action instead.
// Usage: msaa_probe.exe TITLE [press N]; exit code 0, 2 (no window), 3 (no object).
#include <windows.h>

#include <oleacc.h>

#include <cstdlib>
#include <string>

#include "tests/support/msaa_client.h"

namespace {

void Write(const std::wstring& line) {
    const std::wstring text = line + L"\n";
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// The painted window: a frame that hosts pages shows them as visible child dialogs.
HWND PaintedWindow(HWND top) {
    for (HWND child = ::GetWindow(top, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        ::GetClassNameW(child, cls, 16);
        if (::IsWindowVisible(child) && std::wstring(cls) == L"#32770") return child;
    }
    return top;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 1;
    HWND top = ::FindWindowW(nullptr, argv[1]);
    if (top == nullptr) return 2;
    msaa::Apartment apartment;
    fw::ComPtr<IAccessible> acc = msaa::ClientObject(PaintedWindow(top));
    if (!acc) return 3;
    if (argc >= 4 && std::wstring(argv[2]) == L"press") {
        const HRESULT hr = acc->accDoDefaultAction(msaa::Child(std::wcstol(argv[3], nullptr, 10)));
        Write(SUCCEEDED(hr) ? L"pressed" : L"refused");
        return 0;
    }
    Write(std::to_wstring(msaa::Role(acc.Get())) + L"\t" + msaa::Name(acc.Get()) + L"\t");
    long id = 0;
    for (const msaa::Element& e : msaa::Children(acc.Get())) {
        ++id;
        Write(std::to_wstring(e.role) + L"\t" + e.name + L"\t" +
              (e.control ? std::wstring(L"control") : msaa::DefaultAction(acc.Get(), id)));
    }
    return 0;
}
