// The yardsticks of bench_startup: the least a Qt Widgets program shows. With --empty an empty
// window; without it a window with a caption, a number and a button. Linked against Qt Widgets
// alone, so that it loads no more than any such program must. Usage: plain_window [--empty]
// WIDTH HEIGHT
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool empty = argc > 1 && std::strcmp(argv[1], "--empty") == 0;
    const int first = empty ? 2 : 1;
    const int width = argc > first + 1 ? std::atoi(argv[first]) : 560;
    const int height = argc > first + 1 ? std::atoi(argv[first + 1]) : 437;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Fenster"));
    window.resize(width, height);
    if (!empty) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("Punkte"), &window), 0, Qt::AlignCenter);
        auto* number = new QLabel(QStringLiteral("0"), &window);
        QFont large = number->font();
        large.setPointSize(large.pointSize() * 3);
        large.setBold(true);
        number->setFont(large);
        layout->addWidget(number, 1, Qt::AlignCenter);
        layout->addWidget(new QPushButton(QStringLiteral("Ende"), &window), 0, Qt::AlignCenter);
    }
    window.show();
    return QApplication::exec();
}
