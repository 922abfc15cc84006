#include "drop_target.h"

#include <shellapi.h>

#include "platform/win32/win32_text.h"

namespace quorvel::win32 {
namespace {

// Copy when the source offers it, so a drop never moves the user's files away; otherwise the
// effect is left as offered.
void preferCopy(DWORD* effect) {
    if (effect && (*effect & DROPEFFECT_COPY)) *effect = DROPEFFECT_COPY;
}

}  // namespace

HRESULT DropTarget::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT DropTarget::DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) {
    preferCopy(effect);
    m_dragged();
    return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    preferCopy(effect);
    m_dragged();
    return S_OK;
}

HRESULT DropTarget::DragLeave() {
    m_dragged();
    return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    if (effect) *effect = DROPEFFECT_COPY;
    m_dropped(data ? droppedFiles(*data) : std::vector<std::string>{});
    return S_OK;
}

std::vector<std::string> droppedFiles(IDataObject& data) {
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    std::vector<std::string> paths;
    if (FAILED(data.GetData(&format, &medium))) return paths;
    auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal));
    if (drop) {
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
            path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
            paths.push_back(platform::win32::narrowUtf8(path));
        }
        GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    return paths;
}

}  // namespace quorvel::win32
