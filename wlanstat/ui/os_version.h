#pragma once
// The Windows major version as the workstation service reports it.
#include <optional>

// Empty when the query fails; the caller then lets the program start.
std::optional<unsigned> QueryWindowsMajorVersion() noexcept;
