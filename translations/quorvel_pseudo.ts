<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vo" sourcelanguage="en">
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
</TS>
