// The main window's skin component: a skin file is a Qt style sheet that the component checks,
// keeps and lays over one window.
#pragma once

#include <QString>

class QWidget;

// Our skin files hold one skin and no options: a skin is only loaded and laid over the window.
class SkinFramework final {
public:
    // Reads the skin file; throws std::runtime_error when it cannot be read or is no well-formed
    // style sheet.
    void LoadSkin(const QString& path);

    // Lays the loaded skin over the window and its controls.
    void ApplyWindow(QWidget& window) const;

private:
    QString sheet_;
};
