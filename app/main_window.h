#pragma once

#include <QMainWindow>

#include "platform/data_root.h"

namespace tavrel {

// TFrmMain: the one main window of the program.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(DataRoot root, QWidget* parent = nullptr);

    const DataRoot& Root() const { return root_; }

  private:
    DataRoot root_;
};

}  // namespace tavrel
