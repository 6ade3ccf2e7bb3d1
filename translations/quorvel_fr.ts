<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
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
