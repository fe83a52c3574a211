#include "art.hpp"
#include "generators.hpp"

void genTransition() {}
