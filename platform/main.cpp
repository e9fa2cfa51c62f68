// The process entry point of programs built on the layer: the program defines
// only its global application object.
#include "platform/app.h"

int main(int argc, char** argv) { return platform::RunProcess(argc, argv); }
