<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation>gezond groen blad</translation>
    </message>
    <message>
        <source>pale yellow leaf</source>
        <translation>lichtgeel blad</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>wit blad met groene nerven</translation>
    </message>
    <message>
        <source>small and crinkled green leaf</source>
        <translation>klein, gekreukeld groen blad</translation>
    </message>
    <message>
        <source>yellow leaf with brown spots</source>
        <translation>geel blad met bruine vlekken</translation>
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
        <source>small purple leaf with a wavy edge</source>
        <translation>klein paars blad met een golvende rand</translation>
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
        <translation>reageerbuis, zwart gemaakt</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>een stekje met twee blaadjes in een zwart gemaakte reageerbuis</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>een liniaal met streepjes van 0 bovenaan tot 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>een rode pijl die naar beneden wijst, naar de knoppen van de mineralen</translation>
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
        <translation>Wil je echt stoppen?</translation>
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
        <translation>S&amp;toppen</translation>
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
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Je resultaten</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>S&amp;toppen</translation>
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
</context>
</TS>
