// Tintamar: a painting program for young children.
#include <cstdlib>

#include "shell/room_scale_option.h"
#include "shell/startup.h"
#include "toolbox/toolbox.h"

int main(int argc, char** argv) {
    tb_SetRoomScale(room_scale_option(argc, argv, std::getenv("TINTAMAR_SCALE")));
    return run_tintamar();
}
