<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vo" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>[Ĝîṽé ţĥé þĺåñţ ñîţŕöĝéñ: öñé đŕöþ ĝöéš îñţö ţĥé ţûƀé. ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>[Ĝîṽé ţĥé þĺåñţ þöţåššîûɱ: öñé đŕöþ ĝöéš îñţö ţĥé ţûƀé. ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>[Ĝîṽé ţĥé þĺåñţ ɱåĝñéšîûɱ: öñé đŕöþ ĝöéš îñţö ţĥé ţûƀé. ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>[Ĝîṽé ţĥé þĺåñţ îŕöñ: öñé đŕöþ ĝöéš îñţö ţĥé ţûƀé. ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>[Ĝîṽé ţĥé þĺåñţ þĥöšþĥöŕûš: öñé đŕöþ ĝöéš îñţö ţĥé ţûƀé. ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>[Ĝîṽé ţĥé þĺåñţ çåĺçîûɱ: öñé đŕöþ ĝöéš îñţö ţĥé ţûƀé. ~~~~ ~~~~ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>[Ƒîĺĺ ţĥé ţéšţ ţûƀé ŵîţĥ ŵåţéŕ. ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>[Šéé ĥöŵ ţĥé þĺåñţ ĝŕöŵš ƒŕöɱ ýöûŕ éẋþéŕîɱéñţ. ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>[Éñđ Ǫûöŕṽéĺ. Îţ åšķš ýöû ƒîŕšţ. ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>[Éɱþţý ţĥé ţûƀé åñđ þĺåñ å ñéŵ éẋþéŕîɱéñţ. ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>[Þûţ ţĥé þĺåñţ çûţţîñĝ îñţö ţĥé ţûƀé. Ñöţĥîñĝ ɱöŕé çåñ ĝö îñ åƒţéŕ îţ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>[Ṁöṽé ţĥé ŕûĺéŕ: çĺîçķ ñéẋţ, ŵĥéŕé îţš ţöþ šĥöûĺđ ĝö, ţö ɱéåšûŕé ţĥé šţéɱ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>[Ĝö ƀåçķ åñđ þĺåñ å ñéŵ éẋþéŕîɱéñţ. ~~~~ ~~~~ ~]</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>[Þĺåññîñĝ ţĥé éẋþéŕîɱéñţ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>[Ĺööķîñĝ åţ ţĥé ŕéšûĺţš ~~~~ ~]</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>[Ŵĥåţ éåçĥ ɱîñéŕåĺ đöéš ~~~~ ~]</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>[Åƀöûţ Ǫûöŕṽéĺ ~~~]</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>[Ûšîñĝ ţĥé ķéýƀöåŕđ ~~~~~]</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>[Éṽéŕý ƀûţţöñ ĥåš öñé ûñđéŕĺîñéđ ĺéţţéŕ: ĥöĺđ đöŵñ Åĺţ åñđ þŕéšš ţĥåţ ĺéţţéŕ ţö çĺîçķ ţĥé ƀûţţöñ. Ţåƀ ɱöṽéš ţö ţĥé ñéẋţ ƀûţţöñ åñđ Šĥîƒţ+Ţåƀ ţö ţĥé öñé ƀéƒöŕé; Ŕéţûŕñ öŕ Šþåçé çĺîçķš ţĥé ƀûţţöñ ţĥåţ îš ɱåŕķéđ. Ƒ11 ƒîĺĺš ţĥé ŵĥöĺé šçŕééñ ŵîţĥ Ǫûöŕṽéĺ, åñđ Éšçåþé ƀŕîñĝš ƀåçķ ţĥé ŵîñđöŵ. Ƒ1 öþéñš ţĥîš ĥéĺþ, åñđ Éšçåþé çĺöšéš îţ åĝåîñ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>[Öñ ţĥîš šçŕééñ ýöû þĺåñ ýöûŕ éẋþéŕîɱéñţ. Å þĺåñţ çûţţîñĝ ŵîĺĺ ĝŕöŵ îñ ţĥé ţéšţ ţûƀé, åñđ ýöû çĥööšé ŵĥåţ îţ ĝéţš. Çĺîçķ %1 ţö ƒîĺĺ ţĥé ţûƀé ŵîţĥ ŵåţéŕ. Ţĥéñ çĺîçķ éåçĥ ɱîñéŕåĺ ýöû ŵåñţ ţö ĝîṽé ţĥé þĺåñţ: ţĥé šýŕîñĝé þûţš öñé đŕöþ öƒ îţ îñţö ţĥé ţûƀé, åñđ ţĥé ţåƀĺé šĥöŵš %2 ƀéšîđé îţ. Ĺéåṽé öûţ ţĥé ɱîñéŕåĺš ýöû ŵåñţ ţö ţéšţ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>[Ŵĥéñ ţĥé ţûƀé îš ŕéåđý, çĺîçķ %1 ţö þûţ ţĥé þĺåñţ çûţţîñĝ îñ. Åƒţéŕ ţĥåţ ñöţĥîñĝ ɱöŕé çåñ ĝö îñ. Çĺîçķ %2 ţö šéé ĥöŵ ţĥé þĺåñţ ĝŕöŵš. %3 éɱþţîéš ţĥé ţûƀé šö ţĥåţ ýöû çåñ þĺåñ å ñéŵ éẋþéŕîɱéñţ, åñđ %4 éñđš Ǫûöŕṽéĺ (îţ åšķš ýöû ƒîŕšţ). ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>[Å ĝööđ šçîéñţîšţ çĥåñĝéš öñĺý öñé ţĥîñĝ åţ å ţîɱé. Ĝŕöŵ öñé þĺåñţ ŵîţĥ éṽéŕýţĥîñĝ îţ ñééđš, ţĥéñ öñé ŵîţĥ å šîñĝĺé ɱîñéŕåĺ ĺéƒţ öûţ, åñđ çöɱþåŕé ţĥé ţŵö. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>[%1 ţåķéš ýöû ƀåçķ ţö þĺåñ ţĥé ñéẋţ öñé, ŵîţĥ åñ éɱþţý ţûƀé. %2 éñđš Ǫûöŕṽéĺ (îţ åšķš ýöû ƒîŕšţ). ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>[Ǫûöŕṽéĺ îš å šçîéñçé šîɱûĺåţîöñ ƒöŕ þûþîĺš: ĝŕöŵ å þĺåñţ çûţţîñĝ îñ å ţéšţ ţûƀé åñđ ƒîñđ öûţ ŵĥîçĥ ɱîñéŕåĺš å þĺåñţ ñééđš. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>[Ṽéŕšîöñ %1, ŕûññîñĝ öñ Ǫţ %2. ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>[Ǫûöŕṽéĺ îš ƒŕéé šöƒţŵåŕé ûñđéŕ ţĥé ĜÑÛ Ĝéñéŕåĺ Þûƀĺîç Ĺîçéñšé, ṽéŕšîöñ 3 öŕ åñý ĺåţéŕ ṽéŕšîöñ (ĜÞĹ-3.0-öŕ-ĺåţéŕ). Ýöû ɱåý šĥåŕé åñđ çĥåñĝé îţ ûñđéŕ ţĥåţ ĺîçéñçé. Îţ çöɱéš ŵîţĥ ñö ŵåŕŕåñţý. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>[Ṁåđé ƀý ţĥé Ǫûöŕṽéĺ đéṽéĺöþéŕš, ƒöŕ þûþîĺš åñđ ţĥéîŕ ţéåçĥéŕš. ~~~~ ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>[Ţĥé þĺåñţ ţĥåţ ĝŕéŵ ƒŕöɱ ýöûŕ éẋþéŕîɱéñţ, åñđ å ŕûĺéŕ ţö ɱéåšûŕé îţ. Þŕéšš Ƒ1 ƒöŕ ĥéĺþ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>[Þĺåñ ýöûŕ éẋþéŕîɱéñţ: ƒîĺĺ ţĥé ţéšţ ţûƀé ŵîţĥ ŵåţéŕ åñđ ɱîñéŕåĺš åñđ þûţ å þĺåñţ çûţţîñĝ îñ. Þŕéšš Ƒ1 ƒöŕ ĥéĺþ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>[Ǫûöŕṽéĺ Ĥéĺþ ~~]</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>[Çöñţéñţš~~]</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>[Ĥéĺþ ţéẋţ ~]</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>[Å þĺåñţ ñééđš ñîţŕöĝéñ ţö ƀûîĺđ ñéŵ šţéɱš åñđ ĺéåṽéš (îţ îš þåŕţ öƒ éṽéŕý þŕöţéîñ) åñđ ţö ɱåķé çĥĺöŕöþĥýĺĺ. Ŵîţĥöûţ éñöûĝĥ ñîţŕöĝéñ å ŕéåĺ þĺåñţ šţåýš šɱåĺĺ åñđ þåĺé, ûšûåĺĺý šɱåĺĺéŕ ţĥåñ ŵîţĥ åñý öţĥéŕ ɱîñéŕåĺ ɱîššîñĝ. Îţš öĺđéŕ, ĺöŵéŕ ĺéåṽéš ţûŕñ þåĺé ýéĺĺöŵ ƒîŕšţ, åĺĺ öṽéŕ, ṽéîñš ţöö, ƀéçåûšé ţĥé þĺåñţ ɱöṽéš ţĥéîŕ ñîţŕöĝéñ ţö îţš ñéŵ ĺéåṽéš. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>[Þöţåššîûɱ ĥéĺþš å þĺåñţ çöñţŕöĺ îţš ŵåţéŕ: îţ öþéñš åñđ çĺöšéš ţĥé ţîñý ĥöĺéš îñ ţĥé ĺéåṽéš ţĥåţ ĺéţ çåŕƀöñ đîöẋîđé îñ åñđ ŵåţéŕ öûţ. Îţ åĺšö ĥéĺþš ţĥé þĺåñţ ƒîĝĥţ đîšéåšé. Ŵîţĥöûţ éñöûĝĥ þöţåššîûɱ ţĥé öĺđéŕ ĺéåṽéš ţûŕñ ýéĺĺöŵ åñđ ţĥéñ ƀŕöŵñ, šţåŕţîñĝ åţ ţĥéîŕ éđĝéš åñđ ţîþš, åñđ ɱåý ĝéţ ƀŕöŵñ šþöţš. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>[Ṁåĝñéšîûɱ îš þåŕţ öƒ çĥĺöŕöþĥýĺĺ îţšéĺƒ, šö å þĺåñţ ñééđš îţ ţö çåţçĥ šûñĺîĝĥţ. Ŵĥéñ îţ ŕûñš šĥöŕţ, ţĥé þĺåñţ ɱöṽéš îţš ɱåĝñéšîûɱ ţö ţĥé ñéŵ ĺéåṽéš, šö ţĥé öĺđéŕ, ĺöŵéŕ ĺéåṽéš šĥöŵ îţ ƒîŕšţ: ţĥéý ţûŕñ ýéĺĺöŵ ƀéţŵééñ ţĥéîŕ ṽéîñš, ŵĥîĺé ţĥé ṽéîñš šţåý ĝŕééñ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>[Å þĺåñţ ñééđš öñĺý å ţîñý åɱöûñţ öƒ îŕöñ, ƀûţ îţ çåññöţ ɱåķé çĥĺöŕöþĥýĺĺ ŵîţĥöûţ îţ. Ŵîţĥöûţ éñöûĝĥ îŕöñ ţĥé ýöûñĝéšţ ĺéåṽéš, åţ ţĥé ţöþ, ţûŕñ þåĺé ýéĺĺöŵ öŕ éṽéñ ŵĥîţé ƀéţŵééñ ţĥéîŕ ṽéîñš, ŵĥîĺé ţĥé ṽéîñš šţåý ĝŕééñ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>[Þĥöšþĥöŕûš ĥéĺþš å þĺåñţ ɱöṽé ţĥé éñéŕĝý ƒŕöɱ šûñĺîĝĥţ åŕöûñđ îñšîđé îţ, åñđ ĝŕöŵ ŕööţš, ƒĺöŵéŕš åñđ šééđš. Ŵîţĥöûţ éñöûĝĥ þĥöšþĥöŕûš ţĥé þĺåñţ šţåýš šɱåĺĺ, åñđ îţš öĺđéŕ ĺéåṽéš öƒţéñ ţûŕñ đåŕķ ĝŕééñ ŵîţĥ å þûŕþĺé öŕ ŕéđđîšĥ ţîñĝé, ƒîŕšţ ûñđéŕñéåţĥ. Ñöţ éṽéŕý ķîñđ öƒ þĺåñţ ţûŕñš þûŕþĺé. Ǫûöŕṽéĺ þåîñţš îţš ĺéåƒ ƀŕîĝĥţ þûŕþĺé åĺĺ öṽéŕ, šö ţĥåţ îţ îš éåšý ţö šéé. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>[Çåĺçîûɱ ƀûîĺđš ţĥé ŵåĺĺš öƒ ţĥé ţîñý çéĺĺš å þĺåñţ îš ɱåđé öƒ, ɱöšţ öƒ åĺĺ ŵĥéŕé îţ ĝŕöŵš: åţ ţĥé ţîþš öƒ îţš šĥööţš åñđ ŕööţš. Å þĺåñţ çåññöţ ɱöṽé çåĺçîûɱ ƒŕöɱ öĺđ ĺéåṽéš ţö ñéŵ öñéš, šö å đéƒîçîéñçý šĥöŵš öñ ţĥé ýöûñĝéšţ ĺéåṽéš ƒîŕšţ: ţĥéý ĝŕöŵ šɱåĺĺ, ñåŕŕöŵ åñđ çŕîñķĺéđ, åñđ ţĥé ţîþ öƒ ţĥé šĥööţ ɱåý đîé. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>[Ĥöŵ Ǫûöŕṽéĺ ķééþš îţ šîɱþĺé ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>[Å ŕéåĺ çûţţîñĝ ţåķéš ŵééķš ţö šĥöŵ å đéƒîçîéñçý. Ǫûöŕṽéĺ ĝŕöŵš îţ åţ öñçé. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>[Ǫûöŕṽéĺ þåîñţš éåçĥ ĺéåƒ îñ öñé šţŕöñĝ çöĺöûŕ. Ŕéåĺ ĺéåṽéš çĥåñĝé šĺöŵĺý åñđ ûñéṽéñĺý, åñđ ŕéåĺ đéƒîçîéñçîéš öƒţéñ ĺööķ åĺîķé. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>[Ŵĥéñ ɱöŕé ţĥåñ öñé ɱîñéŕåĺ îš ɱîššîñĝ, Ǫûöŕṽéĺ šĥöŵš ţĥé ĺéåṽéš öƒ öñĺý šöɱé öƒ ţĥéɱ, åñđ šöɱéţîɱéš þîçķš ŵĥîçĥ öñéš åţ ŕåñđöɱ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>[Ǫûöŕṽéĺ&apos;š ĥéîĝĥţš åŕé šéţ ƀý ţĥé ɱöđéĺ, ñöţ ɱéåšûŕéđ öñ ŕéåĺ þĺåñţš, åñđ îţš ŕûĺéŕ çöûñţš îñ îţš öŵñ ûñîţš, ñöţ îñ çéñţîɱéţŕéš. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>[Ţĥîš šçŕééñ šĥöŵš ĥöŵ ýöûŕ çûţţîñĝ ĝŕéŵ. Ţĥé ţåƀĺé ŕéɱîñđš ýöû ŵĥîçĥ ɱîñéŕåĺš ýöû ĝåṽé îţ. Ĥöŵ ţåĺĺ đîđ ţĥé šţéɱ ĝŕöŵ? Åŕé ţĥé ĺéåṽéš ĝŕééñ åñđ ĥéåĺţĥý, öŕ þåĺé ýéĺĺöŵ, ŵĥîţé, šþöţţéđ, þûŕþĺé öŕ çŕîñķĺéđ? Îñ Ǫûöŕṽéĺ, å çûţţîñĝ ŵîţĥöûţ ŵåţéŕ ĥåŕđĺý ĝŕöŵš åñđ ĥåš ñö ĺéåṽéš åţ åĺĺ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>[Ĝŕééñ þĺåñţš ɱåķé ţĥéîŕ öŵñ ƒööđ. Îñ ţĥéîŕ ĺéåṽéš ţĥéý ûšé ţĥé éñéŕĝý öƒ šûñĺîĝĥţ ţö ţûŕñ ŵåţéŕ, åñđ çåŕƀöñ đîöẋîđé ƒŕöɱ ţĥé åîŕ, îñţö šûĝåŕ: ţĥîš îš çåĺĺéđ þĥöţöšýñţĥéšîš. Ţĥé çåŕƀöñ đîöẋîđé ĝéţš îñ ţĥŕöûĝĥ ţîñý ĥöĺéš îñ ţĥé ĺéåṽéš. Ţĥé ĝŕééñ šûƀšţåñçé îñ ĺéåṽéš ţĥåţ çåţçĥéš ţĥé šûñĺîĝĥţ îš çåĺĺéđ çĥĺöŕöþĥýĺĺ. Îţ åƀšöŕƀš ŕéđ åñđ ƀĺûé ĺîĝĥţ åñđ ŕéƒĺéçţš ĝŕééñ ĺîĝĥţ, åñđ ţĥåţ îš ŵĥý ĺéåṽéš ĺööķ ĝŕééñ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>[Ţö ƀûîĺđ çĥĺöŕöþĥýĺĺ åñđ ţĥé ŕéšţ öƒ îţš ƀöđý, å þĺåñţ åĺšö ñééđš šɱåĺĺ åɱöûñţš öƒ ɱîñéŕåĺš. Îţš ŕööţš ţåķé ţĥéɱ ûþ ƒŕöɱ ţĥé šöîĺ, åš ɱîñéŕåĺ šåĺţš đîššöĺṽéđ îñ ŵåţéŕ. Ţĥåţ îš ŵĥéŕé îţš ñîţŕöĝéñ çöɱéš ƒŕöɱ ţöö: ţĥé åîŕ îš ɱöšţĺý ñîţŕöĝéñ ĝåš, ƀûţ å þĺåñţ çåññöţ ûšé îţ ƒŕöɱ ţĥé åîŕ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>[Ŵĥéñ å þĺåñţ ĝéţš ţöö ĺîţţĺé öƒ å ɱîñéŕåĺ, îţ ĥåš å đéƒîçîéñçý öƒ ţĥåţ ɱîñéŕåĺ. Îţ ĝŕöŵš ĺéšš, åñđ îţš ĺéåṽéš öƒţéñ çĥåñĝé çöĺöûŕ öŕ šĥåþé. Ţĥé ĺéåṽéš ĝîṽé ýöû å çĺûé, ñöţ åñ åñšŵéŕ: đîƒƒéŕéñţ đéƒîçîéñçîéš çåñ ĺööķ åĺîķé. Ţĥåţ îš ŵĥý šçîéñţîšţš ţéšţ öñé ɱîñéŕåĺ åţ å ţîɱé. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>[Îñ Ǫûöŕṽéĺ, å çûţţîñĝ ĝîṽéñ ŵåţéŕ åñđ åĺĺ šîẋ ɱîñéŕåĺš ĝŕöŵš å šţéɱ %1 ûñîţš ĺöñĝ öñ ţĥé ŕûĺéŕ, ŵîţĥ %n ĥéåĺţĥý ĺéåṽéš. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~~]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>[Îñ Ǫûöŕṽéĺ, å çûţţîñĝ ĝîṽéñ ŵåţéŕ åñđ éṽéŕý ɱîñéŕåĺ éẋçéþţ ţĥîš öñé ĝŕöŵš å šţéɱ %1 ûñîţš ĺöñĝ åñđ %n ĺéåṽéš. Ĺööķ ƒöŕ ţĥîš ĺéåƒ: ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>[Îñ Ǫûöŕṽéĺ, å çûţţîñĝ ŵîţĥöûţ %1 ĝŕöŵš ţĥîš šåɱé ĺéåƒ, šö ţĥé ĺéåƒ åĺöñé çåññöţ ţéĺĺ ýöû ŵĥîçĥ öƒ ţĥé ţŵö îš ɱîššîñĝ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>[Ƒöŕ ţéåçĥéŕš, å ĝûîđé ŵîţĥ å ĺéššöñ þĺåñ, ǫûéšţîöñš ŵîţĥ åñšŵéŕš åñđ éṽéŕý ŕéšûĺţ öƒ ţĥé éẋþéŕîɱéñţ çöɱéš ŵîţĥ Ǫûöŕṽéĺ, îñ éåçĥ ĺåñĝûåĝé îţ šþéåķš. Öñ Ĺîñûẋ îţ îš îñ ţĥé ƒöĺđéŕ %1. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>[Ţö ɱéåšûŕé ŵîţĥ ţĥé ķéýƀöåŕđ, çĺîçķ %1, ţĥéñ þŕéšš åñ åŕŕöŵ ķéý: åñ öûţĺîñé öƒ ţĥé ŕûĺéŕ åþþéåŕš. Éåçĥ åŕŕöŵ ɱöṽéš îţ öñé ûñîţ öƒ ţĥé ŕûĺéŕ. Ĝöîñĝ ûþ öŕ đöŵñ, îţ šţöþš öñ ţĥé ŵåý ŵĥéŕé îţš žéŕö ɱåŕķ îš ĺéṽéĺ ŵîţĥ ţĥé ţöþ öƒ ţĥé šţéɱ. Šĥîƒţ ŵîţĥ åñ åŕŕöŵ ɱöṽéš îţ öñé šɱåĺĺ šţéþ, ţö þûţ ţĥé žéŕö ɱåŕķ éẋåçţĺý ĺéṽéĺ. Ŕéţûŕñ öŕ Šþåçé þûţš ţĥé ŕûĺéŕ ŵĥéŕé ţĥé öûţĺîñé îš, ûñĺéšš šöɱéţĥîñĝ îš îñ ţĥé ŵåý; Éšçåþé šţöþš åñđ ĺéåṽéš ţĥé ŕûĺéŕ ŵĥéŕé îţ ŵåš. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>[Å šçŕééñ ŕéåđéŕ ĥéåŕš ŵĥåţ éåçĥ šţéþ çĥåñĝéđ: ţĥé ɱîñéŕåĺ åđđéđ åñđ ţĥé ŕéçöŕđ, ŵĥåţ ţĥé ţûƀé ĥöĺđš, ţĥé çûţţîñĝ, ĥöŵ ţåĺĺ ţĥé šţéɱ ĝŕéŵ åñđ ŵĥåţ îţš ĺéåṽéš šĥöŵ, ŵĥéŕé ţĥé ŕûĺéŕ&apos;š öûţĺîñé îš, åñđ ŵĥåţ ţĥé šţéɱ ŕéåđš öñ ţĥé ŕûĺéŕ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>[Ṁéåšûŕé ţĥé šţéɱ ŵîţĥ ţĥé ŕûĺéŕ. Ţĥéŕé åŕé ţŵö ŵåýš. Ðŕåĝ îţ: þŕéšš ţĥé ɱöûšé ƀûţţöñ öñ ţĥé ŕûĺéŕ, ɱöṽé îţ ƀéšîđé ţĥé šţéɱ åñđ ĺéţ ĝö. Öŕ çĺîçķ %1, ţĥéñ çĺîçķ ŵĥéŕé ţĥé ţöþ öƒ ţĥé ŕûĺéŕ šĥöûĺđ ĝö. Þûţ ţĥé ŕûĺéŕ&apos;š 0 ĺéṽéĺ ŵîţĥ ţĥé ţöþ öƒ ţĥé šţéɱ, åñđ ŕéåđ ţĥé ñûɱƀéŕ ƀéšîđé ţĥé ƒööţ öƒ ţĥé šţéɱ, ŵĥéŕé îţ çöɱéš öûţ öƒ ţĥé ţûƀé: ţĥåţ îš îţš ĥéîĝĥţ îñ ţĥé ŕûĺéŕ&apos;š ûñîţš, ŵĥîçĥ åŕé Ǫûöŕṽéĺ&apos;š öŵñ åñđ ñöţ çéñţîɱéţŕéš. Å çûţţîñĝ ĝîṽéñ ŵåţéŕ åñđ éṽéŕý ɱîñéŕåĺ ĝŕöŵš %2 ûñîţš ţåĺĺ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>[Ĥéŕé Ǫûöŕṽéĺ îš ñöţ ĺîķé å ŕéåĺ þĺåñţ. Îţš ĺéåƒ ķééþš ĝŕééñ ṽéîñš, åñđ îţš šţéɱ ĝŕöŵš ţåĺĺéŕ ţĥåñ ŵîţĥöûţ ɱåĝñéšîûɱ öŕ îŕöñ. Îñ å ŕéåĺ þĺåñţ šĥöŕţ öƒ ñîţŕöĝéñ ţĥé ĺéåƒ ţûŕñš þåĺé ýéĺĺöŵ åĺĺ öṽéŕ, ṽéîñš ţöö, åñđ ţĥé þĺåñţ šţåýš šɱåĺĺéŕ ţĥåñ öñé šĥöŕţ öƒ ɱåĝñéšîûɱ öŕ îŕöñ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>[Ĥéŕé Ǫûöŕṽéĺ îš ñöţ ĺîķé å ŕéåĺ þĺåñţ. Îţ þûţš ƀŕöŵñ šþöţš öñ éṽéŕý ĺéåƒ, ţĥé ýöûñĝéšţ ţöö. Îñ å ŕéåĺ þĺåñţ ţĥé éđĝéš åñđ ţîþš öƒ ţĥé öĺđéŕ ĺéåṽéš ţûŕñ ƀŕöŵñ ƒîŕšţ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>[Ǫûöŕṽéĺ ĝîṽéš ñîţŕöĝéñ ţĥé šåɱé ĺéåƒ åš ɱåĝñéšîûɱ: þåĺé ýéĺĺöŵ ŵîţĥ ĝŕééñ ṽéîñš. Îñ å ŕéåĺ þĺåñţ šĥöŕţ öƒ ñîţŕöĝéñ ţĥé ŵĥöĺé ĺéåƒ ţûŕñš þåĺé ýéĺĺöŵ, ṽéîñš ţöö, öñ ţĥé öĺđéŕ ĺéåṽéš ƒîŕšţ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>[Å ŕéåĺ þĺåñţ šĥöŕţ öƒ ñîţŕöĝéñ ûšûåĺĺý ĝŕöŵš ĺéåšţ öƒ åĺĺ. Îñ Ǫûöŕṽéĺ îţ ĝŕöŵš ţåĺĺéŕ ţĥåñ å þĺåñţ šĥöŕţ öƒ ɱåĝñéšîûɱ öŕ îŕöñ. Šö çöɱþåŕé ĥéîĝĥţš ŵîţĥ éåçĥ öţĥéŕ îñ Ǫûöŕṽéĺ, ñöţ ŵîţĥ ŕéåĺ þĺåñţš. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>[Ǫûöŕṽéĺ þûţš ƀŕöŵñ šþöţš öñ éṽéŕý ĺéåƒ öƒ å þĺåñţ šĥöŕţ öƒ þöţåššîûɱ. Îñ å ŕéåĺ þĺåñţ ţĥé éđĝéš öƒ ţĥé öĺđéŕ ĺéåṽéš ţûŕñ ƀŕöŵñ ƒîŕšţ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>[Ŵîţĥöûţ ŵåţéŕ, Ǫûöŕṽéĺ&apos;š ŕûĺé îš ţĥåţ ţĥé šţéɱ ĝŕöŵš öñĺý å ĺîţţĺé åñđ ĥåš ñö ĺéåṽéš: éṽéñ ţĥé çûţţîñĝ&apos;š öŵñ ţŵö ĺéåṽéš åŕé ĝöñé. Å ŕéåĺ çûţţîñĝ ŵîţĥöûţ ŵåţéŕ ŵîĺţš åñđ đîéš. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>[Çţŕĺ+Ĥ öþéñš ýöûŕ ñöţéƀööķ ƒŕöɱ éîţĥéŕ šçŕééñ. Îñ îţ, ţĥé åŕŕöŵ ķéýš ĝö ƒŕöɱ éẋþéŕîɱéñţ ţö éẋþéŕîɱéñţ, Ðéĺéţé đéĺéţéš öñé, Çţŕĺ+Š šåṽéš ţĥé ñöţéƀööķ åš ÇŠṼ, Çţŕĺ+Þ þŕîñţš îţ, åñđ Éšçåþé çĺöšéš îţ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>[Öþéñ ţĥé ñöţéƀööķ ~~~~]</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>[Ǫûöŕṽéĺ ŵŕîţéš éṽéŕý þĺåñţ ýöû ĝŕöŵ îñţö ýöûŕ ñöţéƀööķ: ŵĥåţ îţ ŵåš ĝîṽéñ, ŵĥåţ îţš ĺéåṽéš šĥöŵ, åñđ ţĥé ĥéîĝĥţ ýöû ŕéåđ åţ ţĥé ƒööţ öƒ ţĥé šţéɱ ŵĥéñ ýöû þûţ ţĥé ŕûĺéŕ đöŵñ. Çöɱþåŕé ýöûŕ éẋþéŕîɱéñţš ţĥéŕé îñ å ţåƀĺé åñđ å ƀåŕ çĥåŕţ, šåṽé ţĥéɱ ƒöŕ å šþŕéåđšĥééţ, öŕ þŕîñţ ţĥéɱ. %1, öŕ þŕéšš Çţŕĺ+Ĥ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>[Þŕéšš Çţŕĺ+Ĥ ƒöŕ ýöûŕ ñöţéƀööķ öƒ ţĥîš ĺéššöñ&apos;š éẋþéŕîɱéñţš. ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>[ţĥé þîçţûŕé åñ éåŕĺîéŕ ŕûñ ĺéƒţ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>none</source>
        <translation>[ñöñé~]</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>[åĺĺ šîẋ~]</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>[%1 öŕ %2 ~]</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>[%1 ẋ%2~]</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>[Ṁîñéŕåĺš ĺéƒţ öûţ ~~~~]</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>[Ŵîţĥ ŵåţéŕ: šţéɱ (ŕûĺéŕ ûñîţš) ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>[Ŵîţĥ ŵåţéŕ: ĺéåṽéš, ƀöţţöɱ ţö ţöþ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>[Ŵîţĥöûţ ŵåţéŕ: šţéɱ (ŕûĺéŕ ûñîţš) ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>[Ŵîţĥöûţ ŵåţéŕ: ĺéåṽéš ~~~~ ~]</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>[ŕåñđöɱ: %1 ~]</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>[Ṁîñéŕåĺ ĺéƒţ öûţ ~~~~]</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>[Šţéɱ (ŕûĺéŕ ûñîţš) ~~~~~]</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>[Ţĥé ĺéåƒ ţö ĺööķ ƒöŕ ~~~~~]</translation>
    </message>
    <message>
        <source>, </source>
        <translation>[, ~]</translation>
    </message>
    <message>
        <source>; </source>
        <translation>[; ~]</translation>
    </message>
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation>[ĥéåĺţĥý ĝŕééñ ĺéåƒ ~~~~~]</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>[þåĺé ýéĺĺöŵ ĺéåƒ ŵîţĥ ĝŕééñ ṽéîñš ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>[ŵĥîţé ĺéåƒ ŵîţĥ ĝŕééñ ṽéîñš ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>[þûŕþĺé ĺéåƒ ~~]</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>[ĥéåĺţĥý ĝŕééñ ĺéåƒ, ĥåñĝîñĝ đöŵñ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>[éɱþţý~]</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>[ɱîñéŕåĺš öñĺý ~~~]</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>[ŵåţéŕ åñđ ɱîñéŕåĺš ~~~~~]</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>[çĺéåŕ ŵåţéŕ ~~]</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>[éɱþţý~]</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>[ñéåŕĺý éɱþţý ~~]</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>[þŕéššéđ~]</translation>
    </message>
    <message>
        <source>full</source>
        <translation>[ƒûĺĺ~]</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>[å ƒåĺĺîñĝ đŕöþ ~~~]</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>[ţéšţ ţûƀé, ƀĺåçķéđ öûţ ~~~~ ~]</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>[å þĺåñţ çûţţîñĝ ŵîţĥ ţŵö ĺéåṽéš, šţåñđîñĝ îñ å ƀĺåçķéđ-öûţ ţéšţ ţûƀé ~~~~ ~~~~ ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>[å ŕûĺéŕ ɱåŕķéđ ƒŕöɱ 0 åţ ţĥé ţöþ ţö 17 ~~~~ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>[å ŕéđ åŕŕöŵ þöîñţîñĝ đöŵñ åţ ţĥé ɱîñéŕåĺ ƀûţţöñš ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>[ñåŕŕöŵ ĝŕééñ ĺéåƒ ŵîţĥ å ŵåṽý, çŕîñķĺéđ éđĝé ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>[þåĺé ýéĺĺöŵ ĺéåƒ ŵîţĥ ƀŕöŵñ šþöţš ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>[ñåŕŕöŵ þûŕþĺé ĺéåƒ ŵîţĥ å ŵåṽý éđĝé ~~~~ ~~~~ ~]</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>[&amp;Yéš~]</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>[&amp;Nö~]</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>[Çĺöšé~]</translation>
    </message>
</context>
<context>
    <name>QuitBox</name>
    <message>
        <source>Talvessa</source>
        <translation>[Ţåĺṽéššå~~]</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>[Ðö ýöû ŕéåĺĺý ŵåñţ ţö ǫûîţ? ~~~~ ~~~]</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation>[Ṁîñéŕåĺ~]</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>[Ñîţŕöĝéñ~~]</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>[Þöţåššîûɱ~~]</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>[Ṁåĝñéšîûɱ~~]</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>[Îŕöñ~]</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>[Þĥöšþĥöŕûš~~]</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>[Çåĺçîûɱ~]</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>[Åđđéđ~]</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>[Ýéš~]</translation>
    </message>
    <message>
        <source>No</source>
        <translation>[Ñö~]</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>[%1 åđđéđ ~]</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>[Ǫûöŕṽéĺ ĥåš éñđéđ. ~~~~~]</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>[Šţåŕţ Ǫûöŕṽéĺ åĝåîñ ~~~~~]</translation>
    </message>
</context>
<context>
    <name>quorvel::BarChart</name>
    <message>
        <source>%1: %2</source>
        <translation>[%1: %2~]</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>[ñöţ ɱéåšûŕéđ ~~]</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>[Ŵĥåţ îţ ĺéƒţ öûţ ~~~~]</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>[Ĥéîĝĥţ ýöû ŕéåđ, îñ ûñîţš öƒ ţĥé ŕûĺéŕ ~~~~ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>[Ûñđéŕ éåçĥ ƀåŕ: ţĥé éẋþéŕîɱéñţ&apos;š ñûɱƀéŕ åñđ ŵĥåţ îţ ĺéƒţ öûţ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>[Ðåšĥéđ ĺîñé: ţĥé ĥéîĝĥţ åççöŕđîñĝ ţö Ǫûöŕṽéĺ ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>[ßåŕ çĥåŕţ öƒ ţĥé ĥéîĝĥţš ýöû ŕéåđ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>[Öñé ƀåŕ ƒöŕ éåçĥ éẋþéŕîɱéñţ. Ţĥé åŕŕöŵ ķéýš ĝö ƒŕöɱ ƀåŕ ţö ƀåŕ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~]</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>[Ǫûöŕṽéĺ - Ðéšîĝñîñĝ ýöûŕ éẋþéŕîɱéñţ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>[&amp;Nîţŕöĝéñ~~]</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>[Þö&amp;tåššîûɱ~~]</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>[&amp;Måĝñéšîûɱ~~]</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>[&amp;Iŕöñ~]</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>[&amp;Pĥöšþĥöŕûš~~]</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>[&amp;Cåĺçîûɱ~]</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>[Åđđ &amp;Wåţéŕ ~]</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>[Šéé &amp;Réšûĺţš ~~]</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>[&amp;Qûîţ~]</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>[&amp;Sţåŕţ åĝåîñ ~~]</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>[&amp;Ađđ Çûţţîñĝ ~~]</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>[Çĺîçķ öñ ţĥéšé ɱîñéŕåĺš ţö åđđ ţĥéɱ ţö ţĥé ţûƀé. ~~~~ ~~~~ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>[Çûţţîñĝ~]</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>[Ţéšţ ţûƀé ~]</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>[Šýŕîñĝé~]</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>[Ðŕöþ~]</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>[Åŕŕöŵ~]</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>[ßåçķĝŕöûñđ öƒ ţĥé ţåƀĺé ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>[ßåçķĝŕöûñđ öƒ ţĥé îñšţŕûçţîöñš ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>[Ĺîñé ƀéţŵééñ ţĥé ţåƀĺé&apos;š çöĺûɱñš ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>[Ĺîñé ûñđéŕ ţĥé ţåƀĺé&apos;š ĥéåđîñĝš ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>[%1 åđđéđ: ţĥé ŕéçöŕđ šåýš %2. ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>[Ŵåţéŕ åđđéđ: ţĥé ţûƀé ĥöĺđš %1. ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>[Šţåŕţéđ åĝåîñ: ţĥé ţûƀé îš éɱþţý åñđ éṽéŕý ɱîñéŕåĺ šåýš %1. ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>[Ţĥé çûţţîñĝ îš îñ; ţĥé ţûƀé ţåķéš ñöţĥîñĝ ɱöŕé. ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <translation>[Éẋþéŕîɱéñţ~~]</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>[Ŵåţéŕ~]</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>[Ĺéåṽéš~]</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>[Ĥéîĝĥţ ýöû ŕéåđ ~~~]</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>[Ĥéîĝĥţ åççöŕđîñĝ ţö Ǫûöŕṽéĺ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>[Ñöţĥîñĝ~]</translation>
    </message>
    <message>
        <source>, </source>
        <translation>[, ~]</translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>[Ñö ĺéåṽéš ~]</translation>
    </message>
    <message>
        <source>; </source>
        <translation>[; ~]</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookWindow</name>
    <message>
        <source>Quorvel Notebook</source>
        <translation>[Ǫûöŕṽéĺ Ñöţéƀööķ ~~~~]</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>[Éṽéŕý þĺåñţ ýöû ĝŕöŵ îš ŵŕîţţéñ ĥéŕé. Ṁéåšûŕé éåçĥ öñé ŵîţĥ ţĥé ŕûĺéŕ: ţĥé ĥéîĝĥţ ýöû ŕéåđ åţ ţĥé ƒööţ öƒ ţĥé šţéɱ ĝöéš îñţö ţĥé ţåƀĺé. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>[Ýöûŕ éẋþéŕîɱéñţš ~~~~]</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>[&amp;Sĥöŵ ţĥé ĥéîĝĥţš åççöŕđîñĝ ţö Ǫûöŕṽéĺ (ƒöŕ ţĥé ţéåçĥéŕ) ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>[&amp;Déĺéţé éẋþéŕîɱéñţ… ~~~~~]</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>[Ç&amp;léåŕ ñöţéƀööķ… ~~~]</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>[Šåṽé åš &amp;CŠṼ… ~~]</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>[&amp;Pŕîñţ…~]</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>[Ðéĺéţé éẋþéŕîɱéñţ %1 ƒŕöɱ ţĥé ñöţéƀööķ? ~~~~ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>[Çĺéåŕ ţĥé ñöţéƀööķ? Éṽéŕý éẋþéŕîɱéñţ îñ îţ îš đéĺéţéđ. ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>[Šåṽé åš ÇŠṼ ~~]</translation>
    </message>
    <message>
        <source>notebook</source>
        <translation>[ñöţéƀööķ~~]</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>[ÇŠṼ ƒîĺéš (*.çšṽ) ~~~~]</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>[Ţĥé ñöţéƀööķ çöûĺđ ñöţ ƀé šåṽéđ: %1. Ñöţĥîñĝ îñ îţ ŵåš ĺöšţ; ýöû çåñ šåṽé îţ šöɱéŵĥéŕé éĺšé. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>[Ţĥé ñöţéƀööķ çöûĺđ ñöţ ƀé þŕîñţéđ. Ñöţĥîñĝ îñ îţ ŵåš ĺöšţ. ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>Quorvel - Your results</source>
        <translation>[Ǫûöŕṽéĺ - Ýöûŕ ŕéšûĺţš ~~~~ ~]</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>[&amp;Qûîţ~]</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>[&amp;Möṽé ŕûĺéŕ ~]</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>[&amp;Néŵ éẋþéŕîɱéñţ ~~~]</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>[Ţéšţ ţûƀé ~]</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>[Ŕûĺéŕ~]</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>[Šţéɱ~]</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>[ßåçķĝŕöûñđ öƒ ţĥé ţåƀĺé ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>[Ĺîñé ƀéţŵééñ ţĥé ţåƀĺé&apos;š çöĺûɱñš ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>[Ĺîñé ûñđéŕ ţĥé ţåƀĺé&apos;š ĥéåđîñĝš ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>[Ĺéåƒ %1~]</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>[%1 ûñîţš ţåĺĺ öñ ţĥé ŕûĺéŕ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>[Ñöţĥîñĝ ĝŕéŵ: ţĥéŕé ŵåš ñö çûţţîñĝ. ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>[Ţĥé šţéɱ ĝŕéŵ %1 ûñîţš, ŵîţĥ ñö ĺéåṽéš. ~~~~ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>[Ţĥé šţéɱ ĝŕéŵ %1 ûñîţš. Ĺéåṽéš: %2. ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>[Þĺåçîñĝ ţĥé ŕûĺéŕ: åŕŕöŵš ɱöṽé îţ, Ŕéţûŕñ þûţš îţ đöŵñ, Éšçåþé šţöþš. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>[Ţĥé ŕûĺéŕ çåññöţ ĝö ţĥéŕé: %1 îš îñ ţĥé ŵåý. ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>[Þĺåçîñĝ šţöþþéđ; ţĥé ŕûĺéŕ îš ƀåçķ. ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>[Ñéåŕ ţĥé ţöþ öƒ ţĥé šţéɱ ~~~~ ~~]</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>[Ñéåŕ ţĥé šţéɱ ~~~]</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>[Ñéåŕ ĺéåƒ %1 ~~]</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>[Ñéåŕ ţĥé ţûƀé ~~~]</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>[%1, žéŕö ɱåŕķ ĺéṽéĺ ŵîţĥ ţĥé šţéɱ&apos;š ţöþ ~~~~ ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>[%1, žéŕö ɱåŕķ %2 ûñîţš åƀöṽé ţĥé šţéɱ&apos;š ţöþ ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>[%1, žéŕö ɱåŕķ %2 ûñîţš ƀéĺöŵ ţĥé šţéɱ&apos;š ţöþ ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>[Ŕûĺéŕ þĺåçéđ. ~~~]</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>[Ŕûĺéŕ þĺåçéđ: ţĥé šţéɱ ŕûñš ƒŕöɱ %1 ţö %2 öñ îţš šçåĺé. ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>, </source>
        <translation>[, ~]</translation>
    </message>
</context>
</TS>
