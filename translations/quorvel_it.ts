<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Dai l&apos;azoto alla pianta: una goccia cade nella provetta.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Dai il potassio alla pianta: una goccia cade nella provetta.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Dai il magnesio alla pianta: una goccia cade nella provetta.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Dai il ferro alla pianta: una goccia cade nella provetta.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Dai il fosforo alla pianta: una goccia cade nella provetta.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Dai il calcio alla pianta: una goccia cade nella provetta.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Riempi d&apos;acqua la provetta.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Guarda come cresce la pianta con il tuo esperimento.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Chiudi Quorvel. Prima ti chiede se vuoi davvero uscire.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Svuota la provetta e progetta un nuovo esperimento.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Metti la talea nella provetta. Dopo non si può aggiungere più niente.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Sposta il righello per misurare il fusto: poi clicca dove vuoi mettere la parte alta del righello.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Torna indietro e progetta un nuovo esperimento.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>Progettare l&apos;esperimento</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>Osservare i risultati</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>A che cosa serve ogni minerale</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Informazioni su Quorvel</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>Una pianta ha bisogno di azoto per costruire nuovi fusti e nuove foglie (l&apos;azoto fa parte di tutte le proteine) e per produrre la clorofilla. Senza abbastanza azoto una pianta vera resta piccola e pallida, di solito più piccola che se le mancasse qualunque altro minerale. Le sue foglie più vecchie, in basso, sono le prime a diventare giallo pallido, per intero, nervature comprese, perché la pianta sposta il loro azoto verso le foglie nuove.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>Il potassio aiuta la pianta a regolare la sua acqua: fa aprire e chiudere i minuscoli forellini delle foglie, gli stomi, da cui entra l&apos;anidride carbonica ed esce l&apos;acqua. Aiuta anche la pianta a difendersi dalle malattie. Senza abbastanza potassio le foglie più vecchie diventano gialle e poi marroni, a partire dai margini e dalle punte, e possono coprirsi di macchie marroni.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>Il magnesio fa parte della clorofilla stessa: per questo alla pianta serve per catturare la luce del Sole. Quando scarseggia, la pianta sposta il suo magnesio verso le foglie nuove, così sono le foglie più vecchie, in basso, a mostrarlo per prime: ingialliscono tra le nervature, mentre le nervature restano verdi.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>Una pianta ha bisogno solo di pochissimo ferro, ma senza ferro non può produrre la clorofilla. Senza abbastanza ferro le foglie più giovani, in alto, diventano giallo pallido o addirittura bianche tra le nervature, mentre le nervature restano verdi.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>Il fosforo aiuta la pianta a trasportare al suo interno l&apos;energia della luce del Sole e a far crescere radici, fiori e semi. Senza abbastanza fosforo la pianta resta piccola, e le sue foglie più vecchie spesso diventano verde scuro con una sfumatura viola o rossastra, prima nella parte di sotto. Non tutte le piante diventano viola. Quorvel colora la sua foglia tutta di viola acceso, perché si veda bene.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>Il calcio costruisce le pareti delle minuscole cellule di cui è fatta la pianta, soprattutto dove la pianta cresce: in cima ai fusti e in punta alle radici. Una pianta non può spostare il calcio dalle foglie vecchie a quelle nuove, quindi una carenza si vede prima sulle foglie più giovani: crescono piccole, strette e increspate, e la cima del fusto può morire.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Come Quorvel semplifica le cose</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>Una vera talea impiega settimane a mostrare una carenza. Quorvel la fa crescere subito.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Quorvel colora ogni foglia con un solo colore acceso. Le foglie vere cambiano lentamente e in modo non uniforme, e le carenze vere spesso si somigliano.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>Quando manca più di un minerale, Quorvel mostra le foglie solo di alcuni, e a volte sceglie a caso quali.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>Le altezze di Quorvel sono stabilite dal modello, non misurate su piante vere, e il suo righello conta in unità proprie, non in centimetri.</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Usare la tastiera</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>Ogni pulsante ha una lettera sottolineata: tieni premuto Alt e premi quella lettera per cliccare il pulsante. Tab passa al pulsante successivo e Maiusc+Tab a quello precedente; Invio o Spazio premono il pulsante evidenziato. F11 mostra Quorvel a schermo intero, ed Esc lo rimette nella sua finestra. F1 apre questo aiuto, ed Esc lo richiude.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>In questa schermata progetti il tuo esperimento. Nella provetta crescerà una talea, e sei tu a scegliere che cosa riceve. Clicca su %1 per riempire d&apos;acqua la provetta. Poi clicca su ogni minerale che vuoi dare alla pianta: la siringa ne mette una goccia nella provetta, e la tabella mostra %2 accanto al suo nome. Non aggiungere i minerali che vuoi studiare.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>Quando la provetta è pronta, clicca su %1 per metterci la talea. Dopo non si può aggiungere più niente. Clicca su %2 per vedere come cresce la pianta. %3 svuota la provetta, così puoi progettare un nuovo esperimento, e %4 chiude Quorvel (prima ti chiede se vuoi davvero uscire).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>Un bravo scienziato cambia una sola cosa alla volta. Fai crescere una pianta con tutto ciò di cui ha bisogno, poi una a cui manca un solo minerale, e confronta le due.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>Questa schermata mostra come è cresciuta la tua talea. La tabella ti ricorda quali minerali le hai dato. Quanto è cresciuto il fusto? Le foglie sono verdi e sane, oppure giallo pallido, bianche, macchiate, viola o increspate? In Quorvel una talea senz&apos;acqua cresce appena e non ha nessuna foglia.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>%1 ti riporta indietro per progettare il prossimo esperimento, con la provetta vuota. %2 chiude Quorvel (prima ti chiede se vuoi davvero uscire).</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>Le piante verdi producono da sole il proprio cibo. Nelle foglie usano l&apos;energia della luce del Sole per trasformare l&apos;acqua, e l&apos;anidride carbonica presa dall&apos;aria, in zucchero: questo si chiama fotosintesi. L&apos;anidride carbonica entra nelle foglie attraverso minuscoli forellini. La sostanza verde delle foglie che cattura la luce del Sole si chiama clorofilla. Assorbe la luce rossa e quella blu e riflette quella verde: per questo le foglie ci appaiono verdi.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>Per costruire la clorofilla e il resto del suo corpo, una pianta ha bisogno anche di piccole quantità di minerali. Le radici li assorbono dal terreno, sotto forma di sali minerali disciolti nell&apos;acqua. Anche il suo azoto arriva da lì: l&apos;aria è fatta soprattutto di azoto, un gas, ma la pianta non può usare l&apos;azoto dell&apos;aria.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>Quando una pianta riceve troppo poco di un minerale, ha una carenza di quel minerale (per esempio una carenza di azoto). Cresce meno, e spesso le sue foglie cambiano colore o forma. Le foglie ti danno un indizio, non una risposta: carenze diverse possono somigliarsi. Per questo gli scienziati studiano un minerale alla volta.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>In Quorvel una talea che riceve acqua e tutti e sei i minerali sviluppa un fusto lungo %1 unità sul righello, con %n foglia sana.</numerusform>
            <numerusform>In Quorvel una talea che riceve acqua e tutti e sei i minerali sviluppa un fusto lungo %1 unità sul righello, con %n foglie sane.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>In Quorvel una talea che riceve acqua e tutti i minerali tranne questo sviluppa un fusto lungo %1 unità e %n foglia. Cerca questa foglia:</numerusform>
            <numerusform>In Quorvel una talea che riceve acqua e tutti i minerali tranne questo sviluppa un fusto lungo %1 unità e %n foglie. Cerca questa foglia:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>In Quorvel anche una talea senza %1 produce questa stessa foglia: la foglia da sola non può dirti quale dei due manca.</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Quorvel è una simulazione scientifica per alunni: fai crescere una talea in una provetta e scopri di quali minerali ha bisogno una pianta.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Versione %1, in esecuzione su Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Quorvel è software libero, distribuito con la GNU General Public License, versione 3 o qualsiasi versione successiva (GPL-3.0-or-later). Puoi condividerlo e modificarlo rispettando questa licenza. Viene fornito senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Per gli insegnanti, con Quorvel c&apos;è una guida in ogni lingua che parla: un piano di lezione, domande con le risposte e tutti i risultati dell&apos;esperimento. Su Linux si trova nella cartella %1.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Realizzato dagli sviluppatori di Quorvel, per gli alunni e i loro insegnanti.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>La pianta cresciuta con il tuo esperimento, e un righello per misurarla. Premi F1 per l&apos;aiuto.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Progetta il tuo esperimento: riempi la provetta con acqua e minerali e mettici una talea. Premi F1 per l&apos;aiuto.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Aiuto di Quorvel</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Testo dell&apos;aiuto</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Per misurare con la tastiera, clicca su %1, poi premi un tasto freccia: compare il contorno del righello. Ogni freccia lo sposta di un&apos;unità del righello. Salendo o scendendo, si ferma strada facendo dove il suo zero è all&apos;altezza della cima del fusto. Maiusc con una freccia lo sposta di un piccolo passo, per mettere lo zero proprio all&apos;altezza della cima. Invio o Spazio mettono il righello dove si trova il contorno, se non c&apos;è niente di mezzo; Esc interrompe e lascia il righello dov&apos;era.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Chi usa un lettore di schermo sente che cosa è cambiato a ogni passo: il minerale aggiunto e ciò che segna la tabella, che cosa contiene la provetta, la talea, quanto è cresciuto il fusto e come sono le sue foglie, dove si trova il contorno del righello e quanto misura il fusto sul righello.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Misura il fusto con il righello. Ci sono due modi. Puoi trascinarlo: premi il tasto del mouse sul righello, spostalo accanto al fusto e lascialo andare. Oppure clicca su %1, poi clicca dove vuoi mettere la parte alta del righello. Metti lo 0 all&apos;altezza della cima del fusto e leggi il numero accanto alla base del fusto, dove esce dalla provetta: è la sua altezza in unità del righello, che sono unità di Quorvel e non centimetri. Una talea che riceve acqua e tutti i minerali diventa alta %2 unità.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Qui Quorvel non è come una pianta vera. La sua foglia conserva le nervature verdi, e il suo fusto cresce più alto che senza magnesio o senza ferro. In una pianta vera con una carenza di azoto la foglia diventa tutta giallo pallido, nervature comprese, e la pianta resta più piccola di una con una carenza di magnesio o di ferro.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Qui Quorvel non è come una pianta vera. Mette macchie marroni su ogni foglia, anche sulle più giovani. In una pianta vera diventano marroni per primi i margini e le punte delle foglie più vecchie.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Quorvel dà all&apos;azoto la stessa foglia del magnesio: giallo pallido con nervature verdi. In una pianta vera con una carenza di azoto tutta la foglia diventa giallo pallido, nervature comprese, cominciando dalle foglie più vecchie.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>Una pianta vera con una carenza di azoto di solito cresce meno di tutte. In Quorvel cresce più alta di una pianta con una carenza di magnesio o di ferro. Quindi confronta le altezze fra loro dentro Quorvel, non con le piante vere.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>Quorvel mette macchie marroni su ogni foglia di una pianta con una carenza di potassio. In una pianta vera diventano marroni per primi i margini delle foglie più vecchie.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>Senz&apos;acqua, la regola di Quorvel è che il fusto cresce solo un po&apos; e non ha foglie: spariscono anche le due foglie della talea. Una talea vera senz&apos;acqua appassisce e muore.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Ctrl+H apre il tuo quaderno da tutte e due le schermate. Nel quaderno i tasti freccia passano da un esperimento all&apos;altro, Canc ne elimina uno, Ctrl+S salva il quaderno in formato CSV, Ctrl+P lo stampa ed Esc lo chiude.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Apri il quaderno</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Quorvel scrive nel tuo quaderno ogni pianta che fai crescere: che cosa ha ricevuto, che cosa mostrano le sue foglie e l&apos;altezza che leggi alla base del fusto quando metti giù il righello. Lì puoi confrontare i tuoi esperimenti in una tabella e in un grafico a barre, salvarli per un foglio di calcolo o stamparli. %1, oppure premi Ctrl+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Premi Ctrl+H per aprire il quaderno con gli esperimenti di questa lezione.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>l&apos;immagine lasciata dall&apos;esperimento precedente</translation>
    </message>
    <message>
        <source>none</source>
        <translation>niente</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>tutti e sei</translation>
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
        <translation>Minerali esclusi</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>Con acqua: fusto (unità del righello)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>Con acqua: foglie, dal basso in alto</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Senz&apos;acqua: fusto (unità del righello)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Senz&apos;acqua: foglie</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>a caso: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Minerale escluso</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Fusto (unità del righello)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>La foglia da cercare</translation>
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
        <translation>foglia verde sana</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>foglia giallo pallido con nervature verdi</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>foglia bianca con nervature verdi</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>foglia verde stretta con il margine ondulato e increspato</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>foglia giallo pallido con macchie marroni</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>foglia viola</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>foglia verde sana, che pende verso il basso</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>foglia viola stretta con il margine ondulato</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>vuota</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>solo minerali</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>acqua e minerali</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>acqua limpida</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>vuota</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>quasi vuota</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>premuta</translation>
    </message>
    <message>
        <source>full</source>
        <translation>piena</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>una goccia che cade</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>provetta oscurata</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>una talea con due foglie, messa in una provetta oscurata</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>un righello graduato da 0 in alto fino a 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>una freccia rossa che punta in basso, verso i pulsanti dei minerali</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
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
        <translation>Vuoi davvero uscire?</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation>Minerale</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azoto</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potassio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesio</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosforo</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcio</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Aggiunto</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 aggiunto</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel è stato chiuso.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Riapri Quorvel</translation>
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
        <translation>non misurata</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>Esclusi</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Altezza letta, in unità del righello</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>Sotto ogni barra: il numero dell&apos;esperimento e che cosa è stato escluso</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Linea tratteggiata: l&apos;altezza secondo Quorvel</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Grafico a barre delle altezze lette</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>Una barra per ogni esperimento. I tasti freccia passano da una barra all&apos;altra.</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>&amp;Azoto</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>&amp;Potassio</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>&amp;Magnesio</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>&amp;Ferro</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>Fo&amp;sforo</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>&amp;Calcio</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>Metti l&apos;ac&amp;qua</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>&amp;Risultati</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>R&amp;icomincia</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>Metti la &amp;talea</translation>
    </message>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Progetta il tuo esperimento</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Clicca sui minerali da dare alla pianta.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Talea</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Provetta</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Siringa</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Goccia</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Sfondo della tabella</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Sfondo delle istruzioni</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Linea tra le colonne della tabella</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Linea sotto le intestazioni della tabella</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1 aggiunto: la tabella segna %2.</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Acqua aggiunta: la provetta contiene %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>Si ricomincia: la provetta è vuota e la tabella segna %1 per ogni minerale.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>La talea è nella provetta; non si può aggiungere più niente.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>Esperimento</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Foglie</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Altezza letta</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Altezza secondo Quorvel</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>Niente</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>Nessuna foglia</translation>
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
        <translation>Quaderno di Quorvel</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Qui viene scritta ogni pianta che fai crescere. Misurala con il righello: l&apos;altezza che leggi alla base del fusto va nella tabella.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>I tuoi esperimenti</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>&amp;Mostra le altezze secondo Quorvel (per l&apos;insegnante)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>&amp;Elimina l&apos;esperimento…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>S&amp;vuota il quaderno…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Salva come &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>Eliminare l&apos;esperimento %1 dal quaderno?</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>Svuotare il quaderno? Tutti gli esperimenti che contiene verranno eliminati.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Salva come CSV</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>quaderno</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>Non è stato possibile salvare il quaderno: %1. Nel quaderno non è andato perso niente; puoi salvarlo da un&apos;altra parte.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>Non è stato possibile stampare il quaderno. Nel quaderno non è andato perso niente.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>&amp;Misura</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>&amp;Progetta ancora</translation>
    </message>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - I tuoi risultati</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Provetta</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Righello</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Fusto</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Sfondo della tabella</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Linea tra le colonne della tabella</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Linea sotto le intestazioni della tabella</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>Foglia %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>alto %1 unità sul righello</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>Non è cresciuto niente: non c&apos;era la talea.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>Il fusto è diventato alto %1 unità, senza foglie.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>Il fusto è diventato alto %1 unità. Foglie: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Stai spostando il righello: le frecce lo muovono, Invio lo mette giù, Esc annulla.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>Il righello non può andare lì: c&apos;è di mezzo %1.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Spostamento annullato: il righello è tornato dov&apos;era.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>Vicino alla cima del fusto</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>Vicino al fusto</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>Vicino alla foglia %1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>Vicino alla provetta</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, lo zero all&apos;altezza della cima del fusto</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, lo zero %2 unità sopra la cima del fusto</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, lo zero %2 unità sotto la cima del fusto</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Il righello è al suo posto.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Il righello è al suo posto: sulla sua scala il fusto va da %1 a %2.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
