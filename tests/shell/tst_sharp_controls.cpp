// On a display of twice the pixel density, picture controls paint their pictures drawn finer.
#include "controls/image_control.h"
#include "pictures/drawings.h"
#include "pictures/graphics.h"

#include <QApplication>
#include <QTest>

using namespace quorvel;

class TestSharpControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void picturesAreDrawnAtTheDisplaysDensity_data();
    void picturesAreDrawnAtTheDisplaysDensity();
};

void TestSharpControls::picturesAreDrawnAtTheDisplaysDensity_data()
{
    QTest::addColumn<PictureName>("picture");
    QTest::addColumn<QImage>("sharp");
    QTest::newRow("blotched leaf")
        << PictureName(LeafPicture::SpottedLeft) << drawings::leaf(8, 2.0);
    QTest::newRow("tube with water")
        << PictureName(TubePicture::WaterAndMinerals) << drawings::tube(2, 2.0);
    QTest::newRow("syringe") << PictureName(SyringePicture::Full) << drawings::syringe(3, 2.0);
    QTest::newRow("drop") << PictureName(SinglePicture::Drip) << drawings::drip(2.0);
    QTest::newRow("ruler") << PictureName(SinglePicture::Ruler) << drawings::ruler(2.0);
}

void TestSharpControls::picturesAreDrawnAtTheDisplaysDensity()
{
    QFETCH(PictureName, picture);
    QFETCH(QImage, sharp);
    const QSize size = Graphics::instance().picture(picture).size();
    QWidget window;
    window.setAutoFillBackground(true);
    auto* control = new ImageControl(&window, picture, 0, 0, size.width() * 15, size.height() * 15);
    window.resize(size);
    QCOMPARE(control->devicePixelRatioF(), 2.0);

    // Every screen pixel of the control is the finer drawing's own pixel.
    const QImage shown = control->grab().toImage().convertToFormat(sharp.format());
    QCOMPARE(shown.size(), sharp.size());
    QCOMPARE(shown, sharp);
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
