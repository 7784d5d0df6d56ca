#include "program_main.h"
#include "telmira.h"

#ifndef PROGRAM_TITLE
#define PROGRAM_TITLE "Telmira"
#endif

int main(int argc, char** argv) { return lesson_main<Telmira>(argc, argv, PROGRAM_TITLE); }
