// The dialog manager: a template becomes a window with its controls; Qt's
// events become the messages the program's handlers expect.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

#include "platform/app.h"
#include "platform/qt/backend.h"

namespace platform::qt {
namespace {

QString ControlText(const DialogItemTemplate& item) { return item.text ? FromNarrow(item.text) : QString(); }

bool IsClass(const DialogItemTemplate& item, const char* name) { return qstricmp(item.className, name) == 0; }

// A text as shown and as a screen reader names it: without access-key marks.
QString WithoutAccessKeys(const QString& text) {
    QString name = text;
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    name.remove(QLatin1Char('&'));
    name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return name;
}

QPlainTextEdit* CreateMultiLineEdit(const DialogItemTemplate& item, QWidget* parent, BaseUnits units) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly((item.style & ES_READONLY) != 0);
    if (edit->isReadOnly()) edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // ES_AUTOHSCROLL: lines run past the right edge instead of wrapping.
    edit->setLineWrapMode((item.style & ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    edit->setVerticalScrollBarPolicy((item.style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy((item.style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (!(item.style & WS_BORDER)) edit->setFrameShape(QFrame::NoFrame);
    // An edit control's default tab stops: every 32 dialog units.
    edit->setTabStopDistance(MulDiv(32, units.cx, 4));
    edit->setTabChangesFocus(true);
    edit->setUndoRedoEnabled(false);
    edit->document()->setDocumentMargin(2);
    edit->setPlainText(ControlText(item));
    return edit;
}

}  // namespace

namespace {

// The first template's font becomes the application's too, so that new
// controls and their documents never load Qt's default font (and ask
// fontconfig for its fallbacks) only to be given the template's font.
void AdoptFirstTemplateFont(const QFont& font) {
    static bool adopted = false;
    if (adopted) return;
    adopted = true;
    QApplication::setFont(font);
}

}  // namespace

DialogWindow* DialogOf(HWND hWnd) { return hWnd ? hWnd->dialog : nullptr; }

DialogWindow::DialogWindow(CDialog* dialog, const DialogTemplate& tmpl, QWidget* owner)
    : QWidget(owner, owner ? Qt::Dialog : Qt::Window), m_dialog(dialog) {
    m_self.widget = this;
    m_self.wnd = dialog;
    m_self.dialog = this;
    m_self.style = tmpl.style;
    m_self.exStyle = tmpl.exStyle;

    Qt::WindowFlags flags = (owner ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    if ((tmpl.style & WS_CAPTION) == WS_CAPTION) flags |= Qt::WindowTitleHint;
    if (tmpl.style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((tmpl.style & WS_SYSMENU) && (tmpl.style & WS_MINIMIZEBOX)) flags |= Qt::WindowMinimizeButtonHint;
    if ((tmpl.style & WS_SYSMENU) && (tmpl.style & WS_MAXIMIZEBOX)) flags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);
    if (owner) setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose, false);

    const QFont font = TemplateFont(FromNarrow(tmpl.faceName ? tmpl.faceName : "").toStdString(), tmpl.pointSize);
    setFont(font);
    AdoptFirstTemplateFont(font);
    m_units = FontBaseUnits(font);
    const int width = MulDiv(tmpl.cx, m_units.cx, 4);
    const int height = MulDiv(tmpl.cy, m_units.cy, 8);
    // DS_MODALFRAME without WS_THICKFRAME: a fixed size.
    if (tmpl.style & WS_THICKFRAME)
        resize(width, height);
    else
        setFixedSize(width, height);
    setWindowTitle(tmpl.caption ? FromNarrow(tmpl.caption) : QString());
    setAcceptDrops((tmpl.exStyle & WS_EX_ACCEPTFILES) != 0);

    QWidget* previousTabStop = nullptr;
    for (const DialogItemTemplate& item : tmpl.items) CreateControl(item, previousTabStop);
    installEventFilter(this);
}

DialogWindow::~DialogWindow() { m_dialog->m_hWnd = nullptr; }

void DialogWindow::CreateControl(const DialogItemTemplate& item, QWidget*& previousTabStop) {
    auto control = std::make_unique<Control>();
    control->wnd = std::make_unique<CWnd>();
    QWidget* widget = nullptr;
    const QString text = ControlText(item);

    if (IsClass(item, "Button")) {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        button->setDefault((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        const int id = item.id;
        HWND__* handle = &control->handle;
        QObject::connect(button, &QPushButton::clicked, this, [this, id, handle] {
            Send(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED), reinterpret_cast<LPARAM>(handle));
        });
        widget = button;
    } else if (IsClass(item, "Edit")) {
        widget = CreateMultiLineEdit(item, this, m_units);
    } else {  // Static
        auto* label = new QLabel(this);
        if ((item.style & SS_TYPEMASK) == SS_ICON) {
            const HICON icon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(item.textResource));
            if (icon) label->setPixmap(IconPixmap(icon));
        } else {
            label->setTextFormat(Qt::PlainText);
            label->setText((item.style & SS_NOPREFIX) ? text : WithoutAccessKeys(text));
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        widget = label;
    }

    // The rectangle's corners are mapped one by one, as the dialog manager does.
    const int left = MulDiv(item.x, m_units.cx, 4);
    const int top = MulDiv(item.y, m_units.cy, 8);
    const int right = MulDiv(item.x + item.cx, m_units.cx, 4);
    const int bottom = MulDiv(item.y + item.cy, m_units.cy, 8);
    // An icon control takes its icon's size at the mapped corner.
    const bool iconControl = IsClass(item, "Static") && (item.style & SS_TYPEMASK) == SS_ICON;
    const QSize iconSize = iconControl ? static_cast<QLabel*>(widget)->pixmap().size() : QSize();
    if (iconControl && !iconSize.isEmpty())
        widget->setGeometry(left, top, iconSize.width(), iconSize.height());
    else
        widget->setGeometry(left, top, right - left, bottom - top);
    widget->setVisible((item.style & WS_VISIBLE) != 0);
    widget->setAccessibleName(item.accessibleName ? FromNarrow(item.accessibleName) : WithoutAccessKeys(text));

    if (item.style & WS_TABSTOP) {
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previousTabStop) QWidget::setTabOrder(previousTabStop, widget);
        previousTabStop = widget;
    } else {
        widget->setFocusPolicy(IsClass(item, "Static") ? Qt::NoFocus : Qt::ClickFocus);
    }

    // Drops land on the dialog wherever they fall, the listing included; the
    // controls' own text drops are off.
    widget->setAcceptDrops(acceptDrops());
    widget->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        area->viewport()->setAcceptDrops(acceptDrops());
        area->viewport()->installEventFilter(this);
    }

    control->handle.widget = widget;
    control->handle.wnd = control->wnd.get();
    control->handle.id = item.id;
    control->handle.style = item.style;
    control->handle.exStyle = item.exStyle;
    control->handle.dialog = this;
    control->wnd->m_hWnd = &control->handle;
    m_controls.push_back(std::move(control));
}

CWnd* DialogWindow::FindControl(int id) const {
    for (const auto& control : m_controls)
        if (control->handle.id == id) return control->wnd.get();
    return nullptr;
}

int DialogWindow::DefaultButtonId() const {
    for (const auto& control : m_controls)
        if (qobject_cast<QPushButton*>(control->handle.widget) &&
            (control->handle.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return control->handle.id;
    return IDOK;
}

LRESULT DialogWindow::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return AfxCallWndProc(m_dialog, message, wParam, lParam);
}

void DialogWindow::PrepareFirstShow(BOOL focusFirstTabStop) {
    ApplyControlColours();
    if (focusFirstTabStop) {
        for (const auto& control : m_controls) {
            QWidget* w = control->handle.widget;
            if ((control->handle.style & WS_TABSTOP) && w->isVisibleTo(this) && w->isEnabled()) {
                w->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    // Position 0, 0: the whole window (its frame too, where the platform knows
    // it before the window is shown) centred over the owner, or on the primary
    // screen's work area.
    const QRect area = parentWidget() ? parentWidget()->window()->frameGeometry()
                                      : QGuiApplication::primaryScreen()->availableGeometry();
    create();
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const int outerWidth = width() + frame.left() + frame.right();
    const int outerHeight = height() + frame.top() + frame.bottom();
    move(area.x() + (area.width() - outerWidth) / 2, area.y() + (area.height() - outerHeight) / 2);
}

// Each control asks once, before it is first shown, for its colours; a brush
// returned becomes its background. No brush leaves the default colours, which
// for a read-only edit are the dialog's, as a static control has.
void DialogWindow::ApplyControlColours() {
    CDC dc;
    for (const auto& control : m_controls) {
        QWidget* w = control->handle.widget;
        const bool edit = qobject_cast<QPlainTextEdit*>(w) != nullptr;
        const bool readOnly = edit && (control->handle.style & ES_READONLY);
        UINT type = CTLCOLOR_STATIC;
        if (qobject_cast<QPushButton*>(w)) type = CTLCOLOR_BTN;
        if (edit && !readOnly) type = CTLCOLOR_EDIT;
        AFX_CTLCOLOR request{control->wnd.get(), type};
        const auto brush = reinterpret_cast<HBRUSH>(
            Send(WM_CTLCOLOR, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(&request)));
        QWidget* surface = edit ? static_cast<QAbstractScrollArea*>(w)->viewport() : w;
        QPalette palette = w->palette();
        if (brush) {
            palette.setColor(QPalette::Base, BrushColour(brush));
            palette.setColor(QPalette::Window, BrushColour(brush));
            w->setPalette(palette);
            surface->setAutoFillBackground(true);
        } else if (readOnly) {
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
            w->setPalette(palette);
        }
    }
    AFX_CTLCOLOR request{m_dialog, CTLCOLOR_DLG};
    const auto brush = reinterpret_cast<HBRUSH>(
        Send(WM_CTLCOLOR, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(&request)));
    if (brush) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, BrushColour(brush));
        setPalette(palette);
    }
}

void DialogWindow::RunModalLoop() {
    if (m_ending) return;
    QEventLoop loop;
    m_loop = &loop;
    if (auto hook = TakeModalHook()) {
        QMetaObject::invokeMethod(
            this, [this, hook = std::move(hook)] { hook(*m_dialog); }, Qt::QueuedConnection);
    }
    loop.exec(QEventLoop::DialogExec);
    m_loop = nullptr;
}

void DialogWindow::End() {
    m_ending = true;
    hide();
    if (m_loop) m_loop->exit();
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    // The close box and Alt+F4 are the window menu's Close: the dialog decides.
    event->ignore();
    if (!m_ending) Send(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DialogWindow::paintEvent(QPaintEvent*) {
    m_painting = true;
    Send(WM_PAINT, 0, 0);
    m_painting = false;
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(event)) QWidget::keyPressEvent(event);
}

// The dialog's keys, as a dialog manager gives them: Enter presses the focused
// push button, else the default one; Esc is Cancel; Alt+F4 is Close.
// A click of button id as the keyboard makes it, whether or not the
// template has such a button (Esc is Cancel in every dialog).
void DialogWindow::PressButton(int id) {
    LPARAM from = 0;
    for (const auto& control : m_controls)
        if (control->handle.id == id) from = reinterpret_cast<LPARAM>(&control->handle);
    Send(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(id), BN_CLICKED), from);
}

bool DialogWindow::HandleKey(QKeyEvent* event) {
    const int key = event->key();
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && mods == Qt::NoModifier) {
        int id = DefaultButtonId();
        for (const auto& control : m_controls) {
            if (control->handle.widget == focusWidget() && qobject_cast<QPushButton*>(control->handle.widget))
                id = control->handle.id;
        }
        PressButton(id);
        return true;
    }
    if (key == Qt::Key_Escape && mods == Qt::NoModifier) {
        PressButton(IDCANCEL);
        return true;
    }
    if (key == Qt::Key_F4 && mods == Qt::AltModifier) {
        Send(WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    // The window menu; Shift+F10 in a text control opens that control's own menu.
    const bool altSpace = key == Qt::Key_Space && mods == Qt::AltModifier;
    const bool shiftF10 = key == Qt::Key_F10 && mods == Qt::ShiftModifier;
    if ((altSpace || shiftF10) && (m_self.style & WS_SYSMENU)) {
        auto* edit = qobject_cast<QPlainTextEdit*>(focusWidget());
        if (shiftF10 && edit) {
            const QPoint at = edit->cursorRect().bottomLeft();
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, edit->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(edit->viewport(), &menu);
        } else {
            ShowWindowMenu(m_self, mapToGlobal(QPoint(0, 0)));
        }
        return true;
    }
    return false;
}

// Right clicks and the Menu key that no control takes (the listing keeps its
// own menu) open the window menu.
void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (!(m_self.style & WS_SYSMENU)) return QWidget::contextMenuEvent(event);
    ShowWindowMenu(m_self, event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(QPoint(0, 0)));
}

void DialogWindow::dragEnterEvent(QDragEnterEvent* event) { HandleDrag(event); }
void DialogWindow::dragMoveEvent(QDragMoveEvent* event) { HandleDrag(event); }
void DialogWindow::dropEvent(QDropEvent* event) { HandleDrag(event); }

// Files dropped anywhere on a window that accepts them become WM_DROPFILES;
// anything else (text, or files on a window that does not) is refused.
bool DialogWindow::HandleDrag(QEvent* event) {
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::string> paths;
    if (acceptDrops()) paths = DroppedPaths(*drop->mimeData());
    if (paths.empty()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop) {
        // Posted, not sent: the dragging program learns at once that the drop
        // is done, instead of waiting while every file is read. The handler
        // (or default handling) releases the drop.
        QMetaObject::invokeMethod(
            this, [this, paths = std::move(paths)]() mutable {
                Send(WM_DROPFILES, reinterpret_cast<WPARAM>(NewDrop(std::move(paths))), 0);
            },
            Qt::QueuedConnection);
    }
    return true;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return watched != this && HandleKey(static_cast<QKeyEvent*>(event));
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return watched != this && HandleDrag(event);
    default:
        return QWidget::eventFilter(watched, event);
    }
}

}  // namespace platform::qt

// ---- CDialog's windows ---------------------------------------------------
using platform::qt::DialogWindow;

CDialog::~CDialog() {
    if (m_hWnd) delete m_hWnd->dialog;
}

BOOL CDialog::CreateAndInit() {
    const platform::DialogTemplate* tmpl = platform::FindDialogTemplate(m_nIDTemplate);
    if (tmpl == nullptr || m_hWnd != nullptr) return FALSE;
    // Without a parent the main window owns the dialog, unless it is the main window.
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    if (owner == this || (owner && owner->m_hWnd == nullptr)) owner = nullptr;
    auto* window = new DialogWindow(this, *tmpl, owner ? owner->m_hWnd->widget.data() : nullptr);
    m_hWnd = window->Handle();
    m_nModalResult = -1;

    // WM_INITDIALOG reaches OnInitDialog through the dispatcher, which reports
    // its exceptions; TRUE asks for the focus on the first tab stop.
    const BOOL focusFirst = static_cast<BOOL>(SendMessage(WM_INITDIALOG, 0, 0));
    if (m_hWnd == nullptr) return FALSE;  // destroyed while initialising
    window->PrepareFirstShow(focusFirst);
    return TRUE;
}

int CDialog::DoModal() {
    if (!CreateAndInit()) return m_hWnd ? m_nModalResult : -1;
    DialogWindow* window = m_hWnd->dialog;
    if (!window->Ending()) {
        window->show();
        window->activateWindow();
        window->RunModalLoop();
    }
    const int result = m_nModalResult;
    DestroyWindow();
    return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    if (!CreateAndInit()) return FALSE;
    m_hWnd->dialog->show();
    m_hWnd->dialog->activateWindow();
    return TRUE;
}

BOOL CDialog::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
    delete m_hWnd->dialog;  // clears m_hWnd
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (m_hWnd) m_hWnd->dialog->End();
}
