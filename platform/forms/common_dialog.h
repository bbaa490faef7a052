#pragma once
#include "platform/forms/common_dialog_flags.h"
#include "platform/forms/control.h"
#include <stdexcept>
#include <string>

namespace plat::forms {

// What a cancelled dialog raises when CancelError is True (error cdlCancel, 32755).
class CommonDialogCancelled : public std::runtime_error {
public:
    CommonDialogCancelled() : std::runtime_error("Cancel was selected.") {}
    int number() const { return cdlCancel; }
};

// The common dialog placed on a form (it has no window of its own): ShowOpen shows our open
// dialog, ShowColor our colour dialog, each modal, set up by the properties below and leaving
// its result in them. A cancelled dialog leaves the properties as they were and returns false;
// with CancelError True it throws CommonDialogCancelled instead.
class CommonDialog : public Control {
public:
    std::string className() const override { return "CommonDialog"; }

    // The chosen file: its full path, or for several the folder and the names separated by
    // NUL characters (explorer style) or blanks; names as they are on disk.
    const std::string& fileName() const { return m_fileName; }
    void setFileName(std::string name) { m_fileName = std::move(name); }
    const std::string& fileTitle() const { return m_fileTitle; }
    const std::string& filter() const { return m_filter; }
    void setFilter(std::string filter) { m_filter = std::move(filter); }
    int filterIndex() const { return m_filterIndex; }
    void setFilterIndex(int index) { m_filterIndex = index; }
    int flags() const { return m_flags; }
    void setFlags(int flags) { m_flags = flags; }
    const std::string& initDir() const { return m_initDir; }
    void setInitDir(std::string folder) { m_initDir = std::move(folder); }
    const std::string& dialogTitle() const { return m_dialogTitle; }
    void setDialogTitle(std::string title) { m_dialogTitle = std::move(title); }
    bool cancelError() const { return m_cancelError; }
    void setCancelError(bool on) { m_cancelError = on; }
    // The colour chosen (0x00BBGGRR); with cdlCCRGBInit the colour dialog starts from it.
    uint32_t color() const { return m_color; }
    void setColor(uint32_t color) { m_color = color & 0x00FFFFFFu; }

    bool showOpen();
    bool showColor();

    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) const override;

protected:
    bool hasWindow() const override { return false; }

private:
    static const auto& storedProperties();
    bool cancelled();

    std::string m_fileName;
    std::string m_fileTitle;
    std::string m_filter;
    int m_filterIndex = 0;
    int m_flags = 0;
    std::string m_initDir;
    std::string m_dialogTitle;
    bool m_cancelError = false;
    uint32_t m_color = 0;
};

} // namespace plat::forms
