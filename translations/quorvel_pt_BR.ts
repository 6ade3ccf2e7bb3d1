<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Dê nitrogênio à planta: uma gota vai para o tubo.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Dê potássio à planta: uma gota vai para o tubo.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Dê magnésio à planta: uma gota vai para o tubo.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Dê ferro à planta: uma gota vai para o tubo.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Dê fósforo à planta: uma gota vai para o tubo.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Dê cálcio à planta: uma gota vai para o tubo.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Encha o tubo de ensaio com água.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Veja como a planta cresce com o seu experimento.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Feche o Quorvel. Antes, ele pergunta se você tem certeza.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Esvazie o tubo e planeje um novo experimento.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Ponha a estaca no tubo. Depois dela, nada mais pode entrar.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Mova a régua para medir o caule: depois, clique onde deve ficar a parte de cima dela.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Volte e planeje um novo experimento.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>Planejando o experimento</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>Observando os resultados</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>Para que serve cada mineral</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Sobre o Quorvel</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Usando o teclado</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>Cada botão tem uma letra sublinhada: segure a tecla Alt e aperte essa letra para clicar no botão. Tab vai para o próximo botão, e Shift+Tab volta para o anterior; Enter ou a barra de espaço clica no botão que está marcado. F11 faz o Quorvel ocupar a tela inteira, e Esc traz a janela de volta. F1 abre esta ajuda, e Esc fecha a ajuda de novo.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>Nesta tela, você planeja o seu experimento. Uma estaca vai crescer no tubo de ensaio, e você escolhe o que ela recebe. Clique em %1 para encher o tubo com água. Depois, clique em cada mineral que você quer dar à planta: a seringa põe uma gota dele no tubo, e a tabela mostra %2 ao lado do nome dele. Deixe de fora os minerais que você quer investigar.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>Quando o tubo estiver pronto, clique em %1 para colocar a estaca no tubo. Depois disso, nada mais pode entrar. Clique em %2 para ver como a planta cresce. %3 esvazia o tubo para você planejar um novo experimento, e %4 fecha o Quorvel (mas antes pergunta se você tem certeza).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>Um bom cientista muda só uma coisa de cada vez. Cultive uma planta com tudo de que ela precisa, depois outra em que falta só um mineral, e compare as duas.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>%1 leva você de volta à tela de planejamento, com o tubo vazio, para o próximo experimento. %2 fecha o Quorvel (mas antes pergunta se você tem certeza).</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>O Quorvel é uma simulação de ciências para alunos: cultive uma estaca num tubo de ensaio e descubra de quais minerais uma planta precisa.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Versão %1, rodando no Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>O Quorvel é software livre, sob a GNU General Public License (Licença Pública Geral GNU), versão 3 ou qualquer versão posterior (GPL-3.0-or-later). Você pode compartilhar e modificar o programa nos termos dessa licença. Ele vem sem nenhuma garantia.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Feito pelos desenvolvedores do Quorvel, para alunos e seus professores.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>A planta que cresceu no seu experimento e uma régua para medir o caule. Aperte F1 para ver a ajuda.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Planeje o seu experimento: encha o tubo de ensaio com água e minerais e ponha uma estaca dentro dele. Aperte F1 para ver a ajuda.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Ajuda do Quorvel</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto da ajuda</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>A planta precisa de nitrogênio para formar caules e folhas novos (ele faz parte de todas as proteínas) e para produzir clorofila. Sem nitrogênio suficiente, uma planta de verdade fica pequena e pálida, em geral menor do que quando falta qualquer outro mineral. As folhas mais velhas, as de baixo, são as primeiras a ficar amarelo-pálidas, por inteiro, até as nervuras, porque a planta leva o nitrogênio delas para as folhas mais novas.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>O potássio ajuda a planta a controlar a sua água: ele abre e fecha os poros minúsculos das folhas, por onde o gás carbônico entra e a água sai. Ele também ajuda a planta a resistir a doenças. Sem potássio suficiente, as folhas mais velhas ficam amarelas e depois marrons, começando pelas bordas e pelas pontas, e podem ganhar manchas marrons.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>O magnésio faz parte da própria clorofila, por isso a planta precisa dele para captar a luz do sol. Quando ele começa a faltar, a planta leva o seu magnésio para as folhas mais novas, e por isso as folhas mais velhas, as de baixo, mostram a deficiência primeiro: elas ficam amarelas entre as nervuras, enquanto as nervuras continuam verdes.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>A planta precisa só de uma quantidade muito pequena de ferro, mas sem ele não consegue produzir clorofila. Sem ferro suficiente, as folhas mais novas, as de cima, ficam amarelo-pálidas ou até brancas entre as nervuras, enquanto as nervuras continuam verdes.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>O fósforo ajuda a planta a levar a energia da luz do sol de um lugar para outro dentro dela e a formar raízes, flores e sementes. Sem fósforo suficiente, a planta fica pequena, e as folhas mais velhas muitas vezes ficam verde-escuras com um tom roxo ou avermelhado, que aparece primeiro na parte de baixo da folha. Nem todos os tipos de planta ficam roxos. O Quorvel pinta a folha inteira de roxo vivo, para que seja fácil de ver.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>O cálcio é usado para construir as paredes das células minúsculas que formam a planta, principalmente onde ela cresce: nas pontas dos caules e das raízes. A planta não consegue levar o cálcio das folhas velhas para as novas, por isso a deficiência aparece primeiro nas folhas mais novas: elas crescem pequenas, estreitas e enrugadas, e a ponta do caule pode morrer.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Como o Quorvel simplifica as coisas</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>Uma estaca de verdade leva semanas para mostrar uma deficiência. O Quorvel faz a estaca crescer na hora.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>O Quorvel pinta cada folha de uma só cor forte. As folhas de verdade mudam devagar e por partes, e deficiências diferentes muitas vezes se parecem.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>Quando falta mais de um mineral, o Quorvel mostra as folhas de apenas alguns deles e, às vezes, escolhe quais ao acaso.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>As alturas do Quorvel vêm do modelo, não de medidas em plantas de verdade, e a régua dele conta em unidades próprias, não em centímetros.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>Esta tela mostra como a sua estaca cresceu. A tabela lembra quais minerais você deu a ela. Até que altura o caule cresceu? As folhas estão verdes e saudáveis, ou amarelo-pálidas, brancas, manchadas, roxas ou enrugadas? No Quorvel, uma estaca sem água quase não cresce e não tem nenhuma folha.</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>As plantas verdes produzem o próprio alimento. Nas folhas, elas usam a energia da luz do sol para transformar água e gás carbônico do ar em açúcar: isso se chama fotossíntese. O gás carbônico entra pelos poros minúsculos das folhas. A substância verde das folhas que capta a luz do sol se chama clorofila. Ela absorve a luz vermelha e a azul e reflete a verde, e é por isso que as folhas parecem verdes.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>Para formar a clorofila e o resto do corpo, a planta também precisa de pequenas quantidades de minerais. As raízes absorvem esses minerais do solo, na forma de sais minerais dissolvidos na água. É daí que vem também o nitrogênio da planta: o ar é formado principalmente por gás nitrogênio, mas a planta não consegue usar esse gás do ar.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>Quando uma planta recebe pouco de um mineral, ela tem uma deficiência desse mineral. Ela cresce menos, e as folhas muitas vezes mudam de cor ou de forma. As folhas dão uma pista, não uma resposta: deficiências diferentes podem ser parecidas. É por isso que os cientistas investigam um mineral de cada vez.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>No Quorvel, uma estaca que recebe água e os seis minerais forma um caule de %1 unidades na régua, com %n folha saudável.</numerusform>
            <numerusform>No Quorvel, uma estaca que recebe água e os seis minerais forma um caule de %1 unidades na régua, com %n folhas saudáveis.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>No Quorvel, uma estaca que recebe água e todos os minerais menos este forma um caule de %1 unidades e %n folha. Procure esta folha:</numerusform>
            <numerusform>No Quorvel, uma estaca que recebe água e todos os minerais menos este forma um caule de %1 unidades e %n folhas. Procure esta folha:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>No Quorvel, uma estaca sem %1 forma esta mesma folha, então só pela folha não dá para saber qual dos dois minerais está faltando.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Para os professores, o Quorvel traz um guia em cada língua que fala: um plano de aula, perguntas com respostas e todos os resultados do experimento. No Linux, os guias ficam na pasta %1.</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Para medir com o teclado, clique em %1 e depois aperte uma seta: aparece um contorno da régua. Cada seta o move uma unidade da régua. Subindo ou descendo, ele para no ponto em que o zero fica na altura do topo do caule. Shift com uma seta o move um passo pequeno, para deixar o zero exatamente nessa altura. Enter ou a barra de espaço coloca a régua onde está o contorno, a menos que algo esteja no caminho; Esc para e deixa a régua onde estava.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Um leitor de tela diz o que cada passo mudou: o mineral adicionado e a tabela, o que o tubo de ensaio tem, a estaca, quanto o caule cresceu e o que suas folhas mostram, onde está o contorno da régua e quanto o caule mede na régua.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Meça o caule com a régua. Há dois jeitos. Arraste a régua: aperte o botão do mouse em cima dela, leve-a para o lado do caule e solte. Ou clique em %1 e depois clique onde deve ficar a parte de cima da régua. Ponha o 0 da régua na altura do topo do caule e leia o número ao lado da base do caule, onde ele sai do tubo: essa é a altura dele nas unidades da régua, que são do próprio Quorvel e não centímetros. Uma estaca que recebe água e todos os minerais chega a %2 unidades de altura.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Aqui o Quorvel não é como uma planta de verdade. A folha dele mantém as nervuras verdes, e o caule cresce mais do que sem magnésio ou sem ferro. Numa planta de verdade com deficiência de nitrogênio, a folha fica toda amarelo-pálida, até as nervuras, e a planta fica menor do que uma com deficiência de magnésio ou de ferro.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Aqui o Quorvel não é como uma planta de verdade. Ele põe manchas marrons em todas as folhas, até nas mais novas. Numa planta de verdade, as bordas e as pontas das folhas mais velhas são as primeiras a ficar marrons.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>O Quorvel dá ao nitrogênio a mesma folha do magnésio: amarelo-pálida com nervuras verdes. Numa planta de verdade com deficiência de nitrogênio, a folha inteira fica amarelo-pálida, até as nervuras, primeiro nas folhas mais velhas.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>Uma planta de verdade com deficiência de nitrogênio costuma ser a que menos cresce. No Quorvel, ela cresce mais do que uma planta com deficiência de magnésio ou de ferro. Por isso, compare as alturas entre si dentro do Quorvel, e não com plantas de verdade.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>O Quorvel põe manchas marrons em todas as folhas de uma planta com deficiência de potássio. Numa planta de verdade, as bordas das folhas mais velhas são as primeiras a ficar marrons.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>Sem água, a regra do Quorvel é que o caule cresce só um pouco e não tem folhas: até as duas folhas da própria estaca somem. Uma estaca de verdade sem água murcha e morre.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Ctrl+H abre o seu caderno de experimentos em qualquer uma das duas telas. Nele, as setas vão de um experimento para outro, Delete apaga um, Ctrl+S salva o caderno de experimentos como CSV, Ctrl+P o imprime e Esc o fecha.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Abra o caderno de experimentos</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>O Quorvel anota no seu caderno de experimentos cada planta que você faz crescer: o que ela recebeu, o que as folhas dela mostram e a altura que você lê ao lado da base do caule quando coloca a régua. Lá você pode comparar seus experimentos em uma tabela e em um gráfico de barras, salvá-los para uma planilha ou imprimi-los. %1 ou aperte Ctrl+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Aperte Ctrl+H para ver o seu caderno de experimentos com os experimentos desta aula.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>a figura que o experimento anterior deixou</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>todos os seis</translation>
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
        <translation>Minerais deixados de fora</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>Com água: caule (unidades da régua)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>Com água: folhas, de baixo para cima</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Sem água: caule (unidades da régua)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Sem água: folhas</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>ao acaso: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Mineral deixado de fora</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Caule (unidades da régua)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>A folha a procurar</translation>
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
        <translation>folha verde e saudável</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>folha amarelo-pálida com nervuras verdes</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>folha branca com nervuras verdes</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>folha roxa</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>folha verde e saudável, voltada para baixo</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>só minerais</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>água e minerais</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>só água</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>vazia</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>quase vazia</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>apertada</translation>
    </message>
    <message>
        <source>full</source>
        <translation>cheia</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>uma gota caindo</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>tubo de ensaio, encapado de preto</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>uma estaca com duas folhas, dentro de um tubo de ensaio encapado de preto</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>uma régua marcada de 0, em cima, até 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>uma seta vermelha apontando para baixo, para os botões dos minerais</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>folha verde e estreita, com borda ondulada e enrugada</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>folha amarelo-pálida com manchas marrons</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>folha roxa e estreita, com borda ondulada</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Você quer mesmo sair?</translation>
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
        <translation>Nitrogênio</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potássio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnésio</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Cálcio</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Colocado</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 colocado</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>O Quorvel foi encerrado.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Abrir o Quorvel de novo</translation>
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
        <translation>não medida</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>O que ficou de fora</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Altura lida, em unidades da régua</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>Embaixo de cada barra: o número do experimento e o que ficou de fora</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Linha tracejada: a altura segundo o Quorvel</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Gráfico de barras das alturas lidas</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>Uma barra para cada experimento. As setas vão de uma barra para outra.</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Planeje seu experimento</translation>
    </message>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>&amp;Nitrogênio</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>&amp;Potássio</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>&amp;Magnésio</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>&amp;Ferro</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>Fósf&amp;oro</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>&amp;Cálcio</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>Pôr á&amp;gua</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>R&amp;ecomeçar</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>Pôr a es&amp;taca</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Clique nos minerais para pôr no tubo.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Estaca</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Tubo de ensaio</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Seringa</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Gota</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Seta</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Fundo da tabela</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Fundo das instruções</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Linha entre as colunas da tabela</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Linha embaixo dos títulos da tabela</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1 adicionado: a tabela diz %2.</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Água adicionada: o tubo de ensaio tem %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>Recomeçado: o tubo de ensaio está vazio e cada mineral diz %1.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>A estaca está no tubo de ensaio; nada mais pode entrar.</translation>
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
        <translation>Água</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Folhas</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Altura lida</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Altura segundo o Quorvel</translation>
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
        <translation>Sem folhas</translation>
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
        <translation>Caderno de experimentos do Quorvel</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Cada planta que você faz crescer é anotada aqui. Meça cada uma com a régua: a altura que você lê ao lado da base do caule vai para a tabela.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>Seus experimentos</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>&amp;Mostrar as alturas segundo o Quorvel (para o professor)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>&amp;Apagar experimento…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>&amp;Limpar o caderno de experimentos…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Salvar como &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>Apagar o experimento %1 do caderno de experimentos?</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>Limpar o caderno de experimentos? Todos os experimentos que estão nele serão apagados.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Salvar como CSV</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>caderno</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>Não foi possível salvar o caderno de experimentos: %1. Nada do que está nele foi perdido; você pode salvá-lo em outro lugar.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>Não foi possível imprimir o caderno de experimentos. Nada do que está nele foi perdido.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Seus resultados</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>&amp;Medir</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>&amp;Planejar outro</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Tubo de ensaio</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Régua</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Caule</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Fundo da tabela</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Linha entre as colunas da tabela</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Linha embaixo dos títulos da tabela</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>Folha %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>%1 unidades de altura na régua</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>Nada cresceu: não havia estaca.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>O caule cresceu %1 unidades, sem folhas.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>O caule cresceu %1 unidades. Folhas: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Colocar a régua: as setas a movem, Enter a coloca, Esc para.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>A régua não pode ir ali: %1 está no caminho.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Colocação interrompida; a régua voltou.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>Perto do topo do caule</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>Perto do caule</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>Perto da folha %1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>Perto do tubo de ensaio</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, zero na altura do topo do caule</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, zero %2 unidades acima do topo do caule</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, zero %2 unidades abaixo do topo do caule</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Régua colocada.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Régua colocada: o caule vai de %1 a %2 na escala.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
