// Drawing and resource creation of the Direct3D-like device.
#include "platform/Direct3D.h"

#include <array>
#include <cstring>

HRESULT cDirect3DDevice::Clear(DWORD count, const D3DRECT* rects, DWORD flags, DWORD color, float, DWORD) {
    if (lost_) return D3D_OK;
    if (!target_ || (count && !rects)) return D3DERR_INVALIDCALL;
    if (!(flags & D3DCLEAR_TARGET)) return D3D_OK;
    cSurface& px = target_->Pixels();
    std::uint32_t value = PackArgb(px.Format(), color);
    if (count == 0) {
        px.FillRect(0, 0, px.Width(), px.Height(), value);
        return D3D_OK;
    }
    for (DWORD i = 0; i < count; ++i) {
        const D3DRECT& r = rects[i];
        if (r.x2 > r.x1 && r.y2 > r.y1) px.FillRect(r.x1, r.y1, r.x2 - r.x1, r.y2 - r.y1, value);
    }
    return D3D_OK;
}

HRESULT cDirect3DDevice::DrawQuad(const std::uint8_t* vertices, std::size_t vertexBytes,
                                  const std::array<int, 4>& indices) {
    if (!target_) return D3DERR_INVALIDCALL;
    const cSurface* tex = texture_ ? &texture_->Level()->Pixels() : nullptr;
    RasterState state = CurrentRasterState();
    RasterVertex v[4];
    for (int k = 0; k < 4; ++k) {
        std::size_t at = static_cast<std::size_t>(indices[k]) * streamStride_;
        if (indices[k] < 0 || at + kVertexStride > vertexBytes) return D3DERR_INVALIDCALL;
        const std::uint8_t* p = vertices + at;
        std::memcpy(&v[k].x, p, 4);
        std::memcpy(&v[k].y, p + 4, 4);
        std::memcpy(&v[k].z, p + 8, 4);
        std::memcpy(&v[k].rhw, p + 12, 4);
        std::memcpy(&v[k].diffuse, p + 16, 4);
        std::memcpy(&v[k].u, p + 20, 4);
        std::memcpy(&v[k].v, p + 24, 4);
    }
    return RasterQuad(target_->Pixels(), tex, v, state);
}

HRESULT cDirect3DDevice::DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT primitiveCount) {
    if (!inScene_ || type != D3DPT_TRIANGLESTRIP || primitiveCount != 2 || !stream_ ||
        fvf_ != (D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1) || streamStride_ != kVertexStride)
        return D3DERR_INVALIDCALL;
    if (lost_) return D3D_OK;
    const auto& bytes = stream_->Bytes();
    if (streamOffset_ > bytes.size()) return D3DERR_INVALIDCALL;
    int s = static_cast<int>(startVertex);
    return DrawQuad(bytes.data() + streamOffset_, bytes.size() - streamOffset_, {s, s + 1, s + 2, s + 3});
}

HRESULT cDirect3DDevice::DrawIndexedPrimitive(D3DPRIMITIVETYPE type, std::int32_t baseVertex, UINT, UINT,
                                              UINT startIndex, UINT primitiveCount) {
    if (!inScene_ || type != D3DPT_TRIANGLESTRIP || primitiveCount != 2 || !stream_ || !indices_ ||
        fvf_ != (D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1) || streamStride_ != kVertexStride)
        return D3DERR_INVALIDCALL;
    if (lost_) return D3D_OK;
    const auto& ib = indices_->Bytes();
    if ((static_cast<std::size_t>(startIndex) + 4) * 2 > ib.size()) return D3DERR_INVALIDCALL;
    std::array<int, 4> idx;
    for (int k = 0; k < 4; ++k) {
        std::uint16_t i;
        std::memcpy(&i, ib.data() + (startIndex + k) * 2, 2);
        idx[k] = baseVertex + i;
    }
    const auto& bytes = stream_->Bytes();
    if (streamOffset_ > bytes.size()) return D3DERR_INVALIDCALL;
    return DrawQuad(bytes.data() + streamOffset_, bytes.size() - streamOffset_, idx);
}

HRESULT cDirect3DDevice::CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                                       D3DPOOL pool, cDirect3DTexture** out, void*) {
    if (!out) return D3DERR_INVALIDCALL;
    *out = nullptr;
    if (width == 0 || height == 0 || levels > 1 || width > caps_.MaxTextureWidth ||
        height > caps_.MaxTextureHeight)
        return D3DERR_INVALIDCALL;
    if ((caps_.TextureCaps & D3DPTEXTURECAPS_POW2) && ((width & (width - 1)) || (height & (height - 1))))
        return D3DERR_INVALIDCALL;
    if ((caps_.TextureCaps & D3DPTEXTURECAPS_SQUAREONLY) && width != height) return D3DERR_INVALIDCALL;
    if ((usage & D3DUSAGE_RENDERTARGET) && pool != D3DPOOL_DEFAULT) return D3DERR_INVALIDCALL;
    if ((usage & D3DUSAGE_DYNAMIC) && !(caps_.Caps2 & D3DCAPS2_DYNAMICTEXTURES) && pool == D3DPOOL_DEFAULT)
        return D3DERR_INVALIDCALL;
    if (PixelFormatOf(format) == PixelFormat::Unknown) return D3DERR_INVALIDCALL;
    cDirect3DTexture* t = cDirect3DTexture::Make(this, width, height, format, pool, usage);
    if (!t) return pool == D3DPOOL_SYSTEMMEM ? E_OUTOFMEMORY : D3DERR_OUTOFVIDEOMEMORY;
    *out = t;
    return D3D_OK;
}

HRESULT cDirect3DDevice::CreateVertexBuffer(UINT length, DWORD, DWORD, D3DPOOL pool,
                                            cDirect3DVertexBuffer** out, void*) {
    if (!out) return D3DERR_INVALIDCALL;
    *out = cDirect3DBuffer::Make(this, length, pool);
    return *out ? D3D_OK : D3DERR_INVALIDCALL;
}

HRESULT cDirect3DDevice::CreateIndexBuffer(UINT length, DWORD, D3DFORMAT format, D3DPOOL pool,
                                           cDirect3DIndexBuffer** out, void*) {
    if (!out || format != D3DFMT_INDEX16) return D3DERR_INVALIDCALL;
    *out = cDirect3DBuffer::Make(this, length, pool);
    return *out ? D3D_OK : D3DERR_INVALIDCALL;
}

HRESULT cDirect3DDevice::CreateOffscreenPlainSurface(UINT width, UINT height, D3DFORMAT format, D3DPOOL pool,
                                                     cDirect3DSurface** out, void*) {
    if (!out || width == 0 || height == 0) return D3DERR_INVALIDCALL;
    *out = cDirect3DSurface::Make(this, width, height, format, pool, 0, pool != D3DPOOL_DEFAULT);
    if (!*out) return pool == D3DPOOL_SYSTEMMEM ? E_OUTOFMEMORY : D3DERR_OUTOFVIDEOMEMORY;
    return D3D_OK;
}

// Both surfaces have one format (the callers check it): whole rows.
static void CopyPixels(const cSurface& from, int sx, int sy, int w, int h, cSurface& to, int dx, int dy) {
    const int bpp = BytesPerPixel(from.Format());
    for (int j = 0; j < h; ++j)
        std::memcpy(to.Row(dy + j) + static_cast<std::size_t>(dx) * bpp,
                    from.Row(sy + j) + static_cast<std::size_t>(sx) * bpp, static_cast<std::size_t>(w) * bpp);
}

HRESULT cDirect3DDevice::UpdateSurface(cDirect3DSurface* src, const RECT* srcRect, cDirect3DSurface* dst,
                                       const void* dstPoint) {
    if (!src || !dst || srcRect || dstPoint) return D3DERR_INVALIDCALL; // whole surfaces only
    if (src->Desc().Pool != D3DPOOL_SYSTEMMEM || dst->Desc().Pool != D3DPOOL_DEFAULT)
        return D3DERR_INVALIDCALL;
    if (src->Desc().Format != dst->Desc().Format || src->Desc().Width > dst->Desc().Width ||
        src->Desc().Height > dst->Desc().Height)
        return D3DERR_INVALIDCALL;
    if (lost_) return D3D_OK;
    CopyPixels(src->Pixels(), 0, 0, src->Pixels().Width(), src->Pixels().Height(), dst->Pixels(), 0, 0);
    return D3D_OK;
}

HRESULT cDirect3DDevice::GetRenderTargetData(cDirect3DSurface* renderTarget, cDirect3DSurface* dst) {
    if (!renderTarget || !dst || !(renderTarget->Desc().Usage & D3DUSAGE_RENDERTARGET) ||
        dst->Desc().Pool != D3DPOOL_SYSTEMMEM || renderTarget->Desc().Format != dst->Desc().Format ||
        renderTarget->Desc().Width != dst->Desc().Width || renderTarget->Desc().Height != dst->Desc().Height)
        return D3DERR_INVALIDCALL;
    if (lost_) return D3DERR_DEVICELOST;
    CopyPixels(renderTarget->Pixels(), 0, 0, dst->Pixels().Width(), dst->Pixels().Height(), dst->Pixels(), 0,
               0);
    return D3D_OK;
}
