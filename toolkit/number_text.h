// A number written into a text: its decimal text without the blank that
// leads a number that is not negative.
#pragma once

#include <string>

class Toolkit;

// Works through A$ and REMOVE_SPACES as the lessons do, so A$ holds the text
// afterwards.
std::string number_text(Toolkit& kit, float v);
