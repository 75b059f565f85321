#include "artwork.h"

#include "controls.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <utility>

namespace lastrino::win32 {

namespace {

// The DPIs the artwork is rasterised for, as res/artwork.sh makes it.
constexpr std::array<int, 4> artworkDpis{96, 120, 144, 192};

// The rasterisation made for this DPI, or else the smallest one above it
// (the largest one past the end), to be scaled.
int artworkDpi(int dpi) {
    for (int d : artworkDpis)
        if (d >= dpi) return d;
    return artworkDpis.back();
}

// Each bitmap is loaded once and kept for the program's life: a handful of
// pictures at a handful of DPIs.
HBITMAP bitmap(std::string_view name, int dpi) {
    static std::map<std::pair<std::string, int>, HBITMAP> loaded;
    HBITMAP& b = loaded[{std::string(name), dpi}];
    if (!b) {
        std::wstring id = widen(name) + L"_" + std::to_wstring(dpi);
        std::transform(id.begin(), id.end(), id.begin(), ::towupper);
        b = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), id.c_str(), IMAGE_BITMAP, 0, 0, 0));
    }
    return b;
}

}  // namespace

void drawPicture(HDC dc, std::string_view name, const RECT& box, int dpi) {
    const int made = artworkDpi(dpi);
    HBITMAP b = bitmap(name, made);
    if (!b) return;
    BITMAP info;
    GetObjectW(b, sizeof info, &info);
    int w = info.bmWidth, h = info.bmHeight;
    const int boxW = box.right - box.left, boxH = box.bottom - box.top;
    if (made != dpi) {
        // Another DPI's rasterisation, scaled to fit with its aspect ratio kept.
        w = std::min(boxW, MulDiv(info.bmWidth, boxH, info.bmHeight));
        h = std::min(boxH, MulDiv(info.bmHeight, boxW, info.bmWidth));
    }
    const int x = box.left + (boxW - w) / 2, y = box.top + (boxH - h) / 2;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, b);
    if (w == info.bmWidth && h == info.bmHeight) {
        BitBlt(dc, x, y, w, h, source, 0, 0, SRCCOPY);
    } else {
        const int oldMode = SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, x, y, w, h, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

HICON windowIcon(int size) {
    static std::map<int, HICON> icons;
    HICON& icon = icons[size];
    if (!icon)
        icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"LASTRINO", IMAGE_ICON, size, size, 0));
    return icon;
}

}  // namespace lastrino::win32
