#include "tools/harness/simcard/wlan/card_files.h"

#include <winsock2.h>
#include <iphlpapi.h>

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "framework/unique_handle.h"

namespace simcard {

std::wstring ScenarioPath() {
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof path;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Quorix\\SimulatedCard", L"Scenario", RRF_RT_REG_SZ, nullptr,
                     path, &size) != ERROR_SUCCESS)
        return {};
    return path;
}

Scenario LoadScenario() {
    const std::wstring path = ScenarioPath();
    std::string text;
    if (!path.empty()) {
        fw::UniqueHandle f(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, 0, nullptr));
        char buffer[4096];
        DWORD got = 0;
        while (f && ReadFile(f.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    }
    Scenario s = ParseScenario(text);
    for (const std::string& e : s.errors) Log("scenario: cannot read %s", e.c_str());
    return s;
}

void Log(const char* format, ...) {
    const std::wstring scenario = ScenarioPath();
    if (scenario.empty()) return;
    char line[512];
    int n = std::snprintf(line, sizeof line, "%lu ", GetTickCount());
    va_list args;
    va_start(args, format);
    const int m = std::vsnprintf(line + n, sizeof line - n - 1, format, args);
    va_end(args);
    n = m < 0 ? n : std::min<int>(n + m, sizeof line - 2);
    line[n++] = '\n';
    fw::UniqueHandle f(CreateFileW((scenario + L".log").c_str(), FILE_APPEND_DATA,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS, 0,
                                   nullptr));
    DWORD written = 0;
    if (f) WriteFile(f.get(), line, static_cast<DWORD>(n), &written, nullptr);
}

std::wstring WideFromUtf8(const std::string& text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string PickedIpAdapter() {
    ULONG size = 32768;
    std::vector<ULONGLONG> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.assign(size / sizeof(ULONGLONG) + 1, 0);
        result = GetAdaptersAddresses(AF_INET, 0, nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()),
                                      &size);
    }
    if (result != ERROR_SUCCESS) return {};
    const auto* first = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data());
    for (const auto* a = first; a != nullptr; a = a->Next)
        if (a->IfType != IF_TYPE_SOFTWARE_LOOPBACK && a->FirstUnicastAddress != nullptr && a->AdapterName != nullptr)
            return a->AdapterName;
    return first->AdapterName != nullptr ? first->AdapterName : std::string();
}

}  // namespace simcard
