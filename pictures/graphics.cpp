// The picture store: each name's drawing and words, and the pixmaps drawn from them.
#include "pictures/graphics.h"

#include "pictures/descriptions.h"
#include "pictures/drawings.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>

namespace quorvel {

namespace {

static_assert(kLeafPictureCount == drawings::kLeafCount);
static_assert(kTubePictureCount == drawings::kTubeCount);
static_assert(kSyringePictureCount == drawings::kSyringeCount);

// A window being resized asks for a new ratio at every step. Renditions are kept for the few
// ratios asked for most recently, whichever picture asked, so that a picture no longer shown does
// not hold on to renditions at sizes long past.
constexpr std::size_t kRatiosKept = 3;

Graphics* s_store = nullptr;

// Runs while the application object is being torn down, before the windowing system goes:
// pixmaps must not outlive it.
void freeStore()
{
    delete s_store;
    s_store = nullptr;
}

// Where the name's pictures are kept: the leaves, the tubes, the syringes, then the rest, in the
// order the name's kinds stand in.
std::size_t slot(PictureName name)
{
    constexpr std::array<std::size_t, std::variant_size_v<PictureName>> kFirst = {
        0, kLeafPictureCount, kLeafPictureCount + kTubePictureCount,
        kLeafPictureCount + kTubePictureCount + kSyringePictureCount};
    return kFirst[name.index()] +
           std::visit([](auto picture) { return std::size_t(picture); }, name);
}

struct Draw {
    double scale;
    QImage operator()(LeafPicture leaf) const { return drawings::leaf(int(leaf), scale); }
    QImage operator()(TubePicture tube) const { return drawings::tube(int(tube), scale); }
    QImage operator()(SyringePicture syringe) const
    {
        return drawings::syringe(int(syringe), scale);
    }
    QImage operator()(SinglePicture single) const
    {
        switch (single) {
        case SinglePicture::Drip:
            return drawings::drip(scale);
        case SinglePicture::BlackedOutTube:
            return drawings::blackedOutTube(scale);
        case SinglePicture::CuttingInTube:
            return drawings::cuttingInTube(scale);
        case SinglePicture::Ruler:
            return drawings::ruler(scale);
        }
        return {};
    }
};

struct Describe {
    QString operator()(LeafPicture leaf) const { return descriptions::leaf(int(leaf)); }
    QString operator()(TubePicture tube) const { return descriptions::tube(int(tube)); }
    QString operator()(SyringePicture syringe) const { return descriptions::syringe(int(syringe)); }
    QString operator()(SinglePicture single) const
    {
        switch (single) {
        case SinglePicture::Drip:
            return descriptions::drip();
        case SinglePicture::BlackedOutTube:
            return descriptions::blackedOutTube();
        case SinglePicture::CuttingInTube:
            return descriptions::cuttingInTube();
        case SinglePicture::Ruler:
            return descriptions::ruler();
        }
        return {};
    }
};

} // namespace

Graphics::Graphics() = default;

const Graphics& Graphics::instance()
{
    if (s_store == nullptr) {
        Q_ASSERT_X(QCoreApplication::instance(), "Graphics::instance",
                   "the store goes with the application object");
        s_store = new Graphics;
        qAddPostRoutine(freeStore);
    }
    return *s_store;
}

Graphics::Drawn& Graphics::drawn(PictureName name) const
{
    // Start-up draws only the pictures the first screen paints, not all of them.
    Drawn& drawn = m_drawn[slot(name)];
    if (drawn.picture.isNull()) {
        Q_ASSERT_X(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), "Graphics",
                   "pixmaps need a QGuiApplication");
        drawn.picture = QPixmap::fromImage(std::visit(Draw{1.0}, name));
    }
    return drawn;
}

const QPixmap& Graphics::picture(PictureName name) const
{
    return drawn(name).picture;
}

// Notes that a ratio is in use, and lets go of every rendition at a ratio no longer recent.
void Graphics::useRatio(qreal ratio) const
{
    auto& recent = m_recentRatios;
    if (const auto it = std::find(recent.begin(), recent.end(), ratio); it != recent.end()) {
        std::rotate(it, it + 1, recent.end());
        return;
    }
    recent.push_back(ratio);
    if (recent.size() <= kRatiosKept)
        return;
    const qreal past = recent.front();
    recent.erase(recent.begin());
    for (Drawn& drawn : m_drawn)
        std::erase_if(drawn.renditions, [past](const auto& r) { return r.first == past; });
}

QPixmap Graphics::picture(PictureName name, qreal devicePixelRatio) const
{
    Drawn& drawn = this->drawn(name);
    if (devicePixelRatio == 1.0 || devicePixelRatio <= 0.0)
        return drawn.picture;
    useRatio(devicePixelRatio);
    auto& kept = drawn.renditions;
    const auto it = std::find_if(kept.begin(), kept.end(), [devicePixelRatio](const auto& r) {
        return r.first == devicePixelRatio;
    });
    if (it != kept.end())
        return it->second;
    QPixmap rendition = QPixmap::fromImage(std::visit(Draw{devicePixelRatio}, name));
    rendition.setDevicePixelRatio(devicePixelRatio);
    kept.emplace_back(devicePixelRatio, rendition);
    return rendition;
}

qint64 Graphics::renditionBytes() const
{
    qint64 bytes = 0;
    for (const Drawn& drawn : m_drawn)
        for (const auto& [ratio, rendition] : drawn.renditions)
            bytes += qint64(rendition.width()) * rendition.height() * rendition.depth() / 8;
    return bytes;
}

QString Graphics::description(PictureName name) const
{
    return std::visit(Describe{}, name);
}

} // namespace quorvel
