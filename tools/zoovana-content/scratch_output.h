#pragma once
#include <filesystem>
#include <functional>
#include <string>

#include "content.h"
#include "data/io_result.h"

// Files written by the game's own code (maps, saved games) go to a scratch folder
// first and then through the Output, so that unchanged files stay untouched like all
// other content. `write` gets the scratch folder; every file it leaves there is
// passed on under `folder` ("Maps").
void WriteThroughScratch(Output& out, const std::string& folder,
                         const std::function<IoResult(const std::filesystem::path& scratch)>& write);
