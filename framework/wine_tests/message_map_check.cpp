// Compiled twice by framework/CMakeLists.txt, never linked: with the handler
// declared it builds; without it, the table entry must stop the build rather than
// fall through to default processing.
#include "framework/afxwin.h"

class CheckedPage : public CDialog {
public:
    CheckedPage() : CDialog(1) {}

protected:
#ifdef DECLARE_HANDLER
    void OnPaint() { Default(); }
#endif
    BEGIN_MSG_MAP(CheckedPage, CDialog)
        ON_WM_PAINT()
    END_MSG_MAP()
};
