#include "piece_recorder.h"

#include "sprite.h"

namespace {

std::vector<PieceCall> recordedCalls;

void recordPiece(HDC, const RECT& destination, const RECT& source, COLORREF transparentColor,
                 int transparent) {
    recordedCalls.push_back({destination, source, transparentColor, transparent});
}

}  // namespace

PieceRecorder::PieceRecorder() {
    recordedCalls.clear();
    setSkinPieceObserver(recordPiece);
}

PieceRecorder::~PieceRecorder() {
    setSkinPieceObserver(nullptr);
}

const std::vector<PieceCall>& PieceRecorder::calls() const {
    return recordedCalls;
}

void PieceRecorder::clear() {
    recordedCalls.clear();
}
