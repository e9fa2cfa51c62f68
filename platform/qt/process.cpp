// The process under the layer: the Qt application, the instance counter, then
// the application object.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/app.h"
#include "platform/instance_counter.h"

namespace {

// The layer's own words (message box buttons, the Open dialog, menus) are
// Chinese, and so are the dates and sizes the Open dialog shows.
void LoadChineseTranslations(QApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* catalogue : {"qtbase_zh_CN"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(catalogue), folder))
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
}

}  // namespace

int CWinApp::Run() {
    QApplication::exec();
    return ExitInstance();
}

namespace platform {

int RunProcess(int argc, char** argv) {
    // The program reads no command line, and Qt does not either: its own
    // options (-platform, -style, -reverse, ...) would change the program.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    LoadChineseTranslations(app);
    // g_nInstanceCount becomes the word shared with this executable's other
    // processes before the program's start-up reads it.
    platform::BindInstanceCounter();
    CWinApp* theApp = AfxGetApp();
    if (theApp == nullptr) return 1;
    AfxGetAppName();  // chosen now, as the framework's start-up does
    if (theApp->InitInstance()) return theApp->Run();
    return theApp->ExitInstance();
}

}  // namespace platform
