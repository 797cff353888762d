// Times one hover change of a skinned window, the redraw of a button image into the window's canvas
// and the copy of the whole client area, with the image decoded from its PNG file on every draw
// and with it taken from the decoded-image cache. Prints both times and their ratio.
//
// Usage: hover_draw_bench [ITERATIONS]

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/win/load_png.h"
#include "ui/win/mem_dc.h"
#include "skin/win/png_image.h"
#include "ui/win/scoped_handle.h"

namespace {

constexpr int kCanvasWidth = 900;
constexpr int kCanvasHeight = 600;
constexpr int kButtonWidth = 105;
constexpr int kButtonHeight = 21;

// {557CF406-1A04-11D3-9A73-0000F81EF32E}: the PNG encoder of GDI+.
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// A button image with a soft, half-transparent edge like the skins' buttons.
bool writeButtonPng(const std::wstring& path) {
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    bool written = false;
    {
        Gdiplus::Bitmap image(kButtonWidth, kButtonHeight, PixelFormat32bppARGB);
        for (int y = 0; y < kButtonHeight; ++y) {
            for (int x = 0; x < kButtonWidth; ++x) {
                const bool edge = x < 2 || y < 2 || x >= kButtonWidth - 2 || y >= kButtonHeight - 2;
                const auto shade = static_cast<BYTE>(60 + x);
                image.SetPixel(x, y, Gdiplus::Color(edge ? 128 : 255, shade, 90, 200 - x));
            }
        }
        written = image.Save(path.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::GdiplusShutdown(token);
    return written;
}

// The window's canvas and a stand-in for the window's DC that receives the copies.
struct Scene {
    void* canvasBits = nullptr;
    void* windowBits = nullptr;
    UniqueBitmap canvas{createTopDownDib(kCanvasWidth, kCanvasHeight, &canvasBits)};
    UniqueBitmap windowBitmap{createTopDownDib(kCanvasWidth, kCanvasHeight, &windowBits)};
    UniqueMemoryDc window{CreateCompatibleDC(nullptr)};

    Scene() { SelectObject(window.get(), windowBitmap.get()); }
    std::vector<unsigned char> canvasPixels() const {
        GdiFlush();
        const auto* bytes = static_cast<const unsigned char*>(canvasBits);
        return {bytes, bytes + static_cast<std::size_t>(kCanvasWidth) * kCanvasHeight * 4};
    }
};

// One hover change: the button drawn at the OK position, the whole client area copied.
bool hoverChange(Scene& scene, const std::wstring& path, PngCache* cache) {
    CMemDC surface(scene.window.get(), scene.canvas.get(), RECT{0, 0, kCanvasWidth, kCanvasHeight});
    return LoadPng(surface.dc(), path, 166, 253, cache);
}

double timeHoverChanges(Scene& scene, const std::wstring& path, PngCache* cache, int iterations) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < iterations; ++i) {
        if (!hoverChange(scene, path, cache)) {
            std::fprintf(stderr, "drawing the button failed\n");
            std::exit(1);
        }
    }
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / iterations;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int iterations = argc > 1 ? _wtoi(argv[1]) : 2000;
    if (iterations <= 0) {
        std::fprintf(stderr, "usage: hover_draw_bench [ITERATIONS]\n");
        return 2;
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (L"hover-bench-" + std::to_wstring(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    const std::wstring button = (folder / L"button-over.png").wstring();
    if (!writeButtonPng(button)) {
        std::fprintf(stderr, "cannot write the button image\n");
        return 1;
    }

    Scene uncachedScene;
    Scene cachedScene;
    PngCache cache;
    // One warm-up draw each, then check that both ways leave the same pixels.
    hoverChange(uncachedScene, button, nullptr);
    hoverChange(cachedScene, button, &cache);
    const bool identical = uncachedScene.canvasPixels() == cachedScene.canvasPixels();

    const double uncached = timeHoverChanges(uncachedScene, button, nullptr, iterations);
    const double cached = timeHoverChanges(cachedScene, button, &cache, iterations);
    const bool stillIdentical = uncachedScene.canvasPixels() == cachedScene.canvasPixels();

    std::printf("hover change, %d iterations, %dx%d canvas, %dx%d button\n", iterations, kCanvasWidth,
                kCanvasHeight, kButtonWidth, kButtonHeight);
    std::printf("uncached (decode the PNG every time): %10.1f us per change\n", uncached);
    std::printf("cached (decoded once):                %10.1f us per change\n", cached);
    std::printf("ratio uncached / cached:              %10.2f\n", uncached / cached);
    std::printf("pixels identical:                     %s\n", identical && stillIdentical ? "yes" : "NO");

    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return identical && stillIdentical ? 0 : 1;
}
