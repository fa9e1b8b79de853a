// The framework under Wine: message tables, Default(), data exchange, the modal
// loop and its PreTranslateMessage chain, message boxes, and GDI ownership.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "framework/afxwin.h"
#include "tests/support/box_answerer.h"
#include "tests/support/message_pump.h"

namespace {

constexpr UINT WM_TEST_END = WM_APP + 1;
constexpr UINT WM_TEST_DESTROY = WM_APP + 2;
constexpr UINT WM_TEST_ECHO = WM_APP + 3;

class CountingStatic : public CStatic {
public:
    int paints = 0;
    int destroys = 0;

protected:
    void OnPaint() {
        ++paints;
        Default();
    }
    void OnDestroy() {
        ++destroys;
        Default();
    }
    BEGIN_MSG_MAP(CountingStatic, CStatic)
        ON_WM_PAINT()
        ON_WM_DESTROY()
    END_MSG_MAP()
};

class ChildPage : public CDialog {
public:
    ChildPage() : CDialog(101) {}
    std::vector<std::wstring>* log = nullptr;
    bool passKeys = false;  // leave keys to the parent instead of our dialog manager
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && log) log->push_back(L"page");
        if (passKeys && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) return FALSE;
        return CDialog::PreTranslateMessage(msg);
    }
};

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(100) {}

    std::vector<std::wstring> log;
    CountingStatic label;
    ChildPage page;
    bool swallowEnter = true;
    int otherClicks = 0;
    std::wstring textAfterDefault;
    bool withPage = false;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        log.push_back(L"init");
        if (withPage) {
            page.log = &log;
            page.Create(101, this);
        }
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN) {
            log.push_back(L"dialog");
            if (swallowEnter && msg->wParam == VK_RETURN) return TRUE;
        }
        return CDialog::PreTranslateMessage(msg);
    }

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, 1000, label); }
    void OnOther() { ++otherClicks; }
    LRESULT OnSetText(WPARAM, LPARAM) {
        LRESULT r = Default();  // the dialog's own WM_SETTEXT stores the text
        textAfterDefault = GetWindowText();
        return r;
    }
    BOOL OnEraseBkgnd(CDC*) { return 77; }
    LRESULT OnEnd(WPARAM wp, LPARAM) {
        EndDialog(static_cast<int>(wp));
        return 0;
    }
    LRESULT OnDestroyRequest(WPARAM, LPARAM) {
        DestroyWindow();
        return 0;
    }
    LRESULT OnEcho(WPARAM wp, LPARAM lp) { return static_cast<LRESULT>(wp + lp); }
    BEGIN_MSG_MAP(TestDialog, CDialog)
        ON_BN_CLICKED(1001, OnOther)
        ON_MESSAGE(WM_SETTEXT, OnSetText)
        ON_WM_ERASEBKGND()
        ON_MESSAGE(WM_TEST_END, OnEnd)
        ON_MESSAGE(WM_TEST_DESTROY, OnDestroyRequest)
        ON_MESSAGE(WM_TEST_ECHO, OnEcho)
    END_MSG_MAP()
};

TEST(MessageTable, RoutesByMessageIdAndNotificationAndDefaultsTheRest) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.Create(100));
    ASSERT_NE(dlg.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_hWnd), &dlg);
    EXPECT_EQ(dlg.log, std::vector<std::wstring>{L"init"});

    // Control id + BN_CLICKED reach the handler; another notification does not.
    HWND other = ::GetDlgItem(dlg.m_hWnd, 1001);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), reinterpret_cast<LPARAM>(other));
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(1001, BN_SETFOCUS), reinterpret_cast<LPARAM>(other));
    EXPECT_EQ(dlg.otherClicks, 1);

    // Handler return values go back to the sender.
    EXPECT_EQ(dlg.SendMessage(WM_TEST_ECHO, 40, 2), 42);
    EXPECT_EQ(dlg.SendMessage(WM_ERASEBKGND, 0, 0), 77);

    // Unlisted messages go to the dialog's own procedure.
    dlg.SetWindowText(L"제목");
    EXPECT_EQ(dlg.GetWindowText(), L"제목");

    // A handler that runs the default first sees its effect.
    EXPECT_EQ(dlg.textAfterDefault, L"제목");

    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(DataExchange, BindsTheControlAndHandsItsUnlistedMessagesOn) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.Create(100));
    ASSERT_EQ(dlg.label.m_hWnd, ::GetDlgItem(dlg.m_hWnd, 1000));
    EXPECT_EQ(dlg.GetDlgItem(1000), &dlg.label);
    EXPECT_EQ(dlg.label.GetWindowText(), L"static text");  // the static's own WM_GETTEXT

    dlg.label.SendMessage(WM_PAINT);
    EXPECT_EQ(dlg.label.paints, 1);

    // A second exchange does not bind again.
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(dlg.label.m_hWnd, ::GetDlgItem(dlg.m_hWnd, 1000));

    dlg.DestroyWindow();
    EXPECT_EQ(dlg.label.destroys, 1);
    EXPECT_EQ(dlg.label.m_hWnd, nullptr);
}

TEST(DataExchange, GetDlgItemWrapsUnboundControls) {
    TestDialog dlg;
    ASSERT_TRUE(dlg.Create(100));
    CWnd* ok = dlg.GetDlgItem(IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->m_hWnd, ::GetDlgItem(dlg.m_hWnd, IDOK));
    EXPECT_EQ(dlg.GetDlgItem(IDOK), ok);  // the same wrapper each time
    EXPECT_EQ(dlg.GetDlgItem(4242), nullptr);
    ok->MoveWindow(5, 6, 70, 20);
    CRect r;
    ok->GetWindowRect(&r);
    EXPECT_EQ(r.Width(), 70);
    EXPECT_EQ(r.Height(), 20);
    ok->EnableWindow(FALSE);
    EXPECT_FALSE(::IsWindowEnabled(ok->m_hWnd));
    dlg.DestroyWindow();
}

void PostKey(HWND target, WPARAM key) {
    ::PostMessageW(target, WM_KEYDOWN, key, 1);
    ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

TEST(DoModal, OffersKeysToTheTargetsObjectsFromTheInnermostOut) {
    TestDialog dlg;
    dlg.withPage = true;
    dlg.page.passKeys = true;
    std::thread poster([&] {
        testpump::WaitUntil([&] { return dlg.page.m_hWnd != nullptr; });
        HWND button = ::GetDlgItem(dlg.page.m_hWnd, 1172);
        PostKey(button, VK_RETURN);  // swallowed by the dialog: no IDOK
        PostKey(button, VK_TAB);     // on to the dialog manager
        ::PostMessageW(dlg.m_hWnd, WM_TEST_END, 42, 0);
    });
    INT_PTR result = dlg.DoModal();
    poster.join();
    EXPECT_EQ(result, 42);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.page.m_hWnd, nullptr);  // destroyed with its parent
    std::vector<std::wstring> expected{L"init", L"page", L"dialog", L"page", L"dialog"};
    EXPECT_EQ(dlg.log, expected);
}

TEST(DoModal, AChildDialogsManagerClaimsItsOwnKeys) {
    TestDialog dlg;
    dlg.withPage = true;
    std::thread poster([&] {
        testpump::WaitUntil([&] { return dlg.page.m_hWnd != nullptr; });
        PostKey(::GetDlgItem(dlg.page.m_hWnd, 1172), VK_TAB);
        ::PostMessageW(dlg.m_hWnd, WM_TEST_END, 7, 0);
    });
    EXPECT_EQ(dlg.DoModal(), 7);
    poster.join();
    std::vector<std::wstring> expected{L"init", L"page"};
    EXPECT_EQ(dlg.log, expected);
}

TEST(DoModal, EscapeReachesOnCancelThroughTheDialogManager) {
    TestDialog dlg;
    std::thread poster([&] {
        testpump::WaitUntil([&] { return dlg.label.m_hWnd != nullptr; });
        PostKey(::GetDlgItem(dlg.m_hWnd, IDOK), VK_ESCAPE);
    });
    INT_PTR result = dlg.DoModal();
    poster.join();
    EXPECT_EQ(result, IDCANCEL);
}

TEST(DoModal, EndsWhenTheWindowIsDestroyed) {
    TestDialog dlg;
    std::thread poster([&] {
        testpump::WaitUntil([&] { return dlg.label.m_hWnd != nullptr; });
        ::PostMessageW(dlg.m_hWnd, WM_TEST_DESTROY, 0, 0);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    poster.join();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(DoModal, CentresAnUnmovedTopLevelDialog) {
    class Probe : public TestDialog {
    public:
        CRect seen;
        BOOL OnInitDialog() override {
            TestDialog::OnInitDialog();
            PostMessage(WM_TEST_ECHO + 10);
            return TRUE;
        }
        LRESULT OnProbe(WPARAM, LPARAM) {
            GetWindowRect(&seen);
            EndDialog(IDOK);
            return 0;
        }
        BEGIN_MSG_MAP(Probe, TestDialog)
            ON_MESSAGE(WM_TEST_ECHO + 10, OnProbe)
        END_MSG_MAP()
    } dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
    const int cx = (mi.rcWork.left + mi.rcWork.right) / 2;
    const int cy = (mi.rcWork.top + mi.rcWork.bottom) / 2;
    EXPECT_NEAR((dlg.seen.left + dlg.seen.right) / 2, cx, 1);
    EXPECT_NEAR((dlg.seen.top + dlg.seen.bottom) / 2, cy, 1);
}

// The first message box captioned `caption`.
HWND BoxCaptioned(const wchar_t* caption) { return ::FindWindowW(L"#32770", caption); }

TEST(App, MessageBoxesCarryTheApplicationNameAndReturnTheAnswer) {
    CWinApp app;
    ASSERT_EQ(AfxGetApp(), &app);
    app.AttachInstance(::GetModuleHandleW(nullptr));
    EXPECT_STREQ(app.m_pszAppName, L"framework_test");  // the executable's name until set
    app.SetAppName(L"Quorix 테스트");
    {
        testpump::BoxAnswerer answer([] { return BoxCaptioned(L"Quorix 테스트"); }, IDNO);
        EXPECT_EQ(AfxMessageBox(L"종료하시겠습니까?", MB_YESNO), IDNO);
        answer.Join();
        EXPECT_EQ(answer.text, L"종료하시겠습니까?");
    }
    testpump::BoxAnswerer answer([] { return BoxCaptioned(L"Quorix 테스트"); }, IDOK);
    EXPECT_EQ(AfxMessageBox(103u), IDOK);  // from the string table
    answer.Join();
    EXPECT_EQ(answer.text, L"문자열 자원");
}

TEST(App, SocketsStartAndSettingsStayInMemory) {
    CWinApp app(L"x");
    EXPECT_STREQ(app.m_pszAppName, L"x");
    EXPECT_TRUE(AfxSocketInit());
    EXPECT_EQ(::WSACleanup(), 0);
    app.SetRegistryKey(L"로컬");
    EXPECT_STREQ(app.m_pszRegistryKey, L"로컬");
}

HBITMAP MakeStrip() {
    // 24 x 12: left half red with a white 4x4 corner, right half blue.
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 24, -12, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* px = static_cast<DWORD*>(bits);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 24; ++x)
            px[y * 24 + x] = x < 12 ? ((x < 4 && y < 4) ? 0xFFFFFF : 0xFF0000) : 0x0000FF;
    return bmp;
}

TEST(Gdi, ImageListDrawsTwoImagesWithWhiteTransparent) {
    CImageList list;
    ASSERT_TRUE(list.Create(12, 12, ILC_COLOR24 | ILC_MASK, 0, 0));
    CBitmap strip;
    strip.Attach(MakeStrip());
    EXPECT_EQ(list.Add(&strip, RGB(255, 255, 255)), 0);
    EXPECT_EQ(::ImageList_GetImageCount(list.m_hImageList), 2);

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap target;
    {
        CClientDC screen(nullptr);
        target.CreateCompatibleBitmap(&screen, 40, 20);
    }
    dc.SelectObject(&target);
    CRect all(0, 0, 40, 20);
    CBrush green(RGB(0, 255, 0));
    dc.FillRect(&all, &green);
    list.Draw(&dc, 0, CPoint(0, 0), ILD_NORMAL);
    list.Draw(&dc, 1, CPoint(20, 0), ILD_NORMAL);
    EXPECT_EQ(::GetPixel(dc.m_hDC, 1, 1), RGB(0, 255, 0));   // white corner: background shows
    EXPECT_EQ(::GetPixel(dc.m_hDC, 8, 8), RGB(255, 0, 0));   // image 0
    EXPECT_EQ(::GetPixel(dc.m_hDC, 25, 5), RGB(0, 0, 255));  // image 1
    EXPECT_EQ(::GetPixel(dc.m_hDC, 35, 15), RGB(0, 255, 0)); // beyond the image
}

TEST(Gdi, ObjectsSelectedIntoADcCanBeDeletedAndNothingLeaks) {
    // Wine answers GetGuiResources with 0, so each handle is also seen to be gone.
    const DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 200; ++i) {
        CBitmap bmp;  // outlives the DC
        CFont font;
        LOGFONTW lf{};
        lf.lfHeight = 12;
        wcscpy(lf.lfFaceName, L"gulim");
        ASSERT_TRUE(font.CreateFontIndirect(&lf));
        HDC dcHandle = nullptr;
        {
            CDC dc;
            ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
            dcHandle = dc.GetSafeHdc();
            ASSERT_TRUE(bmp.CreateCompatibleBitmap(&dc, 8, 8));
            dc.SelectObject(&bmp);
            dc.SelectObject(&font);
            dc.TextOut(0, 0, L"가");
        }
        ASSERT_EQ(::GetObjectType(dcHandle), 0u);
        HGDIOBJ bmpHandle = bmp.m_hObject, fontHandle = font.m_hObject;
        EXPECT_TRUE(bmp.DeleteObject());
        EXPECT_TRUE(font.DeleteObject());
        ASSERT_EQ(::GetObjectType(bmpHandle), 0u);
        ASSERT_EQ(::GetObjectType(fontHandle), 0u);
    }
    if (before != 0) {
        EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before + 2);
    }
}

}  // namespace
