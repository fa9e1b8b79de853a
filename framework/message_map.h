#pragma once
// Message tables: a class lists the messages it handles between BEGIN_MSG_MAP
// and END_MSG_MAP; anything it does not list goes on to its base class's table
// and finally to the window's default processing. Handlers have fixed names and
// typed arguments, so the table reads like the class's contract:
//
//   BEGIN_MSG_MAP(CIntro, CDialog)
//       ON_WM_PAINT()                         // void OnPaint()
//       ON_WM_MOUSEMOVE()                     // void OnMouseMove(UINT flags, CPoint point)
//       ON_BN_CLICKED(1172, OnNext)           // void OnNext()
//       ON_MESSAGE(WM_APP + 1, OnResult)      // LRESULT OnResult(WPARAM, LPARAM)
//   END_MSG_MAP()
//
// Each entry is tried in order; the first that matches handles the message.

#define BEGIN_MSG_MAP(thisClass, baseClass)                                                       \
protected:                                                                                        \
    bool OnMessage(UINT message_, WPARAM wParam_, LPARAM lParam_, LRESULT& result_) override {    \
        using ThisMapBase_ = baseClass;                                                           \
        (void)wParam_;                                                                            \
        (void)lParam_;

#define END_MSG_MAP()                                                                             \
        return ThisMapBase_::OnMessage(message_, wParam_, lParam_, result_);                      \
    }                                                                                             \
                                                                                                  \
public:

// Any message: LRESULT fn(WPARAM, LPARAM).
#define ON_MESSAGE(msg, fn)                                                                       \
    if (message_ == (msg)) {                                                                      \
        result_ = fn(wParam_, lParam_);                                                           \
        return true;                                                                              \
    }

// WM_COMMAND with a control id and notification code: void fn().
#define ON_CONTROL(code, id, fn)                                                                  \
    if (message_ == WM_COMMAND && LOWORD(wParam_) == (id) && HIWORD(wParam_) == (code)) {        \
        fn();                                                                                     \
        result_ = 0;                                                                              \
        return true;                                                                              \
    }
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)

// Standard window messages, handler names fixed. The class must declare the
// handler (CWnd has none to fall back on), so a forgotten one is a build error.
#define FW_ON_VOID_(msg, call)                                                                    \
    if (message_ == (msg)) {                                                                      \
        call;                                                                                     \
        result_ = 0;                                                                              \
        return true;                                                                              \
    }
#define ON_WM_PAINT() FW_ON_VOID_(WM_PAINT, OnPaint())
#define ON_WM_DESTROY() FW_ON_VOID_(WM_DESTROY, OnDestroy())
#define ON_WM_CLOSE() FW_ON_VOID_(WM_CLOSE, OnClose())
#define ON_WM_MOUSEMOVE() FW_ON_VOID_(WM_MOUSEMOVE, OnMouseMove(static_cast<UINT>(wParam_), CPoint(lParam_)))
#define ON_WM_LBUTTONDOWN() FW_ON_VOID_(WM_LBUTTONDOWN, OnLButtonDown(static_cast<UINT>(wParam_), CPoint(lParam_)))
#define ON_WM_SHOWWINDOW() FW_ON_VOID_(WM_SHOWWINDOW, OnShowWindow(static_cast<BOOL>(wParam_), static_cast<UINT>(lParam_)))
#define ON_WM_SYSCOMMAND() FW_ON_VOID_(WM_SYSCOMMAND, OnSysCommand(static_cast<UINT>(wParam_), lParam_))
// BOOL OnEraseBkgnd(CDC* dc)
#define ON_WM_ERASEBKGND()                                                                        \
    if (message_ == WM_ERASEBKGND) {                                                              \
        CDC eraseDc_(reinterpret_cast<HDC>(wParam_));                                             \
        result_ = OnEraseBkgnd(&eraseDc_);                                                        \
        return true;                                                                              \
    }
// LRESULT OnGetObject(WPARAM, LPARAM): the accessible object of the client area.
#define ON_WM_GETOBJECT()                                                                         \
    if (message_ == WM_GETOBJECT) {                                                               \
        result_ = OnGetObject(wParam_, lParam_);                                                  \
        return true;                                                                              \
    }
// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                                                     \
    if (message_ == WM_QUERYDRAGICON) {                                                           \
        result_ = reinterpret_cast<LRESULT>(OnQueryDragIcon());                                   \
        return true;                                                                              \
    }
