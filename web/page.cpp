// Lastrino! in the browser: the page is the shell's screen. Each window is
// built on the page from its table in logic/layout.h, placed in CSS pixels,
// coloured and lettered as designed; page.js hands every click, close box,
// arrow key and tick of the timer to the shell by window and control name.
#include "logic/layout.h"
#include "logic/shell.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace lastrino::web {

namespace {
using emscripten::val;
using layout::Kind;

val document() { return val::global("document"); }
val byId(const std::string& id) { return document().call<val>("getElementById", id); }

// A control's element, by its id "window-name"; for an option, its radio input.
std::string idOf(std::string_view window, std::string_view control) {
    return std::string(window) + "-" + std::string(control);
}
val element(const Control& c) { return byId(idOf(formOf(c).name, c.name)); }

val create(const char* tag, val parent, const char* cls = nullptr) {
    val e = document().call<val>("createElement", std::string(tag));
    if (cls) e.set("className", std::string(cls));
    parent.call<void>("appendChild", e);
    return e;
}

void attr(val e, const char* name, std::string_view value) {
    e.call<void>("setAttribute", std::string(name), std::string(value));
}

void style(val e, const char* property, std::string_view value) { e["style"].set(property, std::string(value)); }

void setText(val e, std::string_view text) { e.set("textContent", std::string(text)); }

// A CSS colour for a colour value; system colours by their CSS names.
std::string css(Colour colour) {
    if (colour == colvuoto) return "ButtonFace";
    if (colour == layout::colbuttontext) return "ButtonText";
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return text;
}

std::string px(int twips) { return std::to_string(layout::pixels(twips)) + "px"; }

void place(val e, const layout::Rect& r) {
    style(e, "left", px(r.left));
    style(e, "top", px(r.top));
    style(e, "width", px(r.width));
    style(e, "height", px(r.height));
}

// The faces installed in place of the designed ones are served with the page.
void setFont(val e, const layout::Font& f) {
    if (f.face.empty()) return;
    style(e, "fontFamily", "'" + std::string(layout::installedFace(f.face)) + "', sans-serif");
    style(e, "fontSize", std::to_string(std::lround(f.points * 96.0 / 72.0)) + "px");
    style(e, "fontWeight", f.weight >= 700 ? "700" : "400");
}

// "&" underlines the letter after it, which Alt then presses (page.js).
void setCaption(val e, std::string_view caption) {
    const auto amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size()) {
        setText(e, caption);
        return;
    }
    const char letter = caption[amp + 1];  // an ASCII letter in every caption
    setText(e, caption.substr(0, amp));
    create("u", e).set("textContent", std::string(1, letter));
    e.call<void>("append", std::string(caption.substr(amp + 2)));
    const char lower = static_cast<char>(letter | 0x20);
    attr(e, "data-accesskey", std::string(1, lower));
    attr(e, "aria-keyshortcuts", std::string("Alt+") + static_cast<char>(lower & ~0x20));
}

val picture(val parent, std::string_view name, const char* cls, std::string_view alt) {
    val img = create("img", parent, cls);
    img.set("src", layout::pictureFile(name));
    img.set("alt", std::string(alt));
    img.set("draggable", false);
    return img;
}

// A screen reader names a cell by its tile, which has no caption when empty.
void nameCell(val cell, std::string_view label) { attr(cell, "aria-label", layout::cellName(label)); }

void setTooltip(val e, std::string_view tooltip) {
    e.set("title", std::string(tooltip));
    attr(e, "aria-label", tooltip);
}

// One control in its design state.
void build(const Control& c, val client, const std::string& window) {
    val parent = c.parent.empty() ? client : byId(idOf(window, c.parent));
    val placed = val::null();  // the element placed; the control itself but for an option
    val control = val::null();
    switch (c.kind) {
    case Kind::Cell:
    case Kind::PictureButton:
    case Kind::Button: {
        placed = control = create("button", parent, c.kind == Kind::Cell ? "button cell" : "button");
        control.set("type", std::string("button"));
        style(control, "backgroundColor", css(c.back));
        style(control, "color", css(c.text));
        setCaption(control, c.caption);
        if (!c.picture.empty()) picture(control, c.picture, nullptr, "");
        if (!c.tooltip.empty()) setTooltip(control, c.tooltip);
        if (c.cell != 0) {
            nameCell(control, c.caption);
            attr(control, "aria-description", layout::cellPlace(c.cell));
        }
        break;
    }
    case Kind::Label:
        placed = control = create("div", parent, c.parent.empty() ? "label surface" : "label");
        setText(control, c.caption);
        style(control, "textAlign", c.align == layout::Align::Centre ? "center" : "left");
        style(control, "whiteSpace", c.wordWrap ? "normal" : "nowrap");
        break;
    case Kind::Frame: {
        placed = control = create("div", parent, "frame");
        attr(control, "role", "group");
        create("div", control, "edge");
        val legend = create("span", control, "legend");
        const std::string id = idOf(window, c.name) + "-legend";
        legend.set("id", id);
        setText(legend, c.caption);
        attr(control, "aria-labelledby", id);
        break;
    }
    case Kind::Option: {
        placed = create("label", parent, "option");
        control = create("input", placed);
        control.set("type", std::string("radio"));
        control.set("name", idOf(window, c.parent));
        control.set("checked", c.selected);
        setText(create("span", placed), c.caption);
        break;
    }
    case Kind::PictureBox:
        // It takes the focus in its place in the tab order, as on the desktop.
        placed = control = picture(parent, c.picture, "picture", layout::pictureName(c.picture));
        control.set("tabIndex", 0);
        break;
    case Kind::Image:
        placed = control = picture(parent, c.picture, "picture surface", layout::pictureName(c.picture));
        break;
    case Kind::Shape:
        placed = control = create("div", parent, "shape surface");
        style(control, "borderColor", css(c.back));
        break;
    }
    if (c.kind != Kind::Cell && c.kind != Kind::PictureButton && c.kind != Kind::Button) {
        style(placed, "backgroundColor", c.kind == Kind::Shape || c.kind == Kind::Image ? "transparent" : css(c.back));
        style(placed, "color", css(c.text));
    }
    place(placed, c.twips);
    setFont(placed, c.font);
    if (!c.visible) style(placed, "visibility", "hidden");
    control.set("id", idOf(window, c.name));
    attr(control, "data-control", c.name);
}

// A window: a frame with a title bar around the client area, where its
// controls sit.
val buildWindow(const Form& design) {
    const std::string name(design.name);
    val frame = create("div", document()["body"], "window");
    frame.set("id", name);
    attr(frame, "role", "dialog");
    attr(frame, "aria-labelledby", name + "-caption");

    val bar = create("div", frame, "titlebar");
    picture(bar, design.icon, "icon", "");
    val caption = create("span", bar, "caption");
    caption.set("id", name + "-caption");
    setText(caption, design.caption);
    // The title bar's close box: never in the tab order, as on the desktop.
    val close = create("button", bar, "close");
    close.set("type", std::string("button"));
    close.set("tabIndex", -1);
    setTooltip(close, "Chiudi");
    setText(close, "\u00d7");

    val client = create("div", frame, "client");
    style(client, "width", px(design.clientWidth));
    style(client, "height", px(design.clientHeight));
    style(client, "backgroundColor", css(design.back));

    // The page's tab order is the order of the elements: controls are added
    // by tab index, those outside the tab order first.
    std::vector<const Control*> order;
    for (const auto& c : design.controls) order.push_back(&c);
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (const Control* c : order) build(*c, client, name);
    return frame;
}

// Centred on the page by its outer size, as a desktop window is on the
// screen, but never with its title bar above or left of the page, where it
// does not fit: the page scrolls to the rest. Again when the page is
// resized, until the player moves it (page.js).
void centre(val frame) {
    const val page = document()["documentElement"];  // the page without its scroll bars
    const auto at = layout::centredPixels(page["clientWidth"].as<float>(), page["clientHeight"].as<float>(),
                                          frame["offsetWidth"].as<float>(), frame["offsetHeight"].as<float>());
    style(frame, "left", std::to_string(std::max(0L, at.left)) + "px");
    style(frame, "top", std::to_string(std::max(0L, at.top)) + "px");
}

class Page final : public Screen {
public:
    void load(const Form& form) override {
        val frame = buildWindow(form);
        // A screen reader reads the end window's message as it opens.
        if (&form == &layout::frmscelta) attr(frame, "aria-describedby", idOf(form.name, "lblmess"));
        centre(frame);
        val::module_property("raise")(frame);
    }
    void unload(const Form& form) override { val::module_property("unload")(byId(std::string(form.name))); }

    void setText(const Control& c, std::string_view text) override {
        setCaption(element(c), text);
        if (c.cell != 0) nameCell(element(c), text);
    }
    void setColour(const Control& c, Colour face) override { style(element(c), "backgroundColor", css(face)); }
    void setVisible(const Control& c, bool visible) override {
        style(c.kind == Kind::Option ? element(c)["parentElement"] : element(c), "visibility",
              visible ? "visible" : "hidden");
    }
    void setEnabled(const Control& c, bool enabled) override { element(c).set("disabled", !enabled); }
    void setSelected(const Control& option) override { element(option).set("checked", true); }
    void setTooltip(const Control& c, std::string_view text) override { web::setTooltip(element(c), text); }
    void setFocus(const Control& c) override { element(c).call<void>("focus"); }

    // The page's timer ticks by its period, and 0 stops it (page.js).
    void startTimer(unsigned milliseconds) override { val::module_property("timer")(milliseconds); }
    void stopTimer() override { val::module_property("timer")(0); }

    // Both windows are gone: the page says goodbye.
    void end() override {
        val goodbye = byId("addio");
        goodbye.set("hidden", false);
        goodbye.call<val>("querySelector", std::string("a")).call<void>("focus");
    }
};

Shell& shell() {
    static Page page;
    static Shell s(page);
    return s;
}

const Form& form(const std::string& name) {
    return name == layout::frmscelta.name ? layout::frmscelta : layout::frmgioco;
}

void press(const std::string& window, const std::string& control) {
    if (const Control* c = layout::find(form(window), control)) shell().press(*c);
}

// An arrow key (0 to 3: up, down, left, right) where `focused` has the focus:
// false when the page's own arrows are the ones to act.
bool key(const std::string& window, const std::string& focused, int arrow) {
    return shell().key(form(window), layout::find(form(window), focused), static_cast<Key>(arrow));
}
}  // namespace

}  // namespace lastrino::web

int main() { lastrino::web::shell().run(); }

EMSCRIPTEN_BINDINGS(lastrino) {
    using namespace lastrino::web;
    emscripten::function("press", &press);
    emscripten::function(
        "close", +[](const std::string& window) { shell().close(form(window)); });
    emscripten::function("key", &key);
    emscripten::function(
        "tick", +[] { shell().tick(); });
    emscripten::function("centre", &centre);
}
