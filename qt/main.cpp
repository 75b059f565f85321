// Lastrino!: the shell loads and shows the game window on the Qt screen,
// then the event loop runs.
#include "qt/screen.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The game takes no text, only clicks and keys on buttons: no input
    // method to load. A desktop's own (QT_IM_MODULE=ibus) would add its
    // plugin and a bus connection; keys and access keys go as they are.
    qputenv("QT_IM_MODULE", "none");
    // The game takes no arguments: Qt gets the program name only.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Lastrino"));
    QGuiApplication::setDesktopFileName(QStringLiteral(LASTRINO_APP_ID));
    // The program ends when the shell says so, when neither window is loaded.
    QApplication::setQuitOnLastWindowClosed(false);

    lastrino::ui::QtScreen screen;
    lastrino::Shell shell(screen);
    screen.attach(shell);
    shell.run();
    return QApplication::exec();
}
