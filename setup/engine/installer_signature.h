#pragma once
// The Win32 side of trusting DPInst: hold the file so that it cannot change
// until it has started, and check its Authenticode signature on that handle.
#include <windows.h>

#include <string>

#include "framework/unique_handle.h"
#include "setup/engine/installer_trust.h"

namespace engine {

// Opens the executable for reading and shares it for reading only: while the
// handle lives nobody can write, rename or delete it. An empty handle when the
// file is missing, is not a plain file (a link, a folder, a device), or is
// already open for writing elsewhere.
fw::UniqueHandle OpenInstallerLocked(const std::wstring& path);

// Checks the open file's signature without user interface or network: Genuine
// only when it is intact and its signer is Microsoft.
InstallerTrust CheckInstallerSignature(HANDLE file, const std::wstring& path);

// The open file's full path with every link and junction on the way resolved,
// so that starting it by this path starts this file; empty on failure.
std::wstring ResolvedPath(HANDLE file);

}  // namespace engine
