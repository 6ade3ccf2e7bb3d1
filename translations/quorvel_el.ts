<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>CommandTips</name>
    <message>
        <source>Give the plant nitrogen: one drop goes into the tube.</source>
        <translation>Δώσε στο φυτό άζωτο: μία σταγόνα πέφτει στον σωλήνα.</translation>
    </message>
    <message>
        <source>Give the plant potassium: one drop goes into the tube.</source>
        <translation>Δώσε στο φυτό κάλιο: μία σταγόνα πέφτει στον σωλήνα.</translation>
    </message>
    <message>
        <source>Give the plant magnesium: one drop goes into the tube.</source>
        <translation>Δώσε στο φυτό μαγνήσιο: μία σταγόνα πέφτει στον σωλήνα.</translation>
    </message>
    <message>
        <source>Give the plant iron: one drop goes into the tube.</source>
        <translation>Δώσε στο φυτό σίδηρο: μία σταγόνα πέφτει στον σωλήνα.</translation>
    </message>
    <message>
        <source>Give the plant phosphorus: one drop goes into the tube.</source>
        <translation>Δώσε στο φυτό φωσφόρο: μία σταγόνα πέφτει στον σωλήνα.</translation>
    </message>
    <message>
        <source>Give the plant calcium: one drop goes into the tube.</source>
        <translation>Δώσε στο φυτό ασβέστιο: μία σταγόνα πέφτει στον σωλήνα.</translation>
    </message>
    <message>
        <source>Fill the test tube with water.</source>
        <translation>Γέμισε τον δοκιμαστικό σωλήνα με νερό.</translation>
    </message>
    <message>
        <source>See how the plant grows from your experiment.</source>
        <translation>Δες πώς μεγαλώνει το φυτό από το πείραμά σου.</translation>
    </message>
    <message>
        <source>End Quorvel. It asks you first.</source>
        <translation>Κλείσε το Quorvel. Πρώτα σε ρωτάει.</translation>
    </message>
    <message>
        <source>Empty the tube and plan a new experiment.</source>
        <translation>Άδειασε τον σωλήνα και σχεδίασε νέο πείραμα.</translation>
    </message>
    <message>
        <source>Put the plant cutting into the tube. Nothing more can go in after it.</source>
        <translation>Βάλε το μόσχευμα στον σωλήνα. Μετά δεν μπαίνει τίποτε άλλο.</translation>
    </message>
    <message>
        <source>Move the ruler: click next, where its top should go, to measure the stem.</source>
        <translation>Μετακίνησε τον χάρακα: κάνε μετά κλικ εκεί όπου θέλεις να είναι η κορυφή του, για να μετρήσεις τον βλαστό.</translation>
    </message>
    <message>
        <source>Go back and plan a new experiment.</source>
        <translation>Γύρνα πίσω και σχεδίασε νέο πείραμα.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Planning the experiment</source>
        <translation>Σχεδιάζω το πείραμα</translation>
    </message>
    <message>
        <source>Looking at the results</source>
        <translation>Κοιτάζω τα αποτελέσματα</translation>
    </message>
    <message>
        <source>What each mineral does</source>
        <translation>Τι κάνει κάθε ανόργανο στοιχείο</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Σχετικά με το Quorvel</translation>
    </message>
    <message>
        <source>A plant needs nitrogen to build new stems and leaves (it is part of every protein) and to make chlorophyll. Without enough nitrogen a real plant stays small and pale, usually smaller than with any other mineral missing. Its older, lower leaves turn pale yellow first, all over, veins too, because the plant moves their nitrogen to its new leaves.</source>
        <translation>Το φυτό χρειάζεται άζωτο για να φτιάχνει νέους βλαστούς και φύλλα (υπάρχει σε κάθε πρωτεΐνη) και για να φτιάχνει χλωροφύλλη. Χωρίς αρκετό άζωτο ένα πραγματικό φυτό μένει μικρό και ωχρό, συνήθως μικρότερο απ’ ό,τι όταν λείπει οποιοδήποτε άλλο ανόργανο στοιχείο. Τα παλαιότερα, χαμηλά φύλλα του γίνονται πρώτα ωχροκίτρινα, ολόκληρα, μαζί και τα νεύρα τους, γιατί το φυτό μεταφέρει το άζωτό τους στα νέα του φύλλα.</translation>
    </message>
    <message>
        <source>Potassium helps a plant control its water: it opens and closes the tiny holes in the leaves that let carbon dioxide in and water out. It also helps the plant fight disease. Without enough potassium the older leaves turn yellow and then brown, starting at their edges and tips, and may get brown spots.</source>
        <translation>Το κάλιο βοηθά το φυτό να ελέγχει το νερό του: ανοίγει και κλείνει τους μικροσκοπικούς πόρους των φύλλων (τα στόματα), από όπου μπαίνει διοξείδιο του άνθρακα και βγαίνει νερό. Βοηθά επίσης το φυτό να αντιμετωπίζει τις ασθένειες. Χωρίς αρκετό κάλιο τα παλαιότερα φύλλα κιτρινίζουν και μετά καφετιάζουν, ξεκινώντας από τις άκρες και τις μύτες τους, και μπορεί να βγάλουν καφέ κηλίδες.</translation>
    </message>
    <message>
        <source>Magnesium is part of chlorophyll itself, so a plant needs it to catch sunlight. When it runs short, the plant moves its magnesium to the new leaves, so the older, lower leaves show it first: they turn yellow between their veins, while the veins stay green.</source>
        <translation>Το μαγνήσιο είναι μέρος της ίδιας της χλωροφύλλης, γι’ αυτό το φυτό το χρειάζεται για να δεσμεύει το φως του ήλιου. Όταν δεν φτάνει, το φυτό μεταφέρει το μαγνήσιό του στα νέα φύλλα, έτσι η έλλειψη φαίνεται πρώτα στα παλαιότερα, χαμηλά φύλλα: κιτρινίζουν ανάμεσα στα νεύρα τους, ενώ τα νεύρα μένουν πράσινα.</translation>
    </message>
    <message>
        <source>A plant needs only a tiny amount of iron, but it cannot make chlorophyll without it. Without enough iron the youngest leaves, at the top, turn pale yellow or even white between their veins, while the veins stay green.</source>
        <translation>Το φυτό χρειάζεται μόνο πολύ λίγο σίδηρο, αλλά χωρίς αυτόν δεν μπορεί να φτιάξει χλωροφύλλη. Χωρίς αρκετό σίδηρο τα νεότερα φύλλα, στην κορυφή, γίνονται ωχροκίτρινα ή και άσπρα ανάμεσα στα νεύρα τους, ενώ τα νεύρα μένουν πράσινα.</translation>
    </message>
    <message>
        <source>Phosphorus helps a plant move the energy from sunlight around inside it, and grow roots, flowers and seeds. Without enough phosphorus the plant stays small, and its older leaves often turn dark green with a purple or reddish tinge, first underneath. Not every kind of plant turns purple. Quorvel paints its leaf bright purple all over, so that it is easy to see.</source>
        <translation>Ο φωσφόρος βοηθά το φυτό να μεταφέρει μέσα του την ενέργεια του ηλιακού φωτός και να βγάζει ρίζες, άνθη και σπόρους. Χωρίς αρκετό φωσφόρο το φυτό μένει μικρό και τα παλαιότερα φύλλα του συχνά γίνονται σκούρα πράσινα με μια μωβ ή κοκκινωπή απόχρωση, πρώτα από κάτω. Δεν γίνεται μωβ κάθε είδος φυτού. Το Quorvel βάφει το φύλλο του ολόκληρο έντονο μωβ, για να φαίνεται εύκολα.</translation>
    </message>
    <message>
        <source>Calcium builds the walls of the tiny cells a plant is made of, most of all where it grows: at the tips of its shoots and roots. A plant cannot move calcium from old leaves to new ones, so a deficiency shows on the youngest leaves first: they grow small, narrow and crinkled, and the tip of the shoot may die.</source>
        <translation>Το ασβέστιο χτίζει τα τοιχώματα των μικροσκοπικών κυττάρων από τα οποία αποτελείται το φυτό, κυρίως εκεί όπου μεγαλώνει: στις άκρες των βλαστών και των ριζών του. Το φυτό δεν μπορεί να μεταφέρει ασβέστιο από τα παλιά φύλλα στα νέα, έτσι η έλλειψη φαίνεται πρώτα στα νεότερα φύλλα: μεγαλώνουν μικρά, στενά και ζαρωμένα, και η κορυφή του βλαστού μπορεί να ξεραθεί.</translation>
    </message>
    <message>
        <source>How Quorvel keeps it simple</source>
        <translation>Πώς το Quorvel τα κάνει απλά</translation>
    </message>
    <message>
        <source>A real cutting takes weeks to show a deficiency. Quorvel grows it at once.</source>
        <translation>Ένα πραγματικό μόσχευμα χρειάζεται εβδομάδες για να δείξει μια έλλειψη. Το Quorvel το μεγαλώνει αμέσως.</translation>
    </message>
    <message>
        <source>Quorvel paints each leaf in one strong colour. Real leaves change slowly and unevenly, and real deficiencies often look alike.</source>
        <translation>Το Quorvel βάφει κάθε φύλλο με ένα μόνο έντονο χρώμα. Τα πραγματικά φύλλα αλλάζουν σιγά σιγά και άνισα, και οι πραγματικές ελλείψεις συχνά μοιάζουν μεταξύ τους.</translation>
    </message>
    <message>
        <source>When more than one mineral is missing, Quorvel shows the leaves of only some of them, and sometimes picks which ones at random.</source>
        <translation>Όταν λείπουν περισσότερα από ένα ανόργανα στοιχεία, το Quorvel δείχνει τα φύλλα μόνο μερικών από αυτά και μερικές φορές διαλέγει τυχαία ποια.</translation>
    </message>
    <message>
        <source>Quorvel&apos;s heights are set by the model, not measured on real plants, and its ruler counts in its own units, not in centimetres.</source>
        <translation>Τα ύψη του Quorvel τα ορίζει το μοντέλο, δεν έχουν μετρηθεί σε πραγματικά φυτά, και ο χάρακάς του μετρά στις δικές του μονάδες, όχι σε εκατοστά.</translation>
    </message>
    <message>
        <source>Using the keyboard</source>
        <translation>Με το πληκτρολόγιο</translation>
    </message>
    <message>
        <source>Every button has one underlined letter: hold down Alt and press that letter to click the button. Tab moves to the next button and Shift+Tab to the one before; Return or Space clicks the button that is marked. F11 fills the whole screen with Quorvel, and Escape brings back the window. F1 opens this help, and Escape closes it again.</source>
        <translation>Κάθε κουμπί έχει ένα υπογραμμισμένο γράμμα: κράτα πατημένο το Alt και πάτησε αυτό το γράμμα για να πατήσεις το κουμπί. Το Tab πηγαίνει στο επόμενο κουμπί και το Shift+Tab στο προηγούμενο· το Enter ή το Διάστημα πατά το κουμπί που είναι επιλεγμένο. Το F11 απλώνει το Quorvel σε όλη την οθόνη και το Esc φέρνει πίσω το παράθυρο. Το F1 ανοίγει αυτή τη βοήθεια και το Esc την κλείνει ξανά.</translation>
    </message>
    <message>
        <source>On this screen you plan your experiment. A plant cutting will grow in the test tube, and you choose what it gets. Click %1 to fill the tube with water. Then click each mineral you want to give the plant: the syringe puts one drop of it into the tube, and the table shows %2 beside it. Leave out the minerals you want to test.</source>
        <translation>Σε αυτή την οθόνη σχεδιάζεις το πείραμά σου. Ένα μόσχευμα φυτού θα μεγαλώσει στον δοκιμαστικό σωλήνα και εσύ διαλέγεις τι θα πάρει. Κάνε κλικ στο %1 για να γεμίσεις τον σωλήνα με νερό. Μετά κάνε κλικ σε κάθε ανόργανο στοιχείο που θέλεις να δώσεις στο φυτό: η σύριγγα ρίχνει μία σταγόνα του στον σωλήνα και ο πίνακας γράφει %2 δίπλα του. Μη δώσεις τα ανόργανα στοιχεία που θέλεις να ελέγξεις.</translation>
    </message>
    <message>
        <source>When the tube is ready, click %1 to put the plant cutting in. After that nothing more can go in. Click %2 to see how the plant grows. %3 empties the tube so that you can plan a new experiment, and %4 ends Quorvel (it asks you first).</source>
        <translation>Όταν ο σωλήνας είναι έτοιμος, κάνε κλικ στο %1 για να βάλεις μέσα το μόσχευμα. Μετά από αυτό δεν μπαίνει τίποτε άλλο. Κάνε κλικ στο %2 για να δεις πώς μεγαλώνει το φυτό. Το %3 αδειάζει τον σωλήνα για να σχεδιάσεις νέο πείραμα και το %4 κλείνει το Quorvel (πρώτα σε ρωτάει).</translation>
    </message>
    <message>
        <source>A good scientist changes only one thing at a time. Grow one plant with everything it needs, then one with a single mineral left out, and compare the two.</source>
        <translation>Ένας καλός επιστήμονας αλλάζει μόνο ένα πράγμα κάθε φορά. Μεγάλωσε ένα φυτό με όλα όσα χρειάζεται, μετά ένα με ένα μόνο ανόργανο στοιχείο να λείπει, και σύγκρινε τα δύο.</translation>
    </message>
    <message>
        <source>This screen shows how your cutting grew. The table reminds you which minerals you gave it. How tall did the stem grow? Are the leaves green and healthy, or pale yellow, white, spotted, purple or crinkled? In Quorvel, a cutting without water hardly grows and has no leaves at all.</source>
        <translation>Αυτή η οθόνη δείχνει πώς μεγάλωσε το μόσχευμά σου. Ο πίνακας σου θυμίζει ποια ανόργανα στοιχεία του έδωσες. Πόσο ψήλωσε ο βλαστός; Είναι τα φύλλα πράσινα και υγιή ή ωχροκίτρινα, άσπρα, με κηλίδες, μωβ ή ζαρωμένα; Στο Quorvel, ένα μόσχευμα χωρίς νερό σχεδόν δεν μεγαλώνει και δεν έχει καθόλου φύλλα.</translation>
    </message>
    <message>
        <source>%1 takes you back to plan the next one, with an empty tube. %2 ends Quorvel (it asks you first).</source>
        <translation>Το %1 σε γυρίζει πίσω για να σχεδιάσεις το επόμενο, με άδειο σωλήνα. Το %2 κλείνει το Quorvel (πρώτα σε ρωτάει).</translation>
    </message>
    <message>
        <source>Green plants make their own food. In their leaves they use the energy of sunlight to turn water, and carbon dioxide from the air, into sugar: this is called photosynthesis. The carbon dioxide gets in through tiny holes in the leaves. The green substance in leaves that catches the sunlight is called chlorophyll. It absorbs red and blue light and reflects green light, and that is why leaves look green.</source>
        <translation>Τα πράσινα φυτά φτιάχνουν μόνα τους την τροφή τους. Στα φύλλα τους χρησιμοποιούν την ενέργεια του ηλιακού φωτός για να μετατρέψουν νερό και διοξείδιο του άνθρακα από τον αέρα σε σάκχαρο: αυτό λέγεται φωτοσύνθεση. Το διοξείδιο του άνθρακα μπαίνει στα φύλλα από μικροσκοπικούς πόρους. Η πράσινη ουσία των φύλλων που δεσμεύει το φως του ήλιου λέγεται χλωροφύλλη. Απορροφά το κόκκινο και το μπλε φως και ανακλά το πράσινο, και γι’ αυτό τα φύλλα φαίνονται πράσινα.</translation>
    </message>
    <message>
        <source>To build chlorophyll and the rest of its body, a plant also needs small amounts of minerals. Its roots take them up from the soil, as mineral salts dissolved in water. That is where its nitrogen comes from too: the air is mostly nitrogen gas, but a plant cannot use it from the air.</source>
        <translation>Για να φτιάξει χλωροφύλλη και το υπόλοιπο σώμα του, το φυτό χρειάζεται επίσης μικρές ποσότητες ανόργανων στοιχείων. Οι ρίζες του τα παίρνουν από το έδαφος, ως ανόργανα άλατα διαλυμένα στο νερό. Από εκεί έρχεται και το άζωτό του: ο αέρας είναι κυρίως αέριο άζωτο, αλλά το φυτό δεν μπορεί να το χρησιμοποιήσει από τον αέρα.</translation>
    </message>
    <message>
        <source>When a plant gets too little of a mineral, it has a deficiency of that mineral. It grows less, and its leaves often change colour or shape. The leaves give you a clue, not an answer: different deficiencies can look alike. That is why scientists test one mineral at a time.</source>
        <translation>Όταν ένα φυτό παίρνει πολύ λίγο από ένα ανόργανο στοιχείο, έχει έλλειψη αυτού του στοιχείου. Μεγαλώνει λιγότερο και τα φύλλα του συχνά αλλάζουν χρώμα ή σχήμα. Τα φύλλα σού δίνουν μια ένδειξη, όχι μια απάντηση: διαφορετικές ελλείψεις μπορεί να μοιάζουν. Γι’ αυτό οι επιστήμονες ελέγχουν ένα ανόργανο στοιχείο κάθε φορά.</translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and all six minerals grows a stem %1 units long on the ruler, with %n healthy leaves.</source>
        <translation>
            <numerusform>Στο Quorvel, ένα μόσχευμα με νερό και όλα τα έξι ανόργανα στοιχεία βγάζει βλαστό ύψους %1 μονάδων στον χάρακα, με %n υγιές φύλλο.</numerusform>
            <numerusform>Στο Quorvel, ένα μόσχευμα με νερό και όλα τα έξι ανόργανα στοιχεία βγάζει βλαστό ύψους %1 μονάδων στον χάρακα, με %n υγιή φύλλα.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In Quorvel, a cutting given water and every mineral except this one grows a stem %1 units long and %n leaves. Look for this leaf:</source>
        <translation>
            <numerusform>Στο Quorvel, ένα μόσχευμα με νερό και όλα τα ανόργανα στοιχεία εκτός από αυτό βγάζει βλαστό ύψους %1 μονάδων και %n φύλλο. Ψάξε αυτό το φύλλο:</numerusform>
            <numerusform>Στο Quorvel, ένα μόσχευμα με νερό και όλα τα ανόργανα στοιχεία εκτός από αυτό βγάζει βλαστό ύψους %1 μονάδων και %n φύλλα. Ψάξε αυτό το φύλλο:</numerusform>
        </translation>
    </message>
    <message>
        <source>In Quorvel, a cutting without %1 grows this same leaf, so the leaf alone cannot tell you which of the two is missing.</source>
        <translation>Στο Quorvel, ένα μόσχευμα χωρίς %1 βγάζει το ίδιο φύλλο, οπότε μόνο από το φύλλο δεν μπορείς να πεις ποιο από τα δύο λείπει.</translation>
    </message>
    <message>
        <source>Quorvel is a science simulation for pupils: grow a plant cutting in a test tube and find out which minerals a plant needs.</source>
        <translation>Το Quorvel είναι μια προσομοίωση φυσικών επιστημών για μαθητές: μεγάλωσε ένα μόσχευμα φυτού σε δοκιμαστικό σωλήνα και ανακάλυψε ποια ανόργανα στοιχεία χρειάζεται ένα φυτό.</translation>
    </message>
    <message>
        <source>Version %1, running on Qt %2.</source>
        <translation>Έκδοση %1, με Qt %2.</translation>
    </message>
    <message>
        <source>Quorvel is free software under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). You may share and change it under that licence. It comes with no warranty.</source>
        <translation>Το Quorvel είναι ελεύθερο λογισμικό με την Άδεια Δημόσιας Χρήσης GNU (GNU General Public License), έκδοση 3 ή οποιαδήποτε νεότερη (GPL-3.0-or-later). Μπορείς να το μοιράζεσαι και να το αλλάζεις σύμφωνα με αυτή την άδεια. Δεν συνοδεύεται από καμία εγγύηση.</translation>
    </message>
    <message>
        <source>For teachers, a guide with a lesson plan, questions with answers and every result of the experiment comes with Quorvel, in each language it speaks. On Linux it is in the folder %1.</source>
        <translation>Για τους εκπαιδευτικούς, μαζί με το Quorvel έρχεται ένας οδηγός με σχέδιο μαθήματος, ερωτήσεις με απαντήσεις και κάθε αποτέλεσμα του πειράματος, σε κάθε γλώσσα που μιλά. Στο Linux βρίσκεται στον φάκελο %1.</translation>
    </message>
    <message>
        <source>Made by the Quorvel developers, for pupils and their teachers.</source>
        <translation>Από τους δημιουργούς του Quorvel, για μαθητές και τους εκπαιδευτικούς τους.</translation>
    </message>
    <message>
        <source>The plant that grew from your experiment, and a ruler to measure it. Press F1 for help.</source>
        <translation>Το φυτό που μεγάλωσε από το πείραμά σου και ένας χάρακας για να το μετρήσεις. Πάτησε F1 για βοήθεια.</translation>
    </message>
    <message>
        <source>Plan your experiment: fill the test tube with water and minerals and put a plant cutting in. Press F1 for help.</source>
        <translation>Σχεδίασε το πείραμά σου: γέμισε τον δοκιμαστικό σωλήνα με νερό και ανόργανα στοιχεία και βάλε μέσα ένα μόσχευμα φυτού. Πάτησε F1 για βοήθεια.</translation>
    </message>
    <message>
        <source>Quorvel Help</source>
        <translation>Βοήθεια του Quorvel</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Περιεχόμενα</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Κείμενο βοήθειας</translation>
    </message>
    <message>
        <source>To measure with the keyboard, click %1, then press an arrow key: an outline of the ruler appears. Each arrow moves it one unit of the ruler. Going up or down, it stops on the way where its zero mark is level with the top of the stem. Shift with an arrow moves it one small step, to put the zero mark exactly level. Return or Space puts the ruler where the outline is, unless something is in the way; Escape stops and leaves the ruler where it was.</source>
        <translation>Για να μετρήσεις με το πληκτρολόγιο, κάνε κλικ στο %1 και μετά πάτησε ένα βελάκι: εμφανίζεται το περίγραμμα του χάρακα. Κάθε βελάκι το μετακινεί μία μονάδα του χάρακα. Όταν ανεβαίνει ή κατεβαίνει, σταματά στον δρόμο του εκεί όπου η γραμμή του μηδενός είναι στο ύψος της κορυφής του βλαστού. Το Shift μαζί με ένα βελάκι το μετακινεί ένα μικρό βήμα, για να φέρεις τη γραμμή του μηδενός ακριβώς στο ύψος της κορυφής. Το Enter ή το Διάστημα βάζει τον χάρακα εκεί όπου είναι το περίγραμμα, εκτός αν κάτι είναι στη μέση· το Esc σταματά και αφήνει τον χάρακα εκεί που ήταν.</translation>
    </message>
    <message>
        <source>A screen reader hears what each step changed: the mineral added and the record, what the tube holds, the cutting, how tall the stem grew and what its leaves show, where the ruler&apos;s outline is, and what the stem reads on the ruler.</source>
        <translation>Ένας αναγνώστης οθόνης ακούει τι άλλαξε σε κάθε βήμα: το ανόργανο στοιχείο που προστέθηκε και την εγγραφή στον πίνακα, τι περιέχει ο σωλήνας, το μόσχευμα, πόσο ψήλωσε ο βλαστός και τι δείχνουν τα φύλλα του, πού βρίσκεται το περίγραμμα του χάρακα και τι δείχνει ο βλαστός πάνω στον χάρακα.</translation>
    </message>
    <message>
        <source>Measure the stem with the ruler. There are two ways. Drag it: press the mouse button on the ruler, move it beside the stem and let go. Or click %1, then click where the top of the ruler should go. Put the ruler&apos;s 0 level with the top of the stem, and read the number beside the foot of the stem, where it comes out of the tube: that is its height in the ruler&apos;s units, which are Quorvel&apos;s own and not centimetres. A cutting given water and every mineral grows %2 units tall.</source>
        <translation>Μέτρησε τον βλαστό με τον χάρακα. Υπάρχουν δύο τρόποι. Σύρε τον: πάτησε το κουμπί του ποντικιού πάνω στον χάρακα, φέρ’ τον δίπλα στον βλαστό και άφησέ τον. Ή κάνε κλικ στο %1 και μετά κάνε κλικ εκεί όπου θέλεις να είναι η κορυφή του χάρακα. Βάλε το 0 του χάρακα στο ύψος της κορυφής του βλαστού και διάβασε τον αριθμό δίπλα στη βάση του βλαστού, εκεί που βγαίνει από τον σωλήνα: αυτό είναι το ύψος του στις μονάδες του χάρακα, που υπάρχουν μόνο στο Quorvel και δεν είναι εκατοστά. Ένα μόσχευμα με νερό και όλα τα ανόργανα στοιχεία ψηλώνει %2 μονάδες.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. Its leaf keeps green veins, and its stem grows taller than without magnesium or iron. In a real plant short of nitrogen the leaf turns pale yellow all over, veins too, and the plant stays smaller than one short of magnesium or iron.</source>
        <translation>Εδώ το Quorvel δεν μοιάζει με ένα πραγματικό φυτό. Το φύλλο του κρατά πράσινα νεύρα, και ο βλαστός του ψηλώνει περισσότερο απ’ ό,τι χωρίς μαγνήσιο ή σίδηρο. Σε ένα πραγματικό φυτό με έλλειψη αζώτου το φύλλο γίνεται ολόκληρο ωχροκίτρινο, μαζί και τα νεύρα, και το φυτό μένει μικρότερο από ένα φυτό με έλλειψη μαγνησίου ή σιδήρου.</translation>
    </message>
    <message>
        <source>Here Quorvel is not like a real plant. It puts brown spots on every leaf, the youngest too. In a real plant the edges and tips of the older leaves turn brown first.</source>
        <translation>Εδώ το Quorvel δεν μοιάζει με ένα πραγματικό φυτό. Βάζει καφέ κηλίδες σε κάθε φύλλο, ακόμη και στα νεότερα. Σε ένα πραγματικό φυτό καφετιάζουν πρώτα οι άκρες και οι μύτες των παλαιότερων φύλλων.</translation>
    </message>
    <message>
        <source>Quorvel gives nitrogen the same leaf as magnesium: pale yellow with green veins. In a real plant short of nitrogen the whole leaf turns pale yellow, veins too, on the older leaves first.</source>
        <translation>Το Quorvel δίνει στο άζωτο το ίδιο φύλλο με το μαγνήσιο: ωχροκίτρινο με πράσινα νεύρα. Σε ένα πραγματικό φυτό με έλλειψη αζώτου ολόκληρο το φύλλο γίνεται ωχροκίτρινο, μαζί και τα νεύρα, πρώτα στα παλαιότερα φύλλα.</translation>
    </message>
    <message>
        <source>A real plant short of nitrogen usually grows least of all. In Quorvel it grows taller than a plant short of magnesium or iron. So compare heights with each other in Quorvel, not with real plants.</source>
        <translation>Ένα πραγματικό φυτό με έλλειψη αζώτου συνήθως μεγαλώνει λιγότερο από όλα. Στο Quorvel ψηλώνει περισσότερο από ένα φυτό με έλλειψη μαγνησίου ή σιδήρου. Γι’ αυτό σύγκρινε τα ύψη μεταξύ τους μέσα στο Quorvel, όχι με πραγματικά φυτά.</translation>
    </message>
    <message>
        <source>Quorvel puts brown spots on every leaf of a plant short of potassium. In a real plant the edges of the older leaves turn brown first.</source>
        <translation>Το Quorvel βάζει καφέ κηλίδες σε κάθε φύλλο ενός φυτού με έλλειψη καλίου. Σε ένα πραγματικό φυτό καφετιάζουν πρώτα οι άκρες των παλαιότερων φύλλων.</translation>
    </message>
    <message>
        <source>Without water, Quorvel&apos;s rule is that the stem grows only a little and has no leaves: even the cutting&apos;s own two leaves are gone. A real cutting without water wilts and dies.</source>
        <translation>Χωρίς νερό, ο κανόνας του Quorvel είναι ότι ο βλαστός ψηλώνει μόνο λίγο και δεν έχει φύλλα: χάνονται ακόμη και τα δύο φύλλα που είχε το ίδιο το μόσχευμα. Ένα πραγματικό μόσχευμα χωρίς νερό μαραίνεται και πεθαίνει.</translation>
    </message>
    <message>
        <source>Ctrl+H opens your notebook from either screen. In it, the arrow keys go from experiment to experiment, Delete deletes one, Ctrl+S saves the notebook as CSV, Ctrl+P prints it, and Escape closes it.</source>
        <translation>Το Ctrl+H ανοίγει το τετράδιό σου και από τις δύο οθόνες. Μέσα σε αυτό, τα βελάκια πηγαίνουν από πείραμα σε πείραμα, το Delete διαγράφει ένα πείραμα, το Ctrl+S αποθηκεύει το τετράδιο ως CSV, το Ctrl+P το εκτυπώνει και το Esc το κλείνει.</translation>
    </message>
    <message>
        <source>Open the notebook</source>
        <translation>Άνοιξε το τετράδιο</translation>
    </message>
    <message>
        <source>Quorvel writes every plant you grow into your notebook: what it was given, what its leaves show, and the height you read at the foot of the stem when you put the ruler down. Compare your experiments there in a table and a bar chart, save them for a spreadsheet, or print them. %1, or press Ctrl+H.</source>
        <translation>Το Quorvel γράφει στο τετράδιό σου κάθε φυτό που μεγαλώνεις: τι του δόθηκε, τι δείχνουν τα φύλλα του και το ύψος που διάβασες στη βάση του βλαστού όταν τοποθέτησες τον χάρακα. Εκεί μπορείς να συγκρίνεις τα πειράματά σου σε πίνακα και σε ραβδόγραμμα, να τα αποθηκεύσεις για ένα υπολογιστικό φύλλο ή να τα εκτυπώσεις. %1 ή πάτησε Ctrl+H.</translation>
    </message>
    <message>
        <source>Press Ctrl+H for your notebook of this lesson&apos;s experiments.</source>
        <translation>Πάτησε Ctrl+H για το τετράδιο με τα πειράματα αυτού του μαθήματος.</translation>
    </message>
</context>
<context>
    <name>OutcomeTable</name>
    <message>
        <source>the picture an earlier run left</source>
        <translation>η εικόνα που άφησε ένα προηγούμενο πείραμα</translation>
    </message>
    <message>
        <source>none</source>
        <translation>κανένα</translation>
    </message>
    <message>
        <source>all six</source>
        <translation>και τα έξι</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>one leaf or another</comment>
        <translation>%1 ή %2</translation>
    </message>
    <message>
        <source>%1 x%2</source>
        <comment>a leaf, and how many in a row grow like it</comment>
        <translation>%1 (%2 φορές)</translation>
    </message>
    <message>
        <source>Minerals left out</source>
        <translation>Ανόργανα στοιχεία που λείπουν</translation>
    </message>
    <message>
        <source>With water: stem (ruler units)</source>
        <translation>Με νερό: βλαστός (μονάδες χάρακα)</translation>
    </message>
    <message>
        <source>With water: leaves, bottom to top</source>
        <translation>Με νερό: φύλλα, από κάτω προς τα πάνω</translation>
    </message>
    <message>
        <source>Without water: stem (ruler units)</source>
        <translation>Χωρίς νερό: βλαστός (μονάδες χάρακα)</translation>
    </message>
    <message>
        <source>Without water: leaves</source>
        <translation>Χωρίς νερό: φύλλα</translation>
    </message>
    <message>
        <source>random: %1</source>
        <comment>every leaf the random mixture can give, place by place</comment>
        <translation>τυχαία: %1</translation>
    </message>
    <message>
        <source>Mineral left out</source>
        <translation>Ανόργανο στοιχείο που λείπει</translation>
    </message>
    <message>
        <source>Stem (ruler units)</source>
        <translation>Βλαστός (μονάδες χάρακα)</translation>
    </message>
    <message>
        <source>The leaf to look for</source>
        <translation>Το φύλλο που ψάχνεις</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two minerals; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the leaves of two places up the stem; Greek writes its semicolon as a raised dot, as its question mark is &quot;;&quot;.</extracomment>
        <translation>· </translation>
    </message>
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source>healthy green leaf</source>
        <translation>υγιές πράσινο φύλλο</translation>
    </message>
    <message>
        <source>pale yellow leaf with green veins</source>
        <translation>ωχροκίτρινο φύλλο με πράσινα νεύρα</translation>
    </message>
    <message>
        <source>white leaf with green veins</source>
        <translation>άσπρο φύλλο με πράσινα νεύρα</translation>
    </message>
    <message>
        <source>narrow green leaf with a wavy, crinkled edge</source>
        <translation>στενό πράσινο φύλλο με κυματιστή, ζαρωμένη άκρη</translation>
    </message>
    <message>
        <source>pale yellow leaf with brown spots</source>
        <translation>ωχροκίτρινο φύλλο με καφέ κηλίδες</translation>
    </message>
    <message>
        <source>purple leaf</source>
        <translation>μωβ φύλλο</translation>
    </message>
    <message>
        <source>healthy green leaf, hanging down</source>
        <translation>υγιές πράσινο φύλλο, γερμένο προς τα κάτω</translation>
    </message>
    <message>
        <source>narrow purple leaf with a wavy edge</source>
        <translation>στενό μωβ φύλλο με κυματιστή άκρη</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>test tube</comment>
        <translation>άδειος</translation>
    </message>
    <message>
        <source>minerals only</source>
        <translation>μόνο ανόργανα στοιχεία</translation>
    </message>
    <message>
        <source>water and minerals</source>
        <translation>νερό και ανόργανα στοιχεία</translation>
    </message>
    <message>
        <source>clear water</source>
        <translation>διαυγές νερό</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>syringe</comment>
        <translation>άδεια</translation>
    </message>
    <message>
        <source>nearly empty</source>
        <translation>σχεδόν άδεια</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>πατημένη</translation>
    </message>
    <message>
        <source>full</source>
        <translation>γεμάτη</translation>
    </message>
    <message>
        <source>a falling drop</source>
        <translation>μια σταγόνα που πέφτει</translation>
    </message>
    <message>
        <source>test tube, blacked out</source>
        <translation>δοκιμαστικός σωλήνας, σκεπασμένος με μαύρο</translation>
    </message>
    <message>
        <source>a plant cutting with two leaves, standing in a blacked-out test tube</source>
        <translation>ένα μόσχευμα φυτού με δύο φύλλα, μέσα σε δοκιμαστικό σωλήνα σκεπασμένο με μαύρο</translation>
    </message>
    <message>
        <source>a ruler marked from 0 at the top to 17</source>
        <translation>ένας χάρακας με αρίθμηση από το 0 πάνω ως το 17</translation>
    </message>
    <message>
        <source>a red arrow pointing down at the mineral buttons</source>
        <translation>ένα κόκκινο βέλος που δείχνει προς τα κάτω, στα κουμπιά των ανόργανων στοιχείων</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
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
        <translation>Θέλεις σίγουρα να βγεις;</translation>
    </message>
</context>
<context>
    <name>RecordTable</name>
    <message>
        <source>Mineral</source>
        <translation>Στοιχείο</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Άζωτο</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Κάλιο</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Μαγνήσιο</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Σίδηρος</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Φωσφόρος</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Ασβέστιο</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Δόθηκε</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1: δόθηκε</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Quorvel has ended.</source>
        <translation>Το Quorvel τερματίστηκε.</translation>
    </message>
    <message>
        <source>Start Quorvel again</source>
        <translation>Εκκίνηση του Quorvel ξανά</translation>
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
        <translation>δεν μετρήθηκε</translation>
    </message>
    <message>
        <source>What it left out</source>
        <translation>Τι έλειπε</translation>
    </message>
    <message>
        <source>Height you read, in units of the ruler</source>
        <translation>Ύψος που διάβασες, σε μονάδες του χάρακα</translation>
    </message>
    <message>
        <source>Under each bar: the experiment&apos;s number and what it left out</source>
        <translation>Κάτω από κάθε ράβδο: ο αριθμός του πειράματος και τι έλειπε</translation>
    </message>
    <message>
        <source>Dashed line: the height according to Quorvel</source>
        <translation>Διακεκομμένη γραμμή: το ύψος που έδωσε το Quorvel</translation>
    </message>
    <message>
        <source>Bar chart of the heights you read</source>
        <translation>Ραβδόγραμμα με τα ύψη που διάβασες</translation>
    </message>
    <message>
        <source>One bar for each experiment. The arrow keys go from bar to bar.</source>
        <translation>Μία ράβδος για κάθε πείραμα. Τα βελάκια πηγαίνουν από ράβδο σε ράβδο.</translation>
    </message>
</context>
<context>
    <name>quorvel::DesignWindow</name>
    <message>
        <source>&amp;Nitrogen</source>
        <translation>Ά&amp;ζωτο</translation>
    </message>
    <message>
        <source>Po&amp;tassium</source>
        <translation>&amp;Κάλιο</translation>
    </message>
    <message>
        <source>&amp;Magnesium</source>
        <translation>&amp;Μαγνήσιο</translation>
    </message>
    <message>
        <source>&amp;Iron</source>
        <translation>&amp;Σίδηρος</translation>
    </message>
    <message>
        <source>&amp;Phosphorus</source>
        <translation>&amp;Φωσφόρος</translation>
    </message>
    <message>
        <source>&amp;Calcium</source>
        <translation>Ασ&amp;βέστιο</translation>
    </message>
    <message>
        <source>Add &amp;Water</source>
        <translation>Βάλε &amp;νερό</translation>
    </message>
    <message>
        <source>See &amp;Results</source>
        <translation>&amp;Αποτέλεσμα</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Έξο&amp;δος</translation>
    </message>
    <message>
        <source>&amp;Start again</source>
        <translation>&amp;Ξεκίνα ξανά</translation>
    </message>
    <message>
        <source>&amp;Add Cutting</source>
        <translation>Μόσ&amp;χευμα</translation>
    </message>
    <message>
        <source>Quorvel - Designing your experiment</source>
        <translation>Quorvel - Σχεδίασε το πείραμά σου</translation>
    </message>
    <message>
        <source>Click on these minerals to add them to the tube.</source>
        <translation>Κάνε κλικ σε ένα στοιχείο για να το δώσεις.</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Μόσχευμα</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Δοκιμαστικός σωλήνας</translation>
    </message>
    <message>
        <source>Syringe</source>
        <translation>Σύριγγα</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Σταγόνα</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Βέλος</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Φόντο του πίνακα</translation>
    </message>
    <message>
        <source>Background of the instructions</source>
        <translation>Φόντο των οδηγιών</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Γραμμή ανάμεσα στις στήλες του πίνακα</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Γραμμή κάτω από τις επικεφαλίδες του πίνακα</translation>
    </message>
    <message>
        <source>%1 added: the record says %2.</source>
        <translation>%1: δόθηκε· ο πίνακας γράφει %2.</translation>
    </message>
    <message>
        <source>Water added: the tube holds %1.</source>
        <translation>Προστέθηκε νερό: ο σωλήνας περιέχει %1.</translation>
    </message>
    <message>
        <source>Started again: the tube is empty and every mineral says %1.</source>
        <translation>Από την αρχή: ο σωλήνας είναι άδειος και κάθε ανόργανο στοιχείο γράφει %1.</translation>
    </message>
    <message>
        <source>The cutting is in; the tube takes nothing more.</source>
        <translation>Το μόσχευμα μπήκε· ο σωλήνας δεν παίρνει τίποτε άλλο.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookTable</name>
    <message>
        <source>Experiment</source>
        <extracomment>The column of the experiments&apos; numbers: 1, 2, 3...</extracomment>
        <translation>Πείραμα</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Νερό</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Φύλλα</translation>
    </message>
    <message>
        <source>Height you read</source>
        <translation>Ύψος που διάβασες</translation>
    </message>
    <message>
        <source>Height according to Quorvel</source>
        <translation>Ύψος που έδωσε το Quorvel</translation>
    </message>
    <message>
        <source>Nothing</source>
        <extracomment>On the chart, under an experiment that left nothing out.</extracomment>
        <translation>Τίποτα</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two names in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>No leaves</source>
        <translation>Χωρίς φύλλα</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between two leaves&apos; looks, which may hold commas themselves.</extracomment>
        <translation>· </translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookWindow</name>
    <message>
        <source>Quorvel Notebook</source>
        <translation>Τετράδιο του Quorvel</translation>
    </message>
    <message>
        <source>Every plant you grow is written here. Measure each one with the ruler: the height you read at the foot of the stem goes into the table.</source>
        <translation>Εδώ γράφεται κάθε φυτό που μεγαλώνεις. Μέτρησε το καθένα με τον χάρακα: το ύψος που διαβάζεις στη βάση του βλαστού μπαίνει στον πίνακα.</translation>
    </message>
    <message>
        <source>Your experiments</source>
        <translation>Τα πειράματά σου</translation>
    </message>
    <message>
        <source>&amp;Show the heights according to Quorvel (for the teacher)</source>
        <translation>&amp;Δείξε τα ύψη που έδωσε το Quorvel (για τον εκπαιδευτικό)</translation>
    </message>
    <message>
        <source>&amp;Delete experiment…</source>
        <translation>Διαγρα&amp;φή πειράματος…</translation>
    </message>
    <message>
        <source>C&amp;lear notebook…</source>
        <translation>Άδειασμα &amp;τετραδίου…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>&amp;Αποθήκευση ως CSV…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Εκτύ&amp;πωση…</translation>
    </message>
    <message>
        <source>Delete experiment %1 from the notebook?</source>
        <translation>Να διαγραφεί το πείραμα %1 από το τετράδιο;</translation>
    </message>
    <message>
        <source>Clear the notebook? Every experiment in it is deleted.</source>
        <translation>Να αδειάσει το τετράδιο; Θα διαγραφεί κάθε πείραμα που έχει μέσα.</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Αποθήκευση ως CSV</translation>
    </message>
    <message>
        <source>notebook</source>
        <extracomment>The file name offered for the notebook, without &quot;.csv&quot;.</extracomment>
        <translation>τετράδιο</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Αρχεία CSV (*.csv)</translation>
    </message>
    <message>
        <source>The notebook could not be saved: %1. Nothing in it was lost; you can save it somewhere else.</source>
        <translation>Το τετράδιο δεν μπόρεσε να αποθηκευτεί: %1. Δεν χάθηκε τίποτα από αυτό· μπορείς να το αποθηκεύσεις κάπου αλλού.</translation>
    </message>
    <message>
        <source>The notebook could not be printed. Nothing in it was lost.</source>
        <translation>Το τετράδιο δεν μπόρεσε να εκτυπωθεί. Δεν χάθηκε τίποτα από αυτό.</translation>
    </message>
</context>
<context>
    <name>quorvel::ResultsWindow</name>
    <message>
        <source>&amp;Quit</source>
        <translation>Έξο&amp;δος</translation>
    </message>
    <message>
        <source>&amp;Move ruler</source>
        <translation>&amp;Μέτρησε</translation>
    </message>
    <message>
        <source>&amp;New experiment</source>
        <translation>&amp;Νέο πείραμα</translation>
    </message>
    <message>
        <source>Quorvel - Your results</source>
        <translation>Quorvel - Τα αποτελέσματά σου</translation>
    </message>
    <message>
        <source>Test tube</source>
        <translation>Δοκιμαστικός σωλήνας</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Χάρακας</translation>
    </message>
    <message>
        <source>Stem</source>
        <translation>Βλαστός</translation>
    </message>
    <message>
        <source>Background of the table</source>
        <translation>Φόντο του πίνακα</translation>
    </message>
    <message>
        <source>Line between the table&apos;s columns</source>
        <translation>Γραμμή ανάμεσα στις στήλες του πίνακα</translation>
    </message>
    <message>
        <source>Line under the table&apos;s headings</source>
        <translation>Γραμμή κάτω από τις επικεφαλίδες του πίνακα</translation>
    </message>
    <message>
        <source>Leaf %1</source>
        <translation>Φύλλο %1</translation>
    </message>
    <message>
        <source>%1 units tall on the ruler</source>
        <translation>%1 μονάδες ύψος στον χάρακα</translation>
    </message>
    <message>
        <source>Nothing grew: there was no cutting.</source>
        <translation>Δεν μεγάλωσε τίποτα: δεν υπήρχε μόσχευμα.</translation>
    </message>
    <message>
        <source>The stem grew %1 units, with no leaves.</source>
        <translation>Ο βλαστός ψήλωσε %1 μονάδες, χωρίς φύλλα.</translation>
    </message>
    <message>
        <source>The stem grew %1 units. Leaves: %2.</source>
        <translation>Ο βλαστός ψήλωσε %1 μονάδες. Φύλλα: %2.</translation>
    </message>
    <message>
        <source>Placing the ruler: arrows move it, Return puts it down, Escape stops.</source>
        <translation>Τοποθέτηση χάρακα: τα βελάκια τον μετακινούν, το Enter τον αφήνει, το Esc σταματά.</translation>
    </message>
    <message>
        <source>The ruler cannot go there: %1 is in the way.</source>
        <translation>Ο χάρακας δεν μπορεί να πάει εκεί: στη μέση είναι «%1».</translation>
    </message>
    <message>
        <source>Placing stopped; the ruler is back.</source>
        <translation>Η τοποθέτηση σταμάτησε· ο χάρακας γύρισε πίσω.</translation>
    </message>
    <message>
        <source>Near the top of the stem</source>
        <translation>Κοντά στην κορυφή του βλαστού</translation>
    </message>
    <message>
        <source>Near the stem</source>
        <translation>Κοντά στον βλαστό</translation>
    </message>
    <message>
        <source>Near leaf %1</source>
        <translation>Κοντά στο φύλλο %1</translation>
    </message>
    <message>
        <source>Near the tube</source>
        <translation>Κοντά στον σωλήνα</translation>
    </message>
    <message>
        <source>%1, zero mark level with the stem&apos;s top</source>
        <translation>%1, η γραμμή του μηδενός στο ύψος της κορυφής του βλαστού</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units above the stem&apos;s top</source>
        <translation>%1, η γραμμή του μηδενός %2 μονάδες πάνω από την κορυφή του βλαστού</translation>
    </message>
    <message>
        <source>%1, zero mark %2 units below the stem&apos;s top</source>
        <translation>%1, η γραμμή του μηδενός %2 μονάδες κάτω από την κορυφή του βλαστού</translation>
    </message>
    <message>
        <source>Ruler placed.</source>
        <translation>Ο χάρακας τοποθετήθηκε.</translation>
    </message>
    <message>
        <source>Ruler placed: the stem runs from %1 to %2 on its scale.</source>
        <translation>Ο χάρακας τοποθετήθηκε: ο βλαστός εκτείνεται από το %1 ως το %2 στην κλίμακά του.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two leaves in a list; Arabic and Chinese write their own comma.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
