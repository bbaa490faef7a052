#pragma once
#include "controls/core/drawn_control.h"
#include "platform/gfx/font.h"
