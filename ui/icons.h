// The program's icons, drawn with QPainter at start (no image files): one per tool button and
// the program's own picture (a planet with its satellites).
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace vireon {

// The icon of a tool button, by its object name ("sbQuit", "sbJupiter", "sbEqu", ...); a plain
// grey square for a name without a drawing.
QIcon ToolIcon(const QString& buttonName);

// The program's picture, size x size logical pixels.
QPixmap ProgramPicture(int size);
QIcon ProgramIcon();

}  // namespace vireon
