// The About box, whose link opens the program's home page in the user's browser.
#pragma once

#include <cstdint>

// The program's home page: where the About box's link leads.
constexpr const char* kHomePageAddress = "https://tintamar.org/";

// Shows the About box until a button press or Escape. A press on the link opens the home page
// and gives 1; any other press and Escape give 0.
int32_t about_show();
