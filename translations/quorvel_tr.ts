<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Bitkiye azot ver: tüpe bir damla gider.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Bitkiye potasyum ver: tüpe bir damla gider.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Bitkiye magnezyum ver: tüpe bir damla gider.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Bitkiye demir ver: tüpe bir damla gider.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Bitkiye fosfor ver: tüpe bir damla gider.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Bitkiye kalsiyum ver: tüpe bir damla gider.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Deney tüpünü suyla doldur.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Deneyindeki bitkinin nasıl büyüdüğünü gör.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Quorvel&apos;i kapat. Önce sana sorar.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Tüpü boşalt ve yeni bir deney planla.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Bitki çeliğini tüpe yerleştir. Ondan sonra tüpe başka bir şey giremez.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Cetveli taşı: gövdeyi ölçmek için sonra cetvelin üst ucunun geleceği yere tıkla.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Geri dön ve yeni bir deney planla.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>Deneyi planlamak</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>Sonuçlara bakmak</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>Her mineral ne işe yarar</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Quorvel hakkında</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>Bitki yeni gövde ve yapraklar yapmak (azot her proteinin bir parçasıdır) ve klorofil yapmak için azota ihtiyaç duyar. Yeterli azot olmazsa gerçek bir bitki küçük ve soluk kalır; çoğu zaman başka herhangi bir mineral eksik olduğundakinden de küçük kalır. Önce yaşlı, alttaki yaprakları damarlarıyla birlikte baştan sona soluk sarıya döner, çünkü bitki bu yaprakların azotunu yeni yapraklarına taşır.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>Potasyum, bitkinin suyunu denetlemesine yardım eder: yapraklardaki, karbondioksiti içeri alan ve suyu dışarı bırakan küçük delikleri açıp kapatır. Bitkinin hastalıklara karşı savaşmasına da yardım eder. Yeterli potasyum olmazsa yaşlı yapraklar kenarlarından ve uçlarından başlayarak önce sararır, sonra kahverengiye döner; üzerlerinde kahverengi lekeler de çıkabilir.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>Magnezyum klorofilin kendisinin bir parçasıdır; bu yüzden bitki güneş ışığını yakalamak için ona ihtiyaç duyar. Magnezyum azalınca bitki magnezyumunu yeni yapraklarına taşır; bu yüzden eksiklik önce yaşlı, alttaki yapraklarda görülür: bu yaprakların damarlarının arası sararır, damarlar ise yeşil kalır.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>Bitkinin çok az demire ihtiyacı vardır, ama demir olmadan klorofil yapamaz. Yeterli demir olmazsa en üstteki en genç yaprakların damarlarının arası soluk sarıya, hatta beyaza döner; damarlar ise yeşil kalır.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>Fosfor, bitkinin güneş ışığından gelen enerjiyi kendi içinde taşımasına ve kök, çiçek ve tohum oluşturmasına yardım eder. Yeterli fosfor olmazsa bitki küçük kalır; yaşlı yaprakları çoğu zaman koyu yeşil olur ve önce alt yüzlerinde mor ya da kırmızımsı bir renk tonu belirir. Her bitki türü mora dönmez. Quorvel, kolayca görülsün diye bu yaprağı baştan sona parlak mora boyar.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>Kalsiyum, bitkiyi oluşturan küçük hücrelerin duvarlarını yapar; en çok da bitkinin büyüdüğü yerlerde: sürgünlerinin ve köklerinin uçlarında. Bitki kalsiyumu yaşlı yapraklardan yenilerine taşıyamaz; bu yüzden kalsiyum eksikliği önce en genç yapraklarda görülür: bu yapraklar küçük, dar ve kıvrık büyür, sürgünün ucu da ölebilir.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Quorvel işi nasıl basitleştirir</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>Gerçek bir çelikte bir eksikliğin görülmesi haftalar sürer. Quorvel çeliği hemen büyütür.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Quorvel her yaprağı tek ve canlı bir renge boyar. Gerçek yapraklar yavaş ve düzensiz değişir; gerçek eksiklikler de çoğu zaman birbirine benzer.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>Birden fazla mineral eksik olduğunda Quorvel yalnızca bazılarının yapraklarını gösterir ve bazen hangilerini göstereceğini rastgele seçer.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>Quorvel&apos;deki boyları model belirler, boylar gerçek bitkilerde ölçülmemiştir; Quorvel&apos;in cetveli de santimetreyle değil, kendi birimleriyle sayar.</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Klavyeyi kullanmak</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>Her düğmenin altı çizili bir harfi vardır: düğmeye tıklamak için Alt tuşunu basılı tut ve o harfe bas. Tab bir sonraki düğmeye, Shift+Tab bir öncekine geçer; Enter ya da boşluk tuşu işaretli düğmeye tıklar. F11 Quorvel&apos;i bütün ekrana yayar, Escape pencereyi geri getirir. F1 bu yardımı açar, Escape onu yeniden kapatır.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>Bu ekranda deneyini planlarsın. Deney tüpünde bir bitki çeliği büyüyecek; ona ne verileceğini sen seçersin. Tüpü suyla doldurmak için %1 düğmesine tıkla. Sonra bitkiye vermek istediğin her minerale tıkla: şırınga tüpe o mineralden bir damla koyar ve tabloda mineralin yanında %2 yazar. Denemek istediğin mineralleri vermeden bırak.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>Tüp hazır olunca bitki çeliğini yerleştirmek için %1 düğmesine tıkla. Ondan sonra tüpe başka bir şey giremez. Bitkinin nasıl büyüdüğünü görmek için %2 düğmesine tıkla. %3 düğmesi, yeni bir deney planlayabilmen için tüpü boşaltır; %4 düğmesi de Quorvel&apos;i kapatır (önce sana sorar).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>İyi bir bilim insanı bir seferde yalnızca bir şeyi değiştirir. Bir bitkiyi ihtiyacı olan her şeyle, bir başkasını da yalnızca bir minerali eksik bırakarak büyüt ve ikisini karşılaştır.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>Bu ekran çeliğinin nasıl büyüdüğünü gösterir. Tablo, çeliğe hangi mineralleri verdiğini hatırlatır. Gövde ne kadar uzadı? Yapraklar yeşil ve sağlıklı mı, yoksa soluk sarı, beyaz, lekeli, mor ya da kıvrık mı? Quorvel&apos;de susuz bir çelik neredeyse hiç büyümez ve hiç yaprağı olmaz.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>%1 düğmesi seni bir sonraki deneyi boş bir tüple planlamaya geri götürür. %2 düğmesi Quorvel&apos;i kapatır (önce sana sorar).</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>Yeşil bitkiler kendi besinlerini kendileri yapar. Yapraklarında güneş ışığının enerjisini kullanarak suyu ve havadaki karbondioksiti şekere dönüştürürler: buna fotosentez denir. Karbondioksit yapraklara küçük deliklerden girer. Yapraklardaki, güneş ışığını yakalayan yeşil maddeye klorofil denir. Klorofil kırmızı ve mavi ışığı emer, yeşil ışığı yansıtır; yapraklar bu yüzden yeşil görünür.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>Bitki, klorofili ve vücudunun geri kalanını yapmak için az miktarda minerale de ihtiyaç duyar. Kökleri mineralleri topraktan, suda çözünmüş mineral tuzları olarak alır. Bitkinin azotu da buradan gelir: havanın çoğu azot gazıdır, ama bitki azotu havadan alıp kullanamaz.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>Bir bitki bir mineralden çok az alırsa o mineralin eksikliğini çeker. Daha az büyür, yapraklarının rengi ya da biçimi de çoğu zaman değişir. Yapraklar sana bir cevap değil, bir ipucu verir: farklı eksiklikler birbirine benzeyebilir. Bilim insanlarının bir seferde tek bir minerali denemesinin nedeni budur.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>Quorvel&apos;de su ve altı mineralin hepsini alan bir çeliğin gövdesi cetvelde %1 birim uzar ve %n sağlıklı yaprağı olur.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>Quorvel&apos;de su ve bu mineral dışındaki bütün mineralleri alan bir çeliğin gövdesi %1 birim uzar ve %n yaprağı olur. Şu yaprağı ara:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>Quorvel&apos;de %1 almayan bir çelikte de aynı yaprak çıkar; bu yüzden yalnızca yaprağa bakarak ikisinden hangisinin eksik olduğunu anlayamazsın.</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Quorvel öğrenciler için bir fen simülasyonudur: deney tüpünde bir bitki çeliği büyüt ve bir bitkinin hangi minerallere ihtiyacı olduğunu keşfet.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Sürüm %1, Qt %2 ile çalışıyor.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Quorvel, GNU Genel Kamu Lisansı&apos;nın 3. sürümü ya da daha sonraki herhangi bir sürümü (GPL-3.0-or-later) altında özgür bir yazılımdır. Onu bu lisansa uyarak paylaşabilir ve değiştirebilirsin. Hiçbir garanti verilmez.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Öğretmenler için ders planı, cevaplı sorular ve deneyin bütün sonuçlarını içeren bir kılavuz, Quorvel&apos;in konuştuğu her dilde Quorvel&apos;le birlikte gelir. Linux&apos;ta şu klasördedir: %1</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Quorvel geliştiricileri tarafından, öğrenciler ve öğretmenleri için yapıldı.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>Deneyinden büyüyen bitki ve onu ölçmek için bir cetvel. Yardım için F1 tuşuna bas.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Deneyini planla: deney tüpünü su ve minerallerle doldur ve içine bir bitki çeliği yerleştir. Yardım için F1 tuşuna bas.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Quorvel Yardım</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>İçindekiler</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Yardım metni</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Klavyeyle ölçmek için %1 düğmesine tıkla, sonra bir ok tuşuna bas: cetvelin çerçevesi görünür. Her ok tuşu onu cetvelin bir birimi kadar kaydırır. Çerçeve yukarı ya da aşağı giderken, sıfır çizgisi gövdenin ucuyla aynı hizaya geldiğinde yolda durur. Shift ile bir ok tuşu onu küçük bir adım kaydırır; böylece sıfır çizgisini tam aynı hizaya getirirsin. Enter ya da boşluk tuşu, yolda bir engel yoksa cetveli çerçevenin olduğu yere koyar; Escape ise yerleştirmeyi durdurur ve cetvel olduğu yerde kalır.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Ekran okuyucu her adımda neyin değiştiğini söyler: eklenen minerali ve kaydı, tüpte ne olduğunu, çeliği, gövdenin ne kadar uzadığını ve yapraklarının ne gösterdiğini, cetvelin çerçevesinin nerede olduğunu ve gövdenin cetvelde nereden nereye uzandığını.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Gövdeyi cetvelle ölç. Bunun iki yolu var. Sürükle: fare düğmesini cetvelin üzerinde basılı tut, cetveli gövdenin yanına getir ve bırak. Ya da %1 düğmesine tıkla, sonra cetvelin üst ucunun geleceği yere tıkla. Cetvelin 0 çizgisini gövdenin ucuyla aynı hizaya getir, sonra gövdenin tüpten çıktığı yerin, yani dibinin yanındaki sayıyı oku: bu sayı, gövdenin cetvel birimiyle boyudur; bu birimler Quorvel&apos;in kendi birimleridir, santimetre değildir. Su ve bütün mineralleri alan bir çelik %2 birim boyunda olur.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Burada Quorvel gerçek bir bitki gibi değildir. Yaprağının damarları yeşil kalır, gövdesi de magnezyum ya da demir eksikliğindekinden daha uzun olur. Azotu eksik olan gerçek bir bitkide yaprak damarlarıyla birlikte baştan sona soluk sarıya döner ve bitki, magnezyumu ya da demiri eksik olan bir bitkiden daha küçük kalır.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Burada Quorvel gerçek bir bitki gibi değildir. En genç yapraklar da dahil her yaprağa kahverengi lekeler koyar. Gerçek bir bitkide önce yaşlı yaprakların kenarları ve uçları kahverengiye döner.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Quorvel azota magnezyumla aynı yaprağı verir: yeşil damarlı, soluk sarı. Azotu eksik olan gerçek bir bitkide yaprağın tamamı damarlarıyla birlikte soluk sarıya döner; bu, önce yaşlı yapraklarda olur.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>Azotu eksik olan gerçek bir bitki çoğu zaman hepsinden az büyür. Quorvel&apos;de ise magnezyumu ya da demiri eksik olan bir bitkiden daha uzun olur. Bu yüzden boyları gerçek bitkilerle değil, Quorvel&apos;in içinde birbiriyle karşılaştır.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>Quorvel, potasyumu eksik olan bir bitkinin her yaprağına kahverengi lekeler koyar. Gerçek bir bitkide önce yaşlı yaprakların kenarları kahverengiye döner.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>Su verilmezse Quorvel&apos;in kuralı şudur: gövde yalnızca biraz uzar ve hiç yaprağı olmaz; çeliğin kendi iki yaprağı bile yok olur. Gerçek bir çelik susuz kalınca solar ve ölür.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Ctrl+H iki ekranda da defterini açar. Defterde ok tuşları deneyden deneye geçer, Delete bir deneyi siler, Ctrl+S defteri CSV olarak kaydeder, Ctrl+P defteri yazdırır, Escape ise defteri kapatır.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Defteri aç</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Quorvel büyüttüğün her bitkiyi defterine yazar: bitkiye neler verildiğini, yapraklarının nasıl göründüğünü ve cetveli yerleştirdiğinde gövdenin dibinde okuduğun boyu. Orada deneylerini bir tabloda ve bir sütun grafiğinde karşılaştırabilir, bir hesap tablosunda açmak için kaydedebilir ya da yazdırabilirsin. %1 ya da Ctrl+H tuşlarına bas.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Bu dersteki deneylerinin defteri için Ctrl+H tuşlarına bas.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>önceki bir deneyden kalan resim</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>altısı da</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1 ya da %2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1 (%2 tane)</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>Verilmeyen mineraller</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>Suyla: gövde (cetvel birimi)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>Suyla: yapraklar, alttan üste</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Susuz: gövde (cetvel birimi)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Susuz: yapraklar</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>rastgele: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Verilmeyen mineral</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Gövde (cetvel birimi)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>Aranacak yaprak</translation>
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
        <translation>sağlıklı yeşil yaprak</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>yeşil damarlı soluk sarı yaprak</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>yeşil damarlı beyaz yaprak</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>kenarı dalgalı ve kıvrık, dar yeşil yaprak</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>kahverengi lekeli soluk sarı yaprak</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>mor yaprak</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>aşağı sarkan sağlıklı yeşil yaprak</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>kenarı dalgalı, dar mor yaprak</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>boş</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>yalnızca mineraller</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>su ve mineraller</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>duru su</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>boş</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>neredeyse boş</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>basılmış</translation>
    </message>
    <message>
        <source>full</source>
        <translation>dolu</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>düşen bir damla</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>deney tüpü, karartılmış</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>karartılmış bir deney tüpünde duran, iki yapraklı bir bitki çeliği</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>üstte 0&apos;dan 17&apos;ye kadar işaretli bir cetvel</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>aşağıdaki mineral düğmelerini gösteren kırmızı bir ok</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
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
        <translation>Gerçekten çıkmak istiyor musun?</translation>
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
        <translation>Azot</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potasyum</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnezyum</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Demir</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosfor</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Kalsiyum</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Eklendi</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 eklendi</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Quorvel kapatıldı.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Quorvel&apos;i yeniden başlat</translation>
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
        <translation>ölçülmedi</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>Verilmeyenler</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Okuduğun boy, cetvel birimiyle</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>Her sütunun altında: deneyin numarası ve deneyde neyin verilmediği</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Kesikli çizgi: Quorvel&apos;e göre boy</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Okuduğun boyların sütun grafiği</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>Her deney için bir sütun. Ok tuşları sütundan sütuna geçer.</translation>
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
        <translation>&amp;Potasyum</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>&amp;Magnezyum</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>&amp;Demir</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>&amp;Fosfor</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>Ka&amp;lsiyum</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>&amp;Su Ekle</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>S&amp;onuçlar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Yeniden Başla</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>Çelik &amp;Ekle</translation>
    </message>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Deneyini planla</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Tüpe eklemek için bu minerallere tıkla.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Çelik</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Deney tüpü</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Şırınga</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Damla</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Tablonun arka planı</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Yönergelerin arka planı</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Tablonun sütunları arasındaki çizgi</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Tablo başlıklarının altındaki çizgi</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1 eklendi: kayıtta %2 yazıyor.</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Su eklendi: tüpte %1 var.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>Yeniden başlandı: tüp boş ve her mineralin yanında %1 yazıyor.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>Çelik yerleştirildi; tüpe artık başka bir şey girmez.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>Deney</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Yapraklar</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Okuduğun boy</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Quorvel&apos;e göre boy</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>Hiçbiri</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>Yaprak yok</translation>
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
        <translation>Quorvel Defteri</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Büyüttüğün her bitki buraya yazılır. Her birini cetvelle ölç: gövdenin dibinde okuduğun boy tabloya yazılır.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>Deneylerin</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>Quorvel&apos;e göre boyları &amp;göster (öğretmen için)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>Deneyi &amp;Sil…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>Defteri &amp;Temizle…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>&amp;CSV Olarak Kaydet…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Yazdır…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>%1 numaralı deney defterden silinsin mi?</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>Defter temizlensin mi? İçindeki bütün deneyler silinir.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV Olarak Kaydet</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>defter</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>Defter kaydedilemedi: %1. İçindekilerden hiçbir şey kaybolmadı; defteri başka bir yere kaydedebilirsin.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>Defter yazdırılamadı. İçindekilerden hiçbir şey kaybolmadı.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>&amp;Quit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>Ö&amp;lç</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>&amp;Yeni Deney</translation>
    </message>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Sonuçların</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Deney tüpü</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Cetvel</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Gövde</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Tablonun arka planı</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Tablonun sütunları arasındaki çizgi</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Tablo başlıklarının altındaki çizgi</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>Yaprak %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>cetvelde %1 birim boyunda</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>Hiçbir şey büyümedi: çelik yoktu.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>Gövde %1 birim uzadı, hiç yaprak çıkmadı.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>Gövde %1 birim uzadı. Yapraklar: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Cetvel yerleştiriliyor: oklar onu kaydırır, Enter yerine koyar, Escape durdurur.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>Cetvel oraya gidemez, yolda engel var: %1.</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Yerleştirme durduruldu; cetvel eski yerinde.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>Gövdenin ucunun yanında</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>Gövdenin yanında</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>%1. yaprağın yanında</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>Tüpün yanında</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, sıfır çizgisi gövdenin ucuyla aynı hizada</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, sıfır çizgisi gövdenin ucunun %2 birim üstünde</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, sıfır çizgisi gövdenin ucunun %2 birim altında</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Cetvel yerleştirildi.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Cetvel yerleştirildi: gövde cetvelde %1 ile %2 arasında.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
