#pragma once
// How setup holds the DPInst it is about to check and decides the name to start
// it by, over the file queries of installer_files.h. Pure: every answer a file
// system can give is a row of the native tests.
#include <optional>
#include <string>

#include "setup/engine/installer_files.h"

namespace engine {

// Opens the installer and holds it; the open whose bytes the loader will map (the
// file, or its content for a compressed or deduplicated file), or nullopt when
// it must not start: missing, a folder, a link, held for writing elsewhere, or a
// filter's content that is not this very file.
std::optional<InstallerOpenAs> HoldInstaller(InstallerFiles& files);

// The application name to start the held open by (see LaunchName): its drive or
// share form, the volume GUID path where no drive letter reaches it or the drive
// letter reaches it through a folder on another volume, the NT device path where
// nothing else names it; empty when not even that can be read.
std::wstring InstallerLaunchName(InstallerFiles& files, InstallerOpenAs held);

}  // namespace engine
