// Printing the current picture on one page.
#pragma once

// Asks for the printer and prints the picture, centred and as large as 90 % of the page
// allows, with light printing when it is set. Failures are shown in a notice; cancelling
// prints nothing and shows nothing. The only caller is the print button.
void print_picture();
