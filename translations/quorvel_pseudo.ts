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
        <source>A plant needs nitrogen to grow new stems and leaves and to make the green colour of its leaves. Without it the plant stays small, and its older, lower leaves turn pale and yellow first.</source>
        <translation>[Å þĺåñţ ñééđš ñîţŕöĝéñ ţö ĝŕöŵ ñéŵ šţéɱš åñđ ĺéåṽéš åñđ ţö ɱåķé ţĥé ĝŕééñ çöĺöûŕ öƒ îţš ĺéåṽéš. Ŵîţĥöûţ îţ ţĥé þĺåñţ šţåýš šɱåĺĺ, åñđ îţš öĺđéŕ, ĺöŵéŕ ĺéåṽéš ţûŕñ þåĺé åñđ ýéĺĺöŵ ƒîŕšţ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>Potassium helps a plant use water well, make strong leaves and fight illness. Without it the leaves turn yellow and get brown spots and edges.</source>
        <translation>[Þöţåššîûɱ ĥéĺþš å þĺåñţ ûšé ŵåţéŕ ŵéĺĺ, ɱåķé šţŕöñĝ ĺéåṽéš åñđ ƒîĝĥţ îĺĺñéšš. Ŵîţĥöûţ îţ ţĥé ĺéåṽéš ţûŕñ ýéĺĺöŵ åñđ ĝéţ ƀŕöŵñ šþöţš åñđ éđĝéš. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Magnesium is part of the green colour in leaves that catches sunlight, so that the plant can make its food. Without it the leaves turn pale yellow.</source>
        <translation>[Ṁåĝñéšîûɱ îš þåŕţ öƒ ţĥé ĝŕééñ çöĺöûŕ îñ ĺéåṽéš ţĥåţ çåţçĥéš šûñĺîĝĥţ, šö ţĥåţ ţĥé þĺåñţ çåñ ɱåķé îţš ƒööđ. Ŵîţĥöûţ îţ ţĥé ĺéåṽéš ţûŕñ þåĺé ýéĺĺöŵ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message>
        <source>A plant needs a tiny amount of iron to make the green colour of its leaves. Without it the new leaves turn white or pale, and only their veins stay green.</source>
        <translation>[Å þĺåñţ ñééđš å ţîñý åɱöûñţ öƒ îŕöñ ţö ɱåķé ţĥé ĝŕééñ çöĺöûŕ öƒ îţš ĺéåṽéš. Ŵîţĥöûţ îţ ţĥé ñéŵ ĺéåṽéš ţûŕñ ŵĥîţé öŕ þåĺé, åñđ öñĺý ţĥéîŕ ṽéîñš šţåý ĝŕééñ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant grow strong roots and move the energy from sunlight around inside it. Without it the plant stays very small and its leaves turn dark and purple.</source>
        <translation>[Þĥöšþĥöŕûš ĥéĺþš å þĺåñţ ĝŕöŵ šţŕöñĝ ŕööţš åñđ ɱöṽé ţĥé éñéŕĝý ƒŕöɱ šûñĺîĝĥţ åŕöûñđ îñšîđé îţ. Ŵîţĥöûţ îţ ţĥé þĺåñţ šţåýš ṽéŕý šɱåĺĺ åñđ îţš ĺéåṽéš ţûŕñ đåŕķ åñđ þûŕþĺé. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~~]</translation>
    </message>
    <message>
        <source>Calcium builds strong walls for the tiny cells a plant is made of, most of all at the tips where it grows. Without it the plant stays very small and its new leaves grow narrow, with wavy, crinkled edges.</source>
        <translation>[Çåĺçîûɱ ƀûîĺđš šţŕöñĝ ŵåĺĺš ƒöŕ ţĥé ţîñý çéĺĺš å þĺåñţ îš ɱåđé öƒ, ɱöšţ öƒ åĺĺ åţ ţĥé ţîþš ŵĥéŕé îţ ĝŕöŵš. Ŵîţĥöûţ îţ ţĥé þĺåñţ šţåýš ṽéŕý šɱåĺĺ åñđ îţš ñéŵ ĺéåṽéš ĝŕöŵ ñåŕŕöŵ, ŵîţĥ ŵåṽý, çŕîñķĺéđ éđĝéš. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
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
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale, spotted, purple or crinkled? Without water a cutting hardly grows and grows no leaves at all.</source>
        <translation>[Ţĥîš šçŕééñ šĥöŵš ĥöŵ ýöûŕ çûţţîñĝ ĝŕéŵ. Ţĥé ţåƀĺé ŕéɱîñđš ýöû ŵĥîçĥ ɱîñéŕåĺš ýöû ĝåṽé îţ. Ĥöŵ ţåĺĺ đîđ ţĥé šţéɱ ĝŕöŵ? Åŕé ţĥé ĺéåṽéš ĝŕééñ åñđ ĥéåĺţĥý, öŕ þåĺé, šþöţţéđ, þûŕþĺé öŕ çŕîñķĺéđ? Ŵîţĥöûţ ŵåţéŕ å çûţţîñĝ ĥåŕđĺý ĝŕöŵš åñđ ĝŕöŵš ñö ĺéåṽéš åţ åĺĺ. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Read the number beside the top of the stem. A cutting given water and every mineral reaches %2.</source>
        <translation>[Ṁéåšûŕé ţĥé šţéɱ ŵîţĥ ţĥé ŕûĺéŕ. Ţĥéŕé åŕé ţŵö ŵåýš. Ðŕåĝ îţ: þŕéšš ţĥé ɱöûšé ƀûţţöñ öñ ţĥé ŕûĺéŕ, ɱöṽé îţ ƀéšîđé ţĥé šţéɱ åñđ ĺéţ ĝö. Öŕ çĺîçķ %1, ţĥéñ çĺîçķ ŵĥéŕé ţĥé ţöþ öƒ ţĥé ŕûĺéŕ šĥöûĺđ ĝö. Ŕéåđ ţĥé ñûɱƀéŕ ƀéšîđé ţĥé ţöþ öƒ ţĥé šţéɱ. Å çûţţîñĝ ĝîṽéñ ŵåţéŕ åñđ éṽéŕý ɱîñéŕåĺ ŕéåçĥéš %2. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>[%1 ţåķéš ýöû ƀåçķ ţö þĺåñ ţĥé ñéẋţ öñé, ŵîţĥ åñ éɱþţý ţûƀé. %2 éñđš Ǫûöŕṽéĺ (îţ åšķš ýöû ƒîŕšţ). ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</translation>
    </message>
    <message numerus="yes">
        <source>A plant makes its food from water, air and sunlight, but it also needs a little of some minerals, which its roots take up with the water. Each mineral has its own job. When one is missing, the plant grows less, and its leaves show which one it is. A cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>[Å þĺåñţ ɱåķéš îţš ƒööđ ƒŕöɱ ŵåţéŕ, åîŕ åñđ šûñĺîĝĥţ, ƀûţ îţ åĺšö ñééđš å ĺîţţĺé öƒ šöɱé ɱîñéŕåĺš, ŵĥîçĥ îţš ŕööţš ţåķé ûþ ŵîţĥ ţĥé ŵåţéŕ. Éåçĥ ɱîñéŕåĺ ĥåš îţš öŵñ ĵöƀ. Ŵĥéñ öñé îš ɱîššîñĝ, ţĥé þĺåñţ ĝŕöŵš ĺéšš, åñđ îţš ĺéåṽéš šĥöŵ ŵĥîçĥ öñé îţ îš. Å çûţţîñĝ ĝîṽéñ ŵåţéŕ åñđ åĺĺ šîẋ ɱîñéŕåĺš ĝŕöŵš å šţéɱ %1 ûñîţš ĺöñĝ öñ ţĥé ŕûĺéŕ, ŵîţĥ %n ĥéåĺţĥý ĺéåṽéš. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~]</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf: %2.</source>
        <translation>
            <numerusform>[Îñ Ǫûöŕṽéĺ, å çûţţîñĝ ĝîṽéñ ŵåţéŕ åñđ éṽéŕý ɱîñéŕåĺ éẋçéþţ ţĥîš öñé ĝŕöŵš å šţéɱ %1 ûñîţš ĺöñĝ åñđ %n ĺéåṽéš. Ĺööķ ƒöŕ ţĥîš ĺéåƒ: %2. ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~~~~ ~]</numerusform>
        </translation>
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
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation>[ĥéåĺţĥý ĝŕééñ ĺéåƒ ~~~~~]</translation>
    </message>
    <message>
        <source>pale yellow leaf</source>
        <translation>[þåĺé ýéĺĺöŵ ĺéåƒ ~~~~]</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>[ŵĥîţé ĺéåƒ ŵîţĥ ĝŕééñ ṽéîñš ~~~~ ~~~]</translation>
    </message>
    <message>
        <source>small and crinkled green leaf</source>
        <translation>[šɱåĺĺ åñđ çŕîñķĺéđ ĝŕééñ ĺéåƒ ~~~~ ~~~~]</translation>
    </message>
    <message>
        <source>yellow leaf with brown spots</source>
        <translation>[ýéĺĺöŵ ĺéåƒ ŵîţĥ ƀŕöŵñ šþöţš ~~~~ ~~~~]</translation>
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
        <source>small purple leaf with a wavy edge</source>
        <translation>[šɱåĺĺ þûŕþĺé ĺéåƒ ŵîţĥ å ŵåṽý éđĝé ~~~~ ~~~~ ~]</translation>
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
</context>
</TS>
