// A plain Qt drop target, to show that drags from drag_source arrive over XDND
// on the display the tests use: prints each dropped local path on a line, then
// "end". It stays up until killed.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include <cstdio>

namespace {

class DropTarget : public QWidget {
public:
    DropTarget() {
        setAcceptDrops(true);
        setFixedSize(300, 200);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->mimeData()->hasUrls()) event->acceptProposedAction();
    }
    void dropEvent(QDropEvent* event) override {
        for (const QUrl& url : event->mimeData()->urls())
            std::printf("%s\n", url.toLocalFile().toUtf8().constData());
        std::printf("end\n");
        std::fflush(stdout);
        event->acceptProposedAction();
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DropTarget target;
    target.setWindowTitle(QStringLiteral("zembrik drop target"));
    target.move(400, 300);
    target.show();
    return app.exec();
}
