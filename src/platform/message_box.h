#pragma once
#include <string>

// A plain message box for start-up failures; returns when the player closes it.
// Without a display it writes the message to standard error instead.
void ShowMessageBox(const std::string& title, const std::string& message);
