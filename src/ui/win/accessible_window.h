#pragma once

#include <windows.h>

#include <unknwn.h>

#include <cstddef>
#include <string>
#include <vector>

#include "common/accessible_node.h"

// What a skinned window tells screen readers about itself (Microsoft Active Accessibility): its
// children as its own models describe them, and what a reader may do to one of them.
class AccessibleSource {
public:
    virtual HWND accessibleWindow() const = 0;
    // The window's name (its caption or first heading) in the UI language.
    virtual std::wstring accessibleName() const = 0;
    virtual std::vector<AccessibleNode> accessibleChildren() const = 0;
    // The child's default action: the same as a click on it or Space on it.
    virtual void doDefaultAction(std::size_t child) = 0;
    // The reader moves the keyboard focus to the child.
    virtual void focusChild(std::size_t child) = 0;

protected:
    ~AccessibleSource() = default;
};

// The window's answer to WM_GETOBJECT: one IAccessible for OBJID_CLIENT over `source`, made at the
// first request; other objects are left to the system. It tells readers of changes through
// NotifyWinEvent. When the window goes, the object stays alive for readers still holding it but
// answers that it is gone.
class AccessibleWindow {
public:
    explicit AccessibleWindow(AccessibleSource& source) : source_(source) {}
    AccessibleWindow(const AccessibleWindow&) = delete;
    AccessibleWindow& operator=(const AccessibleWindow&) = delete;
    ~AccessibleWindow();

    // The result of WM_GETOBJECT; 0 for an object the window leaves to the system.
    LRESULT onGetObject(WPARAM flags, LPARAM objectId);
    // Compares the children with those last told and sends the events of what changed.
    void tellChanges();

private:
    AccessibleSource& source_;
    // The COM object handed to readers (an IAccessible), made at the first request.
    IUnknown* object_ = nullptr;
    std::vector<AccessibleNode> told_;
};
