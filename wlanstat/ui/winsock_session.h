#pragma once
// Windows Sockets 2.2 for the life of the dialog: the address texts are made
// with getnameinfo. A failed start is not reported; the texts then stay empty.
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
