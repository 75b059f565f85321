// Both windows at load, as painted, and their tab order. CTest runs it at
// scale 1 and again at QT_SCALE_FACTOR=2, where the layout stays in
// device-independent pixels and the artwork is drawn with twice the pixels.
#include "ui_fixture.h"

#include <QFontInfo>
#include <QScreen>

#include <cmath>

using namespace lastrino;
using namespace lastrino::testing;

namespace {

// The windows as designed, in twips (15 to the pixel), written out here.
struct Expected {
    const char* name;
    const char* parent;  // "" for the window
    int left, top, width, height;
    const char* caption;
    Colour back, text;   // face of a button, outline of a shape
    const char* family;  // "" where no font is set
    int fontPixels;      // points x 96 / 72
    bool bold;
    const char* tooltip;
    bool visible;
};
constexpr Colour none = 0xFFFFFFFF;
constexpr Colour red = 0x0000FF, blue = 0xFF0000, peach = 0x80C0FF, yellow = 0x00FFFF, lightYellow = 0x80FFFF;

const Expected gameWindow[] = {
    {"Label1", "", 360, 1560, 2655, 5055, "", red, none, "", 0, false, "", true},
    {"cmdcomincia", "", 3240, 5400, 615, 615, "", yellow, none, "", 0, false, "Comincia", true},
    {"cmdaiuto", "", 3960, 5400, 615, 615, "", yellow, none, "", 0, false, "Aiuto!", false},
    {"cmdesci", "", 4680, 5400, 615, 615, "", yellow, none, "", 0, false, "Esci", true},
    {"cmdsoluzione", "", 3600, 6120, 1335, 495, "&Soluzione", yellow, none, "Comic Neue", 13, false, "", true},
    {"Frame2", "", 3360, 1560, 1815, 855, "Mosse", peach, blue, "Liberation Sans", 16, true, "", true},
    {"lblcont", "Frame2", 120, 360, 1335, 375, "0", peach, blue, "Liberation Sans", 16, true, "", true},
    {"Frame1", "", 3360, 2640, 1815, 1215, "Tempo", peach, blue, "Liberation Sans", 16, true, "", true},
    {"optsi", "Frame1", 120, 360, 615, 255, "Sì", peach, blue, "Liberation Sans", 13, true, "", true},
    {"optno", "Frame1", 960, 360, 735, 255, "No", peach, blue, "Liberation Sans", 13, true, "", true},
    {"lbltime", "Frame1", 120, 720, 1095, 375, "00:00", peach, blue, "Liberation Sans", 16, true, "", true},
    {"Picture1", "", 840, 360, 3855, 735, "", peach, none, "", 0, false, "", true},
    {"Shape1", "", 600, 120, 4335, 1215, "", blue, none, "", 0, false, "", true},
    {"Image1", "", 120, 6840, 1230, 165, "", none, none, "", 0, false, "", true},
};
const Expected endWindow[] = {
    {"Picture1", "", 360, 240, 5415, 735, "", peach, none, "", 0, false, "", true},
    {"lblmess", "", 360, 1200, 5415, 1095, "", peach, blue, "Comic Neue", 24, true, "", true},
    {"Label2", "", 1800, 2400, 2535, 375, "Un'altra partita?", peach, red, "Comic Neue", 16, false, "", true},
    {"cmdsi", "", 1800, 3000, 1095, 375, "&Sì", lightYellow, none, "Liberation Sans", 13, true, "", true},
    {"cmdno", "", 3240, 3000, 1095, 375, "&No", lightYellow, none, "Liberation Sans", 13, true, "", true},
};

QRect pixels(int left, int top, int width, int height) { return {left / 15, top / 15, width / 15, height / 15}; }

void checkControl(const QWidget& window, const Expected& e) {
    auto* w = window.findChild<QWidget*>(QLatin1String(e.name));
    QVERIFY2(w, e.name);
    QCOMPARE(w->geometry(), pixels(e.left, e.top, e.width, e.height));
    QCOMPARE(w->parentWidget()->objectName(), *e.parent ? QLatin1String(e.parent) : window.objectName());
    QCOMPARE(w->isVisibleTo(&window), e.visible);
    QVERIFY(w->isEnabled());
    QCOMPARE(w->toolTip(), QString::fromUtf8(e.tooltip));
    if (*e.family) {
        const QFontInfo info(w->font());
        QCOMPARE(info.family(), QLatin1String(e.family));
        QCOMPARE(w->font().pixelSize(), e.fontPixels);
        QCOMPARE(info.bold(), e.bold);
        QVERIFY(!info.italic() && !w->font().underline() && !w->font().strikeOut());
    }
    const QString caption = QString::fromUtf8(e.caption);
    if (auto* b = qobject_cast<ui::FaceButton*>(w)) {
        QCOMPARE(b->face(), e.back);
        QCOMPARE(b->text(), caption);
    } else if (auto* s = qobject_cast<ui::Shape*>(w)) {
        QCOMPARE(s->outline(), e.back);
    } else if (e.back != none) {
        QCOMPARE(w->palette().color(QPalette::Window), rgb(e.back));
        if (e.text != none) QCOMPARE(w->palette().color(QPalette::WindowText), rgb(e.text));
    }
    if (auto* l = qobject_cast<QLabel*>(w); l && *e.caption) QCOMPARE(l->text(), caption);
    if (auto* o = qobject_cast<QRadioButton*>(w)) {
        QCOMPARE(o->text(), caption);
        QCOMPARE(o->isChecked(), caption == QLatin1String("No"));
    }
    if (auto* f = qobject_cast<ui::Frame*>(w)) QCOMPARE(f->caption(), caption);
}

void checkWindow(QWidget& window, const char* caption, QSize size, const Expected* first, const Expected* last) {
    QCOMPARE(window.windowTitle(), QString::fromUtf8(caption));
    QCOMPARE(window.size(), size);
    QVERIFY(window.minimumSize() == size && window.maximumSize() == size);  // it cannot be resized
    QVERIFY(window.windowFlags() & Qt::WindowTitleHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.palette().color(QPalette::Window), rgb(peach));
    QVERIFY(window.isVisible());
    QCOMPARE(window.parentWidget(), nullptr);
    // Centred on the screen by its outer size.
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    QCOMPARE(outer.left() - screen.left(), int(std::lround((screen.width() - outer.width()) / 2.0)));
    QCOMPARE(outer.top() - screen.top(), int(std::lround((screen.height() - outer.height()) / 2.0)));
    QCOMPARE(window.grab().size(), size * window.devicePixelRatio());
    for (const Expected* e = first; e != last; ++e) {
        checkControl(window, *e);
        if (QTest::currentTestFailed()) return;
    }
}

// A pixel of a grabbed window, at a place given in device-independent pixels.
QColor pixel(const QImage& image, int x, int y) { return image.pixelColor(QPoint(x, y) * image.devicePixelRatio()); }

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(qApp->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    }

    void windowsAsDesigned() {
        Run run;
        checkWindow(run.gioco(), "Lastrino!", {369, 474}, std::begin(gameWindow), std::end(gameWindow));
        for (int n = 1; n <= 32; ++n) {
            ui::FaceButton* b = run.cell(n);
            const int r = (n - 1) / 4, c = (n - 1) % 4;
            QCOMPARE(b->objectName(), QStringLiteral("cmd%1").arg(n));
            QCOMPARE(b->geometry(), pixels(480 + 600 * c, 1680 + 600 * r, 615, 615));
            QCOMPARE(b->text(), n == 32 ? QString() : QString::number(n));
            QCOMPARE(b->face(), n == 32 ? 0x8000000Fu : (r + c) % 2 == 0 ? 0xFF8080u : 0x00FFFFu);
            QCOMPARE(QFontInfo(b->font()).family(), QStringLiteral("Liberation Sans"));
            QCOMPARE(b->font().pixelSize(), 24);
            QVERIFY(!QFontInfo(b->font()).bold() && b->isVisible() && b->isEnabled());
        }
        run.program->showScelta();
        checkWindow(*run.scelta(), "Un'altra partita?", {409, 233}, std::begin(endWindow), std::end(endWindow));
        QCOMPARE(run.scelta()->focusWidget(), run.endControl("cmdsi"));
    }

    void paintedAsDesigned() {
        Run run;
        const QImage image = run.gioco().grab().toImage();
        // Label1's red band round the board, 8 px wide.
        QCOMPARE(pixel(image, 24, 104), rgb(red));
        QCOMPARE(pixel(image, 31, 300), rgb(red));
        // Faces, inside the bevel and clear of the digits; cell 32 in the button face.
        QCOMPARE(pixel(image, 36, 116), rgb(0xFF8080));
        QCOMPARE(pixel(image, 76, 116), rgb(yellow));
        QCOMPARE(pixel(image, 156, 396), QApplication::palette().color(QPalette::Button));
        QCOMPARE(pixel(image, 40, 50), rgb(blue));  // Shape1's outline, 16 px outside Picture1
        // Some pixel of "1" on cell 1 in the button-text colour; the title banner inked.
        const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
        int captionInk = 0, titleInk = 0;
        for (int y = 120; y < 145; ++y)
            for (int x = 40; x < 64; ++x) captionInk += pixel(image, x, y) == buttonText;
        for (int x = 56; x < 313; ++x) titleInk += pixel(image, x, 48) != rgb(peach);
        QVERIFY(captionInk > 0);
        QVERIFY(titleInk > 20);
        run.program->showScelta();
        QCOMPARE(pixel(run.scelta()->grab().toImage(), 124, 204), rgb(lightYellow));  // the face of "Sì"
    }

    void tabOrderAndFocusAtLoad() {
        Run run;
        QVERIFY(QTest::qWaitForWindowActive(&run.gioco()));
        QStringList expected{"cmdcomincia", "cmdsoluzione", "cmdesci"};
        for (int n = 1; n <= 28; ++n) expected << QStringLiteral("cmd%1").arg(n);
        expected << "Picture1";
        for (int n = 29; n <= 32; ++n) expected << QStringLiteral("cmd%1").arg(n);
        expected << "optno"  // the group's selected option; Help is hidden
                 << "cmdcomincia";
        QStringList visited{focused()->objectName()};
        while (visited.size() < expected.size()) {
            key(Qt::Key_Tab);
            visited << focused()->objectName();
        }
        QCOMPARE(visited, expected);
        // Shown, Help joins the order at its place, last.
        run.gioco().showHelp();
        run.control("optno")->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Tab);
        QCOMPARE(focused(), run.control("cmdaiuto"));
    }

    // At scale 2 the pictures are drawn with every device pixel, not blown up:
    // a drawing blown up pixel by pixel has no 2 x 2 block of mixed colours.
    void artworkUsesEveryDevicePixel() {
        if (qApp->devicePixelRatio() != 2) QSKIP("runs at QT_SCALE_FACTOR=2");
        Run run;
        for (const char* name : {"cmdcomincia", "cmdesci", "Picture1"}) {
            QWidget* w = run.control(name);
            const QImage im = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(im.size(), w->size() * 2);
            int mixed = 0, blocks = 0;
            for (int y = 0; y + 1 < im.height(); y += 2)
                for (int x = 0; x + 1 < im.width(); x += 2, ++blocks) {
                    const QRgb p = im.pixel(x, y);
                    mixed += p != im.pixel(x + 1, y) || p != im.pixel(x, y + 1) || p != im.pixel(x + 1, y + 1);
                }
            QVERIFY2(mixed > blocks / 20, name);
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "ui_layout_test.moc"
