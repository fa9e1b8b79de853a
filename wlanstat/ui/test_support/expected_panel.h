#pragma once
// The information panel as the tests expect to see it, written out apart from
// the viewer's own table so that a slip there shows. The unit, pixel and reader
// tests and the simulated card's face drawing (simcard_tool face) read it.
#include <string_view>

namespace expected_panel {

// 0x00BBGGRR of a connected face and of the other two.
struct Ink {
    unsigned connected, other;
    constexpr unsigned In(bool isConnected) const { return isConnected ? connected : other; }
};
inline constexpr Ink kLabelInk{0x000000, 0x777777}, kHeadInk{0x0A7C5A, 0x9A9A9A};

// A line's name in a face drawing; its label or head (none: a value read with the
// line above) at its top-left corner; its value's corner, or its box and DrawText
// format where it is fitted (right 0: drawn whole).
struct Line {
    const char* key;
    const wchar_t* label;
    int x, y, valueX, valueY, right, bottom;
    unsigned format;
    const Ink* ink = &kLabelInk;
    bool head = false;  // a section head, read as a group
};

// In reading order. Values stand on their label's row, but the name one pixel
// lower and Rx one higher.
inline constexpr Line kLines[] = {
    {"state", L"연결상태", 23, 76, 126, 76, 0, 0, 0},
    {"name", L"이름", 23, 96, 126, 97, 0, 0, 0},
    {"device", L"장치이름", 23, 116, 126, 116, 462, 129, 0x8820},  // left of the state picture
    {"ap", L"무선AP 정보", 23, 142, 0, 0, 0, 0, 0, &kHeadInk, true},
    {"ssid", L"SSID", 24, 166, 126, 164, 324, 179, 0x8824},
    {"bssid", L"BSSID", 24, 186, 126, 186, 0, 0, 0},
    {"channel", L"채널", 24, 205, 126, 205, 0, 0, 0},
    {"speed", L"링크속도", 24, 225, 126, 225, 0, 0, 0},
    {"signal", L"신호세기[dbm]", 24, 245, 126, 245, 0, 0, 0},
    {"frames", L"송신/수신 프레임", 23, 280, 0, 0, 0, 0, 0, &kHeadInk, true},
    {"tx", L"전송[Tx]", 24, 304, 126, 304, 0, 0, 0},
    {"rx", L"수신[Rx]", 24, 324, 126, 323, 0, 0, 0},
    {"card", L"무선랜카드 정보", 350, 142, 0, 0, 0, 0, 0, &kHeadInk, true},
    {"mac", L"MAC주소", 350, 166, 453, 166, 0, 0, 0},
    {"ip", L"IP주소", 350, 186, 453, 186, 0, 0, 0},
    {"mask", L"서브넷마스크", 350, 206, 453, 206, 0, 0, 0},
    {"gateway", L"게이트웨이", 350, 226, 453, 226, 0, 0, 0},
    {"dhcp", L"DHCP 서버", 350, 246, 453, 246, 0, 0, 0},
    {"dns", L"DNS 서버", 350, 266, 453, 266, 0, 0, 0},
    {"dns2", nullptr, 0, 0, 453, 286, 0, 0, 0},
};

constexpr const Line* Named(std::string_view key) {
    for (const Line& l : kLines)
        if (key == l.key) return &l;
    return nullptr;
}
consteval const Line& Of(std::string_view key) { return *Named(key); }  // a misspelt key does not build

}  // namespace expected_panel
