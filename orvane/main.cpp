#include "orvane.h"
#include "program_main.h"

int main(int argc, char** argv) { return lesson_main<Orvane>(argc, argv, "Orvane"); }
