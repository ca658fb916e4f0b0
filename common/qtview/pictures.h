#pragma once
#include <QIcon>
#include <QPixmap>

#include <string>

namespace qtview {

// The pictures a layout names are the program's resources:
// ":/pictures/NAME.xpm", and ":/pictures/NAME_2x.xpm" drawn at twice the
// size for high-density screens where there is one.
QString picturePath(const std::string& name, bool doubled = false);
// The picture for a screen of the given density, at its layout size
// (device pixel ratio set); null when there is none of that name.
QPixmap picture(const std::string& name, qreal density = 1.0);
// Both sizes as an icon, for the window's title bar and the task bar.
QIcon pictureIcon(const std::string& name);

} // namespace qtview
