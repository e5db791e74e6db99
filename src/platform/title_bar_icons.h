// A style that loads each window-frame icon once: every MDI frame asks the
// style for the same title-bar and menu icons, and the base style would read
// and decode them from its resources again for each frame.
#pragma once

namespace orr {

// Installs the caching style over the application's current style.
void cacheTitleBarIcons();

}  // namespace orr
