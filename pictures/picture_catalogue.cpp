// The catalogue of pictures: their words and their sharp renditions, found by pixmap identity.
#include "pictures/picture_catalogue.h"

#include "pictures/descriptions.h"
#include "pictures/drawings.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <functional>
#include <vector>

namespace quorvel::catalogue {

namespace {

using Drawing = std::function<QImage(double scale)>;

// A window being resized asks for a new ratio at every step. Renditions are kept for the few
// ratios asked for most recently, whichever picture asked, so that a picture no longer shown does
// not hold on to renditions at sizes long past.
constexpr std::size_t kRatiosKept = 3;

struct Entry {
    Drawing draw;
    QString description;
    std::vector<std::pair<qreal, QPixmap>> renditions; // one for each recent ratio it was shown at
};

// Keyed by QPixmap::cacheKey(), which every implicitly shared copy of a picture keeps.
QHash<qint64, Entry>* s_entries = nullptr;

// Pixmaps must not outlive the application object, so the catalogue goes with it.
void freeEntries()
{
    delete s_entries;
    s_entries = nullptr;
}

QHash<qint64, Entry>& entries()
{
    if (s_entries == nullptr) {
        s_entries = new QHash<qint64, Entry>;
        qAddPostRoutine(freeEntries);
    }
    return *s_entries;
}

QPixmap make(Drawing draw, const QString& description)
{
    const QImage image = draw(1.0);
    if (image.isNull())
        return {};
    QPixmap picture = QPixmap::fromImage(image);
    entries().insert(picture.cacheKey(), Entry{std::move(draw), description, {}});
    return picture;
}

std::vector<qreal> s_recentRatios; // the latest last

// Notes that a ratio is in use, and lets go of every rendition at a ratio no longer recent.
void useRatio(qreal ratio)
{
    auto& recent = s_recentRatios;
    if (const auto it = std::find(recent.begin(), recent.end(), ratio); it != recent.end()) {
        std::rotate(it, it + 1, recent.end());
        return;
    }
    recent.push_back(ratio);
    if (recent.size() <= kRatiosKept)
        return;
    const qreal past = recent.front();
    recent.erase(recent.begin());
    for (Entry& entry : *s_entries)
        std::erase_if(entry.renditions, [past](const auto& r) { return r.first == past; });
}

const Entry* find(const QPixmap& picture)
{
    if (s_entries == nullptr || picture.isNull())
        return nullptr;
    const auto it = s_entries->constFind(picture.cacheKey());
    return it == s_entries->constEnd() ? nullptr : &*it;
}

} // namespace

QPixmap leaf(int index)
{
    return make([index](double scale) { return drawings::leaf(index, scale); },
                descriptions::leaf(index));
}

QPixmap tube(int index)
{
    return make([index](double scale) { return drawings::tube(index, scale); },
                descriptions::tube(index));
}

QPixmap syringe(int index)
{
    return make([index](double scale) { return drawings::syringe(index, scale); },
                descriptions::syringe(index));
}

QPixmap drip()
{
    return make(&drawings::drip, descriptions::drip());
}

QPixmap blackedOutTube()
{
    return make(&drawings::blackedOutTube, descriptions::blackedOutTube());
}

QPixmap cuttingInTube()
{
    return make(&drawings::cuttingInTube, descriptions::cuttingInTube());
}

QPixmap ruler()
{
    return make(&drawings::ruler, descriptions::ruler());
}

QString description(const QPixmap& picture)
{
    const Entry* entry = find(picture);
    return entry ? entry->description : QString();
}

QPixmap sharp(const QPixmap& picture, qreal devicePixelRatio)
{
    if (devicePixelRatio == 1.0 || devicePixelRatio <= 0.0 || find(picture) == nullptr)
        return picture;
    useRatio(devicePixelRatio);
    Entry& entry = (*s_entries)[picture.cacheKey()];
    auto& kept = entry.renditions;
    const auto it = std::find_if(kept.begin(), kept.end(), [devicePixelRatio](const auto& r) {
        return r.first == devicePixelRatio;
    });
    if (it != kept.end())
        return it->second;
    QPixmap rendition = QPixmap::fromImage(entry.draw(devicePixelRatio));
    rendition.setDevicePixelRatio(devicePixelRatio);
    kept.emplace_back(devicePixelRatio, rendition);
    return rendition;
}

qint64 renditionBytes()
{
    qint64 bytes = 0;
    if (s_entries != nullptr)
        for (const Entry& entry : std::as_const(*s_entries))
            for (const auto& [ratio, rendition] : entry.renditions)
                bytes += qint64(rendition.width()) * rendition.height() * rendition.depth() / 8;
    return bytes;
}

} // namespace quorvel::catalogue
