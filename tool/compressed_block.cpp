#include "compressed_block.h"
