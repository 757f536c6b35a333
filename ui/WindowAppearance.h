// The windows' colours and the main window's skin.
#pragma once

class Files;
class QColor;
class QWidget;
class SkinFramework;

// Fills the widget's own surface with the colour.
void UseSurfaceColor(QWidget& widget, const QColor& color);

// Gives the window, and its labels, check boxes, option buttons and frames, the button colour
// of the current desktop theme, looked up now.
void ApplySystemColors(QWidget& window);

// With "x/o.cjs" beside the program, colours the main window as ApplySystemColors does and
// lays the skin over it; without the file, nothing changes.
void ApplySkin(QWidget& window, const Files& files, SkinFramework& skin);
