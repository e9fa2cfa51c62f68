// Inside the Qt back end: what the layer's handles are, and the dialog window.
#pragma once

#include <QEventLoop>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <QColor>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dlgtemplate.h"
#include "platform/menu_private.h"
#include "platform/testing.h"
#include "platform/window.h"

class QMimeData;
class QPainter;
class QPixmap;

namespace platform::qt {
class DialogWindow;
}

// A window: the dialog or one of its controls.
struct HWND__ {
    QPointer<QWidget> widget;
    CWnd* wnd = nullptr;
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    platform::qt::DialogWindow* dialog = nullptr;  // the dialog it belongs to (or is)
    HICON icons[2] = {nullptr, nullptr};            // ICON_SMALL, ICON_BIG
    // A multi-line edit: the CString it shows, so that a text that only grew
    // at its end is appended instead of replaced.
    std::uint64_t shownLineage = 0;
    std::size_t shownLength = 0;
    bool layoutPending = false;  // appended text awaits its scroll range
    // The window menu, made at the first GetSystemMenu or showing.
    std::unique_ptr<HMENU__> windowMenu;
    std::unique_ptr<CMenu> windowMenuObject;
};

// A device context: a painter while a real paint is under way, else nothing.
struct HDC__ {
    QWidget* widget = nullptr;
    QPainter* painter = nullptr;
};

namespace platform::qt {

// Narrow (GB18030) text to Qt and back; the only conversions of the back end.
QString FromNarrow(std::string_view narrow);

// The template font as a Qt font: "宋体" and its kin map to a Ming face with
// the same metrics; the point size is kept.
QFont TemplateFont(const std::string& faceUtf8, int pointSize);

// Dialog base units of a font: average width of a-z A-Z and line height.
struct BaseUnits {
    int cx;
    int cy;
};
BaseUnits FontBaseUnits(const QFont& font);
// MulDiv(v, base, div): rounded half away from zero.
int MulDiv(int v, int base, int div);

const QPixmap& IconPixmap(HICON icon);
QColor BrushColour(HBRUSH brush);

// Local file paths of a drop, narrow, in the drop's order; empty if none.
std::vector<std::string> DroppedPaths(const QMimeData& mime);
HDROP NewDrop(std::vector<std::string> narrowPaths);

// The test seam's hooks as the back end sees them.
std::function<void(CDialog&)> TakeModalHook();
const std::function<int(const testing::MessageBoxCall&)>& MessageBoxHandler();
const std::function<std::optional<std::string>(const testing::FileDialogCall&)>& FileDialogHandler();
void RecordDrawIcon(const testing::DrawIconCall& call);
const std::function<std::optional<UINT_PTR>(const testing::MenuCall&)>& MenuHandler();

// The window's window menu, made with the layer's items when first asked for.
HMENU__& WindowMenu(HWND__& handle);
// Shows it at a point of the screen; a chosen item becomes WM_SYSCOMMAND.
void ShowWindowMenu(HWND__& handle, QPoint globalPos);

// The top-level window of a dialog, built from its template.
class DialogWindow : public QWidget {
public:
    DialogWindow(CDialog* dialog, const DialogTemplate& tmpl, QWidget* owner);
    ~DialogWindow() override;

    HWND Handle() { return &m_self; }
    CWnd* FindControl(int id) const;
    int DefaultButtonId() const;
    BaseUnits Units() const { return m_units; }

    // After OnInitDialog: focus, control colours, centring.
    void PrepareFirstShow(BOOL focusFirstTabStop);
    void RunModalLoop();
    void End();
    bool Ending() const { return m_ending; }
    bool Painting() const { return m_painting; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct Control {
        HWND__ handle;
        std::unique_ptr<CWnd> wnd;
    };
    void CreateControl(const DialogItemTemplate& item, QWidget*& previousTabStop);
    void ApplyControlColours();
    bool HandleKey(QKeyEvent* event);
    void PressButton(int id);
    bool HandleDrag(QEvent* event);
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam);

    CDialog* m_dialog;
    HWND__ m_self;
    std::vector<std::unique_ptr<Control>> m_controls;
    BaseUnits m_units{0, 0};
    QEventLoop* m_loop = nullptr;
    bool m_ending = false;
    bool m_painting = false;
};

DialogWindow* DialogOf(HWND hWnd);

}  // namespace platform::qt
