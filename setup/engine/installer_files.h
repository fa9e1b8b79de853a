#pragma once
// The file queries the DPInst launch asks of Windows, in its own terms. Each file
// system answers a different subset: FAT32, exFAT, CDFS and UDF have no reparse
// tag and no 128-bit file id, Windows 7 has no file id anywhere, a share may
// refuse the normalized name and has no volume GUID, a RAM disk that the mount
// manager does not know has only its NT device name. The decisions
// (installer_hold.h) run against a fake of each natively; the Win32 side only asks.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace engine {

// The installer's two opens: the file itself (its reparse point not followed),
// and, for a file whose content a file-system filter serves, the same file once
// more through that filter.
enum class InstallerOpenAs { File, Content };

// Which volume form of the final name (GetFinalPathNameByHandleW's VOLUME_NAME_*).
enum class VolumeForm { Dos, Guid, Nt };

// What every file system answers (GetFileInformationByHandle).
struct FileBasics {
    std::uint32_t attributes = 0;
    std::uint32_t volumeSerial = 0;
    std::uint64_t fileIndex = 0;
};

// FILE_ID_INFO: unique on ReFS, where the 64-bit index is not.
struct FileId128 {
    std::uint64_t volumeSerial = 0;
    std::array<std::uint8_t, 16> id{};
    bool operator==(const FileId128&) const = default;
};

class InstallerFiles {
public:
    // Opens the installer for reading, shared for reading only, and holds it; false
    // unless a disk file was opened.
    virtual bool Open(InstallerOpenAs open) = 0;
    virtual std::optional<FileBasics> Basics(InstallerOpenAs open) = 0;
    // FileAttributeTagInfo: only where the file system has reparse points.
    virtual std::optional<std::uint32_t> ReparseTag(InstallerOpenAs open) = 0;
    // FileIdInfo: NTFS and ReFS from Windows 8 on.
    virtual std::optional<FileId128> FileId(InstallerOpenAs open) = 0;
    // The final name (normalized: links resolved; else as opened); empty where
    // the volume has no such name. Dos and Guid names come in the \\?\ form, Nt
    // names as \Device\...
    virtual std::wstring FinalName(InstallerOpenAs open, VolumeForm form, bool normalized) = 0;
    // The volume GUID name (\\?\Volume{...}\) of the volume at a drive root such
    // as L"E:\\"; empty where the mount manager has none.
    virtual std::wstring VolumeAtRoot(const std::wstring& root) = 0;

protected:
    ~InstallerFiles() = default;
};

}  // namespace engine
