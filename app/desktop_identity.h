#pragma once
// How the desktop knows the program's windows: the icon every window carries, and the
// menu entry it belongs to, which taskbars match windows by.

namespace takton {

// Sets the application-wide window icon (every size the menu entry installs) and the
// desktop file name; called once, after the application object exists and before any
// window is shown.
void identifyToTheDesktop();

} // namespace takton
