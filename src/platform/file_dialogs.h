#pragma once
#include <optional>
#include <string>

#include "platform/rgb.h"

namespace quillane {

struct FileDialogRequest {
    std::string title;
    // "description|pattern|description|pattern..."; patterns joined by ';'.
    std::string filter;
    int filterIndex = 1;  // counts from 1
    // Unset fields keep the value of the dialog's previous use.
    std::optional<std::string> startFolder;
    std::optional<std::string> initialName;
    bool overwritePrompt = false;
};

struct FileChoice {
    std::string path;       // full path
    std::string fileTitle;  // the file name part of path
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // std::nullopt means Cancel.
    virtual std::optional<FileChoice> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<FileChoice> saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> chooseFolder(const std::string& title, const std::string& startFolder) = 0;
    virtual std::optional<Rgb> chooseColor(std::optional<Rgb> initial) = 0;
};

}  // namespace quillane
