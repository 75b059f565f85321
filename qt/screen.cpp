#include "screen.h"

#include "widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include <algorithm>

namespace lastrino::ui {

namespace {
using layout::Kind;

std::size_t slot(const Form& form) { return &form == &layout::frmgioco ? 0 : 1; }

// Roles for a screen reader where a plain QWidget would say nothing: the
// windows are windows, a picture box is an image, a frame groups the
// controls inside it.
QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    const auto is = [&](const QMetaObject& kind) { return w && className == QLatin1String(kind.className()); };
    if (is(Window::staticMetaObject)) return new QAccessibleWidget(w, QAccessible::Window);
    if (is(PictureBox::staticMetaObject)) return new QAccessibleWidget(w, QAccessible::Graphic);
    if (is(Frame::staticMetaObject)) return new QAccessibleWidget(w, QAccessible::Grouping);
    return nullptr;
}

void setColours(QWidget& w, Colour back, Colour text) {
    QPalette pal = w.palette();
    pal.setColor(QPalette::Window, toQColor(back, QApplication::palette()));
    pal.setColor(QPalette::WindowText, toQColor(text, QApplication::palette()));
    w.setPalette(pal);
}

// Sized at 96 dots to the inch, so the layout does not follow the screen's DPI.
QFont toQFont(const layout::Font& font) {
    QFont f(text(layout::installedFace(font.face)));
    f.setPixelSize(layout::fontPixels(font.points));
    f.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    return f;
}

// A control of the table in its design state, on `parent`.
QWidget* build(const Control& c, QWidget* parent) {
    switch (c.kind) {
    case Kind::Cell:
    case Kind::PictureButton:
    case Kind::Button: {
        auto* b = new FaceButton(parent);
        b->setText(text(c.caption));
        b->setFace(c.back);
        b->setTextColour(c.kind == Kind::PictureButton ? layout::colbuttontext : c.text);
        b->setPicture(std::string(c.picture));
        if (c.cell) b->setAccessibleDescription(text(layout::cellPlace(c.cell)));
        return b;
    }
    case Kind::Label: {
        auto* l = new QLabel(text(c.caption), parent);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignTop | (c.align == layout::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
        l->setWordWrap(c.wordWrap);
        l->setAutoFillBackground(true);
        setColours(*l, c.back, c.text);
        // The counter and the clock read as their caption, then as the frame
        // that says what they count.
        if (auto* frame = qobject_cast<Frame*>(parent)) l->setAccessibleDescription(frame->caption());
        return l;
    }
    case Kind::Frame: {
        auto* f = new Frame(parent, text(c.caption));
        f->setAccessibleName(f->caption());
        setColours(*f, c.back, c.text);
        return f;
    }
    case Kind::Option: {
        auto* o = new OptionButton(text(c.caption), parent);
        o->setChecked(c.selected);
        o->setAutoFillBackground(true);
        o->setFocusPolicy(Qt::StrongFocus);
        o->setBackgroundRole(QPalette::Window);
        setColours(*o, c.back, c.text);
        // The options of a frame are one group.
        auto* group = parent->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
        (group ? group : new QButtonGroup(parent))->addButton(o);
        return o;
    }
    case Kind::PictureBox:
    case Kind::Image: {
        auto* p = new PictureBox(parent, std::string(c.picture), c.kind == Kind::PictureBox);
        p->setAccessibleName(text(layout::pictureName(c.picture)));
        if (c.kind == Kind::PictureBox) setColours(*p, c.back, c.text);
        else p->setAutoFillBackground(false);
        return p;
    }
    case Kind::Shape:
        return new Shape(parent, c.back);
    }
    return nullptr;
}

// A window's load step: its outer size centred on its screen.
void centre(QWidget& window) {
    // The native window first, so that its frame is known where the platform can tell.
    window.winId();
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    const auto at = layout::centredPixels(float(screen.width()), float(screen.height()), float(outer.width()),
                                          float(outer.height()));
    window.move(screen.left() + int(at.left), screen.top() + int(at.top));
}
}  // namespace

Window::Window(QtScreen& screen, const Form& form) : screen_(screen), form_(form) {
    static const bool accessibleFactory = (QAccessible::installFactory(accessibleControl), true);
    Q_UNUSED(accessibleFactory);
    setObjectName(text(form.name));
    setWindowTitle(text(form.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(layout::pixels(form.clientWidth), layout::pixels(form.clientHeight));
    // One icon for the whole program, which every window shows: an icon of
    // each window's own would leave its rendered sizes in Qt's pixmap cache
    // after the window is gone, up to the cache's 10 MB.
    if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(ui::windowIcon(form.icon));
    setColours(*this, form.back, coltesto);
    setAutoFillBackground(true);
}

void Window::closeEvent(QCloseEvent* event) {
    // The close box unloads the window, through the shell; no handler of the game runs.
    event->ignore();
    if (screen_.window(form_) == this) screen_.shell().close(form_);
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
    // An arrow key on a control of this window is the shell's, unless it gives it back.
    static constexpr std::pair<int, Key> arrows[] = {
        {Qt::Key_Up, Key::Up}, {Qt::Key_Down, Key::Down}, {Qt::Key_Left, Key::Left}, {Qt::Key_Right, Key::Right}};
    if (event->type() != QEvent::KeyPress) return false;
    const auto at = std::find(widgets.begin(), widgets.end(), watched);
    for (const auto& [qtKey, key] : arrows) {
        if (static_cast<QKeyEvent*>(event)->key() == qtKey && at != widgets.end())
            return screen_.shell().key(form_, &form_.controls[std::size_t(at - widgets.begin())], key);
    }
    return false;
}

QtScreen::QtScreen() {
    // Each timeout is one tick. A precise timer aims each timeout at its due
    // time, so the period does not drift; after a stall it times out once.
    tempo_.setObjectName(QStringLiteral("tempo"));
    tempo_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tempo_, &QTimer::timeout, &tempo_, [this] { shell_->tick(); });
}

QtScreen::~QtScreen() {
    for (const QPointer<Window>& w : windows_) delete w.data();
}

Window* QtScreen::window(const Form& form) const { return windows_[slot(form)]; }

QWidget* QtScreen::widget(const Control& control) const {
    const Form& form = formOf(control);
    Window* w = window(form);
    return w ? w->widgets[indexOf(form, control)] : nullptr;
}

void QtScreen::load(const Form& form) {
    auto* window = new Window(*this, form);
    windows_[slot(form)] = window;
    QList<QWidget*> surface;  // drawn on the window itself, beneath the rest
    for (const Control& c : form.controls) {
        QWidget* parent = c.parent.empty() ? window : widget(*layout::find(form, c.parent));
        QWidget* w = build(c, parent);
        w->setObjectName(text(c.name));
        const layout::Rect at = layout::pixels(c.twips);
        w->setGeometry(at.left, at.top, at.width, at.height);
        if (!c.font.face.empty()) w->setFont(toQFont(c.font));
        if (!c.tooltip.empty()) w->setToolTip(text(c.tooltip));
        w->setVisible(c.visible);
        if (w->focusPolicy() & Qt::TabFocus) w->installEventFilter(window);
        if (parent == window && (c.kind == Kind::Label || c.kind == Kind::Image || c.kind == Kind::Shape))
            surface.append(w);
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            QObject::connect(b, &QAbstractButton::clicked, b, [this, &c] { shell_->press(c); });
        window->widgets.push_back(w);
        if (c.cell) setText(c, c.caption);
    }
    // Lowered in reverse, so that among themselves they keep the table's order.
    for (auto it = surface.rbegin(); it != surface.rend(); ++it) (*it)->lower();
    std::vector<const Control*> order;
    for (const Control& c : form.controls) {
        if (c.tabIndex >= 0 && (widget(c)->focusPolicy() & Qt::TabFocus)) order.push_back(&c);
    }
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(widget(*order[i - 1]), widget(*order[i]));
    centre(*window);
    window->show();
    window->raise();
    window->activateWindow();
}

void QtScreen::unload(const Form& form) {
    // Off the screen at once, deleted once the event in hand is done: the
    // unload may come from a handler of this very window.
    Window* w = window(form);
    if (!w) return;
    windows_[slot(form)] = nullptr;
    w->hide();
    w->deleteLater();
}

void QtScreen::setText(const Control& control, std::string_view s) {
    QWidget* w = widget(control);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(text(s));
    if (auto* l = qobject_cast<QLabel*>(w)) l->setText(text(s));
    // A screen reader names a cell by its tile; the empty cell has no caption to read.
    if (control.cell) w->setAccessibleName(text(layout::cellName(s)));
    if (layout::describesWindow(control)) w->window()->setAccessibleDescription(text(s));
}

void QtScreen::setColour(const Control& control, Colour face) {
    if (auto* b = qobject_cast<FaceButton*>(widget(control))) b->setFace(face);
}

void QtScreen::setVisible(const Control& control, bool visible) { widget(control)->setVisible(visible); }
void QtScreen::setEnabled(const Control& control, bool enabled) { widget(control)->setEnabled(enabled); }
void QtScreen::setSelected(const Control& option) { qobject_cast<QAbstractButton*>(widget(option))->setChecked(true); }
void QtScreen::setTooltip(const Control& control, std::string_view s) { widget(control)->setToolTip(text(s)); }
void QtScreen::setFocus(const Control& control) { widget(control)->setFocus(Qt::OtherFocusReason); }
void QtScreen::startTimer(unsigned milliseconds) { tempo_.start(std::chrono::milliseconds(milliseconds)); }
void QtScreen::stopTimer() { tempo_.stop(); }
void QtScreen::end() { QCoreApplication::exit(0); }

}  // namespace lastrino::ui
