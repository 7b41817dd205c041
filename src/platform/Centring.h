#pragma once
class QWidget;

namespace quorvane {
// Moves a window so that it is centred on its screen, computed in twips from the
// window's outer size, frame included.
void centreOnScreen(QWidget* window);
// Centres the window each time it is shown, and once more when a window manager
// has put its frame around it: the frame's size is not known before.
void centreWhenShown(QWidget* window);
}  // namespace quorvane
