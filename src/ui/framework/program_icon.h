#pragma once

class QIcon;

// The program icon: the title bars of its windows, the task bar and the desktop.
QIcon programIcon();
