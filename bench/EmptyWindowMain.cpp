// The start-up benchmark's reference: a Qt program that shows one empty window of the
// main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(QUORVI_BENCH_WINDOW_WIDTH, QUORVI_BENCH_WINDOW_HEIGHT);
    window.show();
    return application.exec();
}
