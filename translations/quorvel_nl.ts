<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Geef de plant stikstof: er gaat één druppel in de buis.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Geef de plant kalium: er gaat één druppel in de buis.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Geef de plant magnesium: er gaat één druppel in de buis.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Geef de plant ijzer: er gaat één druppel in de buis.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Geef de plant fosfor: er gaat één druppel in de buis.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Geef de plant calcium: er gaat één druppel in de buis.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Vul de reageerbuis met water.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Kijk hoe de plant groeit in jouw proef.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Sluit Quorvel af. Quorvel vraagt het je eerst.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Maak de buis leeg en plan een nieuwe proef.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Zet het stekje in de buis. Daarna kan er niets meer bij.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Verplaats de liniaal: klik daarna op de plek waar de bovenkant moet komen, om de stengel te meten.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Ga terug en plan een nieuwe proef.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>De proef plannen</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>De resultaten bekijken</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>Wat elk mineraal doet</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Over Quorvel</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Het toetsenbord gebruiken</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>Op elke knop is één letter onderstreept: houd Alt ingedrukt en druk op die letter om op de knop te klikken. Met Tab ga je naar de volgende knop en met Shift+Tab naar de vorige; met Enter of de spatiebalk klik je op de knop die gemarkeerd is. Met F11 vult Quorvel het hele scherm, en met Esc krijg je het venster weer terug. Met F1 open je deze Help, en met Esc sluit je hem weer.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>Op dit scherm plan je je proef. In de reageerbuis gaat een stekje groeien, en jij kiest wat het krijgt. Klik op %1 om de buis met water te vullen. Klik daarna op elk mineraal dat je de plant wilt geven: de spuit doet er één druppel van in de buis, en in de tabel komt er %2 naast te staan. Laat de mineralen weg die je wilt testen.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>Is de buis klaar? Klik dan op %1 om het stekje erin te zetten. Daarna kan er niets meer bij. Klik op %2 om te zien hoe de plant groeit. Met %3 maak je de buis leeg, zodat je een nieuwe proef kunt plannen, en met %4 sluit je Quorvel af (Quorvel vraagt het je eerst).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>Een goede wetenschapper verandert maar één ding tegelijk. Laat één plant groeien met alles wat hij nodig heeft, en daarna één plant waarbij je één mineraal weglaat. Vergelijk dan de twee.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>Met %1 ga je terug om de volgende proef te plannen, met een lege buis. Met %2 sluit je Quorvel af (Quorvel vraagt het je eerst).</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Quorvel is een natuurwetenschappelijke simulatie voor leerlingen: laat een stekje groeien in een reageerbuis en ontdek welke mineralen een plant nodig heeft.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Versie %1, draait op Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Quorvel is vrije software onder de GNU General Public License, versie 3 of een latere versie (GPL-3.0-or-later). Je mag het delen en veranderen volgens die licentie. Er wordt geen garantie op gegeven.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Gemaakt door de ontwikkelaars van Quorvel, voor leerlingen en hun docenten.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>De plant die uit je proef is gegroeid, en een liniaal om hem te meten. Druk op F1 voor hulp.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Plan je proef: vul de reageerbuis met water en mineralen en zet er een stekje in. Druk op F1 voor hulp.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Help bij Quorvel</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Helptekst</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>Een plant heeft stikstof nodig om nieuwe stengels en bladeren te bouwen (het zit in elk eiwit) en om bladgroen te maken. Zonder genoeg stikstof blijft een echte plant klein en bleek, meestal kleiner dan wanneer er een ander mineraal ontbreekt. Zijn oudere, onderste bladeren worden het eerst bleekgeel, helemaal, ook de nerven, omdat de plant hun stikstof naar zijn nieuwe bladeren brengt.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>Kalium helpt een plant om zijn water te regelen: het opent en sluit de piepkleine openingen in de bladeren waardoor koolstofdioxide naar binnen en water naar buiten gaat (de huidmondjes). Het helpt de plant ook tegen ziekten. Zonder genoeg kalium worden de oudere bladeren geel en daarna bruin, te beginnen bij de randen en de punten, en ze kunnen bruine vlekken krijgen.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>Magnesium is een onderdeel van het bladgroen zelf, dus een plant heeft het nodig om zonlicht op te vangen. Als er te weinig is, brengt de plant zijn magnesium naar de nieuwe bladeren. Daarom zie je het tekort het eerst aan de oudere, onderste bladeren: die worden geel tussen hun nerven, terwijl de nerven groen blijven.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>Een plant heeft maar heel weinig ijzer nodig, maar zonder ijzer kan hij geen bladgroen maken. Zonder genoeg ijzer worden de jongste bladeren, bovenaan, bleekgeel of zelfs wit tussen hun nerven, terwijl de nerven groen blijven.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>Fosfor helpt een plant om de energie uit zonlicht binnen in de plant te vervoeren, en om wortels, bloemen en zaden te maken. Zonder genoeg fosfor blijft de plant klein, en worden zijn oudere bladeren vaak donkergroen met een paarse of roodachtige tint, eerst aan de onderkant. Niet elke plantensoort wordt paars. Quorvel kleurt het blad helemaal felpaars, zodat je het goed ziet.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>Calcium bouwt de wanden van de piepkleine cellen waaruit een plant bestaat (de celwanden), vooral waar de plant groeit: in de toppen van de stengels en de wortels. Een plant kan calcium niet van oude naar nieuwe bladeren brengen, dus een tekort zie je het eerst aan de jongste bladeren: die blijven klein en smal en worden gerimpeld, en de top van de stengel kan afsterven.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Hoe Quorvel het eenvoudig houdt</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>Bij een echt stekje duurt het weken voordat je een tekort ziet. In Quorvel groeit het meteen.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Quorvel kleurt elk blad in één felle kleur. Echte bladeren verkleuren langzaam en ongelijk, en echte tekorten lijken vaak op elkaar.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>Als er meer dan één mineraal ontbreekt, laat Quorvel alleen de bladeren van sommige ervan zien, en soms kiest Quorvel willekeurig welke.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>De hoogtes in Quorvel komen uit het model en zijn niet gemeten aan echte planten. De liniaal telt in eigen eenheden, niet in centimeters.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>Dit scherm laat zien hoe je stekje is gegroeid. De tabel laat nog eens zien welke mineralen je het hebt gegeven. Hoe hoog is de stengel geworden? Zijn de bladeren groen en gezond, of bleekgeel, wit, gevlekt, paars of gerimpeld? In Quorvel groeit een stekje zonder water bijna niet, en het heeft helemaal geen bladeren.</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>Groene planten maken hun eigen voedsel. In hun bladeren maken ze met de energie van zonlicht suiker uit water en koolstofdioxide, een gas uit de lucht. Dat heet fotosynthese. Koolstofdioxide komt door piepkleine openingen in de bladeren naar binnen. De groene stof in bladeren die het zonlicht opvangt, heet bladgroen (of chlorofyl). Bladgroen neemt rood en blauw licht op en weerkaatst groen licht: daarom zien bladeren er groen uit.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>Om bladgroen en de rest van zijn lichaam te bouwen, heeft een plant ook kleine hoeveelheden mineralen nodig. Zijn wortels nemen die op uit de bodem, als minerale zouten die in water zijn opgelost. Ook zijn stikstof komt daarvandaan: de lucht bestaat grotendeels uit stikstofgas, maar dat kan een plant niet uit de lucht gebruiken.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>Als een plant te weinig van een mineraal krijgt, heeft hij een tekort aan dat mineraal. Hij groeit minder, en zijn bladeren krijgen vaak een andere kleur of vorm. De bladeren geven je een aanwijzing, geen antwoord: verschillende tekorten kunnen op elkaar lijken. Daarom onderzoeken wetenschappers één mineraal tegelijk.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>In Quorvel krijgt een stekje met water en alle zes mineralen een stengel van %1 eenheden op de liniaal, met %n gezond blad.</numerusform>
            <numerusform>In Quorvel krijgt een stekje met water en alle zes mineralen een stengel van %1 eenheden op de liniaal, met %n gezonde bladeren.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>In Quorvel krijgt een stekje met water en alle andere mineralen een stengel van %1 eenheden en %n blad. Zoek naar dit blad:</numerusform>
            <numerusform>In Quorvel krijgt een stekje met water en alle andere mineralen een stengel van %1 eenheden en %n bladeren. Zoek naar dit blad:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>In Quorvel krijgt een stekje zonder %1 precies hetzelfde blad. Aan het blad alleen kun je dus niet zien welke van de twee ontbreekt.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Voor docenten hoort bij Quorvel een handleiding met een lesplan, vragen met antwoorden en alle uitkomsten van de proef, in elke taal die Quorvel spreekt. Op Linux staat die in de map %1.</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Om met het toetsenbord te meten, klik je op %1 en druk je daarna op een pijltjestoets: er verschijnt een omtrek van de liniaal. Elk pijltje verplaatst hem één eenheid van de liniaal. Omhoog of omlaag stopt hij onderweg waar de nulstreep gelijk is met de top van de stengel. Shift met een pijltje verplaatst hem een klein stapje, zodat je de nulstreep precies gelijk kunt zetten. Enter of de spatiebalk legt de liniaal neer waar de omtrek is, behalve als er iets in de weg zit; Esc stopt en laat de liniaal liggen waar hij was.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Een schermlezer zegt wat elke stap veranderde: het toegevoegde mineraal en de tabel, wat de reageerbuis bevat, het stekje, hoe hoog de stengel groeide en wat zijn bladeren laten zien, waar de omtrek van de liniaal is, en wat de stengel meet op de liniaal.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Meet de stengel met de liniaal. Dat kan op twee manieren. Slepen: wijs de liniaal aan met de muis, houd de muisknop ingedrukt, schuif de liniaal naast de stengel en laat los. Of klik op %1 en klik daarna op de plek waar de bovenkant van de liniaal moet komen. Zet de 0 van de liniaal gelijk met de top van de stengel en lees het getal af naast de voet van de stengel, waar hij uit de buis komt: dat is de hoogte in eenheden van de liniaal. Die eenheden zijn van Quorvel zelf, het zijn geen centimeters. Een stekje met water en alle mineralen wordt %2 eenheden hoog.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Hier is Quorvel anders dan een echte plant. Het blad houdt groene nerven, en de stengel wordt hoger dan zonder magnesium of ijzer. Bij een echte plant met een tekort aan stikstof wordt het blad helemaal bleekgeel, ook de nerven, en blijft de plant kleiner dan een plant met een tekort aan magnesium of ijzer.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Hier is Quorvel anders dan een echte plant. Het zet bruine vlekken op elk blad, ook op de jongste. Bij een echte plant worden eerst de randen en de punten van de oudere bladeren bruin.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Quorvel geeft stikstof hetzelfde blad als magnesium: bleekgeel met groene nerven. Bij een echte plant met een tekort aan stikstof wordt het hele blad bleekgeel, ook de nerven, het eerst bij de oudere bladeren.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>Een echte plant met een tekort aan stikstof groeit meestal het minst van allemaal. In Quorvel wordt hij hoger dan een plant met een tekort aan magnesium of ijzer. Vergelijk de hoogtes in Quorvel dus met elkaar, niet met echte planten.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>Quorvel zet bruine vlekken op elk blad van een plant met een tekort aan kalium. Bij een echte plant worden eerst de randen van de oudere bladeren bruin.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>Zonder water is de regel van Quorvel dat de stengel maar een klein beetje groeit en geen bladeren heeft: zelfs de twee eigen bladeren van het stekje zijn weg. Een echt stekje zonder water verwelkt en gaat dood.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Met Ctrl+H open je je logboek vanuit beide schermen. Daarin ga je met de pijltjestoetsen van proef naar proef, met Delete verwijder je een proef, met Ctrl+S sla je het logboek op als CSV, met Ctrl+P druk je het af en met Esc sluit je het.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Open het logboek</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Quorvel schrijft elke plant die je laat groeien in je logboek: wat hij kreeg, wat zijn bladeren laten zien en de hoogte die je naast de voet van de stengel afleest als je de liniaal neerlegt. Daar kun je je proeven vergelijken in een tabel en een staafdiagram, ze opslaan voor een spreadsheet of ze afdrukken. %1 of druk op Ctrl+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Druk op Ctrl+H voor je logboek met de proeven van deze les.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>het plaatje dat een eerdere keer liet staan</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>alle zes</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1 x%2</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>Weggelaten mineralen</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>Met water: stengel (liniaaleenheden)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>Met water: bladeren, van onder naar boven</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Zonder water: stengel (liniaaleenheden)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Zonder water: bladeren</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>willekeurig: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Weggelaten mineraal</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Stengel (liniaaleenheden)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>Het blad om naar te zoeken</translation>
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
        <translation>gezond groen blad</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>bleekgeel blad met groene nerven</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>wit blad met groene nerven</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>paars blad</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>gezond groen blad dat naar beneden hangt</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>leeg</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>alleen mineralen</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>water en mineralen</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>helder water</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>leeg</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>bijna leeg</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>ingedrukt</translation>
    </message>
    <message>
        <source>full</source>
        <translation>vol</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>een vallende druppel</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>reageerbuis, verduisterd</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>een stekje met twee bladeren, in een verduisterde reageerbuis</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>een liniaal met streepjes van 0 bovenaan tot 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>een rode pijl die naar beneden wijst, naar de knoppen van de mineralen</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>smal groen blad met een golvende, gerimpelde rand</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>bleekgeel blad met bruine vlekken</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>smal paars blad met een golvende rand</translation>
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
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
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
        <translation>Wil je Quorvel echt afsluiten?</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation>Mineraal</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stikstof</translation>
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
        <translation>IJzer</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosfor</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Gegeven</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 gegeven</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel is afgesloten.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Quorvel opnieuw starten</translation>
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
        <translation>niet gemeten</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>Weggelaten</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Afgelezen hoogte, in liniaaleenheden</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>Onder elke staaf: het nummer van de proef en wat er is weggelaten</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Onderbroken lijn: de hoogte volgens Quorvel</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Staafdiagram van de afgelezen hoogtes</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>Eén staaf voor elke proef. Met de pijltjestoetsen ga je van staaf naar staaf.</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Je proef ontwerpen</translation>
    </message>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>&amp;Stikstof</translation>
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
        <translation>&amp;IJzer</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>&amp;Fosfor</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>&amp;Calcium</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>&amp;Water erbij</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>&amp;Resultaten</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>Stekje &amp;erin</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Klik op deze mineralen om ze toe te voegen.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Stekje</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Reageerbuis</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Spuit</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Druppel</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pijl</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Achtergrond van de tabel</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Achtergrond van de uitleg</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Lijn tussen de kolommen van de tabel</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Lijn onder de kopjes van de tabel</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1 toegevoegd: in de tabel staat %2.</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Water toegevoegd: de reageerbuis bevat %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>Opnieuw begonnen: de reageerbuis is leeg en bij elk mineraal staat %1.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>Het stekje staat erin; er kan niets meer in de reageerbuis.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>Proef</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Afgelezen hoogte</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Hoogte volgens Quorvel</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>Niets</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>Geen bladeren</translation>
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
        <translation>Quorvel-logboek</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Elke plant die je laat groeien, komt hier te staan. Meet ze allemaal met de liniaal: de hoogte die je naast de voet van de stengel afleest, komt in de tabel.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>Je proeven</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>&amp;Hoogtes volgens Quorvel tonen (voor de docent)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>Proef &amp;verwijderen…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>&amp;Logboek leegmaken…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Opslaan als &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Afdrukken…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>Proef %1 uit het logboek verwijderen?</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>Het logboek leegmaken? Alle proeven erin worden verwijderd.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Opslaan als CSV</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>logboek</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>Het logboek kon niet worden opgeslagen: %1. Er is niets van verloren gegaan; je kunt het ergens anders opslaan.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>Het logboek kon niet worden afgedrukt. Er is niets van verloren gegaan.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Je resultaten</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>&amp;Meten</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>&amp;Nieuwe proef</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Reageerbuis</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Liniaal</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Stengel</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Achtergrond van de tabel</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Lijn tussen de kolommen van de tabel</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Lijn onder de kopjes van de tabel</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>Blad %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>%1 eenheden hoog op de liniaal</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>Er is niets gegroeid: er was geen stekje.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>De stengel is %1 eenheden gegroeid, zonder bladeren.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>De stengel is %1 eenheden gegroeid. Bladeren: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Liniaal plaatsen: pijltjes verplaatsen hem, Enter legt hem neer, Escape stopt.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>De liniaal kan daar niet heen: %1 zit in de weg.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Plaatsen gestopt; de liniaal is terug.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>Bij de top van de stengel</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>Bij de stengel</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>Bij blad %1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>Bij de reageerbuis</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, nulstreep gelijk met de top van de stengel</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, nulstreep %2 eenheden boven de top van de stengel</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, nulstreep %2 eenheden onder de top van de stengel</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Liniaal geplaatst.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Liniaal geplaatst: de stengel loopt van %1 tot %2 op de schaal.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
