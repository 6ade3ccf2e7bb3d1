<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Dale nitrógeno a la planta: cae una gota en el tubo.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Dale potasio a la planta: cae una gota en el tubo.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Dale magnesio a la planta: cae una gota en el tubo.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Dale hierro a la planta: cae una gota en el tubo.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Dale fósforo a la planta: cae una gota en el tubo.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Dale calcio a la planta: cae una gota en el tubo.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Llena el tubo de ensayo de agua.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Mira cómo crece la planta con tu experimento.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Cierra Quorvel. Antes te lo pregunta.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Vacía el tubo y prepara un experimento nuevo.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Mete el esqueje en el tubo. Después ya no se puede añadir nada más.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Mueve la regla: después haz clic donde quieras que quede su parte de arriba, para medir el tallo.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Vuelve atrás y prepara un experimento nuevo.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>Diseñar el experimento</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>Observar los resultados</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>Qué hace cada mineral</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Acerca de Quorvel</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Usar el teclado</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>Cada botón tiene una letra subrayada: mantén pulsada la tecla Alt y pulsa esa letra para hacer clic en el botón. Tab pasa al botón siguiente y Mayús+Tab al anterior; Intro o la barra espaciadora hacen clic en el botón marcado. F11 hace que Quorvel ocupe toda la pantalla, y Esc lo vuelve a poner en su ventana. F1 abre esta ayuda, y Esc la vuelve a cerrar.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>En esta pantalla diseñas tu experimento. Un esqueje va a crecer en el tubo de ensayo, y tú eliges lo que le das. Haz clic en %1 para llenar el tubo de agua. Después haz clic en cada mineral que quieras darle a la planta: la jeringa echa una gota en el tubo, y la tabla muestra %2 al lado del mineral. No añadas los minerales que quieras investigar.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>Cuando el tubo esté listo, haz clic en %1 para meter el esqueje. Después ya no se puede añadir nada más. Haz clic en %2 para ver cómo crece la planta. %3 vacía el tubo para que puedas preparar un experimento nuevo, y %4 cierra Quorvel (antes te lo pregunta).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>Un buen científico cambia solo una cosa cada vez. Haz crecer una planta con todo lo que necesita, luego otra a la que le falte un solo mineral, y compara las dos.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>%1 te lleva de vuelta, con el tubo vacío, para preparar el siguiente experimento. %2 cierra Quorvel (antes te lo pregunta).</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Quorvel es una simulación de ciencias para escolares: haz crecer un esqueje en un tubo de ensayo y descubre qué minerales necesita una planta.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Versión %1, funciona con Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Quorvel es software libre bajo la GNU General Public License (Licencia Pública General de GNU), versión 3 o cualquier versión posterior (GPL-3.0-or-later). Puedes compartirlo y modificarlo según esa licencia. Se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Hecho por los desarrolladores de Quorvel para el alumnado y su profesorado.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>La planta que ha crecido con tu experimento y una regla para medirla. Pulsa F1 para ver la ayuda.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Diseña tu experimento: llena el tubo de ensayo con agua y minerales y mete un esqueje. Pulsa F1 para ver la ayuda.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Ayuda de Quorvel</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de la ayuda</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>Una planta necesita nitrógeno para formar tallos y hojas nuevos (forma parte de todas las proteínas) y para fabricar clorofila. Si no tiene suficiente nitrógeno, una planta real se queda pequeña y pálida, normalmente más pequeña que si le faltara cualquier otro mineral. Sus hojas más viejas, las de abajo, son las primeras que se ponen de color amarillo pálido, enteras, también los nervios, porque la planta lleva su nitrógeno a las hojas nuevas.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>El potasio ayuda a la planta a controlar su agua: abre y cierra los poros diminutos de las hojas por los que entra el dióxido de carbono y sale el agua. También ayuda a la planta a defenderse de las enfermedades. Si no tiene suficiente potasio, las hojas más viejas se vuelven amarillas y después marrones, empezando por los bordes y las puntas, y pueden salirles manchas marrones.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>El magnesio forma parte de la propia clorofila, así que la planta lo necesita para captar la luz del sol. Cuando le falta, la planta lleva su magnesio a las hojas nuevas, y por eso las primeras en notarlo son las hojas más viejas, las de abajo: se vuelven amarillas entre los nervios, mientras los nervios siguen verdes.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>Una planta necesita muy poco hierro, pero sin él no puede fabricar clorofila. Si no tiene suficiente hierro, las hojas más jóvenes, las de arriba, se vuelven de color amarillo pálido o incluso blancas entre los nervios, mientras los nervios siguen verdes.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>El fósforo ayuda a la planta a llevar por dentro, de un sitio a otro, la energía de la luz del sol, y a formar raíces, flores y semillas. Si no tiene suficiente fósforo, la planta se queda pequeña, y sus hojas más viejas a menudo se vuelven de color verde oscuro con un tono morado o rojizo, primero por el envés (la cara de abajo de la hoja). No todas las plantas se ponen moradas. Quorvel pinta su hoja entera de un morado intenso, para que se vea bien.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>El calcio sirve para formar las paredes de las diminutas células de las que está hecha la planta (las paredes celulares), sobre todo donde crece: en las puntas de sus brotes y de sus raíces. La planta no puede llevar el calcio de las hojas viejas a las nuevas, así que una carencia de calcio se nota primero en las hojas más jóvenes: crecen pequeñas, estrechas y arrugadas, y la punta del brote puede morir.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Cómo simplifica Quorvel las cosas</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>Un esqueje de verdad tarda semanas en mostrar una carencia. Quorvel lo hace crecer al instante.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Quorvel pinta cada hoja de un solo color intenso. Las hojas de verdad cambian poco a poco y de forma desigual, y muchas veces carencias distintas se parecen.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>Cuando falta más de un mineral, Quorvel solo muestra las hojas de algunos de ellos, y a veces elige cuáles al azar.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>Las alturas de Quorvel las fija el modelo, no se han medido en plantas de verdad, y su regla cuenta en sus propias unidades, no en centímetros.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>Esta pantalla muestra cómo ha crecido tu esqueje. La tabla te recuerda qué minerales le has dado. ¿Cuánto ha crecido el tallo? ¿Las hojas son verdes y sanas, o de color amarillo pálido, blancas, con manchas, moradas o arrugadas? En Quorvel, un esqueje sin agua casi no crece y no tiene ninguna hoja.</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>Las plantas verdes fabrican su propio alimento. En sus hojas usan la energía de la luz del sol para transformar agua, y dióxido de carbono del aire, en azúcar: esto se llama fotosíntesis. El dióxido de carbono entra por unos poros diminutos de las hojas. La sustancia verde de las hojas que capta la luz del sol se llama clorofila. Absorbe la luz roja y la azul y refleja la verde, y por eso vemos verdes las hojas.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>Para formar la clorofila y el resto de su cuerpo, una planta también necesita pequeñas cantidades de minerales. Sus raíces los absorben del suelo, en forma de sales minerales disueltas en agua. De ahí saca también su nitrógeno: el aire es casi todo nitrógeno, un gas, pero la planta no puede tomarlo del aire.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>Cuando una planta recibe muy poca cantidad de un mineral, tiene una carencia de ese mineral. Crece menos, y sus hojas a menudo cambian de color o de forma. Las hojas te dan una pista, no la respuesta: carencias distintas pueden parecerse. Por eso los científicos estudian los minerales de uno en uno.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>En Quorvel, un esqueje con agua y los seis minerales echa un tallo que mide %1 unidades en la regla, con %n hoja sana.</numerusform>
            <numerusform>En Quorvel, un esqueje con agua y los seis minerales echa un tallo que mide %1 unidades en la regla, con %n hojas sanas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>En Quorvel, un esqueje con agua y todos los minerales menos este echa un tallo que mide %1 unidades, con %n hoja. Busca esta hoja:</numerusform>
            <numerusform>En Quorvel, un esqueje con agua y todos los minerales menos este echa un tallo que mide %1 unidades, con %n hojas. Busca esta hoja:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>En Quorvel, un esqueje sin %1 echa esta misma hoja, así que la hoja sola no te puede decir cuál de los dos falta.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Para el profesorado, Quorvel trae una guía con un plan de clase, preguntas con sus respuestas y todos los resultados del experimento, en cada uno de los idiomas que habla. En Linux está en la carpeta %1.</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Para medir con el teclado, haz clic en %1 y después pulsa una flecha: aparece un contorno de la regla. Cada flecha lo mueve una unidad de la regla. Al subir o bajar, se detiene por el camino donde su cero queda a la altura de la punta del tallo. Mayús con una flecha lo mueve un paso pequeño, para poner el cero justo a esa altura. Intro o la barra espaciadora deja la regla donde está el contorno, salvo que algo esté en medio; Esc para y deja la regla donde estaba.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Un lector de pantalla dice lo que cambió cada paso: el mineral añadido y la tabla, lo que tiene el tubo de ensayo, el esqueje, cuánto creció el tallo y qué muestran sus hojas, dónde está el contorno de la regla y lo que mide el tallo en la regla.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Mide el tallo con la regla. Hay dos maneras. Arrástrala: pulsa el botón del ratón sobre la regla, llévala junto al tallo y suéltala. O haz clic en %1 y después haz clic donde quieras que quede la parte de arriba de la regla. Pon el 0 de la regla a la altura de la punta del tallo y lee el número que hay junto a la base del tallo, donde sale del tubo: es su altura en unidades de la regla, que son propias de Quorvel y no centímetros. Un esqueje con agua y todos los minerales alcanza %2 unidades de alto.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Aquí Quorvel no es como una planta real. Su hoja conserva los nervios verdes, y su tallo crece más que sin magnesio o sin hierro. En una planta real con carencia de nitrógeno, toda la hoja se pone de color amarillo pálido, también los nervios, y la planta se queda más pequeña que una con carencia de magnesio o de hierro.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Aquí Quorvel no es como una planta real. Pone manchas marrones en todas las hojas, también en las más jóvenes. En una planta real, lo primero que se pone marrón son los bordes y las puntas de las hojas más viejas.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Quorvel da al nitrógeno la misma hoja que al magnesio: de color amarillo pálido con nervios verdes. En una planta real con carencia de nitrógeno, toda la hoja se pone de color amarillo pálido, también los nervios, empezando por las hojas más viejas.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>Una planta real con carencia de nitrógeno suele ser la que menos crece de todas. En Quorvel crece más que una planta con carencia de magnesio o de hierro. Así que compara las alturas entre sí dentro de Quorvel, no con plantas reales.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>Quorvel pone manchas marrones en todas las hojas de una planta con carencia de potasio. En una planta real, lo primero que se pone marrón son los bordes de las hojas más viejas.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>Sin agua, Quorvel sigue una norma propia: el tallo crece muy poco y no tiene ninguna hoja; incluso desaparecen las dos hojas del propio esqueje. Un esqueje real sin agua se marchita y muere.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Ctrl+H abre tu cuaderno de laboratorio desde cualquiera de las dos pantallas. Dentro, las flechas van de un experimento a otro, Supr borra uno, Ctrl+S guarda el cuaderno de laboratorio como CSV, Ctrl+P lo imprime y Esc lo cierra.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Abre el cuaderno de laboratorio</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Quorvel apunta en tu cuaderno de laboratorio cada planta que haces crecer: lo que recibió, lo que muestran sus hojas y la altura que lees junto a la base del tallo al colocar la regla. Allí puedes comparar tus experimentos en una tabla y un gráfico de barras, guardarlos para una hoja de cálculo o imprimirlos. %1 o pulsa Ctrl+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Pulsa Ctrl+H para ver tu cuaderno de laboratorio con los experimentos de esta clase.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>hoja que dejó el experimento anterior</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>los seis</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1 u %2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1 x%2</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>Minerales que faltan</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>Con agua: tallo (unidades de la regla)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>Con agua: hojas, de abajo arriba</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Sin agua: tallo (unidades de la regla)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Sin agua: hojas</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>al azar: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Mineral que falta</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Tallo (unidades de la regla)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>La hoja que hay que buscar</translation>
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
        <translation>hoja verde y sana</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>hoja de color amarillo pálido con nervios verdes</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>hoja blanca con nervios verdes</translation>
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
        <source>empty</source>
        <comment>test tube</comment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>solo minerales</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>agua y minerales</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>solo agua</translation>
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
        <translation>tubo de ensayo, forrado de negro</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>un esqueje con dos hojas, metido en un tubo de ensayo forrado de negro</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>una regla marcada del 0, arriba, al 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>una flecha roja que apunta hacia abajo, a los botones de los minerales</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>hoja verde y estrecha, con el borde ondulado y arrugado</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>hoja de color amarillo pálido con manchas marrones</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>hoja morada y estrecha, con el borde ondulado</translation>
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
        <translation>Cerrar</translation>
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
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel se ha cerrado.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Volver a abrir Quorvel</translation>
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
        <translation>sin medir</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>Lo que falta</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Altura leída, en unidades de la regla</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>Debajo de cada barra: el número del experimento y lo que le falta</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Línea discontinua: la altura según Quorvel</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Gráfico de barras de las alturas leídas</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>Una barra para cada experimento. Las flechas van de una barra a otra.</translation>
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
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1 añadido: la tabla dice %2.</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Agua añadida: el tubo de ensayo tiene %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>Empezamos de nuevo: el tubo de ensayo está vacío y cada mineral dice %1.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>El esqueje está dentro; ya no entra nada más en el tubo de ensayo.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>Experimento</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Hojas</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Altura leída</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Altura según Quorvel</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>Nada</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>Sin hojas</translation>
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
        <translation>Cuaderno de laboratorio de Quorvel</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Aquí se apunta cada planta que haces crecer. Mide cada una con la regla: la altura que lees junto a la base del tallo pasa a la tabla.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>Tus experimentos</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>&amp;Mostrar las alturas según Quorvel (para el profesorado)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>&amp;Borrar experimento…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>&amp;Vaciar el cuaderno de laboratorio…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Guardar como &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>¿Borrar el experimento %1 del cuaderno de laboratorio?</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>¿Vaciar el cuaderno de laboratorio? Se borrarán todos los experimentos que contiene.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>cuaderno</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>No se ha podido guardar el cuaderno de laboratorio: %1. No se ha perdido nada de lo que contiene; puedes guardarlo en otro sitio.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>No se ha podido imprimir el cuaderno de laboratorio. No se ha perdido nada de lo que contiene.</translation>
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
        <translation>&amp;Diseñar otro</translation>
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
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>No creció nada: no había esqueje.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>El tallo creció %1 unidades, sin hojas.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>El tallo creció %1 unidades. Hojas: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Colocar la regla: las flechas la mueven, Intro la deja, Escape para.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>La regla no puede ir ahí: %1 está en medio.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Colocación detenida; la regla ha vuelto.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>Cerca de la punta del tallo</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>Cerca del tallo</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>Cerca de la hoja %1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>Cerca del tubo de ensayo</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, el cero a la altura de la punta del tallo</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, el cero %2 unidades por encima de la punta del tallo</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, el cero %2 unidades por debajo de la punta del tallo</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Regla colocada.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Regla colocada: el tallo va de %1 a %2 en su escala.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
