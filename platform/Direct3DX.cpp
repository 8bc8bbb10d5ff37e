#include "platform/Direct3DX.h"

#include "platform/Image.h"

#include <algorithm>

HRESULT D3DXCreateTexture(cDirect3DDevice* device, UINT width, UINT height, UINT mipLevels, DWORD usage,
                          D3DFORMAT format, D3DPOOL pool, cDirect3DTexture** out) {
    if (!device || !out) return D3DERR_INVALIDCALL;
    if (mipLevels != 1) return D3DERR_INVALIDCALL; // only single-level textures are used
    return device->CreateTexture(width, height, 1, usage, format, pool, out, nullptr);
}

HRESULT D3DXCreateTextureFromFileEx(cDirect3DDevice* device, const std::string& path, UINT width, UINT height,
                                    UINT mipLevels, DWORD usage, D3DFORMAT format, D3DPOOL pool, DWORD filter,
                                    DWORD, DWORD colorKey, D3DXIMAGE_INFO* info, void*,
                                    cDirect3DTexture** out) {
    if (!device || !out) return D3DERR_INVALIDCALL;
    *out = nullptr;
    if (filter != D3DX_FILTER_NONE) return D3DERR_INVALIDCALL;
    cImage image;
    if (!LoadImageFile(path, image)) return D3DXERR_INVALIDDATA;
    if (info) *info = {static_cast<UINT>(image.width), static_cast<UINT>(image.height), 1};
    UINT w = (width == 0 || width == D3DX_DEFAULT) ? static_cast<UINT>(image.width) : width;
    UINT h = (height == 0 || height == D3DX_DEFAULT) ? static_cast<UINT>(image.height) : height;
    cDirect3DTexture* texture = nullptr;
    HRESULT hr = D3DXCreateTexture(device, w, h, mipLevels == D3DX_DEFAULT ? 1 : mipLevels, usage, format,
                                   pool, &texture);
    if (FAILED(hr)) return hr;
    cSurface& px = texture->Level()->Pixels();
    const PixelFormat pf = px.Format();
    const int cw = std::min(image.width, px.Width()), ch = std::min(image.height, px.Height());
    for (int y = 0; y < ch; ++y) {
        for (int x = 0; x < cw; ++x) {
            std::uint32_t c = image.At(x, y);
            if (colorKey != 0 && c == colorKey) c = 0;
            px.Set(x, y, PackArgb(pf, c));
        }
    }
    *out = texture;
    return D3D_OK;
}
