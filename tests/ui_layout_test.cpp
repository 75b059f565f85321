// Both windows at load against the design tables, as painted, and their tab
// order. CTest runs it at scale 1 and again at QT_SCALE_FACTOR=2, where the
// layout must stay in device-independent pixels and the artwork be drawn
// with twice the pixels rather than blown up.
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

void checkControl(const QWidget& window, const L::Control& c) {
    const QString name = qs(c.name);
    auto* w = window.findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->geometry(), px(c.twips));
    QCOMPARE(w->parentWidget()->objectName(), c.parent.empty() ? window.objectName() : qs(c.parent));
    QCOMPARE(w->isVisibleTo(&window), c.visible);
    QVERIFY(w->isEnabled());
    QCOMPARE(w->toolTip(), qs(c.tooltip));
    const bool takesFocus = c.kind == L::Kind::Button || c.kind == L::Kind::PictureButton ||
                            c.kind == L::Kind::Option || c.kind == L::Kind::PictureBox;
    QCOMPARE(bool(w->focusPolicy() & Qt::TabFocus), takesFocus);
    if (!c.font.face.empty()) {
        const QFontInfo info(w->font());
        QCOMPARE(info.family(), QString(c.font.face == "Comic Sans MS" ? "Comic Neue" : "Liberation Sans"));
        QCOMPARE(w->font().pixelSize(), int(std::lround(c.font.points * 96 / 72)));
        QCOMPARE(info.bold(), c.font.weight == 700);
        QVERIFY(!info.italic() && !w->font().underline() && !w->font().strikeOut());
    }
    if (auto* b = qobject_cast<ui::FaceButton*>(w)) {
        QVERIFY(c.kind == L::Kind::Button || c.kind == L::Kind::PictureButton);
        QCOMPARE(b->face(), c.back);
        QCOMPARE(b->text(), qs(c.caption));
        QCOMPARE(b->picture(), std::string(c.picture));
        QCOMPARE(b->textColour(), L::colbuttontext);
        return;
    }
    if (c.kind == L::Kind::Shape) QCOMPARE(qobject_cast<ui::Shape*>(w)->outline(), c.back);
    if (c.kind == L::Kind::Shape || c.kind == L::Kind::Image) return;
    QCOMPARE(w->palette().color(QPalette::Window), rgb(c.back));
    if (c.kind == L::Kind::PictureBox) return;
    QCOMPARE(w->palette().color(QPalette::WindowText), rgb(c.text));
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (c.name != "lblmess") QCOMPARE(l->text(), qs(c.caption));  // its load replaces it
        QCOMPARE(l->alignment() & Qt::AlignHorizontal_Mask,
                 c.align == L::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
        QCOMPARE(l->wordWrap(), c.wordWrap);
    } else if (auto* o = qobject_cast<QRadioButton*>(w)) {
        QCOMPARE(o->text(), qs(c.caption));
        QCOMPARE(o->isChecked(), c.selected);
    } else {
        QCOMPARE(qobject_cast<ui::Frame*>(w)->caption(), qs(c.caption));
    }
}

void checkWindow(QWidget& window, const L::Window& design) {
    QCOMPARE(window.windowTitle(), qs(design.caption));
    const QSize size(design.clientWidth / 15, design.clientHeight / 15);
    QCOMPARE(window.size(), size);
    QVERIFY(window.minimumSize() == size && window.maximumSize() == size);  // it cannot be resized
    QVERIFY(window.windowFlags() & Qt::WindowTitleHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.palette().color(QPalette::Window), rgb(design.back));
    QVERIFY(window.isVisible());
    QCOMPARE(window.parentWidget(), nullptr);
    // Centred on the screen by its outer size, in twips, fraction kept.
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    const WindowPosition at = centred(screen.width() * 15.0f, screen.height() * 15.0f,
                                      outer.width() * 15.0f, outer.height() * 15.0f);
    QCOMPARE(outer.topLeft(), screen.topLeft() + QPoint(std::lround(at.left / 15), std::lround(at.top / 15)));
    // On the device every pixel is as many as the scale.
    QCOMPARE(window.grab().size(), size * window.devicePixelRatio());
    for (const L::Control& c : design.controls) {
        checkControl(window, c);
        if (QTest::currentTestFailed()) return;
    }
}

// A pixel of a grabbed window, at a place given in device-independent pixels.
QColor pixel(const QImage& image, int x, int y) {
    return image.pixelColor(QPoint(x, y) * image.devicePixelRatio());
}

QImage at1x(QWidget* w) {
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    image.fill(Qt::transparent);
    w->render(&image);
    return image.convertToFormat(QImage::Format_RGB32);
}

int gap(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

QImage smooth(const QImage& im, QSize to) { return im.scaled(to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation); }

double meanGap(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) sum += gap(a.pixel(x, y), b.pixel(x, y));
    return sum / (a.width() * a.height());
}

// Sum of squared steps between neighbours: a sharp edge is one big step,
// a blurred one several small ones that add up to less.
double edgeEnergy(const QImage& im) {
    double sum = 0;
    for (int y = 0; y + 1 < im.height(); ++y)
        for (int x = 0; x + 1 < im.width(); ++x)
            sum += std::pow(gap(im.pixel(x, y), im.pixel(x + 1, y)), 2) +
                   std::pow(gap(im.pixel(x, y), im.pixel(x, y + 1)), 2);
    return sum;
}

// The share of 2 x 2 blocks that are not one colour: none in a 1x drawing
// blown up pixel by pixel.
double detail(const QImage& im) {
    int mixed = 0, blocks = 0;
    for (int y = 0; y + 1 < im.height(); y += 2)
        for (int x = 0; x + 1 < im.width(); x += 2, ++blocks) {
            const QRgb p = im.pixel(x, y);
            mixed += p != im.pixel(x + 1, y) || p != im.pixel(x, y + 1) || p != im.pixel(x + 1, y + 1);
        }
    return double(mixed) / blocks;
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(qApp->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    }

    void windowsAsDesigned() {
        Run run;
        checkWindow(run.gioco(), L::frmgioco);
        for (int n = 1; n <= cells; ++n) {
            ui::FaceButton* b = run.cell(n);
            const int r = (n - 1) / 4, c = (n - 1) % 4;
            QCOMPARE(b->objectName(), QStringLiteral("cmd%1").arg(n));
            QCOMPARE(b->geometry(), QRect(32 + 40 * c, 112 + 40 * r, 41, 41));
            QCOMPARE(b->text(), n == cells ? QString() : QString::number(n));
            QCOMPARE(b->face(), n == cells ? colvuoto : (r + c) % 2 == 0 ? colblu : colgiallo);
            QCOMPARE(QFontInfo(b->font()).family(), QStringLiteral("Liberation Sans"));
            QCOMPARE(b->font().pixelSize(), 24);
            QVERIFY(!QFontInfo(b->font()).bold() && b->isVisible() && b->isEnabled());
        }
        run.program->showScelta();
        checkWindow(*run.scelta(), L::frmscelta);
    }

    void paintedAsDesigned() {
        Run run;
        const QImage image = run.gioco().grab().toImage();
        // Label1's red band round the board, 8 px wide.
        QCOMPARE(pixel(image, 24, 104), rgb(colrosso));
        QCOMPARE(pixel(image, 31, 300), rgb(colrosso));
        // Faces, inside the bevel and clear of the digits; cell 32 in the button face.
        QCOMPARE(pixel(image, 36, 116), rgb(colblu));
        QCOMPARE(pixel(image, 76, 116), rgb(colgiallo));
        QCOMPARE(pixel(image, 156, 396), QApplication::palette().color(QPalette::Button));
        QCOMPARE(pixel(image, 40, 50), rgb(coltesto));  // Shape1's outline, 16 px outside Picture1
        // Some pixel of "1" on cell 1 in the button-text colour; the title banner inked.
        const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
        int captionInk = 0, titleInk = 0;
        for (int y = 120; y < 145; ++y)
            for (int x = 40; x < 64; ++x) captionInk += pixel(image, x, y) == buttonText;
        for (int x = 56; x < 313; ++x) titleInk += pixel(image, x, 48) != rgb(colpesca);
        QVERIFY(captionInk > 0);
        QVERIFY(titleInk > 20);
        run.program->showScelta();
        QCOMPARE(pixel(run.scelta()->grab().toImage(), 124, 204), rgb(colsi));  // the face of "Sì"
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

    void artworkIsSharpAtScaleTwo() {
        if (qApp->devicePixelRatio() != 2) QSKIP("runs at QT_SCALE_FACTOR=2");
        Run run;
        for (const char* name : {"cmdcomincia", "cmdesci", "Picture1"}) {
            QWidget* w = run.control(name);
            const QImage two = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage one = at1x(w);
            QCOMPARE(two.size(), w->size() * 2);
            // The same picture as at 1x; sharper than that blown up smoothly, finer than blown up
            // pixel by pixel.
            const double sameGap = meanGap(one, smooth(two, one.size()));
            const double sharpness = edgeEnergy(two) / edgeEnergy(smooth(one, two.size()));
            qInfo("%s: mean gap to 1x %.2f, edge energy %.2f x a smooth blow-up, %.0f%% of 2x2 blocks mixed", name,
                  sameGap, sharpness, 100 * detail(two));
            QVERIFY2(sameGap < 6 && sharpness > 1.4 && detail(two) > 0.05, name);
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "ui_layout_test.moc"
