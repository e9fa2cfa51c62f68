// The start-up yardstick: the least a Qt 6 Widgets program does to show one
// empty dialog. startup_timer measures the program against it.
#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("minimal dialog"));
    return dialog.exec();
}
