// The Direct3D-9-like face: the adapter object, the device and its state.
// The device draws into software surfaces (Direct3DRaster.h), presents its
// back buffer through a presenter, and can be lost: while lost, Present
// answers D3DERR_DEVICELOST and draws do nothing; once the window can take the
// device again, TestCooperativeLevel answers D3DERR_DEVICENOTRESET and Reset
// succeeds only when every default-pool resource has been released.
#pragma once

#include "platform/Direct3DRaster.h"
#include "platform/Direct3DResources.h"
#include "platform/Direct3DTypes.h"

#include <array>
#include <vector>

class cPresenter;

// What the adapter offers; tests change it to reach the other paths.
struct Direct3DConfig {
    DWORD maxTextureWidth = 4096, maxTextureHeight = 4096;
    bool pow2Only = false, squareOnly = false;
    bool dynamicTextures = true;
    bool discardFlip = true;
    UINT refreshRate = 60;
    int ddiVersion = 9;
    bool failCreate = false;
    bool failHardwareVertexProcessing = false;
    bool failSoftwareVertexProcessing = false;
    std::int64_t videoMemoryBytes = 512ll * 1024 * 1024;
};
Direct3DConfig& Direct3DSettings();

// The display driver's interface version.
int Direct3DDriverVersion();

class cDirect3DDevice;

class cDirect3D9 : public cRefCounted {
public:
    HRESULT GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) const;
    HRESULT GetDeviceCaps(UINT adapter, D3DDEVTYPE type, D3DCAPS9* caps) const;
    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE type, cPresenter* focusWindow, DWORD behaviour,
                         D3DPRESENT_PARAMETERS* params, cDirect3DDevice** out);
};

cDirect3D9* Direct3DCreate9(UINT sdkVersion);

class cDirect3DDevice : public cRefCounted {
public:
    HRESULT TestCooperativeLevel() const;
    HRESULT Reset(D3DPRESENT_PARAMETERS* params);
    HRESULT Present(const RECT* src, const RECT* dst, void* window, const void* dirty);
    HRESULT GetBackBuffer(UINT swapChain, UINT index, D3DBACKBUFFER_TYPE type, cDirect3DSurface** out);
    HRESULT GetDeviceCaps(D3DCAPS9* caps) const;
    HRESULT BeginScene();
    HRESULT EndScene();
    HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, DWORD color, float z, DWORD stencil);
    HRESULT SetRenderTarget(DWORD index, cDirect3DSurface* target);
    HRESULT GetRenderTarget(DWORD index, cDirect3DSurface** out);
    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value);
    HRESULT GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) const;
    HRESULT SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value);
    HRESULT SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value);
    HRESULT GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value) const;
    HRESULT SetTexture(DWORD stage, cDirect3DTexture* texture);
    HRESULT SetStreamSource(UINT stream, cDirect3DVertexBuffer* buffer, UINT offset, UINT stride);
    HRESULT SetIndices(cDirect3DIndexBuffer* buffer);
    HRESULT SetFVF(DWORD fvf);
    HRESULT DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT primitiveCount);
    HRESULT DrawIndexedPrimitive(D3DPRIMITIVETYPE type, std::int32_t baseVertex, UINT minIndex,
                                 UINT numVertices, UINT startIndex, UINT primitiveCount);
    HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                          cDirect3DTexture** out, void* shared);
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool, cDirect3DVertexBuffer** out,
                               void* shared);
    HRESULT CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                              cDirect3DIndexBuffer** out, void* shared);
    HRESULT CreateOffscreenPlainSurface(UINT width, UINT height, D3DFORMAT format, D3DPOOL pool,
                                        cDirect3DSurface** out, void* shared);
    HRESULT UpdateSurface(cDirect3DSurface* src, const RECT* srcRect, cDirect3DSurface* dst,
                          const void* dstPoint);
    HRESULT GetRenderTargetData(cDirect3DSurface* renderTarget, cDirect3DSurface* dst);
    HRESULT SetDialogBoxMode(BOOL on);

    // A display change: the device is lost until the window can take it again.
    void Lose() {
        lost_ = true;
        resettable_ = false;
    }
    void AllowReset() { resettable_ = true; }
    bool Lost() const { return lost_; }
    bool InScene() const { return inScene_; }

    // Bookkeeping of the device's resources.
    bool ReserveVideoMemory(std::int64_t bytes);
    void FreeVideoMemory(std::int64_t bytes) { videoUsed_ -= bytes; }
    void DefaultPoolMade() { ++defaultResources_; }
    void DefaultPoolGone() { --defaultResources_; }
    int DefaultPoolCount() const { return defaultResources_; }
    // A resource going away leaves every binding that named it (bindings do
    // not hold references).
    void Forget(const void* resource);

protected:
    ~cDirect3DDevice() override;

private:
    friend class cDirect3D9;
    cDirect3DDevice() = default;
    HRESULT MakeBackBuffer();
    void DropBindings();
    HRESULT DrawQuad(const std::uint8_t* vertices, std::size_t vertexBytes,
                     const std::array<int, 4>& indices);
    RasterState CurrentRasterState() const;

    cPresenter* window_ = nullptr;
    D3DPRESENT_PARAMETERS params_{};
    D3DCAPS9 caps_{};
    cDirect3DSurface* backBuffer_ = nullptr;
    cDirect3DSurface* target_ = nullptr;
    cDirect3DTexture* texture_ = nullptr;
    cDirect3DVertexBuffer* stream_ = nullptr;
    UINT streamOffset_ = 0, streamStride_ = 0;
    cDirect3DIndexBuffer* indices_ = nullptr;
    DWORD fvf_ = 0;
    DWORD renderStates_[kRenderStateCount] = {};
    DWORD stageStates_[kTextureStageStateCount] = {};
    DWORD samplerStates_[kSamplerStateCount] = {};
    bool inScene_ = false;
    bool lost_ = false;
    bool resettable_ = false;
    std::int64_t videoUsed_ = 0;
    int defaultResources_ = 0;
    // The presented frame in 32 bits, kept so that a frame costs no allocation.
    std::vector<std::uint32_t> frame_;
};
