// The OLE drop receiver of the drop zone: takes dropped files (CF_HDROP)
// only and reports them as one text. Dropped text, links and anything else
// are refused without an event.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include "byte_types.h"

using FilesDroppedHandler = void (*)(const AnsiText& droppedText);

// A new receiver holding one reference; Release it when done.
IDropTarget* createFileDropTarget(FilesDroppedHandler onFilesDropped);

// One path: the path. Several: every path followed by CR LF, in the
// order of the drop data. Folders are listed like files.
AnsiText droppedFilesText(HDROP drop);
