#pragma once
// The Win32 side of trusting DPInst: hold the file so that it cannot change
// until it has started, and check its Authenticode signature on that handle.
#include <windows.h>

#include <string>

#include "framework/unique_handle.h"
#include "setup/engine/installer_trust.h"

namespace engine {

// The executable, opened for reading and shared for reading only: while it is
// held nobody can write, rename or delete it.
struct LockedInstaller {
    fw::UniqueHandle file;     // the file itself, its reparse point not followed
    fw::UniqueHandle content;  // the same file as its file-system filter serves it; empty for a plain file

    explicit operator bool() const { return static_cast<bool>(file); }
    // The handle whose bytes the loader will map: the one to check.
    HANDLE Content() const { return content ? content.get() : file.get(); }
};

// Empty when the file is missing, is a link, a folder or a device, is already
// open for writing elsewhere, or its content cannot be shown to be this file's.
LockedInstaller OpenInstallerLocked(const std::wstring& path);

// Checks the open file's signature without user interface or network: Genuine
// only when it is intact and its signer is Microsoft.
InstallerTrust CheckInstallerSignature(HANDLE file, const std::wstring& path);

// The name to start the open file by: its full path with every link and junction
// on the way resolved, so that starting it by this name starts this file, in the
// ordinary form where one names it (LaunchName); empty on failure.
std::wstring ResolvedPath(HANDLE file);

}  // namespace engine
