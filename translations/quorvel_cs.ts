<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Dej rostlině dusík: do zkumavky kápne jedna kapka.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Dej rostlině draslík: do zkumavky kápne jedna kapka.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Dej rostlině hořčík: do zkumavky kápne jedna kapka.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Dej rostlině železo: do zkumavky kápne jedna kapka.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Dej rostlině fosfor: do zkumavky kápne jedna kapka.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Dej rostlině vápník: do zkumavky kápne jedna kapka.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Naplň zkumavku vodou.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Podívej se, jak rostlina při tvém pokusu roste.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Ukonči Quorvel. Nejdřív se tě ještě zeptá.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Vyprázdni zkumavku a naplánuj nový pokus.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Vlož řízek do zkumavky. Potom už do ní nic dalšího nepřidáš.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Posuň pravítko: potom klikni tam, kde má být jeho horní konec, a změř stonek.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Vrať se a naplánuj nový pokus.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>Plánování pokusu</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>Prohlížení výsledků</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>K čemu je která minerální látka</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>O Quorvelu</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>Rostlina potřebuje dusík, aby mohla vytvářet nové stonky a listy (je součástí každé bílkoviny) a vyrábět chlorofyl. Když má skutečná rostlina dusíku nedostatek, zůstane malá a bledá, obvykle menší, než když jí chybí kterákoli jiná minerální látka. Jako první se bledě žlutě zbarví její starší, spodní listy, a to celé, i se žilkami, protože rostlina z nich přesouvá dusík do nových listů.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>Draslík pomáhá rostlině hospodařit s vodou: otevírá a zavírá drobné otvory v listech (průduchy), kterými dovnitř vstupuje oxid uhličitý a ven uniká voda. Pomáhá jí také bránit se nemocem. Když má rostlina draslíku nedostatek, starší listy zežloutnou a potom zhnědnou, nejdřív na okrajích a na špičkách, a mohou na nich být hnědé skvrny.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>Hořčík je přímo součástí chlorofylu, a proto ho rostlina potřebuje, aby mohla zachytávat sluneční světlo. Když ho začne být málo, rostlina přesune svůj hořčík do nových listů, takže se nedostatek ukáže nejdřív na starších, spodních listech: zežloutnou mezi žilkami, zatímco žilky zůstanou zelené.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>Rostlina potřebuje jen nepatrné množství železa, ale bez něj nedokáže vyrobit chlorofyl. Když má železa nedostatek, nejmladší listy nahoře se mezi žilkami zbarví bledě žlutě, nebo dokonce bíle, zatímco žilky zůstanou zelené.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>Fosfor pomáhá rostlině rozvádět uvnitř těla energii ze slunečního světla a vytvářet kořeny, květy a semena. Když má rostlina fosforu nedostatek, zůstane malá a její starší listy často ztmavnou do tmavě zelené s fialovým nebo načervenalým nádechem, nejdřív na spodní straně. Ne každý druh rostliny zfialoví. Quorvel vybarví svůj list celý jasně fialově, aby byl dobře vidět.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>Vápník buduje buněčné stěny, tedy stěny drobných buněk, ze kterých se rostlina skládá, a nejvíc tam, kde rostlina roste: na špičkách výhonků a kořenů. Rostlina nedokáže vápník přesunout ze starých listů do nových, takže se nedostatek ukáže nejdřív na nejmladších listech: vyrostou malé, úzké a zkadeřené a vrchol výhonku může odumřít.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Co Quorvel zjednodušuje</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>U skutečného řízku trvá týdny, než se nedostatek projeví. V Quorvelu řízek vyroste hned.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Quorvel vybarví každý list jedinou sytou barvou. Skutečné listy se mění pomalu a nerovnoměrně a příznaky různých nedostatků si často bývají podobné.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>Když chybějí dvě nebo víc minerálních látek, ukáže Quorvel listy jen některých z nich a někdy náhodně vybere, kterých.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>Výšky v Quorvelu určuje model, nejsou naměřené na skutečných rostlinách. A pravítko Quorvelu počítá ve vlastních jednotkách, ne v centimetrech.</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Ovládání klávesnicí</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>Každé tlačítko má jedno podtržené písmeno: podržet klávesu Alt a stisknout toto písmeno je totéž jako kliknout na tlačítko. Tab přejde na další tlačítko a Shift+Tab na předchozí; Enter nebo mezerník stiskne tlačítko, které je označené. F11 zobrazí Quorvel přes celou obrazovku a Esc vrátí okno. F1 otevře tuto nápovědu a Esc ji zase zavře.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>Na této obrazovce plánuješ svůj pokus. Ve zkumavce bude růst řízek a ty vybíráš, co dostane. Kliknutím na %1 naplníš zkumavku vodou. Potom klikni na každou minerální látku, kterou chceš rostlině dát: stříkačka z ní kápne do zkumavky jednu kapku a v tabulce se u ní objeví %2. Minerální látky, které chceš zkoumat, vynech.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>Až bude zkumavka připravená, vlož do ní řízek kliknutím na %1. Potom už do ní nic dalšího nepřidáš. Kliknutím na %2 uvidíš, jak rostlina roste. %3 zkumavku vyprázdní, takže můžeš naplánovat nový pokus, a %4 Quorvel ukončí (nejdřív se tě zeptá).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>Správný badatel mění vždycky jen jednu věc. Nech vyrůst jednu rostlinu se vším, co potřebuje, potom jednu, které chybí jediná minerální látka, a obě porovnej.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>Tato obrazovka ukazuje, jak tvůj řízek vyrostl. Tabulka ti připomene, které minerální látky řízek dostal. Jak vysoký stonek vyrostl? Jsou listy zelené a zdravé, nebo bledě žluté, bílé, skvrnité, fialové či zkadeřené? V Quorvelu řízek bez vody skoro neroste a nemá vůbec žádné listy.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>%1 tě vrátí k plánování dalšího pokusu, s prázdnou zkumavkou. %2 Quorvel ukončí (nejdřív se tě zeptá).</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>Zelené rostliny si vyrábějí potravu samy. V listech s pomocí energie slunečního světla mění vodu a oxid uhličitý ze vzduchu na cukr: tomu se říká fotosyntéza. Oxid uhličitý se do listů dostává drobnými otvory. Zelené barvivo v listech, které sluneční světlo zachytává, se jmenuje chlorofyl (listová zeleň). Pohlcuje červené a modré světlo a zelené odráží, a proto listy vypadají zeleně.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>K tomu, aby vytvořila chlorofyl a všechno ostatní, z čeho se skládá její tělo, potřebuje rostlina i malá množství minerálních látek. Její kořeny je přijímají z půdy jako minerální soli rozpuštěné ve vodě. Odtud má rostlina i svůj dusík: vzduch je z velké části plynný dusík, ale ten rostlina ze vzduchu využít nedokáže.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>Když rostlina dostává příliš málo některé minerální látky, trpí jejím nedostatkem. Roste hůř a její listy často změní barvu nebo tvar. Listy ti dají vodítko, ne jistou odpověď: nedostatek různých minerálních látek může vypadat podobně. Proto vědci zkoumají vždy jen jednu minerální látku najednou.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>V Quorvelu má řízek, který dostal vodu a všech šest minerálních látek, stonek dlouhý na pravítku %1 jednotky a %n zdravý list.</numerusform>
            <numerusform>V Quorvelu má řízek, který dostal vodu a všech šest minerálních látek, stonek dlouhý na pravítku %1 jednotky a %n zdravé listy.</numerusform>
            <numerusform>V Quorvelu má řízek, který dostal vodu a všech šest minerálních látek, stonek dlouhý na pravítku %1 jednotky a %n zdravých listů.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>V Quorvelu má řízek, který dostal vodu a všechny minerální látky kromě této, stonek dlouhý %1 jednotky a %n list. Hledej tento list:</numerusform>
            <numerusform>V Quorvelu má řízek, který dostal vodu a všechny minerální látky kromě této, stonek dlouhý %1 jednotky a %n listy. Hledej tento list:</numerusform>
            <numerusform>V Quorvelu má řízek, který dostal vodu a všechny minerální látky kromě této, stonek dlouhý %1 jednotky a %n listů. Hledej tento list:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>V Quorvelu vyroste úplně stejný list i řízku, kterému chybí %1. Podle samotného listu tedy nepoznáš, která z těch dvou minerálních látek chybí.</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Quorvel je přírodovědná simulace pro žáky: nech ve zkumavce vyrůst řízek a zjisti, které minerální látky rostlina potřebuje.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Verze %1, běží na Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Quorvel je svobodný software pod licencí GNU General Public License, verze 3 nebo kterékoli pozdější verze (GPL-3.0-or-later). Podle této licence ho smíš šířit a upravovat. Je poskytován bez jakékoli záruky.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Pro učitele je ke Quorvelu přiložena příručka s plánem vyučovací hodiny, otázkami s odpověďmi a všemi výsledky pokusu, v každém jazyce, kterým Quorvel mluví. V Linuxu je ve složce %1.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Vytvořili vývojáři Quorvelu pro žáky a jejich učitele.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>Rostlina, která vyrostla při tvém pokusu, a pravítko, kterým ji změříš. Nápovědu otevřeš klávesou F1.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Naplánuj svůj pokus: naplň zkumavku vodou a minerálními látkami a vlož do ní řízek. Nápovědu otevřeš klávesou F1.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Nápověda Quorvelu</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Obsah</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Text nápovědy</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Chceš-li měřit klávesnicí, klikni na %1 a potom stiskni šipku: objeví se obrys pravítka. Každá šipka ho posune o jednu jednotku pravítka. Při posouvání nahoru nebo dolů se cestou zastaví tam, kde je jeho nula ve výšce vrcholu stonku. Shift se šipkou ho posune o malý krok, a tak nastavíš nulu přesně do této výšky. Enter nebo mezerník položí pravítko tam, kde je obrys, pokud nic nepřekáží; Esc přikládání ukončí a pravítko nechá tam, kde bylo.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Čtečka obrazovky řekne, co který krok změnil: přidanou minerální látku a záznam v tabulce, co je ve zkumavce, řízek, jak vysoký stonek vyrostl a co ukazují jeho listy, kde je obrys pravítka a kolik stonek měří na pravítku.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Změř stonek pravítkem. Jde to dvěma způsoby. Přetáhni ho: stiskni na pravítku tlačítko myši, posuň ho vedle stonku a pusť. Nebo klikni na %1 a potom tam, kde má být horní konec pravítka. Nastav nulu pravítka do výšky vrcholu stonku a přečti číslo vedle dolního konce stonku, tam, kde vychází ze zkumavky: to je jeho výška v jednotkách pravítka. Takové jednotky má jen Quorvel, nejsou to centimetry. Řízek s vodou a všemi minerálními látkami doroste do výšky %2 jednotky.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Tady se Quorvel od skutečné rostliny liší. List v Quorvelu má zelené žilky a stonek vyroste vyšší než bez hořčíku nebo železa. U skutečné rostliny s nedostatkem dusíku se celý list zbarví bledě žlutě, i žilky, a rostlina zůstane menší než rostlina s nedostatkem hořčíku nebo železa.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Tady se Quorvel od skutečné rostliny liší. Kreslí hnědé skvrny na každý list, i na ty nejmladší. U skutečné rostliny zhnědnou nejdřív okraje a špičky starších listů.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Při nedostatku dusíku ukazuje Quorvel stejný list jako při nedostatku hořčíku: bledě žlutý se zelenými žilkami. U skutečné rostliny s nedostatkem dusíku se celý list zbarví bledě žlutě, i žilky, a to nejdřív na starších listech.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>Skutečná rostlina s nedostatkem dusíku obvykle roste ze všech nejméně. V Quorvelu vyroste vyšší než rostlina s nedostatkem hořčíku nebo železa. Porovnávej proto výšky mezi sebou v Quorvelu, ne se skutečnými rostlinami.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>Quorvel kreslí hnědé skvrny na každý list rostliny s nedostatkem draslíku. U skutečné rostliny zhnědnou nejdřív okraje starších listů.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>Bez vody platí v Quorvelu pravidlo, že stonek vyroste jen trochu a nemá žádné listy: zmizí dokonce i dva vlastní listy řízku. Skutečný řízek bez vody uvadne a uhyne.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Ctrl+H otevře tvůj sešit na kterékoli z obou obrazovek. V sešitu šipky přecházejí od pokusu k pokusu, Delete jeden pokus smaže, Ctrl+S uloží sešit jako CSV, Ctrl+P ho vytiskne a Esc ho zavře.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Otevři sešit</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Quorvel zapíše do tvého sešitu každou rostlinu, kterou vypěstuješ: co dostala, co ukazují její listy a výšku, kterou přečteš u dolního konce stonku, když položíš pravítko. V sešitu můžeš své pokusy porovnat v tabulce a ve sloupcovém diagramu, uložit je pro tabulkový procesor nebo je vytisknout. %1, nebo stiskni Ctrl+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Stiskni Ctrl+H a otevře se tvůj sešit s pokusy z této hodiny.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>obrázek, který zůstal z dřívějšího pokusu</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádné</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>všech šest</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1 nebo %2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1 (%2×)</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>Vynechané minerální látky</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>S vodou: stonek (jednotky pravítka)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>S vodou: listy odspodu nahoru</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Bez vody: stonek (jednotky pravítka)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Bez vody: listy</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>náhodně: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Vynechaná minerální látka</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Stonek (jednotky pravítka)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>Hledaný list</translation>
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
        <translation>zdravý zelený list</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>bledě žlutý list se zelenými žilkami</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>bílý list se zelenými žilkami</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>úzký zelený list se zvlněným, zkadeřeným okrajem</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>bledě žlutý list s hnědými skvrnami</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>fialový list</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>zdravý zelený list, svěšený dolů</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>úzký fialový list se zvlněným okrajem</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>prázdná</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>jen minerální látky</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>voda s minerálními látkami</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>čirá voda</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>prázdná</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>skoro prázdná</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>stlačená</translation>
    </message>
    <message>
        <source>full</source>
        <translation>plná</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>padající kapka</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>zkumavka, zatemněná</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>řízek se dvěma listy, který stojí v zatemněné zkumavce</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>pravítko s dílky od 0 nahoře po 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>červená šipka, která ukazuje dolů na tlačítka minerálních látek</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
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
        <translation>Opravdu chceš Quorvel ukončit?</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation>Látka</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Dusík</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Draslík</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Hořčík</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Železo</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosfor</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Vápník</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Přidáno</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1, přidáno</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel byl ukončen.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Spustit Quorvel znovu</translation>
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
        <translation>nezměřeno</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>Vynecháno</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Přečtená výška v jednotkách pravítka</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>Pod každým sloupcem: číslo pokusu a co v něm bylo vynecháno</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Přerušovaná čára: výška podle Quorvelu</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Sloupcový diagram přečtených výšek</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>Jeden sloupec pro každý pokus. Šipkami přecházíš od sloupce ke sloupci.</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>&amp;Dusík</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>D&amp;raslík</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>&amp;Hořčík</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>Ž&amp;elezo</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>&amp;Fosfor</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>Vá&amp;pník</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>&amp;Nalít vodu</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>Vý&amp;sledky</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Začít znovu</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>&amp;Vložit řízek</translation>
    </message>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Plánování pokusu</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Kliknutím přidáš minerální látky do zkumavky.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Řízek</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Zkumavka</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Stříkačka</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Kapka</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Šipka</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Pozadí tabulky</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Pozadí pokynů</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Čára mezi sloupci tabulky</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Čára pod záhlavím tabulky</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>Přidáno: %1. V tabulce je teď %2.</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Voda je nalitá: ve zkumavce je %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>Začínáš znovu: zkumavka je prázdná a u každé minerální látky je %1.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>Řízek je ve zkumavce; nic dalšího už do ní nepřidáš.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>Pokus</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Voda</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Listy</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Přečtená výška</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Výška podle Quorvelu</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>Nic</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>Žádné listy</translation>
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
        <translation>Sešit Quorvelu</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Sem se zapisuje každá rostlina, kterou vypěstuješ. Každou změř pravítkem: výška, kterou přečteš u dolního konce stonku, se zapíše do tabulky.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>Tvoje pokusy</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>&amp;Zobrazit výšky podle Quorvelu (pro učitele)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>&amp;Smazat pokus…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>&amp;Vyprázdnit sešit…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Uložit jako &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Tisk…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>Smazat pokus %1 ze sešitu?</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>Vyprázdnit sešit? Smažou se všechny pokusy, které v něm jsou.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Uložit jako CSV</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>sešit</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>Sešit se nepodařilo uložit: %1. Nic z něj se neztratilo; můžeš ho uložit jinam.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>Sešit se nepodařilo vytisknout. Nic z něj se neztratilo.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>&amp;Měřit</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>&amp;Nový pokus</translation>
    </message>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Tvoje výsledky</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Zkumavka</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Pravítko</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Stonek</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Pozadí tabulky</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Čára mezi sloupci tabulky</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Čára pod záhlavím tabulky</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>List %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>vysoký %1 jednotky na pravítku</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>Nic nevyrostlo: ve zkumavce nebyl řízek.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>Stonek vyrostl do výšky %1 jednotky, bez listů.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>Stonek vyrostl do výšky %1 jednotky. Listy: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Přikládání pravítka: šipky ho posouvají, Enter ho položí, Esc přikládání ukončí.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>Pravítko tam položit nejde: překáží %1.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Přikládání skončilo; pravítko je zpátky.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>U vrcholu stonku</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>U stonku</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>U listu %1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>U zkumavky</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, nula ve výšce vrcholu stonku</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, nula %2 jednotky nad vrcholem stonku</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, nula %2 jednotky pod vrcholem stonku</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Pravítko je položené.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Pravítko je položené: stonek sahá na jeho stupnici od %1 do %2.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
