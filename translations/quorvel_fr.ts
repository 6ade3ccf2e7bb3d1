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
        <source>A plant needs nitrogen to grow new stems and leaves and to make the green colour of its leaves. Without it the plant stays small, and its older, lower leaves turn pale and yellow first.</source>
        <translation>Une plante a besoin d&apos;azote pour faire pousser de nouvelles tiges et de nouvelles feuilles, et pour fabriquer la couleur verte de ses feuilles. Sans azote, la plante reste petite, et ce sont ses feuilles les plus vieilles, en bas, qui deviennent pâles et jaunes en premier.</translation>
    </message>
    <message>
        <source>Potassium helps a plant use water well, make strong leaves and fight illness. Without it the leaves turn yellow and get brown spots and edges.</source>
        <translation>Le potassium aide une plante à bien utiliser l&apos;eau, à faire des feuilles solides et à se défendre contre les maladies. Sans potassium, les feuilles jaunissent et prennent des taches et des bords bruns.</translation>
    </message>
    <message>
        <source>Magnesium is part of the green colour in leaves that catches sunlight, so that the plant can make its food. Without it the leaves turn pale yellow.</source>
        <translation>Le magnésium fait partie de la couleur verte des feuilles, celle qui capte la lumière du soleil pour que la plante puisse fabriquer sa nourriture. Sans magnésium, les feuilles deviennent jaune pâle.</translation>
    </message>
    <message>
        <source>A plant needs a tiny amount of iron to make the green colour of its leaves. Without it the new leaves turn white or pale, and only their veins stay green.</source>
        <translation>Une plante a besoin d&apos;un tout petit peu de fer pour fabriquer la couleur verte de ses feuilles. Sans fer, les nouvelles feuilles deviennent blanches ou pâles, et seules leurs nervures restent vertes.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant grow strong roots and move the energy from sunlight around inside it. Without it the plant stays very small and its leaves turn dark and purple.</source>
        <translation>Le phosphore aide une plante à faire des racines solides et à faire circuler en elle l&apos;énergie de la lumière du soleil. Sans phosphore, la plante reste toute petite et ses feuilles deviennent foncées et violettes.</translation>
    </message>
    <message>
        <source>Calcium builds strong walls for the tiny cells a plant is made of, most of all at the tips where it grows. Without it the plant stays very small and its new leaves grow narrow, with wavy, crinkled edges.</source>
        <translation>Le calcium construit des parois solides autour des minuscules cellules qui forment la plante, surtout à ses extrémités, là où elle pousse. Sans calcium, la plante reste toute petite et ses nouvelles feuilles restent étroites, avec des bords ondulés et froissés.</translation>
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
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale, spotted, purple or crinkled? Without water a cutting hardly grows and grows no leaves at all.</source>
        <translation>Cet écran montre comment ta bouture a poussé. Le tableau te rappelle quels sels minéraux tu lui as donnés. Jusqu&apos;où la tige a-t-elle poussé&#xa0;? Les feuilles sont-elles vertes et en bonne santé, ou bien pâles, tachées, violettes ou froissées&#xa0;? Sans eau, une bouture pousse à peine et ne fait aucune feuille.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Read the number beside the top of the stem. A cutting given water and every mineral reaches %2.</source>
        <translation>Mesure la tige avec la règle. Il y a deux façons de faire. Fais-la glisser&#xa0;: appuie sur la règle avec le bouton de la souris, amène-la à côté de la tige et lâche. Ou bien clique sur %1, puis clique là où tu veux mettre le haut de la règle. Lis le nombre qui se trouve à côté du haut de la tige. Une bouture qui reçoit de l&apos;eau et tous les sels minéraux atteint %2.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>%1 te ramène en arrière pour préparer l&apos;expérience suivante, avec un tube vide. %2 ferme Quorvel (il te demande d&apos;abord si tu veux vraiment quitter).</translation>
    </message>
    <message numerus="yes">
        <source>A plant makes its food from water, air and sunlight, but it also needs a little of some minerals, which its roots take up with the water. Each mineral has its own job. When one is missing, the plant grows less, and its leaves show which one it is. A cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>Une plante fabrique sa nourriture avec de l&apos;eau, de l&apos;air et la lumière du soleil, mais elle a aussi besoin d&apos;un peu de certains sels minéraux, que ses racines puisent avec l&apos;eau. Chaque sel minéral a son propre rôle. Quand il en manque un, la plante pousse moins, et ses feuilles montrent lequel manque. Une bouture qui reçoit de l&apos;eau et les six sels minéraux fait une tige de %1 unités sur la règle, avec %n feuille en bonne santé.</numerusform>
            <numerusform>Une plante fabrique sa nourriture avec de l&apos;eau, de l&apos;air et la lumière du soleil, mais elle a aussi besoin d&apos;un peu de certains sels minéraux, que ses racines puisent avec l&apos;eau. Chaque sel minéral a son propre rôle. Quand il en manque un, la plante pousse moins, et ses feuilles montrent lequel manque. Une bouture qui reçoit de l&apos;eau et les six sels minéraux fait une tige de %1 unités sur la règle, avec %n feuilles en bonne santé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf: %2.</source>
        <translation>
            <numerusform>Dans Quorvel, une bouture qui reçoit de l&apos;eau et tous les sels minéraux sauf celui-ci fait une tige de %1 unités et %n feuille. Cherche cette feuille&#xa0;: une %2.</numerusform>
            <numerusform>Dans Quorvel, une bouture qui reçoit de l&apos;eau et tous les sels minéraux sauf celui-ci fait une tige de %1 unités et %n feuilles. Cherche cette feuille&#xa0;: une %2.</numerusform>
        </translation>
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
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation>feuille verte en bonne santé</translation>
    </message>
    <message>
        <source>pale yellow leaf</source>
        <translation>feuille jaune pâle</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>feuille blanche aux nervures vertes</translation>
    </message>
    <message>
        <source>small and crinkled green leaf</source>
        <translation>petite feuille verte toute froissée</translation>
    </message>
    <message>
        <source>yellow leaf with brown spots</source>
        <translation>feuille jaune avec des taches brunes</translation>
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
        <source>small purple leaf with a wavy edge</source>
        <translation>petite feuille violette au bord ondulé</translation>
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
        <translation>une bouture à deux feuilles, plantée dans un tube à essai noirci</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>une règle graduée de 0 en haut jusqu&apos;à 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>une flèche rouge qui pointe vers le bas, vers les boutons des sels minéraux</translation>
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
        <translation>&amp;Bouture</translation>
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
        <translation>&amp;Nouvel essai</translation>
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
</context>
</TS>
