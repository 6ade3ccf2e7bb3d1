<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation>folha verde e saudável</translation>
    </message>
    <message>
        <source>pale yellow leaf</source>
        <translation>folha amarelo-clara</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>folha branca com nervuras verdes</translation>
    </message>
    <message>
        <source>small and crinkled green leaf</source>
        <translation>folha verde pequena e enrugada</translation>
    </message>
    <message>
        <source>yellow leaf with brown spots</source>
        <translation>folha amarela com manchas marrons</translation>
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
        <source>small purple leaf with a wavy edge</source>
        <translation>folha roxa pequena com a borda ondulada</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>só sais minerais</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>água e sais minerais</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>água limpa</translation>
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
        <translation>tubo de ensaio, pintado de preto</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>uma muda com duas folhas, dentro de um tubo de ensaio pintado de preto</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>uma régua marcada de 0, em cima, até 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>uma seta vermelha apontando para baixo, para os botões dos minerais</translation>
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
        <translation>Pôr a m&amp;uda</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Clique nos minerais para pôr no tubo.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Muda</translation>
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
        <translation>&amp;Novo teste</translation>
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
</context>
</TS>
