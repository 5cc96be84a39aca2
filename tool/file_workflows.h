// The file half: a dropped file becomes symbol text in 编辑框3; the symbol
// text in 编辑框3 becomes the file named in 编辑框4.
#pragma once

#include "byte_types.h"

// The file event of the drop receiver, with the dropped text.
void fileDropped(const AnsiText& droppedText);
void browseClicked();
void decryptFileClicked();
