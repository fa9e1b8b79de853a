#include "setup/engine/installer_hold.h"

#include <string_view>

#include "setup/engine/installer_launch.h"

namespace engine {

namespace {

constexpr std::uint32_t kReparsePoint = 0x400;  // FILE_ATTRIBUTE_REPARSE_POINT

// Whether both opens reach one file: the 128-bit id where both have it, else
// the volume serial and 64-bit index that every file system answers.
bool SameFile(InstallerFiles& files) {
    const auto idA = files.FileId(InstallerOpenAs::File);
    const auto idB = idA ? files.FileId(InstallerOpenAs::Content) : std::nullopt;
    if (idA && idB) return *idA == *idB;
    const auto a = files.Basics(InstallerOpenAs::File);
    const auto b = files.Basics(InstallerOpenAs::Content);
    return a && b && a->volumeSerial == b->volumeSerial && a->fileIndex == b->fileIndex;
}

// The name in volume form `form`, normalized where it can be read, else as opened
// (an unreadable folder on the way to a share refuses the normalized one).
std::wstring NameOf(InstallerFiles& files, InstallerOpenAs held, VolumeForm form) {
    std::wstring name = files.FinalName(held, form, true);
    return name.empty() ? files.FinalName(held, form, false) : name;
}

// The drive root (L"E:\\") of a \\?\E:\... name; empty for any other form.
std::wstring DriveRoot(std::wstring_view name) {
    if (name.size() < 7 || !name.starts_with(L"\\\\?\\") || name[5] != L':' || name[6] != L'\\') return {};
    return std::wstring(name.substr(4, 3));
}

}  // namespace

std::optional<InstallerOpenAs> HoldInstaller(InstallerFiles& files) {
    if (!files.Open(InstallerOpenAs::File)) return std::nullopt;
    const auto basics = files.Basics(InstallerOpenAs::File);
    if (!basics) return std::nullopt;
    // Only NTFS and ReFS have reparse points, and only they answer the tag query:
    // FAT32, exFAT and the CD file systems refuse it.
    std::uint32_t tag = 0;
    if (basics->attributes & kReparsePoint) {
        const auto answered = files.ReparseTag(InstallerOpenAs::File);
        if (!answered) return std::nullopt;
        tag = *answered;
    }
    switch (InstallerOpenFor(basics->attributes, tag)) {
        case InstallerOpen::Refuse: return std::nullopt;
        case InstallerOpen::Plain: return InstallerOpenAs::File;
        case InstallerOpen::Reopen: break;
    }
    // A compressed or deduplicated file reads as its filter serves it, as the loader
    // will read it: open it once more, following the reparse point, and hold both.
    // Its name cannot change while the first open lives, and the second must be the
    // very same file, not wherever a filter sends us.
    if (!files.Open(InstallerOpenAs::Content) || !SameFile(files)) return std::nullopt;
    return InstallerOpenAs::Content;
}

std::wstring InstallerLaunchName(InstallerFiles& files, InstallerOpenAs held) {
    const std::wstring dos = files.FinalName(held, VolumeForm::Dos, true);
    const std::wstring opened = files.FinalName(held, VolumeForm::Dos, false);
    std::wstring name = LaunchName(dos, opened);
    const std::wstring guid = NameOf(files, held, VolumeForm::Guid);
    if (!name.empty()) {
        // A volume mounted in a folder is reached through that folder, on another
        // volume, whose parent's writers could swap it for a junction before the
        // start. Its GUID path only an administrator can redirect.
        const std::wstring root = DriveRoot(LaunchName(dos, L"").empty() ? opened : dos);
        if (root.empty() || guid.empty()) return name;  // a share, or no mount manager's volume
        const std::wstring volume = files.VolumeAtRoot(root);
        return !volume.empty() && guid.starts_with(volume) ? name : LaunchName(guid, L"");
    }
    if (!guid.empty()) return LaunchName(guid, L"");
    // A RAM disk that the mount manager does not know: its device, which again
    // only an administrator can redirect.
    const std::wstring device = NameOf(files, held, VolumeForm::Nt);
    if (!device.starts_with(L"\\Device\\")) return {};
    return LaunchName(L"\\\\?\\GLOBALROOT" + device, L"");
}

}  // namespace engine
