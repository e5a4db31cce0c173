#include "app/program.h"

int main(int argc, char** argv) { vdr::RunProgram(vdr::kProgram, argc, argv); }
