// setup's one application object; the framework's wWinMain runs it.
#include "setup/shell/installer_app.h"

CNorvikApp theApp;
