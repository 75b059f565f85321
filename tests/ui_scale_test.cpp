// The windows at scale factor 2 (QT_SCALE_FACTOR=2, set by CMake): the same
// layout in device-independent pixels, the artwork drawn with twice the
// pixels rather than blown up from a 1x drawing.
#include "ui_fixture.h"

#include "ui/controls.h"

#include <QImage>
#include <QPixmap>

#include <cmath>

using namespace lastrino;
using namespace lastrino::testing;

namespace {

QImage at1x(QWidget* w) {
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    image.fill(Qt::transparent);
    w->render(&image);
    return image.convertToFormat(QImage::Format_RGB32);
}

int channelGap(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Sum of squared steps between neighbours: a sharp edge is one big step,
// a blurred one several small ones that add up to less.
double edgeEnergy(const QImage& image) {
    double sum = 0;
    for (int y = 0; y + 1 < image.height(); ++y) {
        for (int x = 0; x + 1 < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const double right = channelGap(p, image.pixel(x + 1, y));
            const double down = channelGap(p, image.pixel(x, y + 1));
            sum += right * right + down * down;
        }
    }
    return sum;
}

// The share of 2 x 2 blocks that are not one colour: none in a 1x drawing
// blown up pixel by pixel.
double detail(const QImage& image) {
    int mixed = 0;
    int blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            mixed += p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1) || p != image.pixel(x + 1, y + 1);
            ++blocks;
        }
    }
    return double(mixed) / blocks;
}

// The mean gap per channel between a 1x drawing and the 2x one brought down
// to 1x by averaging each 2 x 2 block.
double meanGapToHalf(const QImage& one, const QImage& two) {
    double sum = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy : {0, 1}) {
                for (int dx : {0, 1}) {
                    const QRgb p = two.pixel(2 * x + dx, 2 * y + dy);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                }
            }
            sum += channelGap(one.pixel(x, y), qRgb(r / 4, g / 4, b / 4));
        }
    }
    return sum / (one.width() * one.height());
}

}  // namespace

class ScaleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void layoutStaysInDeviceIndependentPixels() {
        Run run;
        QCOMPARE(run.gioco().size(), QSize(369, 474));
        for (const layout::Control& c : layout::frmgioco.controls) {
            QCOMPARE(run.gioco().control(ui::text(c.name))->geometry(), ui::toPixels(c.twips));
        }
        for (int n = 1; n <= cells; ++n) QCOMPARE(run.cell(n)->geometry(), ui::toPixels(layout::cellRect(n)));
        // On the device, every pixel is two: the client area is 738 x 948.
        const QPixmap window = run.gioco().grab();
        QCOMPARE(window.devicePixelRatio(), 2.0);
        QCOMPARE(window.size(), QSize(738, 948));
        QCOMPARE(window.deviceIndependentSize(), QSizeF(369, 474));

        run.start();
        for (int n : winningClicks) run.clickCell(n);
        QVERIFY(run.scelta());
        QCOMPARE(run.scelta()->size(), QSize(409, 233));
        for (const layout::Control& c : layout::frmscelta.controls) {
            QCOMPARE(run.scelta()->control(ui::text(c.name))->geometry(), ui::toPixels(c.twips));
        }
        QCOMPARE(run.scelta()->grab().size(), QSize(818, 466));
    }

    void artworkIsDrawnAtTwiceThePixels() {
        Run run;
        for (const char* name : {"cmdcomincia", "cmdesci", "Picture1"}) {
            QWidget* w = run.control(name);
            const QPixmap grabbed = w->grab();
            QCOMPARE(grabbed.devicePixelRatio(), 2.0);
            QCOMPARE(grabbed.size(), w->size() * 2);
            const QImage two = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
            const QImage one = at1x(w);
            const QImage blownUp = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QImage blocky = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);

            // The same picture: brought down to 1x it matches the 1x drawing.
            const double gap = meanGapToHalf(one, two);
            // Sharper than the 1x drawing blown up smoothly, and finer than blown up pixel by pixel.
            const double sharpness = edgeEnergy(two) / edgeEnergy(blownUp);
            const double fine = detail(two);
            qInfo("%s: mean gap to 1x %.2f, edge energy %.2f x a smooth blow-up, %.0f%% of 2x2 blocks mixed "
                  "(%.0f%% blown up)", name, gap, sharpness, 100 * fine, 100 * detail(blocky));
            QVERIFY2(gap < 6, name);
            QVERIFY2(sharpness > 1.4, name);
            QCOMPARE(detail(blocky), 0.0);
            QVERIFY2(fine > 0.05, name);
        }
    }
};

QTEST_MAIN(ScaleTest)
#include "ui_scale_test.moc"
