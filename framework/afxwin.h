#pragma once
// The framework stand-in: the small part of the Windows application framework
// that setup and wlanstat use, under the framework's own names. Include this one
// header.
//
//   CObject, CObArray        object.h        root class; pointer array (not owning)
//   CPoint, CRect, fw::Rect  types.h         over POINT and RECT; fw::ToRECT
//   CWnd                     wnd.h           a window: m_hWnd, ShowWindow, MoveWindow,
//                                            SetWindowPos, GetDlgItem, Invalidate, Default...
//   CDialog, DDX_Control     dialog.h        template dialogs: DoModal (own loop with
//                                            PreTranslateMessage up the parent chain), Create
//                                            (modeless/child), OnInitDialog, OnOK, OnCancel, EndDialog
//   CStatic, CComboBox       controls.h      control wrappers, bound with DDX_Control
//   CGdiObject, CFont, CBitmap, CBrush  gdi.h  deleted by their destructors
//   CDC, CPaintDC, CClientDC dc.h            memory DCs via CreateCompatibleDC; fw::ScopedSelect
//                                            puts back what it replaced when its scope ends
//   CImageList               image_list.h
//   CWinApp, AfxGetApp, AfxMessageBox, AfxSocketInit, AfxGetResourceHandle  app.h
//   fw::AccessibleFace       accessible.h    what a painted window shows, for screen readers
//
// A window class declares its message table inside the class:
//
//   class CIntro : public CDialog {
//   public:
//       CIntro() : CDialog(129) {}
//       BOOL OnInitDialog() override;
//       BOOL PreTranslateMessage(MSG* msg) override;
//   protected:
//       void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, 1178, m_picture); }
//       void OnPaint();                              // names fixed by the ON_WM_ entries
//       void OnMouseMove(UINT flags, CPoint point);
//       void OnShowWindow(BOOL show, UINT status);   // calls Default() for the default
//       void OnNext();
//       LRESULT OnResult(WPARAM, LPARAM);
//       BEGIN_MSG_MAP(CIntro, CDialog)
//           ON_WM_PAINT()
//           ON_WM_MOUSEMOVE()
//           ON_WM_SHOWWINDOW()
//           ON_BN_CLICKED(1172, OnNext)
//           ON_MESSAGE(WM_USER + 1500, OnResult)
//       END_MSG_MAP()
//   };
//
// Entries are tried top-down; unlisted messages go to the base class's table,
// then to the window's own procedure. A handler that wants the default as well
// calls Default(). Every ON_WM_ entry needs its handler declared in the class
// (or a base of ours): the framework has no fallback handlers, so a missing one
// does not build.
// Other entries: ON_WM_DESTROY, ON_WM_CLOSE, ON_WM_LBUTTONDOWN,
// ON_WM_ERASEBKGND (BOOL OnEraseBkgnd(CDC*)), ON_WM_SYSCOMMAND (void OnSysCommand(UINT, LPARAM)),
// ON_WM_QUERYDRAGICON (HCURSOR OnQueryDragIcon()),
// ON_WM_GETOBJECT (the accessible object built on DescribeAccessible), ON_CONTROL(code, id, fn).
//
// Programs link the `framework` library and define one global CWinApp object;
// the framework supplies wWinMain.
#include "framework/accessible.h"
#include "framework/app.h"
#include "framework/controls.h"
#include "framework/dc.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/image_list.h"
#include "framework/object.h"
#include "framework/types.h"
#include "framework/wnd.h"
