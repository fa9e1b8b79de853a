#pragma once
// The one message the install worker sends back to the installing page: posted
// once, as the worker's last act, with the outcome in wParam and lParam 0.
// Plain constants so the worker's logic builds without <windows.h>.

// WM_USER + 1500
inline constexpr unsigned int WM_INSTALL_RESULT = 0x0400 + 1500;

// DPInst ran and (before Windows 10) installed at least one package.
inline constexpr unsigned int INSTALL_RESULT_SUCCESS = 0;
// DPInst did not start, or installed nothing on Windows 7, 8 or 8.1.
inline constexpr unsigned int INSTALL_RESULT_FAILED = 1;
// No package for this Windows version; nothing was launched or rescanned.
inline constexpr unsigned int INSTALL_RESULT_UNSUPPORTED_OS = 2;
