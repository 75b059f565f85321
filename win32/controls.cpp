#include "controls.h"

#include <map>
#include <tuple>

namespace lastrino::win32 {

std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring text(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), n);
    return text;
}

COLORREF colorref(Colour colour) {
    if (isSystemColour(colour)) return GetSysColor(static_cast<int>(colour & 0xFF));
    return colour & 0xFFFFFF;
}

HBRUSH brush(Colour colour) {
    static std::map<Colour, HBRUSH> brushes;
    HBRUSH& b = brushes[colour];
    if (!b)
        b = isSystemColour(colour) ? GetSysColorBrush(static_cast<int>(colour & 0xFF))
                                   : CreateSolidBrush(colorref(colour));
    return b;
}

HFONT font(const layout::Font& f, int dpi) {
    // Windows has both faces; elsewhere (Wine) the font mapper picks the nearest.
    static std::map<std::tuple<std::string_view, double, int, int>, HFONT> fonts;
    HFONT& h = fonts[{f.face, f.points, f.weight, dpi}];
    if (!h) {
        const std::wstring face = widen(f.face);
        // Negative: the character height, points * dpi / 72 pixels.
        const int height = -static_cast<int>(f.points * dpi / 72 + 0.5);
        h = CreateFontW(height, 0, 0, 0, f.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    }
    return h;
}

RECT pixelRect(const layout::Window& window, const layout::Control& control, int dpi) {
    layout::Rect r = control.twips;
    if (!control.parent.empty()) {
        const layout::Control* frame = layout::find(window, control.parent);
        r.left += frame->twips.left;
        r.top += frame->twips.top;
    }
    return {scaled(r.left, dpi), scaled(r.top, dpi), scaled(r.left + r.width, dpi), scaled(r.top + r.height, dpi)};
}

}  // namespace lastrino::win32
