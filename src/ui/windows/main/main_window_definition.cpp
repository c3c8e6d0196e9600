#include "ui/windows/main/main_window_definition.h"

#include "ui/framework/definition_names.h"

namespace {

using namespace definition_names;

constexpr FontSpec SansSerif825Bold{"MS Sans Serif", 8.25, kBold};
constexpr FontSpec SansSerif975Bold{"MS Sans Serif", 9.75, kBold};
constexpr FontSpec SansSerif12Bold{"MS Sans Serif", 12, kBold};
constexpr FontSpec SansSerif135Bold{"MS Sans Serif", 13.5, kBold};
constexpr FontSpec Bookman1425Semibold{"Bookman Old Style", 14.25, kSemibold};
constexpr FontSpec Bookman1575Semibold{"Bookman Old Style", 15.75, kSemibold};
constexpr FontSpec Antiqua12Bold{"Book Antiqua", 12, kBold};
constexpr FontSpec Arial24Bold{"Arial", 24, kBold};

constexpr ColourValue Black = kBlack;
constexpr ColourValue DarkRed = 0x000000C0;
constexpr ColourValue Red = kRed;
constexpr ColourValue White = kWhite;
constexpr ColourValue ButtonFace = 0x00FFC0C0;
constexpr ColourValue Teal = 0x00808000;
constexpr ColourValue Salmon = 0x008080FF;

constexpr const char* kLabel6Caption =
    "Anagrams (Jumbled Words - A word or phrase spelled by rearranging the letters of another word or "
    "phrase).  e.g rdsow = words, sword\"";

constexpr const char* kLabel5Caption =
    "PARISHRAMENA HI SIDYANTI KARYANI NA MANORATHE NA HE SUPTASYA SINHASYA PRAWISHANTI MUKHE MRIGA ------  "
    "VELMIRA TUNHOLD"
    "                                       " // 39 blanks
    "Please Close and Restart The SOFTWARE";

constexpr const char* kCountTip =
    "Click here To see Only The Number of Anagrams Possible without Displaying the Anagrams. No. Of Results "
    "depends according to the Type Of Anagram";
constexpr const char* kRandomizeTip =
    "Give the Word Which you want to Randomize (The letters) onto the main text field above and get the "
    "randomized word in big text box below";
constexpr const char* kChoiceTip = "Hover your Mouse over any of the choice to know more about it";

// clang-format off
const WindowProperties kProperties{
//   name       caption                         frame    opens      client area  restored at    background text colour icon         picture
    "formain", "TOVREL -- BY VELMIRA TUNHOLD", Sizable, Maximized, 15000, 8715, At(60, 1035), Black,     DarkRed,    ProgramIcon, ":/images/banner.png"};

const ControlTable kControls{
//   name        kind        in        left   top    width  height tab   caption or text                                  font                 background  text colour other
    {"Text2",    TextBox,    Window,   5400,  3840,  4815,  540,   0,    "",                                              SansSerif12Bold,     System,     System},
    {"Label1",   Label,      Window,   5520,  3240,  4575,  495,   1,    "Please Enter your Word Below",                  SansSerif135Bold,    Black,      Red},
    {"Text1",    ResultsBox, Window,   3600,  5400,  8175,  2055,  2,    "",                                              SansSerif12Bold,     System,     System},
    {"Command2", Button,     Window,   360,   6000,  1935,  495,   3,    "!! Game !!",                                    SansSerif975Bold,    ButtonFace, System},
    {"Command1", Button,     Window,   12120, 3600,  2895,  735,   4,    "!! Click to get Anagrams !!",                   SansSerif975Bold,    ButtonFace, System},
    {"Frame1",   Frame,      Window,   12120, 5040,  3015,  3255,  5,    "Select your choice : ",                         SansSerif825Bold,    Black,      DarkRed},
    {"Option1",  Option,     "Frame1", 360,   480,   2415,  495,   6,    "COMPLETE WORD ONLY",                            SansSerif975Bold,    Black,      DarkRed},
    {"Option2",  Option,     "Frame1", 360,   1200,  2535,  495,   7,    "EXTENDED WORDS",                                SansSerif975Bold,    Black,      DarkRed},
    {"Command4", Button,     Window,   12360, 8760,  2415,  495,   8,    "!! EXIT !!",                                    Bookman1575Semibold, ButtonFace, System},
    {"Option3",  Option,     "Frame1", 360,   1800,  2535,  495,   9,    "PARTIAL WORDS",                                 SansSerif975Bold,    Black,      DarkRed},
    {"Command3", Button,     Window,   360,   5160,  1935,  495,   10,   "!! Example !!",                                 SansSerif975Bold,    ButtonFace, System},
    {"Command5", Button,     Window,   360,   6840,  1935,  495,   11,   "!! Randomize !!",                               SansSerif975Bold,    ButtonFace, System},
    {"Picture1", PictureBox, Window,   12240, -360,  3375,  3135,  12,   ":/images/logo.png",                             NoFont,              System,     System},
    {"Option4",  Option,     "Frame1", 360,   2520,  2535,  495,   13,   "EXTENDED PARTIAL WORDS",                        SansSerif975Bold,    Black,      DarkRed},
    {"Label2",   Label,      Window,   2040,  10200, 11895, 375,   14,   "Parishramena Hi Sidyanti Karyani... Na Manorathe.. Only Hardwork Fetches Success... Nothing Else....",
                                                                                                                           Antiqua12Bold,       Black,      White},
    {"Label3",   Label,      Window,   5880,  7800,  3975,  495,   15,   "Number Of Results Found :  ",                   Bookman1425Semibold, Black,      DarkRed},
    {"Label4",   Label,      Window,   10080, 7800,  975,   495,   16,   "0",                                             Bookman1425Semibold, Black,      DarkRed,    kShrinkToFit},
    {"Command6", Button,     Window,   360,   8880,  1935,  615,   17,   "!! Add Word To Dictionary !!",                  SansSerif975Bold,    ButtonFace, System},
    {"Command7", Button,     Window,   360,   7680,  1935,  855,   18,   "!! Only Check The Number of Anagrams  !!",      SansSerif975Bold,    ButtonFace, System},
    {"Command8", Button,     Window,   360,   3720,  1695,  495,   19,   "!! HELP !!",                                    SansSerif975Bold,    ButtonFace, System},
    {"Label6",   Label,      Window,   5040,  9000,  6015,  1095,  20,   kLabel6Caption,                                  SansSerif825Bold,    Black,      White},
    {"Frame2",   Frame,      Window,   240,   4800,  2175,  4935,  22,   "Other Features :",                              SansSerif825Bold,    Black,      DarkRed},
    {"Label8",   Label,      Window,   5040,  4560,  5535,  255,   23,   "Enter the text above and Press Enter To Find Complete Anagrams By Default",
                                                                                                                           NoFont,              Black,      Red},
    {"Label5",   Label,      Window,   3000,  4440,  9375,  4935,  24,   kLabel5Caption,                                  Arial24Bold,         Teal,       Salmon},
    {"Shape1",   Shape,      Window,   12000, 3480,  3135,  975,   None, "",                                              NoFont,              System,     System},
    {"Shape2",   Shape,      Window,   240,   3600,  1935,  735,   None, "",                                              NoFont,              System,     System},
};

const ToolTipTable kToolTips{
    {"Text2",    "Give your word here or get the computer word (in game) here "},
    {"Text1",    "You will get your anagrams (answers)  here"},
    {"Command1", "Click here to get the anagrams on the white box below "},
    {"Command2", "Click here and computer generates an jumbled word from the dictionary and you try its anagrams. "
                 "Click other buton to get the answer"},
    {"Command3", "Click here to see a Demo of Results for the Word EALPES"},
    {"Command4", "Click To Close the Tovrel 2"},
    {"Command5", kRandomizeTip},
    {"Command6", kRandomizeTip},
    {"Command7", kCountTip},
    {"Command8", "Click here to see the detailed description of How to Use This software!"},
    {"Label3",   kCountTip},
    {"Label4",   kCountTip},
    {"Frame1",   kChoiceTip},
    {"Frame2",   kChoiceTip},
    {"Option1",  "Complete Word gives exact Anagrams for example for : RDSOW gives : WORDS n SWORD  (Each letter used "
                 "exactly the same no. of times as given word)"},
    {"Option2",  "EXTENDED uses the letters of the given word but number of times the letter is used is varied. E.g TOL "
                 "given LOOT n TOOL (No. of times 'O' is used is two whereas word had only 1 'O' "},
    {"Option3",  "PARTIAL does not use all the letters of the given word, but all the letters of anagram word are there "
                 "in the given word E.g TEAR gives TEA, EAT, ATE"},
    {"Option4",  "Like Extened It uses the letters more number of times than in the given word but few unwanted letters "
                 "may be deleted like Partial Words E.g  PLEASE : PAPPAS n ALLELE"},
    {"Label8",   "KeyBoard  Interface allows you to Get the answers just by entering the text above and hitting the "
                 "Return Key (Enter Key). By default its Complete Anagrams."},
    {"Label2",   "Velmira Tunhold (The Programmer) 's Favorite Quotation. It completes as Parishramena hi sidyanti "
                 "karyani.. Na manorathe.. Na hi suptasya Singhasya Pravishanti Mukhe Mriga.. "},
    {"Picture1", "This is the logo of Tovrel, Big QV represents intial letters of the software and the Name (in red) "
                 "represents the name of the programmer of this software"},
};

// What screen readers call the controls without a caption: a text box is
// named after the label that describes it, the count is read with its label.
const LabelTable kLabels{
//   label     describes
    {"Label1", "Text2"},
    {"Label3", "Label4"},
};

const AccessibleNameTable kAccessibleNames{
//   control     name
    {"Text1",    "Results"},
    {"Picture1", "Tovrel logo"},
};

const MenuTable kMenus{
//   name          caption                                                                                     level
    {"helpmenu",   "&Help",                                                                                    0},
    {"About",      "&About",                                                                                   0},
    {"anagram",    "\"&What is Anagram ?\" ",                                                                  0},
    {"color",      "&Change Colour",                                                                           0},
    {"background", "Background",                                                                               1},
    {"vbBlack1",   "Black",                                                                                    2},
    {"vbBlue1",    "Blue",                                                                                     2},
    {"vbCyan1",    "Cyan",                                                                                     2},
    {"vbGreen1",   "Green",                                                                                    2},
    {"vbMagneta1", "Magenta",                                                                                  2},
    {"vbRed1",     "Red",                                                                                      2},
    {"vbWhite1",   "White",                                                                                    2},
    {"vbYellow1",  "Yellow",                                                                                   2},
    {"textcolor",  "TextColour",                                                                               1},
    {"vbBlack",    "Black",                                                                                    2},
    {"vbBlue",     "Blue",                                                                                     2},
    {"vbCyan",     "Cyan",                                                                                     2},
    {"vbGreen",    "Green",                                                                                    2},
    {"vbMagneta",  "Magenta",                                                                                  2},
    {"vbRed",      "Red",                                                                                      2},
    {"vbWhite",    "White",                                                                                    2},
    {"vbYellow",   "Yellow",                                                                                   2},
    {"help",       "<---------------- KEEP YOUR MOUSE OVER ANY FIELD TO KNOW MORE ABOUT IT ---------------->", 0},
    {"Exit",       "&Exit",                                                                                    0},
};
// clang-format on

} // namespace

const WindowDefinition& mainWindowDefinition() {
    static const WindowDefinition definition{kProperties, kControls, kToolTips,       kMenus,
                                             {},          kLabels,   kAccessibleNames};
    return definition;
}
