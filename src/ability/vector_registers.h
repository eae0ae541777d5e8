#pragma once

// Marks the upper halves of the processor's wide vector registers as unused, as code built for
// those registers should on leaving it but some library code does not. While they stay marked
// used, every plain floating-point instruction of the ability model waits on them, and a walk
// over thousands of players takes twice as long. Does nothing on processors without them.
void release_wide_vector_registers();
