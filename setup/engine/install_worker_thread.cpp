#include "setup/engine/install_worker_thread.h"

#include "setup/engine/install_worker.h"
#include "setup/engine/win32_install_system.h"

DWORD WINAPI InstallWorkerThread(LPVOID page) {
    engine::Win32InstallSystem system(static_cast<const InstallResultTarget*>(page));
    engine::RunInstall(system);
    return 0;
}
