#pragma once

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/win/scoped_handle.h"

namespace skintest {

// A BGRA pixel as a 32-bit DIB holds it.
struct Pixel {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
    uint8_t alpha = 0;
    bool operator==(const Pixel&) const = default;
};

// One pixel of a test image: colour and alpha as the PNG file stores them (not premultiplied).
struct SourcePixel {
    uint8_t red, green, blue, alpha;
};

// Writes a PNG through GDI+: 32-bit with alpha when `withAlpha`, 24-bit otherwise.
void writePng(const std::filesystem::path& path, int width, int height, SourcePixel colour, bool withAlpha);

// A 32-bit top-down DIB section with direct access to its pixels.
class TestDib {
public:
    TestDib(int width, int height, Pixel fill);
    HBITMAP bitmap() const { return bitmap_.get(); }
    Pixel at(int x, int y) const;
    std::vector<Pixel> pixels() const;
    void fill(Pixel colour);

private:
    int width_;
    int height_;
    Pixel* bits_ = nullptr;
    UniqueBitmap bitmap_;
};

// A TestDib selected into its own memory DC: a surface to draw into and read back.
class TestSurface : public TestDib {
public:
    TestSurface(int width, int height, Pixel fill);
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;
    ~TestSurface();
    HDC dc() const { return dc_.get(); }

private:
    UniqueMemoryDc dc_;
    HGDIOBJ previous_ = nullptr;
};

// The pixels of any 32-bit DIB section.
Pixel dibPixel(HBITMAP dib, int x, int y);

// A fresh folder under the temporary folder, removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Answers every message box the test thread opens with OK, and remembers caption and text.
class MessageBoxCatcher {
public:
    struct Seen {
        std::wstring caption;
        std::wstring text;
    };
    MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;
    ~MessageBoxCatcher();
    const std::vector<Seen>& seen() const;

private:
    HHOOK hook_;
};

// The running test program's file name without folder and extension.
std::wstring executableStem();

// Keeps GDI+ running for PNG encoding in a test.
class GdiplusSession {
public:
    GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ~GdiplusSession();

private:
    ULONG_PTR token_ = 0;
};

} // namespace skintest
