#pragma once
// Draws what one of the viewer's faces should look like, with plain GDI calls
// and the viewer's own bitmaps (simcard_tool face; tool.cpp lists its lines).

namespace simcard {

// Returns 0, or non-zero when the module, the drawing or the output failed.
int DrawFace(const wchar_t* outPath, const wchar_t* modulePath, const wchar_t* drawingPath);

}  // namespace simcard
