// The words for every picture, kept beside the drawings so that a new picture gets its words too.
#include "pictures/descriptions.h"

#include "pictures/drawings.h"

#include <QCoreApplication>
#include <array>

namespace quorvel::descriptions {

namespace {

QString say(const char* text)
{
    return QCoreApplication::translate("PictureDescriptions", text);
}

template <std::size_t N> QString pick(const std::array<const char*, N>& texts, int index)
{
    return index >= 0 && index < int(N) ? say(texts[std::size_t(index)]) : QString();
}

} // namespace

QString leaf(int index)
{
    // Even and odd leaves are mirror images of each other and look the same to a listener. These
    // words are the leaves' only description: the Help and the teacher's guide take them from here.
    static constexpr std::array<const char*, 8> kLooks = {
        QT_TRANSLATE_NOOP("PictureDescriptions", "healthy green leaf"),
        QT_TRANSLATE_NOOP("PictureDescriptions", "pale yellow leaf with green veins"),
        QT_TRANSLATE_NOOP("PictureDescriptions", "white leaf with green veins"),
        QT_TRANSLATE_NOOP("PictureDescriptions", "narrow green leaf with a wavy, crinkled edge"),
        QT_TRANSLATE_NOOP("PictureDescriptions", "pale yellow leaf with brown spots"),
        QT_TRANSLATE_NOOP("PictureDescriptions", "purple leaf"),
        QT_TRANSLATE_NOOP("PictureDescriptions", "healthy green leaf, hanging down"),
        QT_TRANSLATE_NOOP("PictureDescriptions", "narrow purple leaf with a wavy edge")};
    static_assert(kLooks.size() * 2 == drawings::kLeafCount);
    return index >= 0 ? pick(kLooks, index / 2) : QString();
}

QString tube(int index)
{
    // "empty" is said of a tube and of a syringe, which some languages tell apart.
    if (index == 0)
        return QCoreApplication::translate("PictureDescriptions", "empty", "test tube");
    static constexpr std::array<const char*, 4> kTexts = {
        nullptr, QT_TRANSLATE_NOOP("PictureDescriptions", "minerals only"),
        QT_TRANSLATE_NOOP("PictureDescriptions", "water and minerals"),
        QT_TRANSLATE_NOOP("PictureDescriptions", "clear water")};
    static_assert(kTexts.size() == drawings::kTubeCount);
    return pick(kTexts, index);
}

QString syringe(int index)
{
    if (index == 0)
        return QCoreApplication::translate("PictureDescriptions", "empty", "syringe");
    static constexpr std::array<const char*, 4> kTexts = {
        nullptr, QT_TRANSLATE_NOOP("PictureDescriptions", "nearly empty"),
        QT_TRANSLATE_NOOP("PictureDescriptions", "pressed"),
        QT_TRANSLATE_NOOP("PictureDescriptions", "full")};
    static_assert(kTexts.size() == drawings::kSyringeCount);
    return pick(kTexts, index);
}

QString drip()
{
    return say(QT_TRANSLATE_NOOP("PictureDescriptions", "a falling drop"));
}

QString blackedOutTube()
{
    return say(QT_TRANSLATE_NOOP("PictureDescriptions", "test tube, blacked out"));
}

QString cuttingInTube()
{
    return say(
        QT_TRANSLATE_NOOP("PictureDescriptions",
                          "a plant cutting with two leaves, standing in a blacked-out test tube"));
}

QString ruler()
{
    return say(QT_TRANSLATE_NOOP("PictureDescriptions", "a ruler marked from 0 at the top to 17"));
}

QString instructionArrow()
{
    return say(QT_TRANSLATE_NOOP("PictureDescriptions",
                                 "a red arrow pointing down at the mineral buttons"));
}

} // namespace quorvel::descriptions
