#pragma once
// wlanstat's application object: checks the Windows version, allows one running
// instance and runs the status dialog until the user closes it.
#include "framework/afxwin.h"

class CLinkViewApp : public CWinApp {
public:
    CLinkViewApp();
    // Always FALSE: the process ends when the dialog does.
    BOOL InitInstance() override;
};
