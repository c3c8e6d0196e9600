#pragma once

#include "core/search/search.h"
#include "core/wordlist/word_list.h"
#include "ui/framework/colour_value.h"
#include "ui/framework/control_binding.h"

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <string>

class Desktop;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class ResultsBox;
class QPushButton;
class QRadioButton;
class WindowSurface;
class SecondaryWindows;

// The main window: the input box, the results box and the number of results,
// the four search modes, the command buttons and the menus. Its commands live
// in files by subject: search_commands.cpp, game_commands.cpp (the word game
// and Randomize), add_word_command.cpp, colour_scheme.cpp, hover.cpp,
// information_commands.cpp.
class formain : public QMainWindow {
    Q_OBJECT
public:
    // wordList: the list every command reads or appends to.
    formain(tovrel::WordList wordList, Desktop& desktop, QWidget* parent = nullptr);
    ~formain() override;

    // Shows the window as it opens at start: maximized, the focus in Text2.
    void showAtStart();
    // Shows the window if it is not shown yet, and brings it to the front.
    void bringToFront();

    WindowSurface* surface;
    QLineEdit* Text2;
    ResultsBox* Text1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label8;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command7;
    QPushButton* Command8;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QLabel* Picture1;
    QWidget* Shape1;
    QWidget* Shape2;

    QAction* helpmenu;
    QAction* About;
    QAction* anagram;
    QMenu* color;
    QMenu* background;
    QAction* vbBlack1;
    QAction* vbBlue1;
    QAction* vbCyan1;
    QAction* vbGreen1;
    QAction* vbMagneta1;
    QAction* vbRed1;
    QAction* vbWhite1;
    QAction* vbYellow1;
    QMenu* textcolor;
    QAction* vbBlack;
    QAction* vbBlue;
    QAction* vbCyan;
    QAction* vbGreen;
    QAction* vbMagneta;
    QAction* vbRed;
    QAction* vbWhite;
    QAction* vbYellow;
    QAction* help;
    QAction* Exit;

public slots:
    void Command1_Click();
    void Command7_Click();
    void Text2_KeyPress(int keyAscii);
    void Text2_Change();
    void Option2_Click();
    void Command2_Click();
    void Command5_Click();
    void Command6_Click();

    void vbBlack1_Click();
    void vbBlue1_Click();
    void vbCyan1_Click();
    void vbGreen1_Click();
    void vbMagneta1_Click();
    void vbRed1_Click();
    void vbWhite1_Click();
    void vbYellow1_Click();
    void vbBlack_Click();
    void vbBlue_Click();
    void vbCyan_Click();
    void vbGreen_Click();
    void vbMagneta_Click();
    void vbRed_Click();
    void vbWhite_Click();
    void vbYellow_Click();

    void Label6_MouseMove();
    void Form_MouseMove();

    void Command3_Click();
    void Command4_Click();
    void Command8_Click();
    void About_Click();
    void anagram_Click();
    void help_Click();
    void helpmenu_Click();
    void Exit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the main window ends the whole program, also with the Help,
    // Example or About window open or hidden.
    void closeEvent(QCloseEvent* event) override;

private:
    enum class SearchCommand { GetAnagrams, CountOnly };

    ControlBindings bindings();
    void connectHandlers();
    void Form_Load();

    // search_commands.cpp
    void runSearchCommand(SearchCommand command);
    void enterLockedMode(SearchCommand command);
    void completes(tovrel::Listing listing);
    void extends(tovrel::Listing listing);
    void partials(tovrel::Listing listing);
    void extra_extended(tovrel::Listing listing);
    void searchIntoResults(tovrel::SearchMode mode, tovrel::Listing listing);
    void showUnreadableWordList(const tovrel::FileError& error);
    void showSkippedRecords(const tovrel::SearchOutcome& outcome);

    // colour_scheme.cpp
    void setStartColours();
    QList<QWidget*> colourTargets() const;
    void setTargetsBackground(ColourValue colour);
    void setTargetsForeground(ColourValue colour);

    std::u32string typedWord() const;

    tovrel::WordList wordList_;
    Desktop& desktop_;
    std::uint64_t resultCounter_ = 0;
    std::unique_ptr<SecondaryWindows> secondaryWindows_;
};
