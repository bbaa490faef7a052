#include "launcher/form1.h"
#include "scoreboard/dosk.h"
