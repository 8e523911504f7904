// Opening a website in the user's default browser, through the shell.
#pragma once

#include <string>

// Hands the launch text (a quoted web address) to the shell's "open" operation. The outcome
// is not examined: a URL the platform cannot open changes nothing.
void OpenInBrowser(const std::string& launchText);
