<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Дати рослині азот: у пробірку падає одна крапля.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Дати рослині калій: у пробірку падає одна крапля.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Дати рослині магній: у пробірку падає одна крапля.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Дати рослині залізо: у пробірку падає одна крапля.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Дати рослині фосфор: у пробірку падає одна крапля.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Дати рослині кальцій: у пробірку падає одна крапля.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Налити в пробірку воду.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Подивитися, як росте рослина у твоєму досліді.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Закрити Quorvel. Спершу програма перепитає.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Спорожнити пробірку й спланувати новий дослід.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Поставити живець у пробірку. Після нього більше нічого додати не можна.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Посунути лінійку: далі клацни там, де має бути її верхній край, щоб виміряти стебло.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Повернутися й спланувати новий дослід.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>Як спланувати дослід</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>Як роздивитися результати</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>Для чого потрібна кожна мінеральна речовина</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Про Quorvel</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>Азот потрібен рослині, щоб будувати нові стебла й листки (він входить до складу кожного білка) і щоб утворювати хлорофіл. Якщо азоту замало, справжня рослина залишається маленькою і блідою, зазвичай меншою, ніж тоді, коли бракує будь-якої іншої мінеральної речовини. Першими стають блідо-жовтими її старші, нижні листки, повністю, разом із жилками, бо рослина переносить їхній азот до нових листків.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>Калій допомагає рослині керувати водою: він відкриває і закриває крихітні отвори в листках, через які всередину надходить вуглекислий газ, а назовні виходить вода. А ще він допомагає рослині боротися з хворобами. Якщо калію замало, старші листки жовтіють, а потім буріють, починаючи з країв і верхівок, і на них можуть з’явитися бурі плями.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>Магній входить до складу самого хлорофілу, тож він потрібен рослині, щоб уловлювати сонячне світло. Коли магнію бракує, рослина переносить його до нових листків, тому першими це показують старші, нижні листки: вони жовтіють між жилками, а жилки залишаються зеленими.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>Заліза рослині потрібно зовсім трохи, але без нього вона не може утворювати хлорофіл. Якщо заліза замало, наймолодші листки, на верхівці, стають блідо-жовтими або навіть білими між жилками, а жилки залишаються зеленими.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>Фосфор допомагає рослині переносити всередині себе енергію сонячного світла, а також вирощувати корені, квітки й насіння. Якщо фосфору замало, рослина залишається маленькою, а її старші листки часто стають темно-зеленими з фіолетовим або червонуватим відтінком, спершу знизу. Не кожна рослина стає фіолетовою. Quorvel фарбує свій листок повністю в яскраво-фіолетовий колір, щоб його було легко помітити.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>Кальцій будує стінки крихітних клітин, з яких складається рослина, найбільше там, де вона росте: на верхівках пагонів і коренів. Рослина не може переносити кальцій зі старих листків до нових, тому нестача кальцію першою проявляється на наймолодших листках: вони виростають маленькими, вузькими і зморшкуватими, а верхівка пагона може відмерти.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Що Quorvel спрощує</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>Справжньому живцю потрібні тижні, щоб показати нестачу. Quorvel вирощує його одразу.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Quorvel фарбує кожен листок в один яскравий колір. Справжні листки змінюються повільно й нерівномірно, а ознаки різних нестач часто схожі.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>Коли бракує кількох мінеральних речовин, Quorvel показує листки лише деяких із них, а іноді вибирає, які саме, випадково.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>Висоту рослин у Quorvel задає модель, її не виміряно на справжніх рослинах, а лінійка рахує у власних одиницях, а не в сантиметрах.</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Як працювати з клавіатурою</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>На кожній кнопці одна літера підкреслена: утримуй Alt і натисни цю літеру, і кнопка спрацює. Tab переходить до наступної кнопки, а Shift+Tab — до попередньої; Enter або пробіл натискає позначену кнопку. F11 розгортає Quorvel на весь екран, а Escape повертає вікно. F1 відкриває цю довідку, а Escape знову її закриває.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>На цьому екрані ти плануєш свій дослід. У пробірці ростиме живець рослини, і ти вибираєш, що він отримає. Натисни %1, щоб налити в пробірку воду. Потім натискай кожну мінеральну речовину, яку хочеш дати рослині: шприц додає одну її краплю в пробірку, а таблиця показує поруч %2. Не додавай ті мінеральні речовини, які хочеш дослідити.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>Коли пробірка готова, натисни %1, щоб поставити в неї живець. Після цього більше нічого додати не можна. Натисни %2, щоб побачити, як росте рослина. %3 спорожнює пробірку, щоб можна було спланувати новий дослід, а %4 закриває Quorvel (спершу програма перепитає).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>Справжній науковець змінює лише одну умову за раз. Вирости одну рослину з усім, що їй потрібно, а потім ще одну без однієї мінеральної речовини, і порівняй їх.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>На цьому екрані видно, як виріс твій живець. Таблиця нагадує, які мінеральні речовини отримав живець. Наскільки високим виросло стебло? Листки зелені й здорові чи блідо-жовті, білі, плямисті, фіолетові або зморшкуваті? У Quorvel живець без води майже не росте і зовсім не має листків.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>%1 повертає тебе до планування наступного досліду з порожньою пробіркою. %2 закриває Quorvel (спершу програма перепитає).</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>Зелені рослини самі створюють собі їжу. У листках вони використовують енергію сонячного світла, щоб перетворити воду й вуглекислий газ із повітря на цукор: це називають фотосинтезом. Вуглекислий газ потрапляє в листки через крихітні отвори. Зелена речовина в листках, яка уловлює сонячне світло, називається хлорофілом. Він поглинає червоне й синє світло і відбиває зелене, тому листки здаються зеленими.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>Щоб утворювати хлорофіл і решту свого тіла, рослині також потрібні невеликі кількості мінеральних речовин. Її корені поглинають їх із ґрунту у вигляді мінеральних солей, розчинених у воді. Звідти рослина отримує й азот: повітря здебільшого складається з газу азоту, але рослина не може брати його з повітря.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>Коли рослина отримує замало якоїсь мінеральної речовини, у неї виникає нестача цієї речовини. Вона росте гірше, а її листки часто змінюють колір або форму. Листки дають тобі підказку, а не відповідь: різні нестачі можуть мати схожі ознаки. Саме тому науковці досліджують по одній мінеральній речовині за раз.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>У Quorvel живець, що отримав воду й усі шість мінеральних речовин, виростає зі стеблом до позначки %1 на лінійці та з %n здоровим листком.</numerusform>
            <numerusform>У Quorvel живець, що отримав воду й усі шість мінеральних речовин, виростає зі стеблом до позначки %1 на лінійці та з %n здоровими листками.</numerusform>
            <numerusform>У Quorvel живець, що отримав воду й усі шість мінеральних речовин, виростає зі стеблом до позначки %1 на лінійці та з %n здоровими листками.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>У Quorvel живець, що отримав воду й усі мінеральні речовини, крім цієї, виростає зі стеблом до позначки %1 на лінійці та з %n листком. Шукай такий листок:</numerusform>
            <numerusform>У Quorvel живець, що отримав воду й усі мінеральні речовини, крім цієї, виростає зі стеблом до позначки %1 на лінійці та з %n листками. Шукай такий листок:</numerusform>
            <numerusform>У Quorvel живець, що отримав воду й усі мінеральні речовини, крім цієї, виростає зі стеблом до позначки %1 на лінійці та з %n листками. Шукай такий листок:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>У Quorvel такий самий листок виростає і в живця, якому бракує мінеральної речовини %1, тож за одним листком не можна визначити, якої з двох речовин бракує.</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Quorvel — це наукова симуляція для учнів: вирости живець рослини в пробірці й з’ясуй, які мінеральні речовини потрібні рослині.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Версія %1, працює на Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Quorvel — вільне програмне забезпечення за ліцензією GNU General Public License версії 3 або будь-якої пізнішої версії (GPL-3.0-or-later). Ти можеш поширювати і змінювати його на умовах цієї ліцензії. Програма постачається без жодних гарантій.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Для вчителів разом із Quorvel постачається посібник із планом уроку, запитаннями з відповідями та всіма результатами досліду кожною мовою, якою розмовляє програма. У Linux він лежить у теці %1.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Створено розробниками Quorvel для учнів та їхніх учителів.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>Рослина, що виросла у твоєму досліді, і лінійка, щоб її виміряти. Натисни F1, щоб відкрити довідку.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Сплануй свій дослід: налий у пробірку воду, додай мінеральні речовини й постав у неї живець. Натисни F1, щоб відкрити довідку.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Довідка Quorvel</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Зміст</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Текст довідки</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Щоб виміряти за допомогою клавіатури, натисни %1, а потім клавішу зі стрілкою: з’явиться контур лінійки. Кожна стрілка посуває його на одну одиницю лінійки. Рухаючись угору чи вниз, він дорогою зупиняється там, де нульова позначка на рівні верхівки стебла. Shift зі стрілкою посуває його на один маленький крок, щоб поставити нульову позначку точно на рівень верхівки. Enter або пробіл кладе лінійку туди, де контур, якщо нічого не заважає; Escape скасовує, і лінійка лишається там, де була.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Програма зчитування з екрана промовляє, що змінив кожен крок: додану мінеральну речовину і запис у таблиці, що є в пробірці, живець, наскільки виросло стебло і що видно на його листках, де контур лінійки і що показує стебло на лінійці.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Виміряй стебло лінійкою. Це можна зробити двома способами. Перетягни її: натисни кнопку миші на лінійці, посунь її до стебла й відпусти. Або натисни %1, а потім клацни там, де має бути верхній край лінійки. Постав 0 лінійки на рівні верхівки стебла й прочитай число навпроти основи стебла, там, де воно виходить із пробірки: це його висота в одиницях лінійки. Це власні одиниці Quorvel, а не сантиметри. Живець, що отримав воду й усі мінеральні речовини, виростає до позначки %2.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Тут Quorvel не такий, як справжня рослина. Його листок зберігає зелені жилки, а стебло виростає вищим, ніж без магнію чи заліза. У справжньої рослини, якій бракує азоту, листок стає блідо-жовтим повністю, разом із жилками, а сама рослина залишається меншою, ніж та, якій бракує магнію чи заліза.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Тут Quorvel не такий, як справжня рослина. Він вкриває бурими плямами кожен листок, навіть наймолодші. У справжньої рослини першими буріють краї та верхівки старших листків.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Quorvel дає азоту такий самий листок, як і магнію: блідо-жовтий із зеленими жилками. У справжньої рослини, якій бракує азоту, блідо-жовтим стає весь листок, разом із жилками, і спершу на старших листках.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>Справжня рослина, якій бракує азоту, зазвичай росте найгірше з усіх. У Quorvel вона виростає вищою, ніж рослина, якій бракує магнію чи заліза. Тож порівнюй висоти між собою в Quorvel, а не зі справжніми рослинами.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>Quorvel вкриває бурими плямами кожен листок рослини, якій бракує калію. У справжньої рослини першими буріють краї старших листків.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>Без води в Quorvel діє таке правило: стебло виростає зовсім трохи й не має листків — зникають навіть два власні листки живця. Справжній живець без води в’яне й гине.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Ctrl+H відкриває твій зошит з будь-якого з двох екранів. У зошиті клавіші зі стрілками переходять від досліду до досліду, Delete видаляє дослід, Ctrl+S зберігає зошит у форматі CSV, Ctrl+P друкує його, а Escape закриває.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Відкрий зошит</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Quorvel записує у твій зошит кожну рослину, яку ти вирощуєш: що вона отримала, що показують її листки і висоту за лінійкою — число біля основи стебла, яке ти читаєш, коли кладеш лінійку. Там можна порівняти твої досліди в таблиці й на стовпчастій діаграмі, зберегти їх для електронної таблиці або надрукувати. %1 або натисни Ctrl+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Натисни Ctrl+H, щоб відкрити зошит із дослідами цього уроку.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>малюнок, що лишився від попереднього запуску</translation>
    </message>
    <message>
        <source>none</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>усі шість</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1 або %2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1 ×%2</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>Не додані мінеральні речовини</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>З водою: стебло (одиниці лінійки)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>З водою: листки знизу догори</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Без води: стебло (одиниці лінійки)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Без води: листки</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>випадково: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Не додана мінеральна речовина</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Стебло (одиниці лінійки)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>Листок, який треба шукати</translation>
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
        <translation>здоровий зелений листок</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>блідо-жовтий листок із зеленими жилками</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>білий листок із зеленими жилками</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>вузький зелений листок із хвилястим, зморшкуватим краєм</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>блідо-жовтий листок із бурими плямами</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>фіолетовий листок</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>здоровий зелений листок, що звисає</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>вузький фіолетовий листок із хвилястим краєм</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>порожня</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>лише мінеральні речовини</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>вода й мінеральні речовини</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>прозора вода</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>порожній</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>майже порожній</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>натиснутий</translation>
    </message>
    <message>
        <source>full</source>
        <translation>повний</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>крапля, що падає</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>пробірка, затемнена</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>живець рослини з двома листками в затемненій пробірці</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>лінійка з поділками від 0 угорі до 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>червона стрілка, що вказує вниз на кнопки мінеральних речовин</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Так</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
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
        <translation>Ти справді хочеш вийти?</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation>Речовина</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Азот</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Калій</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Магній</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Залізо</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Фосфор</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Кальцій</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Додано</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1: додано</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel завершив роботу.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Запустити Quorvel знову</translation>
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
        <translation>не виміряно</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>Не додано</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Висота за лінійкою, в одиницях лінійки</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>Під кожним стовпчиком: номер досліду і те, чого в ньому не додано</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Штрихова лінія: висота за Quorvel</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Стовпчаста діаграма висот за лінійкою</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>Один стовпчик для кожного досліду. Клавіші зі стрілками переходять від стовпчика до стовпчика.</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>&amp;Азот</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>&amp;Калій</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>&amp;Магній</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>&amp;Залізо</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>&amp;Фосфор</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>Ка&amp;льцій</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>&amp;Налити воду</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>&amp;Результати</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Вийти</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Почати знову</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>В&amp;ставити</translation>
    </message>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Плануємо дослід</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Клацни речовину, щоб додати її.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Живець</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Пробірка</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Шприц</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Крапля</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Стрілка</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Тло таблиці</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Тло інструкцій</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Лінія між стовпцями таблиці</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Лінія під заголовками таблиці</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1: додано, у таблиці записано «%2».</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Воду налито: у пробірці %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>Почато знову: пробірка порожня, а біля кожної мінеральної речовини записано «%1».</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>Живець у пробірці; більше нічого додати не можна.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>Дослід</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Вода</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Листки</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Висота за лінійкою</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Висота за Quorvel</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>Нічого</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>Без листків</translation>
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
        <translation>Зошит Quorvel</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Тут записано кожну рослину, яку ти вирощуєш. Виміряй кожну лінійкою: висота, яку ти прочитаєш біля основи стебла, потрапить у таблицю.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>Твої досліди</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>&amp;Показати висоти за Quorvel (для вчителя)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>&amp;Видалити дослід…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>&amp;Очистити зошит…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>&amp;Зберегти як CSV…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>На&amp;друкувати…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>Видалити дослід %1 із зошита?</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>Очистити зошит? Усі досліди в ньому буде видалено.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Зберегти як CSV</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>зошит</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>Не вдалося зберегти зошит: %1. Нічого з нього не втрачено; можеш зберегти його в іншому місці.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>Не вдалося надрукувати зошит. Нічого з нього не втрачено.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Вийти</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>Ви&amp;міряти</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>&amp;Новий дослід</translation>
    </message>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Твої результати</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Пробірка</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Лінійка</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Стебло</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Тло таблиці</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Лінія між стовпцями таблиці</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Лінія під заголовками таблиці</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>Листок %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>висота за лінійкою: %1</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>Нічого не виросло: живця не було.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>Стебло виросло до позначки %1 на лінійці, без листків.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>Стебло виросло до позначки %1 на лінійці. Листки: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Розміщення лінійки: стрілки посувають її, Enter кладе, Escape скасовує.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>Лінійку не можна покласти сюди; на заваді: %1.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Розміщення скасовано; лінійка на попередньому місці.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>Біля верхівки стебла</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>Біля стебла</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>Біля листка %1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>Біля пробірки</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, нульова позначка на рівні верхівки стебла</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, нульова позначка на %2 вище від верхівки стебла</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, нульова позначка на %2 нижче від верхівки стебла</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Лінійку покладено.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Лінійку покладено: стебло на її шкалі тягнеться від %1 до %2.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
