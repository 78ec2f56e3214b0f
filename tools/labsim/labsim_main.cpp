// labsim: runs the portable core over a lab file without a window.
#include <iostream>

#include "tools/labsim/labsim_run.h"

int main(int argc, char** argv) { return RunLabsim(argc, argv, std::cout, std::cerr); }
