#include "platform/forms/common_dialog.h"
#include "platform/forms/color_dialog.h"
#include "platform/forms/open_file_dialog.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/property_table.h"

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

const auto& CommonDialog::storedProperties()
{
    using P = PropertiesOf<CommonDialog>;
    using D = CommonDialog;
    static const auto table = propertyTable(P::property("FileName", &D::fileName, &D::setFileName, std::string()),
        P::property("Filter", &D::filter, &D::setFilter, std::string()),
        P::property("FilterIndex", &D::filterIndex, &D::setFilterIndex, 0), P::property("Flags", &D::flags, &D::setFlags, 0),
        P::property("InitDir", &D::initDir, &D::setInitDir, std::string()),
        P::property("DialogTitle", &D::dialogTitle, &D::setDialogTitle, std::string()),
        P::property("CancelError", &D::cancelError, &D::setCancelError, false), P::property("Color", &D::color, &D::setColor, 0u));
    return table;
}

void CommonDialog::readProperties(PropertyBag& bag) { storedProperties().read(*this, bag); }

void CommonDialog::writeProperties(PropertyBag& bag) const { storedProperties().write(*this, bag); }

} // namespace plat::forms
