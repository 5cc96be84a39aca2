#include "decoded_sheet.h"

#include "skin_sheet.h"

DecodedSheet::DecodedSheet() : bitmap_(decodeSkinSheet()) {
    if (!bitmap_) return;
    dc_ = CreateCompatibleDC(nullptr);
    oldBitmap_ = SelectObject(dc_, bitmap_);
}

DecodedSheet::~DecodedSheet() {
    if (!bitmap_) return;
    SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}
