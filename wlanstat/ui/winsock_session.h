#pragma once
// Windows Sockets 2.2 for the life of the dialog. Nothing here depends on it
// (the address texts are formatted by the program itself), so a failed start
// is not reported.
#include <winsock2.h>

class WinsockSession {
public:
    WinsockSession() = default;
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    ~WinsockSession() {
        if (started_) ::WSACleanup();
    }

    void Start() {
        if (started_) return;
        WSADATA data;
        started_ = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }

private:
    bool started_ = false;
};
