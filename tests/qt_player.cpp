// The real Qt windows played from the text driver's commands, for
// tests/transcript.py: each command is a mouse click, a key or timer periods
// on the windows, and "look" (or "show") reads the widgets back.
#include "ui_fixture.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QKeySequence>
#include <QLabel>
#include <QRadioButton>

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

// Every loaded window and its controls, in the columns of tests/design.txt
// (places in device-independent pixels, colours as 0xBBGGRR, fonts as drawn)
// and those a screen reader and the keyboard meet (see tests/transcript.py).
void look(const Run& run) {
    const auto hex = [](unsigned bgr) { return QString::asprintf("0x%06X", bgr); };
    const auto bgr = [&](const QColor& c) { return hex(unsigned(c.blue() << 16 | c.green() << 8 | c.red())); };
    const auto orDash = [](const QString& s) { return s.isEmpty() ? QStringLiteral("-") : s; };
    for (QWidget* window : {run.gioco(), run.scelta()}) {
        if (!window) continue;
        std::printf("%s | - | - | 0 | 0 | %d | %d | %s | %s | - | - | - | 1 | - | - | 1 | 0 | 0\n",
                    qPrintable(window->objectName()), window->width(), window->height(),
                    qPrintable(window->windowTitle()), qPrintable(bgr(window->palette().window().color())));
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
            const auto* button = qobject_cast<QAbstractButton*>(w);
            std::printf(
                "%s | %s | %s | %d | %d | %d | %d | %s | %s | %s | %s/%d/%d | %s | %d | %s | %s | %d | %d | %d\n",
                qPrintable(window->objectName()), qPrintable(w->objectName()), qPrintable(orDash(parent)), w->x(),
                w->y(), w->width(), w->height(), qPrintable(orDash(caption)), qPrintable(back),
                qPrintable(bgr(w->palette().windowText().color())), qPrintable(font.family()), w->font().pixelSize(),
                font.bold() ? 700 : 400, qPrintable(orDash(w->toolTip())), w->isVisibleTo(window),
                qPrintable(orDash(w->accessibleName())), qPrintable(orDash(w->accessibleDescription())), w->isEnabled(),
                button && button->isChecked(), w == front(run)->focusWidget());
        }
    }
    std::printf("looked\n");
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
        else if (command == u"key") press(run, arg);
        else if (command == u"close") run.gioco()->close();
        else if (command == u"look" || command == u"show") look(run);
        else if (command == u"focus")
            std::printf("focus %s\n",
                        front(run)->focusWidget() ? qPrintable(front(run)->focusWidget()->objectName()) : "-");
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
