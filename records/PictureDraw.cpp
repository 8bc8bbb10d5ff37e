#include "records/PictureDraw.h"

namespace {
cNullPictureDraw nullDraw;
cPictureDraw* installed = &nullDraw;
} // namespace

cPictureDraw& PictureDraw() {
    return *installed;
}

void SetPictureDraw(cPictureDraw* draw) {
    installed = draw ? draw : &nullDraw;
}
