// The main window's skin component: a skin file is a Qt style sheet that the component checks,
// keeps and lays over one window.
#pragma once

#include <QString>

class QWidget;

class SkinFramework final {
public:
    // Reads the skin file; throws std::runtime_error when it cannot be read or is no well-formed
    // style sheet. The section name is accepted for skin files that hold several skins; ours
    // hold one.
    void LoadSkin(const QString& path, const QString& section);

    // Option bits and two switches that a skin may consult; the shipped skin format has no use
    // for them, and the program sets them as every caller of the component does.
    int Options() const { return options_; }
    void SetOptions(int options) { options_ = options; }
    void SetSwitch5(bool on) { switch5_ = on; }
    void SetSwitch10(bool on) { switch10_ = on; }

    // Lays the loaded skin over the window and its controls.
    void ApplyWindow(QWidget& window) const;

private:
    QString sheet_;
    int options_ = 0;
    bool switch5_ = false;
    bool switch10_ = false;
};
