#pragma once
// An image list that destroys itself.
#include <windows.h>
#include <commctrl.h>

#include "framework/object.h"

class CBitmap;
class CDC;

class CImageList : public CObject {
public:
    CImageList() noexcept = default;
    ~CImageList() override { DeleteImageList(); }

    HIMAGELIST m_hImageList = nullptr;

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow) noexcept;
    // Adds every image of `bitmap`, treating `mask` as transparent; returns the first index or -1.
    int Add(CBitmap* bitmap, COLORREF mask) noexcept;
    BOOL Draw(CDC* dc, int image, POINT at, UINT style) noexcept;
    BOOL DeleteImageList() noexcept;
};
