// The installer's pages as a screen reader in this process sees them: what each
// page lists and where, the image buttons' actions, the events of a page change,
// and an object kept after the frame is gone.
#include <gtest/gtest.h>

#include "framework/afxwin.h"
#include "setup/engine/install_result.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/frame_dlg.h"
#include "setup/shell/page_manager.h"
#include "setup/shell/result_page.h"
#include "setup/shell/wine_tests/shell_test_support.h"
#include "tests/support/msaa_client.h"

using namespace shell_test;

namespace {

// The apartment comes first and goes last: around the frame and every object it hands out.
struct InApartment {
    msaa::Apartment apartment;
};
class PageReader : protected InApartment, public ShellWindows {};

}  // namespace

namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT Screen(HWND page, RECT r) {
    ::MapWindowPoints(page, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

const long kButton = msaa::ControlRole(ROLE_SYSTEM_PUSHBUTTON);
// Every page reads the caption's two images after its lines, then its own buttons.
const msaa::Element kMinimise{ROLE_SYSTEM_PUSHBUTTON, L"최소화", false}, kClose{ROLE_SYSTEM_PUSHBUTTON, L"닫기", false};
const msaa::Element kNext{kButton, L"다음 >", true}, kCancel{kButton, L"취소", true};

}  // namespace

TEST_F(PageReader, TheIntroReadsItsLinesThenItsButtons) {
    fw::ComPtr<IAccessible> acc = msaa::ClientObject(intro().m_hWnd);
    ASSERT_TRUE(acc);
    EXPECT_EQ(msaa::Role(acc.Get()), ROLE_SYSTEM_DIALOG);
    EXPECT_EQ(msaa::Name(acc.Get()), L"Quorix K4100ZT 설치를 시작합니다");
    const std::vector<msaa::Element> expected{
        {ROLE_SYSTEM_STATICTEXT, L"Quorix K4100ZT 설치를 시작합니다", false},
        {ROLE_SYSTEM_STATICTEXT, L"Quorix을 이용해 주셔서 감사합니다.", false},
        {ROLE_SYSTEM_STATICTEXT, L"K4100ZT 드라이버 설치를 시작합니다.", false},
        {ROLE_SYSTEM_STATICTEXT, L"설치를 진행하시려면 '다음' 버튼을 클릭하세요.", false},
        kMinimise, kClose, kNext, kCancel,
    };
    EXPECT_EQ(msaa::Children(acc.Get()), expected);
    EXPECT_EQ(msaa::DefaultAction(acc.Get(), 5), L"누르기");
    EXPECT_EQ(msaa::DefaultAction(acc.Get(), 6), L"누르기");

    // Lines where they are painted: x 187, from their y, as wide as the text.
    const RECT title = msaa::Location(acc.Get(), 1);
    const RECT origin = Screen(intro().m_hWnd, {187, 51, 187, 51});
    EXPECT_EQ(title.left, origin.left);
    EXPECT_EQ(title.top, origin.top);
    EXPECT_GT(title.right - title.left, 150);
    EXPECT_GE(title.bottom - title.top, 14);
    const RECT last = msaa::Location(acc.Get(), 4);
    EXPECT_EQ(last.top, Screen(intro().m_hWnd, {0, 126, 0, 0}).top);
    EXPECT_TRUE(SameRect(msaa::Location(acc.Get(), 5), Screen(intro().m_hWnd, {491, 10, 503, 22})));
    EXPECT_TRUE(SameRect(msaa::Location(acc.Get(), 6), Screen(intro().m_hWnd, {506, 10, 518, 22})));
}

TEST_F(PageReader, InstallingAndResultPagesReadWhatTheyShow) {
    PressNext();
    fw::ComPtr<IAccessible> acc = msaa::ClientObject(installing()->m_hWnd);
    ASSERT_TRUE(acc);
    EXPECT_EQ(msaa::Name(acc.Get()), L"K4100ZT 드라이버를 설치 중 입니다");
    const std::vector<msaa::Element> installingExpected{
        {ROLE_SYSTEM_STATICTEXT, L"K4100ZT 드라이버를 설치 중 입니다", false},
        {ROLE_SYSTEM_STATICTEXT, L"K4100ZT 구동을 위한 드라이버를 설치하고 있습니다.", false},
        {ROLE_SYSTEM_STATICTEXT, L"잠시만 기다려 주시기 바랍니다.", false},
        {ROLE_SYSTEM_ANIMATION, L"설치 진행 중", false},
        kMinimise, kClose, kNext, kCancel,
    };
    EXPECT_EQ(msaa::Children(acc.Get()), installingExpected);
    EXPECT_TRUE(SameRect(msaa::Location(acc.Get(), 4), Screen(installing()->m_hWnd, {188, 203, 503, 286})));
    EXPECT_EQ(msaa::State(acc.Get(), 4) & STATE_SYSTEM_ANIMATED, STATE_SYSTEM_ANIMATED);
    // A press on this close image only drags: it offers no action.
    EXPECT_EQ(msaa::DefaultAction(acc.Get(), 6), L"");
    EXPECT_EQ(msaa::State(acc.Get(), 6) & STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(acc->accDoDefaultAction(msaa::Child(6)), DISP_E_MEMBERNOTFOUND);
    fw::ComPtr<IAccessible> next = msaa::ChildObject(acc.Get(), 7);
    ASSERT_TRUE(next);
    EXPECT_EQ(msaa::State(next.Get()) & STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_UNAVAILABLE);

    Deliver(INSTALL_RESULT_UNSUPPORTED_OS);
    acc = msaa::ClientObject(result()->m_hWnd);
    ASSERT_TRUE(acc);
    const std::vector<msaa::Element> unsupported{
        {ROLE_SYSTEM_STATICTEXT, L"K4100ZT 드라이버 설치에 실패하였습니다", false},
        {ROLE_SYSTEM_STATICTEXT, L"드라이버 설치에 실패하였습니다.", false},
        {ROLE_SYSTEM_STATICTEXT, L"지원되지 않는 Windows 버전입니다.", false},
        {ROLE_SYSTEM_STATICTEXT, L"K4100ZT 드라이버는 Windows 7/8/8.1/10을 지원합니다.", false},
        kMinimise, kClose, {kButton, L"마침", true},
    };
    EXPECT_EQ(msaa::Children(acc.Get()), unsupported);
    EXPECT_EQ(msaa::Location(acc.Get(), 2).top, Screen(result()->m_hWnd, {0, 239, 0, 0}).top);
    g_pPrevMgr->m_resultCode = 0;  // the variant is read at every question, as at every paint
    EXPECT_EQ(msaa::ChildCount(acc.Get()), 6);
    EXPECT_EQ(msaa::Name(acc.Get(), 3), L"'마침' 버튼을 클릭하여 프로그램을 종료합니다.");
}

TEST_F(PageReader, ClosingImagesAskToExitAsAClickDoes) {
    fw::ComPtr<IAccessible> acc = msaa::ClientObject(intro().m_hWnd);
    ASSERT_TRUE(acc);
    {
        BoxAnswerer no(frame.m_hWnd, IDNO);
        ASSERT_EQ(acc->accDoDefaultAction(msaa::Child(6)), S_OK);  // returns before the box
        PumpUntil([&] { return no.answered.load(); });  // the box runs inside the posted press
        no.Join();
        EXPECT_EQ(no.text, L"종료하시겠습니까?");
    }
    PumpPending();
    EXPECT_TRUE(::IsWindowVisible(intro().m_hWnd));

    ASSERT_EQ(acc->accDoDefaultAction(msaa::Child(5)), S_OK);
    PumpUntil([&] { return frame.IsIconic(); });
    EXPECT_TRUE(frame.IsIconic());
    frame.ShowWindow(SW_RESTORE);
    PumpUntil([&] { return !frame.IsIconic(); });

    PressNext();
    Deliver(INSTALL_RESULT_SUCCESS);
    fw::ComPtr<IAccessible> page = msaa::ClientObject(result()->m_hWnd);
    ASSERT_TRUE(page);
    {
        BoxAnswerer yes(frame.m_hWnd, IDYES);
        ASSERT_EQ(msaa::Name(page.Get(), 5), L"닫기");  // after the success page's three lines
        ASSERT_EQ(page->accDoDefaultAction(msaa::Child(5)), S_OK);
        PumpUntil([&] { return yes.answered && !::IsWindow(frame.m_hWnd); });
    }
    EXPECT_FALSE(::IsWindow(frame.m_hWnd));
    // Objects kept by a reader now answer that nothing is there.
    LONG n = 0;
    EXPECT_EQ(page->get_accChildCount(&n), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->accDoDefaultAction(msaa::Child(6)), CO_E_OBJNOTCONNECTED);
}

TEST_F(PageReader, APageChangeMovesTheFocusIntoTheNewPageAndReordersTheFrame) {
    msaa::EventRecorder events(EVENT_OBJECT_REORDER, EVENT_OBJECT_FOCUS);
    ASSERT_TRUE(events.Hooked());
    auto focusedInside = [&](HWND page) {
        for (const auto& e : events.Of(EVENT_OBJECT_FOCUS))
            if (e.hwnd == page || ::IsChild(page, e.hwnd)) return true;
        return false;
    };
    auto reorders = [&] {
        int n = 0;
        for (const auto& e : events.Of(EVENT_OBJECT_REORDER))
            n += e.hwnd == frame.m_hWnd && e.object == OBJID_CLIENT && e.child == CHILDID_SELF;
        return n;
    };
    PressNext();
    EXPECT_TRUE(events.Settle(frame.m_hWnd));
    EXPECT_TRUE(focusedInside(installing()->m_hWnd));
    EXPECT_EQ(reorders(), 1);
    events.events.clear();
    Deliver(INSTALL_RESULT_FAILED);
    EXPECT_TRUE(events.Settle(frame.m_hWnd));
    EXPECT_TRUE(focusedInside(result()->m_hWnd));
    EXPECT_EQ(reorders(), 1);
}

namespace {

// The intro page, asked by a screen reader while it is being created: before its
// initialisation has made the page manager.
class EarlyAskedIntro : public CIntro {
public:
    BOOL OnInitDialog() override {
        managerBefore = g_pPrevMgr != nullptr;
        if (fw::ComPtr<IAccessible> acc = msaa::ClientObject(m_hWnd)) {
            nameBefore = msaa::Name(acc.Get());
            childrenBefore = msaa::ChildCount(acc.Get());
        }
        return CIntro::OnInitDialog();
    }
    bool managerBefore = true;
    std::wstring nameBefore;
    long childrenBefore = -1;
};

}  // namespace

TEST(EarlyReader, TheIntroAnswersBeforeThePageManagerExists) {
    msaa::Apartment apartment;
    TestApp app;
    CWnd host;
    host.m_hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(host.m_hWnd, nullptr);
    app.m_pMainWnd = &host;
    {
        EarlyAskedIntro intro;
        ASSERT_TRUE(intro.Create(IDD_INTRO, &host));
        EXPECT_FALSE(intro.managerBefore);
        EXPECT_EQ(intro.nameBefore, L"Quorix K4100ZT 설치를 시작합니다");
        EXPECT_EQ(intro.childrenBefore, 8);  // four lines, two images, two buttons
        EXPECT_NE(g_pPrevMgr, nullptr);
        intro.DestroyWindow();
    }
    delete g_pPrevMgr;
    g_pPrevMgr = nullptr;
    ::DestroyWindow(host.m_hWnd);
    app.m_pMainWnd = nullptr;
    PumpPending();
}
