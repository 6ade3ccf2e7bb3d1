<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>给植物加氮：往试管里滴一滴。</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>给植物加钾：往试管里滴一滴。</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>给植物加镁：往试管里滴一滴。</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>给植物加铁：往试管里滴一滴。</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>给植物加磷：往试管里滴一滴。</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>给植物加钙：往试管里滴一滴。</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>往试管里加水。</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>看看在你的实验中植物长得怎么样。</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>退出 Quorvel。退出前会先问你。</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>倒空试管，设计一个新实验。</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>把插条插入试管。插入以后就不能再往试管里加东西了。</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>移动直尺：接着点击直尺顶端要放的位置，就能测量茎的高度。</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>返回，设计一个新实验。</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>设计实验</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>观察结果</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>每种无机盐的作用</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>关于 Quorvel</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>植物需要氮来长出新的茎和叶（每种蛋白质里都有氮），也需要氮来合成叶绿素。真实的植物缺氮时，植株矮小，叶色变淡，通常比缺少其他任何一种无机盐时都矮小。下部的老叶最先变成淡黄色，而且是整片叶子连同叶脉一起变黄，因为植物会把老叶里的氮转移到新叶中。</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>钾帮助植物调节体内的水分：叶片上有微小的气孔，二氧化碳从气孔进入叶片，水分从气孔散失，钾能让气孔张开和闭合。钾还帮助植物抵抗病害。缺钾时，老叶先变黄、再变褐，从叶缘和叶尖开始，还可能出现褐色斑点。</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>镁是叶绿素本身的组成成分，所以植物需要镁来吸收光能。镁不够时，植物会把镁转移到新叶中，所以下部的老叶最先出现症状：叶脉之间变黄，而叶脉仍然是绿色的。</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>植物只需要极少量的铁，但是没有铁就不能合成叶绿素。缺铁时，最上面的新叶在叶脉之间变成淡黄色，甚至白色，而叶脉仍然是绿色的。</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>磷帮助植物在体内传递来自阳光的能量，也帮助植物长出根、花和种子。缺磷时，植株矮小，老叶常常变成暗绿色，略带紫色或红色，先从叶片背面开始。并不是每种植物都会变紫。Quorvel 把这种叶片整片画成鲜艳的紫色，让你一眼就能看出来。</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>植物体由微小的细胞构成，钙参与构成这些细胞的细胞壁，在植物生长的部位需要得最多，也就是茎尖和根尖。植物不能把钙从老叶转移到新叶，所以缺钙的症状最先出现在最上面的新叶上：新叶长得又小又窄，叶缘皱缩，茎尖还可能枯死。</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Quorvel 做了哪些简化</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>真实的插条要过几个星期才会出现缺乏的症状。Quorvel 让它一下子就长好。</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Quorvel 把每片叶子画成一种鲜明的颜色。真实的叶片变化缓慢、不均匀，而且缺乏不同的无机盐时，症状常常很相似。</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>缺少不止一种无机盐时，Quorvel 只显示其中几种无机盐的叶片，有时还随机选择显示哪几种。</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>Quorvel 中的高度是模型设定的，不是在真实植物上测出来的；它的直尺用自己的单位，不是厘米。</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>使用键盘</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>每个按钮上都有一个带下划线的字母：按住 Alt 键再按这个字母，就等于点击这个按钮。按 Tab 键移到下一个按钮，按 Shift+Tab 移到上一个按钮；按回车键或空格键就点击选中的按钮。按 F11 让 Quorvel 占满整个屏幕，按 Esc 键恢复成窗口。按 F1 打开这个帮助，按 Esc 键再把它关上。</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>在这个屏幕上，你来设计实验。一段插条将在试管里生长，给它什么由你来选。点击%1按钮，往试管里加水。然后点击你想给植物的每种无机盐：注射器把它往试管里滴一滴，表格中这种无机盐的旁边就会显示“%2”。你想研究哪种无机盐，就不要加它。</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>试管准备好以后，点击%1按钮，把插条插进去。插入以后就不能再往试管里加东西了。点击%2按钮，看看植物长得怎么样。%3按钮会倒空试管，让你设计一个新实验；%4按钮会退出 Quorvel（退出前会先问你）。</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>好的科学家每次只改变一个条件。先让一株植物得到它需要的一切，再让另一株只缺一种无机盐，然后比较这两株。</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>这个屏幕显示你的插条长得怎么样。表格提醒你给了它哪些无机盐。茎长了多高？叶片是绿色、健康的，还是淡黄色、白色、有斑点、紫色或皱缩的？在 Quorvel 中，没有水的插条几乎不长，也根本没有叶片。</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>%1按钮带你返回，用一支空试管设计下一个实验。%2按钮会退出 Quorvel（退出前会先问你）。</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>绿色植物自己制造食物。它们在叶片里利用阳光的能量，把水和空气中的二氧化碳变成糖，这叫做光合作用。二氧化碳通过叶片上微小的孔进入叶片。叶片中吸收阳光的绿色物质叫做叶绿素。叶绿素主要吸收红光和蓝紫光，而把绿光反射出去，所以叶片看起来是绿色的。</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>为了合成叶绿素、构成身体的其他部分，植物还需要少量的无机盐。根从土壤中吸收溶解在水中的无机盐。植物体内的氮也是这样来的：空气中大部分是氮气，但是植物不能直接利用空气中的氮气。</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>植物得到的某种无机盐太少，就是缺乏这种无机盐。它会长得差一些，叶片的颜色或形状也常常发生变化。叶片只给你线索，不给你答案：缺乏不同的无机盐，症状可能很像。所以科学家每次只研究一种无机盐。</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>在 Quorvel 中，加了水和全部六种无机盐的插条，茎在直尺上长到 %1 个单位，长出 %n 片健康的叶子。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>在 Quorvel 中，只缺这种无机盐（加了水和其他所有无机盐）的插条，茎长到 %1 个单位，长出 %n 片叶子。要注意找这样的叶子：</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>在 Quorvel 中，缺%1的插条也长出同样的叶子，所以只看叶子，无法判断缺的是这两种中的哪一种。</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Quorvel 是一款给学生用的科学模拟软件：在试管里培养插条，找出植物需要哪些无机盐。</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>版本 %1，运行于 Qt %2。</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Quorvel 是自由软件，按照 GNU 通用公共许可证第 3 版或任何更高版本（GPL-3.0-or-later）发布。你可以按照这个许可证分享和修改它。本软件不提供任何担保。</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Quorvel 附有给教师的指南，内有教学设计、问题及答案和实验的全部结果，Quorvel 支持的每种语言都有。在 Linux 上，指南在文件夹 %1 中。</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>由 Quorvel 开发者制作，献给学生和他们的老师。</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>你的实验长出的植物，还有测量它的直尺。按 F1 获取帮助。</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>设计你的实验：往试管里加入水和无机盐，再插入插条。按 F1 获取帮助。</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Quorvel 帮助</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>帮助正文</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>要用键盘测量，先点击%1按钮，再按方向键，这时会出现直尺的轮廓。每按一次方向键，轮廓移动直尺上的一个单位。向上或向下移动时，轮廓会在途中零刻度线与茎的顶端齐平的位置停一下。按住 Shift 键再按方向键，轮廓只移动一小步，用来让零刻度线与茎的顶端正好齐平。按回车键或空格键，就把直尺放到轮廓所在的位置，除非有东西挡住；按 Esc 键则停止放置，直尺留在原来的位置。</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>使用屏幕阅读器时，每一步改变了什么都会读出来：加入了哪种无机盐和表格中的记录、试管里有什么、插条已插入、茎长了多高和叶片是什么样子、直尺的轮廓在哪里，以及茎在直尺上的读数。</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>用直尺测量茎的高度，有两种方法。一是拖动：在直尺上按住鼠标键，把直尺移到茎的旁边再松开。二是先点击%1按钮，再点击直尺顶端要放的位置。把直尺的零刻度线对准茎的顶端，再读出茎的底部（茎从试管里伸出的地方）旁边的数字，这就是茎的高度。它的单位是 Quorvel 直尺自己的单位，不是厘米。加了水和全部无机盐的插条能长到 %2 个单位高。</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>在这一点上，Quorvel 和真实的植物不一样。Quorvel 中缺氮的叶片保留着绿色的叶脉，茎也比缺镁或缺铁时长得高。真实的植物缺氮时，整片叶子连同叶脉都变成淡黄色，植株也比缺镁或缺铁的植株更矮小。</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>在这一点上，Quorvel 和真实的植物不一样。Quorvel 让缺钾植株的每片叶子都长出褐色斑点，连最上面的新叶也不例外。真实的植物缺钾时，老叶的叶缘和叶尖最先变成褐色。</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Quorvel 让缺氮和缺镁长出同样的叶片：淡黄色，叶脉是绿色的。真实的植物缺氮时，整片叶子连同叶脉都变成淡黄色，而且从老叶开始。</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>真实的植物缺氮时，通常长得最矮。在 Quorvel 中，缺氮的植株却比缺镁或缺铁的植株长得高。所以，只在 Quorvel 里互相比较高度，不要拿它们和真实的植物比较。</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>缺钾时，Quorvel 让植株的每片叶子都长出褐色斑点。真实的植物缺钾时，老叶的叶缘最先变成褐色。</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>没有水时，Quorvel 的规则是：茎只长一点点，而且没有叶片，连插条原来的两片叶子也不见了。真实的插条没有水会萎蔫、死亡。</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>在两个屏幕上都可以按 Ctrl+H 打开你的实验记录本。在实验记录本里，按方向键从一个实验移到另一个实验，按 Delete 键删除一个实验，按 Ctrl+S 把实验记录本保存为 CSV 文件，按 Ctrl+P 打印，按 Esc 键关闭。</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>打开实验记录本</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Quorvel 会把你培养的每一株植物都写进你的实验记录本：加了什么、叶片是什么样子，以及你放好直尺后在茎的底部读出的高度。你可以在那里用表格和条形图比较你的实验，把它们保存下来用电子表格打开，或者打印出来。%1，或者按 Ctrl+H。</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>按 Ctrl+H 打开本节课的实验记录本。</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>上一次运行留下的图片</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>全部六种</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1或%2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1（%2 片）</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>缺少的无机盐</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>有水：茎高（直尺单位）</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>有水：叶片（从下到上）</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>无水：茎高（直尺单位）</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>无水：叶片</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>随机：%1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>缺少的无机盐</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>茎高（直尺单位）</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>要找的叶片</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two minerals; Arabic and Chinese write their own comma.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the leaves of two places up the stem; Greek writes its semicolon as a raised dot, as its question mark is &quot;;&quot;.</extracomment>
        <translation>；</translation>
    </message>
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation>健康的绿色叶片</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>叶脉绿色的淡黄色叶片</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>叶脉绿色的白色叶片</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>叶缘呈波浪状并皱缩的绿色窄叶</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>有褐色斑点的淡黄色叶片</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>紫色叶片</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>向下垂的健康绿色叶片</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>叶缘呈波浪状的紫色窄叶</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>空的</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>只有无机盐</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>水和无机盐</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>清水</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>空的</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>快空了</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>已推下</translation>
    </message>
    <message>
        <source>full</source>
        <translation>满的</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>正在落下的一滴</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>遮光的试管</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>一段带两片叶子的插条，插在遮光的试管里</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>一把直尺，刻度从顶端的 0 到 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>一个红色箭头，向下指着无机盐按钮</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>你真的要退出吗？</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation>无机盐</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>氮</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>钾</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>镁</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>铁</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>磷</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>钙</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>已加入</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1已加入</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel 已退出。</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>重新启动 Quorvel</translation>
    </message>
</context>
<context>
    <name>quorvel::BarChart</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A bar&apos;s label: the experiment&apos;s number, then what it left out.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>未测量</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>缺少的</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>你读出的高度（直尺单位）</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>每个条形下方：实验编号，以及这个实验缺少什么</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>虚线：Quorvel 给出的高度</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>你读出的高度的条形图</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>每个实验一个条形。按方向键从一个条形移到另一个条形。</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>氮(&amp;N)</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>钾(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>镁(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>铁(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>磷(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>钙(&amp;C)</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>加水(&amp;W)</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>看结果(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>重新开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>插入插条(&amp;A)</translation>
    </message>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - 设计你的实验</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>点一下无机盐，把它加入试管。</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>插条</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>试管</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>注射器</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>液滴</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>箭头</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>表格的背景</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>说明文字的背景</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>表格两列之间的线</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>表头下面的线</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1已加入：记录为“%2”。</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>已加水：试管里现在是%1。</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>已重新开始：试管空了，每种无机盐都显示“%1”。</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>插条已插入，试管里不能再加东西了。</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>实验</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>叶片</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>你读出的高度</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Quorvel 给出的高度</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>没有叶片</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two leaves&apos; looks, which may hold commas themselves.</extracomment>
        <translation>；</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookWindow</name>
    <message>
        <source>Quorvel Notebook</source>
        <translation>Quorvel 实验记录本</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>你培养的每一株植物都记在这里。用直尺测量每一株：你在茎的底部读出的高度会填进表格。</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>你的实验</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>显示 Quorvel 给出的高度（供教师查看）(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>删除实验(&amp;D)…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>清空实验记录本(&amp;L)…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>保存为 CSV 文件(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>要从实验记录本中删除实验 %1 吗？</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>要清空实验记录本吗？里面的所有实验都会被删除。</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>保存为 CSV 文件</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>实验记录本</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>实验记录本没能保存：%1。里面的内容一点也没有丢失，你可以把它保存到别的地方。</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>实验记录本没能打印。里面的内容一点也没有丢失。</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>测量(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>新实验(&amp;N)</translation>
    </message>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - 你的实验结果</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>试管</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>直尺</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>茎</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>表格的背景</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>表格两列之间的线</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>表头下面的线</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>第 %1 片叶</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>在直尺上高 %1 个单位</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>什么也没长出来：试管里没有插条。</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>茎长到 %1 个单位高，没有叶片。</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>茎长到 %1 个单位高。叶片：%2。</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>放置直尺：按方向键移动，按回车键放下，按 Esc 键停止。</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>直尺放不到那里：被%1挡住了。</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>已停止放置，直尺回到了原处。</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>靠近茎的顶端</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>靠近茎</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>靠近第 %1 片叶</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>靠近试管</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1，零刻度线与茎的顶端齐平</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1，零刻度线在茎的顶端上方 %2 个单位</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1，零刻度线在茎的顶端下方 %2 个单位</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>直尺已放好。</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>直尺已放好：茎在直尺上从刻度 %1 到刻度 %2。</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>、</translation>
    </message>
</context>
</TS>
