// Checks the pictures for the properties the screens and the pupils rely on.
#include "pictures/drawings.h"
#include "pictures/graphics.h"

#include <QPainter>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <functional>

using namespace quorvel;

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kBrightGreen = qRgb(0, 255, 0);
constexpr QRgb kDarkGreen = qRgb(0, 128, 0);
constexpr QRgb kPaleYellow = qRgb(255, 255, 128);
constexpr QRgb kOliveBrown = qRgb(128, 128, 0);
constexpr QRgb kMagenta = qRgb(255, 0, 255);
constexpr QRgb kLightGrey = qRgb(192, 192, 192);
constexpr QRgb kGrey = qRgb(128, 128, 128);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kBlueViolet = qRgb(64, 0, 255);
constexpr QRgb kCyan = qRgb(0, 255, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);

QList<QRgb> pixels(const QImage& image)
{
    QList<QRgb> all;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            all.append(image.pixel(x, y));
    }
    return all;
}

qsizetype countColour(const QImage& image, QRgb colour)
{
    return pixels(image).count(colour);
}

qsizetype countNotWhite(const QImage& image)
{
    return pixels(image).size() - countColour(image, kWhite);
}

QImage recoloured(QImage image, QRgb from, QRgb to)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == from)
                image.setPixel(x, y, to);
        }
    }
    return image;
}

// The pixels between the left and the right wall of a tube in one row (empty below the tube).
QList<QRgb> insideWalls(const QImage& tube, int row)
{
    int left = 0;
    while (left < tube.width() && tube.pixel(left, row) == kWhite)
        ++left;
    while (left < tube.width() && tube.pixel(left, row) == kBlack)
        ++left;
    int right = tube.width() - 1;
    while (right >= 0 && tube.pixel(right, row) == kWhite)
        --right;
    while (right >= 0 && tube.pixel(right, row) == kBlack)
        --right;
    QList<QRgb> inside;
    for (int x = left; x <= right; ++x)
        inside.append(tube.pixel(x, row));
    return inside;
}

// Every picture drawn at a given scale, named, with its size in picture units.
struct Drawn {
    const char* name;
    std::function<QImage(double)> draw;
    QSize size;
};

QList<Drawn> allDrawings()
{
    QList<Drawn> all;
    for (const int i : {0, 2, 4, 6, 8, 10, 12, 14})
        all.append({"leaf", [i](double s) { return drawings::leaf(i, s); }, QSize(70, 70)});
    for (int i = 0; i < kTubePictureCount; ++i)
        all.append({"tube", [i](double s) { return drawings::tube(i, s); }, QSize(58, 177)});
    for (int i = 0; i < kSyringePictureCount; ++i)
        all.append({"syringe", [i](double s) { return drawings::syringe(i, s); }, QSize(84, 80)});
    all.append({"drip", &drawings::drip, QSize(5, 6)});
    all.append({"blacked-out tube", &drawings::blackedOutTube, QSize(58, 177)});
    all.append({"cutting", &drawings::cuttingInTube, QSize(154, 296)});
    all.append({"ruler", &drawings::ruler, QSize(31, 351)});
    return all;
}

QSet<QRgb> colourSet(const QImage& image)
{
    const QList<QRgb> all = pixels(image);
    return QSet<QRgb>(all.begin(), all.end());
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneStore()
    {
        const Graphics& store = Graphics::instance();
        QCOMPARE(&Graphics::instance(), &store);
    }

    void storeHandsOutTheDrawings_data()
    {
        QTest::addColumn<PictureName>("name");
        QTest::addColumn<QImage>("drawing");
        for (int i = 0; i < kLeafPictureCount; ++i)
            QTest::addRow("leaf %d", i) << PictureName(LeafPicture(i)) << drawings::leaf(i);
        for (int i = 0; i < kTubePictureCount; ++i)
            QTest::addRow("tube %d", i) << PictureName(TubePicture(i)) << drawings::tube(i);
        for (int i = 0; i < kSyringePictureCount; ++i)
            QTest::addRow("syringe %d", i)
                << PictureName(SyringePicture(i)) << drawings::syringe(i);
        QTest::newRow("drip") << PictureName(SinglePicture::Drip) << drawings::drip();
        QTest::newRow("blacked-out tube")
            << PictureName(SinglePicture::BlackedOutTube) << drawings::blackedOutTube();
        QTest::newRow("cutting") << PictureName(SinglePicture::CuttingInTube)
                                 << drawings::cuttingInTube();
        QTest::newRow("ruler") << PictureName(SinglePicture::Ruler) << drawings::ruler();
    }

    void storeHandsOutTheDrawings()
    {
        QFETCH(PictureName, name);
        QFETCH(QImage, drawing);
        QCOMPARE(Graphics::instance().picture(name).toImage(), drawing);
    }

    void takingAPictureTwiceSharesOneImage()
    {
        const Graphics& store = Graphics::instance();
        const qint64 before = store.picture(LeafPicture::PaleYellowRight).cacheKey();
        const QPixmap first = store.picture(LeafPicture::PaleYellowRight);
        const QPixmap second = store.picture(LeafPicture::PaleYellowRight);
        QCOMPARE(first.cacheKey(), second.cacheKey());
        QCOMPARE(store.picture(LeafPicture::PaleYellowRight).cacheKey(), before);
        QVERIFY(store.picture(LeafPicture::PaleYellowRight).cacheKey() !=
                store.picture(LeafPicture::PaleYellowLeft).cacheKey());
    }

    void sizes_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QSize>("size");
        for (int i = 0; i < kLeafPictureCount; ++i)
            QTest::addRow("leaf %d", i) << drawings::leaf(i) << QSize(70, 70);
        for (int i = 0; i < kTubePictureCount; ++i)
            QTest::addRow("tube %d", i) << drawings::tube(i) << QSize(58, 177);
        for (int i = 0; i < kSyringePictureCount; ++i)
            QTest::addRow("syringe %d", i) << drawings::syringe(i) << QSize(84, 80);
        QTest::newRow("drip") << drawings::drip() << QSize(5, 6);
        QTest::newRow("blacked-out tube") << drawings::blackedOutTube() << QSize(58, 177);
        QTest::newRow("cutting") << drawings::cuttingInTube() << QSize(154, 296);
        QTest::newRow("ruler") << drawings::ruler() << QSize(31, 351);
        QTest::newRow("icon") << drawings::programIconImage() << QSize(32, 32);
        QTest::newRow("icon 256") << drawings::programIconImage(256) << QSize(256, 256);
    }

    void sizes()
    {
        QFETCH(QImage, picture);
        QFETCH(QSize, size);
        QCOMPARE(picture.size(), size);
    }

    void palettes_data()
    {
        // Exactly these colours, so no edge has been blended and nothing is missing.
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QList<QRgb>>("colours");
        const QList<QRgb> leafBase{kWhite, kDarkGreen};
        QTest::newRow("leaf 0") << drawings::leaf(0) << (leafBase + QList{kBrightGreen});
        QTest::newRow("leaf 2") << drawings::leaf(2) << (leafBase + QList{kPaleYellow, kBlack});
        QTest::newRow("leaf 4") << drawings::leaf(4) << (leafBase + QList{kBlack});
        QTest::newRow("leaf 6") << drawings::leaf(6)
                                << (leafBase + QList{kBrightGreen, kLightGrey});
        QTest::newRow("leaf 8") << drawings::leaf(8)
                                << (leafBase + QList{kPaleYellow, kBlack, kOliveBrown});
        QTest::newRow("leaf 10") << drawings::leaf(10) << (leafBase + QList{kMagenta});
        QTest::newRow("leaf 14") << drawings::leaf(14) << (leafBase + QList{kMagenta, kLightGrey});
        QTest::newRow("tube 0") << drawings::tube(0) << QList{kWhite, kBlack};
        QTest::newRow("tube 1") << drawings::tube(1) << QList{kWhite, kBlack, kBlueViolet};
        QTest::newRow("tube 2") << drawings::tube(2) << QList{kWhite, kBlack, kCyan};
        QTest::newRow("tube 3") << drawings::tube(3) << QList{kWhite, kBlack};
        const QList<QRgb> syringe{kWhite, kBlack, kGrey, kLightGrey};
        QTest::newRow("syringe 0") << drawings::syringe(0) << syringe;
        for (int i = 1; i < kSyringePictureCount; ++i)
            QTest::addRow("syringe %d", i) << drawings::syringe(i) << (syringe + QList{kBlue});
        QTest::newRow("drip") << drawings::drip() << QList{kWhite, kBlueViolet};
        QTest::newRow("blacked-out tube") << drawings::blackedOutTube() << QList{kWhite, kBlack};
        QTest::newRow("cutting") << drawings::cuttingInTube()
                                 << QList{kWhite, kBlack, kDarkGreen, kBrightGreen};
    }

    void palettes()
    {
        QFETCH(QImage, picture);
        QFETCH(QList<QRgb>, colours);
        const QList<QRgb> all = pixels(picture);
        QCOMPARE(QSet<QRgb>(all.begin(), all.end()), QSet<QRgb>(colours.begin(), colours.end()));
    }

    void leafTurnings_data()
    {
        QTest::addColumn<QImage>("leaf");
        QTest::addColumn<QImage>("expected");
        for (int odd = 1; odd < kLeafPictureCount; odd += 2) {
            QTest::addRow("%d mirrors %d", odd, odd - 1)
                << drawings::leaf(odd) << drawings::leaf(odd - 1).mirrored(true, false);
        }
        QTest::newRow("12 is 0 upside down")
            << drawings::leaf(12) << drawings::leaf(0).mirrored(false, true);
    }

    void leafTurnings()
    {
        QFETCH(QImage, leaf);
        QFETCH(QImage, expected);
        QCOMPARE(leaf, expected);
    }

    void leafRecolourings_data()
    {
        QTest::addColumn<int>("leaf");
        QTest::addColumn<int>("original");
        QTest::addColumn<QRgb>("from");
        QTest::addColumn<QRgb>("to");
        for (const int side : {0, 1}) {
            QTest::addRow("%d purple", 10 + side) << 10 + side << side << kBrightGreen << kMagenta;
            QTest::addRow("%d white", 4 + side) << 4 + side << 2 + side << kPaleYellow << kWhite;
            QTest::addRow("%d small purple", 14 + side)
                << 14 + side << 6 + side << kBrightGreen << kMagenta;
        }
    }

    void leafRecolourings()
    {
        QFETCH(int, leaf);
        QFETCH(int, original);
        QFETCH(QRgb, from);
        QFETCH(QRgb, to);
        QCOMPARE(drawings::leaf(leaf), recoloured(drawings::leaf(original), from, to));
    }

    void leafCorners_data()
    {
        QTest::addColumn<int>("leaf");
        QTest::addColumn<QPoint>("stalk");
        const QPoint bottomRight(69, 69);
        const QPoint bottomLeft(0, 69);
        for (int i = 0; i < 12; i += 2) {
            QTest::addRow("%d", i) << i << bottomRight;
            QTest::addRow("%d", i + 1) << i + 1 << bottomLeft;
        }
        QTest::newRow("12") << 12 << QPoint(69, 0);
        QTest::newRow("13") << 13 << QPoint(0, 0);
        QTest::newRow("14") << 14 << bottomRight;
        QTest::newRow("15") << 15 << bottomLeft;
    }

    void leafCorners()
    {
        QFETCH(int, leaf);
        QFETCH(QPoint, stalk);
        const QImage image = drawings::leaf(leaf);
        for (const QPoint corner : {QPoint(0, 0), QPoint(69, 0), QPoint(0, 69), QPoint(69, 69)}) {
            if (corner == stalk)
                QVERIFY(image.pixel(corner) != kWhite);
            else
                QCOMPARE(image.pixel(corner), kWhite);
        }
    }

    void smallLeafHasAboutHalfTheArea()
    {
        const double share =
            double(countNotWhite(drawings::leaf(6))) / countNotWhite(drawings::leaf(0));
        QVERIFY2(share > 0.35 && share < 0.65, qPrintable(QString::number(share)));
    }

    void blotchesCoverAThirdOfThePaleLeaf()
    {
        // Leaf 9 is checked through being the mirror image of 8.
        const QImage blotched = drawings::leaf(8);
        const QImage pale = drawings::leaf(2);
        int blade = 0;
        int blotches = 0;
        QList<int> blotchesByThird(3);
        for (int y = 0; y < 70; ++y) {
            for (int x = 0; x < 70; ++x) {
                const bool onBlade = pale.pixel(x, y) != kWhite;
                blade += onBlade ? 1 : 0;
                if (blotched.pixel(x, y) != kOliveBrown) {
                    QCOMPARE(blotched.pixel(x, y), pale.pixel(x, y));
                    continue;
                }
                QVERIFY2(onBlade, "a blotch spills off the leaf");
                ++blotches;
                ++blotchesByThird[std::min(2, (x + y) * 3 / 140)];
            }
        }
        const double share = double(blotches) / blade;
        QVERIFY2(share >= 0.25 && share <= 0.42, qPrintable(QString::number(share)));
        for (const int n : blotchesByThird)
            QVERIFY2(n > blotches / 10, "blotches are not spread along the leaf");
    }

    void waterLine_data()
    {
        QTest::addColumn<int>("tube");
        QTest::addColumn<QRgb>("below");
        QTest::newRow("cyan") << 2 << kCyan;
        QTest::newRow("clear") << 3 << kWhite;
    }

    void waterLine()
    {
        QFETCH(int, tube);
        QFETCH(QRgb, below);
        constexpr int kLine = 45;
        const QImage image = drawings::tube(tube);
        // The line runs unbroken from wall to wall.
        QVERIFY(countColour(image.copy(0, kLine, 58, 1), kBlack) > 35);
        QVERIFY(insideWalls(image, kLine).isEmpty());
        for (int y = 10; y < image.height(); ++y) {
            const QList<QRgb> inside = insideWalls(image, y);
            for (const QRgb colour : inside)
                QCOMPARE(colour, y < kLine ? kWhite : below);
            if (y > kLine && y < image.height() - 5)
                QVERIFY(!inside.isEmpty());
        }
    }

    void settledLayerLiesOnTheBottom()
    {
        const QImage empty = drawings::tube(0);
        const QImage settled = drawings::tube(1);
        QList<int> rows;
        for (int y = 0; y < settled.height(); ++y) {
            for (int x = 0; x < settled.width(); ++x) {
                if (settled.pixel(x, y) == kBlueViolet) {
                    QCOMPARE(empty.pixel(x, y), kWhite);
                    if (!rows.contains(y))
                        rows.append(y);
                } else {
                    QCOMPARE(settled.pixel(x, y), empty.pixel(x, y));
                }
            }
        }
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.last() - rows.first(), 3);
        // Nothing but glass below the layer.
        for (int y = rows.last() + 1; y < empty.height(); ++y)
            QVERIFY(!insideWalls(empty, y).contains(kWhite));
    }

    void blackedOutTubeIsTheTubeSilhouette()
    {
        // Flood the white outside of the empty tube from its corners; whatever the flood cannot
        // reach is tube. This also proves the outline is closed.
        const QImage tube = drawings::tube(0);
        QImage outside(tube.size(), QImage::Format_Mono);
        outside.fill(0);
        QList<QPoint> pending{{0, 0}, {57, 0}, {0, 176}, {57, 176}};
        while (!pending.isEmpty()) {
            const QPoint p = pending.takeLast();
            if (!tube.rect().contains(p) || outside.pixelIndex(p) == 1 || tube.pixel(p) != kWhite)
                continue;
            outside.setPixel(p, 1);
            pending << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
        }
        const QImage silhouette = drawings::blackedOutTube();
        for (int y = 0; y < tube.height(); ++y) {
            for (int x = 0; x < tube.width(); ++x)
                QCOMPARE(silhouette.pixel(x, y), outside.pixelIndex(x, y) == 1 ? kWhite : kBlack);
        }
        QVERIFY(countColour(silhouette, kBlack) > 40 * 150);
    }

    void cuttingStandsInTheBlackedOutTube()
    {
        const QImage cutting = drawings::cuttingInTube();
        QCOMPARE(cutting.copy(47, 115, 58, 177), drawings::blackedOutTube());
        // Leaves on both sides above the tube, joined to it by the stem.
        const QImage top = cutting.copy(0, 0, 154, 115);
        QVERIFY(countColour(top.copy(0, 0, 77, 115), kBrightGreen) > 1000);
        QVERIFY(countColour(top.copy(77, 0, 77, 115), kBrightGreen) > 1000);
        for (int y = 70; y < 115; ++y)
            QCOMPARE(top.pixel(77, y), kDarkGreen);
    }

    void syringeFillsFromTheNeedle()
    {
        int previous = -1;
        for (int i = 0; i < kSyringePictureCount; ++i) {
            const QImage image = drawings::syringe(i);
            const int blue = countColour(image, kBlue);
            QVERIFY(i == 0 ? blue == 0 : blue > previous);
            previous = blue;
            // The lowest point is the needle tip, just above where the screen starts the drop.
            int tipY = image.height() - 1;
            while (countNotWhite(image.copy(0, tipY, 84, 1)) == 0)
                --tipY;
            QVERIFY2(tipY >= 71 && tipY <= 72, qPrintable(QString::number(tipY)));
            int tipX = 0;
            while (image.pixel(tipX, tipY) == kWhite)
                ++tipX;
            QVERIFY2(tipX >= 12 && tipX <= 13, qPrintable(QString::number(tipX)));
        }
        // Fully drawn out, the plunger reaches the top and the right edge.
        const QImage full = drawings::syringe(3);
        QVERIFY(countNotWhite(full.copy(60, 0, 24, 1)) > 0);
        QVERIFY(countNotWhite(full.copy(83, 0, 1, 20)) > 0);
    }

    void dripShape()
    {
        // A falling drop: one solid, upright, left-right symmetric blob, pointed above and rounded
        // below, with the picture's bottom row its last.
        const QImage drip = drawings::drip();
        QList<int> widths;
        for (int y = 0; y < drip.height(); ++y) {
            const qsizetype width = countColour(drip.copy(0, y, drip.width(), 1), kBlueViolet);
            QVERIFY2(width > 0, "a row of the drop is empty");
            widths.append(int(width));
            for (int x = 0; x < drip.width(); ++x)
                QCOMPARE(drip.pixel(x, y), drip.pixel(drip.width() - 1 - x, y));
        }
        QCOMPARE(widths.first(), 1);
        const int widest = *std::max_element(widths.begin(), widths.end());
        QCOMPARE(widest, drip.width());
        QVERIFY(widths.last() < widest);
        QVERIFY(std::is_sorted(widths.begin(), widths.begin() + widths.indexOf(widest)));
    }

    void rulerScale()
    {
        constexpr int kLineX = 13;
        const QImage ruler = drawings::ruler();
        const auto blackRun = [&](int y) {
            int x = kLineX;
            while (x < ruler.width() && ruler.pixel(x, y) == kBlack)
                ++x;
            return x - kLineX;
        };
        QList<int> whole;
        QList<int> half;
        for (int y = 0; y < ruler.height(); ++y) {
            const int run = blackRun(y);
            if (run == 18)
                whole.append(y);
            else if (run >= 8 && run <= 9)
                half.append(y);
        }
        QCOMPARE(whole.size(), 17);
        QCOMPARE(whole.first(), 19);
        QCOMPARE(half.size(), whole.size());
        for (qsizetype i = 0; i < whole.size(); ++i) {
            const int previous = i == 0 ? 0 : whole.at(i - 1);
            QVERIFY(whole.at(i) - previous >= 18 && whole.at(i) - previous <= 20);
            QVERIFY(half.at(i) > previous + 7 && half.at(i) < whole.at(i) - 7);
        }
        for (int y = 0; y <= whole.last(); ++y)
            QCOMPARE(ruler.pixel(kLineX, y), kBlack);

        // Numbers left of the line only beside 0 (the top), 5, 10 and 15.
        QList<int> labelRows;
        for (int y = 0; y < ruler.height(); ++y) {
            if (countColour(ruler.copy(0, y, kLineX, 1), kBlack) > 0)
                labelRows.append(y);
        }
        for (const int y : labelRows) {
            const bool besideLabel = y < 12 || std::abs(y - whole.at(4)) <= 4 ||
                                     std::abs(y - whole.at(9)) <= 4 ||
                                     std::abs(y - whole.at(14)) <= 4;
            QVERIFY2(besideLabel, qPrintable(QString::number(y)));
        }
        QCOMPARE(labelRows.size(), 4 * 7);
    }

    void rulerHole()
    {
        // The only white on the ruler is the round hole near its bottom end.
        const QImage ruler = drawings::ruler();
        QRect hole;
        for (int y = 0; y < ruler.height(); ++y) {
            for (int x = 0; x < ruler.width(); ++x) {
                if (ruler.pixel(x, y) == kWhite)
                    hole |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY2(hole.width() >= 8 && hole.width() <= 10,
                 qPrintable(QString::number(hole.width())));
        QCOMPARE(hole.height(), hole.width());
        QVERIFY(hole.top() > 323 && hole.bottom() < 350);
        QVERIFY(countColour(ruler, kWhite) > 0.7 * hole.width() * hole.height());
    }

    void scaledDrawings_data()
    {
        QTest::addColumn<QImage>("oneX");
        QTest::addColumn<QImage>("scaled");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("size");
        int row = 0;
        for (const Drawn& drawn : allDrawings()) {
            for (const double scale : {1.25, 1.5, 2.0, 3.0}) {
                QTest::addRow("%d %s at %.2f", row, drawn.name, scale)
                    << drawn.draw(1.0) << drawn.draw(scale) << scale << drawn.size;
            }
            ++row;
        }
    }

    void scaledDrawings()
    {
        // Drawn finer, not enlarged: the device size grows with the scale, no colour is
        // blended or lost, and the picture is the same one, pixel centre for pixel centre.
        QFETCH(QImage, oneX);
        QFETCH(QImage, scaled);
        QFETCH(double, scale);
        QFETCH(QSize, size);
        QCOMPARE(scaled.devicePixelRatio(), scale);
        QCOMPARE(scaled.width(), int(size.width() * scale));
        QCOMPARE(scaled.height(), int(size.height() * scale));
        QCOMPARE(colourSet(scaled), colourSet(oneX));
        int agree = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QPoint centre(std::min(int((x + 0.5) * scale), scaled.width() - 1),
                                    std::min(int((y + 0.5) * scale), scaled.height() - 1));
                agree += scaled.pixel(centre) == oneX.pixel(x, y) ? 1 : 0;
            }
        }
        const double share = double(agree) / (size.width() * size.height());
        QVERIFY2(share > 0.9, qPrintable(QString::number(share)));
    }

    void scaledLeavesKeepTheirPairs_data()
    {
        // The pairs that share a drawing at 1x share it at every scale.
        constexpr double kScale = 2.0;
        QTest::addColumn<QImage>("leaf");
        QTest::addColumn<QImage>("expected");
        for (int odd = 1; odd < kLeafPictureCount; odd += 2) {
            QTest::addRow("%d mirrors %d", odd, odd - 1)
                << drawings::leaf(odd, kScale)
                << drawings::leaf(odd - 1, kScale).mirrored(true, false);
        }
        QTest::newRow("12 is 0 upside down")
            << drawings::leaf(12, kScale) << drawings::leaf(0, kScale).mirrored(false, true);
        QTest::newRow("10 purple") << drawings::leaf(10, kScale)
                                   << recoloured(drawings::leaf(0, kScale), kBrightGreen, kMagenta);
        QTest::newRow("4 white") << drawings::leaf(4, kScale)
                                 << recoloured(drawings::leaf(2, kScale), kPaleYellow, kWhite);
        QTest::newRow("14 small purple")
            << drawings::leaf(14, kScale)
            << recoloured(drawings::leaf(6, kScale), kBrightGreen, kMagenta);
    }

    void scaledLeavesKeepTheirPairs()
    {
        QFETCH(QImage, leaf);
        QFETCH(QImage, expected);
        QCOMPARE(leaf, expected);
    }

    void scaledBlotchesLieOnThePaleLeaf()
    {
        const QImage blotched = drawings::leaf(8, 2.0);
        const QImage pale = drawings::leaf(2, 2.0);
        for (int y = 0; y < blotched.height(); ++y) {
            for (int x = 0; x < blotched.width(); ++x) {
                if (blotched.pixel(x, y) != kOliveBrown)
                    QCOMPARE(blotched.pixel(x, y), pale.pixel(x, y));
            }
        }
    }

    void scaledDripIsTheSameDropInBlocks()
    {
        const QImage oneX = drawings::drip();
        const QImage twice = drawings::drip(2.0);
        for (int y = 0; y < twice.height(); ++y) {
            for (int x = 0; x < twice.width(); ++x)
                QCOMPARE(twice.pixel(x, y), oneX.pixel(x / 2, y / 2));
        }
    }

    void storeDescriptions_data()
    {
        // Pictures that look alike to a listener share their words; pictures that look different
        // never do.
        QTest::addColumn<PictureName>("picture");
        QTest::addColumn<PictureName>("sameWordsAs");
        QTest::addColumn<bool>("same");
        for (int i = 0; i + 1 < kLeafPictureCount; i += 2) {
            QTest::addRow("leaf %d and its mirror", i)
                << PictureName(LeafPicture(i)) << PictureName(LeafPicture(i + 1)) << true;
            if (i + 2 < kLeafPictureCount)
                QTest::addRow("leaf %d and %d", i, i + 2)
                    << PictureName(LeafPicture(i)) << PictureName(LeafPicture(i + 2)) << false;
        }
        for (int i = 0; i + 1 < kTubePictureCount; ++i)
            QTest::addRow("tube %d and %d", i, i + 1)
                << PictureName(TubePicture(i)) << PictureName(TubePicture(i + 1)) << false;
        for (int i = 0; i + 1 < kSyringePictureCount; ++i)
            QTest::addRow("syringe %d and %d", i, i + 1)
                << PictureName(SyringePicture(i)) << PictureName(SyringePicture(i + 1)) << false;
        QTest::newRow("the drop and a tube")
            << PictureName(SinglePicture::Drip) << PictureName(TubePicture::Empty) << false;
        QTest::newRow("the two tubes of the screens") << PictureName(SinglePicture::BlackedOutTube)
                                                      << PictureName(TubePicture::Empty) << false;
    }

    void storeDescriptions()
    {
        QFETCH(PictureName, picture);
        QFETCH(PictureName, sameWordsAs);
        QFETCH(bool, same);
        QVERIFY(!Graphics::instance().description(picture).isEmpty());
        QVERIFY(!Graphics::instance().description(sameWordsAs).isEmpty());
        QCOMPARE(Graphics::instance().description(picture) ==
                     Graphics::instance().description(sameWordsAs),
                 same);
    }

    void sharpRenditions()
    {
        const Graphics& store = Graphics::instance();
        const QPixmap leaf = store.picture(LeafPicture::SpottedLeft);
        // At 1x the picture itself; the store's picture never changes.
        QCOMPARE(store.picture(LeafPicture::SpottedLeft, 1.0).cacheKey(), leaf.cacheKey());
        const QPixmap twice = store.picture(LeafPicture::SpottedLeft, 2.0);
        QCOMPARE(twice.devicePixelRatio(), 2.0);
        QCOMPARE(twice.size(), QSize(140, 140));
        QCOMPARE(twice.toImage(), drawings::leaf(8, 2.0).convertToFormat(twice.toImage().format()));
        QCOMPARE(store.picture(LeafPicture::SpottedLeft, 2.0).cacheKey(), twice.cacheKey());
        QCOMPARE(store.picture(LeafPicture::SpottedLeft).cacheKey(), leaf.cacheKey());
        QCOMPARE(store.picture(LeafPicture::SpottedLeft, 1.5).size(), QSize(105, 105));
        // Renditions are kept for the three ratios asked for most recently, by any picture: a
        // leaf no longer shown lets go of its rendition once three other ratios have come.
        for (const qreal ratio : {1.25, 1.75, 2.5})
            QVERIFY(!store.picture(TubePicture::Empty, ratio).isNull());
        QCOMPARE(store.picture(TubePicture::Empty, 1.75).cacheKey(),
                 store.picture(TubePicture::Empty, 1.75).cacheKey());
        const QPixmap again = store.picture(LeafPicture::SpottedLeft, 2.0);
        QVERIFY(again.cacheKey() != twice.cacheKey());
        QCOMPARE(again.toImage(), twice.toImage());
    }

    void icon()
    {
        const QIcon icon = drawings::programIcon();
        for (const int size : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        // Every window shares the one icon, so a size the window system asks for is drawn once.
        QCOMPARE(drawings::programIcon().pixmap(48).cacheKey(), icon.pixmap(48).cacheKey());

        const QImage image = drawings::programIconImage(64);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(63, 0)), 0);
        const QList<QRgb> all = pixels(image);
        const auto opaque =
            std::count_if(all.begin(), all.end(), [](QRgb c) { return qAlpha(c) == 255; });
        QVERIFY(opaque > 64 * 64 / 5 && opaque < 64 * 64 * 7 / 10);
        QVERIFY(countColour(image, qRgb(255, 255, 0)) > 200);
        QVERIFY(countColour(image, kRed) > 50);
        QVERIFY(countColour(image, kDarkGreen) > 100);
    }

    void arrow_data()
    {
        QTest::addColumn<QRectF>("target");
        QTest::newRow("own size") << QRectF(0, 0, 217, 151);
        QTest::newRow("stretched and moved") << QRectF(30, 10, 400, 90);
    }

    void arrow()
    {
        QFETCH(QRectF, target);
        QImage image(440, 160, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawings::drawInstructionArrow(painter, target);
        painter.end();

        const auto at = [&](double x, double y) {
            return image.pixel(QPoint(int(target.left() + x * target.width() / 217),
                                      int(target.top() + y * target.height() / 151)));
        };
        // Shaft, head and tip are red; beside the shaft and beside the tip stays clear.
        for (const QPointF p : {QPointF(107, 5), QPointF(107, 80), QPointF(10, 91),
                                QPointF(207, 91), QPointF(110, 145)})
            QCOMPARE(at(p.x(), p.y()), kRed);
        for (const QPointF p :
             {QPointF(30, 40), QPointF(190, 40), QPointF(30, 140), QPointF(190, 140)})
            QCOMPARE(qAlpha(at(p.x(), p.y())), 0);
        QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
