#include "scoreboard/user.h"
#include "launcher/form1.h"
