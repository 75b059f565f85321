// From the design tables to Qt: colours, fonts, places and artwork.
#pragma once

#include "logic/layout.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QRect>
#include <QString>

#include <string_view>

class QPainter;
class QPalette;
class QWidget;

namespace lastrino::ui {

// A colour value as painted: system colours 15 (button face) and 18 (button
// text) come from the platform's palette, the rest are 0x00BBGGRR.
QColor toQColor(Colour colour);
QColor toQColor(Colour colour, const QPalette& system);

// The installed face that stands in for a face named in the tables.
QString installedFace(std::string_view face);
// Points at 96 dots to the inch, so the layout does not follow the screen's DPI.
int pixelSize(double points);
QFont toQFont(const layout::Font& font);

QRect toPixels(const layout::Rect& twips);
inline QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The resource path of a named picture, or of the window icon.
QString picturePath(std::string_view name);
QIcon windowIcon();
// Draws a picture into `box`, keeping its aspect ratio and centred.
void paintPicture(QPainter& painter, std::string_view name, const QRectF& box);

using Controls = QHash<QString, QWidget*>;

// Sets up `window` as designed (caption, client size, border, colour, icon)
// and creates every control of the table on it, in its design state, with
// the tab order of the table. Frames come before the controls inside them.
Controls buildWindow(QWidget& window, const layout::Window& design);

// Gives a control built outside the table (a board cell) its tab index.
void setTabIndex(QWidget& control, int tabIndex);
// Chains the focus of every control of `window` that takes it, by tab index.
void orderTabs(QWidget& window);

// A window's load step: moves it so that its outer size is centred on its screen.
void centre(QWidget& window);
// Shows a loaded window, in front and active.
void showInFront(QWidget& window);

}  // namespace lastrino::ui
