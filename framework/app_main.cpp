// The program entry: runs the one application object. Kept in its own file so
// that only programs (not the test executables) pull it in.
#include "framework/app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    app->AttachInstance(instance);
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}
