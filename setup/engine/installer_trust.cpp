#include "setup/engine/installer_trust.h"

namespace engine {

bool IsMicrosoftSigner(std::wstring_view organisation) { return organisation == L"Microsoft Corporation"; }

std::optional<std::uint32_t> FinishedExitCode(bool processEnded, bool exitCodeRead, std::uint32_t exitCode) {
    if (!processEnded || !exitCodeRead) return std::nullopt;
    return exitCode;
}

}  // namespace engine
