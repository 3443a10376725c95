#include "shell/Language.h"
