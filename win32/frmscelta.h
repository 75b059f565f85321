// frmscelta, the end-of-game window: the win message and "Un'altra partita?"
// with "Sì" (a fresh game window) and "No" (the end of the program).
#pragma once

#include "form.h"

namespace lastrino::win32 {

class App;

class EndFrame final : public Form {
public:
    explicit EndFrame(App& app);

    std::string message() const;  // the caption of lblmess

    void Form_Load() override;
    void cmdsi_Click();
    void cmdno_Click();

private:
    void clicked(const Item& item) override;
    std::string_view focusAtShow() const override { return "cmdsi"; }
    std::wstring description() const override;  // the message, read as the window opens

    App& app_;
};

}  // namespace lastrino::win32
