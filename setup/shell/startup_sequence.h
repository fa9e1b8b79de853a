#pragma once
// The installer's two start-up checks, apart from the system calls they make:
// sockets are checked before the single-instance mutex (a machine without
// sockets says so even when another installer runs, and takes no mutex), and a
// mutex that cannot be created does not stop start-up.
namespace startup {

enum class MutexOutcome { Created, AlreadyExists, Failed };

// Why start-up ends before the wizard, if it does.
enum class Refusal { None, SocketsFailed, AlreadyRunning };

template <class InitSockets, class CreateInstanceMutex>
Refusal CheckStartup(InitSockets initSockets, CreateInstanceMutex createInstanceMutex) {
    if (!initSockets()) return Refusal::SocketsFailed;
    if (createInstanceMutex() == MutexOutcome::AlreadyExists) return Refusal::AlreadyRunning;
    return Refusal::None;
}

}  // namespace startup
