#include "Resize.h"

#include <cmath>
#include <cstdint>

namespace twinsweep {

namespace {

/// Rounded to the nearest whole number, halves to even.
int whole(double value)
{
    return int(std::nearbyint(value));
}

/// `current` in whole per cent of `recorded`; empty for a recorded size of 0.
std::optional<int> percentOf(double current, int recorded)
{
    if (recorded == 0)
        return std::nullopt;
    return int(std::llrint(current * 100) / recorded);
}

int scaled(int recorded, int percent)
{
    return int(std::int64_t(recorded) * percent / 100);
}

} // namespace

int Resize::RecordFormLayout(const WindowPlace& window, const std::vector<ControlPlace>& controls)
{
    LayoutRecord record;
    record.Name = window.Name;
    record.Top = whole(window.Top);
    record.Left = whole(window.Left);
    record.Height = whole(window.Height);
    record.Width = whole(window.Width);
    record.ScaleHeight = whole(window.ScaleHeight);
    record.ScaleWidth = whole(window.ScaleWidth);
    m_forms.push_back(record);
    for (const ControlPlace& control : controls) {
        if (FindControlRecord(control, window.Name) < 0)
            RecordControl(control, window.Name);
    }
    return int(m_forms.size()) - 1;
}

int Resize::RecordControl(const ControlPlace& control, const std::string& formName)
{
    LayoutRecord record;
    record.Name = control.Name;
    record.Index = control.Index.value_or(0);
    record.FormName = formName;
    record.Top = whole(control.Top);
    record.Left = NormalizeLeft(whole(control.Left));
    record.Height = whole(control.Height);
    record.Width = whole(control.Width);
    m_controls.push_back(record);
    return int(m_controls.size()) - 1;
}

int Resize::FindFormRecord(const std::string& windowName) const
{
    for (size_t index = 0; index < m_forms.size(); ++index) {
        if (m_forms[index].Name == windowName)
            return int(index);
    }
    return -1;
}

int Resize::FindControlRecord(const ControlPlace& control, const std::string& formName) const
{
    for (size_t index = 0; index < m_controls.size(); ++index) {
        const LayoutRecord& record = m_controls[index];
        if (record.FormName == formName && record.Name == control.Name &&
            (!control.Index || *control.Index == record.Index))
            return int(index);
    }
    return -1;
}

void Resize::ResetLayouts()
{
    m_forms.clear();
    m_controls.clear();
}

const LayoutRecord& Resize::formRecordOf(const WindowPlace& window)
{
    int index = FindFormRecord(window.Name);
    if (index < 0)
        index = RecordFormLayout(window, {});
    return m_forms[size_t(index)];
}

std::optional<int> Resize::WidthPercent(const WindowPlace& window)
{
    return percentOf(window.ScaleWidth, formRecordOf(window).ScaleWidth);
}

std::optional<int> Resize::HeightPercent(const WindowPlace& window)
{
    return percentOf(window.ScaleHeight, formRecordOf(window).ScaleHeight);
}

std::optional<ScaledPlace> Resize::ResizeControl(const ControlPlace& control, const WindowPlace& window)
{
    const std::optional<int> hp = HeightPercent(window);
    const std::optional<int> wp = WidthPercent(window);
    const int index = FindControlRecord(control, window.Name);
    if (!hp || !wp || index < 0)
        return std::nullopt;
    const LayoutRecord& record = m_controls[size_t(index)];
    ScaledPlace place{scaled(record.Left, *wp), scaled(record.Top, *hp), scaled(record.Width, *wp),
                      scaled(record.Height, *hp)};
    if (control.Left < 0)
        place.Left -= ParkedOffset;
    return place;
}

} // namespace twinsweep
