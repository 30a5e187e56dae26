// Start-up and the main loop of the program.
#pragma once

#include <cstdint>

// Runs the program; returns its exit code.
int32_t run_tintamar();
// One idle pass: the C key resets a multi-step tool (scissors, stamp books) in progress.
void idle_pass();
