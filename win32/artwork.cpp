#include "artwork.h"

#include "controls.h"

#include <wincodec.h>

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

// Releases a COM object when it goes out of scope.
template <class T>
struct Com {
    T* p = nullptr;
    ~Com() {
        if (p) p->Release();
    }
    T* operator->() const { return p; }
};

// A PNG resource decoded by Windows' imaging component into a bitmap of the
// screen's kind; null if any step fails.
HBITMAP decodePng(const std::wstring& id) {
    HRSRC found = FindResourceW(nullptr, id.c_str(), RT_RCDATA);
    if (!found) return nullptr;
    auto* bytes = static_cast<BYTE*>(LockResource(LoadResource(nullptr, found)));
    Com<IWICImagingFactory> factory;
    Com<IWICStream> stream;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    Com<IWICFormatConverter> pixels;
    UINT w = 0, h = 0;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory.p))) ||
        FAILED(factory->CreateStream(&stream.p)) ||
        FAILED(stream->InitializeFromMemory(bytes, SizeofResource(nullptr, found))) ||
        FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder.p)) ||
        FAILED(decoder->GetFrame(0, &frame.p)) || FAILED(factory->CreateFormatConverter(&pixels.p)) ||
        FAILED(pixels->Initialize(frame.p, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                  WICBitmapPaletteTypeCustom)) ||
        FAILED(pixels->GetSize(&w, &h)))
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(w);
    info.bmiHeader.biHeight = -static_cast<LONG>(h);  // top-down, as the decoder writes the rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP b = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (b && FAILED(pixels->CopyPixels(nullptr, w * 4, w * h * 4, static_cast<BYTE*>(bits)))) {
        DeleteObject(b);
        b = nullptr;
    }
    return b;
}

// Each bitmap is decoded once and kept for the program's life: a handful of
// pictures at a handful of DPIs.
HBITMAP bitmap(std::string_view name, int dpi) {
    static std::map<std::pair<std::string, int>, HBITMAP> loaded;
    HBITMAP& b = loaded[{std::string(name), dpi}];
    if (!b) {
        std::wstring id = widen(name) + L"_" + std::to_wstring(dpi);
        std::transform(id.begin(), id.end(), id.begin(), ::towupper);
        b = decodePng(id);
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
    if (!icon) icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"LASTRINO", IMAGE_ICON, size, size, 0));
    return icon;
}

}  // namespace lastrino::win32
