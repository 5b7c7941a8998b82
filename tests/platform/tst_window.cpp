#include "platform/canvas.h"
#include "platform/palette.h"
#include "platform/twips.h"
#include "platform/window.h"

#include <QCloseEvent>
#include <QTest>

namespace {

// A window that writes down what happened to it, in order.
class Probe : public MoxWindow {
public:
    QStringList events;

protected:
    void Form_Load() override { events.append(QStringLiteral("load")); }
    void Form_Activate() override { events.append(QStringLiteral("activate")); }
    void closeRequested() override {
        events.append(QStringLiteral("back"));
        hide();
    }
};

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Twips::setScale(1.0); }
    void loadsOnceAndActivatesAfterOpener();
    void activationSkippedWhenHiddenAgain();
    void closeButtonRunsBackEntry();
    void closingAllowedWhenProgramEnds();
    void twipsScaleWithFactor();
    void scaleSuitsScreen();
    void paletteIsClassic();
    void canvasKeepsDrawingUntilCleared();
};

void WindowTest::loadsOnceAndActivatesAfterOpener() {
    Probe window;
    window.showFromOpener();
    window.events.append(QStringLiteral("opener goes on"));
    QCOMPARE(window.events, (QStringList{"load", "opener goes on"}));
    QCoreApplication::processEvents();
    QCOMPARE(window.events, (QStringList{"load", "opener goes on", "activate"}));

    window.hide();
    window.showFromOpener();
    QCoreApplication::processEvents();
    QCOMPARE(window.events, (QStringList{"load", "opener goes on", "activate", "activate"}));
}

void WindowTest::activationSkippedWhenHiddenAgain() {
    Probe window;
    window.showFromOpener();
    window.hide();
    QCoreApplication::processEvents();
    QCOMPARE(window.events, QStringList{"load"});
}

void WindowTest::closeButtonRunsBackEntry() {
    Probe window;
    window.showFromOpener();
    QCoreApplication::processEvents();
    QVERIFY(!window.close());
    QCOMPARE(window.events.last(), QStringLiteral("back"));
    QVERIFY(!window.isVisible());
}

void WindowTest::closingAllowedWhenProgramEnds() {
    Probe window;
    window.show();
    MoxWindow::setProgramEnding(true);
    const bool closed = window.close();
    MoxWindow::setProgramEnding(false);
    QVERIFY(closed);
    QVERIFY(!window.events.contains(QStringLiteral("back")));
}

void WindowTest::twipsScaleWithFactor() {
    QCOMPARE(Twips::toPixels(495), 33);
    QCOMPARE(Twips::toPixels(8415), 561);
    Twips::setScale(2.0);
    QCOMPARE(Twips::toPixels(495), 66);
    QCOMPARE(Twips::font(QStringLiteral("Comic Sans MS"), 19.5, true).pointSizeF(), 39.0);
    QWidget control;
    place(&control, 120, 240, 1095, 735);
    QCOMPARE(control.geometry(), QRect(16, 32, 146, 98));
}

void WindowTest::scaleSuitsScreen() {
    QCOMPARE(Twips::scaleForScreen(800, 600, 8415, 6555), 1.0);
    QCOMPARE(Twips::scaleForScreen(1280, 800, 8415, 6555), 1.2);
    QCOMPARE(Twips::scaleForScreen(1920, 1080, 8415, 6555), 1.6);
    QCOMPARE(Twips::scaleForScreen(3840, 2160, 8415, 6555), 3.25);
    QCOMPARE(Twips::scaleForScreen(640, 480, 8415, 6555), 1.0);
}

void WindowTest::paletteIsClassic() {
    QCOMPARE(paletteColor(0), QColor(0, 0, 0));
    QCOMPARE(paletteColor(4), QColor(128, 0, 0));
    QCOMPARE(paletteColor(9), QColor(0, 0, 255));
    QCOMPARE(paletteColor(13), QColor(255, 0, 255));
    QCOMPARE(paletteColor(14), QColor(255, 255, 0));
    QCOMPARE(paletteColor(15), QColor(255, 255, 255));
}

void WindowTest::canvasKeepsDrawingUntilCleared() {
    QWidget window;
    window.resize(400, 300);
    Canvas canvas(&window);
    canvas.resize(400, 300);
    window.show();
    canvas.drawLine({0, 1500}, {6000, 1500}, Qt::red, 3);
    canvas.printText(QStringLiteral("A"), {300, 300}, Qt::blue,
                     Twips::font(QStringLiteral("MS Sans Serif"), 24, true));
    QCOMPARE(canvas.pixelColor({3000, 1500}), QColor(Qt::red));

    // What covered the surface does not matter: repainting shows the same image.
    canvas.repaint();
    QCOMPARE(canvas.grab().toImage().pixelColor(200, 100), QColor(Qt::red));
    QCOMPARE(canvas.printedTexts().size(), 1);
    QCOMPARE(canvas.printedTexts().first().text, QStringLiteral("A"));

    canvas.clear();
    QCOMPARE(canvas.pixelColor({3000, 1500}).alpha(), 0);
    QVERIFY(canvas.printedTexts().isEmpty());
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
