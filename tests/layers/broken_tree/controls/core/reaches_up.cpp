#include "controls/core/qel_frame.h"

  #  include <dialogs/teams_dialog.h>
