// The helper library of the Direct3D-like face: textures made to a size and
// textures loaded from picture files (BMP, PNG, JPEG) with a colour key.
#pragma once

#include "platform/Direct3D.h"

#include <string>

constexpr UINT D3DX_DEFAULT = 0xFFFFFFFFu;
constexpr DWORD D3DX_FILTER_NONE = 1;

struct D3DXIMAGE_INFO {
    UINT Width, Height, Depth;
};

HRESULT D3DXCreateTexture(cDirect3DDevice* device, UINT width, UINT height, UINT mipLevels, DWORD usage,
                          D3DFORMAT format, D3DPOOL pool, cDirect3DTexture** out);

// Loads the picture at `path` (a real path) into a new texture of the given
// size (D3DX_DEFAULT or 0: the picture's size). The picture goes to the
// top-left corner unscaled (only the "no filter" mode exists); the rest of the
// texture is transparent black. Opaque pixels equal to `colorKey` (as ARGB)
// become transparent black; colorKey 0 turns the key off.
HRESULT D3DXCreateTextureFromFileEx(cDirect3DDevice* device, const std::string& path, UINT width, UINT height,
                                    UINT mipLevels, DWORD usage, D3DFORMAT format, D3DPOOL pool, DWORD filter,
                                    DWORD mipFilter, DWORD colorKey, D3DXIMAGE_INFO* info, void* palette,
                                    cDirect3DTexture** out);
