#include "main_window.h"

#include "tavrel/version.h"

namespace tavrel {

MainWindow::MainWindow(DataRoot root, QWidget* parent)
    : QMainWindow(parent), root_(std::move(root)) {
    setObjectName(QStringLiteral("TFrmMain"));
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    resize(1200, 800);
}

}  // namespace tavrel
