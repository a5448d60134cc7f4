#include <sys/stat.h>
#include <unistd.h>
#include <QGuiApplication>

#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "fonts.h"
#include "platform/data_root.h"
#include "run_cli.h"

namespace {

// Qt wants a private runtime folder and warns on stderr when the session has none (a cron job, a
// container); give it the one it would fall back to, so scripts see only the tool's own messages.
void EnsureRuntimeFolder() {
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) return;
    const std::string folder = "/tmp/runtime-tavrel-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0 && info.st_uid == ::getuid() &&
        (info.st_mode & 0777) == 0700) {
        qputenv("XDG_RUNTIME_DIR", folder.c_str());
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // The tool never opens a window; the offscreen platform still gives it fonts for measuring
    // and rendering charts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    EnsureRuntimeFolder();
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
