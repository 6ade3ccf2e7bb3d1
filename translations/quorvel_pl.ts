<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Daj roślinie azot: jedna kropla wpadnie do probówki.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Daj roślinie potas: jedna kropla wpadnie do probówki.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Daj roślinie magnez: jedna kropla wpadnie do probówki.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Daj roślinie żelazo: jedna kropla wpadnie do probówki.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Daj roślinie fosfor: jedna kropla wpadnie do probówki.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Daj roślinie wapń: jedna kropla wpadnie do probówki.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Napełnij probówkę wodą.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Zobacz, jak rośnie roślina w twoim doświadczeniu.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Zamknij program Quorvel. Najpierw zapyta cię o zgodę.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Opróżnij probówkę i zaplanuj nowe doświadczenie.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Wstaw sadzonkę do probówki. Potem nic więcej nie da się już dodać.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Przesuń linijkę: kliknij potem tam, gdzie ma być jej górny koniec, i zmierz łodygę.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Wróć i zaplanuj nowe doświadczenie.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>Planowanie doświadczenia</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>Oglądanie wyników</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>Do czego służy każdy składnik mineralny</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>O programie Quorvel</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>Roślina potrzebuje azotu, żeby budować nowe łodygi i liście (azot jest częścią każdego białka), i żeby wytwarzać chlorofil. Przy niedoborze azotu prawdziwa roślina pozostaje mała i blada, zwykle mniejsza niż przy braku któregokolwiek innego składnika mineralnego. Najpierw jej starsze, dolne liście stają się bladożółte, w całości, razem z nerwami, bo roślina przenosi azot z nich do nowych liści.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>Potas pomaga roślinie gospodarować wodą: otwiera i zamyka maleńkie otwory w liściach (aparaty szparkowe), przez które wnika dwutlenek węgla, a wyparowuje woda. Pomaga też roślinie bronić się przed chorobami. Przy niedoborze potasu starsze liście żółkną, a potem brązowieją, zaczynając od brzegów i wierzchołków, i mogą mieć brązowe plamy.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>Magnez jest częścią samego chlorofilu, więc roślina potrzebuje go, żeby pochłaniać światło słoneczne. Gdy magnezu brakuje, roślina przenosi go do nowych liści, dlatego niedobór widać najpierw na starszych, dolnych liściach: żółkną między nerwami, a nerwy pozostają zielone.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>Roślina potrzebuje tylko bardzo małej ilości żelaza, ale bez niego nie może wytwarzać chlorofilu. Przy niedoborze żelaza najmłodsze liście, na górze rośliny, stają się między nerwami bladożółte, a nawet białe, a nerwy pozostają zielone.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>Fosfor pomaga roślinie przenosić w jej wnętrzu energię pochodzącą ze światła słonecznego, a także wytwarzać korzenie, kwiaty i nasiona. Przy niedoborze fosforu roślina pozostaje mała, a jej starsze liście często stają się ciemnozielone z fioletowym lub czerwonawym odcieniem, najpierw od spodu. Nie każdy gatunek rośliny robi się fioletowy. Quorvel maluje swój liść w całości na jaskrawy fiolet, żeby łatwo go było zauważyć.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>Wapń buduje ściany komórkowe, czyli ściany maleńkich komórek, z których składa się roślina. Najbardziej potrzebny jest tam, gdzie roślina rośnie: na wierzchołkach pędów i korzeni. Roślina nie potrafi przenieść wapnia ze starych liści do nowych, dlatego niedobór widać najpierw na najmłodszych liściach: wyrastają małe, wąskie i pomarszczone, a wierzchołek pędu może obumrzeć.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Co Quorvel upraszcza</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>U prawdziwej sadzonki niedobór widać dopiero po kilku tygodniach. Quorvel hoduje ją od razu.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Quorvel maluje każdy liść jednym wyraźnym kolorem. Prawdziwe liście zmieniają się powoli i nierówno, a objawy różnych niedoborów często wyglądają podobnie.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>Gdy brakuje więcej niż jednego składnika mineralnego, Quorvel pokazuje liście tylko niektórych z nich, a czasem losuje, których.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>Wysokości w programie Quorvel ustala model, nie zmierzono ich na prawdziwych roślinach, a linijka mierzy we własnych jednostkach, nie w centymetrach.</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Praca z klawiaturą</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>Każdy przycisk ma jedną podkreśloną literę: przytrzymaj Alt i naciśnij tę literę, a przycisk zostanie kliknięty. Tab przechodzi do następnego przycisku, a Shift+Tab do poprzedniego; Enter albo spacja klika zaznaczony przycisk. F11 wyświetla program Quorvel na całym ekranie, a Esc przywraca okno. F1 otwiera tę pomoc, a Esc znowu ją zamyka.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>Na tym ekranie planujesz swoje doświadczenie. W probówce będzie rosła sadzonka, a ty decydujesz, co dostanie. Kliknij %1, aby napełnić probówkę wodą. Potem kliknij każdy składnik mineralny, który chcesz dać roślinie: strzykawka wpuści jedną jego kroplę do probówki, a w tabeli obok pojawi się %2. Pomiń te składniki mineralne, których działanie chcesz zbadać.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>Gdy probówka jest gotowa, kliknij %1, aby wstawić do niej sadzonkę. Potem nic więcej nie da się już dodać. Kliknij %2, aby zobaczyć, jak roślina rośnie. Przycisk %3 opróżnia probówkę, aby można było zaplanować nowe doświadczenie, a %4 zamyka program Quorvel (najpierw zapyta cię o zgodę).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>W dobrym doświadczeniu zmieniamy tylko jedną rzecz naraz. Wyhoduj jedną roślinę, która dostała wszystko, czego potrzebuje, potem drugą, której brakuje tylko jednego składnika mineralnego, i porównaj obie.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>Ten ekran pokazuje, jak wyrosła twoja sadzonka. Tabela przypomina, jakie składniki mineralne dostała sadzonka. Jak wysoka urosła łodyga? Czy liście są zielone i zdrowe, czy może bladożółte, białe, w plamy, fioletowe albo pomarszczone? W programie Quorvel sadzonka bez wody prawie nie rośnie i nie ma żadnych liści.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>Przycisk %1 zabiera cię z powrotem do planowania następnego doświadczenia, z pustą probówką. Przycisk %2 zamyka program Quorvel (najpierw zapyta cię o zgodę).</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>Zielone rośliny same wytwarzają sobie pokarm. W liściach, dzięki energii światła słonecznego, zamieniają wodę i dwutlenek węgla z powietrza w cukier: to fotosynteza. Dwutlenek węgla dostaje się do liści przez maleńkie otwory. Zielony barwnik w liściach, który pochłania światło słoneczne, to chlorofil. Pochłania on światło czerwone i niebieskie, a odbija zielone, i dlatego liście wyglądają na zielone.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>Do budowy chlorofilu i całego swojego ciała roślina potrzebuje też niewielkich ilości składników mineralnych. Jej korzenie pobierają je z gleby w postaci soli mineralnych rozpuszczonych w wodzie. Stąd pochodzi też jej azot: powietrze składa się głównie z azotu, ale roślina nie potrafi wykorzystać azotu z powietrza.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>Gdy roślina dostaje za mało jakiegoś składnika mineralnego, ma niedobór tego składnika. Rośnie słabiej, a jej liście często zmieniają kolor lub kształt. Liście dają ci wskazówkę, a nie pewną odpowiedź: niedobory różnych składników mogą wyglądać podobnie. Dlatego naukowcy badają naraz tylko jeden składnik mineralny.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>W programie Quorvel łodyga sadzonki, która dostała wodę i wszystkie sześć składników mineralnych, dorasta na linijce do %1 jednostki, a na niej wyrasta %n zdrowy liść.</numerusform>
            <numerusform>W programie Quorvel łodyga sadzonki, która dostała wodę i wszystkie sześć składników mineralnych, dorasta na linijce do %1 jednostki, a na niej wyrastają %n zdrowe liście.</numerusform>
            <numerusform>W programie Quorvel łodyga sadzonki, która dostała wodę i wszystkie sześć składników mineralnych, dorasta na linijce do %1 jednostki, a na niej wyrasta %n zdrowych liści.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>W programie Quorvel łodyga sadzonki, która dostała wodę i wszystkie składniki mineralne oprócz tego, dorasta do %1 jednostki, a na niej wyrasta %n liść. Szukaj takiego liścia:</numerusform>
            <numerusform>W programie Quorvel łodyga sadzonki, która dostała wodę i wszystkie składniki mineralne oprócz tego, dorasta do %1 jednostki, a na niej wyrastają %n liście. Szukaj takiego liścia:</numerusform>
            <numerusform>W programie Quorvel łodyga sadzonki, która dostała wodę i wszystkie składniki mineralne oprócz tego, dorasta do %1 jednostki, a na niej wyrasta %n liści. Szukaj takiego liścia:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>W programie Quorvel dokładnie taki sam liść wyrasta, gdy pominiesz %1, więc po samym liściu nie poznasz, którego z tych dwóch składników brakuje.</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Quorvel to symulacja przyrodnicza dla uczniów: wyhoduj sadzonkę w probówce i sprawdź, jakich składników mineralnych potrzebuje roślina.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Wersja %1, działa z Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Quorvel to wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub dowolnej późniejszej (GPL-3.0-or-later). Możesz go udostępniać i zmieniać na warunkach tej licencji. Jest dostarczany bez żadnej gwarancji.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Dla nauczycieli do programu Quorvel dołączony jest przewodnik ze scenariuszem lekcji, pytaniami z odpowiedziami i wszystkimi wynikami doświadczenia, w każdym języku, którym mówi program. W systemie Linux znajduje się w folderze %1.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Program stworzyli twórcy Quorvel z myślą o uczniach i ich nauczycielach.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>Roślina, która wyrosła w twoim doświadczeniu, i linijka do jej zmierzenia. Naciśnij F1, aby otworzyć pomoc.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Zaplanuj doświadczenie: napełnij probówkę wodą i składnikami mineralnymi i wstaw do niej sadzonkę. Naciśnij F1, aby otworzyć pomoc.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Pomoc programu Quorvel</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Aby zmierzyć łodygę za pomocą klawiatury, kliknij %1, a potem naciśnij klawisz strzałki: pojawi się zarys linijki. Każda strzałka przesuwa go o jedną jednostkę linijki. Gdy przesuwasz go w górę lub w dół, zatrzymuje się po drodze tam, gdzie kreska zera jest na wysokości wierzchołka łodygi. Strzałka z wciśniętym klawiszem Shift przesuwa go o mały krok, żeby ustawić kreskę zera dokładnie na tej wysokości. Enter albo spacja kładzie linijkę tam, gdzie jest zarys, chyba że coś przeszkadza; Esc przerywa i zostawia linijkę tam, gdzie była.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Czytnik ekranu mówi, co zmienił każdy krok: jaki składnik mineralny dodano i co pokazuje tabela, co jest w probówce, że wstawiono sadzonkę, jak wysoka urosła łodyga i jak wyglądają jej liście, gdzie jest zarys linijki i ile łodyga mierzy na linijce.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Zmierz łodygę linijką. Możesz to zrobić na dwa sposoby. Przeciągnij ją: naciśnij przycisk myszy na linijce, przesuń ją obok łodygi i puść. Albo kliknij %1, a potem kliknij tam, gdzie ma być górny koniec linijki. Ustaw 0 linijki na wysokości wierzchołka łodygi i odczytaj liczbę obok podstawy łodygi, tam, gdzie wychodzi z probówki: to jej wysokość w jednostkach linijki. To własne jednostki programu Quorvel, a nie centymetry. Sadzonka, która dostała wodę i wszystkie składniki mineralne, osiąga wysokość %2 jednostki.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Tu Quorvel różni się od prawdziwej rośliny. Liść w programie Quorvel ma zielone nerwy, a łodyga rośnie wyżej niż bez magnezu albo żelaza. U prawdziwej rośliny przy niedoborze azotu cały liść staje się bladożółty, razem z nerwami, a roślina pozostaje mniejsza niż przy niedoborze magnezu albo żelaza.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Tu Quorvel różni się od prawdziwej rośliny. Pokazuje brązowe plamy na każdym liściu, także na najmłodszych. U prawdziwej rośliny najpierw brązowieją brzegi i wierzchołki starszych liści.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Przy niedoborze azotu Quorvel pokazuje ten sam liść co przy niedoborze magnezu: bladożółty z zielonymi nerwami. U prawdziwej rośliny przy niedoborze azotu cały liść staje się bladożółty, razem z nerwami, najpierw na starszych liściach.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>Prawdziwa roślina przy niedoborze azotu zwykle rośnie najsłabiej ze wszystkich. W programie Quorvel rośnie wyżej niż roślina z niedoborem magnezu albo żelaza. Dlatego porównuj wysokości ze sobą w programie Quorvel, a nie z prawdziwymi roślinami.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>Quorvel pokazuje brązowe plamy na każdym liściu rośliny z niedoborem potasu. U prawdziwej rośliny najpierw brązowieją brzegi starszych liści.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>Reguła programu Quorvel mówi, że bez wody łodyga rośnie tylko trochę i nie ma liści: znikają nawet dwa liście, które miała sadzonka. Prawdziwa sadzonka bez wody więdnie i obumiera.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Na obu ekranach Ctrl+H otwiera twój zeszyt. W zeszycie strzałki przechodzą od doświadczenia do doświadczenia, Delete usuwa jedno z nich, Ctrl+S zapisuje zeszyt jako plik CSV, Ctrl+P go drukuje, a Esc go zamyka.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Otwórz zeszyt</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Program Quorvel zapisuje w twoim zeszycie każdą roślinę, którą wyhodujesz: co dostała, jak wyglądają jej liście i jaką wysokość odczytasz przy podstawie łodygi, gdy położysz linijkę. Tam możesz porównać swoje doświadczenia w tabeli i na wykresie słupkowym, zapisać je do arkusza kalkulacyjnego albo wydrukować. %1 albo naciśnij Ctrl+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Naciśnij Ctrl+H, aby otworzyć zeszyt z doświadczeniami z tej lekcji.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>obraz, który został z poprzedniego doświadczenia</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>wszystkie sześć</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1 (%2 razy)</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>Pominięte składniki mineralne</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>Z wodą: łodyga (jednostki linijki)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>Z wodą: liście, od dołu do góry</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Bez wody: łodyga (jednostki linijki)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Bez wody: liście</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>losowo: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Pominięty składnik mineralny</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Łodyga (jednostki linijki)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>Liść, którego należy szukać</translation>
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
        <translation>zdrowy zielony liść</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>bladożółty liść z zielonymi nerwami</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>biały liść z zielonymi nerwami</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>wąski zielony liść z falistym, pomarszczonym brzegiem</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>bladożółty liść z brązowymi plamami</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>fioletowy liść</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>zdrowy zielony liść, zwisający</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>wąski fioletowy liść z falistym brzegiem</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>pusta</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>same składniki mineralne</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>woda i składniki mineralne</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>przejrzysta woda</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>pusta</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>prawie pusta</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>wciśnięta</translation>
    </message>
    <message>
        <source>full</source>
        <translation>pełna</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>spadająca kropla</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>probówka, zaciemniona</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>sadzonka z dwoma liśćmi, stojąca w zaciemnionej probówce</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>linijka z podziałką od 0 na górze do 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>czerwona strzałka wskazująca w dół przyciski składników mineralnych</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>Czy na pewno chcesz zamknąć program Quorvel?</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation>Składnik</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azot</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potas</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnez</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Żelazo</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosfor</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Wapń</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Dodano</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 – dodano</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel został zamknięty.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Uruchom Quorvel ponownie</translation>
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
        <translation>nie zmierzono</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>Pominięte</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Odczytana wysokość, w jednostkach linijki</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>Pod każdym słupkiem: numer doświadczenia i to, co w nim pominięto</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Linia przerywana: wysokość według programu Quorvel</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Wykres słupkowy odczytanych wysokości</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>Jeden słupek dla każdego doświadczenia. Strzałki przechodzą od słupka do słupka.</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>&amp;Azot</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>&amp;Potas</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>&amp;Magnez</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>Ż&amp;elazo</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>&amp;Fosfor</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>&amp;Wapń</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>&amp;Nalej wody</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>Wyni&amp;ki</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Od nowa</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>&amp;Sadzonka</translation>
    </message>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Planowanie doświadczenia</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Kliknij składnik, aby dodać go do probówki.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Sadzonka</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Probówka</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Strzykawka</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Kropla</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Strzałka</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Tło tabeli</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Tło instrukcji</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Linia między kolumnami tabeli</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Linia pod nagłówkami tabeli</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1 – dodano: tabela pokazuje %2.</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Dodano wodę. Zawartość probówki: %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>Od nowa: probówka jest pusta, a przy każdym składniku mineralnym tabela pokazuje %1.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>Sadzonka jest w probówce; nic więcej nie da się już dodać.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>Doświadczenie</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Woda</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Liście</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Odczytana wysokość</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Wysokość według programu Quorvel</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>Nic</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>Brak liści</translation>
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
        <translation>Zeszyt programu Quorvel</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Tu zostaje zapisana każda roślina, którą wyhodujesz. Zmierz każdą z nich linijką: wysokość odczytana przy podstawie łodygi trafi do tabeli.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>Twoje doświadczenia</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>&amp;Pokaż wysokości według programu Quorvel (dla nauczyciela)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>&amp;Usuń doświadczenie…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>&amp;Wyczyść zeszyt…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Zapisz jako &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>Usunąć doświadczenie %1 z zeszytu?</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>Wyczyścić zeszyt? Wszystkie doświadczenia w nim zostaną usunięte.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Zapisz jako CSV</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>zeszyt</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>Nie udało się zapisać zeszytu: %1. Nic z niego nie zginęło; możesz zapisać go w innym miejscu.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>Nie udało się wydrukować zeszytu. Nic z niego nie zginęło.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>Z&amp;mierz</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>Zaplanuj &amp;nowe</translation>
    </message>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Twoje wyniki</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Probówka</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Linijka</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Łodyga</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Tło tabeli</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Linia między kolumnami tabeli</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Linia pod nagłówkami tabeli</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>Liść %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>wysokość na linijce: %1 jednostki</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>Nic nie wyrosło: w probówce nie było sadzonki.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>Łodyga urosła do %1 jednostki i nie ma żadnych liści.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>Łodyga urosła do %1 jednostki. Liście: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Kładzenie linijki: strzałki ją przesuwają, Enter ją kładzie, Esc przerywa.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>Linijki nie można tam położyć: przeszkadza %1.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Przerwano kładzenie linijki; linijka wróciła na swoje miejsce.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>Przy wierzchołku łodygi</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>Przy łodydze</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>Przy liściu %1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>Przy probówce</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, kreska zera na wysokości wierzchołka łodygi</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, kreska zera %2 jednostki nad wierzchołkiem łodygi</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, kreska zera %2 jednostki pod wierzchołkiem łodygi</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Linijka położona.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Linijka położona: łodyga sięga na podziałce od %1 do %2.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
