<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Gib der Pflanze Stickstoff: Ein Tropfen kommt ins Reagenzglas.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Gib der Pflanze Kalium: Ein Tropfen kommt ins Reagenzglas.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Gib der Pflanze Magnesium: Ein Tropfen kommt ins Reagenzglas.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Gib der Pflanze Eisen: Ein Tropfen kommt ins Reagenzglas.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Gib der Pflanze Phosphor: Ein Tropfen kommt ins Reagenzglas.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Gib der Pflanze Calcium: Ein Tropfen kommt ins Reagenzglas.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Fülle das Reagenzglas mit Wasser.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Sieh dir an, wie die Pflanze bei deinem Versuch wächst.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Beende Quorvel. Vorher wirst du noch gefragt.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Leere das Reagenzglas und plane einen neuen Versuch.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Setze den Steckling ins Reagenzglas. Danach kann nichts mehr hinein.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Verschiebe das Lineal: Klicke danach dorthin, wo sein oberes Ende hin soll. So misst du den Stängel.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Geh zurück und plane einen neuen Versuch.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>Den Versuch planen</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>Die Ergebnisse ansehen</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>Wofür jeder Mineralstoff gut ist</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Über Quorvel</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Mit der Tastatur</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>Jeder Knopf hat einen unterstrichenen Buchstaben: Halte Alt gedrückt und drücke diesen Buchstaben, dann wird der Knopf angeklickt. Mit Tab kommst du zum nächsten Knopf und mit Umschalt+Tab zum vorigen. Die Eingabetaste oder die Leertaste klickt den markierten Knopf an. F11 füllt den ganzen Bildschirm mit Quorvel, und Esc holt das Fenster zurück. F1 öffnet diese Hilfe, und Esc schließt sie wieder.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>Hier planst du deinen Versuch. Im Reagenzglas soll ein Steckling wachsen, und du bestimmst, was er bekommt. Klicke auf %1, um das Reagenzglas mit Wasser zu füllen. Klicke dann auf jeden Mineralstoff, den du der Pflanze geben willst: Die Spritze gibt einen Tropfen davon ins Reagenzglas, und die Tabelle zeigt daneben %2. Lass die Mineralstoffe weg, die du untersuchen willst.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>Wenn das Reagenzglas fertig ist, klicke auf %1, um den Steckling einzusetzen. Danach kann nichts mehr hinein. Klicke auf %2, um zu sehen, wie die Pflanze wächst. Mit %3 leerst du das Reagenzglas und kannst einen neuen Versuch planen. Mit %4 beendest du Quorvel (vorher wirst du noch gefragt).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>Wer gut forscht, ändert immer nur eine Sache auf einmal. Lass eine Pflanze mit allem wachsen, was sie braucht, und dann eine, der nur ein einziger Mineralstoff fehlt. Vergleiche dann die beiden.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>Mit %1 gehst du zurück und planst den nächsten Versuch, mit einem leeren Reagenzglas. Mit %2 beendest du Quorvel (vorher wirst du noch gefragt).</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Quorvel ist ein Naturwissenschafts-Programm für Schülerinnen und Schüler: Lass einen Steckling in einem Reagenzglas wachsen und finde heraus, welche Mineralstoffe eine Pflanze braucht.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Version %1, läuft mit Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Quorvel ist freie Software unter der GNU General Public License, Version 3 oder jeder späteren Version (GPL-3.0-or-later). Du darfst es nach den Regeln dieser Lizenz weitergeben und verändern. Es gibt keinerlei Garantie dafür.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Gemacht von den Entwicklerinnen und Entwicklern von Quorvel, für Schülerinnen und Schüler und ihre Lehrkräfte.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>Die Pflanze, die bei deinem Versuch gewachsen ist, und ein Lineal, um sie zu messen. Drücke F1 für Hilfe.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Plane deinen Versuch: Fülle das Reagenzglas mit Wasser und Mineralstoffen und setze einen Steckling hinein. Drücke F1 für Hilfe.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Quorvel-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>Eine Pflanze braucht Stickstoff, um neue Stängel und Blätter aufzubauen (er steckt in jedem Eiweiß) und um Chlorophyll herzustellen. Bei Stickstoffmangel bleibt eine echte Pflanze klein und blass, meist kleiner als bei jedem anderen fehlenden Mineralstoff. Ihre älteren, unteren Blätter werden zuerst blassgelb, und zwar ganz, auch die Blattadern, weil die Pflanze deren Stickstoff in ihre neuen Blätter verlagert.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>Kalium hilft der Pflanze, ihren Wasserhaushalt zu regeln: Es öffnet und schließt die winzigen Spaltöffnungen in den Blättern, durch die Kohlenstoffdioxid hineinkommt und Wasser verdunstet. Außerdem hilft es der Pflanze, sich gegen Krankheiten zu wehren. Bei Kaliummangel werden die älteren Blätter erst gelb und dann braun, zuerst am Rand und an der Spitze, und sie können braune Flecken bekommen.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>Magnesium ist ein Baustein des Chlorophylls selbst, deshalb braucht die Pflanze es, um Sonnenlicht einzufangen. Wird es knapp, verlagert die Pflanze ihr Magnesium in die neuen Blätter. Deshalb zeigen die älteren, unteren Blätter den Mangel zuerst: Sie werden zwischen den Blattadern gelb, während die Adern grün bleiben.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>Eine Pflanze braucht nur eine winzige Menge Eisen, aber ohne Eisen kann sie kein Chlorophyll herstellen. Bei Eisenmangel werden die jüngsten Blätter oben an der Pflanze zwischen den Blattadern blassgelb oder sogar weiß, während die Adern grün bleiben.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>Phosphor hilft der Pflanze, die Energie aus dem Sonnenlicht in ihrem Inneren weiterzugeben und Wurzeln, Blüten und Samen zu bilden. Bei Phosphormangel bleibt die Pflanze klein, und ihre älteren Blätter werden oft dunkelgrün mit einem violetten oder rötlichen Schimmer, zuerst auf der Unterseite. Nicht jede Pflanzenart wird violett. Quorvel malt das Blatt ganz in kräftigem Violett, damit man es leicht erkennt.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>Calcium baut die Zellwände auf, also die Wände der winzigen Zellen, aus denen eine Pflanze besteht. Am meisten braucht die Pflanze es dort, wo sie wächst: an den Spitzen von Spross und Wurzeln. Eine Pflanze kann Calcium nicht aus alten Blättern in neue verlagern, deshalb zeigt sich ein Mangel zuerst an den jüngsten Blättern: Sie bleiben klein und schmal und wachsen gekräuselt, und die Spitze des Sprosses kann absterben.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Wo Quorvel vereinfacht</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>Bei einem echten Steckling dauert es Wochen, bis man einen Mangel sieht. Quorvel lässt ihn sofort wachsen.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Quorvel malt jedes Blatt in einer einzigen kräftigen Farbe. Echte Blätter verändern sich langsam und ungleichmäßig, und echte Mangelerscheinungen sehen sich oft ähnlich.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>Wenn mehr als ein Mineralstoff fehlt, zeigt Quorvel nur die Blätter von einigen davon und wählt manchmal zufällig aus, welche.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>Die Höhen in Quorvel legt das Modell fest, sie sind nicht an echten Pflanzen gemessen. Und das Lineal zählt in Quorvels eigenen Einheiten, nicht in Zentimetern.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>Dieser Bildschirm zeigt, wie dein Steckling gewachsen ist. Die Tabelle erinnert dich daran, welche Mineralstoffe du ihm gegeben hast. Wie hoch ist der Stängel gewachsen? Sind die Blätter grün und gesund, oder sind sie blassgelb, weiß, gefleckt, violett oder gekräuselt? In Quorvel wächst ein Steckling ohne Wasser kaum und hat überhaupt keine Blätter.</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>Grüne Pflanzen stellen ihre Nahrung selbst her. In ihren Blättern verwandeln sie mit der Energie des Sonnenlichts Wasser und Kohlenstoffdioxid aus der Luft in Zucker: Das nennt man Fotosynthese. Das Kohlenstoffdioxid kommt durch winzige Spaltöffnungen in die Blätter. Der grüne Farbstoff in den Blättern, der das Sonnenlicht einfängt, heißt Chlorophyll (Blattgrün). Es absorbiert (schluckt) rotes und blaues Licht und reflektiert grünes Licht, deshalb sehen Blätter grün aus.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>Um Chlorophyll und alles andere aufzubauen, woraus sie besteht, braucht eine Pflanze außerdem kleine Mengen an Mineralstoffen. Ihre Wurzeln nehmen sie aus dem Boden auf, als Mineralsalze, die im Wasser gelöst sind. Auch ihren Stickstoff bekommt die Pflanze so: Die Luft besteht zwar größtenteils aus Stickstoff, aber diesen Stickstoff aus der Luft kann eine Pflanze nicht nutzen.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>Bekommt eine Pflanze zu wenig von einem Mineralstoff, hat sie einen Mangel an diesem Mineralstoff. Sie wächst schlechter, und ihre Blätter verändern oft Farbe oder Form. Die Blätter geben dir einen Hinweis, aber keine sichere Antwort: Der Mangel an verschiedenen Mineralstoffen kann ähnlich aussehen. Deshalb untersucht man in der Forschung immer nur einen Mineralstoff auf einmal.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>In Quorvel wird ein Steckling mit Wasser und allen sechs Mineralstoffen auf dem Lineal %1 Einheiten hoch und bekommt %n gesundes Blatt.</numerusform>
            <numerusform>In Quorvel wird ein Steckling mit Wasser und allen sechs Mineralstoffen auf dem Lineal %1 Einheiten hoch und bekommt %n gesunde Blätter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>In Quorvel wird ein Steckling mit Wasser und allen Mineralstoffen außer diesem %1 Einheiten hoch und bekommt %n Blatt. Achte auf dieses Blatt:</numerusform>
            <numerusform>In Quorvel wird ein Steckling mit Wasser und allen Mineralstoffen außer diesem %1 Einheiten hoch und bekommt %n Blätter. Achte auf dieses Blatt:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>In Quorvel wächst bei einem Steckling ohne %1 genau dasselbe Blatt. Am Blatt allein kannst du also nicht erkennen, welcher der beiden Mineralstoffe fehlt.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Für Lehrkräfte gehört zu Quorvel eine Handreichung mit einem Stundenverlauf, Fragen mit Antworten und allen Ergebnissen des Versuchs, in jeder Sprache, die Quorvel spricht. Unter Linux liegt sie im Ordner %1.</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Um mit der Tastatur zu messen, klicke auf %1 und drücke dann eine Pfeiltaste: Ein Umriss des Lineals erscheint. Jeder Pfeil bewegt ihn um eine Einheit des Lineals. Nach oben oder unten hält er unterwegs dort an, wo sein Nullstrich auf Höhe der Spitze des Stängels ist. Umschalt mit einem Pfeil bewegt ihn einen kleinen Schritt, damit du den Nullstrich genau auf Höhe bringst. Eingabe oder Leertaste legt das Lineal dorthin, wo der Umriss ist, außer wenn etwas im Weg ist; Esc bricht ab und lässt das Lineal, wo es war.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Ein Bildschirmleser sagt, was jeder Schritt verändert hat: den gegebenen Mineralstoff und die Tabelle, was im Reagenzglas ist, den Steckling, wie hoch der Stängel gewachsen ist und was seine Blätter zeigen, wo der Umriss des Lineals ist und was der Stängel auf dem Lineal misst.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Miss den Stängel mit dem Lineal. Das geht auf zwei Arten. Ziehen: Drücke auf dem Lineal die Maustaste, schiebe es neben den Stängel und lass los. Oder klicke auf %1 und dann dorthin, wo das obere Ende des Lineals hin soll. Lege das Lineal so an, dass die 0 auf Höhe der Spitze des Stängels liegt, und lies die Zahl neben dem unteren Ende des Stängels ab, wo er aus dem Reagenzglas herauskommt: Das ist seine Höhe in den Einheiten des Lineals. Diese Einheiten gibt es nur in Quorvel, es sind keine Zentimeter. Ein Steckling mit Wasser und allen Mineralstoffen wird %2 Einheiten hoch.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Hier ist Quorvel anders als eine echte Pflanze. Das Blatt in Quorvel behält grüne Adern, und der Stängel wird höher als ohne Magnesium oder Eisen. Bei einer echten Pflanze mit Stickstoffmangel wird das Blatt ganz blassgelb, auch die Adern, und die Pflanze bleibt kleiner als eine mit Magnesium- oder Eisenmangel.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Hier ist Quorvel anders als eine echte Pflanze. Es zeigt braune Flecken auf jedem Blatt, auch auf den jüngsten. Bei einer echten Pflanze werden zuerst die Ränder und Spitzen der älteren Blätter braun.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Quorvel gibt Stickstoff dasselbe Blatt wie Magnesium: blassgelb mit grünen Adern. Bei einer echten Pflanze mit Stickstoffmangel werden die Blätter ganz blassgelb, auch die Adern, die älteren Blätter zuerst.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>Eine echte Pflanze mit Stickstoffmangel wächst meist am wenigsten von allen. In Quorvel wird sie höher als eine Pflanze mit Magnesium- oder Eisenmangel. Vergleiche die Höhen deshalb in Quorvel untereinander, nicht mit echten Pflanzen.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>Quorvel zeigt bei Kaliummangel braune Flecken auf jedem Blatt. Bei einer echten Pflanze werden zuerst die Ränder der älteren Blätter braun.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>Ohne Wasser gilt in Quorvel die Regel: Der Stängel wächst nur ein wenig und hat keine Blätter, sogar die zwei eigenen Blätter des Stecklings sind weg. Ein echter Steckling ohne Wasser welkt und stirbt ab.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Strg+H öffnet dein Versuchsheft von beiden Bildschirmen aus. Darin kommst du mit den Pfeiltasten von Versuch zu Versuch, Entf löscht einen Versuch, Strg+S speichert das Versuchsheft als CSV, Strg+P druckt es, und Esc schließt es.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Öffne das Versuchsheft</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Quorvel trägt jede Pflanze, die du wachsen lässt, in dein Versuchsheft ein: was sie bekommen hat, was ihre Blätter zeigen und die Höhe, die du am unteren Ende des Stängels abliest, wenn du das Lineal anlegst. Dort kannst du deine Versuche in einer Tabelle und einem Säulendiagramm vergleichen, sie für eine Tabellenkalkulation speichern oder sie drucken. %1 oder drücke Strg+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Drücke Strg+H für dein Versuchsheft mit den Versuchen dieser Stunde.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>das Bild, das ein früherer Durchgang hinterlassen hat</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>alle sechs</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1 (%2-mal)</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>Weggelassene Mineralstoffe</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>Mit Wasser: Stängel (Lineal-Einheiten)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>Mit Wasser: Blätter, von unten nach oben</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Ohne Wasser: Stängel (Lineal-Einheiten)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Ohne Wasser: Blätter</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>zufällig: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Weggelassener Mineralstoff</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Stängel (Lineal-Einheiten)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>Das Blatt, auf das man achtet</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two minerals; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the leaves of two places up the stem; Greek writes its semicolon as a raised dot, as its question mark is &quot;;&quot;.</extracomment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation>gesundes grünes Blatt</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>blassgelbes Blatt mit grünen Adern</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>weißes Blatt mit grünen Adern</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>violettes Blatt</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>gesundes grünes Blatt, hängt nach unten</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>leer</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>nur Mineralstoffe</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>Wasser und Mineralstoffe</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>klares Wasser</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>leer</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>fast leer</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>heruntergedrückt</translation>
    </message>
    <message>
        <source>full</source>
        <translation>voll</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>ein fallender Tropfen</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>Reagenzglas, schwarz abgedunkelt</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>ein Steckling mit zwei Blättern in einem schwarz abgedunkelten Reagenzglas</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>ein Lineal mit Strichen von 0 oben bis 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>ein roter Pfeil, der nach unten auf die Knöpfe der Mineralstoffe zeigt</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>schmales grünes Blatt mit gewelltem, gekräuseltem Rand</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>blassgelbes Blatt mit braunen Flecken</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>schmales violettes Blatt mit gewelltem Rand</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>QuitBox</name>
    <message>
        <source>Talvessa</source>
        <translation>Talvessa</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>Möchtest du Quorvel wirklich beenden?</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation>Mineralstoff</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stickstoff</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Kalium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Phosphor</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Gegeben</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 gegeben</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel wurde beendet.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Quorvel neu starten</translation>
    </message>
</context>
<context>
    <name>quorvel::BarChart</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A bar&apos;s label: the experiment&apos;s number, then what it left out.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>nicht gemessen</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>Weggelassen</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Abgelesene Höhe, in Einheiten des Lineals</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>Unter jeder Säule: die Nummer des Versuchs und was weggelassen wurde</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Gestrichelte Linie: die Höhe laut Quorvel</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Säulendiagramm der abgelesenen Höhen</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>Eine Säule für jeden Versuch. Mit den Pfeiltasten kommst du von Säule zu Säule.</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Deinen Versuch planen</translation>
    </message>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>&amp;Stickstoff</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>&amp;Kalium</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>&amp;Magnesium</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>&amp;Eisen</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>&amp;Phosphor</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>&amp;Calcium</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>&amp;Wasser dazu</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>E&amp;rgebnisse</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Neu anfangen</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>E&amp;insetzen</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Klicke hier, um Mineralstoffe dazuzugeben.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Steckling</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Reagenzglas</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Spritze</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Hintergrund der Tabelle</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Hintergrund der Anleitung</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Linie zwischen den Spalten der Tabelle</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Linie unter den Überschriften der Tabelle</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1 gegeben: in der Tabelle steht %2.</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Wasser eingefüllt: im Reagenzglas ist %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>Neu begonnen: das Reagenzglas ist leer, bei jedem Mineralstoff steht %1.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>Der Steckling steht im Reagenzglas; nun kommt nichts mehr hinein.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>Versuch</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Blätter</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Abgelesene Höhe</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Höhe laut Quorvel</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>Keine Blätter</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two leaves&apos; looks, which may hold commas themselves.</extracomment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookWindow</name>
    <message>
        <source>Quorvel Notebook</source>
        <translation>Quorvel-Versuchsheft</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Jede Pflanze, die du wachsen lässt, wird hier eingetragen. Miss jede mit dem Lineal: Die Höhe, die du am unteren Ende des Stängels abliest, kommt in die Tabelle.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>Deine Versuche</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>Höhen laut Quorvel &amp;zeigen (für die Lehrkraft)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>Versuch &amp;löschen…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>&amp;Versuchsheft leeren…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Als &amp;CSV speichern…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>Versuch %1 aus dem Versuchsheft löschen?</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>Versuchsheft leeren? Alle Versuche darin werden gelöscht.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>Versuchsheft</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>Das Versuchsheft konnte nicht gespeichert werden: %1. Darin ist nichts verloren gegangen; du kannst es an einem anderen Ort speichern.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>Das Versuchsheft konnte nicht gedruckt werden. Darin ist nichts verloren gegangen.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Deine Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>&amp;Messen</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>&amp;Neuer Versuch</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Reagenzglas</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Stängel</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Hintergrund der Tabelle</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Linie zwischen den Spalten der Tabelle</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Linie unter den Überschriften der Tabelle</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>Blatt %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>auf dem Lineal %1 Einheiten hoch</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>Nichts ist gewachsen: es gab keinen Steckling.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>Der Stängel ist %1 Einheiten gewachsen, ohne Blätter.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>Der Stängel ist %1 Einheiten gewachsen. Blätter: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Lineal anlegen: Pfeiltasten bewegen es, Eingabe legt es hin, Esc bricht ab.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>Das Lineal kann nicht dorthin: %1 ist im Weg.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Anlegen abgebrochen; das Lineal ist wieder da.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>Nahe der Spitze des Stängels</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>Nahe dem Stängel</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>Nahe Blatt %1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>Nahe dem Reagenzglas</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, Nullstrich auf Höhe der Stängelspitze</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, Nullstrich %2 Einheiten über der Stängelspitze</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, Nullstrich %2 Einheiten unter der Stängelspitze</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Lineal angelegt.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Lineal angelegt: der Stängel reicht auf der Skala von %1 bis %2.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
