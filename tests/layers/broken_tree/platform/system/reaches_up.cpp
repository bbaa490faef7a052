#include "platform/system/rounding.h"
#include "platform/gfx/units.h"
