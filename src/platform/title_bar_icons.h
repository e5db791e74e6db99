// The suite's window icon, and a style that loads each window-frame icon once: every MDI frame asks the
// style for the same title-bar and menu icons, and the base style would read
// and decode them from its resources again for each frame.
#pragma once

namespace orr {

// Installs the caching style over the application's current style.
void cacheTitleBarIcons();
// Makes the suite's own icon (the one the desktop entry shows) the icon of
// every window, drawn from its SVG at the sizes title bars ask for.
void useSuiteIcon();

}  // namespace orr
