#pragma once
#include "controls/core/property_table.h"
#include "controls/core/window_hook.h"
#include "controls/extra/hidden_face_control.h"
#include "controls/extra/tray_shell.h"
#include "platform/forms/picture_ref.h"
#include "platform/forms/property_bag.h"
#include <functional>
#include <string>
#include <vector>

namespace qel {

namespace mdlSysTrayCallBack {
plat::win::LRESULT TrayHostWindowProc(plat::win::HWND, plat::win::UINT, plat::win::WPARAM, plat::win::LPARAM);
}

// Puts icons into the notification area (one picture and one tip for all its icons, each under a
// small index the host picks) and reports the mouse actions on them. With PreventFromCrash the
// first such control of the program also watches its host window for "TaskbarCreated" and puts
// the icons back after the shell restarts. Fixed at 450 x 450 twips, hidden while running.
class qelSysTray : public HiddenFaceControl {
public:
    using TrayEvent = std::function<void(int& Button, int& ID)>;
    TrayEvent MouseUp;
    TrayEvent MouseDown;
    TrayEvent MouseDblClick;
    TrayEvent MouseMove;

    qelSysTray();
    ~qelSysTray() override;
    std::string className() const override { return "qelSysTray"; }

    plat::win::LRESULT WindowProc(plat::win::HWND hwnd, plat::win::UINT uMsg, plat::win::WPARAM wParam, plat::win::LPARAM lParam);
    // False for an index beyond the arrays.
    bool IsInTray(int32_t Index) const;
    // Taken at the next AddToTray or re-add.
    const std::string& BalloonTipString() const { return m_balloonTipString; }
    void setBalloonTipString(const std::string& v) { m_balloonTipString = v; }
    const plat::gfx::Picture& Icon() const { return m_icon; }
    void setIcon(const plat::gfx::Picture& icon);
    void setIcon(const plat::forms::PictureRef& icon);
    // The resources-folder picture as stored layouts name it (empty for a picture set directly).
    const plat::forms::PictureRef& IconSource() const { return m_iconSource; }
    bool PreventFromCrash() const { return m_preventFromCrash; }
    void setPreventFromCrash(bool v) { m_preventFromCrash = v; }
    void AddToTray(int32_t Index);
    void RemoveFromTray(int32_t Index);
    // Adds again every index flagged as in the tray.
    void RefreshAllIcons2();

    // The highest index of the arrays (0 at creation).
    int32_t UpperIndex() const { return int32_t(m_inTrayFlags.size()) - 1; }

    static const auto& StoredProperties();
    void initProperties() override;
    void readProperties(plat::forms::PropertyBag& bag) override;
    void writeProperties(plat::forms::PropertyBag& bag) const override;

protected:
    void onRemoved() override;
    void DrawFace(plat::gfx::DeviceContext& dc, int width, int height) override;

private:
    friend plat::win::LRESULT mdlSysTrayCallBack::TrayHostWindowProc(plat::win::HWND, plat::win::UINT, plat::win::WPARAM, plat::win::LPARAM);
    void ReAddTrayIcons();
    void StartSubclass();
    void HandleTrayMouse(plat::win::WPARAM wParam, plat::win::LPARAM lParam);
    void TearDown();

    std::string m_balloonTipString{};
    plat::gfx::Picture m_icon;
    plat::forms::PictureRef m_iconSource;
    bool m_preventFromCrash{};
    std::vector<NotifyIconRecord> m_iconRecords;
    std::vector<bool> m_inTrayFlags;
    plat::win::UINT m_taskbarCreatedMessage = 0;
    WindowHook m_hook;
    bool m_tornDown = false;
};

inline const auto& qelSysTray::StoredProperties()
{
    using S = qelSysTray;
    using P = PropertiesOf<S>;
    using plat::forms::PictureRef;
    static const auto table
        = propertyTable(P::property("BalloonTipString", &S::BalloonTipString, &S::setBalloonTipString, std::string()).pages(),
            P::property(
                "Icon", &S::IconSource, [](S& s, const PictureRef& p) { s.setIcon(p); }, PictureRef{}),
            P::property("PreventFromCrash", &S::PreventFromCrash, &S::setPreventFromCrash, true).pages());
    return table;
}

} // namespace qel
