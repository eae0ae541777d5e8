#pragma once

// Lays out now every widget whose layout waits in the event queue, and the parents their new
// sizes put in the queue after them. A window changed in many places at once settles its
// layouts one level of parents per turn of the event loop and is drawn between the turns;
// settled first, it is drawn once.
void lay_out_pending_widgets();
