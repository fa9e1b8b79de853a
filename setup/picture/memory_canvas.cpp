#include "setup/picture/memory_canvas.h"

#include "framework/gdi.h"

namespace picture {

bool MemoryCanvas::Create(HDC reference, int width, int height) noexcept {
    Reset();
    dc_ = CreateCompatibleDC(reference);
    if (dc_ == nullptr) return false;
    // Compatible with the reference, not with the fresh memory DC, which is monochrome.
    bitmap_ = CreateCompatibleBitmap(reference, width, height);
    if (bitmap_ == nullptr) {
        Reset();
        return false;
    }
    replaced_ = SelectObject(dc_, bitmap_);
    return true;
}

void MemoryCanvas::Reset() noexcept {
    if (dc_ != nullptr && replaced_ != nullptr) SelectObject(dc_, replaced_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    if (dc_ != nullptr) DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    replaced_ = nullptr;
}

void FillWithColour(HDC dc, const RECT& rect, COLORREF colour) noexcept {
    const CBrush brush(colour);
    if (brush.m_hObject != nullptr) FillRect(dc, &rect, brush);
}

}  // namespace picture
