// The windows' colours and the main window's skin.
#pragma once

class Files;
class QColor;
class QWidget;
class SkinFramework;

// The contrast between two colours by their relative luminance, from 1 (none) to 21 (black on
// white), as the Web Content Accessibility Guidelines measure it; 4.5 is what body text needs.
double ContrastRatio(const QColor& first, const QColor& second);

// Fills the widget's own surface with the colour and writes on it in a colour that reads there.
// The colour stays as the desktop's colours change.
void UseSurfaceColor(QWidget& widget, const QColor& color);

// Gives the window, and its labels, check boxes, option buttons and frames, the button colour
// of the current desktop theme, and again each time the desktop's colours change.
void ApplySystemColors(QWidget& window);

// With "x/o.cjs" beside the program, colours the main window as ApplySystemColors does and
// lays the skin over it; without the file, nothing changes.
void ApplySkin(QWidget& window, const Files& files, SkinFramework& skin);
