<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Dona nitrogen a la planta: en cau una gota al tub.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Dona potassi a la planta: en cau una gota al tub.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Dona magnesi a la planta: en cau una gota al tub.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Dona ferro a la planta: en cau una gota al tub.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Dona fòsfor a la planta: en cau una gota al tub.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Dona calci a la planta: en cau una gota al tub.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Omple d&apos;aigua el tub d&apos;assaig.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Mira com creix la planta amb el teu experiment.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Surt de Quorvel. Abans et pregunta si n&apos;estàs segur.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Buida el tub i planifica un experiment nou.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Posa l&apos;esqueix al tub. Després ja no s&apos;hi pot afegir res més.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Mou el regle per mesurar la tija: després fes clic on vols que quedi la part de dalt del regle.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Torna enrere i planifica un experiment nou.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>Planificar l&apos;experiment</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>Observar els resultats</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>Per a què serveix cada mineral</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Quant a Quorvel</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>Una planta necessita nitrogen per construir tiges i fulles noves (forma part de totes les proteïnes) i per fabricar clorofil·la. Sense prou nitrogen, una planta de veritat es queda petita i pàl·lida, normalment més petita que si li faltés qualsevol altre mineral. Les fulles velles, les de baix, són les primeres que es tornen del tot de color groc pàl·lid, nervis inclosos, perquè la planta en trasllada el nitrogen a les fulles noves.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>El potassi ajuda la planta a controlar l&apos;aigua: obre i tanca els foradets de les fulles per on entra el diòxid de carboni i surt l&apos;aigua. També ajuda la planta a defensar-se de les malalties. Sense prou potassi, les fulles velles es tornen grogues i després marrons, començant per les vores i les puntes, i poden tenir taques marrons.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>El magnesi forma part de la mateixa clorofil·la, i per això la planta el necessita per captar la llum del sol. Quan en falta, la planta trasllada el magnesi a les fulles noves, i per això les fulles velles, les de baix, són les primeres que ho mostren: es tornen grogues entre els nervis, mentre que els nervis es mantenen verds.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>Una planta només necessita una quantitat molt petita de ferro, però sense ferro no pot fabricar clorofil·la. Sense prou ferro, les fulles més joves, les de dalt, es tornen de color groc pàl·lid o fins i tot blanques entre els nervis, mentre que els nervis es mantenen verds.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>El fòsfor ajuda la planta a moure per dins seu l&apos;energia de la llum del sol, i a fer créixer arrels, flors i llavors. Sense prou fòsfor, la planta es queda petita, i les fulles velles sovint es tornen d&apos;un verd fosc amb un to morat o vermellós, primer per la cara de sota. No totes les plantes es tornen morades. Quorvel pinta tota la fulla d&apos;un morat viu, perquè es vegi fàcilment.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>El calci construeix les parets de les cèl·lules petitíssimes que formen la planta, sobretot allà on creix: a les puntes dels brots i de les arrels. Una planta no pot traslladar el calci de les fulles velles a les noves, i per això una deficiència de calci es veu primer a les fulles més joves: creixen petites, estretes i arrugades, i la punta del brot es pot morir.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Què simplifica Quorvel</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>Un esqueix de veritat triga setmanes a mostrar una deficiència. Quorvel el fa créixer de seguida.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Quorvel pinta cada fulla d&apos;un sol color intens. Les fulles de veritat canvien a poc a poc i de manera desigual, i sovint les deficiències reals s&apos;assemblen entre elles.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>Quan falta més d&apos;un mineral, Quorvel només mostra les fulles d&apos;alguns d&apos;ells, i de vegades tria quins a l&apos;atzar.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>Les altures de Quorvel les fixa el model: no s&apos;han mesurat en plantes de veritat. El seu regle compta en unitats pròpies, no en centímetres.</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Fer servir el teclat</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>Cada botó té una lletra subratllada: mantén premuda la tecla Alt i prem aquesta lletra per fer clic al botó. Tab passa al botó següent i Maj+Tab al d&apos;abans; Retorn o la barra d&apos;espai fan clic al botó que està marcat. F11 fa que Quorvel ocupi tota la pantalla, i Esc el torna a posar en una finestra. F1 obre aquesta ajuda, i Esc la torna a tancar.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>En aquesta pantalla planifiques el teu experiment. Un esqueix creixerà al tub d&apos;assaig, i tu tries què rep. Fes clic a %1 per omplir el tub d&apos;aigua. Després fes clic a cada mineral que vulguis donar a la planta: la xeringa en posa una gota al tub, i la taula mostra %2 al seu costat. No posis els minerals que vulguis investigar.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>Quan el tub estigui a punt, fes clic a %1 per posar-hi l&apos;esqueix. Després ja no s&apos;hi pot afegir res més. Fes clic a %2 per veure com creix la planta. %3 buida el tub perquè puguis planificar un experiment nou, i %4 tanca Quorvel (abans et pregunta si n&apos;estàs segur).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>Els bons científics només canvien una cosa cada vegada. Fes créixer una planta amb tot el que necessita, després una altra a la qual falti un sol mineral, i compara-les.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>Aquesta pantalla mostra com ha crescut el teu esqueix. La taula et recorda quins minerals li has donat. Fins a quina altura ha crescut la tija? Les fulles són verdes i sanes, o bé són de color groc pàl·lid, blanques, tacades, morades o arrugades? A Quorvel, un esqueix sense aigua gairebé no creix i no té cap fulla.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>%1 et torna enrere per planificar l&apos;experiment següent, amb el tub buit. %2 tanca Quorvel (abans et pregunta si n&apos;estàs segur).</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>Les plantes verdes fabriquen el seu propi aliment. A les fulles, fan servir l&apos;energia de la llum del sol per transformar aigua, i diòxid de carboni de l&apos;aire, en sucre: això s&apos;anomena fotosíntesi. El diòxid de carboni hi entra per uns foradets de les fulles. La substància verda de les fulles que capta la llum del sol s&apos;anomena clorofil·la. Absorbeix la llum vermella i la blava i reflecteix la verda, i per això les fulles es veuen verdes.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>Per fabricar la clorofil·la i la resta del seu cos, una planta també necessita petites quantitats de minerals. Les arrels els absorbeixen del sòl, en forma de sals minerals dissoltes en aigua. D&apos;aquí també ve el seu nitrogen: l&apos;aire és sobretot nitrogen, un gas, però la planta no pot aprofitar el nitrogen de l&apos;aire.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>Quan una planta rep massa poca quantitat d&apos;un mineral, diem que té una deficiència d&apos;aquest mineral (per exemple, una deficiència de nitrogen). Creix menys, i sovint les fulles li canvien de color o de forma. Les fulles et donen una pista, no una resposta: deficiències diferents es poden assemblar. Per això els científics investiguen els minerals d&apos;un en un.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>A Quorvel, un esqueix que rep aigua i els sis minerals fa una tija de %1 unitats de llarg al regle, amb %n fulla sana.</numerusform>
            <numerusform>A Quorvel, un esqueix que rep aigua i els sis minerals fa una tija de %1 unitats de llarg al regle, amb %n fulles sanes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>A Quorvel, un esqueix que rep aigua i tots els minerals menys aquest fa una tija de %1 unitats de llarg i %n fulla. Busca aquesta fulla:</numerusform>
            <numerusform>A Quorvel, un esqueix que rep aigua i tots els minerals menys aquest fa una tija de %1 unitats de llarg i %n fulles. Busca aquesta fulla:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>A Quorvel, un esqueix sense %1 fa aquesta mateixa fulla, així que només amb la fulla no pots saber quin dels dos minerals falta.</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Quorvel és una simulació científica per a l&apos;alumnat: fes créixer un esqueix en un tub d&apos;assaig i descobreix quins minerals necessita una planta.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Versió %1, que funciona amb Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Quorvel és programari lliure, sota la GNU General Public License, versió 3 o qualsevol versió posterior (GPL-3.0-or-later). El pots compartir i modificar d&apos;acord amb aquesta llicència. Es distribueix sense cap garantia.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Per al professorat, Quorvel inclou una guia en cadascuna de les llengües que parla, amb una proposta de sessió, preguntes amb les respostes i tots els resultats de l&apos;experiment. A Linux és a la carpeta %1.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Fet per l&apos;equip de desenvolupament de Quorvel, per a l&apos;alumnat i el seu professorat.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>La planta que ha crescut amb el teu experiment, i un regle per mesurar-la. Prem F1 per obtenir ajuda.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Planifica el teu experiment: omple el tub d&apos;assaig d&apos;aigua i minerals i posa-hi un esqueix. Prem F1 per obtenir ajuda.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Ajuda de Quorvel</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Continguts</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Text de l&apos;ajuda</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Per mesurar amb el teclat, fes clic a %1 i després prem una tecla de fletxa: apareix el contorn del regle. Cada fletxa el mou una unitat del regle. Quan puja o baixa, s&apos;atura pel camí allà on la marca del zero queda a l&apos;altura de la part de dalt de la tija. Maj amb una fletxa el mou un pas petit, per posar la marca del zero exactament a aquesta altura. Retorn o la barra d&apos;espai deixen el regle on és el contorn, tret que hi hagi alguna cosa que hi faci nosa; Esc ho atura i deixa el regle on era.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Amb un lector de pantalla, sents què ha canviat a cada pas: el mineral afegit i el que diu la taula, què hi ha al tub, l&apos;esqueix, fins a quina altura ha crescut la tija i com són les fulles, on és el contorn del regle i què marca el regle a la tija.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Mesura la tija amb el regle. Hi ha dues maneres de fer-ho. Arrossega&apos;l: prem el botó del ratolí sobre el regle, porta&apos;l al costat de la tija i deixa&apos;l anar. O bé fes clic a %1 i després fes clic on vols que quedi la part de dalt del regle. Posa el 0 del regle a l&apos;altura de la part de dalt de la tija i llegeix el nombre que hi ha al costat de la base de la tija, on surt del tub: és la seva altura en unitats del regle, que són pròpies de Quorvel i no són centímetres. Un esqueix que rep aigua i tots els minerals fa %2 unitats d&apos;alt.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Aquí Quorvel no és com una planta de veritat. La seva fulla conserva els nervis verds, i la tija creix més que sense magnesi o sense ferro. En una planta de veritat amb una deficiència de nitrogen, la fulla es torna tota de color groc pàl·lid, nervis inclosos, i la planta es queda més petita que una amb una deficiència de magnesi o de ferro.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Aquí Quorvel no és com una planta de veritat. Posa taques marrons a totes les fulles, també a les més joves. En una planta de veritat, primer es tornen marrons les vores i les puntes de les fulles velles.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Quorvel dona al nitrogen la mateixa fulla que al magnesi: de color groc pàl·lid amb els nervis verds. En una planta de veritat amb una deficiència de nitrogen, tota la fulla es torna de color groc pàl·lid, nervis inclosos, començant per les fulles velles.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>Una planta de veritat amb una deficiència de nitrogen sol ser la que creix menys de totes. A Quorvel creix més que una planta amb una deficiència de magnesi o de ferro. Per això, compara les altures entre elles dins de Quorvel, no amb plantes de veritat.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>Quorvel posa taques marrons a totes les fulles d&apos;una planta amb una deficiència de potassi. En una planta de veritat, primer es tornen marrons les vores de les fulles velles.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>Sense aigua, la regla de Quorvel és que la tija creix només una mica i no té fulles: fins i tot desapareixen les dues fulles que tenia l&apos;esqueix. Un esqueix de veritat sense aigua es pansa i mor.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Ctrl+H obre el teu quadern des de qualsevol de les dues pantalles. Dins del quadern, les tecles de fletxa passen d&apos;un experiment a un altre, Supr n&apos;esborra un, Ctrl+S desa el quadern en format CSV, Ctrl+P l&apos;imprimeix i Esc el tanca.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Obre el quadern</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Quorvel anota al teu quadern cada planta que fas créixer: què ha rebut, què mostren les seves fulles i l&apos;altura que llegeixes a la base de la tija quan deixes el regle. Allà pots comparar els teus experiments en una taula i en un diagrama de barres, desar-los per obrir-los amb un full de càlcul o imprimir-los. %1 o prem Ctrl+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Prem Ctrl+H per veure el teu quadern amb els experiments d&apos;aquesta classe.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>la imatge que ha deixat l&apos;experiment anterior</translation>
    </message>
    <message>
        <source>none</source>
        <translation>cap</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>tots sis</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1 x%2</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>Minerals que falten</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>Amb aigua: tija (unitats del regle)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>Amb aigua: fulles, de baix a dalt</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Sense aigua: tija (unitats del regle)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Sense aigua: fulles</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>a l&apos;atzar: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Mineral que falta</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Tija (unitats del regle)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>La fulla que cal buscar</translation>
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
        <translation>fulla verda i sana</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>fulla de color groc pàl·lid amb els nervis verds</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>fulla blanca amb els nervis verds</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>fulla verda i estreta amb la vora ondulada i arrugada</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>fulla de color groc pàl·lid amb taques marrons</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>fulla morada</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>fulla verda i sana, que penja cap avall</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>fulla morada i estreta amb la vora ondulada</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>buit</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>només minerals</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>aigua i minerals</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>aigua clara</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>buida</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>gairebé buida</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>premuda</translation>
    </message>
    <message>
        <source>full</source>
        <translation>plena</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>una gota que cau</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>tub d&apos;assaig, folrat de negre</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>un esqueix amb dues fulles, dret dins d&apos;un tub d&apos;assaig folrat de negre</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>un regle graduat des del 0, a dalt, fins al 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>una fletxa vermella que apunta cap avall, cap als botons dels minerals</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
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
        <translation>Segur que vols sortir?</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation>Mineral</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Nitrogen</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potassi</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesi</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fòsfor</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calci</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Afegit</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 afegit</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel s&apos;ha tancat.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Torna a obrir Quorvel</translation>
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
        <translation>sense mesurar</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>Què falta</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Altura que has llegit, en unitats del regle</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>A sota de cada barra: el número de l&apos;experiment i què hi faltava</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Línia discontínua: l&apos;altura segons Quorvel</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Diagrama de barres de les altures que has llegit</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>Una barra per a cada experiment. Les tecles de fletxa passen d&apos;una barra a una altra.</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>&amp;Nitrogen</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>&amp;Potassi</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>&amp;Magnesi</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>&amp;Ferro</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>Fòsf&amp;or</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>&amp;Calci</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>Posa &amp;aigua</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>&amp;Resultats</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Torna-hi</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>&amp;Esqueix</translation>
    </message>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Planifica el teu experiment</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Fes clic en un mineral per afegir-lo al tub.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Esqueix</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Tub d&apos;assaig</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Xeringa</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Gota</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Fletxa</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Fons de la taula</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Fons de les instruccions</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Línia entre les columnes de la taula</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Línia sota els encapçalaments de la taula</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1 afegit: la taula diu %2.</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Aigua afegida: al tub hi ha %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>Has tornat a començar: el tub està buit i la taula diu %1 a tots els minerals.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>L&apos;esqueix ja és al tub; ja no s&apos;hi pot afegir res més.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Aigua</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Fulles</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Altura llegida</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Altura segons Quorvel</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>Res</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>Sense fulles</translation>
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
        <translation>Quadern de Quorvel</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Aquí s&apos;anota cada planta que fas créixer. Mesura-les totes amb el regle: l&apos;altura que llegeixes a la base de la tija va a la taula.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>Els teus experiments</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>&amp;Mostra les altures segons Quorvel (per al professorat)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>&amp;Esborra l&apos;experiment…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>&amp;Buida el quadern…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Desa com a &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimeix…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>Vols esborrar l&apos;experiment %1 del quadern?</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>Vols buidar el quadern? S&apos;hi esborraran tots els experiments.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Desa com a CSV</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>quadern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fitxers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>No s&apos;ha pogut desar el quadern: %1. No s&apos;ha perdut res del que hi ha; el pots desar en un altre lloc.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>No s&apos;ha pogut imprimir el quadern. No s&apos;ha perdut res del que hi ha.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>&amp;Mesura</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>&amp;Nou experiment</translation>
    </message>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Els teus resultats</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Tub d&apos;assaig</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Regle</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Tija</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Fons de la taula</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Línia entre les columnes de la taula</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Línia sota els encapçalaments de la taula</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>Fulla %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>%1 unitats d&apos;alt al regle</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>No ha crescut res: no hi havia cap esqueix.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>La tija ha crescut %1 unitats, sense cap fulla.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>La tija ha crescut %1 unitats. Fulles: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Col·locació del regle: les fletxes el mouen, Retorn el deixa i Esc ho cancel·la.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>El regle no hi pot anar: %1 hi fa nosa.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Col·locació cancel·lada; el regle torna a ser on era.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>A prop de la part de dalt de la tija</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>A prop de la tija</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>A prop de la fulla %1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>A prop del tub</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, marca del zero a l&apos;altura de la part de dalt de la tija</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, marca del zero %2 unitats per sobre de la part de dalt de la tija</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, marca del zero %2 unitats per sota de la part de dalt de la tija</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Regle col·locat.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Regle col·locat: a l&apos;escala del regle, la tija queda entre %1 i %2.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
