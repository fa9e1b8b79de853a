#pragma once
// The DPInst launch's file queries on Win32: each is one call, answered or not as
// the file system answers it; the decisions are installer_hold.h's.
#include <windows.h>

#include <string>
#include <utility>

#include "framework/unique_handle.h"
#include "setup/engine/installer_files.h"

namespace engine {

class Win32InstallerFiles final : public InstallerFiles {
public:
    explicit Win32InstallerFiles(std::wstring path) : path_(std::move(path)) {}

    // The open's handle; held, with its sharing, until this object goes.
    HANDLE Handle(InstallerOpenAs open) const { return Slot(open).get(); }
    const std::wstring& Path() const { return path_; }

    bool Open(InstallerOpenAs open) override;
    std::optional<FileBasics> Basics(InstallerOpenAs open) override;
    std::optional<std::uint32_t> ReparseTag(InstallerOpenAs open) override;
    std::optional<FileId128> FileId(InstallerOpenAs open) override;
    std::wstring FinalName(InstallerOpenAs open, VolumeForm form, bool normalized) override;
    std::wstring VolumeAtRoot(const std::wstring& root) override;

private:
    const fw::UniqueHandle& Slot(InstallerOpenAs open) const { return open == InstallerOpenAs::File ? file_ : content_; }

    std::wstring path_;
    fw::UniqueHandle file_;
    fw::UniqueHandle content_;
};

}  // namespace engine
