#include "controls/core/qel_frame.h"
#include "controls/extra/qel_bar.h"
