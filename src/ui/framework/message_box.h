#pragma once

#include <QMessageBox>
#include <memory>

// A message box of the program (messageBoxWindow), ready to run: its text,
// the given buttons with OK the default and Cancel, if there, the escape
// button, and wide enough for the window system to show its whole title.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text,
                                            QMessageBox::StandardButtons buttons);
