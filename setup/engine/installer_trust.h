#pragma once
// What setup accepts before it starts DPInst with administrator rights, and what
// it concludes from DPInst's end. Pure: the Win32 side gathers the facts.
#include <cstdint>
#include <optional>
#include <string_view>

namespace engine {

// Why an installer executable was or was not started.
enum class InstallerTrust {
    Genuine,        // intact Authenticode signature, signed by Microsoft
    CannotOpen,     // missing, not a plain file, or open for writing elsewhere
    NotSigned,      // no signature, a changed byte, or a chain the system rejects
    ForeignSigner,  // a valid signature, but not Microsoft's
};

// DPInst is Microsoft's program, shipped unchanged: only its own signer will do.
// `organisation` is the signing certificate's subject organisation (O=).
bool IsMicrosoftSigner(std::wstring_view organisation);

// The exit code to judge, or nullopt when the run's end cannot be established:
// a wait that did not end with the process, or an exit code that could not be
// read (it would read STILL_ACTIVE, 259, whose low byte claims three packages).
std::optional<std::uint32_t> FinishedExitCode(bool processEnded, bool exitCodeRead, std::uint32_t exitCode);

}  // namespace engine
