#include "app.h"

namespace lastrino::win32 {

void App::showGame() {
    if (gioco_) gioco_->unload();
    gioco_ = std::make_unique<GameFrame>(*this);
    gioco_->show();
}

void App::showEnd() {
    if (scelta_) scelta_->unload();
    scelta_ = std::make_unique<EndFrame>(*this);
    scelta_->show();
}

bool App::anyLoaded() const { return (gioco_ && gioco_->loaded()) || (scelta_ && scelta_->loaded()); }

bool App::dialogMessage(MSG& msg) const {
    for (const Form* form : {static_cast<const Form*>(gioco_.get()), static_cast<const Form*>(scelta_.get())}) {
        if (form && form->loaded() && IsDialogMessageW(form->hwnd(), &msg)) return true;
    }
    return false;
}

}  // namespace lastrino::win32
