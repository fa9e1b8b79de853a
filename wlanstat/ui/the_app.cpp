// The program's one application object; the framework's wWinMain runs it.
#include "wlanstat/ui/link_view_app.h"

CLinkViewApp theApp;
