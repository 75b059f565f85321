// The kinds of control the two windows are made of, where Qt has no
// ready-made one that looks the part, and how they paint the design's
// colours and artwork.
#pragma once

#include "logic/grid.h"

#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <string>
#include <string_view>

class QIcon;
class QPainter;

namespace lastrino::ui {

inline QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// A colour value as painted: system colours 15 (button face) and 18 (button
// text) come from the platform's palette, the rest are 0x00BBGGRR.
QColor toQColor(Colour colour, const QPalette& system);
// The resource path of a named picture, or of the window icon.
QString picturePath(std::string_view name);
// Draws a picture into `box`, keeping its aspect ratio and centred.
void paintPicture(QPainter& painter, std::string_view name, const QRectF& box);
// A window icon drawn from a named picture, at a title bar's and a task bar's sizes.
QIcon windowIcon(std::string_view name);

// A graphical push button: its face painted in a colour value of its own,
// kept exactly as set (system colours included), a caption and/or a 32 x 32
// picture. Space and Enter on the focused button click it. Without a
// caption, it is named by its tooltip, whenever that changes.
class FaceButton final : public QPushButton {
    Q_OBJECT
public:
    explicit FaceButton(QWidget* parent);

    Colour face() const { return face_; }
    void setFace(Colour face);
    void setTextColour(Colour text);
    void setPicture(std::string picture);

    static constexpr int pictureSize = 32;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    Colour face_ = colvuoto;
    Colour text_ = 0x80000012;
    std::string picture_;
};

// An option button of a group. Tab into the group lands on its selected
// button, as the group is one stop in the focus order.
class OptionButton final : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(const QString& caption, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// A picture box: takes the focus in its place, shows a picture on its background.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, std::string picture, bool takesFocus);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string picture_;
};

// An outline drawn on the window's surface; it lets clicks through.
class Shape final : public QWidget {
    Q_OBJECT
public:
    Shape(QWidget* parent, Colour outline);
    Colour outline() const { return outline_; }
    static constexpr int lineWidth = 2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colour outline_;
};

// A group frame: an etched border with its caption on the top edge.
class Frame final : public QWidget {
    Q_OBJECT
public:
    Frame(QWidget* parent, QString caption);
    const QString& caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

}  // namespace lastrino::ui
