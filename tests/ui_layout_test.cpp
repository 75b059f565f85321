// Both windows at load, control by control, against the design tables.
#include "logic/actions.h"
#include "logic/layout.h"
#include "ui_fixture.h"

#include <QFontInfo>
#include <QScreen>

#include <cmath>

using namespace lastrino;
using namespace lastrino::testing;
namespace L = lastrino::layout;

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QRect px(const L::Rect& r) { return {r.left / 15, r.top / 15, r.width / 15, r.height / 15}; }

QColor rgb(Colour c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

QString faceFor(std::string_view face) {
    return face == "Comic Sans MS" ? QStringLiteral("Comic Neue") : QStringLiteral("Liberation Sans");
}

// Geometry, font, colours, visibility and the rest of one control's row.
void checkControl(const QWidget& window, const L::Control& c) {
    const QString name = qs(c.name);
    auto* w = window.findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->geometry(), px(c.twips));
    QCOMPARE(w->parentWidget()->objectName(), c.parent.empty() ? window.objectName() : qs(c.parent));
    QCOMPARE(w->isVisibleTo(&window), c.visible);
    QVERIFY2(w->isEnabled(), qPrintable(name));
    QCOMPARE(w->toolTip(), qs(c.tooltip));

    if (!c.font.face.empty()) {
        const QFontInfo info(w->font());
        QCOMPARE(info.family(), faceFor(c.font.face));
        QCOMPARE(w->font().pixelSize(), int(std::lround(c.font.points * 96 / 72)));
        QCOMPARE(info.bold(), c.font.weight == 700);
        QVERIFY(!info.italic() && !w->font().underline() && !w->font().strikeOut());
    }

    const QPalette& pal = w->palette();
    switch (c.kind) {
        case L::Kind::Button:
        case L::Kind::PictureButton: {
            auto* b = qobject_cast<ui::FaceButton*>(w);
            QVERIFY2(b, qPrintable(name));
            QCOMPARE(b->face(), c.back);
            QCOMPARE(b->text(), qs(c.caption));
            QCOMPARE(b->picture(), std::string(c.picture));
            QCOMPARE(b->textColour(), L::colbuttontext);
            QVERIFY(b->focusPolicy() & Qt::TabFocus);
            break;
        }
        case L::Kind::Label: {
            auto* l = qobject_cast<QLabel*>(w);
            QVERIFY2(l, qPrintable(name));
            // lblmess's caption never reaches the screen: its load replaces it.
            if (c.name != "lblmess") QCOMPARE(l->text(), qs(c.caption));
            QCOMPARE(pal.color(QPalette::Window), rgb(c.back));
            QCOMPARE(pal.color(QPalette::WindowText), rgb(c.text));
            QCOMPARE(l->alignment() & Qt::AlignHorizontal_Mask,
                     c.align == L::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
            QCOMPARE(l->wordWrap(), c.wordWrap);
            QCOMPARE(l->focusPolicy(), Qt::NoFocus);
            break;
        }
        case L::Kind::Frame: {
            auto* f = qobject_cast<ui::Frame*>(w);
            QVERIFY2(f, qPrintable(name));
            QCOMPARE(f->caption(), qs(c.caption));
            QCOMPARE(pal.color(QPalette::Window), rgb(c.back));
            QCOMPARE(pal.color(QPalette::WindowText), rgb(c.text));
            QCOMPARE(f->focusPolicy(), Qt::NoFocus);
            break;
        }
        case L::Kind::Option: {
            auto* o = qobject_cast<QRadioButton*>(w);
            QVERIFY2(o, qPrintable(name));
            QCOMPARE(o->text(), qs(c.caption));
            QCOMPARE(o->isChecked(), c.selected);
            QCOMPARE(pal.color(QPalette::Window), rgb(c.back));
            QCOMPARE(pal.color(QPalette::WindowText), rgb(c.text));
            break;
        }
        case L::Kind::PictureBox:
            QCOMPARE(pal.color(QPalette::Window), rgb(c.back));
            QVERIFY(w->focusPolicy() & Qt::TabFocus);  // a picture box takes the focus
            break;
        case L::Kind::Shape:
            QCOMPARE(qobject_cast<ui::Shape*>(w)->outline(), c.back);
            QCOMPARE(w->focusPolicy(), Qt::NoFocus);
            break;
        case L::Kind::Image:
        case L::Kind::Cell:
            QCOMPARE(w->focusPolicy(), Qt::NoFocus);
            break;
    }
}

void checkWindow(const QWidget& window, const L::Window& design) {
    QCOMPARE(window.windowTitle(), qs(design.caption));
    QCOMPARE(window.size(), QSize(design.clientWidth / 15, design.clientHeight / 15));
    QCOMPARE(window.minimumSize(), window.size());  // fixed: it cannot be resized
    QCOMPARE(window.maximumSize(), window.size());
    QVERIFY(window.windowFlags() & Qt::WindowTitleHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.palette().color(QPalette::Window), rgb(design.back));
    QVERIFY(window.isVisible());
    QCOMPARE(window.parentWidget(), nullptr);  // no owner

    // Centred on the screen by its outer size, in twips, fraction kept.
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    const WindowPosition at = centred(screen.width() * 15.0f, screen.height() * 15.0f,
                                      outer.width() * 15.0f, outer.height() * 15.0f);
    QCOMPARE(outer.left(), screen.left() + int(std::lround(at.left / 15)));
    QCOMPARE(outer.top(), screen.top() + int(std::lround(at.top / 15)));

    for (const L::Control& c : design.controls) {
        checkControl(window, c);
        if (QTest::currentTestFailed()) return;
    }
}

QColor pixelAt(QWidget& window, QPoint p) { return window.grab().toImage().pixelColor(p); }

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void gameWindowControlsAsDesigned() {
        Run run;
        checkWindow(run.gioco(), L::frmgioco);
    }

    void boardAsDesigned() {
        Run run;
        for (int n = 1; n <= cells; ++n) {
            ui::FaceButton* b = run.cell(n);
            QCOMPARE(b->objectName(), QStringLiteral("cmd%1").arg(n));
            const int r = (n - 1) / 4, c = (n - 1) % 4;
            QCOMPARE(b->geometry(), QRect(32 + 40 * c, 112 + 40 * r, 41, 41));
            QCOMPARE(b->text(), n == 32 ? QString() : QString::number(n));
            QCOMPARE(b->face(), n == 32 ? colvuoto : (r + c) % 2 == 0 ? colblu : colgiallo);
            QCOMPARE(QFontInfo(b->font()).family(), QStringLiteral("Liberation Sans"));
            QCOMPARE(b->font().pixelSize(), 24);
            QVERIFY(!QFontInfo(b->font()).bold());
            QVERIFY(b->isVisible() && b->isEnabled());
        }
        // The window-operation view of the same board.
        QCOMPARE(run.gioco().faceColour(32), colvuoto);
        QCOMPARE(run.gioco().label(32), std::string());
        QCOMPARE(run.gioco().moves(), std::string("0"));
        QCOMPARE(run.gioco().clockText(), std::string("00:00"));
        QVERIFY(!run.gioco().tempo()->isEnabled());
        QVERIFY(!run.gioco().tempo()->isWaiting());
    }

    void paintedAsDesigned() {
        Run run;
        ui::frmgioco& w = run.gioco();
        const QImage image = w.grab().toImage();
        // The red band of Label1 round the board, 8 px wide.
        QCOMPARE(image.pixelColor(24, 104), rgb(colrosso));
        QCOMPARE(image.pixelColor(31, 300), rgb(colrosso));
        QCOMPARE(image.pixelColor(200, 440), rgb(colrosso));
        // Faces, inside the bevel and clear of the digits.
        QCOMPARE(image.pixelColor(36, 116), rgb(colblu));      // cell 1
        QCOMPARE(image.pixelColor(76, 116), rgb(colgiallo));   // cell 2
        QCOMPARE(image.pixelColor(156, 396), QApplication::palette().color(QPalette::Button));  // cell 32
        QCOMPARE(image.pixelColor(220, 364), rgb(colgiallo));  // cmdcomincia
        // The window's own background, and Picture1's.
        QCOMPARE(image.pixelColor(200, 460), rgb(colpesca));
        QCOMPARE(image.pixelColor(58, 26), rgb(colpesca));
        // Shape1's blue outline 16 px outside Picture1.
        QCOMPARE(image.pixelColor(40, 50), rgb(coltesto));
        QCOMPARE(image.pixelColor(200, 8), rgb(coltesto));
        // A caption in the button-text colour: some pixel of "1" on cell 1.
        bool captionSeen = false;
        const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
        for (int y = 120; y < 145 && !captionSeen; ++y)
            for (int x = 40; x < 64 && !captionSeen; ++x) captionSeen = image.pixelColor(x, y) == buttonText;
        QVERIFY(captionSeen);
        // The artwork is there: the title banner is not just background.
        int inked = 0;
        for (int x = 56; x < 313; ++x) inked += image.pixelColor(x, 48) != rgb(colpesca);
        QVERIFY(inked > 20);
    }

    void artworkLoads() {
        for (const char* name : {"lastrino", "comincia", "aiuto", "esci", "titolo", "striscia", "vittoria"}) {
            QVERIFY2(QFile::exists(ui::picturePath(name)), name);
        }
        QVERIFY(QFile::exists(QStringLiteral(":/assets/icons/lastrino.svg")));
    }

    void tabOrderAndFocusAtLoad() {
        Run run;
        QVERIFY(QTest::qWaitForWindowActive(&run.gioco()));
        QCOMPARE(QApplication::focusWidget(), run.control("cmdcomincia"));
        QStringList expected{"cmdcomincia", "cmdsoluzione", "cmdesci"};
        for (int n = 1; n <= 28; ++n) expected << QStringLiteral("cmd%1").arg(n);
        expected << "Picture1";
        for (int n = 29; n <= 32; ++n) expected << QStringLiteral("cmd%1").arg(n);
        expected << "optno"  // the group's selected option; Help is hidden
                 << "cmdcomincia";
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);

        // Shown, Help joins the order at its place, last.
        run.gioco().showHelp();
        run.control("optno")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), run.control("cmdaiuto"));
    }

    void endWindowControlsAsDesigned() {
        Run run;
        run.program->showScelta();
        ui::frmscelta* w = run.scelta();
        QVERIFY(w);
        checkWindow(*w, L::frmscelta);
        QCOMPARE(pixelAt(*w, {124, 204}), rgb(colsi));  // the face of "Sì"
        // Its load replaced the placeholder caption with the message.
        QCOMPARE(w->message(), QStringLiteral("Hai vinto in 0 mosse!"));
    }
};

QTEST_MAIN(LayoutTest)
#include "ui_layout_test.moc"
