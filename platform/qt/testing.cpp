// The test seam's state.
#include "platform/testing.h"

#include "platform/qt/backend.h"

namespace platform::qt {
namespace {
std::function<int(const testing::MessageBoxCall&)> g_messageBoxHandler;
std::function<std::optional<std::string>(const testing::FileDialogCall&)> g_fileDialogHandler;
std::function<void(const testing::DrawIconCall&)> g_drawIconRecorder;
std::function<void(CDialog&)> g_modalHook;
std::function<std::optional<UINT_PTR>(const testing::MenuCall&)> g_menuHandler;
}  // namespace

const std::function<std::optional<UINT_PTR>(const testing::MenuCall&)>& MenuHandler() { return g_menuHandler; }

const std::function<int(const testing::MessageBoxCall&)>& MessageBoxHandler() { return g_messageBoxHandler; }
const std::function<std::optional<std::string>(const testing::FileDialogCall&)>& FileDialogHandler() {
    return g_fileDialogHandler;
}
void RecordDrawIcon(const testing::DrawIconCall& call) {
    if (g_drawIconRecorder) g_drawIconRecorder(call);
}
std::function<void(CDialog&)> TakeModalHook() { return std::exchange(g_modalHook, nullptr); }

}  // namespace platform::qt

namespace platform::testing {

void SetMessageBoxHandler(std::function<int(const MessageBoxCall&)> handler) {
    qt::g_messageBoxHandler = std::move(handler);
}
void SetFileDialogHandler(std::function<std::optional<std::string>(const FileDialogCall&)> handler) {
    qt::g_fileDialogHandler = std::move(handler);
}
void SetDrawIconRecorder(std::function<void(const DrawIconCall&)> recorder) {
    qt::g_drawIconRecorder = std::move(recorder);
}
void SetModalHook(std::function<void(CDialog&)> hook) { qt::g_modalHook = std::move(hook); }
void SetMenuHandler(std::function<std::optional<UINT_PTR>(const MenuCall&)> handler) {
    qt::g_menuHandler = std::move(handler);
}

QWidget* WidgetOf(HWND hWnd) { return hWnd ? hWnd->widget.data() : nullptr; }

}  // namespace platform::testing
