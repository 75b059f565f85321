#include "artwork.h"

#include "controls.h"

#include <algorithm>
#include <string>

namespace lastrino::win32 {

namespace {

constexpr COLORREF navy = RGB(0, 0, 128);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF green = RGB(0, 160, 0);
constexpr COLORREF brown = RGB(128, 64, 0);
constexpr COLORREF tan = RGB(224, 160, 96);

// Drawing on a grid of `units` x `units` laid over a square of the target,
// so each picture is written once at any size.
class Grid {
public:
    Grid(HDC dc, const RECT& r, int units) : dc_(dc), units_(units) {
        side_ = std::min(r.right - r.left, r.bottom - r.top);
        x0_ = r.left + (r.right - r.left - side_) / 2;
        y0_ = r.top + (r.bottom - r.top - side_) / 2;
    }
    int x(int u) const { return x0_ + u * side_ / units_; }
    int y(int u) const { return y0_ + u * side_ / units_; }
    POINT at(int ux, int uy) const { return {x(ux), y(uy)}; }

    void box(int l, int t, int r, int b, COLORREF fill, COLORREF line = black) const {
        Tools tools(dc_, fill, line);
        Rectangle(dc_, x(l), y(t), x(r), y(b));
    }
    void ellipse(int l, int t, int r, int b, COLORREF fill, COLORREF line = black) const {
        Tools tools(dc_, fill, line);
        Ellipse(dc_, x(l), y(t), x(r), y(b));
    }
    void polygon(std::initializer_list<POINT> units, COLORREF fill, COLORREF line = black) const {
        POINT points[16];
        int n = 0;
        for (POINT u : units) points[n++] = at(u.x, u.y);
        Tools tools(dc_, fill, line);
        Polygon(dc_, points, n);
    }

private:
    // A solid brush and a one-pixel pen, put back when done.
    struct Tools {
        Tools(HDC dc, COLORREF fill, COLORREF line)
            : dc(dc), brush(CreateSolidBrush(fill)), pen(CreatePen(PS_SOLID, 1, line)),
              oldBrush(SelectObject(dc, brush)), oldPen(SelectObject(dc, pen)) {}
        ~Tools() {
            SelectObject(dc, oldBrush);
            SelectObject(dc, oldPen);
            DeleteObject(brush);
            DeleteObject(pen);
        }
        HDC dc;
        HBRUSH brush;
        HPEN pen;
        HGDIOBJ oldBrush, oldPen;
    };

    HDC dc_;
    int units_, side_, x0_, y0_;
};

// Four coloured quadrants around a dark-blue centre piece.
void drawIcon(HDC dc, const RECT& r) {
    Grid g(dc, r, 32);
    g.box(0, 0, 16, 16, RGB(255, 0, 0));
    g.box(16, 0, 32, 16, RGB(0, 192, 0));
    g.box(0, 16, 16, 32, RGB(255, 255, 0));
    g.box(16, 16, 32, 32, RGB(0, 160, 255));
    g.box(9, 9, 23, 23, navy, white);
}

// Start: a green disc with a white "go" arrowhead.
void drawComincia(HDC dc, const RECT& r) {
    Grid g(dc, r, 32);
    g.ellipse(2, 2, 30, 30, green);
    g.polygon({{12, 8}, {24, 16}, {12, 24}}, white, white);
}

// Help: a red exclamation mark.
void drawAiuto(HDC dc, const RECT& r) {
    Grid g(dc, r, 32);
    g.polygon({{12, 3}, {20, 3}, {18, 20}, {14, 20}}, red, RGB(128, 0, 0));
    g.ellipse(13, 23, 19, 29, red, RGB(128, 0, 0));
}

// Exit: an open door with an arrow leading out of it.
void drawEsci(HDC dc, const RECT& r) {
    Grid g(dc, r, 32);
    g.box(4, 3, 18, 30, tan, brown);                            // door frame
    g.polygon({{4, 3}, {12, 6}, {12, 31}, {4, 30}}, brown);      // the door, swung open
    g.ellipse(9, 17, 11, 19, RGB(255, 215, 0), black);          // handle
    g.polygon({{15, 14}, {23, 14}, {23, 10}, {30, 17}, {23, 24}, {23, 20}, {15, 20}}, green);
}

// A row of tiles, blue and yellow in turn, each carrying one character.
void drawTileRow(HDC dc, const RECT& r, std::wstring_view letters, const layout::Font& face) {
    const int n = static_cast<int>(letters.size());
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int side = std::min(height, width / n);
    const int left = r.left + (width - side * n) / 2, top = r.top + (height - side) / 2;
    HGDIOBJ oldFont = SelectObject(dc, font({face.face, side * 0.5, 700}));
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < n; ++i) {
        RECT tile{left + i * side, top, left + (i + 1) * side, top + side};
        Grid g(dc, tile, 1);
        g.box(0, 0, 1, 1, colorref(i % 2 == 0 ? colblu : colgiallo), navy);
        SetTextColor(dc, navy);
        DrawTextW(dc, &letters[i], 1, &tile, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
}

void drawStrip(HDC dc, const RECT& r) {
    // Small tiles without letters, a one-pixel gap between them.
    const int height = r.bottom - r.top;
    for (int x = r.left, i = 0; x + height <= r.right; x += height + 1, ++i) {
        RECT tile{x, r.top, x + height, r.bottom};
        FillRect(dc, &tile, brush(i % 2 == 0 ? colblu : colgiallo));
    }
}

}  // namespace

void drawPicture(HDC dc, std::string_view name, const RECT& where) {
    const layout::Font comic{"Comic Sans MS", 0, 700};
    if (name == "lastrino") drawIcon(dc, where);
    else if (name == "comincia") drawComincia(dc, where);
    else if (name == "aiuto") drawAiuto(dc, where);
    else if (name == "esci") drawEsci(dc, where);
    else if (name == "titolo") drawTileRow(dc, where, L"LASTRINO!", comic);
    else if (name == "vittoria") drawTileRow(dc, where, L"COMPLIMENTI!", comic);
    else if (name == "striscia") drawStrip(dc, where);
}

HICON makeIcon(int size) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP colour = CreateCompatibleBitmap(screen, size, size);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);  // all opaque
    HGDIOBJ old = SelectObject(dc, mask);
    PatBlt(dc, 0, 0, size, size, BLACKNESS);
    SelectObject(dc, colour);
    drawIcon(dc, RECT{0, 0, size, size});
    SelectObject(dc, old);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colour);
    DeleteObject(mask);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return icon;
}

}  // namespace lastrino::win32
