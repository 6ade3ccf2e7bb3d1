<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>أعطِ النبات النيتروجين: تسقط قطرة واحدة منه في الأنبوب.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>أعطِ النبات البوتاسيوم: تسقط قطرة واحدة منه في الأنبوب.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>أعطِ النبات المغنيسيوم: تسقط قطرة واحدة منه في الأنبوب.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>أعطِ النبات الحديد: تسقط قطرة واحدة منه في الأنبوب.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>أعطِ النبات الفوسفور: تسقط قطرة واحدة منه في الأنبوب.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>أعطِ النبات الكالسيوم: تسقط قطرة واحدة منه في الأنبوب.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>املأ أنبوب الاختبار بالماء.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>شاهد كيف ينمو النبات في تجربتك.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>أغلق برنامج Quorvel. سيسألك أولًا.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>أفرغ الأنبوب وخطّط لتجربة جديدة.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>ضع عقلة النبات في الأنبوب. بعدها لا يمكن أن تضيف إليه أي شيء آخر.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>حرّك المسطرة لتقيس الساق: انقر بعد ذلك حيث تريد أن يكون طرفها العلوي.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>ارجع وخطّط لتجربة جديدة.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>التخطيط للتجربة</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>مشاهدة النتائج</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>وظيفة كل عنصر معدني</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>عن برنامج Quorvel</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>يحتاج النبات إلى النيتروجين ليبني سيقانًا وأوراقًا جديدة (فالنيتروجين جزء من كل بروتين) وليصنع الكلوروفيل. إذا لم يحصل النبات الحقيقي على ما يكفيه من النيتروجين بقي صغيرًا باهت اللون، وفي العادة يكون أصغر منه إذا نقصه أي عنصر معدني آخر. وتصير أوراقه القديمة السفلى صفراء باهتة أولًا، الورقة كلها بما فيها العروق، لأن النبات ينقل النيتروجين منها إلى أوراقه الجديدة.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>يساعد البوتاسيوم النبات على التحكّم في الماء الذي فيه: فهو يفتح ويغلق الثقوب الدقيقة في الأوراق (الثغور) التي يدخل منها ثاني أكسيد الكربون ويخرج منها الماء. ويساعد النبات أيضًا على مقاومة الأمراض. إذا لم يحصل النبات على ما يكفيه من البوتاسيوم اصفرّت أوراقه القديمة ثم صارت بنية، بدءًا من حوافها وأطرافها، وقد تظهر عليها بقع بنية.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>المغنيسيوم جزء من الكلوروفيل نفسه، لذلك يحتاج إليه النبات ليمتص ضوء الشمس. وعندما يقلّ، ينقل النبات المغنيسيوم إلى أوراقه الجديدة، فيظهر النقص أولًا على الأوراق القديمة السفلى: تصفرّ بين عروقها، بينما تبقى العروق خضراء.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>لا يحتاج النبات إلا إلى كمية صغيرة جدًا من الحديد، لكنه لا يستطيع أن يصنع الكلوروفيل من دونه. إذا لم يحصل النبات على ما يكفيه من الحديد صارت أحدث الأوراق، في الأعلى، صفراء باهتة أو حتى بيضاء بين عروقها، بينما تبقى العروق خضراء.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>يساعد الفوسفور النبات على نقل الطاقة التي يأخذها من ضوء الشمس داخل جسمه، وعلى تكوين الجذور والأزهار والبذور. إذا لم يحصل النبات على ما يكفيه من الفوسفور بقي صغيرًا، وكثيرًا ما تصير أوراقه القديمة خضراء داكنة بمسحة أرجوانية أو حمراء، تظهر أولًا على سطحها السفلي. ولا تصير كل أنواع النباتات أرجوانية. أما برنامج Quorvel فيلوّن ورقته كلها بلون أرجواني زاهٍ حتى تسهل رؤيتها.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>يبني الكالسيوم جدران الخلايا الدقيقة التي يتكوّن منها النبات، وخاصةً حيث ينمو: عند أطراف سيقانه وجذوره. ولا يستطيع النبات أن ينقل الكالسيوم من الأوراق القديمة إلى الأوراق الجديدة، لذلك يظهر نقصه أولًا على أحدث الأوراق: تنمو صغيرة وضيقة ومجعّدة، وقد تموت القمة النامية للساق.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>كيف يبسّط برنامج Quorvel الأمور</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>تحتاج العقلة الحقيقية إلى أسابيع حتى تظهر عليها أعراض النقص. أما برنامج Quorvel فينمّيها في الحال.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>يلوّن برنامج Quorvel كل ورقة بلون واحد قوي. أما الأوراق الحقيقية فيتغيّر لونها ببطء وبشكل غير متساوٍ، وكثيرًا ما تتشابه أعراض النقص الحقيقية.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>عندما ينقص أكثر من عنصر معدني واحد، يعرض برنامج Quorvel أوراق بعضها فقط، وأحيانًا يختار أيّها عشوائيًا.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>أطوال السيقان في برنامج Quorvel يحدّدها النموذج، ولم تُقَس على نباتات حقيقية، ومسطرته تقيس بوحداتها الخاصة لا بالسنتيمتر.</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>استعمال لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>على كل زر حرف لاتيني بين قوسين، تحته خط: اضغط مفتاح Alt مع الاستمرار، ثم اضغط مفتاح ذلك الحرف لتنقر الزر. ينقلك مفتاح Tab إلى الزر التالي، وShift+Tab إلى الزر السابق؛ ومفتاح Enter أو مفتاح المسافة ينقر الزر المحدَّد. مفتاح F11 يملأ الشاشة كلها ببرنامج Quorvel، ومفتاح Esc يعيد النافذة. مفتاح F1 يفتح هذه المساعدة، ومفتاح Esc يغلقها.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>في هذه الشاشة تخطّط لتجربتك. ستنمو عقلة نبات في أنبوب الاختبار، وأنت تختار ما تحصل عليه. انقر على %1 لتملأ الأنبوب بالماء. ثم انقر على كل عنصر معدني تريد أن تعطيه للنبات: يضع المحقن قطرة واحدة منه في الأنبوب، ويعرض الجدول %2 بجانبه. ولا تضف العناصر المعدنية التي تريد أن تختبرها.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>عندما يصبح الأنبوب جاهزًا، انقر على %1 لتضع العقلة فيه. بعد ذلك لا يمكن أن تضيف إليه أي شيء آخر. انقر على %2 لترى كيف ينمو النبات. الزر %3 يفرغ الأنبوب حتى تخطّط لتجربة جديدة، والزر %4 يغلق برنامج Quorvel (ويسألك أولًا).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>العالِم الجيد لا يغيّر إلا شيئًا واحدًا في كل مرة. ازرع نبتة تحصل على كل ما تحتاج إليه، ثم نبتة أخرى ينقصها عنصر معدني واحد فقط، وقارن بينهما.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>تعرض هذه الشاشة كيف نمت عقلتك. ويذكّرك الجدول بالعناصر المعدنية التي أعطيتها لها. كم بلغ طول الساق؟ هل الأوراق خضراء سليمة، أم صفراء باهتة أو بيضاء أو مبقّعة أو أرجوانية أو مجعّدة؟ في برنامج Quorvel لا تكاد العقلة تنمو من غير ماء، وليس لها أي ورقة.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>الزر %1 يعيدك لتخطّط للتجربة التالية، بأنبوب فارغ. والزر %2 يغلق برنامج Quorvel (ويسألك أولًا).</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>النباتات الخضراء تصنع غذاءها بنفسها. ففي أوراقها تستعمل طاقة ضوء الشمس لتحوّل الماء، وثاني أكسيد الكربون الذي تأخذه من الهواء، إلى سكر: وهذا ما يُسمّى البناء الضوئي. ويدخل ثاني أكسيد الكربون إلى الأوراق من ثقوب دقيقة فيها. والمادة الخضراء في الأوراق التي تمتص ضوء الشمس تُسمّى الكلوروفيل. وهو يمتص الضوء الأحمر والأزرق ويعكس الضوء الأخضر، ولهذا تبدو الأوراق خضراء.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>ولكي يبني النبات الكلوروفيل وسائر أجزاء جسمه، يحتاج أيضًا إلى كميات صغيرة من العناصر المعدنية. تمتصها جذوره من التربة في صورة أملاح معدنية ذائبة في الماء. ومن هناك أيضًا يأتي النيتروجين الذي يحتاج إليه: فمعظم الهواء غاز النيتروجين، لكن النبات لا يستطيع أن يستعمله من الهواء.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>عندما يحصل النبات على كمية أقل مما يحتاج إليه من عنصر معدني، نقول إن عنده نقصًا في هذا العنصر (نقص النيتروجين مثلًا). فيقلّ نموه، وكثيرًا ما يتغيّر لون أوراقه أو شكلها. الأوراق تعطيك علامة تساعدك، لا جوابًا أكيدًا: فأعراض النقص المختلفة قد تتشابه. ولهذا يختبر العلماء عنصرًا معدنيًا واحدًا في كل مرة.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>في برنامج Quorvel، العقلة التي تُعطى الماء والعناصر المعدنية الستة كلها تكوّن ساقًا طولها %1 وحدة على المسطرة، وعدد أوراقها السليمة %Ln.</numerusform>
            <numerusform>في برنامج Quorvel، العقلة التي تُعطى الماء والعناصر المعدنية الستة كلها تكوّن ساقًا طولها %1 وحدة على المسطرة، وعدد أوراقها السليمة %Ln.</numerusform>
            <numerusform>في برنامج Quorvel، العقلة التي تُعطى الماء والعناصر المعدنية الستة كلها تكوّن ساقًا طولها %1 وحدة على المسطرة، وعدد أوراقها السليمة %Ln.</numerusform>
            <numerusform>في برنامج Quorvel، العقلة التي تُعطى الماء والعناصر المعدنية الستة كلها تكوّن ساقًا طولها %1 وحدة على المسطرة، وعليها %Ln أوراق سليمة.</numerusform>
            <numerusform>في برنامج Quorvel، العقلة التي تُعطى الماء والعناصر المعدنية الستة كلها تكوّن ساقًا طولها %1 وحدة على المسطرة، وعليها %Ln ورقة سليمة.</numerusform>
            <numerusform>في برنامج Quorvel، العقلة التي تُعطى الماء والعناصر المعدنية الستة كلها تكوّن ساقًا طولها %1 وحدة على المسطرة، وعليها %Ln ورقة سليمة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>في برنامج Quorvel، العقلة التي تُعطى الماء وكل العناصر المعدنية ما عدا هذا العنصر تكوّن ساقًا طولها %1 وحدة، وعدد أوراقها %Ln. ابحث عن هذه الورقة:</numerusform>
            <numerusform>في برنامج Quorvel، العقلة التي تُعطى الماء وكل العناصر المعدنية ما عدا هذا العنصر تكوّن ساقًا طولها %1 وحدة، وعدد أوراقها %Ln. ابحث عن هذه الورقة:</numerusform>
            <numerusform>في برنامج Quorvel، العقلة التي تُعطى الماء وكل العناصر المعدنية ما عدا هذا العنصر تكوّن ساقًا طولها %1 وحدة، وعدد أوراقها %Ln. ابحث عن هذه الورقة:</numerusform>
            <numerusform>في برنامج Quorvel، العقلة التي تُعطى الماء وكل العناصر المعدنية ما عدا هذا العنصر تكوّن ساقًا طولها %1 وحدة، وعليها %Ln أوراق. ابحث عن هذه الورقة:</numerusform>
            <numerusform>في برنامج Quorvel، العقلة التي تُعطى الماء وكل العناصر المعدنية ما عدا هذا العنصر تكوّن ساقًا طولها %1 وحدة، وعليها %Ln ورقة. ابحث عن هذه الورقة:</numerusform>
            <numerusform>في برنامج Quorvel، العقلة التي تُعطى الماء وكل العناصر المعدنية ما عدا هذا العنصر تكوّن ساقًا طولها %1 وحدة، وعليها %Ln ورقة. ابحث عن هذه الورقة:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>في برنامج Quorvel، العقلة التي تنمو من غير %1 تظهر عليها هذه الورقة نفسها، لذلك لا تستطيع الورقة وحدها أن تخبرك أيّ العنصرين هو الناقص.</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>برنامج Quorvel محاكاة علمية للتلاميذ: ازرع عقلة نبات في أنبوب اختبار، واكتشف ما العناصر المعدنية التي يحتاج إليها النبات.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>الإصدار %1، ويعمل على Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>إنّ Quorvel برنامج حرّ، يخضع لرخصة جنو العمومية (GNU General Public License)، الإصدار ٣ أو أي إصدار لاحق (GPL-3.0-or-later). يحقّ لك أن تنشره وأن تعدّله وفق هذه الرخصة. ولا يأتي معه أي ضمان.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>للمعلّمين: يأتي مع برنامج Quorvel دليل فيه خطة درس، وأسئلة مع إجاباتها، وكل نتائج التجربة، بكل لغة يتكلّمها البرنامج. في نظام Linux تجده في المجلد ‎%1‎.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>صنعه مطوّرو Quorvel، للتلاميذ ومعلّميهم.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>النبات الذي نما في تجربتك، ومسطرة لقياسه. اضغط F1 للمساعدة.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>خطّط لتجربتك: املأ أنبوب الاختبار بالماء والعناصر المعدنية، ثم ضع فيه عقلة نبات. اضغط F1 للمساعدة.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>مساعدة Quorvel</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>المحتويات</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>نص المساعدة</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>لتقيس بلوحة المفاتيح، انقر على %1، ثم اضغط أحد مفاتيح الأسهم: يظهر إطار المسطرة. كل ضغطة على سهم تحرّكه وحدة واحدة من وحدات المسطرة. وفي أثناء صعوده أو نزوله يتوقّف في طريقه حيث تكون علامة الصفر بمحاذاة قمة الساق. ومفتاح Shift مع سهم يحرّكه خطوة صغيرة، لتجعل علامة الصفر بمحاذاة القمة تمامًا. مفتاح Enter أو مفتاح المسافة يضع المسطرة حيث الإطار، إلا إذا كان في طريقها شيء؛ ومفتاح Esc يُنهي الوضع ويترك المسطرة حيث كانت.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>يقول قارئ الشاشة ما غيّرته كل خطوة: العنصر المعدني المضاف وما يعرضه الجدول، وما في الأنبوب، والعقلة، وكم بلغ طول الساق وما تُظهره أوراقها، وأين إطار المسطرة، وقراءة الساق على المسطرة.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>قِس الساق بالمسطرة. هناك طريقتان. الأولى أن تسحبها: اضغط زر الفأرة على المسطرة، وحرّكها إلى جانب الساق، ثم اتركها. والثانية أن تنقر على %1، ثم تنقر حيث تريد أن يكون الطرف العلوي للمسطرة. اجعل علامة الصفر في المسطرة بمحاذاة قمة الساق، ثم اقرأ العدد المقابل لأسفل الساق، حيث تخرج من الأنبوب: هذا هو طولها بوحدات المسطرة، وهي وحدات خاصة ببرنامج Quorvel وليست سنتيمترات. العقلة التي تُعطى الماء وكل العناصر المعدنية يبلغ طول ساقها %2 وحدة.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>هنا لا يشبه برنامج Quorvel النبات الحقيقي. فورقته تبقى عروقها خضراء، وساقه أطول من ساق النبات الذي ينقصه المغنيسيوم أو الحديد. أما النبات الحقيقي الذي ينقصه النيتروجين فتصير ورقته كلها صفراء باهتة، بما فيها العروق، ويبقى أصغر من النبات الذي ينقصه المغنيسيوم أو الحديد.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>هنا لا يشبه برنامج Quorvel النبات الحقيقي. فهو يضع بقعًا بنية على كل ورقة، حتى أحدث الأوراق. أما في النبات الحقيقي فتصير حواف الأوراق القديمة وأطرافها بنية أولًا.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>في برنامج Quorvel لنقص النيتروجين ورقة نقص المغنيسيوم نفسها: صفراء باهتة عروقها خضراء. أما في النبات الحقيقي الذي ينقصه النيتروجين فتصير الورقة كلها صفراء باهتة، بما فيها العروق، على الأوراق القديمة أولًا.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>النبات الحقيقي الذي ينقصه النيتروجين يكون نموه في العادة أقل من نمو أي نبات آخر. أما في برنامج Quorvel فيطول أكثر من النبات الذي ينقصه المغنيسيوم أو الحديد. لذلك قارن الأطوال بعضها ببعض داخل برنامج Quorvel، لا بالنباتات الحقيقية.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>يضع برنامج Quorvel بقعًا بنية على كل ورقة من أوراق النبات الذي ينقصه البوتاسيوم. أما في النبات الحقيقي فتصير حواف الأوراق القديمة بنية أولًا.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>من غير ماء، قاعدة برنامج Quorvel أن الساق لا تطول إلا قليلًا، وليس لها أوراق: حتى ورقتا العقلة نفسها تختفيان. أما العقلة الحقيقية فتذبل وتموت إذا لم تحصل على الماء.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>يفتح Ctrl+H دفتر تجاربك من أيٍّ من الشاشتين. وفي دفتر التجارب تنقلك مفاتيح الأسهم من تجربة إلى أخرى، ومفتاح Delete يحذف تجربة، وCtrl+S يحفظ دفتر التجارب بصيغة CSV، وCtrl+P يطبعه، ومفتاح Esc يغلقه.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>افتح دفتر التجارب</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>يكتب برنامج Quorvel في دفتر تجاربك كل نبات تنمّيه: ما أُعطي من الماء والعناصر المعدنية، وما تُظهره أوراقه، والطول الذي قرأته عند أسفل الساق حين وضعت المسطرة. وهناك تقارن بين تجاربك في جدول وفي تمثيل بالأعمدة، وتحفظها لتفتحها في جدول بيانات، أو تطبعها. %1، أو اضغط Ctrl+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>اضغط Ctrl+H لتفتح دفتر تجارب هذا الدرس.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>الصورة التي تركتها تجربة سابقة</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>الستة كلها</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1 أو %2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1 ×%L2</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>العناصر المعدنية الناقصة</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>مع الماء: الساق (وحدات المسطرة)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>مع الماء: الأوراق، من الأسفل إلى الأعلى</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>من غير ماء: الساق (وحدات المسطرة)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>من غير ماء: الأوراق</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>عشوائيًا: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>العنصر المعدني الناقص</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>الساق (وحدات المسطرة)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>الورقة التي نبحث عنها</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two minerals; Arabic and Chinese write their own comma.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the leaves of two places up the stem; Greek writes its semicolon as a raised dot, as its question mark is &quot;;&quot;.</extracomment>
        <translation>؛ </translation>
    </message>
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation>ورقة خضراء سليمة</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>ورقة صفراء باهتة عروقها خضراء</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>ورقة بيضاء عروقها خضراء</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>ورقة خضراء ضيقة حافتها متموّجة مجعّدة</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>ورقة صفراء باهتة عليها بقع بنية</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>ورقة أرجوانية</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>ورقة خضراء سليمة، متدلّية إلى أسفل</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>ورقة أرجوانية ضيقة حافتها متموّجة</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>عناصر معدنية فقط</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>ماء وعناصر معدنية</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>ماء صافٍ</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>شبه فارغ</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>مضغوط</translation>
    </message>
    <message>
        <source>full</source>
        <translation>ممتلئ</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>قطرة تسقط</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>أنبوب اختبار، معتَّم</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>عقلة نبات لها ورقتان، قائمة في أنبوب اختبار معتَّم</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>مسطرة مدرّجة من ٠ في الأعلى إلى ١٧</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>سهم أحمر يشير إلى أسفل نحو أزرار العناصر المعدنية</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
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
        <translation>هل تريد الخروج حقًا؟</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation>العنصر</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>نيتروجين</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>بوتاسيوم</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>مغنيسيوم</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>حديد</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>فوسفور</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>كالسيوم</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>أُضيف</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>أُضيف %1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>أُغلق Quorvel.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>شغّل Quorvel من جديد</translation>
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
        <translation>لم يُقَس</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>الناقص</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>الطول الذي قرأته، بوحدات المسطرة</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>تحت كل عمود: رقم التجربة وما نقص منها</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>الخط المتقطّع: الطول الذي أعطاه Quorvel</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>التمثيل بالأعمدة للأطوال التي قرأتها</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>عمود لكل تجربة. مفاتيح الأسهم تنقلك من عمود إلى عمود.</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>نيتروجين (&amp;N)</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>بوتاسيوم (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>مغنيسيوم (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>حديد (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>فوسفور (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>كالسيوم (&amp;C)</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>أضف ماء (&amp;W)</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>النتائج (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>خروج (&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>ابدأ مجددًا (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>ضع العقلة (&amp;A)</translation>
    </message>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - تصميم تجربتك</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>انقر عنصرًا لتضيفه إلى الأنبوب.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>العقلة</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>أنبوب الاختبار</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>المحقن</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>القطرة</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>السهم</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>خلفية الجدول</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>خلفية التعليمات</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>الخط بين عمودَي الجدول</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>الخط تحت عناوين الجدول</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>أُضيف %1: يعرض الجدول «%2».</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>أُضيف الماء: في الأنبوب %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>بدأت مجددًا: الأنبوب فارغ، ويعرض الجدول «%1» أمام كل عنصر معدني.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>وُضعت العقلة في الأنبوب؛ لا يمكن أن يُضاف إليه أي شيء آخر.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>التجربة</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>ماء</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>الأوراق</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>الطول الذي قرأته</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>الطول الذي أعطاه Quorvel</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>بلا أوراق</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two leaves&apos; looks, which may hold commas themselves.</extracomment>
        <translation>؛ </translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookWindow</name>
    <message>
        <source>Quorvel Notebook</source>
        <translation>دفتر تجارب Quorvel</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>هنا يُكتب كل نبات تنمّيه. قِس كل نبات بالمسطرة: الطول الذي تقرؤه عند أسفل الساق يُكتب في الجدول.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>تجاربك</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>أظهر الأطوال التي أعطاها Quorvel (للمعلّم) (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>احذف التجربة (&amp;D)…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>أفرغ دفتر التجارب (&amp;L)…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>احفظ بصيغة CSV (&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>اطبع (&amp;P)…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>هل تريد حذف التجربة %1 من دفتر التجارب؟</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>هل تريد إفراغ دفتر التجارب؟ ستُحذف كل التجارب التي فيه.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>احفظ بصيغة CSV</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>دفتر التجارب</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>ملفات CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>تعذّر حفظ دفتر التجارب: %1. لم يضِع منه شيء؛ يمكنك أن تحفظه في مكان آخر.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>تعذّرت طباعة دفتر التجارب. لم يضِع منه شيء.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>&amp;Quit</source>
        <translation>خروج (&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>قِس (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>تجربة جديدة (&amp;N)</translation>
    </message>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - نتائجك</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>أنبوب الاختبار</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>المسطرة</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>الساق</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>خلفية الجدول</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>الخط بين عمودَي الجدول</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>الخط تحت عناوين الجدول</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>الورقة %L1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>طولها على المسطرة %1 وحدة</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>لم ينمُ شيء: لم تكن في الأنبوب عقلة.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>بلغ طول الساق %1 وحدة، وليس لها أوراق.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>بلغ طول الساق %1 وحدة. الأوراق: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>وضع المسطرة: مفاتيح الأسهم تحرّكها، ومفتاح Enter يضعها، ومفتاح Esc يُنهي الوضع.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>لا يمكن وضع المسطرة هنا: في طريقها %1.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>توقّف وضع المسطرة؛ عادت المسطرة إلى مكانها.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>قرب قمة الساق</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>قرب الساق</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>قرب الورقة %L1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>قرب الأنبوب</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1، وعلامة الصفر بمحاذاة قمة الساق</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1، وعلامة الصفر فوق قمة الساق بمقدار %2 وحدة</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1، وعلامة الصفر تحت قمة الساق بمقدار %2 وحدة</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>وُضعت المسطرة.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>وُضعت المسطرة: تمتدّ الساق من %1 إلى %2 على تدريجها.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>، </translation>
    </message>
</context>
</TS>
