#include "app/WindowRecord.h"

#include "platform/Desktop.h"
#include "platform/SdlPresenter.h"

namespace {
constexpr int kClientWidth = 640;
constexpr int kClientHeight = 480;
} // namespace

cWindowData WindowRecordAt(int x, int y, const RECT& workArea, bool maximised) {
    cWindowData record;
    record.nX = x - workArea.left;
    record.nY = y - workArea.top;
    record.nClientWidth = kClientWidth;
    record.nClientHeight = kClientHeight;
    record.bMaximised = maximised ? 1 : 0;
    return record;
}

void PlaceFromWindowRecord(cWindowData& record, const RECT& workArea, int& x, int& y) {
    record.Clamp(workArea.right - workArea.left, workArea.bottom - workArea.top, kClientWidth, kClientHeight);
    x = workArea.left + record.nX;
    y = workArea.top + record.nY;
}

bool SaveWindowRecord(cSdlPresenter* presenter, const std::string& path) {
    if (!presenter || presenter->IsMinimised()) return false;
    int x = 0, y = 0;
    if (!presenter->GetPosition(x, y)) return false;
    return WindowRecordAt(x, y, GetWorkArea(), presenter->IsMaximised()).SaveToFile(path);
}

bool RestoreWindowRecord(cSdlPresenter* presenter, const std::string& path, bool& maximise) {
    maximise = false;
    cWindowData record;
    if (!presenter || !record.LoadFromFile(path)) return false;
    int x = 0, y = 0;
    PlaceFromWindowRecord(record, GetWorkArea(), x, y);
    presenter->SetPosition(x, y);
    maximise = record.bMaximised != 0;
    if (maximise) presenter->Maximise();
    return true;
}
