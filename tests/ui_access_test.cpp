// What a screen reader gets, read through Qt's accessibility interfaces as
// the platform bridge reads them: names, roles, states and the press action.
#include "ui_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

using namespace lastrino;
using namespace lastrino::testing;

namespace {

QAccessibleInterface* access(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }
QString name(QWidget* w) { return access(w)->text(QAccessible::Name); }
QString description(QWidget* w) { return access(w)->text(QAccessible::Description); }
QAccessible::State state(QWidget* w) { return access(w)->state(); }
bool canPress(QWidget* w) {
    QAccessibleActionInterface* action = access(w)->actionInterface();
    return action && action->actionNames().contains(QAccessibleActionInterface::pressAction());
}
// Qt animates the press: the click lands a moment later.
void press(QWidget* w) { access(w)->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); }

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void gameWindowAtLoad() {
        Run run;
        QCOMPARE(name(&run.gioco()), QStringLiteral("Lastrino!"));
        for (int n = 1; n <= cells; ++n) {
            QCOMPARE(access(run.cell(n))->role(), QAccessible::Button);
            QCOMPARE(name(run.cell(n)), n == cells ? QStringLiteral("vuota") : QString::number(n));
            const QString place = QStringLiteral("riga %1, colonna %2").arg((n - 1) / 4 + 1).arg((n - 1) % 4 + 1);
            QCOMPARE(description(run.cell(n)), place);
        }
        for (auto [control, caption] : {std::pair{"cmdcomincia", "Comincia"}, {"cmdaiuto", "Aiuto!"},
                                        {"cmdesci", "Esci"}, {"cmdsoluzione", "Soluzione"}}) {
            QCOMPARE(access(run.control(control))->role(), QAccessible::Button);
            QCOMPARE(name(run.control(control)), QString::fromUtf8(caption));
        }
        QVERIFY(state(run.control("cmdaiuto")).invisible);  // hidden until late in the game
        QCOMPARE(access(run.control("optsi"))->role(), QAccessible::RadioButton);
        QCOMPARE(name(run.control("optsi")), QStringLiteral("Sì"));
        QCOMPARE(name(run.control("optno")), QStringLiteral("No"));
        QVERIFY(!state(run.control("optsi")).checked && state(run.control("optno")).checked);
        // The counter and the clock read as their caption, said of their frame.
        QCOMPARE(name(run.control("lblcont")), QStringLiteral("0"));
        QCOMPARE(description(run.control("lblcont")), QStringLiteral("Mosse"));
        QCOMPARE(description(run.control("lbltime")), QStringLiteral("Tempo"));
        QCOMPARE(access(run.control("Frame1"))->role(), QAccessible::Grouping);
        QCOMPARE(access(run.control("lbltime"))->parent()->object(), run.control("Frame1"));
        QCOMPARE(access(run.control("Picture1"))->role(), QAccessible::Graphic);
        QCOMPARE(name(run.control("Picture1")), QStringLiteral("Lastrino!"));
        QVERIFY(!name(run.control("Image1")).isEmpty());
        // Whatever the keyboard reaches has a name.
        for (QWidget* w : run.gioco().findChildren<QWidget*>())
            if (w->focusPolicy() & Qt::TabFocus) QVERIFY2(!name(w).isEmpty(), qPrintable(w->objectName()));
    }

    void namesFollowTheGame() {
        Run run;
        run.start(true);
        QCOMPARE(name(run.control("cmdcomincia")), QStringLiteral("Ricomincia"));
        QVERIFY(state(run.control("optsi")).checked && state(run.control("optsi")).disabled);
        // Tile 28 above the empty cell 32, pressed as a screen reader does: the
        // two cells swap names, their places stay.
        press(run.cell(28));
        QTRY_COMPARE_WITH_TIMEOUT(run.lblcont(), QStringLiteral("1"), 5000);
        QCOMPARE(name(run.cell(28)), QStringLiteral("vuota"));
        QCOMPARE(name(run.cell(32)), QStringLiteral("28"));
        QCOMPARE(description(run.cell(32)), QStringLiteral("riga 8, colonna 4"));
        QCOMPARE(name(run.control("lblcont")), QStringLiteral("1"));
        QVERIFY(!state(run.control("cmdaiuto")).invisible);  // 28 in place: Help shows
        run.elapse(65);
        QCOMPARE(name(run.control("lbltime")), QStringLiteral("01:05"));
        click(run.control("cmdsoluzione"));
        QCOMPARE(name(run.cell(28)), QStringLiteral("28"));
        QCOMPARE(name(run.cell(32)), QStringLiteral("vuota"));
    }

    void endWindow() {
        Run run;
        run.program->showScelta();
        QCOMPARE(name(run.scelta()), QStringLiteral("Un'altra partita?"));
        QCOMPARE(name(run.endControl("lblmess")), run.scelta()->message());
        QVERIFY(!name(run.endControl("Picture1")).isEmpty());
        QCOMPARE(name(run.endControl("cmdsi")), QStringLiteral("Sì"));
        QCOMPARE(name(run.endControl("cmdno")), QStringLiteral("No"));
        QVERIFY(canPress(run.endControl("cmdno")));
        press(run.endControl("cmdno"));
        QTRY_COMPARE_WITH_TIMEOUT(run.quits, 1, 5000);
    }
};

QTEST_MAIN(AccessTest)
#include "ui_access_test.moc"
