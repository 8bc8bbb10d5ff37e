#include "app/WindowRecord.h"

#include "platform/Desktop.h"
#include "platform/SdlPresenter.h"

namespace {
constexpr int kClientWidth = 640;
constexpr int kClientHeight = 480;
} // namespace

bool TakeWindowRecord(cSdlPresenter& presenter, int clientWidth, int clientHeight, cWindowData& out) {
    if (presenter.IsMinimised()) return false;
    int x = 0, y = 0;
    if (!presenter.GetPosition(x, y)) return false;
    out.nX = x;
    out.nY = y;
    out.nClientWidth = clientWidth;
    out.nClientHeight = clientHeight;
    out.bMaximised = presenter.IsMaximised() ? 1 : 0;
    return true;
}

bool SaveWindowRecord(cSdlPresenter* presenter, const std::string& path) {
    cWindowData record;
    if (!presenter || !TakeWindowRecord(*presenter, kClientWidth, kClientHeight, record)) return false;
    return record.SaveToFile(path);
}

bool RestoreWindowRecord(cSdlPresenter* presenter, const std::string& path, bool& maximise) {
    maximise = false;
    cWindowData record;
    if (!presenter || !record.LoadFromFile(path)) return false;
    const RECT area = GetWorkArea();
    record.Clamp(area.right - area.left, area.bottom - area.top, kClientWidth, kClientHeight);
    presenter->SetPosition(area.left + record.nX, area.top + record.nY);
    maximise = record.bMaximised != 0;
    if (maximise) presenter->Maximise();
    return true;
}
