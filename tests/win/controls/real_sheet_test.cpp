// The control sprites of the program's own sheet, drawn keyed as the
// painters draw them: their magenta must not show.
#include <windows.h>
#include <ole2.h>

#include <optional>

#include "decoded_sheet.h"
#include "skin_fixture.h"
#include "sprite.h"

namespace {

class RealSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        sheet_.emplace();
        ASSERT_TRUE(sheet_->ok());
        savedSheetDC_ = skinSheetDC;
        skinSheetDC = sheet_->dc();
        fillSkinAtlas(atlas_);
    }
    void TearDown() override {
        skinSheetDC = savedSheetDC_;
        sheet_.reset();
        OleUninitialize();
    }

    SkinAtlas atlas_ = {};

private:
    std::optional<DecodedSheet> sheet_;
    HDC savedSheetDC_ = nullptr;
};

TEST_F(RealSheetTest, KeyedControlSpritesLeaveNoMagenta) {
    const struct {
        const char* name;
        RECT source;
        COLORREF key;
    } cases[] = {
        {"push button normal", atlas_.pushButton.normal.source, atlas_.pushButton.transparentColor},
        {"push button focused", atlas_.pushButton.focused.source, atlas_.pushButton.transparentColor},
        {"check box unchecked", atlas_.checkBox.unchecked.normal.source,
         atlas_.checkBox.unchecked.transparentColor},
        {"radio button checked", atlas_.radioButton.checked.normal.source,
         atlas_.radioButton.checked.transparentColor},
        {"size grip", atlas_.scrollBar.sizeGrip.margins, atlas_.scrollBar.transparentColor},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryCanvas canvas(c.source.right, c.source.bottom);
        const RECT destination{0, 0, c.source.right, c.source.bottom};
        drawSkinPiece(canvas.dc(), destination, c.source, c.key, 1);
        EXPECT_FALSE(canvas.contains(SheetColor::key));
        EXPECT_EQ(canvas.pixel(0, 0), SheetColor::canvas);  // a keyed corner
    }
}

}  // namespace
