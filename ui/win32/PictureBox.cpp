#include "PictureBox.h"

#include <wincodec.h>
#include <wrl/client.h>

namespace tavrelin::ui {

namespace {

constexpr wchar_t CLASS_NAME[] = L"TavrelinPictureBox";

using Microsoft::WRL::ComPtr;

// COM for the calling thread while the picture is decoded.
class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

// Decodes a JPEG resource with the Windows Imaging Component into a top-down 32-bit bitmap; no
// bitmap if any step fails, and the box stays empty.
BitmapHandle DecodePicture(HINSTANCE instance, const wchar_t* resourceName)
{
    HRSRC resource = FindResourceW(instance, resourceName, RT_RCDATA);
    if (resource == nullptr) {
        return nullptr;
    }
    HGLOBAL loaded = LoadResource(instance, resource);
    if (loaded == nullptr) {
        return nullptr;
    }
    auto* bytes = static_cast<BYTE*>(LockResource(loaded));
    const DWORD size = SizeofResource(instance, resource);
    if (bytes == nullptr || size == 0) {
        return nullptr;
    }

    const ComApartment apartment;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapSource> pixels;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
        FAILED(factory->CreateStream(&stream)) || FAILED(stream->InitializeFromMemory(bytes, size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnLoad, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame.Get(), &pixels)) ||
        FAILED(pixels->GetSize(&width, &height))) {
        return nullptr;
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    // A negative height makes the rows run from the top down, as the decoder hands them out.
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UINT stride = width * 4;
    if (bitmap == nullptr || FAILED(pixels->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        return nullptr;
    }
    return bitmap;
}

}  // namespace

bool PictureBox::RegisterWindowClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcOf<PictureBox>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // Where the box is larger than its picture, the box's own face shows.
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = CLASS_NAME;
    return RegisterClassExW(&windowClass) != 0;
}

bool PictureBox::Create(HWND parent, const RECT& place, const wchar_t* resourceName)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    picture_ = DecodePicture(instance, resourceName);
    // The client edge is Windows' sunken border, as wide as the design's.
    static_assert(design::PICTURE1_BORDER == 2, "the client edge is 2 pixels wide");
    window_ = CreateWindowExW(WS_EX_CLIENTEDGE, CLASS_NAME, L"",
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_GROUP, place.left, place.top,
                              place.right - place.left, place.bottom - place.top, parent, nullptr, instance, this);
    return window_ != nullptr;
}

void PictureBox::Paint(HWND window) const
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    if (picture_ != nullptr) {
        BITMAP size{};
        GetObjectW(picture_.get(), sizeof size, &size);
        HDC pictureDc = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(pictureDc, picture_.get());
        BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, pictureDc, 0, 0, SRCCOPY);
        SelectObject(pictureDc, previous);
        DeleteDC(pictureDc);
    }
    if (GetFocus() == window) {
        RECT inside{};
        GetClientRect(window, &inside);
        DrawFocusRect(dc, &inside);
    }
    EndPaint(window, &paint);
}

LRESULT PictureBox::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(window); return 0;
    case WM_LBUTTONDOWN: SetFocus(window); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The focus mark comes and goes with the focus.
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_NCDESTROY: window_ = nullptr; break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tavrelin::ui
