#pragma once

#include "ui/screen/windowsizer.h"

#include <QStringList>

#include <optional>

namespace app {

// What the command line asks of a run; nothing of it is kept after the run.
struct Options {
    bool muted = false;
    ui::ViewSettings view;  // --fullscreen, --zoom PERCENT
};

// The options, or the exit status when the command line was answered (--help, --version) or
// is wrong (one line on stderr, status 2).
struct ParsedOptions {
    Options options;
    std::optional<int> exitStatus;
};
ParsedOptions parseOptions(const QStringList& arguments);

}  // namespace app
