#include "pictures/help.h"

#include <sys/stat.h>

#include <string>

#include "pictures/display_text.h"
#include "toolbox/toolbox.h"

void help_show() {
    char folder[4096];
    int32_t length = tb_GetDataDirectory(static_cast<int32_t>(sizeof folder), folder);
    std::string page = length < static_cast<int32_t>(sizeof folder)
                           ? std::string(folder) + "/" + kHelpPage
                           : std::string();
    struct stat st {};
    if (page.empty() || stat(page.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::string text = "The help page could not be found. It should be the file\n" +
                           displayable(page.empty() ? kHelpPage : page.c_str()) +
                           "\nPlease install Tintamar again.";
        tb_Attention(text.c_str());
        return;
    }
    if (tb_OpenWithDesktop(page.c_str()) == 0) {
        tb_Attention(
            "The help page could not be shown: no web browser was found on this computer to "
            "show it.");
    }
}
