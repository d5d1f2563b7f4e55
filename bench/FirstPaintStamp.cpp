// Linked into a Qt program under test: when QUORVI_BENCH_PAINT_STAMP names a file, the
// program writes into it, once its first paint has been done, the CLOCK_MONOTONIC time
// in nanoseconds, the painted window's width, height and class, and then ends at once.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

class PaintStamp : public QObject {
public:
    explicit PaintStamp(const char* path) : m_path(path) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType()) {
            m_painted = true;
            QWidget* window = static_cast<QWidget*>(watched)->window();
            // Queued: runs once the whole window has been painted and flushed.
            QMetaObject::invokeMethod(
                this, [this, window] { stamp(window); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void stamp(const QWidget* window) const
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (FILE* out = std::fopen(m_path, "w")) {
            std::fprintf(out, "%lld %d %d %s\n",
                         static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec,
                         window->width(), window->height(), window->metaObject()->className());
            std::fclose(out);
        }
        std::_Exit(0);
    }

    const char* m_path;
    bool m_painted = false;
};

void installPaintStamp()
{
    if (const char* path = std::getenv("QUORVI_BENCH_PAINT_STAMP")) {
        QCoreApplication::instance()->installEventFilter(new PaintStamp(path));
    }
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installPaintStamp)
