#pragma once
#include <QIcon>

// The picture the notification area shows for the program, drawn here rather
// than shipped: also the icon of every window of the program.
QIcon ProgramIcon();
