#include "scoreboard/user.h"
#include "dialogs/open_dialog.h"
