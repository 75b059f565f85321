// The timer tempo: one tick a period while enabled, on the UI thread.
//
// Each wake-up is aimed at the next whole period counted from the moment the
// timer was enabled, on a monotonic clock, so ticks never drift. If the event
// loop was held up past several periods, one wake-up reports them all. While
// disabled it sets no timer at all.
#pragma once

#include "logic/clock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace lastrino::ui {

class Tempo final : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<qint64()>;  // monotonic milliseconds

    explicit Tempo(int periodMs, QObject* parent = nullptr, Clock clock = {});

    int interval() const { return period_; }
    bool isEnabled() const { return enabled_; }
    // Enabling a running timer keeps its period where it is.
    void setEnabled(bool enabled);

    bool isWaiting() const { return wake_.isActive(); }
    int wakesIn() const { return wake_.interval(); }  // milliseconds the wake-up was set for
    qint64 nextDue() const;  // on the clock, when the next tick is due; -1 while disabled

public slots:
    // One tick, or the ticks of `periods` periods at once: emits timer while enabled.
    void elapse(quint64 periods = 1);
    // The wake-up: delivers the whole periods gone since the last delivery.
    void wake();

signals:
    void timer(quint64 periods);

private:
    void schedule();

    const int period_;
    Clock clock_;
    QElapsedTimer monotonic_;
    QTimer wake_;
    bool enabled_ = false;
    DuePeriods periods_;
};

}  // namespace lastrino::ui
