#pragma once
// A throw-away installation media folder for the worker tests: the probe as
// setup, drivers\ with the DPInst stand-in and six package folders, under a path
// with a blank and Hangul (in the temporary folder, or in QUORIX_MEDIA_ROOT when
// that is set), and a per-executable Wine version for the probe.
#include <windows.h>

#include <string>

#include "framework/unique_handle.h"

using ProcessHandle = fw::UniqueHandle;

// Which DPInst stand-in the media's drivers folder holds.
enum class StandIn {
    None,
    Signed,    // signed by the test leaf whose organisation is "Microsoft Corporation"
    Unsigned,
    Foreign,   // validly signed by another organisation
    StrayRoot, // signed as Microsoft's under a root that no store holds
    Altered,   // the signed one with one byte changed after signing
};

class WineMedia {
public:
    // `name` makes the folder and the probe's file name unique; `wineVersion` is
    // a Wine version name such as L"win7".
    WineMedia(const std::wstring& name, const wchar_t* wineVersion, StandIn standIn = StandIn::Signed);
    ~WineMedia();
    WineMedia(const WineMedia&) = delete;
    WineMedia& operator=(const WineMedia&) = delete;

    const std::wstring& Root() const { return root_; }
    std::wstring StandInPath() const { return root_ + L"\\drivers\\dpinst_x64.exe"; }
    std::wstring MakeFolder(const std::wstring& name) const;

    void SetStandInExitCode(const char* text) const;
    void HoldStandIn(bool hold) const;
    bool StandInRan() const;
    bool WaitForStandIn(DWORD milliseconds) const;
    // What the stand-in recorded, UTF-16; empty when it never ran.
    std::wstring ReadLog() const;

    // Starts the probe with `cwd` (default: the media root) as its directory.
    ProcessHandle StartProbe(const std::wstring& cwd = {}) const;
    // The probe's exit code, or -1 when it did not start or end in time.
    int RunProbe(const std::wstring& cwd = {}) const;

private:
    std::wstring root_;
    std::wstring exeName_;
};

int WaitProbe(const ProcessHandle& probe, DWORD milliseconds);
