// The real Qt windows played from the text driver's commands, for
// tests/transcript.py: each command is a mouse click, a key or timer periods
// on the windows, and "show" reads the widgets back.
#include "ui_fixture.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QKeySequence>

#include <cstdio>
#include <cstdlib>
#include <iostream>

using namespace lastrino;
using namespace lastrino::testing;

namespace {

// The control each command clicks, by its name with the word after the command added.
const QHash<QString, QString> clicks{
    {"click", "cmd"},    {"start", "cmdcomincia"}, {"help", "cmdaiuto"}, {"solution", "cmdsoluzione"},
    {"exit", "cmdesci"}, {"timed", "opt"},         {"end", "cmd"}};

// The window in front: the end window when it is open.
QWidget* front(const Run& run) { return run.scelta() ? run.scelta() : run.gioco(); }

// A key where the focus is, once the window in front is active ("up" is the
// Up arrow). A shortcut presses its button and lets it go a moment later:
// that is waited for.
void press(const Run& run, const QString& name) {
    if (!QTest::qWaitForWindowActive(front(run))) std::fprintf(stderr, "no active window\n"), std::exit(1);
    const QKeyCombination k = QKeySequence::fromString(name.left(1).toUpper() + name.mid(1))[0];
    QTest::keyClick(QApplication::focusWidget(), k.key(), k.keyboardModifiers());
    for (auto* b : front(run)->findChildren<QAbstractButton*>())
        while (b->isDown()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The window in front and its controls, in the columns of tests/design.txt:
// places in device-independent pixels, colours as 0xBBGGRR, fonts as drawn.
void look(const Run& run) {
    QWidget* window = front(run);
    const auto hex = [](unsigned bgr) { return QString::asprintf("0x%06X", bgr); };
    const auto bgr = [&](const QColor& c) { return hex(unsigned(c.blue() << 16 | c.green() << 8 | c.red())); };
    const auto orDash = [](const QString& s) { return s.isEmpty() ? QStringLiteral("-") : s; };
    std::printf("%s | - | - | 0 | 0 | %d | %d | %s | %s | - | - | - | 1\n", qPrintable(window->objectName()),
                window->width(), window->height(), qPrintable(window->windowTitle()),
                qPrintable(bgr(window->palette().window().color())));
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty()) continue;
        QString caption, back = bgr(w->palette().window().color());
        if (auto* b = qobject_cast<ui::FaceButton*>(w)) caption = b->text(), back = hex(b->face());
        else if (auto* f = qobject_cast<ui::Frame*>(w)) caption = f->caption();
        else if (auto* l = qobject_cast<QLabel*>(w)) caption = l->text();
        else if (auto* o = qobject_cast<QRadioButton*>(w)) caption = o->text();
        else if (auto* sh = qobject_cast<ui::Shape*>(w)) back = hex(sh->outline());
        const QFontInfo font(w->font());
        const QString parent = w->parentWidget() == window ? QString() : w->parentWidget()->objectName();
        std::printf("%s | %s | %s | %d | %d | %d | %d | %s | %s | %s | %s/%d/%d | %s | %d\n",
                    qPrintable(window->objectName()), qPrintable(w->objectName()), qPrintable(orDash(parent)), w->x(),
                    w->y(), w->width(), w->height(), qPrintable(orDash(caption)), qPrintable(back),
                    qPrintable(bgr(w->palette().windowText().color())), qPrintable(font.family()),
                    w->font().pixelSize(), font.bold() ? 700 : 400, qPrintable(orDash(w->toolTip())),
                    w->isVisibleTo(window));
    }
}

// The name of the control with the focus in the window in front.
QString focusName(const Run& run) {
    const QWidget* focus = front(run)->focusWidget();
    return focus ? focus->objectName() : QStringLiteral("-");
}

// The tiles and Start (named by its tooltip) as a screen reader hears them.
void show(const Run& run) {
    std::printf("board");
    for (int n = 1; n <= 32; ++n) {
        const Colour face = run.cell(n)->face();
        const QString known = face == 0xFF8080 ? "B" : face == 0x00FFFF ? "Y" : face == 0x8000000F ? "E" : "";
        std::printf(" %s%s", qPrintable(run.cell(n)->accessibleName().replace(QStringLiteral("vuota"), "_")),
                    qPrintable(known.isEmpty() ? QString::asprintf("#%08X", face) : known));
    }
    std::printf("\nmoves %s\nclock %s\noptions %s %s\nhelp %s\ntooltip %s\nfocus %s\nend-window %s\n",
                qPrintable(run.control<QLabel>("lblcont")->text()), qPrintable(run.control<QLabel>("lbltime")->text()),
                run.control<QRadioButton>("optsi")->isChecked() ? "si" : "no",
                run.control("optsi")->isEnabled() ? "enabled" : "disabled",
                run.control("cmdaiuto")->isVisible() ? "shown" : "hidden",
                qPrintable(run.control("cmdcomincia")->accessibleName()), qPrintable(focusName(run)),
                run.scelta() ? qPrintable(run.control<QLabel>("lblmess", layout::frmscelta)->text()) : "-");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Run run;
    QPointer<QWidget> reported;  // the end window last seen
    for (std::string line; !run.shell.ended() && std::getline(std::cin, line);) {
        const QStringList w = QString::fromStdString(line).split(u' ');
        const QString& command = w[0];
        const QString arg = w.value(1);
        if (command == u"end" && arg == u"close") run.scelta()->close();
        else if (clicks.contains(command))
            click(run.control(qPrintable(clicks[command] + arg),
                              command == u"end" ? layout::frmscelta : layout::frmgioco));
        else if (command == u"tick") run.elapse(arg.isEmpty() ? 1 : arg.toInt());
        else if (command == u"show") show(run);
        else if (command == u"key") press(run, arg);
        else if (command == u"focus") std::printf("focus %s\n", qPrintable(focusName(run)));
        else if (command == u"close") run.gioco()->close();
        else if (command == u"look") look(run);
        else if (command == u"quit") break;
        else if (command == u"rand") continue;  // every deal is in order, as the transcripts' values deal
        else return std::fprintf(stderr, "unknown command %s\n", line.c_str()), 1;
        // A new end window, as a screen reader hears it open: its description.
        if (run.scelta() && run.scelta() != reported) {
            reported = run.scelta();
            std::printf("event end-window %s\n", qPrintable(reported->accessibleDescription()));
        }
        deleteUnloaded();
    }
    if (run.shell.ended()) std::printf("event exit\n");
    return 0;
}
