// The two windows as designed: every control's place, look and state at
// load, as plain data, the 32 cells of the board among them. Each front end
// builds its windows from these tables, so a layout fix is made here once;
// here too are what every front end needs to draw them alike: the pictures'
// files, the faces that stand in for the designed ones, the twips-to-pixel
// sums and what a screen reader calls each control.
//
// Places and sizes are in twips; at 15 twips to the pixel they give the
// pixels on screen. A control inside a frame is placed relative to the frame.
#pragma once

#include "grid.h"

#include <array>
#include <cmath>
#include <span>
#include <string>
#include <string_view>

namespace lastrino::layout {

constexpr int twipsPerPixel = 15;
constexpr int pixels(int twips) { return twips / twipsPerPixel; }
// A font's size in pixels on a screen of `dpi` dots to the inch (96: the
// layout's own, whatever the screen).
constexpr int fontPixels(double points, int dpi = 96) { return static_cast<int>(points * dpi / 72 + 0.5); }

constexpr Colour colbuttontext = 0x80000012;  // system colour 18: button text

enum class Kind { Cell, PictureButton, Button, Label, Frame, Option, PictureBox, Shape, Image };
enum class Align { Left, Centre };

struct Font {
    std::string_view face{};
    double points = 0;
    int weight = 400;  // 700 is bold
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Control {
    std::string_view name{};
    int cell = 0;  // 1 to 32 for a cell of the board, else 0
    Kind kind = Kind::Label;
    std::string_view parent{};  // the frame it sits in, or "" for the window
    Rect twips{};
    std::string_view caption{};
    Colour back = colpesca;  // face of a button, outline of a shape
    Colour text = coltesto;
    Font font{};
    int tabIndex = -1;  // -1: not in the tab order
    bool visible = true;
    bool selected = false;  // option buttons
    std::string_view tooltip{};
    std::string_view picture{};  // name of the artwork it shows
    Align align = Align::Left;
    bool wordWrap = false;
};

struct Window {
    std::string_view name{};
    std::string_view caption{};
    std::string_view focus;  // the control that has the focus once the window loads
    int clientWidth;         // twips
    int clientHeight;
    Colour back;
    std::string_view icon;
    std::span<const Control> controls;
};

constexpr Font msSans12Bold{"MS Sans Serif", 12, 700};
constexpr Font msSansSmallBold{"MS Sans Serif", 9.75, 700};
constexpr Font cellFont{"MS Sans Serif", 18, 400};
constexpr Font comicSmall{"Comic Sans MS", 9.75, 400};
constexpr Font comic12{"Comic Sans MS", 12, 400};
constexpr Font comic18Bold{"Comic Sans MS", 18, 700};

// Cell buttons: a pitch of 600 and a size of 615, so neighbours overlap by
// one pixel and no gap shows.
constexpr int cellSize = 615;
constexpr Rect pixels(const Rect& twips) {
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

constexpr Rect cellRect(int cell) { return {480 + 600 * columnOf(cell), 1680 + 600 * rowOf(cell), cellSize, cellSize}; }
// Cells 1 to 28 follow the three buttons in the tab order; 29 to 32 come
// after Label1 and Picture1.
constexpr int cellTabIndex(int cell) { return cell <= 28 ? cell + 2 : cell + 4; }

// Design state of a cell: the solved board.
constexpr Colour cellColourAtLoad(int cell) { return cell == cells ? colvuoto : tileColour(cell); }

// The tables keep one control to a line or two, as they read best.
// clang-format off
inline constexpr std::array<Control, 14> gameControls{{
    {.name = "Label1", .twips = {360, 1560, 2655, 5055}, .back = colrosso, .tabIndex = 31},
    {.name = "cmdcomincia", .kind = Kind::PictureButton, .twips = {3240, 5400, 615, 615},
     .back = colgiallo, .tabIndex = 0, .tooltip = "Comincia", .picture = "comincia"},
    {.name = "cmdaiuto", .kind = Kind::PictureButton, .twips = {3960, 5400, 615, 615},
     .back = colgiallo, .tabIndex = 43, .visible = false, .tooltip = "Aiuto!", .picture = "aiuto"},
    {.name = "cmdesci", .kind = Kind::PictureButton, .twips = {4680, 5400, 615, 615},
     .back = colgiallo, .tabIndex = 2, .tooltip = "Esci", .picture = "esci"},
    {.name = "cmdsoluzione", .kind = Kind::Button, .twips = {3600, 6120, 1335, 495},
     .caption = "&Soluzione", .back = colgiallo, .text = colbuttontext, .font = comicSmall,
     .tabIndex = 1, .align = Align::Centre},
    {.name = "Frame2", .kind = Kind::Frame, .twips = {3360, 1560, 1815, 855}, .caption = "Mosse",
     .font = msSans12Bold, .tabIndex = 38},
    {.name = "lblcont", .parent = "Frame2", .twips = {120, 360, 1335, 375}, .caption = "0",
     .font = msSans12Bold, .tabIndex = 39},
    {.name = "Frame1", .kind = Kind::Frame, .twips = {3360, 2640, 1815, 1215}, .caption = "Tempo",
     .font = msSans12Bold, .tabIndex = 37},
    {.name = "optsi", .kind = Kind::Option, .parent = "Frame1", .twips = {120, 360, 615, 255},
     .caption = "Sì", .font = msSansSmallBold, .tabIndex = 41},
    {.name = "optno", .kind = Kind::Option, .parent = "Frame1", .twips = {960, 360, 735, 255},
     .caption = "No", .font = msSansSmallBold, .tabIndex = 42, .selected = true},
    {.name = "lbltime", .parent = "Frame1", .twips = {120, 720, 1095, 375}, .caption = "00:00",
     .font = msSans12Bold, .tabIndex = 40},
    {.name = "Picture1", .kind = Kind::PictureBox, .twips = {840, 360, 3855, 735}, .tabIndex = 32,
     .picture = "titolo"},
    // An outline 16 px outside Picture1 on every side.
    {.name = "Shape1", .kind = Kind::Shape, .twips = {600, 120, 4335, 1215}, .back = coltesto},
    {.name = "Image1", .kind = Kind::Image, .twips = {120, 6840, 1230, 165}, .picture = "striscia"},
}};

// clang-format on

namespace detail {
// The cells' names "cmd1" to "cmd32" and their captions at load, "1" to "31"
// and "" for the empty cell, kept where the table's views can point.
struct CellText {
    char name[6]{};
    char caption[3]{};
};
constexpr std::array<CellText, cells + 1> cellTexts() {
    std::array<CellText, cells + 1> t{};
    for (int n = 1; n <= cells; ++n) {
        char digits[3]{};
        int i = 0;
        if (n >= 10) digits[i++] = char('0' + n / 10);
        digits[i] = char('0' + n % 10);
        t[n].name[0] = 'c', t[n].name[1] = 'm', t[n].name[2] = 'd';
        for (int k = 0; digits[k] != 0; ++k) {
            t[n].name[3 + k] = digits[k];
            if (n < cells) t[n].caption[k] = digits[k];
        }
    }
    return t;
}
inline constexpr auto cellText = cellTexts();

// The window's own controls, then its 32 cells in the solved board.
template <std::size_t N>
constexpr std::array<Control, N + cells> withCells(const std::array<Control, N>& own) {
    std::array<Control, N + cells> all{};
    for (std::size_t i = 0; i < N; ++i) all[i] = own[i];
    for (int n = 1; n <= cells; ++n) {
        all[N + n - 1] = {.name = cellText[n].name,
                          .cell = n,
                          .kind = Kind::Cell,
                          .twips = cellRect(n),
                          .caption = cellText[n].caption,
                          .back = cellColourAtLoad(n),
                          .text = colbuttontext,
                          .font = cellFont,
                          .tabIndex = cellTabIndex(n),
                          .align = Align::Centre};
    }
    return all;
}
}  // namespace detail

inline constexpr auto gameControlsAndCells = detail::withCells(gameControls);

// clang-format off
inline constexpr Window frmgioco{"frmgioco", "Lastrino!", "cmdcomincia", 5535, 7110, colpesca, "lastrino",
                                 gameControlsAndCells};
// clang-format on

// clang-format off
inline constexpr std::array<Control, 5> endControls{{
    {.name = "Picture1", .kind = Kind::PictureBox, .twips = {360, 240, 5415, 735}, .tabIndex = 0,
     .picture = "vittoria"},
    // Form_Load replaces this caption before the window is ever seen.
    {.name = "lblmess", .twips = {360, 1200, 5415, 1095}, .caption = "Hai vinto!", .font = comic18Bold,
     .tabIndex = 1, .align = Align::Centre, .wordWrap = true},
    {.name = "Label2", .twips = {1800, 2400, 2535, 375}, .caption = "Un'altra partita?",
     .text = colrosso, .font = comic12, .tabIndex = 2, .align = Align::Centre},
    {.name = "cmdsi", .kind = Kind::Button, .twips = {1800, 3000, 1095, 375}, .caption = "&Sì",
     .back = colsi, .text = colbuttontext, .font = msSansSmallBold, .tabIndex = 3,
     .align = Align::Centre},
    {.name = "cmdno", .kind = Kind::Button, .twips = {3240, 3000, 1095, 375}, .caption = "&No",
     .back = colsi, .text = colbuttontext, .font = msSansSmallBold, .tabIndex = 4,
     .align = Align::Centre},
}};

inline constexpr Window frmscelta{"frmscelta", "Un'altra partita?", "cmdsi", 6135, 3495, colpesca, "lastrino",
                                  endControls};
// clang-format on

// What a screen reader says of the controls that have no caption to read.
// A cell: its tile, or that it is empty...
inline std::string cellName(std::string_view label) { return label.empty() ? "vuota" : std::string(label); }
// ...and where it stands, counted from 1; the place stays with the cell as tiles move.
inline std::string cellPlace(int cell) {
    return "riga " + std::to_string(rowOf(cell) + 1) + ", colonna " + std::to_string(columnOf(cell) + 1);
}
// A picture box or image: what its picture shows.
constexpr std::string_view pictureName(std::string_view picture) {
    if (picture == "titolo") return "Lastrino!";
    if (picture == "striscia") return "Tessere";
    if (picture == "vittoria") return "Vittoria!";
    return "";
}

// The control whose text a screen reader reads as its window's description
// as the window opens: the end window's message.
constexpr bool describesWindow(const Control& c) { return c.name == "lblmess"; }

// The face installed in its place where a face the tables name is missing:
// Comic Neue is drawn after Comic Sans; Liberation Sans is the sans face
// Debian ships that comes nearest to MS Sans Serif's metrics.
constexpr std::string_view installedFace(std::string_view face) {
    if (face == "Comic Sans MS") return "Comic Neue";
    if (face == "MS Sans Serif") return "Liberation Sans";
    return face;
}

// The SVG file of a named picture, or of the window icon, under assets/.
inline std::string pictureFile(std::string_view picture) {
    const bool banner = picture == "titolo" || picture == "striscia" || picture == "vittoria";
    return (banner ? "pictures/" : "icons/") + std::string(picture) + ".svg";
}

// Where a load step puts a window: centred on the screen by its outer size,
// in twips, halved in single precision, fraction kept, never clamped.
struct WindowPosition {
    float top;
    float left;
};
constexpr WindowPosition centred(float screenWidth, float screenHeight, float windowWidth, float windowHeight) {
    return {(screenHeight - windowHeight) / 2.0f, (screenWidth - windowWidth) / 2.0f};
}
// The same from sizes in pixels of `twips` twips each (15 at 96 dpi), back
// to whole pixels: the fraction is kept down to the twips, the move itself
// is in whole pixels.
struct PixelPosition {
    long left;
    long top;
};
inline PixelPosition centredPixels(float screenWidth, float screenHeight, float windowWidth, float windowHeight,
                                   float twips = twipsPerPixel) {
    const WindowPosition at =
        centred(screenWidth * twips, screenHeight * twips, windowWidth * twips, windowHeight * twips);
    return {std::lround(at.left / twips), std::lround(at.top / twips)};
}

// The control of a window by name; nullptr when it has none of that name.
constexpr const Control* find(const Window& w, std::string_view name) {
    for (const Control& c : w.controls) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

}  // namespace lastrino::layout
