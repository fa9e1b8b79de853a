#pragma once
// How setup opens and names the DPInst it has checked. Pure: the Win32 side
// reads the file's attributes and its resolved names.
#include <cstdint>
#include <string>

namespace engine {

// What the first open (which does not follow reparse points) found.
enum class InstallerOpen {
    Refuse,  // a folder, or a link that could be pointed elsewhere
    Plain,   // an ordinary file: check and start it as opened
    Reopen,  // a file whose content a file-system filter serves (compressed,
             // deduplicated, cloud): open it again, following the reparse point
};

// From FILE_ATTRIBUTE_TAG_INFO's attributes and reparse tag.
InstallerOpen InstallerOpenFor(std::uint32_t attributes, std::uint32_t reparseTag);

// The application name to start the held file by, from its resolved names in
// the \\?\ form (`normalized`, else `opened`; empty where that lookup failed).
// The ordinary drive or \\server\share form where it names the same file, the
// \\?\ form where none does; empty when neither lookup named the file.
std::wstring LaunchName(const std::wstring& normalized, const std::wstring& opened);

}  // namespace engine
