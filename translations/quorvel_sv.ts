<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Ge växten kväve: en droppe hamnar i provröret.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Ge växten kalium: en droppe hamnar i provröret.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Ge växten magnesium: en droppe hamnar i provröret.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Ge växten järn: en droppe hamnar i provröret.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Ge växten fosfor: en droppe hamnar i provröret.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Ge växten kalcium: en droppe hamnar i provröret.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Fyll provröret med vatten.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Se hur växten växer i ditt experiment.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Avsluta Quorvel. Du får en fråga först.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Töm provröret och planera ett nytt experiment.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Sätt sticklingen i provröret. Sedan kan du inte tillsätta något mer.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Flytta linjalen: klicka sedan där dess överkant ska hamna, så kan du mäta stjälken.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Gå tillbaka och planera ett nytt experiment.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>Planera experimentet</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>Titta på resultaten</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>Vad varje mineral gör</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Om Quorvel</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>En växt behöver kväve för att bygga nya stjälkar och blad (kväve finns i alla proteiner) och för att tillverka klorofyll. Utan tillräckligt med kväve förblir en riktig växt liten och blek, oftast mindre än när något annat mineral saknas. Dess äldre, nedre blad blir blekgula först, över hela ytan och också nerverna, eftersom växten flyttar deras kväve till sina nya blad.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>Kalium hjälper växten att styra sin vattenbalans: det öppnar och stänger de små hålen i bladen, klyvöppningarna, som släpper in koldioxid och släpper ut vatten. Det hjälper också växten att stå emot sjukdomar. Utan tillräckligt med kalium blir de äldre bladen gula och sedan bruna, först i kanterna och vid spetsarna, och de kan få bruna fläckar.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>Magnesium är en del av själva klorofyllet, så växten behöver det för att fånga solljus. När det börjar ta slut flyttar växten sitt magnesium till de nya bladen, så bristen syns först på de äldre, nedre bladen: de blir gula mellan bladnerverna, medan nerverna förblir gröna.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>En växt behöver bara en mycket liten mängd järn, men utan järn kan den inte tillverka klorofyll. Utan tillräckligt med järn blir de yngsta bladen, högst upp, blekgula eller till och med vita mellan bladnerverna, medan nerverna förblir gröna.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>Fosfor hjälper växten att flytta runt energin från solljuset inne i växten, och att bilda rötter, blommor och frön. Utan tillräckligt med fosfor förblir växten liten, och dess äldre blad blir ofta mörkgröna med en lila eller rödaktig skiftning, först på undersidan. Alla sorters växter blir inte lila. Quorvel målar bladet klarlila över hela ytan, så att det syns tydligt.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>Kalcium bygger upp cellväggarna, alltså väggarna i de små celler som en växt består av, mest där växten växer: i spetsarna på skotten och rötterna. En växt kan inte flytta kalcium från gamla blad till nya, så en brist syns först på de yngsta bladen: de blir små, smala och krusiga, och skottets spets kan dö.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Så förenklar Quorvel</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>Hos en riktig stickling dröjer det flera veckor innan en brist syns. Quorvel låter den växa på en gång.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Quorvel målar varje blad i en enda stark färg. Riktiga blad förändras långsamt och ojämnt, och olika bristsymtom liknar ofta varandra.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>När mer än ett mineral saknas visar Quorvel bara bladen för några av dem, och ibland väljer programmet slumpvis vilka.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>Höjderna i Quorvel bestäms av modellen och är inte uppmätta på riktiga växter, och linjalen räknar i sina egna enheter, inte i centimeter.</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Använda tangentbordet</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>Varje knapp har en understruken bokstav: håll ner Alt och tryck på den bokstaven, så klickas knappen. Tabb flyttar till nästa knapp och Skift+Tabb till den förra; Enter eller mellanslag klickar på knappen som är markerad. F11 fyller hela skärmen med Quorvel, och Esc tar tillbaka fönstret. F1 öppnar den här hjälpen, och Esc stänger den igen.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>På den här skärmen planerar du ditt experiment. En stickling ska växa i provröret, och du bestämmer vad den får. Klicka på %1 för att fylla provröret med vatten. Klicka sedan på varje mineral som du vill ge växten: sprutan släpper en droppe av det i provröret, och tabellen visar %2 bredvid det. Hoppa över de mineraler som du vill undersöka.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>När provröret är klart klickar du på %1 för att sätta i sticklingen. Sedan kan du inte tillsätta något mer. Klicka på %2 för att se hur växten växer. %3 tömmer provröret så att du kan planera ett nytt experiment, och %4 avslutar Quorvel (du får en fråga först).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>En bra forskare ändrar bara en sak i taget. Låt en växt växa med allt den behöver och sedan en där ett enda mineral saknas, och jämför de två.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>Den här skärmen visar hur din stickling har vuxit. Tabellen påminner dig om vilka mineraler du gav den. Hur hög blev stjälken? Är bladen gröna och friska, eller är de blekgula, vita, fläckiga, lila eller krusiga? I Quorvel växer en stickling utan vatten nästan inte alls och har inga blad.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>Med %1 går du tillbaka och planerar nästa experiment, med ett tomt provrör. %2 avslutar Quorvel (du får en fråga först).</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>Gröna växter gör sin egen mat. I bladen använder de energin i solljuset för att omvandla vatten, och koldioxid från luften, till socker: det kallas fotosyntes. Koldioxiden kommer in genom små hål i bladen. Det gröna ämnet i bladen som fångar solljuset kallas klorofyll (bladgrönt). Det absorberar rött och blått ljus och reflekterar grönt ljus, och därför ser bladen gröna ut.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>För att bygga klorofyll och allt annat som den består av behöver en växt också små mängder mineraler. Rötterna tar upp dem ur jorden, som närsalter lösta i vatten. Det är också där växten får sitt kväve ifrån: luften består mest av kvävgas, men den kan en växt inte använda.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>När en växt får för lite av ett mineral har den brist på det mineralet. Den växer sämre, och bladen ändrar ofta färg eller form. Bladen ger dig en ledtråd, inte ett säkert svar: brist på olika mineraler kan se likadan ut. Därför undersöker forskare ett mineral i taget.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>I Quorvel får en stickling med vatten och alla sex mineraler en stjälk som är %1 enheter lång på linjalen, och %n friskt blad.</numerusform>
            <numerusform>I Quorvel får en stickling med vatten och alla sex mineraler en stjälk som är %1 enheter lång på linjalen, och %n friska blad.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>I Quorvel får en stickling med vatten och alla mineraler utom just det här en stjälk som är %1 enheter lång, och %n blad. Titta efter det här bladet:</numerusform>
            <numerusform>I Quorvel får en stickling med vatten och alla mineraler utom just det här en stjälk som är %1 enheter lång, och %n blad. Titta efter det här bladet:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>I Quorvel får en stickling utan %1 precis samma blad, så bara av bladet kan du inte se vilket av de två mineralerna som saknas.</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Quorvel är en naturvetenskaplig simulering för elever: låt en stickling växa i ett provrör och ta reda på vilka mineraler en växt behöver.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Version %1, körs med Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Quorvel är fri programvara under GNU General Public License, version 3 eller någon senare version (GPL-3.0-or-later). Du får dela och ändra programmet enligt den licensen. Det lämnas ingen garanti.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>För lärare följer det med en handledning till Quorvel, med en lektionsplanering, frågor med svar och alla resultat av experimentet, på varje språk som Quorvel talar. På Linux finns den i mappen %1.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Gjort av Quorvels utvecklare, för elever och deras lärare.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>Växten som har vuxit i ditt experiment, och en linjal att mäta den med. Tryck på F1 för hjälp.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Planera ditt experiment: fyll provröret med vatten och mineraler och sätt i en stickling. Tryck på F1 för hjälp.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Hjälp för Quorvel</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Innehåll</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hjälptext</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Om du vill mäta med tangentbordet klickar du på %1 och trycker sedan på en piltangent: en kontur av linjalen visas. Varje piltangent flyttar den en enhet på linjalen. Uppåt eller nedåt stannar den på vägen där nollstrecket är i jämnhöjd med stjälkens topp. Skift och en piltangent flyttar den ett litet steg, så att du kan lägga nollstrecket exakt i jämnhöjd. Enter eller mellanslag lägger linjalen där konturen är, om inte något är i vägen; Esc avbryter och låter linjalen ligga kvar där den var.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Med en skärmläsare hör du vad varje steg ändrade: vilket mineral som tillsattes och vad tabellen visar, vad provröret innehåller, sticklingen, hur hög stjälken blev och hur bladen ser ut, var linjalens kontur är och vad stjälken mäter på linjalen.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Mät stjälken med linjalen. Det går på två sätt. Dra den: tryck ner musknappen på linjalen, flytta den bredvid stjälken och släpp. Eller klicka på %1 och klicka sedan där linjalens överkant ska hamna. Lägg linjalens 0 i höjd med stjälkens topp och läs av talet bredvid stjälkens nedre ände, där den kommer upp ur provröret: det är stjälkens höjd i linjalens enheter, som bara finns i Quorvel och inte är centimeter. En stickling som får vatten och alla mineraler blir %2 enheter hög.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Här är Quorvel inte som en riktig växt. Bladet behåller gröna nerver, och stjälken blir högre än utan magnesium eller järn. Hos en riktig växt med kvävebrist blir hela bladet blekgult, också nerverna, och växten förblir mindre än en växt med magnesium- eller järnbrist.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Här är Quorvel inte som en riktig växt. Det sätter bruna fläckar på varje blad, också på de yngsta. Hos en riktig växt blir kanterna och spetsarna på de äldre bladen bruna först.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Quorvel ger kväve samma blad som magnesium: blekgult med gröna nerver. Hos en riktig växt med kvävebrist blir hela bladet blekgult, också nerverna, och först på de äldre bladen.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>En riktig växt med kvävebrist växer oftast minst av alla. I Quorvel blir den högre än en växt med magnesium- eller järnbrist. Jämför därför höjderna med varandra inne i Quorvel, inte med riktiga växter.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>Quorvel sätter bruna fläckar på varje blad hos en växt med kaliumbrist. Hos en riktig växt blir kanterna på de äldre bladen bruna först.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>Utan vatten är Quorvels regel att stjälken bara växer lite och inte har några blad: till och med sticklingens egna två blad försvinner. En riktig stickling utan vatten vissnar och dör.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Ctrl+H öppnar din anteckningsbok från båda skärmarna. I anteckningsboken går piltangenterna från experiment till experiment, Delete tar bort ett, Ctrl+S sparar anteckningsboken som CSV, Ctrl+P skriver ut den och Esc stänger den.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Öppna anteckningsboken</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Quorvel skriver in varje växt du odlar i din anteckningsbok: vad den fick, vad bladen visar och höjden du läser av vid stjälkens nedre ände när du lägger ner linjalen. Där kan du jämföra dina experiment i en tabell och ett stapeldiagram, spara dem för ett kalkylprogram eller skriva ut dem. %1, eller tryck på Ctrl+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Tryck på Ctrl+H för att se din anteckningsbok med lektionens experiment.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>bilden som en tidigare körning lämnade kvar</translation>
    </message>
    <message>
        <source>none</source>
        <translation>inga</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>alla sex</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1 eller %2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1 (%2 st.)</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>Utelämnade mineraler</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>Med vatten: stjälk (linjalenheter)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>Med vatten: blad, nerifrån och upp</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Utan vatten: stjälk (linjalenheter)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Utan vatten: blad</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>slumpvis: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Utelämnat mineral</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Stjälk (linjalenheter)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>Bladet att titta efter</translation>
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
        <translation>friskt grönt blad</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>blekgult blad med gröna nerver</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>vitt blad med gröna nerver</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>smalt grönt blad med vågig, krusig kant</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>blekgult blad med bruna fläckar</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>lila blad</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>friskt grönt blad, hänger nedåt</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>smalt lila blad med vågig kant</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>tomt</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>bara mineraler</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>vatten och mineraler</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>klart vatten</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>tom</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>nästan tom</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>nedtryckt</translation>
    </message>
    <message>
        <source>full</source>
        <translation>full</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>en fallande droppe</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>provrör, mörklagt</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>en stickling med två blad, som står i ett mörklagt provrör</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>en linjal med markeringar från 0 högst upp till 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>en röd pil som pekar nedåt mot mineralknapparna</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
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
        <translation>Vill du verkligen avsluta Quorvel?</translation>
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
        <translation>Kväve</translation>
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
        <translation>Järn</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosfor</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Kalcium</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Tillsatt</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 tillsatt</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel har avslutats.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Starta Quorvel igen</translation>
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
        <translation>inte mätt</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>Utelämnat</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Höjden du läste av, i linjalens enheter</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>Under varje stapel: experimentets nummer och vad som utelämnades</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Streckad linje: höjden enligt Quorvel</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Stapeldiagram över höjderna du läste av</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>En stapel för varje experiment. Piltangenterna går från stapel till stapel.</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>&amp;Kväve</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>Ka&amp;lium</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>&amp;Magnesium</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>&amp;Järn</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>&amp;Fosfor</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>Kal&amp;cium</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>Häll i &amp;vatten</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>Se &amp;resultat</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Börja om</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>&amp;Stickling</translation>
    </message>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Planera ditt experiment</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Klicka här för att tillsätta mineraler.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Stickling</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Provrör</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Spruta</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Droppe</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pil</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Tabellens bakgrund</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Instruktionens bakgrund</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Linje mellan tabellens kolumner</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Linje under tabellens rubriker</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1 tillsatt: tabellen visar %2.</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Vatten tillsatt: provröret innehåller %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>Börjat om: provröret är tomt och tabellen visar %1 för alla mineraler.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>Sticklingen sitter i provröret; nu kan inget mer tillsättas.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Vatten</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Blad</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Avläst höjd</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Höjd enligt Quorvel</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>Inget</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>Inga blad</translation>
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
        <translation>Quorvels anteckningsbok</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Varje växt som du odlar skrivs in här. Mät var och en med linjalen: höjden du läser av vid stjälkens nedre ände hamnar i tabellen.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>Dina experiment</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>&amp;Visa höjderna enligt Quorvel (för läraren)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>&amp;Ta bort experiment…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>Tö&amp;m anteckningsboken…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Spara som &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Skriv ut…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>Vill du ta bort experiment %1 ur anteckningsboken?</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>Vill du tömma anteckningsboken? Alla experiment i den tas bort.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Spara som CSV</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>anteckningsbok</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>Anteckningsboken kunde inte sparas: %1. Inget i den har gått förlorat; du kan spara den någon annanstans.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>Anteckningsboken kunde inte skrivas ut. Inget i den har gått förlorat.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>&amp;Flytta linjal</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>&amp;Nytt experiment</translation>
    </message>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Dina resultat</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Provrör</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Linjal</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Stjälk</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Tabellens bakgrund</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Linje mellan tabellens kolumner</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Linje under tabellens rubriker</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>Blad %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>%1 enheter hög på linjalen</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>Ingenting växte: det fanns ingen stickling.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>Stjälken blev %1 enheter hög och fick inga blad.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>Stjälken blev %1 enheter hög. Blad: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Flytta linjalen: piltangenterna flyttar den, Enter lägger den där, Esc avbryter.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>Linjalen kan inte hamna där: %1 är i vägen.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Flyttningen avbröts; linjalen är tillbaka där den var.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>Nära stjälkens topp</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>Nära stjälken</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>Nära blad %1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>Nära provröret</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, nollstrecket i jämnhöjd med stjälkens topp</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, nollstrecket %2 enheter ovanför stjälkens topp</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, nollstrecket %2 enheter under stjälkens topp</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Linjalen är placerad.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Linjalen är placerad: stjälken går från %1 till %2 på skalan.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
