#pragma once

#include <functional>

// Runs an event handler; any exception it lets out is shown through the dialog service (its
// message in an error box) instead of ending the program. False when something was caught.
bool run_guarded(const std::function<void()>& handler);
