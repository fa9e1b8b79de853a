#include "setup/engine/win32_installer_files.h"

#include <cstring>
#include <vector>

namespace engine {

namespace {

// FILE_ID_INFO and its class, which the Windows 7 headers we build against lack.
struct FileIdInfo {
    ULONGLONG VolumeSerialNumber;
    BYTE FileId[16];
};
constexpr auto kFileIdInfo = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);

DWORD VolumeFlag(VolumeForm form) {
    switch (form) {
        case VolumeForm::Dos: return VOLUME_NAME_DOS;
        case VolumeForm::Guid: return VOLUME_NAME_GUID;
        case VolumeForm::Nt: return VOLUME_NAME_NT;
    }
    return VOLUME_NAME_DOS;
}

}  // namespace

bool Win32InstallerFiles::Open(InstallerOpenAs open) {
    // No FILE_SHARE_WRITE or FILE_SHARE_DELETE: the open fails while anyone writes,
    // and nobody may write, rename or delete the file while we hold it. The first
    // open stops at a reparse point, so that a link is seen, not followed.
    const DWORD flags = open == InstallerOpenAs::File ? FILE_FLAG_OPEN_REPARSE_POINT : 0;
    auto& slot = open == InstallerOpenAs::File ? file_ : content_;
    slot.reset(CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, flags, nullptr));
    return slot && GetFileType(slot.get()) == FILE_TYPE_DISK;
}

std::optional<FileBasics> Win32InstallerFiles::Basics(InstallerOpenAs open) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(Handle(open), &info)) return std::nullopt;
    return FileBasics{info.dwFileAttributes, info.dwVolumeSerialNumber,
                      (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

std::optional<std::uint32_t> Win32InstallerFiles::ReparseTag(InstallerOpenAs open) {
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!GetFileInformationByHandleEx(Handle(open), FileAttributeTagInfo, &tag, sizeof tag)) return std::nullopt;
    return tag.ReparseTag;
}

std::optional<FileId128> Win32InstallerFiles::FileId(InstallerOpenAs open) {
    FileIdInfo info{};
    if (!GetFileInformationByHandleEx(Handle(open), kFileIdInfo, &info, sizeof info)) return std::nullopt;
    FileId128 id;
    id.volumeSerial = info.VolumeSerialNumber;
    std::memcpy(id.id.data(), info.FileId, id.id.size());
    return id;
}

std::wstring Win32InstallerFiles::FinalName(InstallerOpenAs open, VolumeForm form, bool normalized) {
    const DWORD flags = VolumeFlag(form) | (normalized ? FILE_NAME_NORMALIZED : FILE_NAME_OPENED);
    std::vector<wchar_t> buffer(MAX_PATH, L'\0');
    for (int tries = 0; tries < 2; ++tries) {
        const DWORD length =
            GetFinalPathNameByHandleW(Handle(open), buffer.data(), static_cast<DWORD>(buffer.size()), flags);
        if (length == 0) return {};
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.assign(length + 1, L'\0');  // too small: the length asked for, terminator included
    }
    return {};
}

std::wstring Win32InstallerFiles::VolumeAtRoot(const std::wstring& root) {
    wchar_t volume[64] = {};  // \\?\Volume{GUID}\ is 49 characters with its terminator
    if (!GetVolumeNameForVolumeMountPointW(root.c_str(), volume, ARRAYSIZE(volume))) return {};
    return volume;
}

}  // namespace engine
