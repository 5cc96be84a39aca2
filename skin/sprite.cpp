#include "sprite.h"
