// The program entry: runs the one application object. Kept in its own file so
// that only programs (not the test executables) pull it in.
#include "framework/app.h"
#include "framework/system_dll.h"

namespace {

// The programs' first act. The loader calls TLS callbacks after it has bound
// the static imports and before the entry point, so this runs ahead of the C
// run-time's start-up and every constructor: nothing of ours or of the run-time
// can load a DLL by name before the search is narrowed. Only the static imports,
// all Known DLLs, and their initialisation come first.
void NTAPI NarrowDllSearchOnStart(PVOID, DWORD reason, PVOID) {
    if (reason == DLL_PROCESS_ATTACH) fw::HardenDllSearch();
}

}  // namespace

// The TLS directory's callbacks run in the order of their .CRT$XL* sections;
// the run-time's own sits at .CRT$XLC, so this one goes first.
extern "C" {
__attribute__((section(".CRT$XLB"), used)) PIMAGE_TLS_CALLBACK quorixNarrowDllSearch = NarrowDllSearchOnStart;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    // Before the first window and the first worker, whose system code loads these.
    fw::PreloadSystemDlls();
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    app->AttachInstance(instance);
    // Both programs run their window modally inside InitInstance and return
    // FALSE; there is no message loop after it.
    app->InitInstance();
    return app->ExitInstance();
}
