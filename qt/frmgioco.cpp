#include "frmgioco.h"

#include "logic/actions.h"
#include "logic/board.h"
#include "logic/clock.h"
#include "program.h"
#include "widgets.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

namespace lastrino::ui {

namespace {
// A screen reader names a cell by its tile; the empty cell has no caption to read.
void nameCell(FaceButton& b) { b.setAccessibleName(text(layout::cellName(b.text().toStdString()))); }

template <class T>
T* as(const Controls& controls, const char* name) {
    auto* w = qobject_cast<T*>(controls.value(QLatin1String(name)));
    Q_ASSERT(w);
    return w;
}
}  // namespace

frmgioco::frmgioco(Program& program) : program_(program) {
    controls_ = buildWindow(*this, layout::frmgioco);
    for (int n = 1; n <= cells; ++n) {
        auto* b = new FaceButton(this);
        b->setObjectName(QStringLiteral("cmd%1").arg(n));
        b->setGeometry(toPixels(layout::cellRect(n)));
        b->setFont(toQFont(layout::cellFont));
        b->setText(n == cells ? QString() : text(tileLabel(n)));
        b->setFace(layout::cellColourAtLoad(n));
        nameCell(*b);
        b->setAccessibleDescription(text(layout::cellPlace(n)));
        setTabIndex(*b, layout::cellTabIndex(n));
        cmd_[std::size_t(n)] = b;
        controls_.insert(b->objectName(), b);
    }
    orderTabs(*this);

    cmdcomincia_ = as<FaceButton>(controls_, "cmdcomincia");
    cmdaiuto_ = as<FaceButton>(controls_, "cmdaiuto");
    cmdsoluzione_ = as<FaceButton>(controls_, "cmdsoluzione");
    cmdesci_ = as<FaceButton>(controls_, "cmdesci");
    lblcont_ = as<QLabel>(controls_, "lblcont");
    lbltime_ = as<QLabel>(controls_, "lbltime");
    optsi_ = as<QRadioButton>(controls_, "optsi");
    optno_ = as<QRadioButton>(controls_, "optno");
    // Frame1 holds the one option group.
    auto* group = new QButtonGroup(this);
    group->addButton(optsi_);
    group->addButton(optno_);

    // Each timeout is one tick. A precise timer aims each timeout at its due
    // time, so the period does not drift; after a stall it times out once.
    tempo_ = new QTimer(this);
    tempo_->setObjectName(QStringLiteral("tempo"));
    tempo_->setTimerType(Qt::PreciseTimer);
    tempo_->setInterval(tickMilliseconds);

    cmdcomincia_->setFocus();
    bindEvents();
}

void frmgioco::bindEvents() {
    for (int n = 1; n <= cells; ++n) {
        connect(cmd_[std::size_t(n)], &QPushButton::clicked, this, [this, n] { cmd_Click(n); });
    }
    connect(cmdcomincia_, &QPushButton::clicked, this, &frmgioco::cmdcomincia_Click);
    connect(cmdaiuto_, &QPushButton::clicked, this, &frmgioco::cmdaiuto_Click);
    connect(cmdsoluzione_, &QPushButton::clicked, this, &frmgioco::cmdsoluzione_Click);
    connect(cmdesci_, &QPushButton::clicked, this, &frmgioco::cmdesci_Click);
    // clicked comes from the player only, not from a selection made by the program.
    connect(optsi_, &QRadioButton::clicked, this, &frmgioco::optsi_Click);
    connect(optno_, &QRadioButton::clicked, this, &frmgioco::optno_Click);
    connect(tempo_, &QTimer::timeout, this, &frmgioco::tempo_Timer);
}

void frmgioco::Form_Load() {
    centre(*this);
    gameWindowLoaded(program_.state());
}

void frmgioco::cmd_Click(int index) { tileClick(program_.state(), *this, index); }
void frmgioco::cmdcomincia_Click() { start(program_.state(), *this, program_.random()); }
void frmgioco::cmdaiuto_Click() { help(program_.state(), *this); }
void frmgioco::cmdsoluzione_Click() { solution(program_.state(), *this); }
void frmgioco::cmdesci_Click() { program_.end(); }
void frmgioco::optsi_Click() { chooseTimed(program_.state(), true); }
void frmgioco::optno_Click() { chooseTimed(program_.state(), false); }
void frmgioco::tempo_Timer() { tick(program_.state(), *this); }

std::string frmgioco::label(int n) const { return cell(n)->text().toStdString(); }
void frmgioco::setLabel(int n, std::string_view t) {
    cell(n)->setText(text(t));
    nameCell(*cell(n));
}
Colour frmgioco::faceColour(int n) const { return cell(n)->face(); }
void frmgioco::setFaceColour(int n, Colour colour) { cell(n)->setFace(colour); }
std::string frmgioco::moves() const { return lblcont_->text().toStdString(); }
void frmgioco::setMoves(std::string_view t) { lblcont_->setText(text(t)); }
std::string frmgioco::clockText() const { return lbltime_->text().toStdString(); }
void frmgioco::setClockText(std::string_view t) { lbltime_->setText(text(t)); }
void frmgioco::setStartTooltip(std::string_view t) { cmdcomincia_->setToolTip(text(t)); }
bool frmgioco::timedSelected() const { return optsi_->isChecked(); }
void frmgioco::selectTimed(bool timed) { (timed ? optsi_ : optno_)->setChecked(true); }

void frmgioco::enableOptions(bool enabled) {
    optsi_->setEnabled(enabled);
    optno_->setEnabled(enabled);
}

void frmgioco::enableTimer(bool enabled) {
    // Enabling a running timer leaves its period where it is.
    if (!enabled) tempo_->stop();
    else if (!tempo_->isActive()) tempo_->start();
}
void frmgioco::showHelp() { cmdaiuto_->setVisible(true); }
void frmgioco::focusSolution() { cmdsoluzione_->setFocus(Qt::OtherFocusReason); }

void frmgioco::showEndWindow() {
    program_.unloadScelta();
    program_.showScelta();
}

void frmgioco::unload() {
    tempo_->stop();
    hide();
    deleteLater();
}

void frmgioco::closeEvent(QCloseEvent* event) {
    // The title bar unloads the window; no handler of the game runs.
    event->ignore();
    if (program_.gioco() == this) program_.unloadGioco();
}

}  // namespace lastrino::ui
