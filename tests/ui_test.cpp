// What the transcripts and tests/designed.py cannot say of the Qt windows:
// both windows at load and as painted, what a screen reader hears, and the
// timer of new games. CTest runs it at scale 1 and again at
// QT_SCALE_FACTOR=2, where the layout stays in device-independent pixels.
#include "ui_fixture.h"

#include <QPainter>
#include <QProcess>
#include <QScreen>

#include <cmath>

using namespace lastrino;
using namespace lastrino::testing;

namespace {

// What the table of tests/designed.py does not say of a window: it stands
// centred on the screen by its outer size.
void centred(QWidget& window) {
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    QCOMPARE(outer.left() - screen.left(), int(std::lround((screen.width() - outer.width()) / 2.0)));
    QCOMPARE(outer.top() - screen.top(), int(std::lround((screen.height() - outer.height()) / 2.0)));
}

// A pixel of a grabbed window, at a place given in device-independent pixels.
QColor pixel(const QImage& image, int x, int y) { return image.pixelColor(QPoint(x, y) * image.devicePixelRatio()); }

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void windowsAsDesignedAndPainted() {
        Run run;
        centred(*run.gioco());
        const QImage image = run.gioco()->grab().toImage();
        // Label1's red band round the board, 8 px wide: its inner edge.
        QCOMPARE(pixel(image, 31, 300), rgb(0x0000FF));
        // Faces, inside the bevel and clear of the digits; cell 32 in the button face.
        QCOMPARE(pixel(image, 36, 116), rgb(0xFF8080));
        QCOMPARE(pixel(image, 156, 396), QApplication::palette().color(QPalette::Button));
        QCOMPARE(pixel(image, 40, 50), rgb(0xFF0000));  // Shape1's outline, 16 px outside Picture1
        // Some pixel of "1" on cell 1 in the button-text colour (the pictures are
        // the artwork test's).
        const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
        int captionInk = 0;
        for (int y = 120; y < 145; ++y)
            for (int x = 40; x < 64; ++x) captionInk += pixel(image, x, y) == buttonText;
        QVERIFY(captionInk > 0);
        run.win(false);
        QCOMPARE(run.control("Picture1", layout::frmscelta)->accessibleName(), QStringLiteral("Vittoria!"));
    }

    // The artwork as Qt draws it and as rsvg-convert draws it for the .exe
    // (a browser draws it as rsvg-convert does): alike but for the
    // anti-aliasing of edges, at most one channel value in a thousand off by
    // more than a quarter.
    void artwork() {
        for (const char* name : {"lastrino", "comincia", "aiuto", "esci", "titolo", "striscia", "vittoria"}) {
            QProcess rsvg;
            rsvg.start("rsvg-convert", {"--zoom", "2", LASTRINO_SOURCE_DIR + ui::picturePath(name).mid(1)});
            QVERIFY(rsvg.waitForFinished());
            const QImage theirs =
                QImage::fromData(rsvg.readAllStandardOutput()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QImage ours(theirs.size(), theirs.format());
            ours.fill(Qt::transparent);
            QPainter painter(&ours);
            ui::paintPicture(painter, name, ours.rect());
            painter.end();
            qsizetype off = 0;
            for (qsizetype i = 0; i < ours.sizeInBytes(); ++i)
                off += std::abs(ours.constBits()[i] - theirs.constBits()[i]) > 64;
            QVERIFY2(!ours.isNull() && off <= ours.sizeInBytes() / 1000, name);
        }
    }

    // "Sì" unloads the window whose handler runs, and loads a new one: the
    // timer runs at its designed period, and stops with its window. (What
    // each game leaves behind is the soak benchmark's to count.)
    void timerStopsWithItsWindow() {
        Run run(false);
        run.win(true);
        QCOMPARE(run.screen.timer().interval(), 1000);
        QCOMPARE(run.screen.timer().timerType(), Qt::PreciseTimer);
        click(run.control("cmdsi", layout::frmscelta));
        QVERIFY(!run.screen.timer().isActive());
    }
};

QTEST_MAIN(WindowsTest)
#include "ui_test.moc"
