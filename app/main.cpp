#include "app/Startup.h"

int main(int argc, char** argv) { return mirota::runProgram(argc, argv); }
