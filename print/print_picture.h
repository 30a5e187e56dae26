// Printing the current picture on one page.
#pragma once

// Asks for the printer and prints the picture; the only caller is the print button.
void print_picture();
