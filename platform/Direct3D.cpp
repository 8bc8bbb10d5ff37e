#include "platform/Direct3D.h"

#include "platform/Presenter.h"

#include <vector>

Direct3DConfig& Direct3DSettings() {
    static Direct3DConfig config;
    return config;
}

int Direct3DDriverVersion() {
    return Direct3DSettings().ddiVersion;
}

cDirect3D9* Direct3DCreate9(UINT sdkVersion) {
    if (sdkVersion != D3D_SDK_VERSION || Direct3DSettings().failCreate) return nullptr;
    return new cDirect3D9();
}

HRESULT cDirect3D9::GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) const {
    if (adapter != 0 || !mode) return D3DERR_INVALIDCALL;
    *mode = {640, 480, Direct3DSettings().refreshRate, D3DFMT_X8R8G8B8};
    return D3D_OK;
}

HRESULT cDirect3D9::GetDeviceCaps(UINT adapter, D3DDEVTYPE type, D3DCAPS9* caps) const {
    if (adapter != 0 || type != D3DDEVTYPE_HAL || !caps) return D3DERR_INVALIDCALL;
    const Direct3DConfig& c = Direct3DSettings();
    *caps = {};
    caps->DeviceType = type;
    caps->Caps2 = c.dynamicTextures ? D3DCAPS2_DYNAMICTEXTURES : 0;
    caps->Caps3 = c.discardFlip ? D3DCAPS3_ALPHA_FULLSCREEN_FLIP_OR_DISCARD : 0;
    caps->TextureCaps =
        (c.pow2Only ? D3DPTEXTURECAPS_POW2 : 0) | (c.squareOnly ? D3DPTEXTURECAPS_SQUAREONLY : 0);
    caps->MaxTextureWidth = c.maxTextureWidth;
    caps->MaxTextureHeight = c.maxTextureHeight;
    return D3D_OK;
}

HRESULT cDirect3D9::CreateDevice(UINT adapter, D3DDEVTYPE type, cPresenter* focusWindow, DWORD behaviour,
                                 D3DPRESENT_PARAMETERS* params, cDirect3DDevice** out) {
    if (!out || !params || adapter != 0 || type != D3DDEVTYPE_HAL) return D3DERR_INVALIDCALL;
    *out = nullptr;
    const Direct3DConfig& c = Direct3DSettings();
    if ((behaviour & D3DCREATE_HARDWARE_VERTEXPROCESSING) && c.failHardwareVertexProcessing)
        return D3DERR_NOTAVAILABLE;
    if ((behaviour & D3DCREATE_SOFTWARE_VERTEXPROCESSING) && c.failSoftwareVertexProcessing)
        return D3DERR_NOTAVAILABLE;
    auto* device = new cDirect3DDevice();
    device->window_ = focusWindow;
    GetDeviceCaps(adapter, type, &device->caps_);
    HRESULT hr = device->Reset(params);
    if (FAILED(hr)) {
        device->Release();
        return hr;
    }
    *out = device;
    return D3D_OK;
}

cDirect3DDevice::~cDirect3DDevice() {
    cDirect3DSurface* back = backBuffer_;
    backBuffer_ = nullptr;
    SafeRelease(back);
}

void cDirect3DDevice::Forget(const void* resource) {
    if (target_ == resource) target_ = nullptr;
    if (texture_ == resource) texture_ = nullptr;
    if (stream_ == resource) stream_ = nullptr;
    if (indices_ == resource) indices_ = nullptr;
}

void cDirect3DDevice::DropBindings() {
    target_ = backBuffer_;
    texture_ = nullptr;
    stream_ = nullptr;
    indices_ = nullptr;
}

HRESULT cDirect3DDevice::MakeBackBuffer() {
    cDirect3DSurface* back = cDirect3DSurface::Make(
        this, params_.BackBufferWidth, params_.BackBufferHeight, params_.BackBufferFormat, D3DPOOL_DEFAULT,
        D3DUSAGE_RENDERTARGET, (params_.Flags & D3DPRESENTFLAG_LOCKABLE_BACKBUFFER) != 0);
    if (!back) return D3DERR_OUTOFVIDEOMEMORY;
    // The device owns its back buffer; it does not keep the device alive.
    back->holdsDevice_ = false;
    Release();
    backBuffer_ = back;
    return D3D_OK;
}

HRESULT cDirect3DDevice::TestCooperativeLevel() const {
    if (!lost_) return D3D_OK;
    return resettable_ ? D3DERR_DEVICENOTRESET : D3DERR_DEVICELOST;
}

HRESULT cDirect3DDevice::Reset(D3DPRESENT_PARAMETERS* params) {
    if (!params) return D3DERR_INVALIDCALL;
    if (lost_ && !resettable_) return D3DERR_DEVICELOST;
    PixelFormat pf = PixelFormatOf(params->BackBufferFormat);
    if (pf != PixelFormat::X8R8G8B8 && pf != PixelFormat::R5G6B5 && pf != PixelFormat::A1R5G5B5 &&
        pf != PixelFormat::X1R5G5B5)
        return D3DERR_INVALIDCALL;
    DropBindings();
    // Everything of the default pool must be gone except the back buffer,
    // which nobody else may still hold.
    int own = backBuffer_ ? 1 : 0;
    if (defaultResources_ != own || (backBuffer_ && backBuffer_->RefCount() != 1)) return D3DERR_INVALIDCALL;
    if (backBuffer_) {
        cDirect3DSurface* back = backBuffer_;
        backBuffer_ = nullptr;
        target_ = nullptr;
        back->Release();
    }
    D3DPRESENT_PARAMETERS p = *params;
    if (p.Windowed && (p.BackBufferWidth == 0 || p.BackBufferHeight == 0)) {
        p.BackBufferWidth = window_ && window_->ClientWidth() > 0 ? window_->ClientWidth() : 640;
        p.BackBufferHeight = window_ && window_->ClientHeight() > 0 ? window_->ClientHeight() : 480;
    }
    if (p.BackBufferWidth == 0 || p.BackBufferHeight == 0) return D3DERR_INVALIDCALL;
    params_ = p;
    *params = p;
    HRESULT hr = MakeBackBuffer();
    if (FAILED(hr)) return hr;
    target_ = backBuffer_;
    inScene_ = false;
    lost_ = false;
    resettable_ = false;
    for (DWORD& s : renderStates_) s = 0;
    renderStates_[D3DRS_SRCBLEND] = D3DBLEND_ONE;
    renderStates_[D3DRS_DESTBLEND] = D3DBLEND_ZERO;
    renderStates_[D3DRS_TEXTUREFACTOR] = 0xFFFFFFFFu;
    stageStates_[D3DTSS_COLOROP] = D3DTOP_MODULATE;
    stageStates_[D3DTSS_COLORARG1] = D3DTA_TEXTURE;
    stageStates_[D3DTSS_COLORARG2] = D3DTA_CURRENT;
    stageStates_[D3DTSS_ALPHAOP] = D3DTOP_SELECTARG1;
    stageStates_[D3DTSS_ALPHAARG1] = D3DTA_TEXTURE;
    stageStates_[D3DTSS_ALPHAARG2] = D3DTA_CURRENT;
    samplerStates_[D3DSAMP_ADDRESSU] = D3DTADDRESS_WRAP;
    samplerStates_[D3DSAMP_ADDRESSV] = D3DTADDRESS_WRAP;
    samplerStates_[D3DSAMP_MAGFILTER] = D3DTEXF_POINT;
    samplerStates_[D3DSAMP_MINFILTER] = D3DTEXF_POINT;
    if (window_) window_->SetFullScreen(!p.Windowed);
    return D3D_OK;
}

HRESULT cDirect3DDevice::Present(const RECT*, const RECT*, void*, const void*) {
    if (lost_) return D3DERR_DEVICELOST;
    if (inScene_ || !backBuffer_) return D3DERR_INVALIDCALL;
    if (window_) {
        const cSurface& px = backBuffer_->Pixels();
        frame_.resize(static_cast<std::size_t>(px.Width()) * px.Height());
        px.ToXrgb(frame_.data(), nullptr);
        window_->Present(frame_.data(), px.Width(), px.Height());
    }
    return D3D_OK;
}

HRESULT cDirect3DDevice::GetBackBuffer(UINT swapChain, UINT index, D3DBACKBUFFER_TYPE,
                                       cDirect3DSurface** out) {
    if (!out || swapChain != 0 || index != 0 || !backBuffer_) return D3DERR_INVALIDCALL;
    backBuffer_->AddRef();
    *out = backBuffer_;
    return D3D_OK;
}

HRESULT cDirect3DDevice::GetDeviceCaps(D3DCAPS9* caps) const {
    if (!caps) return D3DERR_INVALIDCALL;
    *caps = caps_;
    return D3D_OK;
}

HRESULT cDirect3DDevice::BeginScene() {
    if (inScene_) return D3DERR_INVALIDCALL;
    inScene_ = true;
    return D3D_OK;
}

HRESULT cDirect3DDevice::EndScene() {
    if (!inScene_) return D3DERR_INVALIDCALL;
    inScene_ = false;
    return D3D_OK;
}

HRESULT cDirect3DDevice::SetRenderTarget(DWORD index, cDirect3DSurface* target) {
    if (index != 0 || !target || !(target->Desc().Usage & D3DUSAGE_RENDERTARGET)) return D3DERR_INVALIDCALL;
    target_ = target;
    return D3D_OK;
}

HRESULT cDirect3DDevice::GetRenderTarget(DWORD index, cDirect3DSurface** out) {
    if (index != 0 || !out || !target_) return D3DERR_INVALIDCALL;
    target_->AddRef();
    *out = target_;
    return D3D_OK;
}

HRESULT cDirect3DDevice::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    if (state >= kRenderStateCount) return D3DERR_INVALIDCALL;
    renderStates_[state] = value;
    return D3D_OK;
}

HRESULT cDirect3DDevice::GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) const {
    if (state >= kRenderStateCount || !value) return D3DERR_INVALIDCALL;
    *value = renderStates_[state];
    return D3D_OK;
}

HRESULT cDirect3DDevice::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    if (type >= kSamplerStateCount || sampler > 15) return D3DERR_INVALIDCALL;
    if (sampler == 0) samplerStates_[type] = value; // only stage 0 is ever sampled
    return D3D_OK;
}

HRESULT cDirect3DDevice::SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) {
    if (type >= kTextureStageStateCount || stage > 7) return D3DERR_INVALIDCALL;
    if (stage == 0) stageStates_[type] = value;
    return D3D_OK;
}

HRESULT cDirect3DDevice::GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type,
                                              DWORD* value) const {
    if (type >= kTextureStageStateCount || stage != 0 || !value) return D3DERR_INVALIDCALL;
    *value = stageStates_[type];
    return D3D_OK;
}

HRESULT cDirect3DDevice::SetTexture(DWORD stage, cDirect3DTexture* texture) {
    if (stage > 7) return D3DERR_INVALIDCALL;
    if (stage == 0) texture_ = texture;
    return D3D_OK;
}

HRESULT cDirect3DDevice::SetStreamSource(UINT stream, cDirect3DVertexBuffer* buffer, UINT offset,
                                         UINT stride) {
    if (stream != 0) return D3DERR_INVALIDCALL;
    stream_ = buffer;
    streamOffset_ = offset;
    streamStride_ = stride;
    return D3D_OK;
}

HRESULT cDirect3DDevice::SetIndices(cDirect3DIndexBuffer* buffer) {
    indices_ = buffer;
    return D3D_OK;
}

HRESULT cDirect3DDevice::SetFVF(DWORD fvf) {
    fvf_ = fvf;
    return D3D_OK;
}

HRESULT cDirect3DDevice::SetDialogBoxMode(BOOL) {
    return D3D_OK;
}

bool cDirect3DDevice::ReserveVideoMemory(std::int64_t bytes) {
    if (videoUsed_ + bytes > Direct3DSettings().videoMemoryBytes) return false;
    videoUsed_ += bytes;
    return true;
}

RasterState cDirect3DDevice::CurrentRasterState() const {
    RasterState s;
    s.colorOp = stageStates_[D3DTSS_COLOROP];
    s.colorArg1 = stageStates_[D3DTSS_COLORARG1];
    s.colorArg2 = stageStates_[D3DTSS_COLORARG2];
    s.alphaOp = stageStates_[D3DTSS_ALPHAOP];
    s.alphaArg1 = stageStates_[D3DTSS_ALPHAARG1];
    s.alphaArg2 = stageStates_[D3DTSS_ALPHAARG2];
    s.textureFactor = renderStates_[D3DRS_TEXTUREFACTOR];
    s.blend = renderStates_[D3DRS_ALPHABLENDENABLE] != 0;
    s.srcBlend = renderStates_[D3DRS_SRCBLEND];
    s.destBlend = renderStates_[D3DRS_DESTBLEND];
    s.addressU = samplerStates_[D3DSAMP_ADDRESSU];
    s.addressV = samplerStates_[D3DSAMP_ADDRESSV];
    return s;
}
