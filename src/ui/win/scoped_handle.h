#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

// Owners for the Win32 handles the shell creates: each closes or deletes its handle exactly once,
// can be moved but not copied, and hands the handle back with release() when ownership moves on.
template <typename Handle, typename Traits>
class ScopedHandle {
public:
    ScopedHandle() = default;
    explicit ScopedHandle(Handle handle) : handle_(handle) {}
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.release()) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~ScopedHandle() { reset(); }

    Handle get() const { return handle_; }
    bool valid() const { return Traits::isValid(handle_); }
    explicit operator bool() const { return valid(); }

    Handle release() { return std::exchange(handle_, Traits::invalid()); }
    void reset(Handle handle = Traits::invalid()) {
        Handle old = std::exchange(handle_, handle);
        if (Traits::isValid(old)) {
            Traits::close(old);
        }
    }

private:
    Handle handle_ = Traits::invalid();
};

// Kernel objects that report failure as NULL (events, mutexes, threads).
struct KernelHandleTraits {
    static HANDLE invalid() { return nullptr; }
    static bool isValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void close(HANDLE handle) { CloseHandle(handle); }
};
using UniqueHandle = ScopedHandle<HANDLE, KernelHandleTraits>;

// Files and devices opened with CreateFile, which reports failure as INVALID_HANDLE_VALUE.
struct FileHandleTraits : KernelHandleTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
};

// A kernel handle that one thread owns and replaces while another thread reads it: it closes the
// handle it holds exactly once, when it is replaced, reset or goes away. The reader only loads it.
template <typename Traits>
class SharedHandle {
public:
    SharedHandle() = default;
    SharedHandle(const SharedHandle&) = delete;
    SharedHandle& operator=(const SharedHandle&) = delete;
    ~SharedHandle() { reset(); }

    HANDLE load() const { return handle_.load(); }
    bool valid() const { return Traits::isValid(load()); }

    // Takes `handle` over and closes the one held until now.
    void reset(HANDLE handle = Traits::invalid()) {
        const HANDLE old = handle_.exchange(handle);
        if (Traits::isValid(old)) {
            Traits::close(old);
        }
    }

private:
    std::atomic<HANDLE> handle_{Traits::invalid()};
};
using SharedEvent = SharedHandle<KernelHandleTraits>;
using SharedFile = SharedHandle<FileHandleTraits>;

template <typename GdiHandle>
struct GdiObjectTraits {
    static GdiHandle invalid() { return nullptr; }
    static bool isValid(GdiHandle handle) { return handle != nullptr; }
    static void close(GdiHandle handle) { DeleteObject(handle); }
};
using UniqueBitmap = ScopedHandle<HBITMAP, GdiObjectTraits<HBITMAP>>;
using UniqueFont = ScopedHandle<HFONT, GdiObjectTraits<HFONT>>;
using UniqueBrush = ScopedHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;
using UniquePen = ScopedHandle<HPEN, GdiObjectTraits<HPEN>>;

// A DC made with CreateCompatibleDC.
struct MemoryDcTraits {
    static HDC invalid() { return nullptr; }
    static bool isValid(HDC dc) { return dc != nullptr; }
    static void close(HDC dc) { DeleteDC(dc); }
};
using UniqueMemoryDc = ScopedHandle<HDC, MemoryDcTraits>;

struct MenuTraits {
    static HMENU invalid() { return nullptr; }
    static bool isValid(HMENU menu) { return menu != nullptr; }
    static void close(HMENU menu) { DestroyMenu(menu); }
};
using UniqueMenu = ScopedHandle<HMENU, MenuTraits>;

struct DeviceNotifyTraits {
    static HDEVNOTIFY invalid() { return nullptr; }
    static bool isValid(HDEVNOTIFY notify) { return notify != nullptr; }
    static void close(HDEVNOTIFY notify) { UnregisterDeviceNotification(notify); }
};
using UniqueDeviceNotify = ScopedHandle<HDEVNOTIFY, DeviceNotifyTraits>;

struct WinEventHookTraits {
    static HWINEVENTHOOK invalid() { return nullptr; }
    static bool isValid(HWINEVENTHOOK hook) { return hook != nullptr; }
    static void close(HWINEVENTHOOK hook) { UnhookWinEvent(hook); }
};
using UniqueWinEventHook = ScopedHandle<HWINEVENTHOOK, WinEventHookTraits>;

// A child window created on demand (a drop-down list) that is destroyed with its owner object.
struct WindowTraits {
    static HWND invalid() { return nullptr; }
    static bool isValid(HWND window) { return window != nullptr; }
    static void close(HWND window) {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
};
using UniqueWindow = ScopedHandle<HWND, WindowTraits>;

// Selects a GDI object into a DC for one scope and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The DC of a window's client area for one scope (GetDC / ReleaseDC).
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The DC of a window for one WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(window_, &paint_); }
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};
