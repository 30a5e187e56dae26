#include "pictures/commands.h"

#include "toolbox/toolbox.h"

// FIXME: the picture documents (New, Open, Save, Gallery, Preferences, Help, About) come with
// their own work; Quit already ends the program through the main window.
void do_command(int32_t command) {
    if (command == 0) tb_Shutdown();
}
