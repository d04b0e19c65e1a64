#include "MainWindowResize.h"

#include <initializer_list>

namespace twinsweep {

void Form_Resize(bool FormLoaded, ResizeTarget& form)
{
    if (!FormLoaded)
        return;
    for (const char* control :
         {"Toolbar1", "Toolbar2", "Duplicates", "query", "Frame1", "Frame2", "ListFiles2", "SliderControl1"})
        form.ResizeControl(control);
    form.setHeight("SliderControl1", SliderHeight);
    for (const char* control : {"TreeView1", "Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6"})
        form.ResizeControl(control);
    for (const char* button : {"Picture1", "Picture2", "Picture3", "Picture5", "Picture6"}) {
        form.setWidth(button, PlayerButtonSize);
        form.setHeight(button, PlayerButtonSize);
    }
    form.setWidth("Picture4", VolumeTrackWidth);
    form.setLeft("Picture4", form.left("SliderControl1") + form.width("SliderControl1") - VolumeTrackWidth);
}

} // namespace twinsweep
