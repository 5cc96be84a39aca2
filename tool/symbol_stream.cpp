#include "symbol_stream.h"
