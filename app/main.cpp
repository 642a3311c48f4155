#include "app/Module1.h"

int main(int argc, char** argv) { return mirota::Module1Main(argc, argv); }
