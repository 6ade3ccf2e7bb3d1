<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation>hoja verde y sana</translation>
    </message>
    <message>
        <source>pale yellow leaf</source>
        <translation>hoja de color amarillo pálido</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>hoja blanca con nervios verdes</translation>
    </message>
    <message>
        <source>small and crinkled green leaf</source>
        <translation>hoja verde pequeña y arrugada</translation>
    </message>
    <message>
        <source>yellow leaf with brown spots</source>
        <translation>hoja amarilla con manchas marrones</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>hoja morada</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>hoja verde y sana, que cuelga hacia abajo</translation>
    </message>
    <message>
        <source>small purple leaf with a wavy edge</source>
        <translation>hoja morada pequeña con el borde ondulado</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>solo sales minerales</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>agua y sales minerales</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>agua limpia</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>casi vacía</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>apretada</translation>
    </message>
    <message>
        <source>full</source>
        <translation>llena</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>una gota que cae</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>tubo de ensayo, tapado de negro</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>un esqueje con dos hojas, metido en un tubo de ensayo tapado de negro</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>una regla marcada del 0, arriba, al 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>una flecha roja que apunta hacia abajo, a los botones de los minerales</translation>
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
        <translation>¿De verdad quieres salir?</translation>
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
        <translation>Nitrógeno</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potasio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesio</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Hierro</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcio</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Añadido</translation>
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
        <source>%1 added</source>
        <translation>%1 añadido</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Diseña tu experimento</translation>
    </message>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>&amp;Nitrógeno</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>&amp;Potasio</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>&amp;Magnesio</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>&amp;Hierro</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>&amp;Fósforo</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>&amp;Calcio</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>Añadir &amp;agua</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Otra vez</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>&amp;Esqueje</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Haz clic en un mineral para añadirlo al tubo.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Esqueje</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Tubo de ensayo</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Jeringa</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Gota</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Fondo de la tabla</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Fondo de las instrucciones</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Línea entre las columnas de la tabla</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Línea bajo los títulos de la tabla</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Tus resultados</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>&amp;Medir</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>&amp;Nueva prueba</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Tubo de ensayo</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Regla</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Tallo</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Fondo de la tabla</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Línea entre las columnas de la tabla</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Línea bajo los títulos de la tabla</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>Hoja %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>%1 unidades de alto en la regla</translation>
    </message>
</context>
</TS>
