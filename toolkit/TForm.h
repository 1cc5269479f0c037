// A top-level window: a caption, a client area of a set size, a font and a colour that
// its controls share, a sizeable frame with minimise and maximise buttons, placed where the
// system places new windows. It never shows scroll bars: what lies beyond its client area
// is cut off, and resizing it moves or stretches nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "TWinControl.h"

namespace tk {

enum class TColor { BtnFace, Window };

class TForm : public TWinControl {
public:
    TForm();
    ~TForm() override;

    std::string Caption() const;
    void SetCaption(std::string_view caption);

    void SetClientSize(int width, int height);
    int ClientWidth() const;
    int ClientHeight() const;

    // The first family that the system has, at `pixelHeight` pixels (text height). Where
    // the family is missing, a sans-serif family that has Chinese glyphs.
    void SetFont(std::string_view family, int pixelHeight);
    void SetColor(TColor color);

    // The Tab cycle: Tab goes to the next control, Shift+Tab to the one before, and after
    // the last comes the first. Controls not listed are no tab stops.
    void SetTabOrder(std::vector<TWinControl*> order);
    const std::vector<TWinControl*>& TabOrder() const { return tabOrder_; }

    // The control that has the focus in this form, or nullptr.
    TWinControl* ActiveControl() const;

    void Show();
    void Close();
    bool Visible() const;

    // Raised once by TApplication::CreateForm, after the form and its controls exist.
    TNotifyEvent OnCreate;

private:
    std::vector<TWinControl*> tabOrder_;
};

}  // namespace tk
