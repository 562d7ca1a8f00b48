#include "core/ControlIdCounter.h"

namespace {
int g_nextControlId = 6000;
}

int TakeNextControlId() { return g_nextControlId++; }
