#include "page.h"

#include "logic/actions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace lastrino::web {

namespace {
using layout::Kind;

val document() { return val::global("document"); }

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

std::string px(int twips) { return std::to_string(layout::pixels(twips)) + "px"; }

void place(val e, const layout::Rect& r) {
    style(e, "left", px(r.left));
    style(e, "top", px(r.top));
    style(e, "width", px(r.width));
    style(e, "height", px(r.height));
}

// The faces Debian ships for the ones the windows name, served with the page.
void setFont(val e, const layout::Font& f) {
    if (f.face.empty()) return;
    style(e, "fontFamily", f.face == "Comic Sans MS" ? "'Comic Neue', sans-serif" : "'Liberation Sans', sans-serif");
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

std::string picturePath(std::string_view name) {
    const bool icon = name == "lastrino" || name == "comincia" || name == "aiuto" || name == "esci";
    return std::string(icon ? "icons/" : "pictures/") + std::string(name) + ".svg";
}

val picture(val parent, std::string_view name, const char* cls, std::string_view alt) {
    val img = create("img", parent, cls);
    img.set("src", picturePath(name));
    img.set("alt", std::string(alt));
    img.set("draggable", false);
    return img;
}

// One control; returns the element that is placed, and puts the one the
// program acts on (the radio input of an option) into the window's map.
val build(const layout::Control& c, Window& w, const std::string& windowName) {
    val parent = c.parent.empty() ? w.client : w[c.parent];
    val placed = val::null();
    val control = val::null();
    switch (c.kind) {
    case Kind::Cell:
    case Kind::PictureButton:
    case Kind::Button: {
        placed = control = create("button", parent, c.kind == Kind::Cell ? "button cell" : "button");
        control.set("type", std::string("button"));
        setFace(control, c.back);
        style(control, "color", css(c.text));
        setCaption(control, c.caption);
        if (!c.picture.empty()) picture(control, c.picture, nullptr, "");
        if (!c.tooltip.empty()) {
            control.set("title", std::string(c.tooltip));
            attr(control, "aria-label", c.tooltip);
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
        const std::string id = windowName + "-" + std::string(c.name) + "-legend";
        legend.set("id", id);
        setText(legend, c.caption);
        attr(control, "aria-labelledby", id);
        break;
    }
    case Kind::Option: {
        placed = create("label", parent, "option");
        control = create("input", placed);
        control.set("type", std::string("radio"));
        control.set("name", windowName + "-" + std::string(c.parent));
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
    control.set("id", windowName + "-" + std::string(c.name));
    attr(control, "data-control", c.name);
    w.controls.emplace(std::string(c.name), control);
    return placed;
}
}  // namespace

std::string css(Colour colour) {
    if (colour == colvuoto) return "ButtonFace";
    if (colour == layout::colbuttontext) return "ButtonText";
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return text;
}

void setText(val element, std::string_view text) { element.set("textContent", std::string(text)); }

void setFace(val button, Colour colour) { style(button, "backgroundColor", css(colour)); }

Window buildWindow(const layout::Window& design, std::span<const layout::Control> extra) {
    const std::string name(design.name);
    Window w;
    w.frame = create("div", document()["body"], "window");
    w.frame.set("id", name);
    attr(w.frame, "data-window", name);
    attr(w.frame, "role", "dialog");
    attr(w.frame, "aria-labelledby", name + "-caption");

    val bar = create("div", w.frame, "titlebar");
    picture(bar, design.icon, "icon", "");
    val caption = create("span", bar, "caption");
    caption.set("id", name + "-caption");
    setText(caption, design.caption);
    // The title bar's close box: never in the tab order, as on the desktop.
    val close = create("button", bar, "close");
    close.set("type", std::string("button"));
    close.set("tabIndex", -1);
    close.set("title", std::string("Chiudi"));
    attr(close, "aria-label", "Chiudi");
    attr(close, "data-control", "chiudi");
    setText(close, "\u00d7");

    val client = w.client = create("div", w.frame, "client");
    style(client, "width", px(design.clientWidth));
    style(client, "height", px(design.clientHeight));
    style(client, "backgroundColor", css(design.back));

    // The page's tab order is the order of the elements: controls are added
    // by tab index, those outside the tab order first.
    std::vector<const layout::Control*> order;
    for (const auto& c : design.controls) order.push_back(&c);
    for (const auto& c : extra) order.push_back(&c);
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (const layout::Control* c : order) build(*c, w, name);
    return w;
}

void centre(val frame) {
    using layout::twipsPerPixel;
    const val page = document()["documentElement"];  // the page without its scroll bars
    const WindowPosition at =
        centred(page["clientWidth"].as<float>() * twipsPerPixel, page["clientHeight"].as<float>() * twipsPerPixel,
                frame["offsetWidth"].as<float>() * twipsPerPixel, frame["offsetHeight"].as<float>() * twipsPerPixel);
    // Kept in twips down to the fraction; the page places it on whole pixels,
    // and where it does not fit, at its top left corner: the page scrolls to the rest.
    style(frame, "left", std::to_string(std::max(0L, std::lround(at.left / twipsPerPixel))) + "px");
    style(frame, "top", std::to_string(std::max(0L, std::lround(at.top / twipsPerPixel))) + "px");
}

void centreAndRaise(const Window& w) {
    centre(w.frame);
    val::module_property("raise")(w.frame);
}

void unload(Window& w) {
    if (w.frame.isNull()) return;
    val::module_property("unload")(w.frame);
    w.frame = w.client = val::null();
    w.controls.clear();
}

}  // namespace lastrino::web
