// Tintamar: a painting program for young children.
#include "shell/startup.h"

int main() { return run_tintamar(); }
