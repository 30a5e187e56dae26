// The Help command: the help page in the user's browser.
#pragma once

// The help page's file name, among the program's data files.
constexpr const char* kHelpPage = "Help_tmr.html";

// Hands the help page to the desktop's opener; tells the user when the page is missing or
// nothing can show it.
void help_show();
