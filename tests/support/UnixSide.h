#pragma once
// What a test under Wine can ask of the Unix side: the Unix path of a file, and commands run
// there (Wine starts Unix programs like any other). Folder links and large trees are made
// this way, which Wine cannot make itself.
#include <string>

// The Unix path of a Windows path; empty when not running under Wine.
std::string UnixPath(const std::string& windowsPath);

// Runs /bin/sh -c script and waits for it; true when it succeeded.
bool RunUnixShell(const std::string& script);

// A symbolic link at link (a Windows path) to target (as the link holds it, e.g. "." or
// "../S"): through the Unix side under Wine, else CreateSymbolicLinkW. False when none could
// be made.
bool MakeFolderLink(const std::string& link, const std::string& target);
