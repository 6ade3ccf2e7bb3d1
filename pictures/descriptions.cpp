// The words for every picture, kept beside the drawings so that a new picture gets its words too.
#include "pictures/descriptions.h"

#include "pictures/drawings.h"

#include <array>

namespace quorvel::descriptions {

namespace {

template <std::size_t N> QString pick(const std::array<const char*, N>& texts, int index)
{
    return index >= 0 && index < int(N) ? QString::fromLatin1(texts[std::size_t(index)])
                                        : QString();
}

} // namespace

QString leaf(int index)
{
    // Even and odd leaves are mirror images of each other and look the same to a listener.
    static constexpr std::array<const char*, 8> kLooks = {"healthy green leaf",
                                                          "pale yellow leaf",
                                                          "white leaf with green veins",
                                                          "small and crinkled green leaf",
                                                          "yellow leaf with brown spots",
                                                          "purple leaf",
                                                          "healthy green leaf, hanging down",
                                                          "small purple leaf with a wavy edge"};
    static_assert(kLooks.size() * 2 == drawings::kLeafCount);
    return index >= 0 ? pick(kLooks, index / 2) : QString();
}

QString tube(int index)
{
    static constexpr std::array<const char*, 4> kTexts = {"empty", "minerals only",
                                                          "water and minerals", "clear water"};
    static_assert(kTexts.size() == drawings::kTubeCount);
    return pick(kTexts, index);
}

QString syringe(int index)
{
    static constexpr std::array<const char*, 4> kTexts = {"empty", "nearly empty", "pressed",
                                                          "full"};
    static_assert(kTexts.size() == drawings::kSyringeCount);
    return pick(kTexts, index);
}

QString drip()
{
    return QStringLiteral("a falling drop");
}

QString blackedOutTube()
{
    return QStringLiteral("test tube, blacked out");
}

QString cuttingInTube()
{
    return QStringLiteral("a plant cutting with two leaves, standing in a blacked-out test tube");
}

QString ruler()
{
    return QStringLiteral("a ruler marked from 0 at the top to 17");
}

QString instructionArrow()
{
    return QStringLiteral("a red arrow pointing down at the mineral buttons");
}

} // namespace quorvel::descriptions
