#pragma once

#include <QPixmap>
#include <vector>

namespace slidemint {

// The folder-watch button's pictures, 23 x 23 each: 0 stopped, 1 watching,
// 2 watching under the mouse, 3 stopped under the mouse.
std::vector<QPixmap> MakeMonitorPictures();

}  // namespace slidemint
