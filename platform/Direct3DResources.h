// Resources of the Direct3D-like face: surfaces, textures (one level, as the
// drawing code uses them), vertex and index buffers. A resource in the
// default pool belongs to the device: it must be released before a lost
// device can be reset, and (unless dynamic or a lockable back buffer) it
// cannot be locked; the drawing code copies through system-memory surfaces.
#pragma once

#include "platform/Direct3DTypes.h"
#include "platform/Surface.h"
#include "platform/SurfaceRefCounted.h"

#include <vector>

class cDirect3DDevice;

class cDirect3DSurface : public cRefCounted {
public:
    HRESULT LockRect(D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags);
    HRESULT UnlockRect();
    HRESULT GetDesc(D3DSURFACE_DESC* desc) const;

    cSurface& Pixels() { return pixels_; }
    const D3DSURFACE_DESC& Desc() const { return desc_; }
    bool Locked() const { return locked_; }

    // Made by the device and by textures.
    static cDirect3DSurface* Make(cDirect3DDevice* device, UINT width, UINT height, D3DFORMAT format,
                                  D3DPOOL pool, DWORD usage, bool lockable);

protected:
    ~cDirect3DSurface() override;

private:
    cDirect3DSurface() = default;
    friend class cDirect3DTexture;
    friend class cDirect3DDevice;
    cDirect3DDevice* device_ = nullptr; // held: resources keep their device alive
    bool holdsDevice_ = true;           // the device's own back buffer does not
    cRefCounted* container_ = nullptr;  // the texture holding this level
    cSurface pixels_;
    D3DSURFACE_DESC desc_{};
    bool lockable_ = false;
    bool locked_ = false;
};

class cDirect3DTexture : public cRefCounted {
public:
    HRESULT GetSurfaceLevel(UINT level, cDirect3DSurface** out);
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) const;
    HRESULT LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags);
    HRESULT UnlockRect(UINT level);

    cDirect3DSurface* Level() const { return level_; }
    static cDirect3DTexture* Make(cDirect3DDevice* device, UINT width, UINT height, D3DFORMAT format,
                                  D3DPOOL pool, DWORD usage);

protected:
    ~cDirect3DTexture() override;

private:
    cDirect3DTexture() = default;
    cDirect3DSurface* level_ = nullptr;
};

// Vertex and index buffers: plain bytes.
class cDirect3DBuffer : public cRefCounted {
public:
    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags);
    HRESULT Unlock();
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

    static cDirect3DBuffer* Make(cDirect3DDevice* device, UINT length, D3DPOOL pool);

protected:
    ~cDirect3DBuffer() override;

private:
    cDirect3DBuffer() = default;
    cDirect3DDevice* device_ = nullptr;
    D3DPOOL pool_ = D3DPOOL_MANAGED;
    std::vector<std::uint8_t> bytes_;
};
using cDirect3DVertexBuffer = cDirect3DBuffer;
using cDirect3DIndexBuffer = cDirect3DBuffer;
