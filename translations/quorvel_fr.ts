<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Donne de l&apos;azote à la plante&#xa0;: une goutte tombe dans le tube.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Donne du potassium à la plante&#xa0;: une goutte tombe dans le tube.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Donne du magnésium à la plante&#xa0;: une goutte tombe dans le tube.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Donne du fer à la plante&#xa0;: une goutte tombe dans le tube.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Donne du phosphore à la plante&#xa0;: une goutte tombe dans le tube.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Donne du calcium à la plante&#xa0;: une goutte tombe dans le tube.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Remplis d&apos;eau le tube à essai.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Regarde comment la plante pousse avec ton expérience.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Ferme Quorvel. Il te demande d&apos;abord si tu veux vraiment quitter.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Vide le tube et prépare une nouvelle expérience.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Mets la bouture dans le tube. Ensuite, plus rien ne peut y entrer.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Déplace la règle pour mesurer la tige&#xa0;: clique ensuite là où tu veux mettre le haut de la règle.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Reviens en arrière et prépare une nouvelle expérience.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>Préparer l&apos;expérience</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>Observer les résultats</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>À quoi sert chaque sel minéral</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>À propos de Quorvel</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Utiliser le clavier</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>Chaque bouton a une lettre soulignée&#xa0;: garde la touche Alt enfoncée et appuie sur cette lettre pour cliquer sur le bouton. Tab passe au bouton suivant et Maj+Tab au bouton d&apos;avant&#xa0;; Entrée ou Espace clique sur le bouton qui est marqué. F11 affiche Quorvel sur tout l&apos;écran, et Échap le remet dans sa fenêtre. F1 ouvre cette aide, et Échap la referme.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>Sur cet écran, tu prépares ton expérience. Une bouture va pousser dans le tube à essai, et c&apos;est toi qui choisis ce qu&apos;elle reçoit. Clique sur %1 pour remplir le tube d&apos;eau. Ensuite, clique sur chaque sel minéral que tu veux donner à la plante&#xa0;: la seringue en met une goutte dans le tube, et le tableau affiche %2 à côté. Laisse de côté les sels minéraux que tu veux tester.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>Quand le tube est prêt, clique sur %1 pour y mettre la bouture. Après, plus rien ne peut y entrer. Clique sur %2 pour voir comment la plante pousse. %3 vide le tube pour que tu puisses préparer une nouvelle expérience, et %4 ferme Quorvel (il te demande d&apos;abord si tu veux vraiment quitter).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>Un bon scientifique ne change qu&apos;une seule chose à la fois. Fais pousser une plante avec tout ce dont elle a besoin, puis une autre à qui il manque un seul sel minéral, et compare les deux.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>%1 te ramène en arrière pour préparer l&apos;expérience suivante, avec un tube vide. %2 ferme Quorvel (il te demande d&apos;abord si tu veux vraiment quitter).</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Quorvel est une simulation scientifique pour les élèves&#xa0;: fais pousser une bouture dans un tube à essai et découvre de quels sels minéraux une plante a besoin.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Version %1, qui fonctionne avec Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Quorvel est un logiciel libre, sous la GNU General Public License, version 3 ou toute version ultérieure (GPL-3.0-or-later). Tu peux le partager et le modifier en respectant cette licence. Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Réalisé par les développeurs de Quorvel, pour les élèves et leurs enseignants.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>La plante qui a poussé grâce à ton expérience, et une règle pour la mesurer. Appuie sur F1 pour obtenir de l&apos;aide.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Prépare ton expérience&#xa0;: remplis le tube à essai d&apos;eau et de sels minéraux, puis mets-y une bouture. Appuie sur F1 pour obtenir de l&apos;aide.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Aide de Quorvel</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte de l&apos;aide</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>Une plante a besoin d&apos;azote pour construire de nouvelles tiges et de nouvelles feuilles (l&apos;azote fait partie de toutes les protéines) et pour fabriquer sa chlorophylle. Sans assez d&apos;azote, une vraie plante reste petite et pâle, en général plus petite que s&apos;il lui manquait n&apos;importe quel autre sel minéral. Ses feuilles âgées, en bas, deviennent jaune pâle en premier, sur toute leur surface, nervures comprises, parce que la plante envoie leur azote vers ses nouvelles feuilles.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>Le potassium aide une plante à gérer son eau&#xa0;: il ouvre et ferme les minuscules trous des feuilles, par où le dioxyde de carbone entre et l&apos;eau sort. Il aide aussi la plante à se défendre contre les maladies. Sans assez de potassium, les feuilles âgées jaunissent puis brunissent, en commençant par leurs bords et leur pointe, et peuvent se couvrir de taches brunes.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>Le magnésium fait partie de la chlorophylle elle-même&#xa0;: une plante en a donc besoin pour capter la lumière du soleil. Quand il vient à manquer, la plante envoie son magnésium vers ses nouvelles feuilles. Ce sont donc les feuilles âgées, en bas, qui le montrent en premier&#xa0;: elles jaunissent entre leurs nervures, alors que les nervures restent vertes.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>Une plante n&apos;a besoin que d&apos;une toute petite quantité de fer, mais sans fer elle ne peut pas fabriquer de chlorophylle. Sans assez de fer, les plus jeunes feuilles, en haut, deviennent jaune pâle ou même blanches entre leurs nervures, alors que les nervures restent vertes.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>Le phosphore aide une plante à faire circuler en elle l&apos;énergie de la lumière du soleil, et à faire pousser ses racines, ses fleurs et ses graines. Sans assez de phosphore, la plante reste petite, et ses feuilles âgées deviennent souvent vert foncé, teintées de violet ou de rouge, d&apos;abord sur leur face du dessous. Les plantes ne deviennent pas toutes violettes&#xa0;: cela dépend de l&apos;espèce. Quorvel peint sa feuille tout entière en violet vif, pour qu&apos;on la voie bien.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>Le calcium construit les parois des minuscules cellules qui forment la plante, surtout là où elle pousse&#xa0;: au bout de ses tiges et de ses racines. Une plante ne peut pas déplacer le calcium de ses feuilles âgées vers ses nouvelles feuilles&#xa0;; une carence en calcium se voit donc d&apos;abord sur les plus jeunes feuilles&#xa0;: elles poussent petites, étroites et crispées, et le bout de la tige peut mourir.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Ce que Quorvel simplifie</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>Une vraie bouture met des semaines à montrer une carence. Quorvel la fait pousser tout de suite.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Quorvel peint chaque feuille d&apos;une seule couleur vive. Les vraies feuilles changent lentement et de façon inégale, et les vraies carences se ressemblent souvent.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>Quand il manque plus d&apos;un sel minéral, Quorvel ne montre les feuilles que de certains d&apos;entre eux, et choisit parfois lesquels au hasard.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>Les hauteurs de Quorvel sont fixées par le modèle&#xa0;: elles ne sont pas mesurées sur de vraies plantes. Sa règle compte dans ses propres unités, pas en centimètres.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>Cet écran montre comment ta bouture a poussé. Le tableau te rappelle quels sels minéraux tu lui as donnés. Quelle hauteur la tige a-t-elle atteinte&#xa0;? Les feuilles sont-elles vertes et en bonne santé, ou bien jaune pâle, blanches, tachées, violettes ou crispées&#xa0;? Dans Quorvel, une bouture sans eau pousse à peine et n&apos;a aucune feuille.</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>Les plantes vertes fabriquent elles-mêmes leur nourriture. Dans leurs feuilles, elles utilisent l&apos;énergie de la lumière du soleil pour transformer de l&apos;eau, et du dioxyde de carbone pris dans l&apos;air, en sucre&#xa0;: c&apos;est ce qu&apos;on appelle la photosynthèse. Le dioxyde de carbone entre dans les feuilles par de minuscules trous. La substance verte des feuilles qui capte la lumière du soleil s&apos;appelle la chlorophylle. Elle absorbe la lumière rouge et la lumière bleue et renvoie la lumière verte&#xa0;: c&apos;est pour cela que les feuilles nous paraissent vertes.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>Pour fabriquer sa chlorophylle et tout ce dont elle est faite, une plante a aussi besoin de petites quantités de sels minéraux. Ses racines les absorbent dans le sol, dissous dans l&apos;eau. C&apos;est aussi de là que vient son azote&#xa0;: l&apos;air est surtout fait d&apos;azote, un gaz, mais une plante ne peut pas utiliser l&apos;azote de l&apos;air.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>Quand une plante reçoit trop peu d&apos;un sel minéral, on dit qu&apos;elle a une carence en ce sel minéral (une carence en azote, par exemple). Elle pousse moins, et ses feuilles changent souvent de couleur ou de forme. Les feuilles te donnent un indice, pas une réponse&#xa0;: des carences différentes peuvent se ressembler. C&apos;est pour cela que les scientifiques ne testent qu&apos;un seul sel minéral à la fois.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>Dans Quorvel, une bouture qui reçoit de l&apos;eau et les six sels minéraux fait une tige de %1&#xa0;unités de long sur la règle, avec %n&#xa0;feuille en bonne santé.</numerusform>
            <numerusform>Dans Quorvel, une bouture qui reçoit de l&apos;eau et les six sels minéraux fait une tige de %1&#xa0;unités de long sur la règle, avec %n&#xa0;feuilles en bonne santé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>Dans Quorvel, une bouture qui reçoit de l&apos;eau et tous les sels minéraux sauf celui-ci fait une tige de %1&#xa0;unités de long et %n&#xa0;feuille. Cherche cette feuille&#xa0;:</numerusform>
            <numerusform>Dans Quorvel, une bouture qui reçoit de l&apos;eau et tous les sels minéraux sauf celui-ci fait une tige de %1&#xa0;unités de long et %n&#xa0;feuilles. Cherche cette feuille&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>Dans Quorvel, une bouture sans %1 donne cette même feuille&#xa0;: la feuille seule ne peut donc pas te dire lequel des deux manque.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Pour les enseignants, un guide est fourni avec Quorvel, dans chacune des langues qu&apos;il parle&#xa0;: un déroulé de séance, des questions avec leurs réponses et tous les résultats de l&apos;expérience. Sous Linux, il se trouve dans le dossier %1.</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Pour mesurer au clavier, clique sur %1, puis appuie sur une flèche&#xa0;: un contour de la règle apparaît. Chaque flèche le déplace d&apos;une unité de la règle. En montant ou en descendant, il s&apos;arrête en chemin là où son zéro est au niveau du haut de la tige. Maj avec une flèche le déplace d&apos;un petit pas, pour mettre le zéro exactement au niveau. Entrée ou Espace pose la règle là où est le contour, sauf si quelque chose est dans le passage&#xa0;; Échap arrête et laisse la règle où elle était.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Un lecteur d&apos;écran dit ce que chaque étape a changé&#xa0;: le sel minéral ajouté et le tableau, ce que contient le tube à essai, la bouture, la hauteur de la tige et ce que montrent ses feuilles, où est le contour de la règle, et ce que mesure la tige sur la règle.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Mesure la tige avec la règle. Il y a deux façons de faire. Fais-la glisser&#xa0;: appuie sur la règle avec le bouton de la souris, amène-la à côté de la tige et lâche. Ou bien clique sur %1, puis clique là où tu veux mettre le haut de la règle. Place le 0 de la règle au niveau du haut de la tige, puis lis le nombre qui se trouve à côté du pied de la tige, là où elle sort du tube&#xa0;: c&apos;est sa hauteur en unités de la règle, des unités propres à Quorvel, qui ne sont pas des centimètres. Une bouture qui reçoit de l&apos;eau et tous les sels minéraux atteint %2&#xa0;unités de haut.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Ici, Quorvel ne ressemble pas à une vraie plante. Sa feuille garde des nervures vertes, et sa tige pousse plus haut que sans magnésium ou sans fer. Chez une vraie plante qui manque d&apos;azote, toute la feuille devient jaune pâle, nervures comprises, et la plante reste plus petite qu&apos;une plante qui manque de magnésium ou de fer.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Ici, Quorvel ne ressemble pas à une vraie plante. Il met des taches brunes sur toutes les feuilles, même les plus jeunes. Chez une vraie plante, ce sont d&apos;abord les bords et la pointe des feuilles âgées qui brunissent.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Quorvel donne à l&apos;azote la même feuille qu&apos;au magnésium&#xa0;: jaune pâle aux nervures vertes. Chez une vraie plante qui manque d&apos;azote, toute la feuille devient jaune pâle, nervures comprises, en commençant par les feuilles âgées.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>Une vraie plante qui manque d&apos;azote est en général celle qui pousse le moins. Dans Quorvel, elle pousse plus haut qu&apos;une plante qui manque de magnésium ou de fer. Compare donc les hauteurs entre elles dans Quorvel, pas avec celles de vraies plantes.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>Quorvel met des taches brunes sur toutes les feuilles d&apos;une plante qui manque de potassium. Chez une vraie plante, ce sont d&apos;abord les bords des feuilles âgées qui brunissent.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>C&apos;est un choix de Quorvel&#xa0;: sans eau, la tige pousse à peine et n&apos;a aucune feuille&#xa0;; même les deux feuilles de la bouture disparaissent. Une vraie bouture sans eau se flétrit et meurt.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Ctrl+H ouvre ton cahier d&apos;expériences depuis l&apos;un ou l&apos;autre écran. Dedans, les flèches passent d&apos;une expérience à l&apos;autre, Suppr en supprime une, Ctrl+S enregistre le cahier d&apos;expériences en CSV, Ctrl+P l&apos;imprime et Échap le ferme.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Ouvre le cahier d&apos;expériences</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Quorvel note dans ton cahier d&apos;expériences chaque plante que tu fais pousser&#xa0;: ce qu&apos;elle a reçu, ce que montrent ses feuilles, et la hauteur que tu lis au pied de la tige quand tu poses la règle. Là, tu peux comparer tes expériences dans un tableau et un diagramme en barres, les enregistrer pour un tableur ou les imprimer. %1, ou appuie sur Ctrl+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Appuie sur Ctrl+H pour ouvrir ton cahier d&apos;expériences de cette séance.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>l&apos;image laissée par l&apos;expérience précédente</translation>
    </message>
    <message>
        <source>none</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>les six</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1 x%2</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>Sels minéraux laissés de côté</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>Avec de l&apos;eau : tige (unités de la règle)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>Avec de l&apos;eau : feuilles, de bas en haut</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Sans eau : tige (unités de la règle)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Sans eau : feuilles</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>au hasard : %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Sel minéral laissé de côté</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Tige (unités de la règle)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>La feuille à chercher</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two minerals; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the leaves of two places up the stem; Greek writes its semicolon as a raised dot, as its question mark is &quot;;&quot;.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation>feuille verte en bonne santé</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>feuille jaune pâle aux nervures vertes</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>feuille blanche aux nervures vertes</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>feuille violette</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>feuille verte en bonne santé, qui pend vers le bas</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>vide</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>seulement des sels minéraux</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>eau et sels minéraux</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>eau claire</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>vide</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>presque vide</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>enfoncée</translation>
    </message>
    <message>
        <source>full</source>
        <translation>pleine</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>une goutte qui tombe</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>tube à essai, noirci</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>une bouture à deux feuilles, placée dans un tube à essai noirci</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>une règle graduée de 0 en haut jusqu&apos;à 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>une flèche rouge qui pointe vers le bas, vers les boutons des sels minéraux</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>feuille verte étroite au bord ondulé et crispé</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>feuille jaune pâle avec des taches brunes</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>feuille violette étroite au bord ondulé</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Veux-tu vraiment quitter&#xa0;?</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation>Sel minéral</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azote</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potassium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnésium</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Fer</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Phosphore</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Ajouté</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 ajouté</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel est fermé.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Relancer Quorvel</translation>
    </message>
</context>
<context>
    <name>quorvel::BarChart</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A bar&apos;s label: the experiment&apos;s number, then what it left out.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non mesurée</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>Laissé de côté</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Hauteur lue, en unités de la règle</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>Sous chaque barre&#xa0;: le numéro de l&apos;expérience et ce qui a été laissé de côté</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Ligne en tirets&#xa0;: la hauteur selon Quorvel</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Diagramme en barres des hauteurs lues</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>Une barre pour chaque expérience. Les flèches passent d&apos;une barre à l&apos;autre.</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Conçois ton expérience</translation>
    </message>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>&amp;Azote</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>Po&amp;tassium</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>&amp;Magnésium</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>&amp;Fer</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>&amp;Phosphore</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>&amp;Calcium</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>Ajouter l&apos;&amp;eau</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>Ré&amp;sultats</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>&amp;Introduire</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Clique sur un sel minéral pour l&apos;ajouter au tube.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Bouture</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Tube à essai</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Seringue</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Goutte</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Fond du tableau</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Fond des consignes</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Ligne entre les colonnes du tableau</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Ligne sous les titres du tableau</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1 ajouté&#xa0;: le tableau indique %2.</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Eau ajoutée&#xa0;: le tube à essai contient %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>On recommence&#xa0;: le tube à essai est vide et chaque sel minéral indique %1.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>La bouture est dans le tube à essai&#xa0;; plus rien ne peut y entrer.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Feuilles</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Hauteur lue</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Hauteur selon Quorvel</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>Rien</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>Aucune feuille</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two leaves&apos; looks, which may hold commas themselves.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookWindow</name>
    <message>
        <source>Quorvel Notebook</source>
        <translation>Cahier d&apos;expériences de Quorvel</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Chaque plante que tu fais pousser est notée ici. Mesure-les toutes avec la règle&#xa0;: la hauteur que tu lis au pied de la tige s&apos;inscrit dans le tableau.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>Tes expériences</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>&amp;Afficher les hauteurs selon Quorvel (pour l&apos;enseignant)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>&amp;Supprimer l&apos;expérience…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>&amp;Vider le cahier d&apos;expériences…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Enregistrer en &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>Supprimer l&apos;expérience %1 du cahier d&apos;expériences&#xa0;?</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>Vider le cahier d&apos;expériences&#xa0;? Toutes les expériences qu&apos;il contient seront supprimées.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>cahier</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>Le cahier d&apos;expériences n&apos;a pas pu être enregistré&#xa0;: %1. Rien n&apos;y a été perdu&#xa0;; tu peux l&apos;enregistrer ailleurs.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>Le cahier d&apos;expériences n&apos;a pas pu être imprimé. Rien n&apos;y a été perdu.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Tes résultats</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>&amp;Mesurer</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>&amp;Autre expérience</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Tube à essai</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Tige</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Fond du tableau</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Ligne entre les colonnes du tableau</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Ligne sous les titres du tableau</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>Feuille %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>%1 unités de haut sur la règle</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>Rien n&apos;a poussé&#xa0;: il n&apos;y avait pas de bouture.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>La tige a poussé de %1 unités, sans feuilles.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>La tige a poussé de %1 unités. Feuilles&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Placer la règle&#xa0;: les flèches la déplacent, Entrée la pose, Échap arrête.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>La règle ne peut pas aller là&#xa0;: %1 est dans le passage.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Placement arrêté&#xa0;; la règle est revenue.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>Près du haut de la tige</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>Près de la tige</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>Près de la feuille %1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>Près du tube à essai</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, zéro au niveau du haut de la tige</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, zéro %2 unités au-dessus du haut de la tige</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, zéro %2 unités sous le haut de la tige</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Règle posée.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Règle posée&#xa0;: la tige va de %1 à %2 sur sa graduation.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
