#include "ui/win/accessible_window.h"

#include <oleacc.h>

#include <atomic>
#include <optional>

namespace {

LONG roleOf(FocusRole role) {
    switch (role) {
    case FocusRole::Button:
        return ROLE_SYSTEM_PUSHBUTTON;
    case FocusRole::CheckBox:
        return ROLE_SYSTEM_CHECKBUTTON;
    case FocusRole::RadioButton:
        return ROLE_SYSTEM_RADIOBUTTON;
    case FocusRole::ComboBox:
        return ROLE_SYSTEM_COMBOBOX;
    case FocusRole::Slider:
        return ROLE_SYSTEM_SLIDER;
    case FocusRole::PageTab:
        return ROLE_SYSTEM_PAGETAB;
    case FocusRole::Link:
        return ROLE_SYSTEM_LINK;
    case FocusRole::Text:
        return ROLE_SYSTEM_STATICTEXT;
    case FocusRole::Edit:
        return ROLE_SYSTEM_TEXT;
    case FocusRole::List:
        return ROLE_SYSTEM_LIST;
    }
    return ROLE_SYSTEM_CLIENT;
}

LONG stateOf(const AccessibleNode& node) {
    LONG state = node.role == FocusRole::Text ? STATE_SYSTEM_READONLY : STATE_SYSTEM_FOCUSABLE;
    if (node.checked) {
        state |= node.role == FocusRole::PageTab ? STATE_SYSTEM_SELECTED : STATE_SYSTEM_CHECKED;
    }
    if (node.unavailable) {
        state |= STATE_SYSTEM_UNAVAILABLE;
    }
    if (node.focused) {
        state |= STATE_SYSTEM_FOCUSED;
    }
    return state;
}

BSTR bstrOf(const std::wstring& text) {
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

// The IAccessible of a skinned window's client area. Child ids count from 1 in the order of the
// source's children; CHILDID_SELF is the window's client area itself.
class ClientAccessible final : public IAccessible {
public:
    explicit ClientAccessible(AccessibleSource& source) : source_(&source) {}

    void disconnect() { source_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) ||
            IsEqualIID(id, IID_IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // IDispatch: readers use the IAccessible methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count != nullptr) {
            *count = 0;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (parent == nullptr) {
            return E_POINTER;
        }
        *parent = nullptr;
        if (source_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        return AccessibleObjectFromWindow(source_->accessibleWindow(), static_cast<DWORD>(OBJID_WINDOW),
                                          IID_IDispatch, reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = source_ == nullptr ? 0 : static_cast<LONG>(source_->accessibleChildren().size());
        return source_ == nullptr ? CO_E_OBJNOTCONNECTED : S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        // The children are simple elements, reached through child ids.
        if (child != nullptr) {
            *child = nullptr;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return text(child, name, [this](const AccessibleNode* node) {
            return node == nullptr ? source_->accessibleName() : node->name;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return text(child, value,
                    [](const AccessibleNode* node) { return node == nullptr ? L"" : node->value; });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* description) override {
        if (description != nullptr) {
            *description = nullptr;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return number(child, role, [](const AccessibleNode* node) {
            return node == nullptr ? ROLE_SYSTEM_CLIENT : roleOf(node->role);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return number(child, state, [](const AccessibleNode* node) {
            return node == nullptr ? STATE_SYSTEM_FOCUSABLE : stateOf(*node);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        if (help != nullptr) {
            *help = nullptr;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        if (file != nullptr) {
            *file = nullptr;
        }
        if (topic != nullptr) {
            *topic = 0;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
        if (shortcut != nullptr) {
            *shortcut = nullptr;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (focus == nullptr) {
            return E_POINTER;
        }
        VariantInit(focus);
        if (source_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        const std::vector<AccessibleNode> children = source_->accessibleChildren();
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (children[i].focused) {
                focus->vt = VT_I4;
                focus->lVal = static_cast<LONG>(i + 1);
                return S_OK;
            }
        }
        if (GetFocus() == source_->accessibleWindow()) {
            focus->vt = VT_I4;
            focus->lVal = CHILDID_SELF;
            return S_OK;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (selection != nullptr) {
            VariantInit(selection);
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return text(child, action,
                    [](const AccessibleNode* node) { return node == nullptr ? L"" : node->defaultAction; });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        const std::optional<std::size_t> index = childIndex(child);
        if (source_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        if (!index || (flags & SELFLAG_TAKEFOCUS) == 0) {
            return E_INVALIDARG;
        }
        source_->focusChild(*index);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
            return E_POINTER;
        }
        if (source_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        RECT area{};
        if (child.vt == VT_I4 && child.lVal == CHILDID_SELF) {
            GetClientRect(source_->accessibleWindow(), &area);
        } else if (const std::optional<std::size_t> index = childIndex(child)) {
            const Rect rect = source_->accessibleChildren()[*index].rect;
            area = {rect.left, rect.top, rect.right, rect.bottom};
        } else {
            return E_INVALIDARG;
        }
        MapWindowPoints(source_->accessibleWindow(), nullptr, reinterpret_cast<POINT*>(&area), 2);
        *left = area.left;
        *top = area.top;
        *width = area.right - area.left;
        *height = area.bottom - area.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
        if (end != nullptr) {
            VariantInit(end);
        }
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        if (child == nullptr) {
            return E_POINTER;
        }
        VariantInit(child);
        if (source_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        POINT at{x, y};
        ScreenToClient(source_->accessibleWindow(), &at);
        const std::vector<AccessibleNode> children = source_->accessibleChildren();
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (children[i].rect.contains({at.x, at.y})) {
                child->vt = VT_I4;
                child->lVal = static_cast<LONG>(i + 1);
                return S_OK;
            }
        }
        child->vt = VT_I4;
        child->lVal = CHILDID_SELF;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (source_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        const std::optional<std::size_t> index = childIndex(child);
        if (!index || source_->accessibleChildren()[*index].defaultAction.empty()) {
            return DISP_E_MEMBERNOTFOUND;
        }
        source_->doDefaultAction(*index);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    // The 0-based index of a child id of one of the children; nothing for the window itself or an
    // id out of range.
    std::optional<std::size_t> childIndex(const VARIANT& child) const {
        if (source_ == nullptr || child.vt != VT_I4 || child.lVal <= 0) {
            return std::nullopt;
        }
        const auto index = static_cast<std::size_t>(child.lVal - 1);
        if (index >= source_->accessibleChildren().size()) {
            return std::nullopt;
        }
        return index;
    }

    // Looks up the child (nullptr: the window itself) and answers with a text of it.
    template <typename Read>
    HRESULT text(const VARIANT& child, BSTR* out, Read read) const {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (source_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        std::wstring value;
        if (child.vt == VT_I4 && child.lVal == CHILDID_SELF) {
            value = read(nullptr);
        } else if (const std::optional<std::size_t> index = childIndex(child)) {
            value = read(&source_->accessibleChildren()[*index]);
        } else {
            return E_INVALIDARG;
        }
        if (value.empty()) {
            return S_FALSE;
        }
        *out = bstrOf(value);
        return S_OK;
    }

    template <typename Read>
    HRESULT number(const VARIANT& child, VARIANT* out, Read read) const {
        if (out == nullptr) {
            return E_POINTER;
        }
        VariantInit(out);
        if (source_ == nullptr) {
            return CO_E_OBJNOTCONNECTED;
        }
        if (child.vt == VT_I4 && child.lVal == CHILDID_SELF) {
            out->lVal = read(nullptr);
        } else if (const std::optional<std::size_t> index = childIndex(child)) {
            out->lVal = read(&source_->accessibleChildren()[*index]);
        } else {
            return E_INVALIDARG;
        }
        out->vt = VT_I4;
        return S_OK;
    }

    std::atomic<ULONG> references_{1};
    AccessibleSource* source_;
};

} // namespace

AccessibleWindow::~AccessibleWindow() {
    if (object_ != nullptr) {
        static_cast<ClientAccessible*>(object_)->disconnect();
        object_->Release();
    }
}

LRESULT AccessibleWindow::onGetObject(WPARAM flags, LPARAM objectId) {
    if (static_cast<LONG>(objectId) != OBJID_CLIENT) {
        return 0;
    }
    if (object_ == nullptr) {
        object_ = static_cast<IAccessible*>(new ClientAccessible(source_));
        told_ = source_.accessibleChildren();
    }
    return LresultFromObject(IID_IAccessible, flags, object_);
}

void AccessibleWindow::tellChanges() {
    // Nobody asked for the window's object yet: no reader listens to its children.
    if (object_ == nullptr) {
        return;
    }
    std::vector<AccessibleNode> now = source_.accessibleChildren();
    const HWND window = source_.accessibleWindow();
    for (const AccessibleChange& change : accessibleChanges(told_, now)) {
        const LONG child = static_cast<LONG>(change.child + 1);
        switch (change.kind) {
        case AccessibleChange::Kind::Children:
            NotifyWinEvent(EVENT_OBJECT_REORDER, window, OBJID_CLIENT, CHILDID_SELF);
            break;
        case AccessibleChange::Kind::Focus:
            NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, child);
            break;
        case AccessibleChange::Kind::State:
            NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, child);
            if (now[change.child].checked && now[change.child].role == FocusRole::RadioButton) {
                NotifyWinEvent(EVENT_OBJECT_SELECTION, window, OBJID_CLIENT, child);
            }
            break;
        case AccessibleChange::Kind::Value:
            NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, child);
            break;
        }
    }
    told_ = std::move(now);
}
