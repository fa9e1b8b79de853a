#pragma once
// Decoding through the system's OLE picture service. The decoder is a plain
// function pointer so tests can stand in pictures of their own.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "framework/com_ptr.h"

namespace picture {

// Decodes `size` bytes of `stream` into a picture; S_OK on success.
using PictureDecoder = HRESULT (*)(IStream* stream, LONG size, IPicture** picture);

HRESULT OlePictureDecoder(IStream* stream, LONG size, IPicture** picture);

// Decodes `size` bytes of `memory`, which stays the caller's.
fw::ComPtr<IPicture> DecodeBorrowed(PictureDecoder decoder, HGLOBAL memory, LONG size);
// Decodes `size` bytes of `memory`, which the stream frees whatever the outcome.
fw::ComPtr<IPicture> DecodeOwned(PictureDecoder decoder, HGLOBAL memory, LONG size);

// The picture's HIMETRIC size in pixels of `dc`; {0, 0} when it cannot be read.
SIZE PixelSize(IPicture* picture, HDC dc);

// Draws the whole picture into `dest` of `dc`.
bool RenderPicture(IPicture* picture, HDC dc, const RECT& dest);

}  // namespace picture
