#include <QApplication>
#include <QMessageBox>

#include "fonts.h"
#include "main_window.h"
#include "platform/data_root.h"
#include "tavrel/version.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavrel"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(tavrel::kApplicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(tavrel::kVersion));
    tavrel::InstallFontSubstitutions();

    tavrel::DataRoot root;
    if (!tavrel::SetUpDataRoot(root)) {
        QMessageBox::critical(
            nullptr, QString::fromUtf8("错误"),
            QString::fromUtf8("无法建立数据目录：") + QString::fromStdString(root.folder));
        return 1;
    }
    tavrel::MainWindow window(root);
    window.show();
    return QApplication::exec();
}
