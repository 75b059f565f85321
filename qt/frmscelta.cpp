#include "frmscelta.h"

#include "frmgioco.h"
#include "logic/actions.h"
#include "program.h"
#include "widgets.h"

#include <QCloseEvent>
#include <QLabel>

namespace lastrino::ui {

frmscelta::frmscelta(Program& program) : QWidget(nullptr), program_(program) {
    controls_ = buildWindow(*this, layout::frmscelta);
    orderTabs(*this);
    lblmess_ = qobject_cast<QLabel*>(controls_.value(QStringLiteral("lblmess")));
    cmdsi_ = qobject_cast<FaceButton*>(controls_.value(QStringLiteral("cmdsi")));
    cmdno_ = qobject_cast<FaceButton*>(controls_.value(QStringLiteral("cmdno")));
    Q_ASSERT(lblmess_ && cmdsi_ && cmdno_);
    // "Sì" holds the focus: Enter or Space there starts another game.
    cmdsi_->setFocus();
    bindEvents();
}

void frmscelta::bindEvents() {
    connect(cmdsi_, &QPushButton::clicked, this, &frmscelta::cmdsi_Click);
    connect(cmdno_, &QPushButton::clicked, this, &frmscelta::cmdno_Click);
}

QString frmscelta::message() const { return lblmess_->text(); }

void frmscelta::Form_Load() {
    centre(*this);
    // Only the game window's handlers show this window, so it is loaded.
    const frmgioco* gioco = program_.gioco();
    Q_ASSERT(gioco);
    program_.mosse() = gioco->moves();
    lblmess_->setText(text(winMessage(program_.mosse(), gioco->timedSelected(), gioco->clockText())));
    // A screen reader reads the message with the window's name as it opens.
    setAccessibleDescription(lblmess_->text());
}

void frmscelta::cmdsi_Click() {
    program_.unloadGioco();
    program_.showGioco();
    program_.unloadScelta();  // this window goes once the handler returns
}

void frmscelta::cmdno_Click() { program_.end(); }

void frmscelta::unload() {
    hide();
    deleteLater();
}

void frmscelta::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (program_.scelta() == this) program_.unloadScelta();
}

}  // namespace lastrino::ui
