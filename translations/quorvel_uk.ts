<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen the plant stays small and pale. Its older, lower leaves turn pale yellow first, because the plant moves their nitrogen to its new leaves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? Without water a cutting hardly grows and grows no leaves at all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Read the number beside the top of the stem: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The green substance in leaves that catches the sunlight is called chlorophyll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1: an outline of the ruler appears when you press an arrow key, and each arrow moves it a little. Shift with an arrow moves it three marks of the ruler, and stops where its zero mark is level with the top of the stem. Return or Space puts the ruler there, unless something is in the way; Escape puts it back where it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pale yellow leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuitBox</name>
    <message>
        <source>Talvessa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>&amp;Nitrogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel - Your results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
