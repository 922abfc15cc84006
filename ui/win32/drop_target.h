#pragma once
// The window's OLE drop target. Every drag notification (entering, moving over, leaving) is
// told to `dragged`; a drop hands over the shell's file list (CF_HDROP) as UTF-8 full paths in
// the drop's order, none when the data carries no file list. The drop effect is copy.
#include <windows.h>
// windows.h first: the system headers below need its types.
#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

namespace quorvel::win32 {

class DropTarget : public IDropTarget {
public:
    DropTarget(std::function<void()> dragged,
               std::function<void(const std::vector<std::string>&)> dropped)
        : m_dragged(std::move(dragged)), m_dropped(std::move(dropped)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    // The window owns the target; the count only tells OLE's own references apart.
    ULONG STDMETHODCALLTYPE Release() override { return --m_references; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at,
                                   DWORD* effect) override;

private:
    std::function<void()> m_dragged;
    std::function<void(const std::vector<std::string>&)> m_dropped;
    ULONG m_references = 1;  // OLE calls it on the window's thread only
};

// The paths of the data's CF_HDROP file list, in its order; none without one.
std::vector<std::string> droppedFiles(IDataObject& data);

}  // namespace quorvel::win32
