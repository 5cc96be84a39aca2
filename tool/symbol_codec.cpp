#include "symbol_codec.h"
