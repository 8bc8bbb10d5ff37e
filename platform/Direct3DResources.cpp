#include "platform/Direct3DResources.h"

#include "platform/Direct3D.h"

#include <cstring>

PixelFormat PixelFormatOf(D3DFORMAT format) {
    switch (format) {
    case D3DFMT_A8R8G8B8:
        return PixelFormat::A8R8G8B8;
    case D3DFMT_X8R8G8B8:
        return PixelFormat::X8R8G8B8;
    case D3DFMT_R5G6B5:
        return PixelFormat::R5G6B5;
    case D3DFMT_X1R5G5B5:
        return PixelFormat::X1R5G5B5;
    case D3DFMT_A1R5G5B5:
        return PixelFormat::A1R5G5B5;
    default:
        return PixelFormat::Unknown;
    }
}

D3DFORMAT D3DFormatOf(PixelFormat format) {
    switch (format) {
    case PixelFormat::A8R8G8B8:
        return D3DFMT_A8R8G8B8;
    case PixelFormat::X8R8G8B8:
        return D3DFMT_X8R8G8B8;
    case PixelFormat::R5G6B5:
        return D3DFMT_R5G6B5;
    case PixelFormat::X1R5G5B5:
        return D3DFMT_X1R5G5B5;
    case PixelFormat::A1R5G5B5:
        return D3DFMT_A1R5G5B5;
    default:
        return D3DFMT_UNKNOWN;
    }
}

static bool UsesVideoMemory(D3DPOOL pool) {
    return pool != D3DPOOL_SYSTEMMEM;
}

cDirect3DSurface* cDirect3DSurface::Make(cDirect3DDevice* device, UINT width, UINT height, D3DFORMAT format,
                                         D3DPOOL pool, DWORD usage, bool lockable) {
    PixelFormat pf = PixelFormatOf(format);
    if (pf == PixelFormat::Unknown || width > kMaxSurfaceSide || height > kMaxSurfaceSide) return nullptr;
    auto* s = new cDirect3DSurface();
    if (!s->pixels_.Allocate(static_cast<int>(width), static_cast<int>(height), pf)) {
        delete s;
        return nullptr;
    }
    if (UsesVideoMemory(pool) &&
        !device->ReserveVideoMemory(static_cast<std::int64_t>(s->pixels_.SizeBytes()))) {
        delete s;
        return nullptr;
    }
    s->device_ = device;
    device->AddRef();
    s->desc_ = {format, D3DRTYPE_SURFACE, usage, pool, 0, 0, width, height};
    s->lockable_ = lockable;
    if (pool == D3DPOOL_DEFAULT) device->DefaultPoolMade();
    return s;
}

cDirect3DSurface::~cDirect3DSurface() {
    if (!device_) return;
    device_->Forget(this);
    if (UsesVideoMemory(desc_.Pool)) device_->FreeVideoMemory(static_cast<std::int64_t>(pixels_.SizeBytes()));
    if (desc_.Pool == D3DPOOL_DEFAULT) device_->DefaultPoolGone();
    if (holdsDevice_) device_->Release();
}

HRESULT cDirect3DSurface::LockRect(D3DLOCKED_RECT* locked, const RECT* rect, DWORD) {
    if (!locked || locked_ || !lockable_) return D3DERR_INVALIDCALL;
    RECT r = rect ? *rect : RECT{0, 0, pixels_.Width(), pixels_.Height()};
    if (r.left < 0 || r.top < 0 || r.left >= r.right || r.top >= r.bottom || r.right > pixels_.Width() ||
        r.bottom > pixels_.Height())
        return D3DERR_INVALIDCALL;
    locked->Pitch = pixels_.Pitch();
    locked->pBits = pixels_.Row(r.top) + r.left * BytesPerPixel(pixels_.Format());
    locked_ = true;
    return D3D_OK;
}

HRESULT cDirect3DSurface::UnlockRect() {
    if (!locked_) return D3DERR_INVALIDCALL;
    locked_ = false;
    return D3D_OK;
}

HRESULT cDirect3DSurface::GetDesc(D3DSURFACE_DESC* desc) const {
    if (!desc) return D3DERR_INVALIDCALL;
    *desc = desc_;
    return D3D_OK;
}

cDirect3DTexture* cDirect3DTexture::Make(cDirect3DDevice* device, UINT width, UINT height, D3DFORMAT format,
                                         D3DPOOL pool, DWORD usage) {
    // A default-pool texture can be locked only when it is dynamic.
    bool lockable = pool != D3DPOOL_DEFAULT || (usage & D3DUSAGE_DYNAMIC);
    cDirect3DSurface* level = cDirect3DSurface::Make(device, width, height, format, pool, usage, lockable);
    if (!level) return nullptr;
    auto* t = new cDirect3DTexture();
    t->level_ = level;
    level->container_ = t;
    level->desc_.Type = D3DRTYPE_SURFACE;
    return t;
}

cDirect3DTexture::~cDirect3DTexture() {
    // The level lives as long as someone holds it; it no longer points here.
    if (level_->device_) level_->device_->Forget(this);
    level_->container_ = nullptr;
    level_->Release();
}

HRESULT cDirect3DTexture::GetSurfaceLevel(UINT level, cDirect3DSurface** out) {
    if (!out || level != 0) return D3DERR_INVALIDCALL;
    level_->AddRef();
    *out = level_;
    return D3D_OK;
}

HRESULT cDirect3DTexture::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) const {
    if (level != 0) return D3DERR_INVALIDCALL;
    return level_->GetDesc(desc);
}

HRESULT cDirect3DTexture::LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) {
    if (level != 0) return D3DERR_INVALIDCALL;
    return level_->LockRect(locked, rect, flags);
}

HRESULT cDirect3DTexture::UnlockRect(UINT level) {
    if (level != 0) return D3DERR_INVALIDCALL;
    return level_->UnlockRect();
}

cDirect3DBuffer* cDirect3DBuffer::Make(cDirect3DDevice* device, UINT length, D3DPOOL pool) {
    if (length == 0 || length > (64u << 20)) return nullptr;
    auto* b = new cDirect3DBuffer();
    b->device_ = device;
    device->AddRef();
    b->pool_ = pool;
    b->bytes_.assign(length, 0);
    if (pool == D3DPOOL_DEFAULT) device->DefaultPoolMade();
    return b;
}

cDirect3DBuffer::~cDirect3DBuffer() {
    if (!device_) return;
    device_->Forget(this);
    if (pool_ == D3DPOOL_DEFAULT) device_->DefaultPoolGone();
    device_->Release();
}

HRESULT cDirect3DBuffer::Lock(UINT offset, UINT size, void** data, DWORD) {
    if (!data || offset > bytes_.size()) return D3DERR_INVALIDCALL;
    if (size != 0 && size > bytes_.size() - offset) return D3DERR_INVALIDCALL;
    *data = bytes_.data() + offset;
    return D3D_OK;
}

HRESULT cDirect3DBuffer::Unlock() {
    return D3D_OK;
}
