// On a display of twice the pixel density, picture controls paint their pictures drawn finer.
#include "controls/image_control.h"
#include "pictures/drawings.h"
#include "pictures/graphics.h"
#include "pictures/picture_catalogue.h"

#include <QApplication>
#include <QTest>

using namespace quorvel;

class TestSharpControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void picturesAreDrawnAtTheDisplaysDensity_data();
    void picturesAreDrawnAtTheDisplaysDensity();
    void aForeignPictureIsStillShown();
};

void TestSharpControls::picturesAreDrawnAtTheDisplaysDensity_data()
{
    QTest::addColumn<QPixmap>("picture");
    QTest::addColumn<QImage>("sharp");
    const Graphics& store = Graphics::instance();
    QTest::newRow("blotched leaf") << store.Leaf(8) << drawings::leaf(8, 2.0);
    QTest::newRow("tube with water") << store.Tube(2) << drawings::tube(2, 2.0);
    QTest::newRow("syringe") << store.Syringe(3) << drawings::syringe(3, 2.0);
    QTest::newRow("drop") << store.Drip() << drawings::drip(2.0);
    QTest::newRow("ruler") << catalogue::ruler() << drawings::ruler(2.0);
}

void TestSharpControls::picturesAreDrawnAtTheDisplaysDensity()
{
    QFETCH(QPixmap, picture);
    QFETCH(QImage, sharp);
    QWidget window;
    window.setAutoFillBackground(true);
    auto* control = new ImageControl(&window, 0, 0, picture.width() * 15, picture.height() * 15);
    control->setPicture(picture);
    window.resize(picture.size());
    QCOMPARE(control->devicePixelRatioF(), 2.0);

    // Every screen pixel of the control is the finer drawing's own pixel.
    const QImage shown = control->grab().toImage().convertToFormat(sharp.format());
    QCOMPARE(shown.size(), sharp.size());
    QCOMPARE(shown, sharp);
    // The control keeps handing out the picture it was given, as the screens' rules compare it.
    QCOMPARE(control->picture().cacheKey(), picture.cacheKey());
}

void TestSharpControls::aForeignPictureIsStillShown()
{
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    QWidget window;
    auto* control = new ImageControl(&window, 0, 0, 60, 60);
    control->setPicture(QPixmap::fromImage(red));
    const QImage shown = control->grab().toImage();
    QCOMPARE(shown.size(), QSize(8, 8));
    QCOMPARE(shown.pixel(7, 7), qRgb(255, 0, 0));
}

int main(int argc, char* argv[])
{
    // The density must be set before the application starts.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestSharpControls test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sharp_controls.moc"
