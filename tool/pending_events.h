// Dispatches the window messages already queued for this thread.
#pragma once

// Returns when the queue is empty or its next message is WM_QUIT, which
// stays queued.
void processPendingEvents();
