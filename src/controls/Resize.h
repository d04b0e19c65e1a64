#pragma once

#include <optional>
#include <string>
#include <vector>

namespace twinsweep {

/// The place of a window or a control when it was recorded, in twips. A window record
/// leaves Index and FormName unset; a control record leaves the Scale values unset.
struct LayoutRecord
{
    std::string Name;
    int Index = 0;
    std::string FormName;
    int Top = 0;
    int Left = 0; // a control's left through `NormalizeLeft`
    int Height = 0;
    int Width = 0;
    int ScaleHeight = 0;
    int ScaleWidth = 0;
};

/// A window as the layout records read it: its outer place and its inner size, in twips.
struct WindowPlace
{
    std::string Name;
    double Top = 0;
    double Left = 0;
    double Height = 0;
    double Width = 0;
    double ScaleHeight = 0;
    double ScaleWidth = 0;
};

/// A control's place, in twips; `Index` is set for a control of a control array.
struct ControlPlace
{
    std::string Name;
    std::optional<int> Index;
    double Top = 0;
    double Left = 0;
    double Height = 0;
    double Width = 0;
};

/// A control's new place, in whole twips.
struct ScaledPlace
{
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

/// The layout records: each window's and control's place as it was when the window was
/// recorded, and the scaling of a control in proportion to its window's inner size
/// since then, by whole percentages. A window is recorded at the end of its start-up and
/// again after the user moves a split; the controls' positions then become the new base.
class Resize
{
public:
    /// Controls parked out of sight to the left of a window keep their negative left;
    /// they are recorded and scaled as if this much further right.
    static constexpr int ParkedOffset = 75000;

    /// Appends a record of `window`, then one of each control that has none yet; gives
    /// the window record's index.
    int RecordFormLayout(const WindowPlace& window, const std::vector<ControlPlace>& controls);
    /// Appends a record of `control` of the window named `formName`; gives its index.
    int RecordControl(const ControlPlace& control, const std::string& formName);
    /// The first record of the window of that name, or -1.
    int FindFormRecord(const std::string& windowName) const;
    /// The record of `control` in the window named `formName`, or -1. A control outside
    /// an array matches a record of any index.
    int FindControlRecord(const ControlPlace& control, const std::string& formName) const;
    /// Forgets every record.
    void ResetLayouts();

    static int NormalizeLeft(int left) { return left < 0 ? left + ParkedOffset : left; }

    /// The window's inner width in whole per cent of its recorded one; a window without
    /// a record is recorded now, at 100 per cent. Empty when the recorded width is 0.
    std::optional<int> WidthPercent(const WindowPlace& window);
    std::optional<int> HeightPercent(const WindowPlace& window);

    /// Where `control` goes in proportion to the window's inner size against the records.
    /// Empty, and the control left where it is, when it has no record or the window's
    /// recorded inner size is 0. A parked control stays parked.
    std::optional<ScaledPlace> ResizeControl(const ControlPlace& control, const WindowPlace& window);

    const std::vector<LayoutRecord>& formRecords() const { return m_forms; }
    const std::vector<LayoutRecord>& controlRecords() const { return m_controls; }

private:
    const LayoutRecord& formRecordOf(const WindowPlace& window);

    std::vector<LayoutRecord> m_forms;
    std::vector<LayoutRecord> m_controls;
};

} // namespace twinsweep
