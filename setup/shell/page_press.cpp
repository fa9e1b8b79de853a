#include "setup/shell/page_press.h"

#include "setup/shell/page_manager.h"
#include "setup/shell/skin_paint.h"

namespace skin {

void HandlePress(PageKind page, CPoint point, int& minimiseHover) {
    switch (ActionForPress(page, point.x, point.y)) {
    case PressAction::Minimise:
        MinimiseMainWindow();
        minimiseHover = 0;
        break;
    case PressAction::Close: ConfirmExit(); break;
    case PressAction::Drag:
        if (page == PageKind::Intro) {
            // The frame answers a press with the same caption drag, which runs
            // until the button is released. A second drag after that would wait
            // for the next press and carry the window off with it, so only start
            // one while the button is still down.
            if (CWnd* main = MainWindow()) main->SendMessage(WM_LBUTTONDOWN, 0, 0);
            if (::GetKeyState(VK_LBUTTON) >= 0) break;
        }
        DragMainWindow();
        break;
    case PressAction::None: break;
    }
}

}  // namespace skin
