#include "app/win32/LogoBitmap.h"

#include "app/win32/WindowResources.h"

#include <algorithm>
#include <wincodec.h>

namespace {

template <class Interface> struct ComPtr {
    Interface* p = nullptr;
    ~ComPtr()
    {
        if (p) {
            p->Release();
        }
    }
    Interface** operator&() { return &p; }
    Interface* operator->() const { return p; }
};

} // namespace

LogoBitmap::~LogoBitmap()
{
    if (m_bitmap) {
        DeleteObject(m_bitmap);
    }
}

bool LogoBitmap::load(int areaWidth, int areaHeight)
{
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(logoResource), MAKEINTRESOURCEW(10));
    HGLOBAL data = resource ? LoadResource(nullptr, resource) : nullptr;
    if (!data) {
        return false;
    }
    auto* bytes = static_cast<BYTE*>(LockResource(data));
    const DWORD size = SizeofResource(nullptr, resource);

    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    ComPtr<IWICBitmapScaler> scaler;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) ||
        FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(bytes, size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnLoad,
                                                &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) ||
        FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom))) {
        return false;
    }
    UINT width = 0;
    UINT height = 0;
    converter->GetSize(&width, &height);
    IWICBitmapSource* source = converter.p;
    const double scale = std::min({1.0, double(areaWidth) / width, double(areaHeight) / height});
    if (scale < 1.0) {
        width = std::max(1u, UINT(width * scale + 0.5));
        height = std::max(1u, UINT(height * scale + 0.5));
        if (FAILED(factory->CreateBitmapScaler(&scaler)) ||
            FAILED(
                scaler->Initialize(converter.p, width, height, WICBitmapInterpolationModeFant))) {
            return false;
        }
        source = scaler.p;
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap) {
        return false;
    }
    if (FAILED(source->CopyPixels(nullptr, width * 4, width * height * 4,
                                  static_cast<BYTE*>(pixels)))) {
        DeleteObject(bitmap);
        return false;
    }
    if (m_bitmap) {
        DeleteObject(m_bitmap);
    }
    m_bitmap = bitmap;
    m_width = static_cast<int>(width);
    m_height = static_cast<int>(height);
    return true;
}

void LogoBitmap::draw(HDC target, int left, int top) const
{
    if (!m_bitmap) {
        return;
    }
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, m_bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(target, left, top, m_width, m_height, source, 0, 0, m_width, m_height, blend);
    SelectObject(source, previous);
    DeleteDC(source);
}
