// The window menu: Linux window managers keep the title bar's menu to
// themselves, so the layer shows its own.
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>

#include "platform/qt/backend.h"

namespace platform::qt {
namespace {

QString ItemText(const HMENU__::Item& item) {
    if (item.layerWord == nullptr) return FromNarrow(item.text);
    QString text = QCoreApplication::translate("QMdiSubWindow", item.layerWord);
    if (item.id == SC_CLOSE) text += QLatin1Char('\t') + QKeySequence(Qt::ALT | Qt::Key_F4).toString(QKeySequence::NativeText);
    return text;
}

}  // namespace

HMENU__& WindowMenu(HWND__& handle) {
    if (!handle.windowMenu) {
        handle.windowMenu = std::make_unique<HMENU__>();
        ResetWindowMenu(*handle.windowMenu);
        handle.windowMenuObject = std::make_unique<CMenu>();
        handle.windowMenuObject->m_hMenu = handle.windowMenu.get();
    }
    return *handle.windowMenu;
}

void ShowWindowMenu(HWND__& handle, QPoint globalPos) {
    const HMENU__& menu = WindowMenu(handle);
    std::optional<UINT_PTR> chosen;
    if (const auto& handler = MenuHandler()) {
        testing::MenuCall call{{}, &handle};
        for (const auto& item : menu.items) call.items.push_back({item.flags, item.id, ItemText(item).toStdString()});
        chosen = handler(call);
    } else {
        QMenu popup(handle.widget);
        for (const auto& item : menu.items) {
            if (item.flags & MF_SEPARATOR)
                popup.addSeparator();
            else
                popup.addAction(ItemText(item))->setData(QVariant::fromValue(static_cast<qulonglong>(item.id)));
        }
        if (QAction* action = popup.exec(globalPos)) chosen = static_cast<UINT_PTR>(action->data().toULongLong());
    }
    if (chosen && handle.wnd) handle.wnd->SendMessage(WM_SYSCOMMAND, *chosen, 0);
}

}  // namespace platform::qt

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
    if (m_hWnd == nullptr || !(m_hWnd->style & WS_SYSMENU) || m_hWnd->id != 0) return nullptr;
    HMENU__& menu = platform::qt::WindowMenu(*m_hWnd);
    if (bRevert) {
        platform::ResetWindowMenu(menu);
        return nullptr;
    }
    return m_hWnd->windowMenuObject.get();
}

HMENU GetSystemMenu(HWND hWnd, BOOL bRevert) {
    CMenu* menu = hWnd && hWnd->wnd ? hWnd->wnd->GetSystemMenu(bRevert) : nullptr;
    return menu ? menu->m_hMenu : nullptr;
}
