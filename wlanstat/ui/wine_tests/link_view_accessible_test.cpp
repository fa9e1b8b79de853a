// The status dialog as a screen reader in this process sees it: its children in
// the no-adapter and connected faces, their places, the image buttons' actions,
// name changes on updates, and an object kept after the window is gone.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/message_pump.h"
#include "tests/support/msaa_client.h"
#include "wlanstat/ui/link_view_dlg.h"
#include "wlanstat/ui/test_support/expected_panel.h"
#include "wlanstat/ui/test_support/sample_status.h"

namespace {

// The worker is replaced by the test, which hands over the records itself.
class QuietDlg : public CLinkViewDlg {
public:
    using CLinkViewDlg::interfaceList;
    using CLinkViewDlg::liveStatus;
    using CLinkViewDlg::workerLink;

protected:
    void StartWorker() override {}
};

using testpump::PumpPending;
using testpump::PumpUntil;

class StatusDialogReader : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Create(IDD_STATUS_DIALOG));
        acc = msaa::ClientObject(dlg.m_hWnd);
        ASSERT_TRUE(acc);
    }
    void TearDown() override {
        acc.Reset();
        if (::IsWindow(dlg.m_hWnd)) dlg.DestroyWindow();
    }

    // Hands over a record the way the worker does.
    void Update(const wlanstat::AdapterStatus& status) {
        dlg.liveStatus = status;
        wlanstat::InterfaceInfo entry;
        entry.strInterfaceDescription = L"Quorix K4100ZT Wireless LAN PCI-E Adapter";
        dlg.interfaceList = {entry};
        auto section = dlg.workerLink->Enter();
        ASSERT_TRUE(section);
        dlg.workerLink->BeginSend(section);
        dlg.SendMessage(wlanstat::WM_STATUS_UPDATED, 0, 0);
        dlg.workerLink->EndSend();
    }

    // A face rectangle in screen coordinates.
    RECT Screen(RECT r) {
        ::MapWindowPoints(dlg.m_hWnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    msaa::Apartment apartment;
    QuietDlg dlg;
    fw::ComPtr<IAccessible> acc;
};

using expected_panel::Of;
constexpr long kFirstPanelItem = 1, kSsid = 5, kDns = 19, kPicture = 20, kMinimise = 21, kCloseImage = 22,
               kCombo = 23, kCloseButton = 24;

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST_F(StatusDialogReader, NoAdapterFaceReadsTheStatusAndBareLabels) {
    EXPECT_EQ(msaa::Role(acc.Get()), ROLE_SYSTEM_DIALOG);
    EXPECT_EQ(msaa::Name(acc.Get()), L"Quorix WiFi 상태보기");
    ASSERT_EQ(msaa::ChildCount(acc.Get()), 24);
    const std::vector<msaa::Element> children = msaa::Children(acc.Get());
    EXPECT_EQ(children[0], (msaa::Element{ROLE_SYSTEM_STATICTEXT, L"연결상태 무선 랜카드가 발견되지 않습니다", false}));
    EXPECT_EQ(children[1], (msaa::Element{ROLE_SYSTEM_STATICTEXT, L"이름", false}));
    EXPECT_EQ(children[3], (msaa::Element{ROLE_SYSTEM_GROUPING, L"무선AP 정보", false}));
    EXPECT_EQ(children[kSsid - 1], (msaa::Element{ROLE_SYSTEM_STATICTEXT, L"SSID", false}));
    EXPECT_EQ(children[kPicture - 1], (msaa::Element{ROLE_SYSTEM_GRAPHIC, L"무선 랜카드가 발견되지 않습니다", false}));
    EXPECT_EQ(children[kMinimise - 1], (msaa::Element{ROLE_SYSTEM_PUSHBUTTON, L"최소화", false}));
    EXPECT_EQ(children[kCloseImage - 1], (msaa::Element{ROLE_SYSTEM_PUSHBUTTON, L"닫기", false}));
    EXPECT_EQ(children[kCombo - 1], (msaa::Element{msaa::ControlRole(ROLE_SYSTEM_COMBOBOX), L"", true}));
    EXPECT_EQ(children[kCloseButton - 1], (msaa::Element{msaa::ControlRole(ROLE_SYSTEM_PUSHBUTTON), L"닫기", true}));
    EXPECT_EQ(msaa::DefaultAction(acc.Get(), kMinimise), L"누르기");
    EXPECT_EQ(msaa::DefaultAction(acc.Get(), kCloseImage), L"누르기");
    EXPECT_EQ(msaa::DefaultAction(acc.Get(), kSsid), L"");
}

TEST_F(StatusDialogReader, ConnectedFaceReadsLabelsWithValuesWherePainted) {
    Update(wlanstat::SampleStatus(1, 1));
    ASSERT_EQ(msaa::ChildCount(acc.Get()), 24);
    EXPECT_EQ(msaa::Name(acc.Get(), kFirstPanelItem), L"연결상태 무선 AP에 연결되어 있습니다");
    EXPECT_EQ(msaa::Name(acc.Get(), kSsid), L"SSID office");
    EXPECT_EQ(msaa::Name(acc.Get(), kDns), L"DNS 서버 168.126.63.1 168.126.63.2");
    EXPECT_EQ(msaa::Name(acc.Get(), kPicture), L"무선 AP에 연결되어 있습니다");

    // The SSID's label and its value's box together.
    const expected_panel::Line& ssid = Of("ssid");
    EXPECT_TRUE(SameRect(msaa::Location(acc.Get(), kSsid), Screen({ssid.x, ssid.valueY, ssid.right, ssid.bottom})));
    EXPECT_TRUE(SameRect(msaa::Location(acc.Get(), kPicture), Screen({464, 45, 571, 142})));
    EXPECT_TRUE(SameRect(msaa::Location(acc.Get(), kMinimise), Screen({556, 10, 568, 22})));
    EXPECT_TRUE(SameRect(msaa::Location(acc.Get(), kCloseImage), Screen({571, 10, 583, 22})));
    RECT button;
    ::GetWindowRect(::GetDlgItem(dlg.m_hWnd, IDC_CLOSE_BUTTON), &button);
    EXPECT_TRUE(SameRect(msaa::Location(acc.Get(), kCloseButton), button));
    const RECT dns = msaa::Location(acc.Get(), kDns);  // the label and both servers below it
    EXPECT_EQ(dns.left, Screen({Of("dns").x, 0, 0, 0}).left);
    EXPECT_GE(dns.bottom, Screen({0, 0, 0, Of("dns2").valueY + 12}).bottom);

    // What a pointer over the face finds.
    VARIANT v;
    const RECT close = Screen({571, 10, 583, 22});
    ASSERT_EQ(acc->accHitTest(close.left + 6, close.top + 6, &v), S_OK);
    EXPECT_EQ(v.vt, VT_I4);
    EXPECT_EQ(v.lVal, kCloseImage);
    ASSERT_EQ(acc->accHitTest(button.left + 5, button.top + 5, &v), S_OK);
    ASSERT_EQ(v.vt, VT_DISPATCH);
    v.pdispVal->Release();
}

TEST_F(StatusDialogReader, UpdatesAnnounceOnlyTheValuesThatChanged) {
    Update(wlanstat::SampleStatus(1, 1));
    msaa::EventRecorder events(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE);
    ASSERT_TRUE(events.Hooked());
    Update(wlanstat::SampleStatus(1, 1));  // the once-a-second update that changes nothing
    ASSERT_TRUE(events.Settle(dlg.m_hWnd));
    EXPECT_TRUE(events.events.empty());

    wlanstat::AdapterStatus s = wlanstat::SampleStatus(1, 1);
    s.ssid = L"카페 5G";
    Update(s);
    ASSERT_TRUE(events.Settle(dlg.m_hWnd));
    ASSERT_EQ(events.events.size(), 1u);
    EXPECT_EQ(events.events[0].hwnd, dlg.m_hWnd);
    EXPECT_EQ(events.events[0].object, OBJID_CLIENT);
    EXPECT_EQ(events.events[0].child, kSsid);
    EXPECT_EQ(msaa::Name(acc.Get(), kSsid), L"SSID 카페 5G");

    // Losing the link renames the status line, the picture and every value.
    events.events.clear();
    s.connected = 0;
    Update(s);
    ASSERT_TRUE(events.Settle(dlg.m_hWnd));
    std::vector<LONG> renamed;
    for (const auto& e : events.events) renamed.push_back(e.child);
    EXPECT_EQ(renamed.front(), kFirstPanelItem);
    EXPECT_NE(std::find(renamed.begin(), renamed.end(), kPicture), renamed.end());
    EXPECT_EQ(std::find(renamed.begin(), renamed.end(), 2), renamed.end());  // the name stays
}

TEST_F(StatusDialogReader, ImageButtonsActAsAClickAndAKeptObjectOutlivesTheWindow) {
    ASSERT_EQ(acc->accDoDefaultAction(msaa::Child(kMinimise)), S_OK);
    PumpUntil([&] { return dlg.IsIconic(); });
    EXPECT_TRUE(dlg.IsIconic());
    dlg.ShowWindow(SW_RESTORE);

    ASSERT_EQ(acc->accDoDefaultAction(msaa::Child(kCloseImage)), S_OK);
    PumpUntil([&] { return !::IsWindow(dlg.m_hWnd); });
    EXPECT_FALSE(::IsWindow(dlg.m_hWnd));
    LONG n = 0;
    BSTR name = nullptr;
    EXPECT_EQ(acc->get_accChildCount(&n), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->get_accName(msaa::Child(kSsid), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->accDoDefaultAction(msaa::Child(kCloseImage)), CO_E_OBJNOTCONNECTED);
}
