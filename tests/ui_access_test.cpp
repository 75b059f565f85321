// What a screen reader gets from the windows, read through Qt's accessibility
// interfaces as the platform bridge reads them: names, descriptions, roles,
// states and the press action, following the board as tiles move.
#include "ui_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

using namespace lastrino;
using namespace lastrino::testing;

namespace {

QAccessibleInterface* access(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    Q_ASSERT(a && a->isValid());
    return a;
}
QString name(QWidget* w) { return access(w)->text(QAccessible::Name); }
QString description(QWidget* w) { return access(w)->text(QAccessible::Description); }
QAccessible::State state(QWidget* w) { return access(w)->state(); }

// Presses a control as a screen reader does. Qt animates the press, so the
// click lands a moment later: wait for it, with a deadline.
bool press(QWidget* w) {
    QAccessibleActionInterface* action = access(w)->actionInterface();
    if (!action || !action->actionNames().contains(QAccessibleActionInterface::pressAction())) return false;
    action->doAction(QAccessibleActionInterface::pressAction());
    return true;
}

// Every name in the accessible tree below `root`, the root's own included.
void collectNames(QAccessibleInterface* node, QStringList& names, int depth = 0) {
    QVERIFY(depth < 10);
    names << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i) collectNames(node->child(i), names, depth + 1);
}

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void gameWindowAtLoad() {
        Run run;
        QAccessibleInterface* window = access(&run.gioco());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Lastrino!"));

        for (int n = 1; n <= cells; ++n) {
            QWidget* cell = run.cell(n);
            QCOMPARE(access(cell)->role(), QAccessible::Button);
            QCOMPARE(name(cell), n == cells ? QStringLiteral("vuota") : QString::number(n));
            QCOMPARE(description(cell), QStringLiteral("riga %1, colonna %2").arg((n - 1) / 4 + 1).arg((n - 1) % 4 + 1));
        }
        QCOMPARE(description(run.cell(1)), QStringLiteral("riga 1, colonna 1"));
        QCOMPARE(description(run.cell(32)), QStringLiteral("riga 8, colonna 4"));

        const std::pair<const char*, const char*> buttons[] = {
            {"cmdcomincia", "Comincia"}, {"cmdaiuto", "Aiuto!"}, {"cmdesci", "Esci"}, {"cmdsoluzione", "Soluzione"}};
        for (auto [control, caption] : buttons) {
            QWidget* w = run.control(control);
            QCOMPARE(access(w)->role(), QAccessible::Button);
            QCOMPARE(name(w), QString::fromUtf8(caption));
            QVERIFY(access(w)->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }
        // Help is hidden until late in the game, and a screen reader knows it.
        QVERIFY(state(run.control("cmdaiuto")).invisible);
        QVERIFY(!state(run.control("cmdcomincia")).invisible);

        QWidget* optsi = run.control("optsi");
        QWidget* optno = run.control("optno");
        QCOMPARE(access(optsi)->role(), QAccessible::RadioButton);
        QCOMPARE(name(optsi), QStringLiteral("Sì"));
        QCOMPARE(name(optno), QStringLiteral("No"));
        QVERIFY(state(optsi).checkable && !state(optsi).checked);
        QVERIFY(state(optno).checkable && state(optno).checked);

        // The counter and the clock read as their caption, said of their frame.
        QWidget* lblcont = run.control("lblcont");
        QWidget* lbltime = run.control("lbltime");
        QCOMPARE(access(lblcont)->role(), QAccessible::StaticText);
        QCOMPARE(name(lblcont), QStringLiteral("0"));
        QCOMPARE(description(lblcont), QStringLiteral("Mosse"));
        QCOMPARE(name(lbltime), QStringLiteral("00:00"));
        QCOMPARE(description(lbltime), QStringLiteral("Tempo"));
        QCOMPARE(access(run.control("Frame2"))->role(), QAccessible::Grouping);
        QCOMPARE(name(run.control("Frame2")), QStringLiteral("Mosse"));
        QCOMPARE(name(run.control("Frame1")), QStringLiteral("Tempo"));
        QCOMPARE(access(lbltime)->parent()->object(), run.control("Frame1"));

        QCOMPARE(access(run.control("Picture1"))->role(), QAccessible::Graphic);
        QCOMPARE(name(run.control("Picture1")), QStringLiteral("Lastrino!"));
        QCOMPARE(access(run.control("Image1"))->role(), QAccessible::Graphic);
        QVERIFY(!name(run.control("Image1")).isEmpty());

        // Whatever the keyboard reaches has a name, and the tree from the
        // window holds every control (the hidden Help too).
        for (QWidget* w : run.gioco().findChildren<QWidget*>()) {
            if (w->focusPolicy() & Qt::TabFocus) QVERIFY2(!name(w).isEmpty(), qPrintable(w->objectName()));
        }
        QStringList names;
        collectNames(window, names);
        for (const char* expected : {"vuota", "1", "31", "Comincia", "Aiuto!", "Esci", "Soluzione", "Sì", "No",
                                     "Mosse", "Tempo", "0", "00:00", "Lastrino!"}) {
            QVERIFY2(names.contains(QString::fromUtf8(expected)), expected);
        }
    }

    void namesFollowTheGame() {
        Run run;
        run.click(run.control("optsi"));
        QVERIFY(state(run.control("optsi")).checked);
        QVERIFY(!state(run.control("optno")).checked);
        run.start();
        QCOMPARE(name(run.control("cmdcomincia")), QStringLiteral("Ricomincia"));
        QVERIFY(state(run.control("optsi")).disabled);

        // Cell 28 holds tile 28 above the empty cell 32: press it as a screen reader does.
        QCOMPARE(name(run.cell(28)), QStringLiteral("28"));
        QVERIFY(press(run.cell(28)));
        QTRY_COMPARE_WITH_TIMEOUT(run.lblcont(), QStringLiteral("1"), 5000);
        // The two cells swap names; the positions stay where they are.
        QCOMPARE(name(run.cell(28)), QStringLiteral("vuota"));
        QCOMPARE(name(run.cell(32)), QStringLiteral("28"));
        QCOMPARE(description(run.cell(28)), QStringLiteral("riga 7, colonna 4"));
        QCOMPARE(description(run.cell(32)), QStringLiteral("riga 8, colonna 4"));
        QCOMPARE(name(run.control("lblcont")), QStringLiteral("1"));
        // 28 tiles in place: Help shows, and is no longer invisible.
        QVERIFY(!state(run.control("cmdaiuto")).invisible);

        run.gioco().tempo_Timer(65);
        QCOMPARE(name(run.control("lbltime")), QStringLiteral("01:05"));

        // Solution puts every name back in order.
        run.click(run.control("cmdsoluzione"));
        for (int n = 1; n <= tiles; ++n) QCOMPARE(name(run.cell(n)), QString::number(n));
        QCOMPARE(name(run.cell(cells)), QStringLiteral("vuota"));
    }

    void endWindow() {
        Run run;
        run.start();
        for (int n : winningClicks) run.clickCell(n);
        ui::frmscelta* scelta = run.scelta();
        QVERIFY(scelta);
        QAccessibleInterface* window = access(scelta);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Un'altra partita?"));
        auto* lblmess = scelta->control(QStringLiteral("lblmess"));
        QCOMPARE(name(lblmess), QStringLiteral("Hai vinto in 19 mosse!"));
        QCOMPARE(name(scelta->control(QStringLiteral("Label2"))), QStringLiteral("Un'altra partita?"));
        QCOMPARE(access(scelta->control(QStringLiteral("Picture1")))->role(), QAccessible::Graphic);
        QVERIFY(!name(scelta->control(QStringLiteral("Picture1"))).isEmpty());
        QWidget* cmdsi = scelta->control(QStringLiteral("cmdsi"));
        QWidget* cmdno = scelta->control(QStringLiteral("cmdno"));
        QCOMPARE(name(cmdsi), QStringLiteral("Sì"));
        QCOMPARE(name(cmdno), QStringLiteral("No"));
        QCOMPARE(access(cmdno)->role(), QAccessible::Button);

        // "No" pressed through its interface ends the program.
        QVERIFY(press(cmdno));
        QTRY_COMPARE_WITH_TIMEOUT(run.quits, 1, 5000);
    }
};

QTEST_MAIN(AccessTest)
#include "ui_access_test.moc"
