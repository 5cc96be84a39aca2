#include "skin_atlas.h"
