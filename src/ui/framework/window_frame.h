#pragma once

class QWidget;

// Where a window's client area opens on the screen, in twips.
struct ClientPosition {
    int left, top;
};

// The program icon that every window carries in its title bar.
inline constexpr char kProgramIcon[] = ":/images/icon.png";

enum class WindowFrame {
    FixedSingle, // title bar with the icon and a close button only; not resizable
    FixedDialog, // the same as a dialog: no task-bar button of its own when it has an owner
};

// Gives the window its frame and the program icon. A fixed frame keeps the
// client size that the window has now.
void applyWindowFrame(QWidget& window, WindowFrame frame);

// Moves the window so that its client area's top-left corner lies at the position.
void placeClientArea(QWidget& window, ClientPosition position);
