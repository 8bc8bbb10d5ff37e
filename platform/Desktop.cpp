#include "platform/Desktop.h"

#include <SDL.h>

RECT GetWorkArea() {
    RECT area{0, 0, 1024, 768};
    if (SDL_WasInit(SDL_INIT_VIDEO)) {
        SDL_Rect r;
        if (SDL_GetDisplayUsableBounds(0, &r) == 0 && r.w > 0 && r.h > 0)
            area = RECT{r.x, r.y, r.x + r.w, r.y + r.h};
    }
    return area;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return 17;
    case SM_CXFULLSCREEN: {
        RECT a = GetWorkArea();
        return a.right - a.left;
    }
    case SM_CYFULLSCREEN: {
        RECT a = GetWorkArea();
        return a.bottom - a.top;
    }
    default:
        return 0;
    }
}
