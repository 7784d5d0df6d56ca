#include "orvane.h"

void Orvane::CHAPTER_A_Q4() {}
