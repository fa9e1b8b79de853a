#include "tools/harness/simcard/wlan/face.h"

#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/harness/simcard/wlan/card_files.h"
#include "wlanstat/ui/test_support/expected_panel.h"

namespace simcard {

namespace {

bool SaveBitmap(HDC dc, HBITMAP bitmap, const wchar_t* path) {
    // 24 bits: no alpha channel for a reader to misread.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 594;
    info.bmiHeader.biHeight = -398;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    constexpr DWORD kStride = (594 * 3 + 3) / 4 * 4;
    std::vector<BYTE> pixels(kStride * 398);
    if (GetDIBits(dc, bitmap, 0, 398, pixels.data(), &info, DIB_RGB_COLORS) != 398) return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + pixels.size();
    HANDLE h = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(h, &file, sizeof file, &written, nullptr) &&
                    WriteFile(h, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
                    WriteFile(h, pixels.data(), pixels.size(), &written, nullptr);
    CloseHandle(h);
    return ok;
}

}  // namespace

int DrawFace(const wchar_t* outPath, const wchar_t* modulePath, const wchar_t* drawingPath) {
    HMODULE module = LoadLibraryExW(modulePath, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HANDLE drawingFile = CreateFileW(drawingPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (module == nullptr || drawingFile == INVALID_HANDLE_VALUE) return 2;
    std::string drawing;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(drawingFile, chunk, sizeof chunk, &got, nullptr) && got > 0) drawing.append(chunk, got);
    CloseHandle(drawingFile);

    HDC screen = GetDC(nullptr);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, 594, 398);
    HGDIOBJ oldSurface = SelectObject(canvas, surface);
    HDC picture = CreateCompatibleDC(canvas);
    LOGFONTW lf{};
    lf.lfHeight = 12;
    wcscpy(lf.lfFaceName, L"gulim");
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ oldFont = SelectObject(canvas, font);
    SetBkMode(canvas, TRANSPARENT);

    int status = 0;
    bool connected = false;  // the inks of the face, from its "panel" line
    std::istringstream lines(drawing);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream w(line);
        std::string kind;
        w >> kind;
        if (kind == "bitmap") {
            int id = 0, x = 0, y = 0;
            w >> id >> x >> y;
            HBITMAP bm = LoadBitmapW(module, MAKEINTRESOURCEW(id));
            BITMAP size{};
            GetObjectW(bm, sizeof size, &size);
            HGDIOBJ old = SelectObject(picture, bm);
            BitBlt(canvas, x, y, size.bmWidth, size.bmHeight, picture, 0, 0, SRCCOPY);
            SelectObject(picture, old);
            if (bm == nullptr) status = 3;
            DeleteObject(bm);
        } else if (kind == "panel") {
            std::string face;
            w >> face;
            connected = face == "connected";
            for (bool heads : {false, true}) {  // the labels, then the heads
                for (const expected_panel::Line& l : expected_panel::kLines) {
                    if (l.label == nullptr || l.head != heads) continue;
                    SetTextColor(canvas, l.ink->In(connected));
                    TextOutW(canvas, l.x, l.y, l.label, static_cast<int>(wcslen(l.label)));
                }
            }
        } else if (kind == "value") {
            std::string key;
            w >> key;
            const expected_panel::Line* l = expected_panel::Named(key);
            if (l == nullptr) {
                status = 4;
                continue;
            }
            std::string rest;
            std::getline(w.ignore(1), rest);  // the text after one space
            const std::wstring text = WideFromUtf8(rest);
            SetTextColor(canvas, l->ink->In(connected));
            RECT r{l->valueX, l->valueY, l->right, l->bottom};
            if (l->format == 0) TextOutW(canvas, r.left, r.top, text.c_str(), static_cast<int>(text.size()));
            else DrawTextW(canvas, text.data(), static_cast<int>(text.size()), &r, l->format);
        } else if (!kind.empty()) {
            status = 4;
        }
    }
    SelectObject(canvas, oldFont);
    SelectObject(canvas, oldSurface);
    if (!SaveBitmap(canvas, surface, outPath)) status = 5;
    DeleteObject(font);
    DeleteObject(surface);
    DeleteDC(picture);
    DeleteDC(canvas);
    ReleaseDC(nullptr, screen);
    FreeLibrary(module);
    return status;
}

}  // namespace simcard
