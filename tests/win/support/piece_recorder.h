// Records every drawSkinPiece call through the skin's observer seam.
#pragma once

#include <windows.h>

#include <vector>

// One drawSkinPiece call as the observer saw it.
struct PieceCall {
    RECT destination;  // x, y, width, height
    RECT source;       // x, y, width, height on the sheet
    COLORREF transparentColor;
    int transparent;   // exactly what the caller passed
};

// Records drawSkinPiece calls while it exists (one at a time).
class PieceRecorder {
public:
    PieceRecorder();
    ~PieceRecorder();
    PieceRecorder(const PieceRecorder&) = delete;
    PieceRecorder& operator=(const PieceRecorder&) = delete;
    const std::vector<PieceCall>& calls() const;
    void clear();
};
