// The prompts the program shows: message boxes, yes/no questions, the Open and Save dialogs and
// the Print dialog. The GUI layer shows real ones; tests answer them from a script.
#pragma once

#include <optional>
#include <string>

namespace osk {

enum class MessageIcon { None, Critical, Information };

struct OpenFileRequest {
    std::string title;         // "" for the chooser's own title
    std::string initialFolder; // shown first
    // Filter list as pairs of description and pattern joined by "|":
    // "All Files (*.*)|*.*|CSV Files (*.csv)|*.csv".
    std::string filter;
    int selectedFilter = 1;     // 1-based index of the pair shown first
    std::string rememberedPath; // the file chosen last time, offered again
};

struct SaveFileRequest {
    std::string title;         // "" for the chooser's own title
    std::string initialFolder; // shown first
    std::string proposedName;  // the file name offered, without a folder
    std::string filter;        // as for the Open dialog: "PNG (*.png)|*.png|SVG (*.svg)|*.svg"
    int selectedFilter = 1;    // 1-based index of the pair shown first
};

struct SaveFileChoice {
    std::string path;
    int filter = 1; // 1-based index of the file type the user left chosen
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message with an OK button. An empty title means the application title.
    virtual void message(const std::string& text, MessageIcon icon, const std::string& title) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
    // The Open dialog: the chosen path, or nullopt when the user cancelled.
    virtual std::optional<std::string> chooseOpenFile(const OpenFileRequest& request) = 0;
    // The Save dialog: the path and file type chosen, or nullopt when the user cancelled. The
    // chooser has asked before replacing an existing file.
    virtual std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest& request) = 0;
    // The Print dialog: the number of copies, or nullopt when the user cancelled.
    virtual std::optional<int> choosePrint() = 0;
};

} // namespace osk
