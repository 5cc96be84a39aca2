#include "window_props.h"
