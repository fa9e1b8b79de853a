// The simulated card's helper for install-wlan.sh and the tests, independent of
// the programs' code:
//   simcard_tool install SCENARIO BINARY
//       points the card at the scenario file, makes Wine load our wlanapi.dll
//       (native) and registers BINARY as the service "WlanSvc" with the
//       scenario's start type; exit code 3: a running one could not be
//       stopped
//   simcard_tool adapters
//       one line per adapter the IP helper lists, tab-separated (empty: "-"):
//       picked ("*" for the one "ip" stands for), AdapterName, MAC, IPv4,
//       mask, gateway, DHCP server (when DHCP is on), DNS 1, DNS 2,
//       transmit speed (bit/s), connection name, description (UTF-8)
//   simcard_tool face OUT.bmp MODULE DRAWING
//       draws what a face should look like into a 594 x 398 bitmap file, from
//       the bitmaps of MODULE and the UTF-8 lines of DRAWING, in 12-unit "gulim":
//         bitmap ID X Y          bitmap resource ID at (X, Y)
//         panel connected|other  the panel's labels and heads in that face's inks
//         value KEY TEXT         TEXT where line KEY of test_support/expected_panel.h puts it
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/harness/simcard/wlan/card_files.h"
#include "tools/harness/simcard/wlan/face.h"
#include "tools/harness/simcard/wlan/service_handle.h"

namespace {

void Out(const std::string& s) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), s.data(), static_cast<DWORD>(s.size()), &written, nullptr);
}

std::string Utf8(const wchar_t* w) {
    if (w == nullptr || *w == 0) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w, -1, s.data(), n, nullptr, nullptr);
    s.pop_back();
    return s;
}

std::string Ipv4(const SOCKET_ADDRESS& a) {
    if (a.lpSockaddr == nullptr || a.lpSockaddr->sa_family != AF_INET) return {};
    const auto* b = reinterpret_cast<const BYTE*>(&reinterpret_cast<const sockaddr_in*>(a.lpSockaddr)->sin_addr);
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", b[0], b[1], b[2], b[3]);
    return text;
}

std::string Field(const std::string& s) { return s.empty() ? "-" : s; }

int Adapters() {
    ULONG size = 65536;
    std::vector<ULONGLONG> buffer(size / sizeof(ULONGLONG));
    if (GetAdaptersAddresses(AF_UNSPEC, GAA_FLAG_INCLUDE_GATEWAYS, nullptr,
                             reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size) != ERROR_SUCCESS)
        return 1;
    const std::string picked = simcard::PickedIpAdapter();
    for (auto* a = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data()); a != nullptr; a = a->Next) {
        std::string ip, mask, gateway, dhcp;
        std::vector<std::string> dns;
        for (auto* u = a->FirstUnicastAddress; u != nullptr && ip.empty(); u = u->Next) {
            ip = Ipv4(u->Address);
            if (ip.empty()) continue;
            const ULONG bits = u->OnLinkPrefixLength >= 32 ? 0xFFFFFFFFu
                                                            : ~(0xFFFFFFFFu >> u->OnLinkPrefixLength);
            char m[16];
            std::snprintf(m, sizeof m, "%lu.%lu.%lu.%lu", bits >> 24, (bits >> 16) & 255, (bits >> 8) & 255,
                          bits & 255);
            mask = m;
        }
        for (auto* g = a->FirstGatewayAddress; g != nullptr && gateway.empty(); g = g->Next) gateway = Ipv4(g->Address);
        if (a->Flags & IP_ADAPTER_DHCP_ENABLED) dhcp = Ipv4(a->Dhcpv4Server);
        for (auto* d = a->FirstDnsServerAddress; d != nullptr; d = d->Next)
            if (!Ipv4(d->Address).empty()) dns.push_back(Ipv4(d->Address));
        dns.resize(2);
        char mac[18];
        const BYTE* p = a->PhysicalAddress;
        std::snprintf(mac, sizeof mac, "%02X:%02X:%02X:%02X:%02X:%02X", p[0], p[1], p[2], p[3], p[4], p[5]);
        const std::string name = a->AdapterName != nullptr ? a->AdapterName : "";
        Out((name == picked ? "*" : "-") + std::string("\t") + Field(name) + "\t" + mac + "\t" + Field(ip) + "\t" +
            Field(mask) + "\t" + Field(gateway) + "\t" + Field(dhcp) + "\t" + Field(dns[0]) + "\t" + Field(dns[1]) +
            "\t" + std::to_string(a->TransmitLinkSpeed) + "\t" + Field(Utf8(a->FriendlyName)) + "\t" +
            Field(Utf8(a->Description)) + "\n");
    }
    return 0;
}

bool SetValue(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
    return RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, value.c_str(),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

using simcard::ServiceHandle;

int Install(const wchar_t* scenario, const wchar_t* binary) {
    if (!SetValue(L"Software\\Quorix\\SimulatedCard", L"Scenario", scenario) ||
        !SetValue(L"Software\\Wine\\DllOverrides", L"wlanapi", L"native"))
        return 1;
    const std::string type = simcard::LoadScenario().service.startType;
    const DWORD start = type == "disabled" ? SERVICE_DISABLED : type == "demand" ? SERVICE_DEMAND_START
                                                                                 : SERVICE_AUTO_START;
    const ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (manager.get() == nullptr) return 1;
    ServiceHandle service(OpenServiceW(manager.get(), L"WlanSvc", SERVICE_ALL_ACCESS));
    if (service.get() != nullptr) {
        if (!ChangeServiceConfigW(service.get(), SERVICE_WIN32_OWN_PROCESS, start, SERVICE_ERROR_NORMAL, binary,
                                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr))
            return 1;
        // Stopped, so that its next start follows the new scenario. Wine may
        // refuse to stop one that it started with the prefix (broken pipe);
        // that one ends with the prefix's last program.
        SERVICE_STATUS status{};
        for (int i = 0; i < 20 && QueryServiceStatus(service.get(), &status); ++i) {
            if (status.dwCurrentState == SERVICE_STOPPED) return 0;
            if (status.dwCurrentState == SERVICE_RUNNING && !ControlService(service.get(), SERVICE_CONTROL_STOP, &status))
                break;
            Sleep(100);
        }
        return 3;
    }
    const ServiceHandle created(CreateServiceW(manager.get(), L"WlanSvc", L"WLAN AutoConfig (simulated card)",
                                               SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS, start,
                                               SERVICE_ERROR_NORMAL, binary, nullptr, nullptr, nullptr, nullptr,
                                               nullptr));
    return created.get() != nullptr ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 4 && std::wstring(argv[1]) == L"install") return Install(argv[2], argv[3]);
    if (argc == 2 && std::wstring(argv[1]) == L"adapters") return Adapters();
    if (argc == 5 && std::wstring(argv[1]) == L"face") return simcard::DrawFace(argv[2], argv[3], argv[4]);
    Out("usage: simcard_tool install SCENARIO BINARY | adapters | face OUT.bmp MODULE DRAWING\n");
    return 2;
}
