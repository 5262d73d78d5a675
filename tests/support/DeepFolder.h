#pragma once
// A chain of folders below a base folder, made a level at a time or at once down to a full path
// of a given length (260 bytes and more, beyond the ANSI functions' reach), with files at any
// level. Made and removed through the wide functions; removed with everything put in it.
#include <string>
#include <vector>

class DeepFolder {
public:
    // Nothing made yet: the innermost folder is base itself.
    explicit DeepFolder(const std::string& base);
    // Folders "deep<n>xxx..." made down to a full path of at least minLength bytes.
    DeepFolder(const std::string& base, size_t minLength);
    ~DeepFolder();
    DeepFolder(const DeepFolder&) = delete;
    DeepFolder& operator=(const DeepFolder&) = delete;

    // Makes a folder in the innermost folder, which it becomes. False when it cannot be made;
    // Path() then names the missing folder, so that what follows fails too.
    bool Descend(const std::string& name);
    // The ANSI full path of the innermost folder, without a trailing backslash.
    const std::string& Path() const { return path_; }
    // Writes a file in the innermost folder; returns its ANSI full path ("" on failure).
    std::string WriteFile(const std::string& name, const std::string& content);
    // Copies a file into the innermost folder; returns its ANSI full path ("" on failure).
    std::string CopyIn(const std::string& source, const std::string& name);

private:
    std::string path_;
    std::vector<std::string> folders_;  // outermost first
    std::vector<std::string> files_;
};
