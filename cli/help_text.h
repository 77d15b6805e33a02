#pragma once
// The texts of --help and --version.

#include <string>

#include "cli/command_line.h"

std::string HelpText(HelpTopic topic);
std::string VersionText();
