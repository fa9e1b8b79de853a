#include "setup/engine/installer_signature.h"

// clang-format off
#include <wincrypt.h>
#include <wintrust.h>
#include <softpub.h>
// clang-format on

#include <cstring>
#include <vector>

#include "framework/system_dll.h"
#include "setup/engine/installer_launch.h"

namespace engine {

namespace {

// wintrust and crypt32 are not Known DLLs: resolve them from System32 at run time.
struct TrustProcs {
    decltype(&WinVerifyTrust) verify = fw::SystemProc<decltype(&WinVerifyTrust)>(L"wintrust.dll", "WinVerifyTrust");
    decltype(&WTHelperProvDataFromStateData) providerData =
        fw::SystemProc<decltype(&WTHelperProvDataFromStateData)>(L"wintrust.dll", "WTHelperProvDataFromStateData");
    decltype(&WTHelperGetProvSignerFromChain) signer =
        fw::SystemProc<decltype(&WTHelperGetProvSignerFromChain)>(L"wintrust.dll", "WTHelperGetProvSignerFromChain");
    decltype(&CertGetNameStringW) nameString =
        fw::SystemProc<decltype(&CertGetNameStringW)>(L"crypt32.dll", "CertGetNameStringW");

    bool complete() const { return verify && providerData && signer && nameString; }
};

const TrustProcs& Procs() {
    static const TrustProcs procs;
    return procs;
}

// The subject organisation of the certificate that signed the verified file.
std::wstring SignerOrganisation(const TrustProcs& procs, HANDLE state) {
    CRYPT_PROVIDER_DATA* provider = procs.providerData(state);
    if (provider == nullptr) return {};
    CRYPT_PROVIDER_SGNR* signer = procs.signer(provider, 0, FALSE, 0);
    if (signer == nullptr || signer->csCertChain == 0 || signer->pasCertChain == nullptr) return {};
    PCCERT_CONTEXT leaf = signer->pasCertChain[0].pCert;
    if (leaf == nullptr) return {};
    auto* oid = const_cast<char*>(szOID_ORGANIZATION_NAME);
    const DWORD chars = procs.nameString(leaf, CERT_NAME_ATTR_TYPE, 0, oid, nullptr, 0);
    if (chars <= 1) return {};
    std::vector<wchar_t> name(chars, L'\0');
    procs.nameString(leaf, CERT_NAME_ATTR_TYPE, 0, oid, name.data(), chars);
    return std::wstring(name.data());
}

// FILE_ID_INFO and its class, which the Windows 7 headers we build against lack.
struct FileIdInfo128 {
    ULONGLONG VolumeSerialNumber;
    BYTE FileId[16];
};
constexpr auto kFileIdInfo = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);

// Whether both handles are open on one file: the same volume and file id. The
// 128-bit id where the system has it (Windows 8 and later), else the 64-bit index.
bool SameFile(HANDLE a, HANDLE b) {
    FileIdInfo128 idA{}, idB{};
    if (GetFileInformationByHandleEx(a, kFileIdInfo, &idA, sizeof idA) &&
        GetFileInformationByHandleEx(b, kFileIdInfo, &idB, sizeof idB)) {
        return idA.VolumeSerialNumber == idB.VolumeSerialNumber &&
               std::memcmp(&idA.FileId, &idB.FileId, sizeof idA.FileId) == 0;
    }
    BY_HANDLE_FILE_INFORMATION infoA{}, infoB{};
    return GetFileInformationByHandle(a, &infoA) && GetFileInformationByHandle(b, &infoB) &&
           infoA.dwVolumeSerialNumber == infoB.dwVolumeSerialNumber && infoA.nFileIndexHigh == infoB.nFileIndexHigh &&
           infoA.nFileIndexLow == infoB.nFileIndexLow;
}

// One of the file's resolved names in the \\?\ form (a drive name unless `flags`
// ask for another volume form); empty where the lookup fails.
std::wstring FinalName(HANDLE file, DWORD flags) {
    std::vector<wchar_t> buffer(MAX_PATH, L'\0');
    for (int tries = 0; tries < 2; ++tries) {
        const DWORD length =
            GetFinalPathNameByHandleW(file, buffer.data(), static_cast<DWORD>(buffer.size()), flags | VOLUME_NAME_DOS);
        if (length == 0) return {};
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.assign(length + 1, L'\0');
    }
    return {};
}

}  // namespace

LockedInstaller OpenInstallerLocked(const std::wstring& path) {
    // No FILE_SHARE_WRITE or FILE_SHARE_DELETE: the open fails while anyone writes,
    // and nobody may write, rename or delete the file while we hold it.
    LockedInstaller installer;
    installer.file.reset(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!installer.file || GetFileType(installer.file.get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandleEx(installer.file.get(), FileAttributeTagInfo, &tag, sizeof tag)) {
        return {};
    }
    switch (InstallerOpenFor(tag.FileAttributes, tag.ReparseTag)) {
        case InstallerOpen::Refuse: return {};
        case InstallerOpen::Plain: return installer;
        case InstallerOpen::Reopen: break;
    }
    // A compressed or deduplicated file reads as its filter serves it, as the loader
    // will read it: open it once more, following the reparse point, and hold both.
    // Its name cannot change while the first handle lives, and the second must be
    // the very same file (volume and file id), not wherever a filter sends us.
    installer.content.reset(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!installer.content || GetFileType(installer.content.get()) != FILE_TYPE_DISK ||
        !SameFile(installer.file.get(), installer.content.get())) {
        return {};
    }
    return installer;
}

InstallerTrust CheckInstallerSignature(HANDLE file, const std::wstring& path) {
    const TrustProcs& procs = Procs();
    if (!procs.complete()) return InstallerTrust::NotSigned;

    WINTRUST_FILE_INFO fileInfo{};
    fileInfo.cbStruct = sizeof fileInfo;
    fileInfo.pcwszFilePath = path.c_str();
    fileInfo.hFile = file;
    WINTRUST_DATA data{};
    data.cbStruct = sizeof data;
    data.dwUIChoice = WTD_UI_NONE;
    data.fdwRevocationChecks = WTD_REVOKE_NONE;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &fileInfo;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    // The card's owner may have no network until this driver is in: never fetch.
    data.dwProvFlags = WTD_CACHE_ONLY_URL_RETRIEVAL | WTD_REVOCATION_CHECK_NONE;
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    const HWND noUser = static_cast<HWND>(INVALID_HANDLE_VALUE);

    const LONG status = procs.verify(noUser, &action, &data);
    InstallerTrust verdict = InstallerTrust::NotSigned;
    if (status == ERROR_SUCCESS) {
        verdict = IsMicrosoftSigner(SignerOrganisation(procs, data.hWVTStateData)) ? InstallerTrust::Genuine
                                                                                   : InstallerTrust::ForeignSigner;
    }
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    procs.verify(noUser, &action, &data);
    return verdict;
}

std::wstring ResolvedPath(HANDLE file) {
    // The normalized name can fail where the open worked (a volume without a drive
    // letter, some RAM disks and user-mode file systems, an unreadable folder on
    // the way to a share): then the name as opened, also with links resolved. A
    // volume without a drive letter has no DOS name at all: its GUID path names it.
    std::wstring opened = FinalName(file, FILE_NAME_OPENED);
    if (opened.empty()) opened = FinalName(file, FILE_NAME_OPENED | VOLUME_NAME_GUID);
    return LaunchName(FinalName(file, FILE_NAME_NORMALIZED), opened);
}

}  // namespace engine
