// Process-wide state of the element tree: the one drag in progress and the cascading place of
// new elements built with an id.
#pragma once

// Offset of the pointer from the dragged element's (x, y) when the drag started.
extern int tk_drag_dx;
extern int tk_drag_dy;

// Grows by (15, 10) for every element built with a parent and an id; starts at (15, 10).
extern int tk_auto_rx;
extern int tk_auto_ry;
