#pragma once
#include <QStringList>

class Screen;

// The developer's layout dump: the screen's visible controls, buttons first,
// then check boxes, edit boxes, combo boxes, labels, pictures and grids, each
// kind in number order, the dump button itself left out; two lines a control
// ("button1.Left:=40;", "button1.Top:=650;") in design coordinates.
QStringList LayoutDumpLines(const Screen& screen);
// Writes those lines to "zzkf.txt" in the working folder, replacing it.
void DumpLayout(const Screen& screen);
