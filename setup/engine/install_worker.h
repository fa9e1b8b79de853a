#pragma once
#include "setup/engine/install_system.h"

namespace engine {

// One whole installation: select the package, rescan, run DPInst and wait, judge
// its exit code (Windows 10: remove the card's node instead), rescan, and post
// exactly one outcome as the last act.
void RunInstall(InstallSystem& system);

}  // namespace engine
