#include "orvane.h"

void Orvane::SECANTS_OUTSIDE() {}
void Orvane::SECANTS_OUTSIDE_MARKS() {}
