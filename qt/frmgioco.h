// frmgioco, the game window: the board of 32 cell buttons, the action
// buttons, the move counter, the clock with its timed/untimed choice, and
// the timer tempo. It provides the window operations the game rules use.
#pragma once

#include "logic/window.h"
#include "qt/controls.h"

#include <QWidget>

#include <array>

class QLabel;
class QRadioButton;
class QTimer;

namespace lastrino::ui {

class FaceButton;
class Program;

class frmgioco final : public QWidget, public GameWindow {
    Q_OBJECT
public:
    explicit frmgioco(Program& program);  // every control in its design state

    // The window operations of the game rules.
    std::string label(int cell) const override;
    void setLabel(int cell, std::string_view text) override;
    Colour faceColour(int cell) const override;
    void setFaceColour(int cell, Colour colour) override;
    std::string moves() const override;
    void setMoves(std::string_view text) override;
    std::string clockText() const override;
    void setClockText(std::string_view text) override;
    void setStartTooltip(std::string_view text) override;
    bool timedSelected() const override;
    void selectTimed(bool timed) override;
    void enableOptions(bool enabled) override;
    void enableTimer(bool enabled) override;
    void showHelp() override;
    void focusSolution() override;
    void showEndWindow() override;

    FaceButton* cell(int n) const { return cmd_.at(std::size_t(n)); }
    QWidget* control(const QString& name) const { return controls_.value(name); }
    QTimer* tempo() const { return tempo_; }

    void unload();  // off the screen, timer stopped, deleted later

public slots:
    void Form_Load();
    void cmd_Click(int index);
    void cmdcomincia_Click();
    void cmdaiuto_Click();
    void cmdsoluzione_Click();
    void cmdesci_Click();
    void optsi_Click();
    void optno_Click();
    void tempo_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void bindEvents();

    Program& program_;
    Controls controls_;
    std::array<FaceButton*, 33> cmd_{};  // index 0 unused: cells count from 1
    FaceButton* cmdcomincia_;
    FaceButton* cmdaiuto_;
    FaceButton* cmdsoluzione_;
    FaceButton* cmdesci_;
    QLabel* lblcont_;
    QLabel* lbltime_;
    QRadioButton* optsi_;
    QRadioButton* optno_;
    QTimer* tempo_;
};

}  // namespace lastrino::ui
