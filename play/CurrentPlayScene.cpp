#include "play/CurrentPlayScene.h"

#include "play/PlayScene.h"

namespace {

class cCurrentPlayScene final : public cEngineScene {
public:
    cSceneState& State() override { return To().State(); }
    int IsBlockSolid(std::int32_t cell, std::int32_t mode) override { return To().IsBlockSolid(cell, mode); }
    int IsPlaceBlocked(cChara& chara) override { return To().IsPlaceBlocked(chara); }
    int ApplyItem(cItemObj* item, cChara& chara) override { return To().ApplyItem(item, chara); }
    void StartHitEffect(std::int32_t effect, const cRectD& a, const cRectD& b, std::int32_t count) override {
        To().StartHitEffect(effect, a, b, count);
    }
    void SetAutoScroll(int axis, std::int32_t on, std::int32_t speedValue) override {
        To().SetAutoScroll(axis, on, speedValue);
    }
    void CreateSightMask() override { To().CreateSightMask(); }
    void ShowItemMessage(const cEdItem& item, std::int32_t messageNumber) override {
        To().ShowItemMessage(item, messageNumber);
    }
    void EraseMessageAt(std::int64_t n) override { To().EraseMessageAt(n); }
    void SpawnShots(cChara& chara, cFlowCommand& entry, cEdShot& shot) override {
        To().SpawnShots(chara, entry, shot);
    }
    void SpawnBlocks(cChara& chara, cFlowCommand& entry, cEdShot& shot) override {
        To().SpawnBlocks(chara, entry, shot);
    }
    void SpawnCharas(cChara& chara, cFlowCommand& entry, cEdShot& shot) override {
        To().SpawnCharas(chara, entry, shot);
    }
    void SpawnItems(cChara& chara, cFlowCommand& entry, cEdShot& shot) override {
        To().SpawnItems(chara, entry, shot);
    }
    void PlaySe(std::int32_t n) override { To().PlaySe(n); }
    void PlayDbSe(std::int32_t n) override { To().PlayDbSe(n); }
    void PlayBgm(std::int32_t bgm, std::int32_t mode) override { To().PlayBgm(bgm, mode); }
    std::int32_t DefeatWait() override { return To().DefeatWait(); }
    void StartScreenEffect(std::int32_t effect, std::int32_t a, std::int32_t b) override {
        To().StartScreenEffect(effect, a, b);
    }
    void SetScreenColour(const cEdCommand& command) override { To().SetScreenColour(command); }
    void HoldGame() override { To().HoldGame(); }
    std::int64_t FindMessage(std::int32_t id) override { return To().FindMessage(id); }
    int MessageFits(std::int64_t k, const std::string& text, std::int32_t controlCodes) override {
        return To().MessageFits(k, text, controlCodes);
    }
    std::int64_t PutMessage(const cMessageArgs& args, std::int64_t k, int reuse) override {
        return To().PutMessage(args, k, reuse);
    }
    int AddPictureSurface(std::int64_t k, const std::string& file, std::int32_t systemMemory,
                          std::int32_t& width, std::int32_t& height) override {
        return To().AddPictureSurface(k, file, systemMemory, width, height);
    }
    void RemovePictureSurface(std::int64_t k) override { To().RemovePictureSurface(k); }
    void ClearPictureSurfaces() override { To().ClearPictureSurfaces(); }
    void AddEffect(const cEffectPlacement& effect) override { To().AddEffect(effect); }
    void ClearEffects() override { To().ClearEffects(); }
    void SetupShot(cShotObj& shot, cChara& user, std::int32_t kind, const cEdShot& part,
                   const std::array<std::int32_t, 26>& record) override {
        To().SetupShot(shot, user, kind, part, record);
    }

private:
    cEngineScene& To() {
        if (cPlayScene* play = lpPlayScene) return *play;
        return none_;
    }
    cNullEngineScene none_;
};

} // namespace

cEngineScene& CurrentPlayScene() {
    static cCurrentPlayScene scene;
    return scene;
}
