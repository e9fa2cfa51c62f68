// A drag source for the end-to-end tests: a small window that, when pressed,
// starts a real drag offering its arguments as text/uri-list, like a file
// manager does (copy proposed, move and link allowed). xdotool presses on it, moves to the target and releases.
// It prints the drag's outcome ("copy", "move", "link" or "ignored") on each
// drag and stays up for the next one until closed or killed.
//   drag_source [--title T] path...
#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <cstdio>

namespace {

class DragSource : public QLabel {
public:
    explicit DragSource(QList<QUrl> urls) : m_urls(std::move(urls)) {
        setText(QStringLiteral("drag %1 item(s)").arg(m_urls.size()));
        setAlignment(Qt::AlignCenter);
        setFixedSize(200, 100);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        auto* mime = new QMimeData;
        mime->setUrls(m_urls);
        auto* drag = new QDrag(this);
        drag->setMimeData(mime);
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
        const char* outcome = action == Qt::CopyAction   ? "copy"
                              : action == Qt::MoveAction ? "move"
                              : action == Qt::LinkAction ? "link"
                                                         : "ignored";
        std::printf("%s\n", outcome);
        std::fflush(stdout);
    }

private:
    QList<QUrl> m_urls;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    QString title = QStringLiteral("zembrik drag source");
    if (args.size() >= 2 && args[0] == QLatin1String("--title")) {
        title = args[1];
        args = args.mid(2);
    }
    QList<QUrl> urls;
    // Absolute paths as given; a path that does not exist is offered all the same.
    for (const QString& path : args) urls << QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    DragSource source(urls);
    source.setWindowTitle(title);
    source.move(0, 0);
    source.show();
    return app.exec();
}
