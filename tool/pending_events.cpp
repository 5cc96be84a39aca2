#include "pending_events.h"
