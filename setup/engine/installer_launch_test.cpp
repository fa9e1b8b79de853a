#include "setup/engine/installer_launch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/engine/installer_hold.h"

namespace engine {
namespace {

TEST(InstallerLaunch, OnlyLinksAndFoldersAreRefused) {
    struct Row {
        std::uint32_t attributes, tag;
        InstallerOpen open;
    };
    for (const Row& r : {Row{0x20, 0, InstallerOpen::Plain}, Row{0x80, 0, InstallerOpen::Plain},
                         Row{0x10, 0, InstallerOpen::Refuse},
                         Row{0x400, 0xA000000C, InstallerOpen::Refuse},   // symbolic link
                         Row{0x400, 0xA0000003, InstallerOpen::Refuse},   // junction, mount point
                         Row{0x400, 0xA000001D, InstallerOpen::Refuse},   // WSL symbolic link
                         Row{0x400, 0x8000001B, InstallerOpen::Refuse},   // app execution alias
                         Row{0x410, 0x80000017, InstallerOpen::Refuse},   // a folder, whatever its tag
                         Row{0x420, 0x80000017, InstallerOpen::Reopen},   // compressed (WOF)
                         Row{0x400, 0x80000013, InstallerOpen::Reopen},   // deduplicated
                         Row{0x400, 0x9000001A, InstallerOpen::Reopen}}) {  // cloud file
        EXPECT_EQ(InstallerOpenFor(r.attributes, r.tag), r.open) << std::hex << r.attributes << " " << r.tag;
    }
}

TEST(InstallerLaunch, StartsByTheOrdinaryFormWhereOneNamesTheFile) {
    const std::wstring drive = L"\\\\?\\Z:\\media 설치\\drivers\\dpinst_x64.exe";
    const std::wstring unc = L"\\\\?\\UNC\\server\\share\\drivers\\dpinst_x64.exe";
    EXPECT_EQ(LaunchName(drive, L""), L"Z:\\media 설치\\drivers\\dpinst_x64.exe");
    EXPECT_EQ(LaunchName(unc, L""), L"\\\\server\\share\\drivers\\dpinst_x64.exe");
    // 259 characters fit MAX_PATH with the terminator; 260 do not.
    const std::wstring fits = L"C:\\" + std::wstring(241, L'd') + L"\\dpinst_x64.exe";
    ASSERT_EQ(fits.size(), 259u);
    EXPECT_EQ(LaunchName(L"\\\\?\\" + fits, L""), fits);
    EXPECT_EQ(LaunchName(L"\\\\?\\" + fits + L"x", L""), L"\\\\?\\" + fits + L"x");
    const std::wstring longShare = L"\\\\?\\UNC\\s\\h\\" + std::wstring(250, L'd') + L"\\dpinst_x64.exe";
    EXPECT_EQ(LaunchName(longShare, L""), longShare);
    // No drive letter, or a name Win32 would parse into another file: kept as resolved.
    for (const std::wstring kept : {L"\\\\?\\Volume{2f1c7a2e-0000-0000-0000-100000000000}\\drivers\\dpinst_x64.exe",
                                    L"\\\\?\\GLOBALROOT\\Device\\HarddiskVolume7\\drivers\\dpinst_x64.exe",
                                    L"\\\\?\\C:\\media.\\drivers\\dpinst_x64.exe",
                                    L"\\\\?\\C:\\media \\drivers\\dpinst_x64.exe",
                                    L"\\\\?\\C:\\media\\..\\dpinst_x64.exe", L"\\\\?\\C:\\media\\\\dpinst_x64.exe",
                                    L"\\\\?\\C:\\media/x\\dpinst_x64.exe", L"\\\\?\\C:\\drivers\\nul.exe",
                                    L"\\\\?\\C:\\drivers\\COM1", L"\\\\?\\UNC\\server\\dpinst_x64.exe"}) {
        EXPECT_EQ(LaunchName(kept, L""), kept);
    }
}

TEST(InstallerLaunch, FallsBackToTheOpenedNameThenFails) {
    const std::wstring opened = L"\\\\?\\R:\\MEDIA~1\\drivers\\dpinst_x64.exe";
    EXPECT_EQ(LaunchName(L"", opened), L"R:\\MEDIA~1\\drivers\\dpinst_x64.exe");
    EXPECT_EQ(LaunchName(L"\\\\?\\R:\\media\\drivers\\dpinst_x64.exe", opened), L"R:\\media\\drivers\\dpinst_x64.exe");
    // Nothing that names a file: never a relative or searched name.
    for (const std::wstring odd : {L"", L"\\\\?\\", L"dpinst_x64.exe", L"C:\\drivers\\dpinst_x64.exe"}) {
        EXPECT_EQ(LaunchName(odd, L""), L"") << odd;
        EXPECT_EQ(LaunchName(odd, opened), L"R:\\MEDIA~1\\drivers\\dpinst_x64.exe") << odd;
    }
}

// What one file system answers of the installer's file queries, as Windows
// answers it there; an empty name is a lookup that fails.
struct Medium {
    const char* name;
    bool tags;  // FileAttributeTagInfo: NTFS and ReFS
    bool ids;   // FileIdInfo: NTFS and ReFS from Windows 8 on
    std::wstring dos, dosOpened, guid, nt;
    std::wstring rootVolume;  // the volume GUID name at the DOS name's drive root
    std::wstring launched;    // the name DPInst starts by; empty: refused
    std::uint32_t attributes = 0x20, tag = 0;
};

class MediumFiles final : public InstallerFiles {
public:
    explicit MediumFiles(const Medium& m) : m_(m) {}
    std::vector<std::string> asked;
    std::uint64_t contentIndex = 42;  // where the filter's content open lands

    bool Open(InstallerOpenAs) override { return true; }
    std::optional<FileBasics> Basics(InstallerOpenAs open) override {
        return FileBasics{m_.attributes, 7, open == InstallerOpenAs::File ? 42 : contentIndex};
    }
    std::optional<std::uint32_t> ReparseTag(InstallerOpenAs) override {
        asked.push_back("tag");
        return m_.tags ? std::optional(m_.tag) : std::nullopt;
    }
    std::optional<FileId128> FileId(InstallerOpenAs open) override {
        asked.push_back("id");
        if (!m_.ids) return std::nullopt;
        FileId128 id{7, {}};
        id.id[0] = static_cast<std::uint8_t>(open == InstallerOpenAs::File ? 42 : contentIndex);
        return id;
    }
    std::wstring FinalName(InstallerOpenAs, VolumeForm form, bool normalized) override {
        switch (form) {
            case VolumeForm::Dos: return normalized ? m_.dos : m_.dosOpened;
            case VolumeForm::Guid: return m_.guid;
            case VolumeForm::Nt: return m_.nt;
        }
        return {};
    }
    std::wstring VolumeAtRoot(const std::wstring&) override { return m_.rootVolume; }

private:
    const Medium& m_;
};

std::wstring Launched(MediumFiles& files) {
    const auto held = HoldInstaller(files);
    return held ? InstallerLaunchName(files, *held) : L"";
}

// Every medium the driver travels on, as Windows answers there.
TEST(InstallerLaunch, EachFileSystemStartsDpinstByTheNameThatReachesIt) {
    const std::wstring file = L"\\drivers\\dpinst_x64.exe";
    const std::wstring usb = L"\\\\?\\Volume{5d1c0e7a-1111-4c6e-9c3b-0000000000e0}\\";
    const std::wstring sys = L"\\\\?\\Volume{5d1c0e7a-1111-4c6e-9c3b-0000000000c0}\\";
    const std::wstring onE = L"\\\\?\\E:" + file;
    const Medium media[] = {
        {"NTFS", true, true, L"\\\\?\\C:\\media" + file, L"", sys + L"media" + file.substr(1), L"", sys,
         L"C:\\media" + file},
        {"ReFS", true, true, onE, onE, usb + file.substr(1), L"", usb, L"E:" + file},
        // No tag, id, stream or compression class; the rest as any volume.
        {"FAT32 stick", false, false, onE, onE, usb + file.substr(1), L"", usb, L"E:" + file},
        {"exFAT stick", false, false, onE, onE, usb + file.substr(1), L"", usb, L"E:" + file},
        {"CD (CDFS)", false, false, L"\\\\?\\D:" + file, L"", usb + file.substr(1), L"", usb, L"D:" + file},
        // Undocumented: taken as refusing what FAT refuses.
        {"DVD (UDF)", false, false, L"\\\\?\\D:" + file, L"", usb + file.substr(1), L"", usb, L"D:" + file},
        {"Windows 7 NTFS", true, false, onE, onE, usb + file.substr(1), L"", usb, L"E:" + file},
        // An unreadable folder on the way refuses the normalized name; no volume GUID.
        {"SMB share", true, true, L"", L"\\\\?\\UNC\\srv\\cd" + file, L"", L"", L"", L"\\\\srv\\cd" + file},
        {"volume without a drive letter", true, true, L"", L"", usb + file.substr(1), L"", L"", usb + file.substr(1)},
        // Mounted at C:\mnt\usb: the drive form would run through a folder on C:.
        {"volume mounted in a folder", true, true, L"\\\\?\\C:\\mnt\\usb" + file, L"", usb + file.substr(1), L"", sys,
         usb + file.substr(1)},
        {"drive root without a volume name", true, true, onE, onE, usb + file.substr(1), L"", L"", usb + file.substr(1)},
        {"RAM disk unknown to the mount manager", true, true, L"", L"", L"", L"\\Device\\ImDisk0" + file, L"",
         L"\\\\?\\GLOBALROOT\\Device\\ImDisk0" + file},
        {"a volume with no name at all", true, true, L"", L"", L"", L"", L"", L""},
    };
    for (const Medium& m : media) {
        MediumFiles files(m);
        EXPECT_EQ(Launched(files), m.launched) << m.name;
        // A plain file: nothing beyond what every file system answers.
        EXPECT_EQ(files.asked, std::vector<std::string>{}) << m.name;
    }
}

TEST(InstallerLaunch, ReparsePointsAreAskedTheirTagAndReopenedFilesMatched) {
    const std::wstring onC = L"\\\\?\\C:\\media\\drivers\\dpinst_x64.exe";
    Medium link{"NTFS symbolic link", true, true, onC, L"", L"", L"", L"", L"", 0x420, 0xA000000C};
    MediumFiles linkFiles(link);
    EXPECT_EQ(Launched(linkFiles), L"");
    Medium compressed{"NTFS, compressed (WOF)", true, true, onC, L"", L"", L"", L"", L"C:\\media\\drivers\\dpinst_x64.exe",
                      0x420, 0x80000017};
    MediumFiles same(compressed);
    EXPECT_EQ(Launched(same), compressed.launched);
    EXPECT_EQ(same.asked, (std::vector<std::string>{"tag", "id", "id"}));
    MediumFiles elsewhere(compressed);
    elsewhere.contentIndex = 43;
    EXPECT_EQ(Launched(elsewhere), L"");
    // Windows 7: no file id; the 64-bit index decides.
    Medium win7 = compressed;
    win7.ids = false;
    MediumFiles byIndex(win7);
    EXPECT_EQ(Launched(byIndex), compressed.launched);
    byIndex.contentIndex = 43;
    EXPECT_EQ(Launched(byIndex), L"");
    Medium untold = compressed;
    untold.tags = false;
    MediumFiles noTag(untold);
    EXPECT_EQ(Launched(noTag), L"") << "a reparse point whose tag cannot be read";
}

}  // namespace
}  // namespace engine
