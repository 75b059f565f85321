#include "widgets.h"

#include "logic/layout.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>

namespace lastrino::ui {

QColor toQColor(Colour colour, const QPalette& system) {
    if (colour == colvuoto) return system.color(QPalette::Active, QPalette::Button);
    if (colour == layout::colbuttontext) return system.color(QPalette::Active, QPalette::ButtonText);
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QString picturePath(std::string_view name) { return QStringLiteral(":/assets/") + text(layout::pictureFile(name)); }

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

QIcon windowIcon(std::string_view name) {
    // Rendered at the sizes a title bar and a task bar ask for; larger views
    // take the installed scalable icon through the desktop entry. Every size
    // goes to the X server before the window maps, so each one costs start-up.
    QSvgRenderer& svg = renderer(name);
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

namespace {
// The classic bevel of a raised button, and the etched line of a frame.
const QColor highlight(255, 255, 255);
const QColor shadow(128, 128, 128);
const QColor darkShadow(0, 0, 0);

// Lines one pixel wide as filled rectangles: on a screen of two device pixels
// to the pixel they stay on the pixel grid, where a pen's line moves half a pixel.
void hline(QPainter& p, int x1, int x2, int y, const QColor& c) { p.fillRect(QRect(x1, y, x2 - x1 + 1, 1), c); }
void vline(QPainter& p, int x, int y1, int y2, const QColor& c) { p.fillRect(QRect(x, y1, 1, y2 - y1 + 1), c); }
// As QPainter::drawRect with a pen one pixel wide: the right and bottom
// edges lie on left + width and top + height.
void strokeRect(QPainter& p, const QRect& r, const QColor& c) {
    const int right = r.left() + r.width();
    const int bottom = r.top() + r.height();
    hline(p, r.left(), right, r.top(), c);
    hline(p, r.left(), right, bottom, c);
    vline(p, r.left(), r.top(), bottom, c);
    vline(p, right, r.top(), bottom, c);
}
}  // namespace

FaceButton::FaceButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void FaceButton::setFace(Colour face) {
    if (face_ == face) return;
    face_ = face;
    update();
}

void FaceButton::setTextColour(Colour text) {
    text_ = text;
    update();
}

void FaceButton::setPicture(std::string picture) {
    picture_ = std::move(picture);
    update();
}

void FaceButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, toQColor(face_, palette()));

    const bool down = isDown();
    if (down) {
        strokeRect(p, r.adjusted(0, 0, -1, -1), darkShadow);
        strokeRect(p, r.adjusted(1, 1, -2, -2), shadow);
    } else {
        hline(p, r.left(), r.right() - 1, r.top(), highlight);
        vline(p, r.left(), r.top(), r.bottom() - 1, highlight);
        hline(p, r.left(), r.right(), r.bottom(), darkShadow);
        vline(p, r.right(), r.top(), r.bottom(), darkShadow);
        hline(p, r.left() + 1, r.right() - 1, r.bottom() - 1, shadow);
        vline(p, r.right() - 1, r.top() + 1, r.bottom() - 1, shadow);
    }

    QRect content = r.adjusted(2, 2, -2, -2);
    if (down) content.translate(1, 1);
    if (!picture_.empty()) {
        const QRectF box(content.center().x() - pictureSize / 2.0 + 0.5, content.center().y() - pictureSize / 2.0 + 0.5,
                         pictureSize, pictureSize);
        paintPicture(p, picture_, box);
    }
    if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(isEnabled() ? toQColor(text_, palette()) : palette().color(QPalette::Disabled, QPalette::ButtonText));
        p.drawText(content, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
    if (hasFocus()) {
        p.setPen(QPen(toQColor(text_, palette()), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(3, 3, -5, -5));
    }
}

void FaceButton::keyPressEvent(QKeyEvent* event) {
    // Outside a dialog Qt gives Enter to no button: here it clicks the focused one.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

bool FaceButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTipChange && text().isEmpty()) setAccessibleName(toolTip());
    return QPushButton::event(event);
}

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {}

void OptionButton::focusInEvent(QFocusEvent* event) {
    const bool tabbed = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tabbed && !isChecked() && group()) {
        QAbstractButton* selected = group()->checkedButton();
        if (selected && selected != this && selected->isEnabled()) {
            selected->setFocus(event->reason());
            return;
        }
    }
    QRadioButton::focusInEvent(event);
}

PictureBox::PictureBox(QWidget* parent, std::string picture, bool takesFocus)
    : QWidget(parent), picture_(std::move(picture)) {
    setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    setAutoFillBackground(true);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintPicture(p, picture_, QRectF(rect()));
}

Shape::Shape(QWidget* parent, Colour outline) : QWidget(parent), outline_(outline) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor colour = toQColor(outline_, palette());
    for (int i = 0; i < lineWidth; ++i) strokeRect(p, rect().adjusted(i, i, -1 - i, -1 - i), colour);
}

Frame::Frame(QWidget* parent, QString caption) : QWidget(parent), caption_(std::move(caption)) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int y = fm.height() / 2;
    const QRect box = rect().adjusted(0, y, -1, -1);
    strokeRect(p, box.adjusted(0, 0, -1, -1), shadow);
    strokeRect(p, box.adjusted(1, 1, 0, 0), highlight);

    const QRect title(6, 0, fm.horizontalAdvance(caption_) + 4, fm.height());
    p.fillRect(title, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(title, Qt::AlignCenter, caption_);
}

}  // namespace lastrino::ui
