#include "art.hpp"
#include "generators.hpp"

void genCamp() {}
