#pragma once
// What a left press on a page does, by the page's press rules: minimise (and
// clear the page's minimise highlight), ask to exit, or drag the frame.
#include "framework/afxwin.h"
#include "setup/shell/skin_layout.h"

namespace skin {

void HandlePress(PageKind page, CPoint point, int& minimiseHover);

}  // namespace skin
