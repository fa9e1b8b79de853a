#include "framework/accessible_object.h"

#include <utility>

#include "framework/accessible.h"
#include "framework/accessible_rules.h"
#include "framework/ole_procs.h"
#include "framework/wnd.h"

namespace fw {

namespace {

void SetEmpty(VARIANT* v) {
    if (v != nullptr) v->vt = VT_EMPTY;
}

void SetLong(VARIANT* v, LONG value) {
    v->vt = VT_I4;
    v->lVal = value;
}

HRESULT ReturnText(const std::wstring& text, BSTR* out) {
    if (text.empty()) return S_FALSE;
    *out = ole::AllocString(text);
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// A child control stands in the face as the system's object for its client
// area: that one carries the control's role, name and action (the window
// object above it adds only the frame, and is a bare stub under Wine).
HRESULT ControlObject(HWND control, REFIID iid, void** out) {
    return ole::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), iid, out);
}

// Asks the control's own object about itself.
template <typename Call>
HRESULT OnControl(HWND control, Call&& call) {
    IAccessible* acc = nullptr;
    HRESULT hr = ControlObject(control, __uuidof(IAccessible), reinterpret_cast<void**>(&acc));
    if (FAILED(hr)) return hr;
    if (acc == nullptr) return E_FAIL;
    VARIANT self;
    SetLong(&self, CHILDID_SELF);
    hr = call(acc, self);
    acc->Release();
    return hr;
}

// Hand-written COM: IDispatch is not offered (its methods answer E_NOTIMPL);
// every IAccessible call reads the window's face afresh on the window's thread.
class AccessibleObject final : public IAccessible {
public:
    explicit AccessibleObject(std::shared_ptr<const AccessibleLink> link) : link_(std::move(link)) {}
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count != nullptr) *count = 0;
        return Gone() ? CO_E_OBJNOTCONNECTED : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info != nullptr) *info = nullptr;
        return Gone() ? CO_E_OBJNOTCONNECTED : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return Gone() ? CO_E_OBJNOTCONNECTED : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return Gone() ? CO_E_OBJNOTCONNECTED : E_NOTIMPL;
    }

    // IAccessible: the tree
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (HRESULT hr = Load(); FAILED(hr)) return hr;
        IAccessible* std = Standard();
        return std != nullptr ? std->get_accParent(out) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        if (HRESULT hr = Load(); FAILED(hr)) return hr;
        *count = static_cast<LONG>(face_.items.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        long id = 0;
        if (HRESULT hr = Enter(child, id); FAILED(hr)) return hr;
        if (id == 0) return E_INVALIDARG;
        if (HWND control = Item(id).control) return ControlObject(control, __uuidof(IDispatch), reinterpret_cast<void**>(out));
        return S_FALSE;  // a simple element: its parent answers for it
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* out) override {
        if (out == nullptr) return E_POINTER;
        SetEmpty(out);
        long id = 0;
        if (HRESULT hr = Enter(start, id); FAILED(hr)) return hr;
        Nav nav;
        switch (direction) {
        case NAVDIR_NEXT: nav = Nav::Next; break;
        case NAVDIR_PREVIOUS: nav = Nav::Previous; break;
        case NAVDIR_FIRSTCHILD: nav = Nav::FirstChild; break;
        case NAVDIR_LASTCHILD: nav = Nav::LastChild; break;
        default:
            // Spatial moves are left to the system for the window and not offered inside it.
            if (id != 0) return E_NOTIMPL;
            return SelfQuery([&](IAccessible* std, VARIANT self) { return std->accNavigate(direction, self, out); });
        }
        if (id == 0 && (nav == Nav::Next || nav == Nav::Previous))
            return SelfQuery([&](IAccessible* std, VARIANT self) { return std->accNavigate(direction, self, out); });
        const long target = NavigateAmong(static_cast<long>(face_.items.size()), id, nav);
        if (target < 0) return S_FALSE;
        return SetChild(target, out);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override {
        if (out == nullptr) return E_POINTER;
        SetEmpty(out);
        if (HRESULT hr = Load(); FAILED(hr)) return hr;
        const POINT screen{x, y};
        POINT p = screen;
        ::ScreenToClient(link_->hwnd, &p);
        RECT client;
        ::GetClientRect(link_->hwnd, &client);
        if (!::PtInRect(&client, p)) return S_FALSE;
        for (long id = 1; id <= static_cast<long>(face_.items.size()); ++id) {
            const AccessibleItem& item = Item(id);
            if (item.control != nullptr) {
                RECT r;
                if (::IsWindowVisible(item.control) && ::GetWindowRect(item.control, &r) && ::PtInRect(&r, screen))
                    return SetChild(id, out);
            } else if (::PtInRect(&item.rect, p)) {
                return SetChild(id, out);
            }
        }
        SetLong(out, CHILDID_SELF);
        return S_OK;
    }

    // IAccessible: what each child is
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        return Text(child, out, &IAccessible::get_accName, [](const AccessibleFace& face) { return face.name; },
                    [](const AccessibleItem& item) { return item.name; });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        return Text(child, out, &IAccessible::get_accValue, nullptr, nullptr);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        return Text(child, out, &IAccessible::get_accDescription, nullptr, nullptr);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
        return Text(child, out, &IAccessible::get_accHelp, nullptr, nullptr);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return Text(child, out, &IAccessible::get_accKeyboardShortcut, nullptr, nullptr);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return Text(child, out, &IAccessible::get_accDefaultAction, nullptr,
                    [](const AccessibleItem& item) { return item.defaultAction; });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        if (file == nullptr || topic == nullptr) return E_POINTER;
        *file = nullptr;
        *topic = 0;
        long id = 0;
        if (HRESULT hr = Enter(child, id); FAILED(hr)) return hr;
        if (id != 0) return S_FALSE;
        return SelfQuery([&](IAccessible* std, VARIANT self) { return std->get_accHelpTopic(file, self, topic); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        if (out == nullptr) return E_POINTER;
        SetEmpty(out);
        long id = 0;
        if (HRESULT hr = Enter(child, id); FAILED(hr)) return hr;
        if (id == 0) {
            SetLong(out, face_.role);
            return S_OK;
        }
        const AccessibleItem& item = Item(id);
        if (item.control != nullptr)
            return OnControl(item.control, [&](IAccessible* acc, VARIANT self) { return acc->get_accRole(self, out); });
        SetLong(out, item.role);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        if (out == nullptr) return E_POINTER;
        SetEmpty(out);
        long id = 0;
        if (HRESULT hr = Enter(child, id); FAILED(hr)) return hr;
        const LONG hidden = ::IsWindowVisible(link_->hwnd) ? 0 : STATE_SYSTEM_INVISIBLE;
        if (id == 0) {
            // Focus and visibility of the window are the system's to tell.
            HRESULT hr = SelfQuery([&](IAccessible* std, VARIANT self) { return std->get_accState(self, out); });
            if (hr != S_OK || out->vt != VT_I4) SetLong(out, hidden);
            return S_OK;
        }
        const AccessibleItem& item = Item(id);
        if (item.control != nullptr)
            return OnControl(item.control, [&](IAccessible* acc, VARIANT self) { return acc->get_accState(self, out); });
        SetLong(out, item.state | hidden);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) return E_POINTER;
        *left = *top = *width = *height = 0;
        long id = 0;
        if (HRESULT hr = Enter(child, id); FAILED(hr)) return hr;
        RECT r;
        if (id == 0) {
            ::GetClientRect(link_->hwnd, &r);
        } else if (HWND control = Item(id).control) {
            return OnControl(control, [&](IAccessible* acc, VARIANT self) {
                return acc->accLocation(left, top, width, height, self);
            });
        } else {
            r = Item(id).rect;
        }
        ::MapWindowPoints(link_->hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        if (out == nullptr) return E_POINTER;
        SetEmpty(out);
        if (HRESULT hr = Load(); FAILED(hr)) return hr;
        IAccessible* std = Standard();
        return std != nullptr ? std->get_accFocus(out) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        if (out == nullptr) return E_POINTER;
        SetEmpty(out);
        if (HRESULT hr = Load(); FAILED(hr)) return hr;
        return S_FALSE;  // nothing painted can be selected
    }

    // IAccessible: acting
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        long id = 0;
        if (HRESULT hr = Enter(child, id); FAILED(hr)) return hr;
        if (id == 0) return SelfQuery([&](IAccessible* std, VARIANT self) { return std->accSelect(flags, self); });
        if (HWND control = Item(id).control)
            return OnControl(control, [&](IAccessible* acc, VARIANT self) { return acc->accSelect(flags, self); });
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        long id = 0;
        if (HRESULT hr = Enter(child, id); FAILED(hr)) return hr;
        if (id == 0) return DISP_E_MEMBERNOTFOUND;
        const AccessibleItem& item = Item(id);
        if (item.control != nullptr)
            return OnControl(item.control, [](IAccessible* acc, VARIANT self) { return acc->accDoDefaultAction(self); });
        if (item.defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
        // The same press a click makes, posted: the window's own press rules act
        // on it, and a box the press opens does not hold up the caller.
        const int x = (item.rect.left + item.rect.right) / 2;
        const int y = (item.rect.top + item.rect.bottom) / 2;
        return ::PostMessageW(link_->hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)) ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override {
        return Gone() ? CO_E_OBJNOTCONNECTED : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override {
        return Gone() ? CO_E_OBJNOTCONNECTED : E_NOTIMPL;
    }

private:
    ~AccessibleObject() {
        if (std_ != nullptr) std_->Release();
    }

    bool Gone() const { return link_->wnd == nullptr || !::IsWindow(link_->hwnd); }

    // Reads the window's face afresh.
    HRESULT Load() {
        if (Gone()) return CO_E_OBJNOTCONNECTED;
        if (::GetCurrentThreadId() != link_->thread) return RPC_E_WRONG_THREAD;
        face_ = AccessibleFace{};
        link_->wnd.load()->DescribeAccessible(face_);
        return S_OK;
    }

    // Load, then `child` as 0 (the window) or 1..n.
    HRESULT Enter(const VARIANT& child, long& id) {
        if (HRESULT hr = Load(); FAILED(hr)) return hr;
        if (child.vt == VT_EMPTY) {
            id = 0;
            return S_OK;
        }
        if (child.vt != VT_I4) return E_INVALIDARG;
        id = child.lVal == CHILDID_SELF ? 0 : child.lVal;
        return id >= 0 && id <= static_cast<long>(face_.items.size()) ? S_OK : E_INVALIDARG;
    }

    const AccessibleItem& Item(long id) const { return face_.items[static_cast<size_t>(id - 1)]; }

    HRESULT SetChild(long id, VARIANT* out) {
        if (HWND control = Item(id).control) {
            IDispatch* dispatch = nullptr;
            HRESULT hr = ControlObject(control, __uuidof(IDispatch), reinterpret_cast<void**>(&dispatch));
            if (FAILED(hr) || dispatch == nullptr) return FAILED(hr) ? hr : E_FAIL;
            out->vt = VT_DISPATCH;
            out->pdispVal = dispatch;
            return S_OK;
        }
        SetLong(out, id);
        return S_OK;
    }

    // The system's object for the client area: it answers for the window itself
    // wherever the face has nothing of its own to say.
    IAccessible* Standard() {
        if (std_ == nullptr)
            ole::CreateStdAccessibleObject(link_->hwnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&std_));
        return std_;
    }
    template <typename Call>
    HRESULT SelfQuery(Call&& call) {
        IAccessible* std = Standard();
        if (std == nullptr) return S_FALSE;
        VARIANT self;
        SetLong(&self, CHILDID_SELF);
        return call(std, self);
    }

    using TextMethod = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    using FaceText = std::wstring (*)(const AccessibleFace&);
    using ItemText = std::wstring (*)(const AccessibleItem&);

    // A text property: the face's own where it has one, else the system's for
    // the window or the control, else nothing.
    HRESULT Text(const VARIANT& child, BSTR* out, TextMethod method, FaceText ofFace, ItemText ofItem) {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        long id = 0;
        if (HRESULT hr = Enter(child, id); FAILED(hr)) return hr;
        if (id == 0) {
            if (ofFace != nullptr && !ofFace(face_).empty()) return ReturnText(ofFace(face_), out);
            return SelfQuery([&](IAccessible* std, VARIANT self) { return (std->*method)(self, out); });
        }
        const AccessibleItem& item = Item(id);
        if (item.control != nullptr)
            return OnControl(item.control, [&](IAccessible* acc, VARIANT self) { return (acc->*method)(self, out); });
        return ofItem != nullptr ? ReturnText(ofItem(item), out) : S_FALSE;
    }

    LONG refs_ = 1;
    std::shared_ptr<const AccessibleLink> link_;
    AccessibleFace face_;
    IAccessible* std_ = nullptr;
};

}  // namespace

IAccessible* NewAccessibleObject(std::shared_ptr<const AccessibleLink> link) {
    return new AccessibleObject(std::move(link));
}

}  // namespace fw
