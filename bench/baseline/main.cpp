// SPDX-License-Identifier: MIT
// A main window with a menu bar and nothing else, the same size as the timer's window.
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("LecternWorks Baseline Window"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Quit"), &window, &QWidget::close);
    window.menuBar()->addMenu(QStringLiteral("&Options"))->addAction(QStringLiteral("&Option"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.setCentralWidget(new QWidget(&window));
    window.resize(661, 481);
    window.show();
    return QApplication::exec();
}
