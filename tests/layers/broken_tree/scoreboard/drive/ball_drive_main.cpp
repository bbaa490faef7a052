// An entry file puts the program together from its libraries: it may name the dialogs.
#include "dialogs/open_dialog.h"
