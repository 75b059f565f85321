// A bare Qt Widgets form with the game window's widgets and no game in it:
// the yardstick the benchmark harness compares the game with. It builds the
// same kinds of widgets (Qt's stock ones) at the same places, in the same
// installed fonts and colours, from the window's design table, and does
// nothing when they are clicked.
//   bare_form           a form left alone
//   bare_form --timer   a 1 s QTimer rewrites the clock label, as a timed game does
//   bare_form --empty   the window alone, at its size, without a widget: what
//                       any Qt Widgets window costs
#include "logic/board.h"
#include "logic/clock.h"
#include "logic/layout.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstring>
#include <map>
#include <string>

namespace {

using namespace lastrino;
using namespace lastrino::layout;

QColor rgb(Colour c) {
    if (isSystemColour(c)) return QApplication::palette().color(QPalette::Button);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QRect pixelRect(const Rect& r) { return {pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)}; }

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The faces the game draws with: the table's faces are not installed on
// Debian, and a form falling back to other faces would load other files.
QFont installedFont(const Font& f) {
    QFont font(f.face == "Comic Sans MS"   ? QStringLiteral("Comic Neue")
               : f.face == "MS Sans Serif" ? QStringLiteral("Liberation Sans")
                                           : text(f.face));
    font.setPixelSize(static_cast<int>(f.points * 96.0 / 72.0 + 0.5));
    font.setBold(f.weight >= 700);
    return font;
}

void colour(QWidget* w, Colour back, Colour fore) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, rgb(back));
    p.setColor(QPalette::Button, rgb(back));
    p.setColor(QPalette::WindowText, rgb(fore));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QWidget* make(const Control& c, QWidget* parent) {
    QWidget* w = nullptr;
    switch (c.kind) {
    case Kind::Cell:
    case Kind::Button:
    case Kind::PictureButton: {
        auto* b = new QPushButton(text(c.caption), parent);
        if (c.kind == Kind::PictureButton) {
            QPixmap picture(32, 32);
            picture.fill(rgb(coltesto));
            b->setIcon(picture);
            b->setIconSize(picture.size());
        }
        w = b;
        break;
    }
    case Kind::Frame:
        w = new QGroupBox(text(c.caption), parent);
        break;
    case Kind::Option:
        w = new QRadioButton(text(c.caption), parent);
        static_cast<QRadioButton*>(w)->setChecked(c.selected);
        break;
    case Kind::PictureBox:
    case Kind::Image: {
        auto* l = new QLabel(parent);
        QPixmap picture(pixels(c.twips.width), pixels(c.twips.height));
        picture.fill(rgb(colgiallo));
        l->setPixmap(picture);
        w = l;
        break;
    }
    case Kind::Shape: {
        auto* f = new QFrame(parent);
        f->setFrameShape(QFrame::Box);
        w = f;
        break;
    }
    case Kind::Label:
        w = new QLabel(text(c.caption), parent);
        break;
    }
    w->setGeometry(pixelRect(c.twips));
    if (!c.font.face.empty()) w->setFont(installedFont(c.font));
    if (c.kind != Kind::Shape) colour(w, c.back, c.text);
    w->setVisible(c.visible);
    return w;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool timed = argc > 1 && std::strcmp(argv[1], "--timer") == 0;
    const bool empty = argc > 1 && std::strcmp(argv[1], "--empty") == 0;

    QWidget form;
    form.setWindowTitle(text(frmgioco.caption));
    form.setFixedSize(pixels(frmgioco.clientWidth), pixels(frmgioco.clientHeight));
    colour(&form, frmgioco.back, coltesto);

    if (empty) {
        form.show();
        return app.exec();
    }
    std::map<std::string_view, QWidget*> made;
    for (const Control& c : frmgioco.controls) {
        QWidget* parent = c.parent.empty() ? &form : made.at(c.parent);
        made[c.name] = make(c, parent);
    }
    for (int n = 1; n <= cells; ++n) {
        const Control cell{.kind = Kind::Cell, .twips = cellRect(n), .back = cellColourAtLoad(n), .font = cellFont};
        auto* b = static_cast<QPushButton*>(make(cell, &form));
        if (n != cells) b->setText(QString::number(n));
    }

    QTimer tempo;
    std::uint64_t seconds = 0;
    auto* lbltime = static_cast<QLabel*>(made.at("lbltime"));
    QObject::connect(&tempo, &QTimer::timeout, [&] {
        ++seconds;
        lbltime->setText(QString::fromStdString(clockText(seconds / 60, static_cast<int>(seconds % 60))));
    });
    tempo.setInterval(tickMilliseconds);
    if (timed) tempo.start();

    form.show();
    return app.exec();
}
