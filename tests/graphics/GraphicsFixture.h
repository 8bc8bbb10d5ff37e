// Starts the graphics layer on one face with a memory presenter in a fresh
// folder, and gives small helpers for pictures and pixel reads.
#pragma once

#include "fixtures/TempDir.h"
#include "foundation/ErrorLog.h"
#include "foundation/MessageBox.h"
#include "foundation/Timing.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsInternal.h"
#include "platform/Clock.h"
#include "platform/Direct3D.h"
#include "platform/DirectDraw.h"
#include "platform/ImageBuilders.h"
#include "platform/Presenter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

class GraphicsTest : public ::testing::Test {
protected:
    void TearDown() override {
        DDRelease();
        DirectDrawSettings() = {};
        Direct3DSettings() = {};
        std::fill(std::begin(Palette), std::end(Palette), PALETTEENTRY{});
        dwTransmit = 0;
    }

    bool StartDirectDraw(int bpp, bool windowMode = false) {
        window.Open("test", 640, 480, false);
        return DDInit(0, &window, 640, 480, bpp, 1, windowMode ? 1 : 0, 1, 60, 0, nullptr, nullptr, 0);
    }
    bool StartDirect3D(int bpp, bool windowMode = true) {
        window.Open("test", 640, 480, false);
        return DDInit(1, &window, 640, 480, bpp, 1, windowMode ? 1 : 0, 1, 60, 0, nullptr, nullptr, 0);
    }

    // The pixels of a record as its face stores them.
    static const cSurface& PixelsOf(const DDSURFACEDATA& sd) {
        if (sd.lpDT) return sd.lpDT->lpSurface->Pixels();
        return sd.lpDDData->lpSurface->Pixels();
    }
    static std::uint32_t At(const DDSURFACEDATA& sd, int x, int y) { return PixelsOf(sd).Get(x, y); }

    TempDir dir;
    cMemoryPresenter window;
};
