// The main window's search steps: walk the contents positions one at a time,
// opening the topic window and example each position belongs to.
#pragma once

namespace orr {

// One position back. Positions that belong to no topic are passed over; when
// a step back crosses a topic heading, the topic being left is closed (the
// hardware topic stays open). Stepping back from the first position opens the
// first topic example again rather than wrapping to the end.
void searchBack();
// One position forward, passing over positions that belong to no topic and
// wrapping from the last position to the first. Never closes a window.
void searchForward();

}  // namespace orr
