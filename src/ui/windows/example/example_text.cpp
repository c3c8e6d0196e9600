#include "ui/windows/example/example_text.h"

#include "ui/framework/indented_text.h"

const std::string& exampleText() {
    // clang-format off
    static const std::string text = joinIndentedLines({
        /*  1 */ {4, "EXAMPLE"},
        /*  2 */ {0, ""},
        /*  3 */ {0, "Word Entered : ealpes"},
        /*  4 */ {0, ""},
        /*  5 */ {0, "1. Complete Word Only"},
        /*  6 */ {0, ""},
        /*  7 */ {0, "<<4 Results>>"},
        /*  8 */ {1, " asleep, elapse, please, sapele"},
        /*  9 */ {0, ""},
        /* 10 */ {0, ""},
        /* 11 */ {0, "2. Extended Words"},
        /* 12 */ {1, ""},
        /* 13 */ {0, "<<17 Results>>"},
        /* 14 */ {1, "appels, apples, asleep, elapse, Glaspell, "},
        /* 15 */ {1, "Laelaps, lapse, Naples, Nepalese, passless, passel, please, salep, sapless, "},
        /* 16 */ {0, "sapele, sepal, spale"},
        /* 17 */ {0, ""},
        /* 18 */ {0, ""},
        /* 19 */ {0, "3. Partial Words"},
        /* 20 */ {0, ""},
        /* 21 */ {0, "<<114 Results >>"},
        /* 22 */ {1, "ale, all, alp, allele, ape, app, apse, appal, appall, appeal, appel, appels, apple, "},
        /* 23 */ {0, "apples, asp, ass, asses, assess, aa, ala, alae, alap, alapa, alas, alee, apa, asleep, "},
        /* 24 */ {0, "ease, easel, eel, ell, else, esp, ess, esse, elapse, ep, epee, lall, lap, lapse, lase, lass, "},
        /* 25 */ {0, "lapel, lea, leal, leap, lease, lee, lees, less, lessee, paal, pal, pale, pall, palp, pap, pas, "},
        /* 26 */ {0, "pass, pass, passel, pass, passs, paella, palea, papa, papal, pase, pea, peal, pease, "},
        /* 27 */ {0, "pee, peel, peep, pele, pep, pes, plea, please, pls, plss, pss, sae, sal, sale, sales, salep, "},
        /* 28 */ {0, "sallee, salpa, sap, sass, salal, sapele, sea, seal, see, seel, seep, sel, sell, sep, sepal, "},
        /* 29 */ {0, "seppa, slap, sleep, sleeps, spa, spae, spale, spall, speel, spell, spp"},
        /* 30 */ {0, ""},
        /* 31 */ {0, ""},
        /* 32 */ {0, "4. Extended Partial Words"},
        /* 33 */ {0, ""},
        /* 34 */ {0, "<<31 Results >>"},
        /* 35 */ {1, "allele, appall, appeal, appease, appels, appellee, apples, assess, apelles, "},
        /* 36 */ {0, "asleep, elsass, esplees, elapse, laelaps, lassalle, lassell, leaseless, lessee, lesseps, "},
        /* 37 */ {0, "pallas, passless, passel, paella, pelles, pelleas, please, sallee, sapless, sapele, sleeps, "},
        /* 38 */ {0, "sleepless"},
        /* 39 */ {0, ""},
        /* 40 */ {0, "*** Please Note That Some of the word may not be in the standard dictionary. Effort has "},
        /* 41 */ {0, "been taken to include the largest possible Word-list for comprehensive search. Few "},
        /* 42 */ {0, "Common Names are also included, first letter  of such words are in Capital letters. ***"},
        /* 43 */ {0, ""},
        /* 44 */ {1, ""},
    });
    // clang-format on
    return text;
}
