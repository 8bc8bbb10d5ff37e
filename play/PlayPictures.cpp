// The shown pictures of the play scene: the surfaces the show-picture
// command loads, kept in step with the scene's picture list, and their
// drawing by layer. Without a running drawing face (headless runs) a picture
// keeps an empty surface and a size of 0: its time still runs, nothing is drawn.
#include "play/PlayScene.h"

#include "graphics/Graphics.h"
#include "play/StageResources.h"
#include "play/WorldDraw.h"
#include "project/SystemBmp.h"

#include <iterator>

namespace {

bool AtEnd(std::int64_t k) {
    return k < 0 || k >= static_cast<std::int64_t>(PictureSD.size());
}

} // namespace

int cPlayScene::AddPictureSurface(std::int64_t k, const std::string& file, std::int32_t systemMemory,
                                  std::int32_t& width, std::int32_t& height) {
    const bool atEnd = AtEnd(k);
    const auto sdAt = atEnd ? PictureSD.end() : PictureSD.IterAt(k);
    const auto bmpAt = atEnd ? PictureBmp.end() : PictureBmp.IterAt(k);
    const auto sd = PictureSD.emplace(sdAt);
    const auto bmp = PictureBmp.emplace(bmpAt);
    bmp->Set(file.c_str(), 1, systemMemory, 0, 0, 0, 0, 0, 0, 0, 0);
    width = height = 0;
    if (!DDIsRunning()) return 1;
    const int code = DDCreateSurfaceFromFile(&*sd, bmp->szFile, bmp->nSet1, DDScreenBpp(), bmp->nSet2,
                                             bmp->nSet3, bmp->nSet4, bmp->nSet5, bmp->nSet7, bmp->nSet8, 0);
    if (!DDCheckSurfaceResult(code)) {
        // Nothing is added: the surfaces stay in step with the picture list.
        DDReleaseSurface(&*sd);
        PictureSD.erase(sd);
        PictureBmp.erase(bmp);
        return 0;
    }
    width = sd->nWidth;
    height = sd->nHeight;
    return 1;
}

void cPlayScene::RemovePictureSurface(std::int64_t k) {
    if (PictureSD.empty()) return;
    const auto sd = AtEnd(k) ? std::prev(PictureSD.end()) : PictureSD.IterAt(k);
    DDListRemoveSurface(PictureSD, PictureBmp, &*sd);
}

void cPlayScene::ClearPictureSurfaces() {
    ReleasePictureList(PictureSD, PictureBmp);
}

void cPlayScene::ReleaseStagePictures() {
    ClearPictureSurfaces();
    scene.Pictures.clear();
}

void cPlayScene::DrawPictures(DDSURFACEDATA* target, int layer, int frozen) {
    // While a worker draws, the game thread is held inside a command that may
    // take a picture out by its position afterwards: an ended picture stays
    // in the lists (undrawn) until the game thread's own drawing.
    ::DrawPictures(target, layer, frozen, scene.Pictures, PictureSD, PictureBmp, bGameHeld == 0);
}
