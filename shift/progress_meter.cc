#include "shift/progress_meter.h"

#include "core/calendar.h"

namespace chronoflip {

void ProgressMeter::startSource(const std::uint64_t& bytesTaken, std::uint64_t size) {
    bytesTaken_ = &bytesTaken;
    sourceSize_ = size;
}

void ProgressMeter::countLines(std::int32_t maximum) {
    countsBytes_ = false;
    linesRead_ = 0;
    progress_.maximum = maximum;
}

void ProgressMeter::countBytes() {
    countsBytes_ = true;
    linesRead_ = 0;
    progress_.maximum = static_cast<std::int64_t>(sourceSize_);
}

void ProgressMeter::advance(std::int32_t lines) {
    linesRead_ = checkedInt32(std::int64_t{linesRead_} + lines);
    show(countsBytes_ ? static_cast<std::int64_t>(*bytesTaken_) : linesRead_);
}

void ProgressMeter::empty() {
    show(0);
}

void ProgressMeter::fill() {
    show(progress_.maximum);
}

void ProgressMeter::show(std::int64_t position) {
    progress_.position = position;
    observer_.progressed(progress_);
}

}  // namespace chronoflip
