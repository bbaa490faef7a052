#pragma once

namespace plat::forms {

// Flags of the common dialog, with their values as stored forms and callers give them.
enum CommonDialogFlags : int {
    // Open dialog.
    cdlOFNReadOnly = 0x1,
    cdlOFNOverwritePrompt = 0x2,
    cdlOFNHideReadOnly = 0x4,
    cdlOFNNoChangeDir = 0x8,
    cdlOFNAllowMultiselect = 0x200,
    cdlOFNPathMustExist = 0x800,
    cdlOFNFileMustExist = 0x1000,
    cdlOFNExplorer = 0x80000,
    // Colour dialog.
    cdlCCRGBInit = 0x1,
    cdlCCFullOpen = 0x2,
    cdlCCPreventFullOpen = 0x4,
};

// The error number a cancelled dialog raises when CancelError is True.
constexpr int cdlCancel = 32755;

} // namespace plat::forms
