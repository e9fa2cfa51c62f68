// The program's one application object; the layer's entry point runs it.
#include "shell/Md5App.h"

CMd5App theApp;
