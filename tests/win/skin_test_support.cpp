#include "skin_test_support.h"

#include "ui/win/mem_dc.h"

#include <atomic>
#include <stdexcept>

namespace skintest {

namespace {

// {557CF406-1A04-11D3-9A73-0000F81EF32E}: the PNG encoder of GDI+.
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

std::vector<MessageBoxCatcher::Seen>& seenBoxes() {
    static std::vector<MessageBoxCatcher::Seen> boxes;
    return boxes;
}

// The static that holds a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;

std::wstring windowText(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

LRESULT CALLBACK catchMessageBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        const HWND text = GetDlgItem(window, kMessageBoxTextId);
        if (text != nullptr) {
            seenBoxes().push_back({windowText(window), windowText(text)});
            PostMessageW(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

std::wstring executableStem() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).stem().wstring();
}

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
}

GdiplusSession::~GdiplusSession() {
    Gdiplus::GdiplusShutdown(token_);
}

void writePng(const std::filesystem::path& path, int width, int height, SourcePixel colour, bool withAlpha) {
    GdiplusSession gdiplus;
    Gdiplus::Bitmap image(width, height, withAlpha ? PixelFormat32bppARGB : PixelFormat24bppRGB);
    const Gdiplus::Color pixel(withAlpha ? colour.alpha : 255, colour.red, colour.green, colour.blue);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.SetPixel(x, y, pixel);
        }
    }
    if (image.Save(path.wstring().c_str(), &kPngEncoder, nullptr) != Gdiplus::Ok) {
        throw std::runtime_error("cannot write test PNG");
    }
}

TestDib::TestDib(int width, int height, Pixel fillColour) : width_(width), height_(height) {
    void* bits = nullptr;
    bitmap_.reset(createTopDownDib(width, height, &bits));
    if (!bitmap_) {
        throw std::runtime_error("cannot create a test bitmap");
    }
    bits_ = static_cast<Pixel*>(bits);
    fill(fillColour);
}

void TestDib::fill(Pixel colour) {
    GdiFlush();
    for (int i = 0; i < width_ * height_; ++i) {
        bits_[i] = colour;
    }
}

Pixel TestDib::at(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x];
}

std::vector<Pixel> TestDib::pixels() const {
    GdiFlush();
    return {bits_, bits_ + width_ * height_};
}

TestSurface::TestSurface(int width, int height, Pixel fillColour)
    : TestDib(width, height, fillColour), dc_(CreateCompatibleDC(nullptr)) {
    previous_ = SelectObject(dc_.get(), bitmap());
}

TestSurface::~TestSurface() {
    SelectObject(dc_.get(), previous_);
}

Pixel dibPixel(HBITMAP dib, int x, int y) {
    GdiFlush();
    BITMAP size{};
    if (GetObjectW(dib, sizeof(size), &size) == 0) {
        throw std::runtime_error("not a bitmap");
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = -size.bmHeight; // rows top-down, whatever the bitmap's own order
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<Pixel> pixels(static_cast<std::size_t>(size.bmWidth) * size.bmHeight);
    const HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, dib, 0, size.bmHeight, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != size.bmHeight) {
        throw std::runtime_error("cannot read the bitmap");
    }
    return pixels[static_cast<std::size_t>(y) * size.bmWidth + x];
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            (L"skin-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

MessageBoxCatcher::MessageBoxCatcher()
    : hook_(SetWindowsHookExW(WH_CBT, &catchMessageBox, nullptr, GetCurrentThreadId())) {
    seenBoxes().clear();
}

MessageBoxCatcher::~MessageBoxCatcher() {
    UnhookWindowsHookEx(hook_);
}

const std::vector<MessageBoxCatcher::Seen>& MessageBoxCatcher::seen() const {
    return seenBoxes();
}

} // namespace skintest
