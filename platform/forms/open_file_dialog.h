#pragma once
#include "platform/forms/dialog_form.h"
#include "platform/forms/file_filter.h"
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace plat::forms {

class ComboBox;
class Label;
class ListBox;
class MessageBoxButton;
class TextBox;

// What the open dialog is asked (the common dialog's properties) and what it gives back.
struct OpenFileRequest {
    std::string title;     // empty: "打开"
    std::string filter;    // "音乐(*.mp3)|*.mp3|..."
    int filterIndex = 1;   // from 1
    int flags = 0;         // the cdlOFN flags of common_dialog.h
    std::string initDir;   // empty: the folder of fileName, else the current folder
    std::string fileName;  // its name goes into the name box
};

struct OpenFileResult {
    bool chosen = false;
    // One file: its full path. Several (multiple selection): the folder, then each name, all
    // separated by NUL characters in the explorer style and by blanks otherwise. Names are as
    // they are on disk (sys::shownFileName gives the text of one that is not UTF-8).
    std::string fileName;
    std::string fileTitle; // the name of a single file chosen
    int filterIndex = 1;
};

// Our own modal open-file dialog: the folder's sub-folders (as "[name]", "[..]" for the one
// above) and its files that match the chosen filter, a name box, the filter choice, and
// "打开" / "取消". Double click or Enter on a folder opens it; on a file, chooses it. With
// multiple selection (cdlOFNAllowMultiselect) Shift and Ctrl pick several files, which the
// name box shows quoted ("a.mp3" "b.mp3"). Names that are not UTF-8 (copied from a system of the
// GBK code page) are shown, typed and matched in the code page, and chosen by their bytes.
// Unless cdlOFNNoChangeDir is set, choosing makes the
// chosen files' folder the process's current folder, as callers that split the result rely on.
class OpenFileDialog : public DialogForm {
public:
    explicit OpenFileDialog(OpenFileRequest request);
    ~OpenFileDialog() override;

    // Shows it modally; the result says whether a file was chosen.
    OpenFileResult run();
    // The dialog being shown (the innermost one), for drivers and tests.
    static OpenFileDialog* current();

    const std::filesystem::path& folder() const { return m_folder; }
    void openFolder(const std::filesystem::path& folder);
    // What "打开" does: takes the name box (or opens the folder chosen in the list).
    void accept();
    void cancel();

    ListBox& fileList() const { return *m_list; }
    TextBox& nameBox() const { return *m_name; }
    ComboBox& typeBox() const { return *m_type; }
    Label& folderLabel() const { return *m_folderLabel; }
    MessageBoxButton& openButton() const { return *m_open; }
    MessageBoxButton& cancelButton() const { return *m_cancel; }
    MessageBoxButton& upButton() const { return *m_up; }
    // The list entry of a file or folder name, -1 when it is not listed.
    int entryOf(std::string_view name) const;

    // The names the name box holds: one, or several in double quotes.
    static std::vector<std::string> splitNames(std::string_view text);

protected:
    void onLoad() override;
    void onActivate() override;
    void onKeyDown(int& keyCode, int shift) override;
    void onKeyPress(int& keyAscii) override;

private:
    enum EntryKind : int32_t { kFile = 0, kFolder = 1, kParent = 2 };
    bool multiSelect() const;
    std::vector<std::string> currentPatterns() const;
    // A typed name is chosen only where the list would show it: it must match the file type
    // chosen (or the pattern typed); otherwise the operator is told and the dialog stays.
    bool refusesType(const std::filesystem::path& name);
    void fillList();
    void listClicked();
    void openEntry(int index);
    bool finish(std::string fileName, std::string fileTitle, const std::filesystem::path& folder);
    // The folder as the operator sees it: parts that are not UTF-8 read in the code page.
    std::string shownFolder() const;
    // The path on disk of a name as it is shown (typed, or taken from the list), relative to the
    // folder or absolute: each part is the entry shown so, found by its bytes.
    std::filesystem::path diskPath(const std::string& shownName) const;

    OpenFileRequest m_request;
    std::vector<FileFilterEntry> m_filters;
    std::vector<std::string> m_typedPatterns; // a pattern typed into the name box
    std::filesystem::path m_folder;
    OpenFileResult m_result;
    OpenFileDialog* m_outer = nullptr;

    ListBox* m_list = nullptr;
    TextBox* m_name = nullptr;
    ComboBox* m_type = nullptr;
    Label* m_folderLabel = nullptr;
    MessageBoxButton* m_open = nullptr;
    MessageBoxButton* m_cancel = nullptr;
    MessageBoxButton* m_up = nullptr;
};

} // namespace plat::forms
