// The installer's windows in-process under Wine: page creation and layout, the
// page flow, outcomes, the exit confirmation, the key filter, hover and press
// handling, and the painted pixels of every page.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "framework/afxwin.h"
#include "setup/engine/install_result.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/frame_dlg.h"
#include "setup/shell/installer_app.h"
#include "setup/shell/installing_page.h"
#include "setup/shell/page_manager.h"
#include "setup/shell/result_page.h"
#include "setup/shell/wine_tests/shell_test_support.h"

using namespace shell_test;

namespace {

// Stands in for the frame as main window where a test only watches what pages ask of it.
class MainRecorder : public CDialog {
public:
    MainRecorder() : CDialog(IDD_FRAME) {}
    int captionPresses = 0;
    int presses = 0;

protected:
    LRESULT OnNcPress(WPARAM wp, LPARAM) {
        if (wp == HTCAPTION) ++captionPresses;
        return 0;
    }
    void OnLButtonDown(UINT, CPoint) { ++presses; }
    BEGIN_MSG_MAP(MainRecorder, CDialog)
        ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcPress)
        ON_WM_LBUTTONDOWN()
    END_MSG_MAP()
};

class Shell : public ShellWindows {
protected:
    // What the screen shows at page coordinates (x, y), once the paint has
    // reached it: read until it shows `want` (or, with `leave`, anything else),
    // for at most a few seconds; the last reading is returned.
    COLORREF ScreenPixel(int x, int y, COLORREF want, bool leave = false) {
        ::RedrawWindow(frame.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        COLORREF c = CLR_INVALID;
        PumpUntil([&] { return ((c = ScreenPixelNow(x, y)) == want) != leave; }, kScreenPatienceMs);
        return c;
    }
    COLORREF ScreenPixelLeaves(int x, int y, COLORREF old) { return ScreenPixel(x, y, old, true); }
    // Whether any pixel in the band [x0,x1) x [y0,y1) is black (painted text),
    // read until it is `want` or a few seconds have passed.
    bool BlackIn(int x0, int y0, int x1, int y1, bool want = true) {
        ::RedrawWindow(frame.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        bool found = !want;
        PumpUntil([&] { return (found = BlackInNow(x0, y0, x1, y1)) == want; }, kScreenPatienceMs);
        return found;
    }
    COLORREF ScreenPixelNow(int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(frame.m_hWnd, &p);
        HDC screen = ::GetDC(nullptr);
        COLORREF c = ::GetPixel(screen, p.x, p.y);
        ::ReleaseDC(nullptr, screen);
        return c;
    }
    bool BlackInNow(int x0, int y0, int x1, int y1) {
        POINT p{x0, y0};
        ::ClientToScreen(frame.m_hWnd, &p);
        HDC screen = ::GetDC(nullptr);
        bool found = false;
        for (int y = 0; y < y1 - y0 && !found; ++y)
            for (int x = 0; x < x1 - x0 && !found; ++x) found = ::GetPixel(screen, p.x + x, p.y + y) == RGB(0, 0, 0);
        ::ReleaseDC(nullptr, screen);
        return found;
    }
    static constexpr DWORD kScreenPatienceMs = 3000;
    static CRect ChildRect(HWND child) {
        CRect r;
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

TEST_F(Shell, FrameAndPagesAreCreatedHiddenBehindTheIntroAtFullSize) {
    CRect client;
    frame.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 527, 347));
    EXPECT_EQ(frame.GetWindowText(), L"Quorix LanCard Installer");
    EXPECT_EQ(frame.SendMessage(WM_GETICON, ICON_BIG), reinterpret_cast<LRESULT>(frame.m_hIcon));
    EXPECT_EQ(frame.SendMessage(WM_GETICON, ICON_SMALL), reinterpret_cast<LRESULT>(frame.m_hIcon));
    EXPECT_NE(frame.m_hIcon, nullptr);
    EXPECT_EQ(::GetWindowLongPtrW(frame.m_hWnd, GWL_STYLE) & WS_CAPTION, 0u);

    ASSERT_NE(intro().m_hWnd, nullptr);
    EXPECT_TRUE(::IsWindowVisible(intro().m_hWnd));
    EXPECT_EQ(::GetParent(intro().m_hWnd), frame.m_hWnd);
    EXPECT_EQ(ChildRect(intro().m_hWnd), CRect(0, 0, 527, 347));

    ASSERT_EQ(g_pPrevMgr->m_pages.GetSize(), 2);
    for (int i = 0; i < 2; ++i) {
        CDialog* page = g_pPrevMgr->Page(i);
        ASSERT_NE(page->m_hWnd, nullptr);
        EXPECT_FALSE(::IsWindowVisible(page->m_hWnd));
        EXPECT_EQ(::GetParent(page->m_hWnd), frame.m_hWnd);
        EXPECT_EQ(ChildRect(page->m_hWnd), CRect(0, 0, 527, 347));
    }
    EXPECT_EQ(installing()->m_nIDTemplate, 217u);
    EXPECT_EQ(result()->m_nIDTemplate, 221u);
    EXPECT_EQ(g_pPrevMgr->m_resultCode, 0);
    EXPECT_EQ(::ImageList_GetImageCount(g_pPrevMgr->m_minimiseImages.m_hImageList), 2);
    EXPECT_EQ(::ImageList_GetImageCount(g_pPrevMgr->m_closeImages.m_hImageList), 2);
}

TEST_F(Shell, PushButtonsSitAtTheirPixelPositionsWithTheirTexts) {
    struct Expect {
        CDialog* page;
        int id;
        const wchar_t* text;
        CRect rect;
    } expected[] = {
        {&intro(), IDC_NEXT, L"다음 >", {354, 314, 429, 339}},
        {&intro(), IDCANCEL, L"취소", {434, 314, 509, 339}},
        {installing(), IDC_NEXT, L"다음 >", {354, 314, 429, 339}},
        {installing(), IDCANCEL, L"취소", {434, 314, 509, 339}},
        {result(), IDCANCEL, L"마침", {434, 314, 509, 339}},
    };
    for (const Expect& e : expected) {
        HWND button = ::GetDlgItem(e.page->m_hWnd, e.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(e.page->GetDlgItem(e.id)->GetWindowText(), e.text);
        EXPECT_EQ(ChildRect(button), e.rect);
        EXPECT_EQ(::SendMessageW(button, WM_GETFONT, 0, 0),
                  reinterpret_cast<LRESULT>(g_pPrevMgr->m_buttonFont.m_hObject));
    }
    EXPECT_EQ(::GetDlgItem(result()->m_hWnd, IDC_NEXT), nullptr);
    ASSERT_EQ(installing()->m_picture.m_hWnd, ::GetDlgItem(installing()->m_hWnd, IDC_PICTURE));
    EXPECT_EQ(ChildRect(installing()->m_picture.m_hWnd), CRect(188, 203, 503, 286));
    EXPECT_EQ(installing()->m_picture.m_centerInMainWindow, 0);
}

TEST_F(Shell, NextShowsTheInstallingPageWithGreyedButtonsAndStartsOneWorker) {
    PressNext();
    EXPECT_FALSE(::IsWindowVisible(intro().m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(installing()->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(result()->m_hWnd));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(installing()->m_hWnd, IDC_NEXT)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(installing()->m_hWnd, IDCANCEL)));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(installing()->m_hWnd, IDCANCEL)));
    PumpUntil([] { return g_workerStarts > 0; });
    EXPECT_EQ(g_workerStarts, 1);
    EXPECT_TRUE(installing()->m_picture.IsAnimating());
    // The worker gets the page as its result target and finds the page's window there.
    auto* target = static_cast<InstallResultTarget*>(g_workerArgument.load());
    ASSERT_EQ(target, static_cast<InstallResultTarget*>(installing()));
    EXPECT_EQ(target->ResultWindow(), installing()->m_hWnd);
    // Minimising and restoring the frame while installing starts no second worker.
    frame.ShowWindow(SW_MINIMIZE);
    PumpUntil([&] { return frame.IsIconic(); });
    frame.ShowWindow(SW_RESTORE);
    PumpUntil([&] { return !frame.IsIconic() && ::IsWindowVisible(installing()->m_hWnd); });
    // Every worker the page asked for has run (a second one would count now).
    PumpUntil([] { return g_workerStarts == g_workerLaunches; });
    EXPECT_EQ(g_workerStarts, 1);
    EXPECT_TRUE(::IsWindowVisible(installing()->m_hWnd));
    // Its buttons do nothing even when a click gets through.
    installing()->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    installing()->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_NEXT, BN_CLICKED), 0);
    PumpPending();
    EXPECT_EQ(FindMessageBox(frame.m_hWnd), nullptr);
    EXPECT_TRUE(::IsWindowVisible(installing()->m_hWnd));
    EXPECT_TRUE(installing()->m_picture.IsAnimating());
    // Handing over to the result page hides this one and stops the animation.
    Deliver(INSTALL_RESULT_SUCCESS);
    EXPECT_FALSE(::IsWindowVisible(installing()->m_hWnd));
    EXPECT_FALSE(installing()->m_picture.IsAnimating());
    EXPECT_EQ(installing()->m_picture.FrameCount(), 0u);
}

TEST_F(Shell, EachOutcomeShowsItsVariantOfTheResultPage) {
    struct Case {
        WPARAM outcome;
        int code;
        int bodyY;  // a body line that only this group of variants paints
    } cases[] = {{INSTALL_RESULT_SUCCESS, 0, 81}, {INSTALL_RESULT_FAILED, 1, 239},
                 {INSTALL_RESULT_UNSUPPORTED_OS, 2, 239}, {7, 2, 239}};
    PressNext();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.outcome);
        installing()->ShowWindow(SW_SHOW);
        result()->ShowWindow(SW_HIDE);
        Deliver(c.outcome);
        EXPECT_EQ(g_pPrevMgr->m_resultCode, c.code);
        EXPECT_TRUE(::IsWindowVisible(result()->m_hWnd));
        EXPECT_FALSE(::IsWindowVisible(installing()->m_hWnd));
        // The page takes the focus and hands it on to its button.
        EXPECT_TRUE(::GetFocus() == result()->m_hWnd || ::IsChild(result()->m_hWnd, ::GetFocus()));
        EXPECT_TRUE(BlackIn(187, c.bodyY, 400, c.bodyY + 12));
        // Success paints nothing where the failure lines go, and the reverse.
        EXPECT_EQ(BlackIn(187, 239, 500, 283, c.code != 0), c.code != 0);
        EXPECT_EQ(BlackIn(187, 81, 500, 109, c.code == 0), c.code == 0);
    }
}

TEST_F(Shell, AWorkerThatCannotStartEndsOnTheFailurePage) {
    InstallingPageTestAccess::UseWorker(*installing(), &NoThread);
    g_pPrevMgr->m_resultCode = 0;
    PressNext();
    PumpUntil([&] { return ::IsWindowVisible(result()->m_hWnd); });
    EXPECT_TRUE(::IsWindowVisible(result()->m_hWnd));
    EXPECT_EQ(g_pPrevMgr->m_resultCode, 1);
}

TEST_F(Shell, AnsweringNoKeepsThePageAndYesDestroysTheFrame) {
    {
        BoxAnswerer no(frame.m_hWnd, IDNO);
        intro().SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        no.Join();
        EXPECT_EQ(no.text, L"종료하시겠습니까?");
    }
    EXPECT_TRUE(::IsWindow(frame.m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(intro().m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(installing()->m_hWnd));

    // The close image on the result page asks too.
    PressNext();
    Deliver(0);
    {
        BoxAnswerer no(frame.m_hWnd, IDNO);
        result()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(510, 15));
        no.Join();
        EXPECT_EQ(no.text, L"종료하시겠습니까?");
    }
    EXPECT_TRUE(::IsWindowVisible(result()->m_hWnd));
    // Yes there ends the run from inside the page's own press ("마침" does the
    // same, in the modal test below).
    {
        BoxAnswerer yes(frame.m_hWnd, IDYES);
        result()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(510, 15));
    }
    EXPECT_EQ(frame.m_hWnd, nullptr);
    EXPECT_EQ(result()->m_hWnd, nullptr);
}

TEST_F(Shell, HoverHighlightsOneImageAndAnyOtherMoveClearsIt) {
    const COLORREF normal = RGB(224, 224, 224);  // the strip shows through the white
    EXPECT_EQ(ScreenPixel(492, 11, normal), normal);
    intro().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(495, 15));
    EXPECT_EQ(intro().m_minimiseHover, 1);
    EXPECT_EQ(intro().m_closeHover, 0);
    EXPECT_NE(ScreenPixelLeaves(492, 11, normal), normal);
    EXPECT_EQ(ScreenPixel(507, 11, normal), normal);
    intro().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(510, 15));
    EXPECT_EQ(intro().m_minimiseHover, 0);
    EXPECT_EQ(intro().m_closeHover, 1);
    EXPECT_EQ(ScreenPixel(492, 11, normal), normal);
    EXPECT_NE(ScreenPixelLeaves(507, 11, normal), normal);
    intro().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(503, 22));
    EXPECT_EQ(intro().m_closeHover, 0);
    EXPECT_EQ(ScreenPixel(507, 11, normal), normal);

    // The installing and result pages share one set of flags.
    PressNext();
    installing()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(510, 15));
    EXPECT_EQ(g_pPrevMgr->m_closeHover, 1);
    EXPECT_NE(ScreenPixelLeaves(507, 11, normal), normal);
    Deliver(1);
    EXPECT_NE(ScreenPixelLeaves(507, 11, normal), normal);  // still lit on the result page
    result()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
    EXPECT_EQ(g_pPrevMgr->m_closeHover, 0);
    EXPECT_EQ(ScreenPixel(507, 11, normal), normal);
}

TEST_F(Shell, PressesMinimiseDragOrDoNothingByTheirRectangles) {
    MainRecorder main;
    ASSERT_TRUE(main.Create(IDD_FRAME));
    app.m_pMainWnd = &main;

    // Edges x 503 and y 22 are outside the minimise image and drag: the intro
    // presses the frame, whose own drag runs to the release; with the button
    // already up no second drag starts (it would take the next click).
    intro().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(503, 15));
    intro().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(495, 22));
    EXPECT_EQ(main.presses, 2);
    EXPECT_EQ(main.captionPresses, 0);
    EXPECT_FALSE(main.IsIconic());
    intro().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 200));
    EXPECT_EQ(main.presses, 2);
    // The result page drags directly.
    PressNext();
    Deliver(0);
    result()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(503, 15));
    EXPECT_EQ(main.captionPresses, 1);
    result()->ShowWindow(SW_HIDE);
    installing()->ShowWindow(SW_SHOW);

    // The installing page's close image lies in the drag band: a drag, no question.
    installing()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(510, 15));
    PumpUntil([&] { return main.captionPresses >= 2; });
    EXPECT_EQ(main.captionPresses, 2);
    EXPECT_EQ(FindMessageBox(frame.m_hWnd), nullptr);
    EXPECT_TRUE(::IsWindowVisible(installing()->m_hWnd));

    // Minimise clears the highlight so the restored window shows the normal image.
    installing()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(495, 15));
    EXPECT_EQ(g_pPrevMgr->m_minimiseHover, 1);
    installing()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(495, 15));
    EXPECT_TRUE(main.IsIconic());
    EXPECT_EQ(g_pPrevMgr->m_minimiseHover, 0);
    main.ShowWindow(SW_RESTORE);
    intro().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(495, 15));
    intro().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(495, 15));
    EXPECT_TRUE(main.IsIconic());
    EXPECT_EQ(intro().m_minimiseHover, 0);

    app.m_pMainWnd = &frame;
    main.DestroyWindow();
}

TEST_F(Shell, PagesPaintTheFrameLayoutAndTheirTextBands) {
    struct Probe {
        int x, y;
        COLORREF colour;
    } layout[] = {
        {0, 0, RGB(210, 210, 210)},     {526, 200, RGB(210, 210, 210)}, {200, 346, RGB(210, 210, 210)},
        {300, 1, RGB(255, 255, 255)},   {300, 20, RGB(224, 224, 224)},  {300, 30, RGB(75, 75, 75)},
        {5, 300, RGB(224, 224, 224)},   {180, 40, RGB(241, 241, 241)},  {300, 305, RGB(210, 210, 210)},
        {100, 320, RGB(241, 241, 241)},
    };
    auto check = [&](const char* page, std::initializer_list<int> textYs) {
        SCOPED_TRACE(page);
        for (const Probe& p : layout) EXPECT_EQ(ScreenPixel(p.x, p.y, p.colour), p.colour) << p.x << "," << p.y;
        for (int y : textYs) EXPECT_TRUE(BlackIn(187, y, 480, y + 12)) << y;
    };
    check("intro", {51, 88, 107, 126});
    PressNext();
    check("installing", {51, 79, 95});
    Deliver(0);
    check("success", {51, 81, 97});
    installing()->ShowWindow(SW_SHOW);
    Deliver(2);
    check("unsupported", {51, 239, 255, 271});
}

// Enter, Esc and WM_CLOSE change nothing on any page; they act only through the modal loop.
TEST(ShellModal, KeysAndCloseChangeNothingAndAConfirmedExitEndsTheRun) {
    TestApp app;
    CNorvikDlg frame;
    app.m_pMainWnd = &frame;
    std::atomic<bool> introSurvived{false}, installingSurvived{false}, resultSurvived{false};
    std::wstring asked;
    testpump::QueueMarker queue;  // on this thread, which runs the modal loop
    std::thread user([&] {
        testpump::WaitUntil([&] { return ::IsWindowVisible(frame.m_hWnd) && g_pPrevMgr != nullptr; });
        HWND frameHwnd = frame.m_hWnd;
        // Once the loop has handled what was posted before the mark, a box would be up.
        auto keys = [&](HWND target) {
            for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
                ::PostMessageW(target, WM_KEYDOWN, key, 1);
                ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
            }
            ::PostMessageW(frameHwnd, WM_CLOSE, 0, 0);
            ::PostMessageW(frameHwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            queue.PassedBy();
        };
        auto* page0 = static_cast<CNotiLowVersion*>(g_pPrevMgr->Page(0));
        InstallingPageTestAccess::UseWorker(*page0, &StartRecordingWorker);
        keys(::GetDlgItem(frame.m_intro.m_hWnd, IDC_NEXT));
        keys(frameHwnd);
        introSurvived = ::IsWindowVisible(frame.m_intro.m_hWnd) && FindMessageBox(frameHwnd) == nullptr;
        // Space on the focused push button still presses it.
        HWND next = ::GetDlgItem(frame.m_intro.m_hWnd, IDC_NEXT);
        ::PostMessageW(next, WM_KEYDOWN, VK_SPACE, 1);
        ::PostMessageW(next, WM_KEYUP, VK_SPACE, 0xC0000001);
        testpump::WaitUntil([&] { return ::IsWindowVisible(page0->m_hWnd) != FALSE; });
        keys(page0->m_hWnd);
        installingSurvived = ::IsWindowVisible(page0->m_hWnd) && FindMessageBox(frameHwnd) == nullptr;
        ::PostMessageW(page0->m_hWnd, WM_INSTALL_RESULT, 0, 0);
        testpump::WaitUntil([&] { return ::IsWindowVisible(g_pPrevMgr->Page(1)->m_hWnd) != FALSE; });
        HWND finish = ::GetDlgItem(g_pPrevMgr->Page(1)->m_hWnd, IDCANCEL);
        keys(finish);
        resultSurvived = ::IsWindowVisible(g_pPrevMgr->Page(1)->m_hWnd) && FindMessageBox(frameHwnd) == nullptr;
        BoxAnswerer yes(frameHwnd, IDYES);
        ::PostMessageW(finish, BM_CLICK, 0, 0);
        yes.Join();
        asked = yes.text;
    });
    frame.DoModal();
    user.join();
    EXPECT_TRUE(introSurvived);
    EXPECT_TRUE(installingSurvived);
    EXPECT_TRUE(resultSurvived);
    EXPECT_EQ(asked, L"종료하시겠습니까?");
    EXPECT_EQ(frame.m_hWnd, nullptr);
    delete g_pPrevMgr;
    g_pPrevMgr = nullptr;
}

}  // namespace
