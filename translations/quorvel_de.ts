<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation>gesundes grünes Blatt</translation>
    </message>
    <message>
        <source>pale yellow leaf</source>
        <translation>blassgelbes Blatt</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>weißes Blatt mit grünen Adern</translation>
    </message>
    <message>
        <source>small and crinkled green leaf</source>
        <translation>kleines, gekräuseltes grünes Blatt</translation>
    </message>
    <message>
        <source>yellow leaf with brown spots</source>
        <translation>gelbes Blatt mit braunen Flecken</translation>
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
        <source>small purple leaf with a wavy edge</source>
        <translation>kleines violettes Blatt mit gewelltem Rand</translation>
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
        <translation>E&amp;inpflanzen</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Klicke hier, um Mineralstoffe ins Glas zu geben.</translation>
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
</context>
</TS>
