#pragma once
#include "platform/window/window.h"
#include "platform/backend/platform.h"
