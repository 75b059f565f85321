// Both windows at load, and as painted. CTest runs it at scale 1 and again
// at QT_SCALE_FACTOR=2, where the layout stays in device-independent pixels
// and the artwork is drawn with twice the pixels.
#include "ui_fixture.h"

#include <QFile>
#include <QFontInfo>
#include <QScreen>

#include <cmath>
#include <optional>

using namespace lastrino;
using namespace lastrino::testing;

namespace {

// A row of tests/windows.txt: a window or a control as designed.
struct Expected {
    QString window, name, parent;
    QRect twips;
    QString caption;
    std::optional<Colour> back, text;
    QString family;  // the face the windows name, as drawn here
    int fontPixels = 0;
    bool bold = false;
    QString tooltip;
    bool visible = true;
};
constexpr Colour red = 0x0000FF, blue = 0xFF0000, peach = 0x80C0FF, yellow = 0x00FFFF, lightYellow = 0x80FFFF;

QList<Expected> designed(const QString& window) {
    QFile file(QStringLiteral(LASTRINO_WINDOWS_TABLE));
    if (!file.open(QIODevice::ReadOnly)) qFatal("no %s", LASTRINO_WINDOWS_TABLE);
    QList<Expected> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        QStringList f = line.split(u'|');
        for (QString& field : f) field = field.trimmed();
        if (f.size() != 14 || f[0] != window) continue;
        const auto text = [](const QString& v) { return v == u"-" ? QString() : v; };
        const auto colour = [](const QString& v) {
            return v == u"-" ? std::nullopt : std::optional<Colour>(v.toUInt(nullptr, 16));
        };
        Expected e{f[0], text(f[1]), text(f[2]), QRect(f[3].toInt(), f[4].toInt(), f[5].toInt(), f[6].toInt()),
                   text(f[7]), colour(f[8]), colour(f[9]), {}, 0, false, text(f[11]), f[12] == u"1"};
        if (const QStringList font = f[10].split(u'/'); font.size() == 3) {
            e.family = font[0] == u"Comic Sans MS" ? QStringLiteral("Comic Neue") : QStringLiteral("Liberation Sans");
            e.fontPixels = int(std::lround(font[1].toDouble() * 96 / 72));
            e.bold = font[2] == u"700";
        }
        rows.append(e);
    }
    return rows;
}

QRect pixels(const QRect& twips) { return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15}; }

void checkControl(const QWidget& window, const Expected& e) {
    auto* w = window.findChild<QWidget*>(e.name);
    QVERIFY2(w, qPrintable(e.name));
    QCOMPARE(w->geometry(), pixels(e.twips));
    QCOMPARE(w->parentWidget()->objectName(), e.parent.isEmpty() ? window.objectName() : e.parent);
    QCOMPARE(w->isVisibleTo(&window), e.visible);
    QVERIFY(w->isEnabled());
    QCOMPARE(w->toolTip(), e.tooltip);
    if (!e.family.isEmpty()) {
        const QFontInfo info(w->font());
        QCOMPARE(info.family(), e.family);
        QCOMPARE(w->font().pixelSize(), e.fontPixels);
        QCOMPARE(info.bold(), e.bold);
        QVERIFY(!info.italic() && !w->font().underline() && !w->font().strikeOut());
    }
    if (auto* b = qobject_cast<ui::FaceButton*>(w)) {
        QCOMPARE(b->face(), e.back.value());
        QCOMPARE(b->text(), e.caption);
    } else if (auto* s = qobject_cast<ui::Shape*>(w)) {
        QCOMPARE(s->outline(), e.back.value());
    } else if (e.back) {
        QCOMPARE(w->palette().color(QPalette::Window), rgb(*e.back));
        if (e.text) QCOMPARE(w->palette().color(QPalette::WindowText), rgb(*e.text));
    }
    if (auto* l = qobject_cast<QLabel*>(w); l && !e.caption.isEmpty()) QCOMPARE(l->text(), e.caption);
    if (auto* o = qobject_cast<QRadioButton*>(w)) {
        QCOMPARE(o->text(), e.caption);
        QCOMPARE(o->isChecked(), e.caption == u"No");
    }
    if (auto* f = qobject_cast<ui::Frame*>(w)) QCOMPARE(f->caption(), e.caption);
}

void checkWindow(QWidget& window) {
    const QList<Expected> rows = designed(window.objectName());
    QVERIFY(rows.size() > 1);
    const Expected& form = rows.front();
    const QSize size = pixels(form.twips).size();
    QCOMPARE(window.windowTitle(), form.caption);
    QCOMPARE(window.size(), size);
    QVERIFY(window.minimumSize() == size && window.maximumSize() == size);  // it cannot be resized
    QVERIFY(window.windowFlags() & Qt::WindowTitleHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.palette().color(QPalette::Window), rgb(*form.back));
    QVERIFY(window.isVisible());
    QCOMPARE(window.parentWidget(), nullptr);
    // Centred on the screen by its outer size.
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    QCOMPARE(outer.left() - screen.left(), int(std::lround((screen.width() - outer.width()) / 2.0)));
    QCOMPARE(outer.top() - screen.top(), int(std::lround((screen.height() - outer.height()) / 2.0)));
    QCOMPARE(window.grab().size(), size * window.devicePixelRatio());
    for (const Expected& e : rows.mid(1)) {
        checkControl(window, e);
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
        checkWindow(run.gioco());
        for (int n = 1; n <= 32; ++n) {
            ui::FaceButton* b = run.cell(n);
            const int r = (n - 1) / 4, c = (n - 1) % 4;
            QCOMPARE(b->objectName(), QStringLiteral("cmd%1").arg(n));
            QCOMPARE(b->geometry(), pixels({480 + 600 * c, 1680 + 600 * r, 615, 615}));
            QCOMPARE(QFontInfo(b->font()).family(), QStringLiteral("Liberation Sans"));
            QCOMPARE(b->font().pixelSize(), 24);
            QVERIFY(!QFontInfo(b->font()).bold() && b->isVisible() && b->isEnabled());
        }
        run.program->showScelta();
        checkWindow(*run.scelta());
        QCOMPARE(run.endControl("Picture1")->accessibleName(), QStringLiteral("Vittoria!"));
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
