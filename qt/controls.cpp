#include "controls.h"

#include "widgets.h"

#include "logic/actions.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace lastrino::ui {

namespace {
constexpr Colour buttonFace = 0x8000000F;
constexpr Colour buttonText = 0x80000012;

// Where a tab index is kept on a control, for orderTabs.
constexpr char tabIndexProperty[] = "tabIndex";

// Roles for a screen reader where a plain QWidget would say nothing: the two
// windows are windows, a picture box is an image, a frame groups the
// controls inside it.
QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    for (const layout::Window* design : {&layout::frmgioco, &layout::frmscelta}) {
        if (className == QLatin1String("lastrino::ui::") + text(design->name))
            return new QAccessibleWidget(w, QAccessible::Window);
    }
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new QAccessibleWidget(w, QAccessible::Graphic);
    if (className == QLatin1String(Frame::staticMetaObject.className()))
        return new QAccessibleWidget(w, QAccessible::Grouping);
    return nullptr;
}

void setColours(QWidget& w, Colour back, Colour text) {
    QPalette pal = w.palette();
    pal.setColor(QPalette::Window, toQColor(back));
    pal.setColor(QPalette::WindowText, toQColor(text));
    w.setPalette(pal);
}
}  // namespace

QColor toQColor(Colour colour) { return toQColor(colour, QApplication::palette()); }

QColor toQColor(Colour colour, const QPalette& system) {
    if (colour == buttonFace) return system.color(QPalette::Active, QPalette::Button);
    if (colour == buttonText) return system.color(QPalette::Active, QPalette::ButtonText);
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QString installedFace(std::string_view face) {
    // Comic Neue is drawn after Comic Sans; Liberation Sans is the sans
    // face Debian ships that comes nearest to MS Sans Serif's metrics.
    if (face == "Comic Sans MS") return QStringLiteral("Comic Neue");
    if (face == "MS Sans Serif") return QStringLiteral("Liberation Sans");
    return text(face);
}

int pixelSize(double points) { return int(std::lround(points * 96.0 / 72.0)); }

QFont toQFont(const layout::Font& font) {
    QFont f(installedFace(font.face));
    f.setPixelSize(pixelSize(font.points));
    f.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    return f;
}

QRect toPixels(const layout::Rect& twips) {
    using layout::pixels;
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

QString picturePath(std::string_view name) {
    const bool icon = name == "lastrino" || name == "comincia" || name == "aiuto" || name == "esci";
    return QStringLiteral(":/assets/%1/%2.svg").arg(icon ? "icons" : "pictures", text(name));
}

namespace {
// Each picture parsed once for the program: the renderers belong to the
// application and go with it.
QSvgRenderer& renderer(std::string_view name) {
    static QHash<QString, QPointer<QSvgRenderer>> parsed;
    const QString path = picturePath(name);
    QPointer<QSvgRenderer>& svg = parsed[path];
    if (!svg) svg = new QSvgRenderer(path, QCoreApplication::instance());
    return *svg;
}
}  // namespace

QIcon windowIcon() {
    // Rendered at the sizes a title bar and a task bar ask for; larger views
    // take the installed scalable icon through the desktop entry. Every size
    // goes to the X server before the window maps, so each one costs start-up.
    QSvgRenderer& svg = renderer("lastrino");
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        svg.render(&p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void paintPicture(QPainter& painter, std::string_view name, const QRectF& box) {
    QSvgRenderer& svg = renderer(name);
    if (!svg.isValid()) return;
    QSizeF size = svg.defaultSize();
    size.scale(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.left() + (box.width() - size.width()) / 2, box.top() + (box.height() - size.height()) / 2,
                        size.width(), size.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, target);
    painter.restore();
}

Controls buildWindow(QWidget& window, const layout::Window& design) {
    using layout::Kind;
    static const bool accessibleFactory = (QAccessible::installFactory(accessibleControl), true);
    Q_UNUSED(accessibleFactory);
    window.setObjectName(text(design.name));
    window.setWindowTitle(text(design.caption));
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window.setFixedSize(layout::pixels(design.clientWidth), layout::pixels(design.clientHeight));
    // One icon for the whole program, which every window shows: an icon of
    // each window's own would leave its rendered sizes in Qt's pixmap cache
    // after the window is gone, up to the cache's 10 MB.
    if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(windowIcon());
    setColours(window, design.back, coltesto);
    window.setAutoFillBackground(true);

    Controls controls;
    QList<QWidget*> surface;  // drawn on the window itself, beneath the rest
    for (const layout::Control& c : design.controls) {
        QWidget* parent = c.parent.empty() ? &window : controls.value(text(c.parent));
        Q_ASSERT(parent);
        QWidget* w = nullptr;
        switch (c.kind) {
        case Kind::Cell:
        case Kind::PictureButton:
        case Kind::Button: {
            auto* b = new FaceButton(parent);
            b->setText(text(c.caption));
            b->setFace(c.back);
            b->setTextColour(c.kind == Kind::Button ? c.text : buttonText);
            b->setPicture(std::string(c.picture));
            w = b;
            break;
        }
        case Kind::Label: {
            auto* l = new QLabel(parent);
            l->setTextFormat(Qt::PlainText);
            l->setText(text(c.caption));
            l->setAlignment(Qt::AlignTop | (c.align == layout::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
            l->setWordWrap(c.wordWrap);
            l->setAutoFillBackground(true);
            l->setFocusPolicy(Qt::NoFocus);
            setColours(*l, c.back, c.text);
            if (parent == &window) surface.append(l);
            // The counter and the clock read as their caption, then as
            // the frame that says what they count.
            if (auto* frame = qobject_cast<Frame*>(parent)) l->setAccessibleDescription(frame->caption());
            w = l;
            break;
        }
        case Kind::Frame: {
            auto* f = new Frame(parent, text(c.caption));
            f->setAccessibleName(f->caption());
            setColours(*f, c.back, c.text);
            w = f;
            break;
        }
        case Kind::Option: {
            auto* o = new OptionButton(text(c.caption), parent);
            o->setChecked(c.selected);
            o->setAutoFillBackground(true);
            o->setFocusPolicy(Qt::StrongFocus);
            o->setBackgroundRole(QPalette::Window);
            setColours(*o, c.back, c.text);
            w = o;
            break;
        }
        case Kind::PictureBox: {
            auto* p = new PictureBox(parent, std::string(c.picture), true);
            p->setAccessibleName(text(layout::pictureName(c.picture)));
            setColours(*p, c.back, c.text);
            w = p;
            break;
        }
        case Kind::Image: {
            auto* p = new PictureBox(parent, std::string(c.picture), false);
            p->setAccessibleName(text(layout::pictureName(c.picture)));
            p->setAutoFillBackground(false);
            surface.append(p);
            w = p;
            break;
        }
        case Kind::Shape: {
            w = new Shape(parent, c.back);
            surface.append(w);
            break;
        }
        }
        w->setObjectName(text(c.name));
        w->setGeometry(toPixels(c.twips));
        if (!c.font.face.empty()) w->setFont(toQFont(c.font));
        if (!c.tooltip.empty()) w->setToolTip(text(c.tooltip));
        if (c.tabIndex >= 0) w->setProperty(tabIndexProperty, c.tabIndex);
        w->setVisible(c.visible);
        controls.insert(w->objectName(), w);
    }
    // Lower the surface in reverse, so that among themselves they keep the table's order.
    for (auto it = surface.rbegin(); it != surface.rend(); ++it) (*it)->lower();
    return controls;
}

void setTabIndex(QWidget& control, int tabIndex) { control.setProperty(tabIndexProperty, tabIndex); }

void orderTabs(QWidget& window) {
    QList<std::pair<int, QWidget*>> chain;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const QVariant index = w->property(tabIndexProperty);
        if (index.isValid() && (w->focusPolicy() & Qt::TabFocus)) chain.append({index.toInt(), w});
    }
    std::stable_sort(chain.begin(), chain.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (qsizetype i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
}

void centre(QWidget& window) {
    using layout::twipsPerPixel;
    // The native window first, so that its frame is known where the platform can tell.
    window.winId();
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    const WindowPosition at = centred(float(screen.width() * twipsPerPixel), float(screen.height() * twipsPerPixel),
                                      float(outer.width() * twipsPerPixel), float(outer.height() * twipsPerPixel));
    // The fraction is kept down to the twips; the move itself is in whole pixels.
    window.move(screen.left() + int(std::lround(at.left / twipsPerPixel)),
                screen.top() + int(std::lround(at.top / twipsPerPixel)));
}

void showInFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace lastrino::ui
