#pragma once

class QWidget;

// Alt with a digit shows the page whose tab caption has that digit as its mnemonic. When no
// shown page has it, the key press reaches the focused control, which would take the digit as
// typed text: from then on such key presses in the window are dropped.
void drop_stray_alt_digits(QWidget* window);
