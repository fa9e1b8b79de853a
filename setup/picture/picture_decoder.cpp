#include "setup/picture/picture_decoder.h"

namespace picture {

namespace {

fw::ComPtr<IPicture> DecodeStream(PictureDecoder decoder, HGLOBAL memory, LONG size, BOOL freeOnRelease) {
    fw::ComPtr<IPicture> result;
    fw::ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(memory, freeOnRelease, stream.Put()))) {
        if (freeOnRelease) GlobalFree(memory);
        return result;
    }
    if (FAILED(decoder(stream.Get(), size, result.Put()))) result.Reset();
    return result;
}

}  // namespace

HRESULT OlePictureDecoder(IStream* stream, LONG size, IPicture** picture) {
    return OleLoadPicture(stream, size, FALSE, IID_IPicture, reinterpret_cast<void**>(picture));
}

fw::ComPtr<IPicture> DecodeBorrowed(PictureDecoder decoder, HGLOBAL memory, LONG size) {
    return DecodeStream(decoder, memory, size, FALSE);
}

fw::ComPtr<IPicture> DecodeOwned(PictureDecoder decoder, HGLOBAL memory, LONG size) {
    return DecodeStream(decoder, memory, size, TRUE);
}

SIZE PixelSize(IPicture* picture, HDC dc) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height))) return SIZE{0, 0};
    return SIZE{MulDiv(width, GetDeviceCaps(dc, LOGPIXELSX), 2540),
                MulDiv(height, GetDeviceCaps(dc, LOGPIXELSY), 2540)};
}

bool RenderPicture(IPicture* picture, HDC dc, const RECT& dest) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height))) return false;
    // HIMETRIC runs bottom-up: start at the bottom edge with a negative extent.
    return SUCCEEDED(picture->Render(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
                                     0, height, width, -height, nullptr));
}

}  // namespace picture
