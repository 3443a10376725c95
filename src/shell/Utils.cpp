#include "shell/Utils.h"
