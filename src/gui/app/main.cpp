// osk-graphs: the graph viewer's executable.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("OSK Graphs"));
    window.show();
    return app.exec();
}
