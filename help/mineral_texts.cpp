// The Help's words on the minerals that no rule fills in: what a real plant uses each for, and
// where Quorvel's plant is not a real one. Kept in the Help window's context, where translators
// know them.
#include "help/mineral_texts.h"

#include <QCoreApplication>
#include <array>

namespace quorvel::help {

namespace {

// What a real plant uses each mineral for and how its deficiency shows, by mineral index.
constexpr std::array<const char*, kMineralCount + 1> kMineralUses = {
    "",
    QT_TRANSLATE_NOOP("HelpWindow",
                      "A plant needs nitrogen to build new stems and leaves (it is part of every "
                      "protein) and to make chlorophyll. Without enough nitrogen a real plant "
                      "stays small and pale, usually smaller than with any other mineral missing. "
                      "Its older, lower leaves turn pale yellow first, all over, veins too, "
                      "because the plant moves their nitrogen to its new leaves."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Potassium helps a plant control its water: it opens and closes the tiny "
                      "holes in the leaves that let carbon dioxide in and water out. It also helps "
                      "the plant fight disease. Without enough potassium the older leaves turn "
                      "yellow and then brown, starting at their edges and tips, and may get brown "
                      "spots."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Magnesium is part of chlorophyll itself, so a plant needs it to catch "
                      "sunlight. When it runs short, the plant moves its magnesium to the new "
                      "leaves, so the older, lower leaves show it first: they turn yellow between "
                      "their veins, while the veins stay green."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "A plant needs only a tiny amount of iron, but it cannot make chlorophyll "
                      "without it. Without enough iron the youngest leaves, at the top, turn pale "
                      "yellow or even white between their veins, while the veins stay green."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Phosphorus helps a plant move the energy from sunlight around inside it, "
                      "and grow roots, flowers and seeds. Without enough phosphorus the plant "
                      "stays small, and its older leaves often turn dark green with a purple or "
                      "reddish tinge, first underneath. Not every kind of plant turns purple. "
                      "Quorvel paints its leaf bright purple all over, so that it is easy to "
                      "see."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Calcium builds the walls of the tiny cells a plant is made of, most of all "
                      "where it grows: at the tips of its shoots and roots. A plant cannot move "
                      "calcium from old leaves to new ones, so a deficiency shows on the youngest "
                      "leaves first: they grow small, narrow and crinkled, and the tip of the "
                      "shoot may die."),
};

// Where Quorvel's leaf or height for a mineral is not what a real plant shows, told beside the
// leaf, so that the picture does not teach what the words above it deny. By mineral index.
constexpr std::array<const char*, kMineralCount + 1> kModelDiffers = {
    "",
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Here Quorvel is not like a real plant. Its leaf keeps green veins, and its "
                      "stem grows taller than without magnesium or iron. In a real plant short of "
                      "nitrogen the leaf turns pale yellow all over, veins too, and the plant "
                      "stays smaller than one short of magnesium or iron."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Here Quorvel is not like a real plant. It puts brown spots on every leaf, "
                      "the youngest too. In a real plant the edges and tips of the older leaves "
                      "turn brown first."),
    "",
    "",
    "",
    "",
};

// Where the model is simpler than a real plant, or differs from it, one point per item.
const char* const kSimplificationsTitle =
    QT_TRANSLATE_NOOP("HelpWindow", "How Quorvel keeps it simple");
constexpr std::array<const char*, 8> kSimplifications = {
    QT_TRANSLATE_NOOP("HelpWindow",
                      "A real cutting takes weeks to show a deficiency. Quorvel grows it at once."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Quorvel paints each leaf in one strong colour. Real leaves change slowly "
                      "and unevenly, and real deficiencies often look alike."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "When more than one mineral is missing, Quorvel shows the leaves of only "
                      "some of them, and sometimes picks which ones at random."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Quorvel's heights are set by the model, not measured on real plants, and "
                      "its ruler counts in its own units, not in centimetres."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green "
                      "veins. In a real plant short of nitrogen the whole leaf turns pale yellow, "
                      "veins too, on the older leaves first."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "A real plant short of nitrogen usually grows least of all. In Quorvel it "
                      "grows taller than a plant short of magnesium or iron. So compare heights "
                      "with each other in Quorvel, not with real plants."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Quorvel puts brown spots on every leaf of a plant short of potassium. In a "
                      "real plant the edges of the older leaves turn brown first."),
    QT_TRANSLATE_NOOP("HelpWindow",
                      "Without water, Quorvel's rule is that the stem grows only a little and has "
                      "no leaves: even the cutting's own two leaves are gone. A real cutting "
                      "without water wilts and dies."),
};

QString translated(const char* text)
{
    return QCoreApplication::translate("HelpWindow", text);
}

} // namespace

QString mineralUse(Mineral mineral)
{
    return translated(kMineralUses[std::size_t(index(mineral))]);
}

QString whereQuorvelDiffers(Mineral mineral)
{
    const char* differs = kModelDiffers[std::size_t(index(mineral))];
    return *differs ? translated(differs) : QString();
}

QString simplificationsTitle()
{
    return translated(kSimplificationsTitle);
}

QStringList simplifications()
{
    QStringList points;
    for (const char* point : kSimplifications)
        points << translated(point);
    return points;
}

} // namespace quorvel::help
