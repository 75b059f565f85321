#include "tempo.h"

#include <algorithm>

namespace lastrino::ui {

Tempo::Tempo(int periodMs, QObject* parent, Clock clock)
    : QObject(parent), period_(periodMs), clock_(std::move(clock)) {
    if (!clock_) {
        monotonic_.start();
        clock_ = [this] { return monotonic_.elapsed(); };
    }
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, &Tempo::wake);
}

void Tempo::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) {
        start_ = clock_();
        delivered_ = 0;
        schedule();
    } else {
        wake_.stop();
    }
}

qint64 Tempo::nextDue() const {
    return enabled_ ? start_ + qint64(delivered_ + 1) * period_ : -1;
}

void Tempo::elapse(quint64 periods) {
    if (enabled_ && periods > 0) emit timer(periods);
}

void Tempo::wake() {
    if (!enabled_) return;
    const qint64 now = clock_();
    const quint64 due = now > start_ ? quint64((now - start_) / period_) : 0;
    const quint64 periods = due > delivered_ ? due - delivered_ : 0;
    delivered_ += periods;
    schedule();  // before the tick: the handler may disable the timer
    elapse(periods);
}

void Tempo::schedule() {
    const qint64 wait = nextDue() - clock_();
    wake_.start(int(std::max<qint64>(0, wait)));
}

}  // namespace lastrino::ui
