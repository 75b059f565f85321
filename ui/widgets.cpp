#include "widgets.h"

#include "controls.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>

namespace lastrino::ui {

namespace {
// The classic bevel of a raised button, and the etched line of a frame.
const QColor highlight(255, 255, 255);
const QColor shadow(128, 128, 128);
const QColor darkShadow(0, 0, 0);
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
        p.setPen(darkShadow);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(shadow);
        p.drawRect(r.adjusted(1, 1, -2, -2));
    } else {
        p.setPen(highlight);
        p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        p.setPen(darkShadow);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        p.setPen(shadow);
        p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    }

    QRect content = r.adjusted(2, 2, -2, -2);
    if (down) content.translate(1, 1);
    if (!picture_.empty()) {
        const QRectF box(content.center().x() - pictureSize / 2.0 + 0.5,
                         content.center().y() - pictureSize / 2.0 + 0.5, pictureSize, pictureSize);
        paintPicture(p, picture_, box);
    }
    if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(isEnabled() ? toQColor(text_, palette())
                             : palette().color(QPalette::Disabled, QPalette::ButtonText));
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
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
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
    for (int i = 0; i < lineWidth; ++i) {
        p.setPen(colour);
        p.drawRect(rect().adjusted(i, i, -1 - i, -1 - i));
    }
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
    p.setPen(shadow);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(highlight);
    p.drawRect(box.adjusted(1, 1, 0, 0));

    const QRect title(6, 0, fm.horizontalAdvance(caption_) + 4, fm.height());
    p.fillRect(title, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(title, Qt::AlignCenter, caption_);
}

}  // namespace lastrino::ui
