// Runs of the built demo in a fresh folder: its project copied there and
// loaded as the player loads it, and the databases and common palette that
// the load replaces put back afterwards.
#pragma once

#include "demo/DemoFiles.h"
#include "play/StageRunner.h"
#include "project/CommonPalette.h"
#include "project/Database.h"

#include <filesystem>
#include <string>

// Keeps the databases and the common palette, and puts them back when it goes.
class cKeptProject {
public:
    cKeptProject() = default;
    ~cKeptProject() {
        Database = database_;
        CommonPalette = palette_;
    }
    cKeptProject(const cKeptProject&) = delete;
    cKeptProject& operator=(const cKeptProject&) = delete;

private:
    cDatabase database_ = Database;
    cCommonPalette palette_ = CommonPalette;
};

// Copies the demo's default\ folder to data\ under `folder` (as the player
// does at its first start) and loads the project from the current folder:
// false with the reason.
inline bool OpenDemoProject(const std::filesystem::path& folder, std::string& error) {
    namespace fs = std::filesystem;
    if (!fs::is_directory(DemoDir() / "default")) {
        error = "the build makes the demo in " + DemoDir().string();
        return false;
    }
    fs::copy(DemoDir() / "default", folder / "data", fs::copy_options::recursive);
    return cStageRunner::LoadProject(&error);
}
