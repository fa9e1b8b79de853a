#pragma once
// What each page paints: background bitmap and text lines at x 187. The first
// line of every page is the title (title font); the others use the body font.
#include <array>
#include <span>
#include <string_view>

#include "setup/engine/install_result.h"
#include "setup/res/resource_ids.h"

namespace skin {

struct TextLine {
    int y;
    std::wstring_view text;
};

struct PageFace {
    unsigned bitmapId;
    std::span<const TextLine> lines;  // lines[0] is the title
};

inline constexpr std::array<TextLine, 4> kIntroLines{{
    {51, L"Quorix K4100ZT 설치를 시작합니다"},
    {88, L"Quorix을 이용해 주셔서 감사합니다."},
    {107, L"K4100ZT 드라이버 설치를 시작합니다."},
    {126, L"설치를 진행하시려면 '다음' 버튼을 클릭하세요."},
}};

inline constexpr std::array<TextLine, 3> kInstallingLines{{
    {51, L"K4100ZT 드라이버를 설치 중 입니다"},
    {79, L"K4100ZT 구동을 위한 드라이버를 설치하고 있습니다."},
    {95, L"잠시만 기다려 주시기 바랍니다."},
}};

inline constexpr std::array<TextLine, 3> kSuccessLines{{
    {51, L"K4100ZT 드라이버 설치가 완료되었습니다"},
    {81, L"드라이버 설치가 완료되었습니다."},
    {97, L"'마침' 버튼을 클릭하여 프로그램을 종료합니다."},
}};

inline constexpr std::array<TextLine, 4> kFailureLines{{
    {51, L"K4100ZT 드라이버 설치에 실패하였습니다"},
    {239, L"드라이버 설치에 실패하였습니다."},
    {255, L"K4100ZT를 PC에 장착하셨는지 확인 후 인스톨러를 다시"},
    {271, L"실행하여 주시기 바랍니다."},
}};

inline constexpr std::array<TextLine, 4> kUnsupportedLines{{
    {51, L"K4100ZT 드라이버 설치에 실패하였습니다"},
    {239, L"드라이버 설치에 실패하였습니다."},
    {255, L"지원되지 않는 Windows 버전입니다."},
    {271, L"K4100ZT 드라이버는 Windows 7/8/8.1/10을 지원합니다."},
}};

inline constexpr PageFace kIntroFace{IDB_INTRO, kIntroLines};
inline constexpr PageFace kInstallingFace{IDB_INSTALLING, kInstallingLines};

// The outcome the result page shows for a posted or stored number: one the
// worker never posts shows as an unsupported Windows version.
constexpr InstallOutcome ShownOutcome(unsigned long long value) noexcept {
    return PostedOutcome(value).value_or(INSTALL_RESULT_UNSUPPORTED_OS);
}

// The result code stored for a worker's outcome (its wParam).
constexpr int ResultCodeForOutcome(unsigned long long outcome) noexcept { return ShownOutcome(outcome); }

// The result page's face for the stored result code.
constexpr PageFace ResultFace(int resultCode) noexcept {
    switch (ShownOutcome(static_cast<unsigned long long>(resultCode))) {
        case INSTALL_RESULT_SUCCESS: return {IDB_SUCCESS, kSuccessLines};
        case INSTALL_RESULT_FAILED: return {IDB_FAILURE, kFailureLines};
        case INSTALL_RESULT_UNSUPPORTED_OS: break;
    }
    return {IDB_FAILURE, kUnsupportedLines};
}

}  // namespace skin
