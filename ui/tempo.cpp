#include "tempo.h"

namespace lastrino::ui {

Tempo::Tempo(int periodMs, QObject* parent, Clock clock)
    : QObject(parent), period_(periodMs), clock_(std::move(clock)), periods_(std::uint64_t(periodMs)) {
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
        periods_.restart(std::uint64_t(clock_()));
        schedule();
    } else {
        wake_.stop();
    }
}

qint64 Tempo::nextDue() const {
    return enabled_ ? qint64(periods_.nextDue()) : -1;
}

void Tempo::elapse(quint64 periods) {
    if (enabled_ && periods > 0) emit timer(periods);
}

void Tempo::wake() {
    if (!enabled_) return;
    const quint64 periods = periods_.take(std::uint64_t(clock_()));
    schedule();  // before the tick: the handler may disable the timer
    elapse(periods);
}

void Tempo::schedule() {
    wake_.start(int(periods_.untilNext(std::uint64_t(clock_()))));
}

}  // namespace lastrino::ui
