#include "png_resource.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <vector>

namespace quorvel::win32 {
namespace {

using Microsoft::WRL::ComPtr;

// The frame of a PNG resource as premultiplied 32-bit BGRA, the form DIB sections blend in.
ComPtr<IWICBitmapSource> decodedResource(int id) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    auto* bytes = static_cast<BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return nullptr;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    const bool ok =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(bytes, SizeofResource(nullptr, found))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream.Get(), nullptr,
                                                   WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA,
                                        WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom));
    return ok ? converter : nullptr;
}

HBITMAP dibSection(IWICBitmapSource& source) {
    UINT width = 0, height = 0;
    if (FAILED(source.GetSize(&width, &height))) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as WIC copies rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    const UINT stride = width * 4;
    if (FAILED(source.CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

}  // namespace

HBITMAP loadPngResource(int id) {
    const ComPtr<IWICBitmapSource> source = decodedResource(id);
    return source ? dibSection(*source.Get()) : nullptr;
}

HCURSOR loadPngCursor(int id, int hotSpotX, int hotSpotY) {
    HBITMAP colour = loadPngResource(id);
    if (!colour) return nullptr;
    BITMAP size{};
    GetObjectW(colour, sizeof size, &size);
    // With a 32-bit colour bitmap the alpha channel draws the pointer; the mask goes unused.
    const std::vector<BYTE> clear(static_cast<std::size_t>((size.bmWidth + 15) / 16 * 2) *
                                  static_cast<std::size_t>(size.bmHeight));
    HBITMAP mask = CreateBitmap(size.bmWidth, size.bmHeight, 1, 1, clear.data());
    ICONINFO info{FALSE, static_cast<DWORD>(hotSpotX), static_cast<DWORD>(hotSpotY), mask, colour};
    HCURSOR cursor = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return cursor;
}

}  // namespace quorvel::win32
