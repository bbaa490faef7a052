#include "platform/forms/common_dialog.h"
#include "platform/forms/color_dialog.h"
#include "platform/forms/open_file_dialog.h"
#include "platform/forms/property_bag.h"

namespace plat::forms {

bool CommonDialog::cancelled()
{
    if (m_cancelError)
        throw CommonDialogCancelled();
    return false;
}

bool CommonDialog::showOpen()
{
    OpenFileDialog dialog({m_dialogTitle, m_filter, m_filterIndex, m_flags, m_initDir, m_fileName});
    OpenFileResult result = dialog.run();
    if (!result.chosen)
        return cancelled();
    m_fileName = result.fileName;
    m_fileTitle = result.fileTitle;
    m_filterIndex = result.filterIndex;
    return true;
}

bool CommonDialog::showColor()
{
    ColorDialog dialog(m_color, m_flags, m_dialogTitle);
    if (!dialog.run())
        return cancelled();
    m_color = dialog.color();
    return true;
}

void CommonDialog::readProperties(PropertyBag& bag)
{
    m_fileName = bag.readProperty("FileName", "");
    m_filter = bag.readProperty("Filter", "");
    m_filterIndex = bag.readProperty("FilterIndex", 0);
    m_flags = bag.readProperty("Flags", 0);
    m_initDir = bag.readProperty("InitDir", "");
    m_dialogTitle = bag.readProperty("DialogTitle", "");
    m_cancelError = bag.readProperty("CancelError", false);
    m_color = bag.readProperty("Color", uint32_t(0)) & 0x00FFFFFFu;
}

void CommonDialog::writeProperties(PropertyBag& bag) const
{
    bag.writeProperty("FileName", m_fileName, "");
    bag.writeProperty("Filter", m_filter, "");
    bag.writeProperty("FilterIndex", m_filterIndex, 0);
    bag.writeProperty("Flags", m_flags, 0);
    bag.writeProperty("InitDir", m_initDir, "");
    bag.writeProperty("DialogTitle", m_dialogTitle, "");
    bag.writeProperty("CancelError", m_cancelError, false);
    bag.writeProperty("Color", m_color, 0u);
}

} // namespace plat::forms
