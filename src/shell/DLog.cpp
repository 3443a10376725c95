#include "shell/DLog.h"
