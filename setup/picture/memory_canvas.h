#pragma once
// A memory DC with a bitmap of its own selected into it; the DC gets its
// original bitmap back before either is deleted.
#include <windows.h>

namespace picture {

class MemoryCanvas {
public:
    MemoryCanvas() noexcept = default;
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    ~MemoryCanvas() { Reset(); }

    // A width x height bitmap compatible with `reference`; false (and empty) on failure.
    bool Create(HDC reference, int width, int height) noexcept;
    void Reset() noexcept;

    HDC Dc() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ replaced_ = nullptr;
};

// Fills `rect` of `dc` with a solid colour; skipped when no brush can be made.
void FillWithColour(HDC dc, const RECT& rect, COLORREF colour) noexcept;

}  // namespace picture
