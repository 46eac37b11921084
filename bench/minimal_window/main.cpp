// The yardstick for start-up time: the least a Qt Widgets program does to show one window with
// a Chinese label. scripts/measure.sh times it beside Curvana's welcome window.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("欢迎您使用这个最小的窗口"));
    label.setWindowTitle(QStringLiteral("欢迎"));
    label.resize(400, 350);
    label.show();
    return app.exec();
}
