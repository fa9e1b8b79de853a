#include "setup/engine/installer_signature.h"

// clang-format off
#include <wincrypt.h>
#include <wintrust.h>
#include <softpub.h>
// clang-format on

#include <vector>

#include "framework/system_dll.h"

namespace engine {

namespace {

// wintrust and crypt32 are not Known DLLs: resolve them from System32 at run time.
// Without every call the file counts as unsigned.
struct TrustProcs {
    decltype(&::WinVerifyTrust) verify = FW_SYSTEM_PROC(L"wintrust.dll", WinVerifyTrust);
    decltype(&::WTHelperProvDataFromStateData) providerData =
        FW_SYSTEM_PROC(L"wintrust.dll", WTHelperProvDataFromStateData);
    decltype(&::WTHelperGetProvSignerFromChain) signer =
        FW_SYSTEM_PROC(L"wintrust.dll", WTHelperGetProvSignerFromChain);
    decltype(&::CertGetNameStringW) nameString = FW_SYSTEM_PROC(L"crypt32.dll", CertGetNameStringW);

    bool Complete() const { return fw::AllResolved(verify, providerData, signer, nameString); }
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

}  // namespace

InstallerTrust CheckInstallerSignature(HANDLE file, const std::wstring& path) {
    const TrustProcs& procs = Procs();
    if (!procs.Complete()) return InstallerTrust::NotSigned;

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

}  // namespace engine
