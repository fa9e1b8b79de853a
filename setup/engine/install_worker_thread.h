#pragma once
// Thread entry of the install worker, started by the installing page.
#include <windows.h>

// What the worker needs from the page that started it: the window that receives
// WM_INSTALL_RESULT. Read only at the moment the outcome is posted, so the page
// may create or recreate its window after starting the worker.
struct InstallResultTarget {
    virtual HWND ResultWindow() const = 0;

protected:
    ~InstallResultTarget() = default;
};

// Runs the whole installation, posts exactly one WM_INSTALL_RESULT (see
// install_result.h) and returns 0. Start it with CreateThread and close the
// handle at once; it is never joined.
//
// `page` points to an InstallResultTarget that stays alive until the worker has
// posted its outcome. Pass the page converted to InstallResultTarget*, not a
// plain `this`: the page class has other bases, and the worker casts the void*
// straight back.
DWORD WINAPI InstallWorkerThread(LPVOID page);
