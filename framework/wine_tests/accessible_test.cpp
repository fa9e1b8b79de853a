// The accessible object under Wine, as a screen reader in this process sees it:
// the tree a painted window describes, hit testing and moving through it, the
// default action, change events, and an object kept after its window is gone.
#include <gtest/gtest.h>

#include "framework/afxwin.h"
#include "tests/support/message_pump.h"
#include "tests/support/msaa_client.h"

namespace {

using testpump::PumpPending;
using testpump::PumpUntil;

// Template 100 with a painted title, a painted close image and its real OK button.
class PaintedDialog : public CDialog {
public:
    PaintedDialog() : CDialog(100) {}
    std::wstring title = L"첫 줄";
    bool hot = false;
    std::vector<CPoint> presses;

    void DescribeAccessible(fw::AccessibleFace& face) override {
        face.role = ROLE_SYSTEM_DIALOG;
        face.name = L"칠한 창";
        face.items.push_back(fw::AccessibleItem::Text(ROLE_SYSTEM_STATICTEXT, title, RECT{10, 10, 60, 22}));
        face.items.push_back(fw::AccessibleItem::Button(L"닫기", RECT{100, 4, 112, 16}, fw::kPressAction, hot));
        face.items.push_back(fw::AccessibleItem::Control(::GetDlgItem(m_hWnd, IDOK)));
        face.items.push_back(fw::AccessibleItem::Button(L"최소화", RECT{80, 4, 92, 16}, L"", false));
    }

protected:
    void OnLButtonDown(UINT, CPoint point) { presses.push_back(point); }
    BEGIN_MSG_MAP(PaintedDialog, CDialog)
        ON_WM_GETOBJECT()
        ON_WM_LBUTTONDOWN()
    END_MSG_MAP()
};

class Accessible : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Create(100));  // hidden: Wine takes seconds to take a shown window down
        dlg.SetWindowPos(nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        acc = msaa::ClientObject(dlg.m_hWnd);
        ASSERT_TRUE(acc);
    }
    void TearDown() override {
        acc.Reset();
        if (::IsWindow(dlg.m_hWnd)) dlg.DestroyWindow();
    }
    POINT Screen(int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(dlg.m_hWnd, &p);
        return p;
    }

    msaa::Apartment apartment;
    PaintedDialog dlg;
    fw::ComPtr<IAccessible> acc;
};

}  // namespace

TEST_F(Accessible, TheWindowListsItsPaintedItemsAndRealControlsInOrder) {
    EXPECT_EQ(msaa::Role(acc.Get()), ROLE_SYSTEM_DIALOG);
    EXPECT_EQ(msaa::Name(acc.Get()), L"칠한 창");
    ASSERT_EQ(msaa::ChildCount(acc.Get()), 4);
    const std::vector<msaa::Element> expected{
        {ROLE_SYSTEM_STATICTEXT, L"첫 줄", false},
        {ROLE_SYSTEM_PUSHBUTTON, L"닫기", false},
        {msaa::ControlRole(ROLE_SYSTEM_PUSHBUTTON), L"OK", true},  // the system's own object for the button
        {ROLE_SYSTEM_PUSHBUTTON, L"최소화", false},
    };
    EXPECT_EQ(msaa::Children(acc.Get()), expected);

    // Painted places in screen coordinates; the window's own is its client area.
    const POINT origin = Screen(0, 0);
    const RECT title = msaa::Location(acc.Get(), 1);
    EXPECT_EQ(title.left, origin.x + 10);
    EXPECT_EQ(title.top, origin.y + 10);
    EXPECT_EQ(title.right, origin.x + 60);
    EXPECT_EQ(title.bottom, origin.y + 22);
    RECT client;
    ::GetClientRect(dlg.m_hWnd, &client);
    const RECT self = msaa::Location(acc.Get());
    EXPECT_EQ(self.left, origin.x);
    EXPECT_EQ(self.right - self.left, client.right);

    EXPECT_EQ(msaa::State(acc.Get(), 1), STATE_SYSTEM_READONLY | STATE_SYSTEM_INVISIBLE);
    EXPECT_EQ(msaa::State(acc.Get(), 2), STATE_SYSTEM_INVISIBLE);
    EXPECT_EQ(msaa::State(acc.Get(), 4), STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE);
    dlg.hot = true;  // read afresh at every question
    EXPECT_EQ(msaa::State(acc.Get(), 2), STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_INVISIBLE);

    // Child ids outside 1..n and other variant types are refused.
    BSTR name = nullptr;
    EXPECT_EQ(acc->get_accName(msaa::Child(5), &name), E_INVALIDARG);
    EXPECT_EQ(name, nullptr);
    VARIANT text;
    text.vt = VT_BSTR;
    text.bstrVal = nullptr;
    EXPECT_EQ(acc->get_accName(text, &name), E_INVALIDARG);
}

TEST_F(Accessible, HitTestingAndMovingFindTheSameChildren) {
    dlg.ShowWindow(SW_SHOW);  // hidden controls are not hit
    EXPECT_EQ(msaa::State(acc.Get(), 1), STATE_SYSTEM_READONLY);
    VARIANT v;
    const POINT inTitle = Screen(20, 15);
    ASSERT_EQ(acc->accHitTest(inTitle.x, inTitle.y, &v), S_OK);
    EXPECT_EQ(v.vt, VT_I4);
    EXPECT_EQ(v.lVal, 1);
    const POINT nowhere = Screen(200, 40);
    ASSERT_EQ(acc->accHitTest(nowhere.x, nowhere.y, &v), S_OK);
    EXPECT_EQ(v.lVal, CHILDID_SELF);
    EXPECT_EQ(acc->accHitTest(-5000, -5000, &v), S_FALSE);
    EXPECT_EQ(v.vt, VT_EMPTY);

    RECT ok;
    ::GetWindowRect(::GetDlgItem(dlg.m_hWnd, IDOK), &ok);
    ASSERT_EQ(acc->accHitTest(ok.left + 3, ok.top + 3, &v), S_OK);
    ASSERT_EQ(v.vt, VT_DISPATCH);
    v.pdispVal->Release();

    ASSERT_EQ(acc->accNavigate(NAVDIR_FIRSTCHILD, msaa::Child(CHILDID_SELF), &v), S_OK);
    EXPECT_EQ(v.lVal, 1);
    ASSERT_EQ(acc->accNavigate(NAVDIR_NEXT, msaa::Child(1), &v), S_OK);
    EXPECT_EQ(v.lVal, 2);
    ASSERT_EQ(acc->accNavigate(NAVDIR_NEXT, msaa::Child(2), &v), S_OK);
    ASSERT_EQ(v.vt, VT_DISPATCH);  // the control, as its own object
    v.pdispVal->Release();
    ASSERT_EQ(acc->accNavigate(NAVDIR_LASTCHILD, msaa::Child(CHILDID_SELF), &v), S_OK);
    EXPECT_EQ(v.lVal, 4);
    EXPECT_EQ(acc->accNavigate(NAVDIR_NEXT, msaa::Child(4), &v), S_FALSE);
    EXPECT_EQ(v.vt, VT_EMPTY);
}

TEST_F(Accessible, TheDefaultActionPressesWhereAClickWould) {
    EXPECT_EQ(msaa::DefaultAction(acc.Get(), 2), L"누르기");
    EXPECT_EQ(msaa::DefaultAction(acc.Get(), 4), L"");
    EXPECT_EQ(acc->accDoDefaultAction(msaa::Child(4)), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(acc->accDoDefaultAction(msaa::Child(1)), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(acc->accDoDefaultAction(msaa::Child(2)), S_OK);
    EXPECT_TRUE(dlg.presses.empty());  // posted: the caller is not held up
    PumpUntil([&] { return !dlg.presses.empty(); });
    ASSERT_EQ(dlg.presses.size(), 1u);
    EXPECT_EQ(dlg.presses[0], CPoint(106, 10));
}

TEST_F(Accessible, OnlyChangedNamesAreAnnounced) {
    msaa::EventRecorder events(EVENT_OBJECT_REORDER, EVENT_OBJECT_NAMECHANGE);
    ASSERT_TRUE(events.Hooked());
    fw::AccessibleFace before;
    dlg.DescribeAccessible(before);
    fw::NotifyFaceChanges(dlg.m_hWnd, before, before);
    dlg.title = L"둘째 줄";
    fw::AccessibleFace after;
    dlg.DescribeAccessible(after);
    fw::NotifyFaceChanges(dlg.m_hWnd, before, after);
    ASSERT_TRUE(events.Settle(dlg.m_hWnd));
    ASSERT_EQ(events.events.size(), 1u);
    EXPECT_EQ(events.events[0].event, static_cast<DWORD>(EVENT_OBJECT_NAMECHANGE));
    EXPECT_EQ(events.events[0].hwnd, dlg.m_hWnd);
    EXPECT_EQ(events.events[0].object, OBJID_CLIENT);
    EXPECT_EQ(events.events[0].child, 1);
    EXPECT_EQ(msaa::Name(acc.Get(), 1), L"둘째 줄");
}

TEST_F(Accessible, AnObjectKeptAfterTheWindowIsGoneIsNotConnected) {
    // Other object ids are the system's.
    EXPECT_EQ(dlg.SendMessage(WM_GETOBJECT, 0, static_cast<LPARAM>(static_cast<DWORD>(OBJID_WINDOW))), 0);

    dlg.DestroyWindow();
    VARIANT self = msaa::Child(CHILDID_SELF), out;
    LONG n = 7, x, y, w, h;
    BSTR text = nullptr;
    IDispatch* dispatch = nullptr;
    EXPECT_EQ(acc->get_accChildCount(&n), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(acc->get_accName(self, &text), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->get_accRole(msaa::Child(1), &out), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->get_accState(self, &out), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->get_accChild(msaa::Child(3), &dispatch), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->get_accParent(&dispatch), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->accLocation(&x, &y, &w, &h, self), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->accHitTest(10, 10, &out), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->accNavigate(NAVDIR_FIRSTCHILD, self, &out), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->get_accDefaultAction(msaa::Child(2), &text), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->accDoDefaultAction(msaa::Child(2)), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->get_accFocus(&out), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->put_accName(self, nullptr), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(dispatch, nullptr);
    PumpPending();
    EXPECT_TRUE(dlg.presses.empty());
}

TEST(AccessibleLife, AnObjectOutlivesTheWindowObjectToo) {
    msaa::Apartment apartment;
    fw::ComPtr<IAccessible> acc;
    HWND hwnd = nullptr;
    {
        PaintedDialog dlg;
        ASSERT_TRUE(dlg.Create(100));
        hwnd = dlg.m_hWnd;
        acc = msaa::ClientObject(hwnd);
        ASSERT_TRUE(acc);
        EXPECT_EQ(msaa::ChildCount(acc.Get()), 4);
        // The hand-over left no reference behind: the client's is the only one.
        EXPECT_EQ(acc->AddRef(), 2u);
        acc->Release();
    }  // the object goes; its window stays, with the system's own procedure
    ASSERT_TRUE(::IsWindow(hwnd));
    LONG n = 0;
    EXPECT_EQ(acc->get_accChildCount(&n), CO_E_OBJNOTCONNECTED);
    IUnknown* unknown = nullptr;
    ASSERT_EQ(acc->QueryInterface(__uuidof(IUnknown), reinterpret_cast<void**>(&unknown)), S_OK);
    unknown->Release();
    acc.Reset();
    ::DestroyWindow(hwnd);
}
