// The shell's screen in Qt: both windows built from their design tables, a
// widget to each control, and the player's clicks, arrow keys, close boxes
// and the timer's timeouts passed back to the shell.
#pragma once

#include "logic/shell.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <vector>

namespace lastrino::ui {

class QtScreen;

// A loaded window; its controls' widgets stand in the order of its table.
class Window final : public QWidget {
    Q_OBJECT
public:
    Window(QtScreen& screen, const Form& form);
    const Form& form() const { return form_; }
    std::vector<QWidget*> widgets;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QtScreen& screen_;
    const Form& form_;
};

class QtScreen final : public Screen {
public:
    QtScreen();
    ~QtScreen() override;
    QtScreen(const QtScreen&) = delete;
    QtScreen& operator=(const QtScreen&) = delete;

    // The shell whose events these are: set before its run().
    void attach(Shell& shell) { shell_ = &shell; }
    Shell& shell() const { return *shell_; }

    // What is on the screen: nullptr while the window is not loaded.
    Window* window(const Form& form) const;
    QWidget* widget(const Control& control) const;
    QTimer& timer() { return tempo_; }

    void load(const Form& form) override;
    void unload(const Form& form) override;
    void setText(const Control& control, std::string_view text) override;
    void setColour(const Control& control, Colour face) override;
    void setVisible(const Control& control, bool visible) override;
    void setEnabled(const Control& control, bool enabled) override;
    void setSelected(const Control& option) override;
    void setTooltip(const Control& control, std::string_view text) override;
    void setFocus(const Control& control) override;
    void startTimer(unsigned milliseconds) override;
    void stopTimer() override;
    void end() override;

private:
    Shell* shell_ = nullptr;
    std::array<QPointer<Window>, 2> windows_;  // frmgioco, frmscelta
    QTimer tempo_;
};

}  // namespace lastrino::ui
