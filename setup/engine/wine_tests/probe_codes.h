#pragma once
// Exit codes of install_probe.exe besides the outcome itself.
inline constexpr int kProbeBadMessages = 100;  // not exactly one WM_INSTALL_RESULT with lParam 0
inline constexpr int kProbeNoWindow = 101;
inline constexpr int kProbeNoThread = 102;
