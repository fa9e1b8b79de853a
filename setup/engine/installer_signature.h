#pragma once
// The Win32 side of trusting DPInst: its Authenticode signature, checked on the
// handle that holds it (win32_installer_files.h) until it has started.
#include <windows.h>

#include <string>

#include "setup/engine/installer_trust.h"

namespace engine {

// Checks the open file's signature without user interface or network: Genuine
// only when it is intact and its signer is Microsoft.
InstallerTrust CheckInstallerSignature(HANDLE file, const std::wstring& path);

}  // namespace engine
