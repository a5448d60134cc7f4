#include <QGuiApplication>

#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "fonts.h"
#include "platform/data_root.h"
#include "run_cli.h"

int main(int argc, char* argv[]) {
    // The tool never opens a window; the offscreen platform still gives it fonts for measuring
    // and rendering charts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    tavrel::InstallFontSubstitutions();

    tavrel::DataRoot root;
    if (!tavrel::SetUpDataRoot(root)) {
        std::cerr << "tavrel-cli: cannot create the data folder " << root.folder << '\n';
        return tavrel::cli::kExitFailed;
    }
    const std::vector<std::string> words(argv + 1, argv + argc);
    return tavrel::cli::RunCli(words, root, std::cout, std::cerr);
}
