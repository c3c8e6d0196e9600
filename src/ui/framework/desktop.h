#pragma once

class QString;
class QUrl;
class QWidget;

// What the windows ask of the desktop around them: message boxes, the random
// source of the word game, the web browser and starting other programs. The
// program uses SystemDesktop; tests put a recorder in its place.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box (messageBoxWindow) with the text and OK.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // A modal message box with OK (the default) and Cancel; true for OK.
    // Closing the box counts as Cancel.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;

    // Seeds the random source from the system clock.
    virtual void seedRandomFromClock() = 0;
    // A uniformly distributed single-precision value in [0, 1).
    virtual float nextRandom() = 0;

    // Opens the address in the default web browser, without waiting.
    virtual void openUrl(const QUrl& address) = 0;
    // Starts the program with a normal window, without waiting; false when it
    // cannot be started.
    virtual bool startProgram(const QString& path) = 0;

    // Ends the whole program at once, whatever windows are open or hidden.
    virtual void endProgram() = 0;
};
