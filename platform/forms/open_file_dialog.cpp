#include "platform/forms/open_file_dialog.h"
#include "platform/forms/colors.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/common_dialog_flags.h"
#include "platform/forms/fonts.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/list_entries.h"
#include "platform/forms/message_box.h"
#include "platform/forms/message_box_button.h"
#include "platform/forms/text_box.h"
#include "platform/system/file_system.h"
#include "platform/system/utf8.h"
#include "platform/window/api.h"
#include "platform/window/twips.h"
#include "platform/window/virtual_keys.h"
#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace plat::forms {

using namespace plat::win;

namespace {

OpenFileDialog* s_current = nullptr;

constexpr int kWidth = 440;
constexpr int kHeight = 300;

template<class T>
T& placeAt(Form& form, const std::string& name, int x, int y, int w, int h)
{
    T& c = form.add<T>(name);
    c.move(twipsFromPixels(x), twipsFromPixels(y), twipsFromPixels(w), twipsFromPixels(h));
    return c;
}

fs::path normalFolder(const fs::path& p)
{
    std::error_code ec;
    fs::path abs = fs::absolute(p, ec);
    if (ec)
        abs = p;
    fs::path n = abs.lexically_normal();
    std::string s = n.string();
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

// A path as it fits in `room` pixels: whole, or its end after "...".
std::string fittedPath(const gfx::Font& font, const std::string& path, int room)
{
    std::u32string text = sys::decodeUtf8(path);
    if (font.width(text) <= room)
        return path;
    const std::u32string dots = U"...";
    while (!text.empty() && font.width(dots + text) > room)
        text.erase(0, 1);
    return sys::encodeUtf8(dots + text);
}

bool isFolder(const fs::path& p)
{
    std::error_code ec;
    return fs::is_directory(p, ec);
}

bool isFile(const fs::path& p)
{
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

} // namespace

OpenFileDialog::OpenFileDialog(OpenFileRequest request)
    : DialogForm("OpenFileDialog", request.title.empty() ? "打开" : request.title)
    , m_request(std::move(request))
    , m_filters(parseFileFilter(m_request.filter))
{
    centre(kWidth, kHeight);
    std::error_code ec;
    fs::path start;
    fs::path named = m_request.fileName;
    if (!m_request.initDir.empty() && isFolder(m_request.initDir))
        start = m_request.initDir;
    else if (named.has_parent_path() && isFolder(named.parent_path()))
        start = named.parent_path();
    else
        start = fs::current_path(ec);
    m_folder = normalFolder(start);
}

OpenFileDialog::~OpenFileDialog()
{
    if (s_current == this)
        s_current = m_outer;
}

OpenFileDialog* OpenFileDialog::current() { return s_current; }

bool OpenFileDialog::multiSelect() const { return m_request.flags & cdlOFNAllowMultiselect; }

OpenFileResult OpenFileDialog::run()
{
    m_result = {};
    m_result.filterIndex = m_request.filterIndex;
    m_outer = s_current;
    s_current = this;
    struct Restore {
        OpenFileDialog* self;
        ~Restore() { s_current = self->m_outer; }
    } restore{this};
    show(ShowMode::Modal);
    if (isLoaded())
        unload();
    return m_result;
}

void OpenFileDialog::onLoad()
{
    placeAt<Label>(*this, "lookInLabel", 10, 36, 80, 16).setCaption("查找范围(&I):");
    m_folderLabel = &placeAt<Label>(*this, "folder", 92, 33, 266, 19);
    m_folderLabel->setBorderStyle(1);
    m_folderLabel->setBackColor(kColorWindowBackground);
    m_up = &placeAt<MessageBoxButton>(*this, "up", 366, 31, 64, 23);
    m_up->setCaption("向上");
    m_up->onClick = [this] { openFolder(m_folder.parent_path()); };

    m_list = &placeAt<ListBox>(*this, "files", 10, 60, 420, 160);
    m_list->setMultiSelect(multiSelect() ? 2 : 0);
    m_list->onClick = [this] { listClicked(); };
    m_list->onDblClick = [this] { openEntry(m_list->listIndex()); };

    placeAt<Label>(*this, "nameLabel", 10, 234, 80, 16).setCaption("文件名(&N):");
    m_name = &placeAt<TextBox>(*this, "name", 92, 230, 250, 21);
    m_name->setText(sys::shownFileName(fs::path(m_request.fileName).filename().string()));
    m_open = &placeAt<MessageBoxButton>(*this, "open", 350, 229, 80, 23);
    m_open->setCaption("打开(&O)");
    m_open->setDefault(true);
    m_open->onClick = [this] { accept(); };

    placeAt<Label>(*this, "typeLabel", 10, 264, 80, 16).setCaption("文件类型(&T):");
    m_type = &placeAt<ComboBox>(*this, "type", 92, 260, 250, 20);
    m_type->setStyle(2);
    for (const FileFilterEntry& f : m_filters)
        m_type->addItem(f.description);
    if (m_filters.empty())
        m_type->setEnabled(false);
    else
        m_type->setListIndex(std::clamp(m_request.filterIndex, 1, int(m_filters.size())) - 1);
    m_type->onClick = [this] {
        m_typedPatterns.clear();
        fillList();
    };
    m_cancel = &placeAt<MessageBoxButton>(*this, "cancel", 350, 259, 80, 23);
    m_cancel->setCaption("取消");
    m_cancel->onClick = [this] { cancel(); };

    int tab = 0;
    for (Control* c : std::initializer_list<Control*>{m_name, m_open, m_type, m_cancel, m_list, m_up})
        c->setTabIndex(tab++);
    drawFrame();
    fillList();
}

void OpenFileDialog::onActivate()
{
    m_name->setFocus();
    m_name->setSelStart(0);
    m_name->setSelLength(int(m_name->editField().length()));
}

std::string OpenFileDialog::shownFolder() const { return sys::shownFileName(m_folder.string()); }

fs::path OpenFileDialog::diskPath(const std::string& shownName) const
{
    const fs::path shown = shownName;
    fs::path disk = shown.is_absolute() ? shown.root_path() : m_folder;
    for (const fs::path& part : shown.relative_path())
        disk = (part == "." || part == "..") ? disk / part : sys::entryPath(disk, part.string());
    return disk;
}

std::vector<std::string> OpenFileDialog::currentPatterns() const
{
    if (!m_typedPatterns.empty())
        return m_typedPatterns;
    int i = m_type ? m_type->listIndex() : -1;
    if (i < 0 || i >= int(m_filters.size()))
        return {};
    return m_filters[size_t(i)].patterns;
}

void OpenFileDialog::fillList()
{
    m_folderLabel->setCaption(fittedPath(openFont(font()), shownFolder(), 266 - 6));
    m_folderLabel->setToolTipText(shownFolder());
    std::vector<std::string> folders, files;
    std::vector<std::string> patterns = currentPatterns();
    std::error_code ec;
    for (fs::directory_iterator it(m_folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = sys::shownFileName(it->path().filename().string());
        if (name.empty() || name[0] == '.')
            continue;
        std::error_code kindError;
        if (it->is_directory(kindError))
            folders.push_back(name);
        else if (matchesAnyPattern(name, patterns))
            files.push_back(name);
    }
    auto order = [](const std::string& a, const std::string& b) { return ListEntries::sortsBefore(a, b); };
    std::sort(folders.begin(), folders.end(), order);
    std::sort(files.begin(), files.end(), order);
    m_list->clear();
    if (m_folder.has_parent_path() && m_folder != m_folder.root_path()) {
        m_list->addItem("[..]");
        m_list->setItemData(m_list->newIndex(), kParent);
    }
    for (const std::string& f : folders) {
        m_list->addItem("[" + f + "]");
        m_list->setItemData(m_list->newIndex(), kFolder);
    }
    for (const std::string& f : files) {
        m_list->addItem(f);
        m_list->setItemData(m_list->newIndex(), kFile);
    }
}

int OpenFileDialog::entryOf(std::string_view name) const
{
    for (int i = 0; i < m_list->listCount(); ++i) {
        const std::string text = m_list->list(i);
        if (m_list->itemData(i) == kFile ? text == name : text == "[" + std::string(name) + "]")
            return i;
    }
    return -1;
}

void OpenFileDialog::openFolder(const fs::path& folder)
{
    if (folder.empty() || !isFolder(folder))
        return;
    m_folder = normalFolder(folder);
    fillList();
}

void OpenFileDialog::listClicked()
{
    std::vector<std::string> names;
    for (int i = 0; i < m_list->listCount(); ++i)
        if (m_list->selected(i) && m_list->itemData(i) == kFile)
            names.push_back(m_list->list(i));
    if (names.empty())
        return;
    if (names.size() == 1) {
        m_name->setText(names[0]);
        return;
    }
    std::string text;
    for (const std::string& n : names)
        text += (text.empty() ? "\"" : " \"") + n + "\"";
    m_name->setText(text);
}

void OpenFileDialog::openEntry(int index)
{
    if (index < 0 || index >= m_list->listCount())
        return;
    switch (m_list->itemData(index)) {
    case kParent:
        openFolder(m_folder.parent_path());
        break;
    case kFolder: {
        std::string text = m_list->list(index);
        openFolder(diskPath(text.substr(1, text.size() - 2)));
        break;
    }
    default:
        m_name->setText(m_list->list(index));
        accept();
        break;
    }
}

std::vector<std::string> OpenFileDialog::splitNames(std::string_view text)
{
    std::vector<std::string> names;
    size_t a = text.find_first_not_of(' ');
    if (a == std::string_view::npos)
        return names;
    text = text.substr(a);
    text = text.substr(0, text.find_last_not_of(' ') + 1);
    if (text.front() != '"') {
        names.emplace_back(text);
        return names;
    }
    size_t i = 0;
    while (i < text.size()) {
        size_t open = text.find('"', i);
        if (open == std::string_view::npos)
            break;
        size_t close = text.find('"', open + 1);
        std::string_view name = text.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
        if (!name.empty())
            names.emplace_back(name);
        if (close == std::string_view::npos)
            break;
        i = close + 1;
    }
    return names;
}

void OpenFileDialog::accept()
{
    std::vector<std::string> names = splitNames(m_name->text());
    if (names.empty()) {
        // Nothing typed: a folder chosen in the list opens.
        int i = m_list->listIndex();
        if (i >= 0 && m_list->itemData(i) != kFile)
            openEntry(i);
        return;
    }
    if (names.size() > 1 && !multiSelect())
        names = {m_name->text()};
    if (names.size() == 1) {
        const std::string& n = names[0];
        fs::path p = diskPath(n);
        if (isFolder(p)) {
            openFolder(p);
            m_name->setText("");
            return;
        }
        if (n.find_first_of("*?") != std::string::npos) {
            m_typedPatterns = {fs::path(n).filename().string()};
            if (fs::path(n).has_parent_path())
                openFolder(p.parent_path());
            fillList();
            return;
        }
        p = p.lexically_normal();
        if ((m_request.flags & (cdlOFNPathMustExist | cdlOFNFileMustExist)) && !isFolder(p.parent_path())) {
            msgBox(sys::shownFileName(p.string()) + "\r\n路径不存在。\r\n请检查路径是否正确，然后重试。", vbExclamation, title());
            return;
        }
        if ((m_request.flags & cdlOFNFileMustExist) && !isFile(p)) {
            msgBox(sys::shownFileName(p.filename().string()) + "\r\n找不到文件。\r\n请检查文件名是否正确，然后重试。", vbExclamation, title());
            return;
        }
        if (refusesType(p))
            return;
        finish(p.string(), p.filename().string(), p.parent_path());
        return;
    }
    for (const std::string& n : names) {
        if ((m_request.flags & cdlOFNFileMustExist) && !isFile(diskPath(n))) {
            msgBox(n + "\r\n找不到文件。\r\n请检查文件名是否正确，然后重试。", vbExclamation, title());
            return;
        }
        if (refusesType(n))
            return;
    }
    const char separator = (m_request.flags & cdlOFNExplorer) ? '\0' : ' ';
    std::string text = m_folder.string();
    for (const std::string& n : names) {
        text += separator;
        // A name with a folder part stays as typed; the program that asked tells it apart.
        text += n.find('/') == std::string::npos ? sys::entryPath(m_folder, n).filename().string() : n;
    }
    finish(text, std::string(), m_folder);
}

bool OpenFileDialog::refusesType(const fs::path& name)
{
    const std::string file = sys::shownFileName(name.filename().string());
    if (matchesAnyPattern(file, currentPatterns()))
        return false;
    std::string kind;
    if (m_typedPatterns.empty() && m_type && m_type->listIndex() >= 0 && m_type->listIndex() < int(m_filters.size()))
        kind = m_filters[size_t(m_type->listIndex())].description;
    else
        kind = currentPatterns().empty() ? std::string() : currentPatterns().front();
    msgBox(file + "\r\n不是“" + kind + "”类型的文件。\r\n请选择列表中的文件，然后重试。", vbExclamation, title());
    return true;
}

bool OpenFileDialog::finish(std::string fileName, std::string fileTitle, const fs::path& folder)
{
    m_result.chosen = true;
    m_result.fileName = std::move(fileName);
    m_result.fileTitle = std::move(fileTitle);
    m_result.filterIndex = m_type && m_type->listIndex() >= 0 ? m_type->listIndex() + 1 : m_request.filterIndex;
    if (!(m_request.flags & cdlOFNNoChangeDir)) {
        std::error_code ec;
        fs::current_path(folder, ec);
    }
    hide(); // ends the modal loop; run() unloads
    return true;
}

void OpenFileDialog::cancel()
{
    m_result.chosen = false;
    hide();
}

void OpenFileDialog::onKeyDown(int& keyCode, int shift)
{
    (void)shift;
    if (m_type->droppedDown())
        return; // the dropped list takes Enter and Esc
    if (keyCode == VK_RETURN) {
        keyCode = 0;
        int i = m_list->listIndex();
        if (GetFocus() == m_list->hwnd() && i >= 0 && m_list->itemData(i) != kFile && m_list->selCount() <= 1)
            openEntry(i);
        else if (GetFocus() == m_cancel->hwnd())
            cancel();
        else if (GetFocus() == m_up->hwnd())
            openFolder(m_folder.parent_path());
        else
            accept();
    } else if (keyCode == VK_ESCAPE) {
        keyCode = 0;
        cancel();
    }
}

void OpenFileDialog::onKeyPress(int& keyAscii)
{
    if ((keyAscii == 13 || keyAscii == 27) && !m_type->droppedDown())
        keyAscii = 0;
}

} // namespace plat::forms
