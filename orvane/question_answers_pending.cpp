#include "orvane.h"

void Orvane::Q2_ANSWER() {}
void Orvane::Q3_ANSWER() {}
void Orvane::Q3_MARKS() {}
void Orvane::Q4_ANSWER() {}
void Orvane::Q4_MARKS() {}
