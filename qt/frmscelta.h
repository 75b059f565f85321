// frmscelta, the end-of-game window: the win message and "Un'altra partita?".
// Non-modal and with no owner; a new one is loaded at every win.
#pragma once

#include "qt/controls.h"

#include <QWidget>

class QLabel;

namespace lastrino::ui {

class FaceButton;
class Program;

class frmscelta final : public QWidget {
    Q_OBJECT
public:
    explicit frmscelta(Program& program);  // every control in its design state

    QWidget* control(const QString& name) const { return controls_.value(name); }
    QString message() const;

    void unload();  // off the screen, deleted later

public slots:
    void Form_Load();
    void cmdsi_Click();
    void cmdno_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void bindEvents();

    Program& program_;
    Controls controls_;
    QLabel* lblmess_;
    FaceButton* cmdsi_;
    FaceButton* cmdno_;
};

}  // namespace lastrino::ui
